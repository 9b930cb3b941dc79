#include "roman/araabia.h"

#include <array>

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

// The column of each Roman letter in the machine's table, either case; every other byte has
// the last column, which no transition takes.
constexpr char TAHED[] = "OIVXLCDM";
constexpr std::uint8_t MUU = sizeof TAHED - 1;
constexpr auto VEERUD = [] {
  std::array<std::uint8_t, 256> veerud{};
  for (std::uint8_t& v : veerud)
    v = MUU;
  for (std::uint8_t k = 0; k < MUU; ++k) {
    veerud[static_cast<unsigned char>(TAHED[k])] = k;
    veerud[static_cast<unsigned char>(TAHED[k] - 'A' + 'a')] = k;
  }
  return veerud;
}();

// Whether a transition's condition lets a counter through, and the counter after it.
constexpr bool lubab(tingimus kui, int loendur) {
  switch (kui) {
    case T::POLE:
      return true;
    case T::NULL_:
      return loendur == 0;
    case T::UKS:
      return loendur == 1;
    case T::KORDUS:
      return loendur + 1 <= 3;
  }
  return false;
}
constexpr int muuda(muutus mida, int loendur) {
  switch (mida) {
    case M::POLE:
      return loendur;
    case M::SEA_UKS:
      return 1;
    case M::LISA_UKS:
      return loendur + 1;
  }
  return loendur;
}

// The counters only ever hold 0 to 3: a repetition stops at 3 and every other change sets 1.
// So the state and the three counters together take 8 * 4 * 4 * 4 values, one whole state
// numbered as below, and the machine is one table by whole state and letter, filled from the
// list while compiling: a letter costs one look-up, whichever transition it takes.
constexpr char OLEKUD[] = "sivxlcdm";
constexpr int VAARTUSI = 4;  // of a counter
constexpr int SEISUNDEID = (sizeof OLEKUD - 1) * VAARTUSI * VAARTUSI * VAARTUSI;

struct seisund {
  char olek;
  int mitu[3];  // i, x, c
};

constexpr int numbriks(char olek, int mitu_i, int mitu_x, int mitu_c) {
  int k = 0;
  while (OLEKUD[k] != olek)
    ++k;
  return ((k * VAARTUSI + mitu_i) * VAARTUSI + mitu_x) * VAARTUSI + mitu_c;
}
constexpr seisund seisundiks(int nr) {
  return {OLEKUD[nr / (VAARTUSI * VAARTUSI * VAARTUSI)],
          {nr / (VAARTUSI * VAARTUSI) % VAARTUSI, nr / VAARTUSI % VAARTUSI, nr % VAARTUSI}};
}

struct kaik {
  std::int16_t jargmine;  // the whole state it enters; -1 for none: the text is rejected
  std::int16_t lisa;
};

constexpr auto MASIN = [] {
  std::array<std::array<kaik, MUU + 1>, SEISUNDEID> masin{};
  for (auto& rida : masin) {
    for (kaik& k : rida)
      k = {-1, 0};
  }
  for (int nr = 0; nr < SEISUNDEID; ++nr) {
    for (const siire& s : SIIRDED) {
      seisund t = seisundiks(nr);
      if (s.olek != t.olek) continue;
      const int loendur = s.loendur == 'i' ? 0 : s.loendur == 'x' ? 1 : s.loendur == 'c' ? 2 : -1;
      if (loendur >= 0) {
        if (!lubab(s.kui, t.mitu[loendur])) continue;
        t.mitu[loendur] = muuda(s.mida, t.mitu[loendur]);
      }
      masin[nr][VEERUD[static_cast<unsigned char>(s.taht)]] = {
          static_cast<std::int16_t>(numbriks(s.jargmine, t.mitu[0], t.mitu[1], t.mitu[2])),
          static_cast<std::int16_t>(s.lisa)};
    }
  }
  return masin;
}();

}  // namespace

araabia::araabia(std::string_view t) : tekst(t), pikkus(t.size()) {}

std::int64_t araabia::teisenda() {
  int nr = numbriks(olek, mitu_i, mitu_x, mitu_c);
  std::int64_t kokku = summa;
  for (std::size_t k = 0; k < pikkus; ++k) {
    const kaik& s = MASIN[nr][VEERUD[static_cast<unsigned char>(tekst[k])]];
    if (s.jargmine < 0) return -1;
    kokku += s.lisa;
    nr = s.jargmine;
  }
  const seisund lopus = seisundiks(nr);
  olek = lopus.olek;
  mitu_i = lopus.mitu[0];
  mitu_x = lopus.mitu[1];
  mitu_c = lopus.mitu[2];
  summa = kokku;
  return summa;
}

}  // namespace zemtar
