// What zemtar-lihtne alone says: results as decimal fractions, its shorter help text and its
// division message (which, unlike every other, has no "Viga: " before it).
#include "teated.h"
#include "ehitus.h"

namespace zemtar {

const char JAGAMINE_NULLIGA[] = "Jagamine nulliga!\n";

namespace {

constexpr char AVALDISE_VAARTUS[] = "Avaldise v\xE4\xE4rtus=%f\n";
constexpr char MUUTUJA_VAARTUS[] = "Muutuja %c v\xE4\xE4rtus=%f\n";

constexpr char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator\n";
constexpr char JUHISTE_LOPP[] = "    T\xFChikud sisendis on lubatud.\n\n";

}  // namespace

void kuva_avaldis(std::FILE* valja, float tulemus) {
  std::fprintf(valja, AVALDISE_VAARTUS, static_cast<double>(tulemus));
}

void kuva_omistus(std::FILE* valja, char muutuja, float tulemus) {
  std::fprintf(valja, MUUTUJA_VAARTUS, muutuja, static_cast<double>(tulemus));
}

void juhised(std::FILE* valja) {
  std::fputs(JUHISTE_ALGUS, valja);
  for (const char* kirje : JUHISED_KESK)
    std::fputs(kirje, valja);
  std::fputs(JUHISTE_LOPP, valja);
}

}  // namespace zemtar
