#include "frontend/sisendid.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "eval/infiksavaldis.h"
#include "frontend/ehitus.h"
#include "frontend/klaviatuur.h"
#include "frontend/rida.h"
#include "frontend/ridade_lugeja.h"
#include "teated.h"

namespace zemtar {

namespace {

void kaja(std::string_view rida, kirjutaja valja) {
  valja.baidid(':');
  valja.kaja(rida);
  // A last line without a newline still leaves its result on a line of its own.
  if (rida.empty() || rida.back() != '\n') valja.baidid('\n');
}

// The last result as an exit status: truncated toward zero, the ends of the 32-bit range
// for a value beyond them, and 0 for one that is not a number.
int valjumiskood(float tulemus) {
  if (std::isnan(tulemus)) return 0;
  if (tulemus >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  if (tulemus <= -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
  return static_cast<int>(tulemus);
}

// Ends a run that cannot go on: what was printed goes out first, since output may be a file
// by then, and standard error says why.
int loobu(kirjutaja valja, const char* mis, int pohjus) {
  valja.saada();
  teata_hadast(mis, pohjus);
  return HADA;
}

}  // namespace

int kasurealt(const char* tekst, kirjutaja valja) {
  infiksavaldis avaldis(valja);
  if (tekst == nullptr) {
    valja.tekst(KASUREAL_PUUDUB);
    return HADA;
  }
  valja.baidid(VIIP);
  valja.kaja(tekst);
  valja.baidid(" \n");
  // The argument is one line: one newline may end it, as in a script, but no more may follow.
  const char* reavahetus = std::strchr(tekst, '\n');
  if (reavahetus != nullptr && reavahetus[1] != '\0') {
    valja.viga(LUBAMATU_SUMBOL);
    return 0;
  }
  tootle_rida(avaldis, tekst, false, valja);
  return valjumiskood(avaldis.tulemus);
}

// A run stops at the first line after which output has failed. Kept out of main, which GCC
// compiles as code run once, for size: this loop is where a script's time goes.
[[gnu::noinline]] int failist(std::FILE* sisse, kirjutaja valja) {
  if (sisse == nullptr) {
    valja.tekst(EI_SAA_FAILI);
    return HADA;
  }
  infiksavaldis avaldis(valja);
  ridade_lugeja lugeja(sisse, &valja);
  std::string_view rida;
  bool loetud = false;
  while (valja.korras() && lugeja.loe(rida)) {
    loetud = true;
    kaja(rida, valja);
    tootle_rida(avaldis, rida, false, valja);
  }
  switch (lugeja.lopetus()) {
    case ridade_lugeja::EI_MAHU:
      return loobu(valja, RIDA_EI_MAHU, ENOMEM);
    case ridade_lugeja::VIGA:
      // A name that opens but cannot be read, such as a folder, is no script either; a
      // failure later on has to be told apart from the script's end.
      if (loetud) return loobu(valja, SKRIPT_EI_LOE, errno);
      valja.tekst(EI_SAA_FAILI);
      return HADA;
    case ridade_lugeja::LOEB:
    case ridade_lugeja::OTSAS:
      break;
  }
  return valjumiskood(avaldis.tulemus);
}

int klaviatuurilt(std::FILE* sisse, std::FILE* ekraan, kirjutaja valja) {
  infiksavaldis avaldis(valja);
  valja.tekst(TERVITUS);
  klaviatuur lugeja(sisse, ekraan);
  std::string_view rida;
  for (;;) {
    // The end of input ends the run as "valju" would; output that fails ends it too.
    valja.saada();
    if (!valja.korras() || !lugeja.loe(rida)) break;
    if (tootle_rida(avaldis, rida, true, valja) == LOPETA) break;
  }
  if (lugeja.ei_mahu()) return loobu(valja, RIDA_EI_MAHU, ENOMEM);
  return 1;
}

void teata_hadast(const char* mis, int pohjus) {
  const kirjutaja vead(stderr, terminali_tahestik(stderr));
  vead.tekst(PROGRAMM);
  vead.tekst(": ");
  vead.tekst(mis);
  if (pohjus != 0) {
    vead.tekst(": ");
    vead.baidid(std::strerror(pohjus));
  }
  vead.tekst("\n");
}

}  // namespace zemtar
