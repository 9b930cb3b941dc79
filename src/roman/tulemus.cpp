// zemtar's result line: the value as a Roman numeral.
#include <cstring>
#include <string_view>

#include "frontend/ehitus.h"
#include "roman/rooma.h"
#include "teated.h"

namespace zemtar {

namespace {

constexpr char EI_SAA_ESITADA[] = "Viga: Tulemust ei saa rooma numbrina esitada!\n";

}  // namespace

// The result line: the words, the numeral, a newline, put together and written at once; or
// the message that the result has no numeral. Only the M of a result of a million or so and
// more, too many for the buffer, go out ahead of the rest, a buffer of them at a time.
void kuva_tulemus(kirjutaja valja, std::string_view sonad, float tulemus) {
  const rooma numbrina(tulemus);
  if (!numbrina.on_esitatav()) {
    valja.tekst(EI_SAA_ESITADA);
    return;
  }
  char rida[1024];
  constexpr std::size_t SABA = 16;  // kept for the letters below a thousand and the newline
  constexpr std::size_t MAHT = sizeof rida - SABA;
  // The words are one of the two result lines', with room for a minus after them.
  static_assert(sizeof AVALDISE_VAARTUS <= MAHT && sizeof MUUTUJA_VAARTUS <= MAHT);
  std::memcpy(rida, sonad.data(), sonad.size());
  std::size_t pikkus = sonad.size();
  if (numbrina.negatiivne()) rida[pikkus++] = '-';
  std::size_t m = numbrina.tuhandeid();
  if (pikkus + m > MAHT) {
    valja.tekst({rida, pikkus});
    std::memset(rida, 'M', MAHT);
    for (; m > MAHT; m -= MAHT)
      valja.tekst({rida, MAHT});
    pikkus = 0;
  }
  std::memset(rida + pikkus, 'M', m);
  pikkus += m;
  const std::string_view tahed = numbrina.alla_tuhande();
  std::memcpy(rida + pikkus, tahed.data(), tahed.size());
  pikkus += tahed.size();
  rida[pikkus++] = '\n';
  valja.tekst({rida, pikkus});
}

}  // namespace zemtar
