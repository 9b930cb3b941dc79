#include "lexer/leksator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

// The float nearest the value that digits with at most one point or comma write: strtof
// rounds correctly (to even on a tie) however many digits there are, and gives infinity only
// beyond the float range. The C library's, not std::from_chars: that one brings along threads,
// memory pools and constructors run at every start, a sixth more of a start's instructions.
// strtof reads the C locale's point, which nothing changes. The digits go to it in a text of
// their own, without allocating however long they are: past the first KOHTI significant
// digits only whether any other is nonzero can change the nearest float (the midpoints between
// floats have fewer), so they are kept as one 1 after the others, and the scale as an exponent.
float ujukomaarv(std::string_view arv, std::size_t eraldaja) {
  constexpr std::size_t KOHTI = 200;
  char tekst[KOHTI + 32];
  std::size_t n = 0;
  long long aste = 0;
  bool jaak = false;  // a nonzero digit past the kept ones
  for (std::size_t k = 0; k < arv.size(); ++k) {
    const bool murdosa = eraldaja < k;
    if (k == eraldaja || (n == 0 && arv[k] == '0')) {
      aste -= murdosa;
    } else if (n < KOHTI) {
      tekst[n++] = arv[k];
      aste -= murdosa;
    } else {
      aste += !murdosa;
      jaak = jaak || arv[k] != '0';
    }
  }
  if (n == 0) return 0;
  if (jaak) {
    tekst[n++] = '1';
    --aste;
  }
  std::snprintf(tekst + n, sizeof tekst - n, "e%lld", aste);
  return std::strtof(tekst, nullptr);
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
  const std::size_t algus = asukoht;
  lekseem t = loe();
  t.koht = algus;
  return t;
}

lekseem leksator::loe() {
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
  const std::int64_t rooma_arv = loe_rooma_arv(rida, asukoht);
  // A value past 32 bits is a number as the same value in digits is: the float nearest it.
  if (rooma_arv >= 0) return lekseem::arv(static_cast<float>(rooma_arv));
  if (rooma_arv == -1) return lekseem::viga(VIGANE_ROOMA_ARV);
  const int i = muutuja_indeks(static_cast<unsigned char>(rida[asukoht++]));
  return i < 0 ? lekseem::viga(LUBAMATU_SUMBOL) : lekseem::muutuja(static_cast<char>('a' + i));
}

// Digits with at most one point or comma. A second separator spoils the number, but the
// whole run is still consumed. Up to seven digits, which most numbers have, the value is
// found more cheaply than by ujukomaarv, and as exactly: the digits make a whole number below
// 2^24 and the power of ten below 10^8 is a float too, and the quotient of two floats
// rounded to a double and then to a float is the nearest float to the exact quotient.
lekseem leksator::loe_arv() {
  constexpr std::size_t LUHIKE = 7;
  static constexpr double ASTMED[LUHIKE + 1] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};
  const std::size_t algus = asukoht;
  std::size_t eraldaja = std::string_view::npos, numbreid = 0;
  std::uint32_t taisarv = 0;
  bool teine = false;
  for (; asukoht < rida.size() && on_number(rida[asukoht]); ++asukoht) {
    const char c = rida[asukoht];
    if (c == '.' || c == ',') {
      teine = teine || eraldaja != std::string_view::npos;
      eraldaja = asukoht - algus;
    } else if (++numbreid <= LUHIKE) {
      taisarv = taisarv * 10 + static_cast<std::uint32_t>(c - '0');
    }
  }
  if (teine) return lekseem::viga(LUBAMATU_KOMA);
  const std::size_t pikkus = asukoht - algus;
  if (numbreid <= LUHIKE) {
    const std::size_t komakohti = eraldaja == std::string_view::npos ? 0 : pikkus - eraldaja - 1;
    return lekseem::arv(static_cast<float>(taisarv / ASTMED[komakohti]));
  }
  return lekseem::arv(ujukomaarv(rida.substr(algus, pikkus), eraldaja));
}

}  // namespace zemtar
