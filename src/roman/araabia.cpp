#include "roman/araabia.h"

#include <array>
#include <limits>

namespace zemtar {

namespace {

// What a transition asks of the repeat counter of its letter group before it is taken.
enum class tingimus : char {
  POLE,    // nothing
  NULL_,   // the counter is 0 (the letter has not been seen in this group)
  UKS,     // the counter is 1 (a single smaller letter before a subtractive pair)
  KORDUS,  // the counter, raised by one, is at most 3 (a repetition)
};

// What a transition does to that counter.
enum class muutus : char { POLE, SEA_UKS, LISA_UKS };

struct siire {
  char olek;     // the state it leaves: s (start) or the lowercase letter of the state
  char taht;     // the capital that takes it
  char loendur;  // i, x or c: the counter it tests and changes; 0 for none
  tingimus kui;
  muutus mida;
  int lisa;       // added to summa (the start state's summa is 0, so "set" is an addition)
  char jargmine;  // the state it enters
};

using T = tingimus;
using M = muutus;

// The machine. A state named after a letter is entered by that letter alone or by the
// subtractive pair it closes (after IV the state is v). Pairs add the pair's value less the
// smaller letter already counted.
constexpr siire SIIRDED[] = {
    {'s', 'O', 0, T::POLE, M::POLE, 0, 's'},
    {'s', 'I', 'i', T::POLE, M::SEA_UKS, 1, 'i'},
    {'s', 'V', 0, T::POLE, M::POLE, 5, 'v'},
    {'s', 'X', 'x', T::POLE, M::SEA_UKS, 10, 'x'},
    {'s', 'L', 0, T::POLE, M::POLE, 50, 'l'},
    {'s', 'C', 'c', T::POLE, M::SEA_UKS, 100, 'c'},
    {'s', 'D', 0, T::POLE, M::POLE, 500, 'd'},
    {'s', 'M', 0, T::POLE, M::POLE, 1000, 'm'},
    {'i', 'I', 'i', T::KORDUS, M::LISA_UKS, 1, 'i'},
    {'i', 'V', 'i', T::UKS, M::POLE, 3, 'v'},
    {'i', 'X', 'i', T::UKS, M::POLE, 8, 'x'},
    {'v', 'I', 'i', T::NULL_, M::SEA_UKS, 1, 'i'},
    {'x', 'I', 'i', T::NULL_, M::SEA_UKS, 1, 'i'},
    {'x', 'V', 0, T::POLE, M::POLE, 5, 'v'},
    {'x', 'X', 'x', T::KORDUS, M::LISA_UKS, 10, 'x'},
    {'x', 'L', 'x', T::UKS, M::POLE, 30, 'l'},
    {'x', 'C', 'x', T::UKS, M::POLE, 80, 'c'},
    {'l', 'I', 'i', T::POLE, M::SEA_UKS, 1, 'i'},
    {'l', 'V', 0, T::POLE, M::POLE, 5, 'v'},
    {'l', 'X', 'x', T::NULL_, M::SEA_UKS, 10, 'x'},
    {'c', 'I', 'i', T::POLE, M::SEA_UKS, 1, 'i'},
    {'c', 'V', 0, T::POLE, M::POLE, 5, 'v'},
    {'c', 'X', 'x', T::NULL_, M::SEA_UKS, 10, 'x'},
    {'c', 'L', 0, T::POLE, M::POLE, 50, 'l'},
    {'c', 'C', 'c', T::KORDUS, M::LISA_UKS, 100, 'c'},
    {'c', 'D', 'c', T::UKS, M::POLE, 300, 'd'},
    {'c', 'M', 'c', T::UKS, M::POLE, 800, 'm'},
    {'d', 'I', 'i', T::POLE, M::SEA_UKS, 1, 'i'},
    {'d', 'V', 0, T::POLE, M::POLE, 5, 'v'},
    {'d', 'X', 'x', T::POLE, M::SEA_UKS, 10, 'x'},
    {'d', 'L', 0, T::POLE, M::POLE, 50, 'l'},
    {'d', 'C', 'c', T::NULL_, M::SEA_UKS, 100, 'c'},
    {'m', 'I', 'i', T::POLE, M::SEA_UKS, 1, 'i'},
    {'m', 'V', 0, T::POLE, M::POLE, 5, 'v'},
    {'m', 'X', 'x', T::POLE, M::SEA_UKS, 10, 'x'},
    {'m', 'L', 0, T::POLE, M::POLE, 50, 'l'},
    {'m', 'C', 'c', T::NULL_, M::SEA_UKS, 100, 'c'},
    {'m', 'D', 0, T::POLE, M::POLE, 500, 'd'},
    {'m', 'M', 0, T::POLE, M::POLE, 1000, 'm'},
};

// The column of each Roman letter in the table below, either case; -1 for every other byte.
constexpr char TAHED[] = "OIVXLCDM";
constexpr auto VEERUD = [] {
  std::array<std::int8_t, 256> veerud{};
  for (std::int8_t& v : veerud)
    v = -1;
  for (std::int8_t k = 0; TAHED[k] != 0; ++k) {
    veerud[static_cast<unsigned char>(TAHED[k])] = k;
    veerud[static_cast<unsigned char>(TAHED[k] - 'A' + 'a')] = k;
  }
  return veerud;
}();

// A transition as the reading loop takes it, its test and change of a counter as data, so
// that no branch depends on which transition a letter takes. The counters only ever hold 0 to
// 3 (a repetition stops at 3), so a condition is the set of counter values it lets through,
// and a pair of state and letter without a transition lets none through.
struct samm {
  std::uint8_t loendur;  // 0 mitu_i, 1 mitu_x, 2 mitu_c, 3 none (a counter nothing reads)
  std::uint8_t lubatud;  // bit n set: the counter may be n
  std::uint8_t jatab;    // the counter becomes counter * jatab + lisab: kept, raised or set
  std::uint8_t lisab;
  char jargmine;  // the state it enters
  std::int16_t lisa;
};

constexpr samm sammuks(const siire& s) {
  samm t{};
  t.loendur = s.loendur == 'i' ? 0 : s.loendur == 'x' ? 1 : s.loendur == 'c' ? 2 : 3;
  t.lubatud = s.kui == T::NULL_    ? 0b0001
              : s.kui == T::UKS    ? 0b0010
              : s.kui == T::KORDUS ? 0b0111
                                   : 0b1111;
  t.jatab = s.mida == M::SEA_UKS ? 0 : 1;
  t.lisab = s.mida == M::POLE ? 0 : 1;
  t.jargmine = s.jargmine;
  t.lisa = static_cast<std::int16_t>(s.lisa);
  return t;
}

// The transitions as a table by state (its letter less 'a') and letter, filled from the list
// while compiling, so that a letter costs one look-up wherever its row stands in the list.
constexpr auto TABEL = [] {
  std::array<std::array<samm, sizeof TAHED - 1>, 26> tabel{};
  for (const siire& s : SIIRDED) {
    tabel[s.olek - 'a'][VEERUD[static_cast<unsigned char>(s.taht)]] = sammuks(s);
  }
  return tabel;
}();

}  // namespace

araabia::araabia(std::string_view t) : tekst(t), pikkus(t.size()) {}

std::int32_t araabia::teisenda() {
  // The machine runs in locals and is stored back at the end. No text that fits in memory
  // overflows a 64-bit sum, so one test at the end finds a value beyond 32 bits.
  std::int32_t mitu[] = {mitu_i, mitu_x, mitu_c, 0};
  std::int64_t kokku = summa;
  char seis = olek;
  for (std::size_t k = 0; k < pikkus; ++k) {
    const std::int8_t veerg = VEERUD[static_cast<unsigned char>(tekst[k])];
    if (veerg < 0) return -1;
    const samm& s = TABEL[seis - 'a'][veerg];
    std::int32_t& loendur = mitu[s.loendur];
    if ((s.lubatud >> loendur & 1) == 0) return -1;
    loendur = loendur * s.jatab + s.lisab;
    kokku += s.lisa;
    seis = s.jargmine;
  }
  if (kokku > std::numeric_limits<std::int32_t>::max()) return -1;
  mitu_i = mitu[0];
  mitu_x = mitu[1];
  mitu_c = mitu[2];
  olek = seis;
  summa = static_cast<std::int32_t>(kokku);
  return summa;
}

}  // namespace zemtar
