# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calculadoras-rf)
set(CPACK_PACKAGE_VENDOR "Equipo Calculadoras RF")
set(CPACK_PACKAGE_CONTACT "Equipo Calculadoras RF <equipo@calculadoras-rf.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculadoras de electrónica de radiofrecuencia")
set(CPACK_PACKAGE_DESCRIPTION "Tres calculadoras de escritorio en español para el banco de trabajo:
la frecuencia de corte de la sección RC de un filtro activo (filtros),
la resonancia de un circuito tanque LC (velorna) y la inductancia de una
bobina de una capa con núcleo de aire (mirvesta).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://calculadoras-rf.org/)
# Library dependencies are read from the programs; the substitute font and
# Qt's Spanish texts are ours.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
# On a Wayland desktop the programs draw as Wayland clients when Qt has its
# Wayland platform; without it they go through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)

# Every time in the package (its members', its files') is the date of the
# changelog's last entry, unless the environment gives one, as
# dpkg-buildpackage does, so that the same tree gives the same package. Owners
# are always root.
find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog)
if(DPKG_PARSECHANGELOG)
    execute_process(COMMAND ${DPKG_PARSECHANGELOG} -l ${CMAKE_CURRENT_SOURCE_DIR}/changelog -STimestamp
        OUTPUT_VARIABLE FECHA_DEL_CHANGELOG OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS changelog)
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/fecha_del_paquete.cmake)
    file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
        "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n    set(ENV{SOURCE_DATE_EPOCH} ${FECHA_DEL_CHANGELOG})\nendif()\n")
endif()
include(CPack)
