// The streams in a browser page and under node: no stream is a terminal (a page is its own
// console, and shows the texts in UTF-8 itself); reads and writes are POSIX's
// (posix/kirjeldajad.cpp), so that node passes the host's bytes unchanged.
#include "platform/platvorm.h"

namespace zemtar {

bool on_terminal(std::FILE*) {
  return false;
}

std::string_view terminali_koodistik() {
  return "UTF-8";
}

// The descriptors given to node name no file that could be compared, and a page writes into
// no file: nothing is taken for the output's own file.
bool sama_fail(std::FILE*, std::FILE*) {
  return false;
}

// Whether a read would wait cannot be asked here, so the output goes out before every read.
bool ootaks(std::FILE*) {
  return true;
}

// No terminal, so no history file and no letters to choose; no manual page either.
const char KASUTUS_SUSTEEM[] = "";
const char KASUTUS_LOPP[] = "";

}  // namespace zemtar
