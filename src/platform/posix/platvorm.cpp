// The streams on a POSIX system: a terminal is what isatty says, its character set is the
// locale's; kirjeldajad.cpp reads and writes.
#include "platform/platvorm.h"

#include <langinfo.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace zemtar {

bool on_terminal(std::FILE* voog) {
  return isatty(fileno(voog)) != 0;
}

std::string_view terminali_koodistik() {
  if (std::strcmp(std::setlocale(LC_CTYPE, nullptr), "C") == 0) {
    // The user's locale could not be set, if one was named: its files are missing, or another
    // C library's (a program linked statically on another system). A name that says UTF-8 is
    // taken at its word.
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

bool sama_fail(std::FILE* a, std::FILE* b) {
  struct stat sa, sb;
  return fstat(fileno(a), &sa) == 0 && fstat(fileno(b), &sb) == 0 && S_ISREG(sa.st_mode) &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool ootaks(std::FILE* voog) {
  // A regular file is always ready; a poll that fails is taken to mean a wait.
  pollfd p = {fileno(voog), POLLIN, 0};
  return poll(&p, 1, 0) != 1;
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
