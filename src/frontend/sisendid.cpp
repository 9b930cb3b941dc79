#include "frontend/sisendid.h"

#include <cerrno>
#include <cstring>

#include "teated.h"

namespace zemtar {

int kasurealt(kaivitus& k, char* tekst) {
  if (tekst == nullptr) {
    k.valja().tekst(KASUREAL_PUUDUB);
    return HADA;
  }
  k.rida({tekst, ilma_cr(tekst, std::strlen(tekst))});
  return k.staatus();
}

// A run stops at the first line after which output has failed. Kept out of main, which GCC
// compiles as code run once, for size: this loop is where a script's time goes.
[[gnu::noinline]] int failist(kaivitus& k, std::FILE* skript, const char* nimi, int pohjus) {
  if (skript != nullptr) {
    ridade_lugeja lugeja(skript);
    std::string_view rida;
    bool loetud = false;
    while (k.valja().korras() && k.loe(lugeja, rida)) {
      loetud = true;
      k.rida(rida);
    }
    switch (lugeja.lopetus()) {
      case ridade_lugeja::EI_MAHU:
        return k.loobu(RIDA_EI_MAHU, ENOMEM);
      case ridade_lugeja::VIGA:
        // A name that opens but cannot be read, such as a folder, is no script either; a
        // failure later on has to be told apart from the script's end.
        if (loetud) return k.loobu(SKRIPT_EI_LOE, lugeja.pohjus());
        pohjus = lugeja.pohjus();
        break;
      case ridade_lugeja::LOEB:
      case ridade_lugeja::OTSAS:
        return k.staatus();
    }
  }
  k.valja().tekst(EI_SAA_FAILI);
  // With no name there is nothing to name, and nothing the system said.
  if (nimi == nullptr) return HADA;
  return k.loobu(nullptr, pohjus, nimi);
}

int klaviatuurilt(kaivitus& k, std::FILE* sisse, std::FILE* ekraan) {
  k.valja().tekst(TERVITUS);
  klaviatuur lugeja(sisse, ekraan);
  std::string_view rida;
  // The end of input ends the run as "valju" would; output that fails ends it too.
  while (k.valja().korras() && k.loe(lugeja, rida)) {
    if (k.rida(rida) == LOPETA) break;
  }
  if (lugeja.lugeja().lopetus() == ridade_lugeja::EI_MAHU) return k.loobu(RIDA_EI_MAHU, ENOMEM);
  return 1;
}

}  // namespace zemtar
