# The toolchain that Qt for Windows is built with (scripts/windows-in-root):
# Debian's MinGW-w64 with posix threads. Neither the build's path nor a link
# time goes into a DLL, so one source gives the same bytes in any folder at
# any time. Any change here builds Qt anew: scripts/windows keys its cache on
# the files of this folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_C_FLAGS_INIT "-ffile-prefix-map=/root/qt=.")
set(CMAKE_CXX_FLAGS_INIT "-ffile-prefix-map=/root/qt=.")
set(CMAKE_SHARED_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_EXE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
