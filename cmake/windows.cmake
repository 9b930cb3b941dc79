# The Windows build (cmake/mingw64.cmake cross-builds it): the platform's files, everything
# linked in (GoogleTest is built from its sources for the tests that ctest runs under wine).

target_sources(zemtar_uhine PRIVATE
  src/platform/windows/platvorm.cpp
  src/platform/windows/konsool.cpp
  src/platform/windows/utf16.cpp)

# Every program imports only DLLs that come with Windows: the C++ runtime, the threads library
# and libssp, which the stack protector's checks need and which -fstack-protector-strong on
# the link line brings, are linked in. The PE linker already marks the programs for address
# randomisation (64-bit too) and non-executable data; it knows no -z options.
add_link_options(-static -fstack-protector-strong)
# No link time in the programs' headers, so that two builds of one commit are the same bytes.
add_link_options(-Wl,--no-insert-timestamp)

# No link-time optimisation: with it binutils 2.40's PE linker warns of every constant that
# the texts' header shares between files ("no symbol for section").
set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE OFF)
set_property(TARGET zemtar_uhine PROPERTY INTERPROCEDURAL_OPTIMIZATION_RELEASE OFF)

