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
                PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=${locale}.UTF-8;LANG=${locale}.UTF-8")
        endforeach()
    else()
        target_link_libraries(${P_NAME} PRIVATE GTest::gmock_main)
        gtest_discover_tests(${P_NAME} DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()

# A test that starts PROGRAM (a path) on a virtual X display of its own,
# clicks "Salir" at (X, Y) inside its window titled TITLE, and passes when the
# program ends with status 0. Further arguments are test properties.
function(agregar_prueba_de_salida NAME PROGRAM TITLE X Y)
    if(NOT BUILD_TESTING)
        return()
    endif()
    add_test(NAME ${NAME}
        COMMAND ${PROJECT_SOURCE_DIR}/tools/con-pantalla-virtual
                ${PROJECT_SOURCE_DIR}/common/tests/salir.sh ${PROGRAM} ${TITLE} ${X} ${Y})
    if(ARGN)
        set_tests_properties(${NAME} PROPERTIES ${ARGN})
    endif()
endfunction()
