# qt6ct's "darker" colour scheme, for the GUI tests of the dark theme.
set(TEMA_OSCURO ${CMAKE_BINARY_DIR}/tema_oscuro)
file(WRITE ${TEMA_OSCURO}/qt6ct/qt6ct.conf
    "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n")

# Every test carries one label, so that a part of the suite runs alone:
# "rapidas", the pure computations and the windows offscreen (seconds), are
# registered here; the tests of the real programs in tests/CMakeLists.txt.

# One place that registers every C++ test program with ctest.
#
#   agregar_prueba(NAME n SOURCES ... LIBRARIES ... [GUI])
#
# A GUI test runs on the offscreen platform, once with a "." locale and once
# with a "," locale, each registered under its own name; its tests named
# TemaOscuro run instead under a dark colour scheme.
# Windows' window tests run on its own platform (on a virtual display under
# Wine), with its font database: its offscreen platform knows no fonts.
if(WIN32)
    set(PLATAFORMA_DE_LAS_PRUEBAS QT_QPA_PLATFORM=windows)
endif()

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
                EXTRA_ARGS "LC_ALL=${locale}.UTF-8" ${PLATAFORMA_DE_LAS_PRUEBAS}
                DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                NO_PRETTY_VALUES
                # Windows takes its locale from the system, which Wine sets
                # from the locale it is started in.
                PROPERTIES LABELS rapidas ENVIRONMENT "LC_ALL=${locale}.UTF-8")
        endforeach()
        # The dark theme's case: qt6ct's scheme on Linux; on Windows, whose
        # palette Qt takes from the system colours, high contrast's (in a
        # Wine prefix of its own, see tests/con-wine).
        if(WIN32)
            set(sufijo .alto_contraste)
            set(oscuro ${PLATAFORMA_DE_LAS_PRUEBAS})
            set(entorno ENVIRONMENT CALCULADORAS_ALTO_CONTRASTE=1)
        else()
            set(sufijo .qt6ct_oscuro)
            set(oscuro QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=${TEMA_OSCURO})
            set(entorno)
        endif()
        gtest_discover_tests(${P_NAME}
            TEST_SUFFIX ${sufijo}
            TEST_FILTER "*TemaOscuro*"
            EXTRA_ARGS ${oscuro}
            DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
            NO_PRETTY_VALUES
            PROPERTIES LABELS rapidas ${entorno})
    else()
        target_link_libraries(${P_NAME} PRIVATE GTest::gmock_main)
        gtest_discover_tests(${P_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS rapidas)
    endif()
endfunction()
