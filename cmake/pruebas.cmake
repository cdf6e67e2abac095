# qt6ct's "darker" colour scheme, for the GUI tests of the dark theme.
set(TEMA_OSCURO ${CMAKE_BINARY_DIR}/tema_oscuro)
file(WRITE ${TEMA_OSCURO}/qt6ct/qt6ct.conf
    "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n")

# Every test carries one label, so that a part of the suite runs alone:
#   rapidas     the pure computations and the windows offscreen (seconds)
#   escritorio  the real programs on virtual X desktops, and without one
#   orca        the real programs heard through the Orca screen reader
#   wayland     the real programs as clients of a headless Wayland compositor
#   paquete     menu entries, AppStream file, the install and the Debian package
#   gnome       the installed programs inside a headless GNOME Shell session
#   plasma      the programs on a headless KWin

# One place that registers every test program with ctest.
#
#   agregar_prueba(NAME n SOURCES ... LIBRARIES ... [GUI])
#
# A GUI test runs on the offscreen platform, once with a "." locale and once
# with a "," locale, each registered under its own name; its tests named
# TemaOscuro run instead under qt6ct's dark colour scheme.
function(agregar_prueba)
    if(NOT BUILD_TESTING)
        return()
    endif()
    cmake_parse_arguments(P "GUI" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${P_NAME} ${P_SOURCES})
    target_link_libraries(${P_NAME} PRIVATE ${P_LIBRARIES} GTest::gmock advertencias)
    target_include_directories(${P_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/common/tests)
    if(P_GUI)
        target_link_libraries(${P_NAME} PRIVATE Qt6::Test prueba_gui)
        # Each run's environment goes as NAME=value arguments, which the test
        # program sets before Qt starts (see prueba_gui.cpp).
        foreach(locale IN ITEMS en_US es_ES)
            gtest_discover_tests(${P_NAME}
                TEST_SUFFIX ".${locale}"
                TEST_FILTER "-*TemaOscuro*"
                EXTRA_ARGS "LC_ALL=${locale}.UTF-8"
                DISCOVERY_MODE PRE_TEST
                NO_PRETTY_VALUES
                PROPERTIES LABELS rapidas)
        endforeach()
        gtest_discover_tests(${P_NAME}
            TEST_SUFFIX ".qt6ct_oscuro"
            TEST_FILTER "*TemaOscuro*"
            EXTRA_ARGS "QT_QPA_PLATFORMTHEME=qt6ct" "XDG_CONFIG_HOME=${TEMA_OSCURO}"
            DISCOVERY_MODE PRE_TEST
            NO_PRETTY_VALUES
            PROPERTIES LABELS rapidas)
    else()
        target_link_libraries(${P_NAME} PRIVATE GTest::gmock_main)
        gtest_discover_tests(${P_NAME} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES PROPERTIES LABELS rapidas)
    endif()
endfunction()

set(EN_EL_ESCRITORIO ${PROJECT_SOURCE_DIR}/common/tests/escritorio/en_el_escritorio.py)
set(PANTALLA_VIRTUAL ${PROJECT_SOURCE_DIR}/tools/con-pantalla-virtual)
set(CON_ORCA ${PROJECT_SOURCE_DIR}/common/tests/escritorio/con_orca.py)

# The test NAME: the program PROGRAM, built or installed at EXECUTABLE, read
# on a virtual X display as a screen reader and a dock do, and ended with
# "Salir" (see en_el_escritorio.py). Further arguments are test properties.
function(agregar_prueba_de_lector NAME PROGRAM EXECUTABLE)
    if(NOT BUILD_TESTING)
        return()
    endif()
    add_test(NAME ${NAME}
        COMMAND ${PANTALLA_VIRTUAL} dbus-run-session -- ${EN_EL_ESCRITORIO} lector ${EXECUTABLE}
                ${PROJECT_SOURCE_DIR}/distribucion/org.calculadorasrf.${PROGRAM}.desktop)
    set_tests_properties(${NAME} PROPERTIES LABELS escritorio ${ARGN})
endfunction()

# The tests of the real program PROGRAM (a target): started without a display,
# it refuses in one line; as a Wayland client of a headless weston, its window
# maps at its design size, reads as under X11 and ends with "Salir"; on
# virtual X desktops: read
# by a screen reader and ended with "Salir"; heard through Orca, turned on
# before and after it opens; on a 1366 x 768 screen at 150 %
# the window with its frame fits and every control comes into view; on a
# 1920 x 1080 screen the window is its design unchanged, and dragged to a
# 1366 x 768 screen beside it, it stays where it is dropped.
function(agregar_pruebas_de_escritorio PROGRAM)
    if(NOT BUILD_TESTING)
        return()
    endif()
    set(ejecutable $<TARGET_FILE:${PROGRAM}>)
    add_test(NAME ${PROGRAM}_sin_pantalla
        COMMAND ${EN_EL_ESCRITORIO} sin_pantalla ${ejecutable})
    agregar_prueba_de_lector(${PROGRAM}_con_lector_de_pantalla ${PROGRAM} ${ejecutable})
    # One Orca at a time: each takes about half a minute, and several at
    # once would be slow to answer.
    add_test(NAME ${PROGRAM}_con_orca
        COMMAND ${PANTALLA_VIRTUAL} dbus-run-session -- ${PROJECT_SOURCE_DIR}/tools/con-orca ${CON_ORCA} ${ejecutable})
    set_tests_properties(${PROGRAM}_con_orca PROPERTIES RESOURCE_LOCK orca TIMEOUT 300 LABELS orca)
    add_test(NAME ${PROGRAM}_en_pantalla_pequena
        COMMAND ${CMAKE_COMMAND} -E env QT_SCALE_FACTOR=1.5 ${PANTALLA_VIRTUAL} -s 1366x768
                dbus-run-session -- ${EN_EL_ESCRITORIO} pantalla ${ejecutable})
    set_tests_properties(${PROGRAM}_sin_pantalla ${PROGRAM}_en_pantalla_pequena PROPERTIES LABELS escritorio)
    add_test(NAME ${PROGRAM}_en_wayland
        COMMAND ${PROJECT_SOURCE_DIR}/tools/con-wayland-virtual dbus-run-session -- ${EN_EL_ESCRITORIO} wayland ${ejecutable})
    add_test(NAME ${PROGRAM}_en_pantalla_grande
        COMMAND ${PANTALLA_VIRTUAL} -s 3286x1080 dbus-run-session -- ${EN_EL_ESCRITORIO} pantalla ${ejecutable} cabe)
    set_tests_properties(${PROGRAM}_en_pantalla_grande PROPERTIES LABELS escritorio)
    set_tests_properties(${PROGRAM}_en_wayland PROPERTIES LABELS wayland)
endfunction()

set(EN_GNOME ${PROJECT_SOURCE_DIR}/common/tests/escritorio/en_gnome.py)
set(CON_GNOME_SHELL ${PROJECT_SOURCE_DIR}/tools/con-gnome-shell)

# The three programs installed as a user installs them (`cmake --install`
# into ~/.local), started from their menu entries in a headless GNOME Shell
# session on Wayland, on a 1024 x 600 and a 1366 x 768 screen, the latter
# also at 200 %, judged by the shell (see en_gnome.py); once more with the
# user's QT_QPA_PLATFORM=wayland; and heard through Orca, turned on before
# and after the programs (see con_orca.py).
# The screenshots go to capturas-gnome. They need root (a private system
# bus); without it they are skipped. And the three built programs on a
# headless KWin, Plasma's compositor, on a 1024 x 600 screen with a 44 px
# panel, Plasma's own height (see en_kwin.py).
function(agregar_pruebas_de_gnome_y_plasma)
    if(NOT BUILD_TESTING)
        return()
    endif()
    set(instalado ${CMAKE_BINARY_DIR}/instalado)
    add_test(NAME instalar_como_un_usuario
        COMMAND sh -c "rm -rf \"$1\" && \"$2\" --install \"$3\" --prefix \"$1\" >/dev/null" instalar
                ${instalado} ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
    set_tests_properties(instalar_como_un_usuario PROPERTIES FIXTURES_SETUP instalado LABELS gnome)
    set(programas filtros velorna mirvesta)
    foreach(tamano IN ITEMS 1024x600 1366x768)
        add_test(NAME gnome_${tamano}
            COMMAND ${CON_GNOME_SHELL} -s ${tamano} -i ${instalado} -f ${CMAKE_BINARY_DIR}/capturas-gnome
                    /usr/bin/python3 ${EN_GNOME} ~/.local --fotos ${programas})
    endforeach()
    add_test(NAME gnome_1366x768_al_200
        COMMAND ${CON_GNOME_SHELL} -s 1366x768 -e 2 -i ${instalado} /usr/bin/python3 ${EN_GNOME} ~/.local ${programas})
    add_test(NAME gnome_qt_qpa_platform_wayland
        COMMAND ${CON_GNOME_SHELL} -q wayland -i ${instalado} /usr/bin/python3 ${EN_GNOME} ~/.local ${programas})
    add_test(NAME gnome_con_orca
        COMMAND ${CON_GNOME_SHELL} -i ${instalado} /usr/bin/python3 ${CON_ORCA} --gnome ~/.local)
    set_tests_properties(gnome_1024x600 gnome_1366x768 gnome_1366x768_al_200 gnome_qt_qpa_platform_wayland gnome_con_orca PROPERTIES
        FIXTURES_REQUIRED instalado LABELS gnome SKIP_RETURN_CODE 77 TIMEOUT 300)
    add_test(NAME kwin_1024x600_con_panel
        COMMAND ${PROJECT_SOURCE_DIR}/tools/con-kwin -p 44 /usr/bin/python3
                ${PROJECT_SOURCE_DIR}/common/tests/escritorio/en_kwin.py
                $<TARGET_FILE:filtros> $<TARGET_FILE:velorna> $<TARGET_FILE:mirvesta>)
    set_tests_properties(kwin_1024x600_con_panel PROPERTIES LABELS plasma TIMEOUT 120)
endfunction()
