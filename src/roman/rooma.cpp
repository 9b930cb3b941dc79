#include "roman/rooma.h"

namespace zemtar {

namespace {

struct samm {
  std::int64_t vaartus;
  const char* tahed;
  bool korduv;  // applied as long as it fits, not at most once
};

constexpr samm SAMMUD[] = {
    {900, "CM", false}, {500, "D", false}, {400, "CD", false}, {100, "C", true},
    {90, "XC", false},  {50, "L", false},  {40, "XL", false},  {10, "X", true},
    {9, "IX", false},   {5, "V", false},   {4, "IV", false},   {1, "I", true},
};

}  // namespace

rooma::rooma(float tulemus) {
  // The range test is false for NaN as well; inside it the conversion is defined.
  esitatav = tulemus >= -2147483648.0f && tulemus < 2147483648.0f;
  if (esitatav) arv = static_cast<std::int32_t>(tulemus);
}

std::optional<std::string> rooma::vorminda() const {
  if (!esitatav) return std::nullopt;
  if (arv == 0) return std::string("O");
  std::string tekst;
  // Widened, so that the magnitude of the most negative value fits.
  std::int64_t n = arv;
  if (n < 0) {
    tekst += '-';
    n = -n;
  }
  // The thousands in one go: near the 32-bit limit there are two million of them.
  tekst.append(static_cast<std::size_t>(n / 1000), 'M');
  n %= 1000;
  for (const samm& s : SAMMUD) {
    do {
      if (n < s.vaartus) break;
      tekst += s.tahed;
      n -= s.vaartus;
    } while (s.korduv);
  }
  return tekst;
}

}  // namespace zemtar
