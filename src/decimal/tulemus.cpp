// zemtar-lihtne's result line: the value as a decimal fraction with six decimals.
#include <cstring>
#include <string_view>

#include "decimal/kuus_komakohta.h"
#include "frontend/ehitus.h"
#include "teated.h"

namespace zemtar {

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

}  // namespace zemtar
