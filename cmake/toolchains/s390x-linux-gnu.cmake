# s390x, a big-endian processor, with Debian's cross compiler
# (g++-s390x-linux-gnu); the tests run under qemu-user.
set(METROVA_CROSS_TRIPLE s390x-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR s390x)
include(${CMAKE_CURRENT_LIST_DIR}/debian-linux-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x-static)
