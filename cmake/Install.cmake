# What `cmake --install` puts under the prefix (relocatable: nothing records
# the prefix): the program, its desktop entry, icon, AppStream metadata and
# manual page. One application id names them all.
#
# Nothing here runs a program of the build's own: a cross build could not.
# The 32x32 icon is therefore committed (resources/icon-32.png, rendered from
# icon.svg by tools/render_icon; the test metrova_icon checks that it still
# is that rendering).
include(GNUInstallDirs)

set(generated "${PROJECT_BINARY_DIR}/share")
configure_file(resources/${METROVA_APP_ID}.metainfo.xml.in ${generated}/${METROVA_APP_ID}.metainfo.xml @ONLY)
configure_file(resources/metrova.1 ${generated}/metrova.1 @ONLY)
configure_file(resources/changelog.in ${generated}/changelog @ONLY)

add_custom_command(OUTPUT ${generated}/metrova.1.gz ${generated}/changelog.gz
    COMMAND gzip -9nkf metrova.1 changelog
    WORKING_DIRECTORY ${generated}
    DEPENDS ${generated}/metrova.1 ${generated}/changelog)
add_custom_target(metrova_share ALL DEPENDS ${generated}/metrova.1.gz ${generated}/changelog.gz)

install(TARGETS metrova RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/${METROVA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${METROVA_APP_ID}.svg)
install(FILES resources/icon-32.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${METROVA_APP_ID}.png)
install(FILES ${generated}/${METROVA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/metrova.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Debian's layout of the copyright and the changelog belongs to the Debian
# package alone (cmake/Packaging.cmake installs this component too); a plain
# install under a prefix leaves it out.
install(FILES resources/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/metrova
        COMPONENT debian EXCLUDE_FROM_ALL)
