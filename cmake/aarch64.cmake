# Cross-building for Linux on 64-bit ARM, whose programs run here under qemu-aarch64-static:
# cmake/linux-rist.cmake.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-rist.cmake)
