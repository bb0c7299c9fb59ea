# Windows x86-64 with MinGW-w64 (g++-mingw-w64-x86-64-posix); the tests run
# under wine64, which needs no display for a console program.
#
# The whole program (scripts/windows) chain-loads this file from Qt's own
# qt.toolchain.cmake and sets METROVA_WINDOWS_QT to Qt's folder: then the
# programs link the MinGW runtime and Qt as DLLs, which wine finds in Qt's
# bin folder (the runtime DLLs lie there too); Qt finds its plugins beside
# its own folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${METROVA_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES METROVA_WINDOWS_QT)
set(wine_environment)
if(METROVA_WINDOWS_QT)
    # wine's drive Z: is the root folder
    set(wine_environment WINEPATH=Z:${METROVA_WINDOWS_QT}/bin)
else()
    # Linked statically, so that the tests run without the target's shared
    # libraries installed on the build machine.
    set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
endif()
# A wine prefix of the build's own, made on the first run, and none of
# wine's diagnostics in the tests' output.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    ${wine_environment} /usr/lib/wine/wine64)
