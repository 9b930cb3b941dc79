# Cross-building for Linux on another machine with Debian's cross compilers; the toolchain
# files i686.cmake, aarch64.cmake and s390x.cmake name the machine and include this. Every
# program is linked statically, so that it needs none of the target's libraries: 32-bit x86
# runs here as it is, the others under qemu's user-mode emulator, called directly (a container
# may not allow binfmt). .ci/ristid.sh uses them:
#   cmake -S . -B build-aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(kolmik ${CMAKE_SYSTEM_PROCESSOR}-linux-gnu)

# gcc-ar and gcc-ranlib know the link-time optimiser's objects. C for GoogleTest's project.
set(CMAKE_C_COMPILER ${kolmik}-gcc)
set(CMAKE_CXX_COMPILER ${kolmik}-g++)
set(CMAKE_AR /usr/bin/${kolmik}-gcc-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${kolmik}-gcc-ranlib CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${kolmik}-strip CACHE FILEPATH "")

# Libraries from the cross compiler's tree and from Debian's multiarch folders for the target
# (libedit-dev:arm64 and the like), never the host's; programs from the host's.
set(CMAKE_LIBRARY_ARCHITECTURE ${kolmik})
set(CMAKE_FIND_ROOT_PATH /usr/${kolmik} /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Linked statically (the tests too: the target's loader is not installed here).
set(ZEMTAR_STATIC ON CACHE BOOL "")
if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-${CMAKE_SYSTEM_PROCESSOR}-static)
endif()
