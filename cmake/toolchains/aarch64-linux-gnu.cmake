# arm64 with Debian's cross compiler (g++-aarch64-linux-gnu); the tests run
# under qemu-user.
set(METROVA_CROSS_TRIPLE aarch64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-linux-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)
