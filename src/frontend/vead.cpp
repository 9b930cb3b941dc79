#include "frontend/vead.h"

#include <cstdio>
#include <cstring>

#include "lexer/ehitus.h"
#include "output/kirjutaja.h"
#include "platform/platvorm.h"
#include "teated.h"

namespace zemtar {

namespace {

// The words from argv[algus] on, as typed, a blank between each two.
void sonad(const kirjutaja& vead, int argc, char** argv, int algus) {
  for (int i = algus; i < argc; ++i) {
    if (i > algus) vead.baidid(' ');
    vead.kaja(argv[i]);
  }
}

}  // namespace

void teata_hadast(const char* mis, int pohjus, const char* skript) {
  const kirjutaja vead(stderr, valjundi_tahestik(stderr), on_terminal(stderr));
  vead.tekst(PROGRAMM);
  vead.tekst(": ");
  if (skript != nullptr) {
    vead.kaja(skript);
  } else {
    vead.tekst(mis);
  }
  if (pohjus != 0) {
    vead.tekst(": ");
    vead.baidid(std::strerror(pohjus));
  }
  vead.tekst("\n");
}

void teata_kasutamata(int argc, char** argv, int algus, kasutamata_vihje vihje) {
  if (algus >= argc || !on_terminal(stderr)) return;
  const kirjutaja vead(stderr, valjundi_tahestik(stderr), true);
  vead.tekst(PROGRAMM);
  vead.tekst(KASUTAMATA);
  sonad(vead, argc, argv, algus);
  if (vihje == VIHJE_AVALDIS) {
    vead.tekst(KASUTAMATA_AVALDIS);
    vead.tekst(PROGRAMM);
    vead.tekst(" -k \"");
    sonad(vead, argc, argv, 2);
    vead.tekst("\")");
  } else if (vihje == VIHJE_VALIKUD) {
    vead.tekst(KASUTAMATA_VALIKUD);
    vead.tekst(PROGRAMM);
    vead.tekst(" --help)");
  }
  vead.tekst("\n");
}

}  // namespace zemtar
