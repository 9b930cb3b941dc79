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
void kuva_tulemus(kirjutaja valja, std::string_view sonad, float tulemus) {
  // The words are one of the two result lines', the longer an assignment's.
  char rida[sizeof MUUTUJA_VAARTUS + KUUS_KOMAKOHTA_PIKIM + 1];
  static_assert(sizeof AVALDISE_VAARTUS <= sizeof MUUTUJA_VAARTUS);
  std::memcpy(rida, sonad.data(), sonad.size());
  std::size_t pikkus = sonad.size();
  pikkus += kuus_komakohta(tulemus, rida + pikkus);
  rida[pikkus++] = '\n';
  valja.tekst({rida, pikkus});
}

void juhised(kirjutaja valja) {
  valja.tekst(JUHISTE_ALGUS);
  for (const char* kirje : JUHISED_KESK)
    valja.tekst(kirje);
  valja.tekst(JUHISTE_LOPP);
}

}  // namespace zemtar
