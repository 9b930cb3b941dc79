// The streams in a browser page and under node: no stream is a terminal (a page is its own
// console, and shows the texts in UTF-8 itself), and reads and writes go to the descriptors as
// they are, so that node passes the host's bytes unchanged.
#include "platform/platvorm.h"

#include <unistd.h>

#include <cerrno>

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

// No terminal, so no history file and no letters to choose; no manual page either.
const char KASUTUS_SUSTEEM[] = "";
const char KASUTUS_LOPP[] = "";

}  // namespace zemtar
