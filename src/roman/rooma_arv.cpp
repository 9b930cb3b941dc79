// How zemtar reads letters: runs of I V X L C D M O are Roman numerals, and only the
// lowercase a to y name variables (every other capital is refused).
#include <array>
#include <cstdint>

#include "lexer/ehitus.h"
#include "roman/araabia.h"
#include "teated.h"

namespace zemtar {

namespace {

// 1 for each capital Roman letter, 0 for every other byte.
constexpr auto ROOMA_TAHED = [] {
  std::array<std::uint8_t, 256> tahed{};
  for (const char c : std::string_view("IVXLCDMO"))
    tahed[static_cast<unsigned char>(c)] = 1;
  return tahed;
}();

// How many Roman capitals follow one another from algus on.
std::size_t rooma_tahti(std::string_view rida, std::size_t algus) {
  std::size_t n = algus;
  while (n < rida.size() && ROOMA_TAHED[static_cast<unsigned char>(rida[n])])
    ++n;
  return n - algus;
}

}  // namespace

int muutuja_indeks(unsigned char c) {
  return c >= 'a' && c <= 'y' ? c - 'a' : -1;
}

std::optional<lekseem> loe_rooma_arv(std::string_view rida, std::size_t& asukoht) {
  const std::size_t algus = asukoht;
  asukoht += rooma_tahti(rida, algus);
  if (asukoht == algus) return std::nullopt;
  // A value past 32 bits is a number as the same value in digits is: the float nearest it.
  const std::int64_t arv = araabia(rida.substr(algus, asukoht - algus)).teisenda();
  if (arv < 0) return lekseem::viga(VIGANE_ROOMA_ARV);
  return lekseem::arv(static_cast<float>(arv));
}

}  // namespace zemtar
