# Cross-building for Linux on 32-bit x86, whose programs run here as they are:
# cmake/linux-rist.cmake.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/linux-rist.cmake)
