# One place that registers every test program with ctest.
#
#   agregar_prueba(NAME n SOURCES ... LIBRARIES ... [GUI])
#
# A GUI test runs on the offscreen platform, once with a "." locale and once
# with a "," locale, each registered under its own name.
function(agregar_prueba)
    if(NOT BUILD_TESTING)
        return()
    endif()
    cmake_parse_arguments(P "GUI" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${P_NAME} ${P_SOURCES})
    target_link_libraries(${P_NAME} PRIVATE ${P_LIBRARIES} GTest::gmock avisos)
    target_include_directories(${P_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/common/tests)
    if(P_GUI)
        target_link_libraries(${P_NAME} PRIVATE Qt6::Test prueba_gui)
        foreach(locale IN ITEMS en_US es_ES)
            gtest_discover_tests(${P_NAME}
                TEST_SUFFIX ".${locale}"
                DISCOVERY_MODE PRE_TEST
                NO_PRETTY_VALUES
                PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=${locale}.UTF-8;LANG=${locale}.UTF-8")
        endforeach()
    else()
        target_link_libraries(${P_NAME} PRIVATE GTest::gmock_main)
        gtest_discover_tests(${P_NAME} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES)
    endif()
endfunction()

set(ESCRITORIO ${PROJECT_SOURCE_DIR}/common/tests/escritorio)
set(PANTALLA_VIRTUAL ${PROJECT_SOURCE_DIR}/tools/con-pantalla-virtual)

# A test that starts PROGRAM (a path) on a virtual X display of its own,
# clicks "Salir" at (X, Y) inside its window titled TITLE, and passes when the
# program ends with status 0. Further arguments are test properties.
function(agregar_prueba_de_salida NAME PROGRAM TITLE X Y)
    if(NOT BUILD_TESTING)
        return()
    endif()
    add_test(NAME ${NAME} COMMAND ${PANTALLA_VIRTUAL} ${ESCRITORIO}/salir.sh ${PROGRAM} ${TITLE} ${X} ${Y})
    if(ARGN)
        set_tests_properties(${NAME} PROPERTIES ${ARGN})
    endif()
endfunction()

# The tests of the real program PROGRAM (a target) on virtual X displays, as
# a user meets it on a desktop: "Salir" at (X, Y) in its window titled TITLE
# ends it; a screen reader reads its window through the AT-SPI bus and a dock
# matches it to its menu entry; on a 1366 x 768 screen at 150 % the window
# with its frame fits and every control comes into view; on a 1920 x 1080
# screen the window is its design unchanged.
function(agregar_pruebas_de_escritorio PROGRAM TITLE X Y)
    if(NOT BUILD_TESTING)
        return()
    endif()
    set(ejecutable $<TARGET_FILE:${PROGRAM}>)
    agregar_prueba_de_salida(${PROGRAM}_salir_termina_el_programa ${ejecutable} ${TITLE} ${X} ${Y})
    set(en_sesion dbus-run-session --)
    add_test(NAME ${PROGRAM}_con_lector_de_pantalla
        COMMAND ${PANTALLA_VIRTUAL} ${en_sesion} ${ESCRITORIO}/lector_de_pantalla.py ${ejecutable}
                ${PROJECT_SOURCE_DIR}/distribucion/org.calculadorasrf.${PROGRAM}.desktop)
    add_test(NAME ${PROGRAM}_en_pantalla_pequena
        COMMAND ${CMAKE_COMMAND} -E env QT_SCALE_FACTOR=1.5
                ${PANTALLA_VIRTUAL} -s 1366x768 ${en_sesion} ${ESCRITORIO}/pantalla_pequena.py ${ejecutable})
    add_test(NAME ${PROGRAM}_en_pantalla_grande
        COMMAND ${PANTALLA_VIRTUAL} -s 1920x1080 ${en_sesion} ${ESCRITORIO}/pantalla_pequena.py ${ejecutable} cabe)
endfunction()
