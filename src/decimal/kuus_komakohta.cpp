// A float is m * 2^e with a whole m below 2^24, so its exact value needs no multi-precision
// arithmetic: a whole value (e >= 0) is below 2^128 and is written from a few base-10^9
// pieces; a value with a fraction has its whole part below 2^24 and its fraction r / 2^k
// turned into millionths in 64 bits. The text is written from its end backwards, the way
// digits come out of a division by ten.
#include "decimal/kuus_komakohta.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zemtar {

namespace {

constexpr std::uint32_t MILJARD = 1000000000;
constexpr std::uint64_t MILJON = 1000000;

// "00" to "99", so that the digits come two to a division.
constexpr auto PAARID = [] {
  std::array<char, 200> paarid{};
  for (int i = 0; i < 100; ++i) {
    paarid[2 * i] = static_cast<char>('0' + i / 10);
    paarid[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return paarid;
}();

// n's digits, at least `laius` of them (zeros in front), written backwards before p; answers
// where they begin.
char* numbrid(std::uint32_t n, int laius, char* p) {
  for (; n >= 100 || laius > 2; n /= 100, laius -= 2) {
    p -= 2;
    std::memcpy(p, &PAARID[n % 100 * 2], 2);
  }
  if (n >= 10 || laius == 2) {
    p -= 2;
    std::memcpy(p, &PAARID[n * 2], 2);
  } else {
    *--p = static_cast<char>('0' + n);
  }
  return p;
}

// The whole number m * 2^e (below 2^128) written backwards before p; answers where it begins.
char* tais(std::uint32_t m, int e, char* p) {
  std::uint32_t tukid[5] = {m};  // base 10^9, the lowest first
  int tukke = 1;
  for (; e > 0; e -= 32) {
    const int nihe = e < 32 ? e : 32;
    std::uint64_t ule = 0;
    for (int i = 0; i < tukke; ++i) {
      const std::uint64_t v = (std::uint64_t{tukid[i]} << nihe) + ule;
      tukid[i] = static_cast<std::uint32_t>(v % MILJARD);
      ule = v / MILJARD;
    }
    for (; ule != 0; ule /= MILJARD)
      tukid[tukke++] = static_cast<std::uint32_t>(ule % MILJARD);
  }
  for (int i = 0; i < tukke - 1; ++i)
    p = numbrid(tukid[i], 9, p);
  return numbrid(tukid[tukke - 1], 1, p);
}

// The millionths of r / 2^k (0 < k <= 44), rounded to the nearest, a tie to the even one.
// r < 2^44 and 10^6 < 2^20, so r * 10^6 fits in 64 bits.
std::uint64_t miljondikud(std::uint64_t r, int k) {
  const std::uint64_t korrutis = r * MILJON;
  const std::uint64_t mask = (std::uint64_t{1} << k) - 1;
  const std::uint64_t jaak = korrutis & mask;
  const std::uint64_t pool = std::uint64_t{1} << (k - 1);
  const std::uint64_t alla = korrutis >> k;
  return jaak > pool || (jaak == pool && alla % 2 == 1) ? alla + 1 : alla;
}

}  // namespace

std::size_t kuus_komakohta(float x, char* puhver) {
  std::uint32_t bitid = 0;
  std::memcpy(&bitid, &x, sizeof bitid);
  const bool miinus = bitid >> 31 != 0;
  const int astendaja = static_cast<int>(bitid >> 23 & 0xFF);
  const std::uint32_t kohad = bitid & 0x7FFFFF;
  if (astendaja == 0xFF) {
    std::string_view nimi = kohad != 0 ? "-nan" : "-inf";
    if (!miinus) nimi.remove_prefix(1);
    std::memcpy(puhver, nimi.data(), nimi.size());
    return nimi.size();
  }
  // A subnormal has no hidden bit and the exponent of the smallest normal.
  const std::uint64_t m = astendaja != 0 ? kohad | 1u << 23 : kohad;
  const int e = astendaja != 0 ? astendaja - 150 : -149;

  // x = taisosa * 2^nihe + murd millionths, the millionths rounded.
  std::uint64_t taisosa = 0;
  int nihe = 0;
  std::uint64_t murd = 0;
  if (e >= 0) {
    taisosa = m;
    nihe = e;
  } else if (e >= -44) {
    taisosa = m >> -e;
    murd = miljondikud(m & ((std::uint64_t{1} << -e) - 1), -e);
    if (murd == MILJON) {
      murd = 0;
      ++taisosa;
    }
  }  // else below 2^24 * 2^-45 = 2^-21: less than half a millionth, 0.

  char tekst[KUUS_KOMAKOHTA_PIKIM];
  char* const lopp = tekst + sizeof tekst;
  char* p = numbrid(static_cast<std::uint32_t>(murd), 6, lopp);
  *--p = '.';
  p = tais(static_cast<std::uint32_t>(taisosa), nihe, p);
  if (miinus) *--p = '-';
  const std::size_t pikkus = static_cast<std::size_t>(lopp - p);
  std::memcpy(puhver, p, pikkus);
  return pikkus;
}

}  // namespace zemtar
