// zemtar's own part: its name and texts, Roman numerals read in a line (only the lowercase a to
// y name variables, and every other capital is refused), and results written as Roman numerals.
#include <array>
#include <cstring>

#include "lexer/ehitus.h"
#include "roman/araabia.h"
#include "roman/rooma.h"

namespace zemtar {

const char PROGRAMM[] = "zemtar";
const char JAGAMINE_NULLIGA[] = "Viga: Jagamine nulliga!\n";

const char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator (Rooma numbrite toega)\n";
const char JUHISTE_LOPP[] =
    "    T\xFChikud sisendis on lubatud. Rooma numbrid on suurt\xE4hed IVXLCDM.\n"
    "    Rooma null on O (suur O t\x84ht). Muutujatena on selles versioonis\n"
    "    lubatud vaid v\xE4iket\xE4hed. Tulemuste v\xE4ljastamisel \xFCmardatakse see\n"
    "    t\xE4isarvuks.\n\n";

namespace {

// 1 for each capital Roman letter, 0 for every other byte.
constexpr auto ROOMA_TAHED = [] {
  std::array<std::uint8_t, 256> tahed{};
  for (const char c : std::string_view("IVXLCDMO"))
    tahed[static_cast<unsigned char>(c)] = 1;
  return tahed;
}();

}  // namespace

int muutuja_indeks(unsigned char c) {
  return c >= 'a' && c <= 'y' ? c - 'a' : -1;
}

std::int64_t loe_rooma_arv(std::string_view rida, std::size_t& asukoht) {
  const std::size_t algus = asukoht;
  while (asukoht < rida.size() && ROOMA_TAHED[static_cast<unsigned char>(rida[asukoht])])
    ++asukoht;
  if (asukoht == algus) return -2;
  return araabia(rida.substr(algus, asukoht - algus)).teisenda();
}

tulemuse_kuju kuju(float tulemus) {
  tulemuse_kuju k;
  const rooma numbrina(tulemus);
  if (!numbrina.on_esitatav()) {
    k.esitamatu = "Viga: Tulemust ei saa rooma numbrina esitada!\n";
    return k;
  }
  if (numbrina.negatiivne()) k.tekst[k.ees++] = '-';
  k.tuhandeid = numbrina.tuhandeid();
  const std::string_view tahed = numbrina.alla_tuhande();
  std::memcpy(k.tekst + k.ees, tahed.data(), tahed.size());
  k.pikkus = k.ees + tahed.size();
  k.tekst[k.pikkus++] = '\n';
  return k;
}

}  // namespace zemtar
