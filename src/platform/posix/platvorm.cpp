// The streams on a POSIX system: a terminal is what isatty says, its character set is the
// locale's, and reads and writes go to the descriptors as they are.
#include "platform/platvorm.h"

#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>

namespace zemtar {

bool on_terminal(std::FILE* voog) {
  return isatty(fileno(voog)) != 0;
}

std::string_view terminali_koodistik() {
  // Only the character type: numbers and everything else keep the C library's defaults.
  if (std::setlocale(LC_CTYPE, "") == nullptr) {
    // The locale's files are missing, or another C library's (a program linked statically on
    // another system): a name that says UTF-8 is taken at its word.
    std::string_view nimi;
    for (const char* muutuja : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      const char* vaartus = std::getenv(muutuja);
      if (vaartus != nullptr && *vaartus != '\0') {
        nimi = vaartus;
        break;
      }
    }
    for (std::string_view lopp : {".UTF-8", ".utf8"}) {
      if (nimi.size() >= lopp.size() && nimi.substr(nimi.size() - lopp.size()) == lopp)
        return "UTF-8";
    }
  }
  return nl_langinfo(CODESET);
}

std::ptrdiff_t loe_valmis(std::FILE* voog, char* puhver, std::size_t maht) {
  ssize_t saadud;
  do {
    saadud = read(fileno(voog), puhver, maht);
  } while (saadud < 0 && errno == EINTR);
  return saadud;
}

void kirjuta(std::FILE* voog, std::string_view baidid) {
  std::fwrite(baidid.data(), 1, baidid.size(), voog);
}

// The history file and the locale, which only a terminal's line editing reads, and the manual.
const char KASUTUS_SUSTEEM[] =
    "\nKeskkond (ainult terminalis):\n"
    "  ZEMTAR_AJALUGU  sisestatud ridade ajaloo fail (t\xFChi: ajalugu ei peeta);\n"
    "                  vaikimisi $XDG_STATE_HOME/zemtar/@.ajalugu\n"
    "  XDG_STATE_HOME  vaikimisi ~/.local/state\n"
    "  LC_ALL, LC_CTYPE, LANG  m\xE4rgistik, milles terminal t\xE4hti n\xE4itab\n";
const char KASUTUS_LOPP[] = "\nT\xE4psemalt: man @\n";

}  // namespace zemtar
