#include "roman/rooma.h"

#include <cstdlib>
#include <cstring>

namespace zemtar {

namespace {

// The letters for each digit of the hundreds, the tens and the ones (the thousands are as
// many M), and how many there are: the same for a digit in every place. Each is copied as four
// bytes and its length decides how many of them count, so that writing a numeral takes no
// branch that the digits decide.
constexpr int KOHAD[] = {100, 10, 1};
constexpr char TAHED[3][10][5] = {
    {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"},
    {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"},
    {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"},
};
constexpr std::size_t TAHTI[10] = {0, 1, 2, 3, 2, 1, 2, 3, 4, 2};

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
  for (int koht = 0; koht < 3; ++koht) {
    const std::int64_t number = n / KOHAD[koht] % 10;
    std::memcpy(tahed + pikkus, TAHED[koht][number], 4);
    pikkus += TAHTI[number];
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
