#include "frontend/terminal.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>

namespace zemtar {

tahestik terminali_tahestik(std::FILE* voog) {
  if (isatty(fileno(voog)) == 0) return tahestik::SAMA;
  // Only the character type: numbers and everything else keep the C library's defaults.
  std::setlocale(LC_CTYPE, "");
  return tahestik_nimest(nl_langinfo(CODESET));
}

}  // namespace zemtar
