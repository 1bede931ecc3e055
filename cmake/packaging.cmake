# The Debian package: `cpack -G DEB` in a Linux build folder makes
# mirval_VERSION_amd64.deb with /usr/bin/mirval, its desktop windows, a desktop
# entry and its icon, the manual page, the README, the user guide (Markdown and
# its page), the changelog and the machine-readable copyright file
# (scripts/test-package.sh checks it, lintian included).
include(GNUInstallDirs)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/mirval)

install(TARGETS mirval RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET mirval_desktop_module)
  install(TARGETS mirval_desktop_module LIBRARY DESTINATION ${MIRVAL_MODULE_DIR})
endif()
install(FILES ${packaging}/mirval.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/mirval.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/mirval-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME mirval.png)
if(MIRVAL_MANUAL_PAGE)
  install(FILES ${MIRVAL_MANUAL_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/guia-do-usuario.md DESTINATION ${doc_dir})
if(MIRVAL_GUIDE_PAGE)
  install(FILES ${MIRVAL_GUIDE_PAGE} DESTINATION ${doc_dir})
  # the page registered with the system's documentation catalogue
  install(FILES ${packaging}/doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base RENAME mirval-guia-do-usuario)
endif()
# The licences: the copyright file names them and points at Debian's copies in
# /usr/share/common-licenses.
install(FILES ${packaging}/copyright DESTINATION ${doc_dir})
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog} COMMAND gzip -9 -n -c ${packaging}/changelog >${changelog}
                   DEPENDS ${packaging}/changelog COMMENT "The package's changelog")
add_custom_target(package_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirval)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "MIRVAL")
set(CPACK_PACKAGE_CONTACT "Equipe do MIRVAL <mirval@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coordenadas de levantamentos topográficos de grutas")
# Lines of the extended description: at most 80 characters each.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Calcula as coordenadas UTM de cada estação e teto de um levantamento de\n"
       "gruta e escreve as listagens, as cópias normalizadas, os desenhos DXF, o\n"
       "KML, os arquivos THERION e COMPASS e, a pedido, o perfil longitudinal\n"
       "retificado em DXF e os fechamentos dos laços.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# the file dialog of the windows uses GTK when it is there
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgtk2.0-0")
set(CPACK_STRIP_FILES ON)
include(CPack)
