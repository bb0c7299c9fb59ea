# What Windows users get: one folder with the program, the Qt DLLs and
# plugins it uses, the MinGW-w64 runtime DLLs they need and the licence texts
# of all of them, packed as a portable zip, as an installer for the user
# (resources/windows/metrova.nsi) and as an MSI for the machine
# (scripts/windows-wxs), all by scripts/windows-package:
#   cmake --build B --target windows_packages
#   -> B/windows/metrova-VERSION-win64.zip, B/windows/metrova-VERSION-win64-setup.exe,
#      B/windows/metrova-VERSION-win64.msi
# Qt stays in DLLs beside the program, as Qt is LGPL: users may replace them
# with their own build of the same Qt version. Nothing here runs a program of
# the build's own.
find_program(METROVA_MAKENSIS makensis REQUIRED)
find_program(METROVA_ZIP zip REQUIRED)
find_program(METROVA_WIXL wixl REQUIRED)

# The texts that go with the runtime and the font, Debian's copies.
set(METROVA_GCC_RUNTIME_LICENSE /usr/share/doc/gcc-mingw-w64-base/copyright
    CACHE FILEPATH "Licence text of GCC's runtime DLLs (libgcc, libstdc++)")
set(METROVA_MINGW_RUNTIME_LICENSE /usr/share/doc/mingw-w64-common/copyright
    CACHE FILEPATH "Licence text of MinGW-w64's runtime DLL (winpthreads)")
set(METROVA_CENTURY_FACE_LICENSE /usr/share/doc/fonts-texgyre/copyright
    CACHE FILEPATH "Licence text of the face carried for Century")

# A shared Qt leaves its plugins' packages to be asked for by name.
find_package(Qt6QWindowsIntegrationPlugin REQUIRED CONFIG PATHS ${Qt6Gui_DIR} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_package(Qt6QModernWindowsStylePlugin REQUIRED CONFIG PATHS ${Qt6Widgets_DIR} NO_DEFAULT_PATH
             NO_CMAKE_FIND_ROOT_PATH)

install(TARGETS metrova RUNTIME DESTINATION .)
foreach(module IN ITEMS Core Gui Widgets)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${module} DESTINATION .)
endforeach()
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QModernWindowsStylePlugin DESTINATION styles)
# The runtime DLLs as the compiler has them; Debian's carry debugging
# information that users have no use for.
set(installed_runtime)
foreach(dll IN ITEMS libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    install(FILES ${path} DESTINATION .)
    list(APPEND installed_runtime "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dll}")
endforeach()
install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded ${installed_runtime} COMMAND_ERROR_IS_FATAL ANY)")

configure_file(resources/windows/README.txt.in ${PROJECT_BINARY_DIR}/windows/README.txt @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/windows/README.txt DESTINATION licenses)
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses/Qt)
install(FILES ${METROVA_GCC_RUNTIME_LICENSE} DESTINATION licenses RENAME gcc-runtime.txt)
install(FILES ${METROVA_MINGW_RUNTIME_LICENSE} DESTINATION licenses RENAME mingw-w64-runtime.txt)
install(FILES ${METROVA_CENTURY_FACE_LICENSE} DESTINATION licenses RENAME tex-gyre-schola.txt)

set(stage ${PROJECT_BINARY_DIR}/windows/metrova-${PROJECT_VERSION}-win64)
add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage} --strip
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-package ${stage} ${PROJECT_BINARY_DIR}/windows ${PROJECT_VERSION}
            ${METROVA_COMPANY} ${PROJECT_BINARY_DIR}/app/metrova.ico ${PROJECT_SOURCE_DIR}/resources/windows/metrova.nsi
    DEPENDS metrova
    VERBATIM)
