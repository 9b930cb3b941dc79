#include "roman/araabia.h"

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

const siire* leia(char olek, char taht) {
  for (const siire& s : SIIRDED) {
    if (s.olek == olek && s.taht == taht) return &s;
  }
  return nullptr;
}

bool lubab(tingimus kui, std::int32_t loendur) {
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

}  // namespace

araabia::araabia(std::string_view t) : tekst(t), pikkus(t.size()) {}

std::int32_t araabia::teisenda() {
  if (pikkus == 0) return 0;
  for (std::size_t k = 0; k < pikkus; ++k) {
    char taht = tekst[k];
    if (taht >= 'a' && taht <= 'z') taht = static_cast<char>(taht - 'a' + 'A');
    const siire* s = leia(olek, taht);
    if (s == nullptr) return -1;
    std::int32_t* loendur = s->loendur == 'i'   ? &mitu_i
                            : s->loendur == 'x' ? &mitu_x
                            : s->loendur == 'c' ? &mitu_c
                                                : nullptr;
    if (loendur != nullptr && !lubab(s->kui, *loendur)) return -1;
    if (summa > std::numeric_limits<std::int32_t>::max() - s->lisa) return -1;
    if (loendur != nullptr && s->mida == M::SEA_UKS) *loendur = 1;
    if (loendur != nullptr && s->mida == M::LISA_UKS) ++*loendur;
    summa += s->lisa;
    olek = s->jargmine;
  }
  return summa;
}

}  // namespace zemtar
