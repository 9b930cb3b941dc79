# The Windows build (cmake/mingw64.cmake cross-builds it): the platform's files, everything
# linked in, and GoogleTest built from its sources for the tests that ctest runs under wine.

target_sources(zemtar_uhine PRIVATE
  src/platform/windows/platvorm.cpp
  src/platform/windows/konsool.cpp
  src/platform/windows/utf16.cpp)

# Every program imports only DLLs that come with Windows: the C++ runtime, the threads library
# and libssp, which the stack protector's checks need and which -fstack-protector-strong on
# the link line brings, are linked in. The PE linker already marks the programs for address
# randomisation (64-bit too) and non-executable data; it knows no -z options.
add_link_options(-static -fstack-protector-strong)

# No link-time optimisation: with it binutils 2.40's PE linker warns of every constant that
# the texts' header shares between files ("no symbol for section").
set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE OFF)
set_property(TARGET zemtar_uhine PROPERTY INTERPROCEDURAL_OPTIMIZATION_RELEASE OFF)

# Debian has no GoogleTest built for Windows, but its googletest package has the sources.
set(ZEMTAR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, for Windows")
if(ZEMTAR_TESTS AND EXISTS ${ZEMTAR_GTEST_SOURCE}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZEMTAR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
