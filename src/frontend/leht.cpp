// The way into the calculator from a web page, which cannot wait in a read: the page calls
// alusta to start a run of keyboard mode, rida for each line typed, and skript for a file
// opened there, and shows what they print. One evaluator lives from alusta to "valju". The page
// is a UTF-8 console: the texts' letters go out as to a UTF-8 terminal.
#include <emscripten/emscripten.h>

#include <cstdio>

#include "eval/infiksavaldis.h"
#include "frontend/rida.h"
#include "frontend/sisendid.h"
#include "teated.h"

namespace {

using zemtar::kirjutaja;

zemtar::infiksavaldis* avaldis = nullptr;  // the run's, while one goes on

kirjutaja valja() {
  return kirjutaja(stdout, zemtar::tahestik::UTF8);
}

// The prompt for the next line, if the run goes on, and everything printed out to the page.
void ootab(kirjutaja v) {
  if (avaldis != nullptr) v.baidid(zemtar::VIIP);
  v.saada();
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
  const kirjutaja v = valja();
  delete avaldis;
  avaldis = new zemtar::infiksavaldis(v);
  v.tekst(zemtar::PEALKIRI);
  v.tekst(zemtar::AUTOR);
  v.tekst(zemtar::TERVITUS);
  ootab(v);
}

// One line typed, with its newline: its answer, as at the keyboard. 1 when it ended the run.
EMSCRIPTEN_KEEPALIVE int rida(const char* tekst, int pikkus) {
  const kirjutaja v = valja();
  if (avaldis == nullptr) return 1;
  const bool lopp = zemtar::tootle_rida(*avaldis, {tekst, static_cast<std::size_t>(pikkus)}, true,
                                        v) == zemtar::LOPETA;
  if (lopp) {
    delete avaldis;
    avaldis = nullptr;
  }
  ootab(v);
  return lopp;
}

// The named file as "-f" runs it, banner and all, on an evaluator of its own, below the
// prompt it leaves; then the prompt again.
EMSCRIPTEN_KEEPALIVE int skript(const char* nimi) {
  const kirjutaja v = valja();
  if (avaldis != nullptr) v.baidid('\n');
  v.tekst(zemtar::PEALKIRI);
  v.tekst(zemtar::AUTOR);
  std::FILE* const fail = std::fopen(nimi, "r");
  const int staatus = zemtar::failist(fail, v);
  if (fail != nullptr) std::fclose(fail);
  ootab(v);
  return staatus;
}
}
