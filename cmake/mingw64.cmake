# Cross-building for 64-bit Windows with Debian's mingw-w64; ctest runs the .exe files under
# wine. .ci/windows.sh uses it:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The -posix compilers: GoogleTest needs std::mutex, which the -win32 ones lack. gcc-ar and
# gcc-ranlib know the link-time optimiser's objects.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR /usr/bin/x86_64-w64-mingw32-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/x86_64-w64-mingw32-gcc-ranlib-posix CACHE FILEPATH "")

# Headers and libraries from the target's tree only (never the host's libgtest), programs from
# the host's.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# wine64 itself where Debian puts it: the wine script first looks for a 32-bit wine and says so
# on standard error. No debugging lines on standard error, no crash dialog, no .NET or browser
# engine offered when a prefix is made.
if(EXISTS /usr/lib/wine/wine64)
  set(ZEMTAR_WINE /usr/lib/wine/wine64)
else()
  set(ZEMTAR_WINE wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env WINEDEBUG=-all
    WINEDLLOVERRIDES=winedbg.exe,mscoree,mshtml=d ${ZEMTAR_WINE})
