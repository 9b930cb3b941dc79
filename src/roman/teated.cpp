// What zemtar alone says: results as Roman numerals, its help text and its division message.
#include "teated.h"
#include "ehitus.h"
#include "roman/rooma.h"

namespace zemtar {

const char JAGAMINE_NULLIGA[] = "Viga: Jagamine nulliga!\n";

namespace {

constexpr char AVALDISE_VAARTUS[] = "Avaldise v\xE4\xE4rtus=%s\n";
constexpr char MUUTUJA_VAARTUS[] = "Muutuja %c v\xE4\xE4rtus=%s\n";
constexpr char EI_SAA_ESITADA[] = "Viga: Tulemust ei saa rooma numbrina esitada!\n";

constexpr char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator (Rooma numbrite toega)\n";
constexpr const char* JUHISTE_LOPP[] = {
    "    T\xFChikud sisendis on lubatud. Rooma numbrid on suurt\xE4hed IVXLCDM.\n",
    "    Rooma null on O (suur O t\x84ht). Muutujatena on selles versioonis\n",
    "    lubatud vaid v\xE4iket\xE4hed. Tulemuste v\xE4ljastamisel \xFCmardatakse see\n",
    "    t\xE4isarvuks.\n\n",
};

// The result as a numeral, or nothing after saying that it has none.
std::optional<std::string> numbrina(std::FILE* valja, float tulemus) {
  auto tekst = rooma(tulemus).vorminda();
  if (!tekst) std::fputs(EI_SAA_ESITADA, valja);
  return tekst;
}

}  // namespace

void kuva_avaldis(std::FILE* valja, float tulemus) {
  if (const auto tekst = numbrina(valja, tulemus)) {
    std::fprintf(valja, AVALDISE_VAARTUS, tekst->c_str());
  }
}

void kuva_omistus(std::FILE* valja, char muutuja, float tulemus) {
  if (const auto tekst = numbrina(valja, tulemus)) {
    std::fprintf(valja, MUUTUJA_VAARTUS, muutuja, tekst->c_str());
  }
}

void juhised(std::FILE* valja) {
  std::fputs(JUHISTE_ALGUS, valja);
  for (const char* kirje : JUHISED_KESK)
    std::fputs(kirje, valja);
  for (const char* kirje : JUHISTE_LOPP)
    std::fputs(kirje, valja);
}

}  // namespace zemtar
