#include "lexer/leksator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "lexer/ehitus.h"
#include "teated.h"

namespace zemtar {

namespace {

bool on_number(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == ',';
}
bool on_taht(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// 10 to the power n, correctly rounded. Up to 10^22 every power is exact in double precision
// and a table answers; longer fractions are rare enough for strtod. Not std::pow: it alone
// would have every start of the programs load the maths library.
double kumne_aste(std::size_t n) {
  static constexpr double TAPSED[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (n < std::size(TAPSED)) return TAPSED[n];
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "1e%zu", n);
  return std::strtod(tekst, nullptr);
}

}  // namespace

void leksator::sea_rida(std::string_view uus) {
  rida = uus;
  asukoht = 0;
}

lekseem leksator::jargmine() {
  // Only the blank is skipped; a tab is a character like any other.
  while (asukoht < rida.size() && rida[asukoht] == ' ')
    ++asukoht;
  // The end is not consumed, so a further call answers LOPP again.
  if (asukoht == rida.size() || rida[asukoht] == '\n') return lekseem::lopp();

  const char c = rida[asukoht];
  if (on_number(c)) return loe_arv();
  if (on_taht(c)) return loe_taht();
  ++asukoht;
  switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '(':
    case ')':
      return lekseem::tehe(c);
    default:
      return lekseem::viga(LUBAMATU_SUMBOL);
  }
}

// A Roman numeral where this program has them, else a variable (known by its lowercase
// letter) or a letter that names nothing.
lekseem leksator::loe_taht() {
  if (auto rooma_arv = loe_rooma_arv(rida, asukoht)) return *rooma_arv;
  const int i = muutuja_indeks(static_cast<unsigned char>(rida[asukoht++]));
  return i < 0 ? lekseem::viga(LUBAMATU_SUMBOL) : lekseem::muutuja(static_cast<char>('a' + i));
}

// Digits with at most one point or comma. The value is built digit by digit in double
// precision and kept as a float after each digit, then scaled by the number of decimals.
// Below 2^24 every such step is exact, so there the digits gather in a whole number, which
// costs far less per digit than the conversions; only a longer run of digits takes the float
// steps. A second separator spoils the number, but the whole run is still consumed.
lekseem leksator::loe_arv() {
  constexpr std::uint32_t TAPNE = (1u << 24) / 10;  // n * 10 + 9 stays below 2^24
  lekseem t = lekseem::arv(0);
  std::uint32_t taisarv = 0;
  bool ujukomaga = false;  // the digits went past what the whole number holds exactly
  bool eraldaja = false;
  std::size_t komakohti = 0;
  for (; asukoht < rida.size(); ++asukoht) {
    const char c = rida[asukoht];
    if (c >= '0' && c <= '9') {
      if (taisarv < TAPNE) {
        taisarv = taisarv * 10 + static_cast<std::uint32_t>(c - '0');
      } else {
        if (!ujukomaga) t.vaartus = static_cast<float>(taisarv);
        ujukomaga = true;
        t.vaartus = static_cast<float>(static_cast<double>(t.vaartus) * 10 + (c - '0'));
      }
      if (eraldaja) ++komakohti;
    } else if (c == '.' || c == ',') {
      if (eraldaja) t = lekseem::viga(LUBAMATU_KOMA);
      eraldaja = true;
    } else {
      break;
    }
  }
  if (t.liik != ARV) return t;
  if (!ujukomaga) t.vaartus = static_cast<float>(taisarv);
  if (komakohti > 0) t.vaartus = static_cast<float>(t.vaartus / kumne_aste(komakohti));
  return t;
}

}  // namespace zemtar
