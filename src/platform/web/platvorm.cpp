// The streams in a browser page and under node: no stream is a terminal (a page is its own
// console, and shows the texts in UTF-8 itself); reads and writes are POSIX's
// (posix/kirjeldajad.cpp), so that node passes the host's bytes unchanged.
#include "platform/platvorm.h"

#include <emscripten/emscripten.h>

// Whether both descriptors lead to one regular file: under node a descriptor is the host's
// (nfd), and node asks the system for its device and inode; a page's streams are no files.
EM_JS(int, sama_kirjeldaja, (int a, int b), {
  const fail = function(fd) {
    try {
      const s = require('fs').fstatSync(FS.getStream(fd).nfd, {bigint : true});
      return s.isFile() ? s.dev + ':' + s.ino : null;
    } catch (e) {
      return null;
    }
  };
  return fail(a) != null && fail(a) == fail(b) ? 1 : 0;
});

namespace zemtar {

bool on_terminal(std::FILE*) {
  return false;
}

std::string_view terminali_koodistik() {
  return "UTF-8";
}

bool sama_fail(std::FILE* a, std::FILE* b) {
  return sama_kirjeldaja(fileno(a), fileno(b)) != 0;
}

// Whether a read would wait cannot be asked here, so the output goes out before every read.
bool ootaks(std::FILE*) {
  return true;
}

// No terminal, so no history file and no letters to choose; no manual page either.
const char KASUTUS_SUSTEEM[] = "";
const char KASUTUS_LOPP[] = "";

}  // namespace zemtar
