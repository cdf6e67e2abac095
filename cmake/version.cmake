# The project's one version, its date and what it brought, read from the last
# entry of debian/changelog:
#   calculadoras-rf (VERSION) unstable; urgency=medium
#     * a change, its lines
#       continued
#    -- Name <address>  Sun, 06 Dec 2026 12:00:00 +0000
# Sets VERSION_DEL_CHANGELOG, FECHA_DEL_CHANGELOG (2026-12-06),
# MES_DEL_CHANGELOG (diciembre de 2026) and NOVEDADES_DEL_CHANGELOG (the
# changes, a list).
set(CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CHANGELOG})
file(STRINGS ${CHANGELOG} lineas ENCODING UTF-8)
list(GET lineas 0 cabecera)
string(REGEX MATCH "\\(([0-9.]+)\\)" _ "${cabecera}")
set(VERSION_DEL_CHANGELOG ${CMAKE_MATCH_1})
set(NOVEDADES_DEL_CHANGELOG)
foreach(linea IN LISTS lineas)
    if(linea MATCHES "^  \\* (.*)$")
        list(APPEND NOVEDADES_DEL_CHANGELOG "${CMAKE_MATCH_1}")
    elseif(linea MATCHES "^    (.*)$")
        list(POP_BACK NOVEDADES_DEL_CHANGELOG novedad)
        list(APPEND NOVEDADES_DEL_CHANGELOG "${novedad} ${CMAKE_MATCH_1}")
    elseif(linea MATCHES "^ -- .*  [A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+) ")
        set(dia ${CMAKE_MATCH_1})
        set(anio ${CMAKE_MATCH_3})
        set(meses Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        set(nombres enero febrero marzo abril mayo junio julio agosto septiembre octubre noviembre diciembre)
        list(FIND meses ${CMAKE_MATCH_2} indice)
        list(GET nombres ${indice} nombre_del_mes)
        math(EXPR mes "${indice} + 1" OUTPUT_FORMAT DECIMAL)
        string(LENGTH "${mes}" cifras)
        if(cifras EQUAL 1)
            set(mes 0${mes})
        endif()
        string(LENGTH "${dia}" cifras)
        if(cifras EQUAL 1)
            set(dia 0${dia})
        endif()
        set(FECHA_DEL_CHANGELOG ${anio}-${mes}-${dia})
        set(MES_DEL_CHANGELOG "${nombre_del_mes} de ${anio}")
        break()
    endif()
endforeach()
