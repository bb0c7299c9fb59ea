# What the Linux cross builds share, included by each after it has set
# METROVA_CROSS_TRIPLE (Debian's name of the target, which names its
# compilers and its root) and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${METROVA_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${METROVA_CROSS_TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${METROVA_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Linked statically, so that the tests run without the target's shared
# libraries installed on the build machine.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
