# 32-bit x86 with Debian's cross compiler (g++-i686-linux-gnu); the tests
# run under qemu-user, as a 64-bit kernel may lack the 32-bit personality.
set(METROVA_CROSS_TRIPLE i686-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/debian-linux-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static)
