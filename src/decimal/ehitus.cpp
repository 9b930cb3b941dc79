// zemtar-lihtne's own part: its name and shorter help text, its division message (which, unlike
// every other, has no "Viga: " before it), no Roman numerals, the capitals A to Y as further
// names for the variables a to y, and results with six decimals.
#include "lexer/ehitus.h"
#include "decimal/kuus_komakohta.h"

namespace zemtar {

const char PROGRAMM[] = "zemtar-lihtne";
const char JAGAMINE_NULLIGA[] = "Jagamine nulliga!\n";

const char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator\n";
const char JUHISTE_LOPP[] = "    T\xFChikud sisendis on lubatud.\n\n";

int muutuja_indeks(unsigned char c) {
  if (c >= 'a' && c <= 'y') return c - 'a';
  if (c >= 'A' && c <= 'Y') return c - 'A';
  return -1;
}

std::int64_t loe_rooma_arv(std::string_view, std::size_t&) {
  return -2;
}

tulemuse_kuju kuju(float tulemus) {
  static_assert(KUUS_KOMAKOHTA_PIKIM < sizeof tulemuse_kuju::tekst);
  tulemuse_kuju k;
  k.pikkus = kuus_komakohta(tulemus, k.tekst);
  k.ees = k.pikkus;
  k.tekst[k.pikkus++] = '\n';
  return k;
}

}  // namespace zemtar
