# One calculator program:
#
#   agregar_calculadora(NAME CALCULO sources... VENTANA sources... IMAGENES pictures...)
#
# builds NAME_calculo (its computation: plain C++ on the numeric rules),
# NAME_ventana (its window, with its pictures from assets/ compiled in) and
# the program NAME from main.cpp. Tests link the two libraries.
function(agregar_calculadora NAME)
    cmake_parse_arguments(C "" "" "CALCULO;VENTANA;IMAGENES" ${ARGN})
    add_library(${NAME}_calculo STATIC ${C_CALCULO})
    target_include_directories(${NAME}_calculo PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${NAME}_calculo PUBLIC comun_numerico PRIVATE advertencias)

    add_library(${NAME}_ventana STATIC ${C_VENTANA})
    target_link_libraries(${NAME}_ventana PUBLIC ${NAME}_calculo comun PRIVATE advertencias)
    compilar_imagenes(${NAME}_ventana imagenes_${NAME} ${C_IMAGENES})

    # A Windows program of the desktop, without a console.
    qt_add_executable(${NAME} WIN32 main.cpp)
    target_link_libraries(${NAME} PRIVATE ${NAME}_ventana advertencias)
endfunction()
