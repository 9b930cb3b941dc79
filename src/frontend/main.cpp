// Program entry: the banner, then the input mode the first argument chooses.
#include <cstdio>
#include <cstring>

#include "frontend/sisendid.h"
#include "teated.h"

int main(int argc, char** argv) {
  std::fputs(zemtar::PEALKIRI, stdout);
  std::fputs(zemtar::AUTOR, stdout);
  const char* valik = argc > 1 ? argv[1] : nullptr;
  const char* argument = argc > 2 ? argv[2] : nullptr;
  if (valik != nullptr && std::strcmp(valik, "-f") == 0) return zemtar::failist(argument, stdout);
  if (valik != nullptr && std::strcmp(valik, "-k") == 0) return zemtar::kasurealt(argument, stdout);
  // Any other first argument is ignored.
  return zemtar::klaviatuurilt(stdin, stdout);
}
