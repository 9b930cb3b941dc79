# Cross-building for Linux on s390x, a big-endian machine, whose programs run here under
# qemu-s390x-static: cmake/linux-rist.cmake.
set(CMAKE_SYSTEM_PROCESSOR s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-rist.cmake)
