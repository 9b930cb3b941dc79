// What zemtar alone says: results as Roman numerals, its help text and its division message.
#include <cstring>
#include <string_view>

#include "ehitus.h"
#include "roman/rooma.h"
#include "teated.h"

namespace zemtar {

const char PROGRAMM[] = "zemtar";
const char JAGAMINE_NULLIGA[] = "Viga: Jagamine nulliga!\n";

namespace {

constexpr char EI_SAA_ESITADA[] = "Viga: Tulemust ei saa rooma numbrina esitada!\n";

constexpr char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator (Rooma numbrite toega)\n";
constexpr const char* JUHISTE_LOPP[] = {
    "    T\xFChikud sisendis on lubatud. Rooma numbrid on suurt\xE4hed IVXLCDM.\n",
    "    Rooma null on O (suur O t\x84ht). Muutujatena on selles versioonis\n",
    "    lubatud vaid v\xE4iket\xE4hed. Tulemuste v\xE4ljastamisel \xFCmardatakse see\n",
    "    t\xE4isarvuks.\n\n",
};

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

void juhised(kirjutaja valja) {
  valja.tekst(JUHISTE_ALGUS);
  for (const char* kirje : JUHISED_KESK)
    valja.tekst(kirje);
  for (const char* kirje : JUHISTE_LOPP)
    valja.tekst(kirje);
}

}  // namespace zemtar
