// The Windows handle behind a C stream, which the console's and the file system's calls take.
#pragma once

#include <io.h>
#include <windows.h>

#include <cstdio>

namespace zemtar {

inline HANDLE kasitseja(std::FILE* voog) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(voog)));
}

}  // namespace zemtar
