#include "roman/rooma.h"

#include <cstdlib>

namespace zemtar {

namespace {

// The letters for each digit of the hundreds, the tens and the ones; the thousands are as
// many M.
constexpr const char* SAJAD[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
constexpr const char* KUMNED[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
constexpr const char* UHED[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};

}  // namespace

rooma::rooma(float tulemus) {
  // The range test is false for NaN as well; inside it the conversion is defined.
  esitatav = tulemus >= -2147483648.0f && tulemus < 2147483648.0f;
  if (!esitatav) return;
  arv = static_cast<std::int32_t>(tulemus);
  if (arv == 0) {
    tahed[pikkus++] = 'O';
    return;
  }
  // Widened, so that the magnitude of the most negative value fits.
  const std::int64_t n = std::llabs(arv);
  tuhandeid_ = static_cast<std::uint32_t>(n / 1000);
  for (const char* t : {SAJAD[n / 100 % 10], KUMNED[n / 10 % 10], UHED[n % 10]}) {
    for (; *t != '\0'; ++t)
      tahed[pikkus++] = *t;
  }
}

std::optional<std::string> rooma::vorminda() const {
  if (!esitatav) return std::nullopt;
  std::string tekst;
  if (negatiivne()) tekst += '-';
  tekst.append(tuhandeid_, 'M');
  tekst += alla_tuhande();
  return tekst;
}

}  // namespace zemtar
