# What `cmake --install` puts under the prefix (relocatable: nothing records
# the prefix): the program, its desktop entry, icon, AppStream metadata, manual
# page and the package documents. One application id names them all.
include(GNUInstallDirs)

set(generated "${PROJECT_BINARY_DIR}/share")
configure_file(resources/${METROVA_APP_ID}.metainfo.xml.in ${generated}/${METROVA_APP_ID}.metainfo.xml @ONLY)
configure_file(resources/metrova.1 ${generated}/metrova.1 @ONLY)
configure_file(resources/changelog.in ${generated}/changelog @ONLY)

add_executable(metrova_render_icon tools/render_icon.cpp)
target_link_libraries(metrova_render_icon PRIVATE metrova_flags Qt6::Gui Qt6::Svg)

set(icon_png "${generated}/${METROVA_APP_ID}.png")
add_custom_command(OUTPUT ${icon_png}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:metrova_render_icon> ${PROJECT_SOURCE_DIR}/resources/icon.svg 32 ${icon_png}
    DEPENDS metrova_render_icon resources/icon.svg
    COMMENT "Rendering the 32x32 icon")
add_custom_command(OUTPUT ${generated}/metrova.1.gz ${generated}/changelog.gz
    COMMAND gzip -9nkf metrova.1 changelog
    WORKING_DIRECTORY ${generated}
    DEPENDS ${generated}/metrova.1 ${generated}/changelog)
add_custom_target(metrova_share ALL DEPENDS ${icon_png} ${generated}/metrova.1.gz ${generated}/changelog.gz)

install(TARGETS metrova RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/${METROVA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${METROVA_APP_ID}.svg)
install(FILES ${icon_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${generated}/${METROVA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/metrova.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/metrova)
