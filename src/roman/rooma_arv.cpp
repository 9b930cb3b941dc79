// How zemtar reads letters: runs of I V X L C D M O are Roman numerals, and only the
// lowercase a to y name variables (every other capital is refused).
#include "ehitus.h"
#include "roman/araabia.h"
#include "teated.h"

namespace zemtar {

namespace {

bool on_rooma_taht(char c) {
  switch (c) {
    case 'I':
    case 'V':
    case 'X':
    case 'L':
    case 'C':
    case 'D':
    case 'M':
    case 'O':
      return true;
    default:
      return false;
  }
}

}  // namespace

int muutuja_indeks(unsigned char c) {
  return c >= 'a' && c <= 'y' ? c - 'a' : -1;
}

std::optional<lekseem> loe_rooma_arv(std::string_view rida, std::size_t& asukoht) {
  const std::size_t algus = asukoht;
  while (asukoht < rida.size() && on_rooma_taht(rida[asukoht]))
    ++asukoht;
  if (asukoht == algus) return std::nullopt;
  const std::int32_t arv = araabia(rida.substr(algus, asukoht - algus)).teisenda();
  if (arv < 0) return lekseem::viga(VIGANE_ROOMA_ARV);
  return lekseem::arv(static_cast<float>(arv));
}

}  // namespace zemtar
