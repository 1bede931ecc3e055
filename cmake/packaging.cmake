# The Debian package: `cpack -G DEB` in a Linux build folder makes
# mirval_VERSION_amd64.deb with /usr/bin/mirval, a desktop entry and its icon,
# the README, the user guide and the licence (scripts/test-package.sh).
include(GNUInstallDirs)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS mirval RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# the desktop windows, where the program looks for them: ../lib/mirval
if(TARGET mirval_desktop_module)
  install(TARGETS mirval_desktop_module LIBRARY DESTINATION lib/mirval)
endif()
install(FILES ${packaging}/mirval.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/mirval.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/mirval-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME mirval.png)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/guia-do-usuario.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mirval)
# The program's licence (GPL-2.0-or-later), where Debian keeps each package's.
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mirval RENAME copyright)
else()
  message(WARNING "LICENSE is missing: the package goes without the program's licence")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirval)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "MIRVAL")
set(CPACK_PACKAGE_CONTACT "Equipe do MIRVAL <mirval@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coordenadas de levantamentos topográficos de grutas")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Calcula as coordenadas UTM de cada estação e teto de um levantamento de gruta e escreve\n"
       "as listagens, cópias normalizadas, desenhos DXF, KML, arquivos THERION e COMPASS e,\n"
       "a pedido, o perfil longitudinal retificado em DXF.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# the file dialog of the windows uses GTK when it is there
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgtk2.0-0")
set(CPACK_STRIP_FILES ON)
include(CPack)
