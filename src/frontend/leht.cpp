// The way into the calculator from a web page, which cannot wait in a read: the page calls
// alusta to start a run of keyboard mode, rida for each line typed, and skript for a file
// opened there, and shows what they print. The page is a UTF-8 console, where each line typed
// stays in sight: the texts' letters go out as to a UTF-8 terminal, and a message points into
// its line.
#include <emscripten/emscripten.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "frontend/sisendid.h"
#include "teated.h"

namespace {

using zemtar::kaivitus;

// The run going on, from alusta to "valju". Made at the first call and never torn down, as a
// page never ends: no object here has a destructor left to run at exit.
std::optional<kaivitus>& kaik() {
  static auto* const k = new std::optional<kaivitus>;
  return *k;
}

kaivitus& uus(std::optional<kaivitus>& k, kaivitus::viis viis) {
  k.emplace(stdout, zemtar::tahestik::UTF8, true, viis);
  k->valja().tekst(zemtar::PEALKIRI);
  k->valja().tekst(zemtar::AUTOR);
  return *k;
}

}  // namespace

extern "C" {

// Before anything is printed: standard output a block at a time, which saada sends on, as each
// write is a call into the page's script, too slow to make for every line of a long script.
EMSCRIPTEN_KEEPALIVE void puhverda() {
  std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
}

// A new run: the banner, the greeting and the prompt.
EMSCRIPTEN_KEEPALIVE void alusta() {
  kaivitus& k = uus(kaik(), kaivitus::KLAVIATUURILT);
  k.valja().tekst(zemtar::TERVITUS);
  k.ootan_rida();
}

// One line typed, with its newline: its answer, as at the keyboard. 1 when it ended the run.
EMSCRIPTEN_KEEPALIVE int rida(const char* tekst, int pikkus) {
  if (!kaik()) return 1;
  kaivitus& k = *kaik();
  if (k.rida({tekst, static_cast<std::size_t>(pikkus)}) == zemtar::JATKA) {
    k.ootan_rida();
    return 0;
  }
  k.lopeta(0);
  kaik().reset();
  return 1;
}

// The named file as "-f" runs it, banner and all, on a run of its own, below the prompt it
// leaves; then the prompt again.
EMSCRIPTEN_KEEPALIVE int skript(const char* nimi) {
  if (kaik()) kaik()->valja().baidid('\n');
  std::optional<kaivitus> oma;
  kaivitus& k = uus(oma, kaivitus::FAILIST);
  std::FILE* const fail = std::fopen(nimi, "r");
  const int pohjus = fail == nullptr ? errno : 0;
  const int staatus = k.lopeta(zemtar::failist(k, fail, nimi, pohjus));
  if (fail != nullptr) std::fclose(fail);
  if (kaik()) kaik()->ootan_rida();
  return staatus;
}
}
