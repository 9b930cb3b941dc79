// What zemtar-lihtne alone says: results as decimal fractions, its shorter help text and its
// division message (which, unlike every other, has no "Viga: " before it).
#include <cstring>
#include <string_view>

#include "decimal/kuus_komakohta.h"
#include "ehitus.h"
#include "teated.h"

namespace zemtar {

const char PROGRAMM[] = "zemtar-lihtne";
const char JAGAMINE_NULLIGA[] = "Jagamine nulliga!\n";

namespace {

constexpr char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator\n";
constexpr char JUHISTE_LOPP[] = "    T\xFChikud sisendis on lubatud.\n\n";

}  // namespace

// The result line, put together and written at once: the words, the value as "%f" prints
// it, a newline.
void kuva_tulemus(std::FILE* valja, std::string_view sonad, float tulemus) {
  char rida[sizeof MUUTUJA_VAARTUS + KUUS_KOMAKOHTA_PIKIM + 1];
  if (sonad.size() >= sizeof MUUTUJA_VAARTUS) {  // longer words than a result line's go alone
    std::fwrite(sonad.data(), 1, sonad.size(), valja);
    sonad = {};
  }
  std::memcpy(rida, sonad.data(), sonad.size());
  std::size_t pikkus = sonad.size();
  pikkus += kuus_komakohta(tulemus, rida + pikkus);
  rida[pikkus++] = '\n';
  std::fwrite(rida, 1, pikkus, valja);
}

void juhised(std::FILE* valja) {
  std::fputs(JUHISTE_ALGUS, valja);
  for (const char* kirje : JUHISED_KESK)
    std::fputs(kirje, valja);
  std::fputs(JUHISTE_LOPP, valja);
}

}  // namespace zemtar
