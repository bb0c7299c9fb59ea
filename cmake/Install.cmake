# What `cmake --install` puts under the prefix (relocatable: nothing records
# the prefix): the program, its desktop entry, icon, AppStream metadata and
# manual page. One application id names them all.
#
# Nothing here runs a program of the build's own: a cross build could not.
# The icons are therefore committed (resources/icon-SIZE.png, rendered by
# tools/render_icon from icon.svg at 32 pixels and from icon-large.svg at 48
# to 256; the tests metrova_icon_SIZE check that each still is that rendering).
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
install(FILES resources/icon-large.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${METROVA_APP_ID}.svg)
foreach(size IN ITEMS 32 48 64 128 256)
    install(FILES resources/icon-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${METROVA_APP_ID}.png)
endforeach()
install(FILES ${generated}/${METROVA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/metrova.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Debian's layout of the copyright and the changelog belongs to the Debian
# package alone (cmake/Packaging.cmake installs this component too); a plain
# install under a prefix leaves it out.
install(FILES resources/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/metrova
        COMPONENT debian EXCLUDE_FROM_ALL)
