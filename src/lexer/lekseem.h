// One token of a line: made by the lexer, carried and rewritten in place by the evaluator.
#pragma once

#include <cfloat>
#include <cstddef>
#include <cstdint>

namespace zemtar {

// Every operation on a number rounds to a float, so that each machine gives the same answers.
// A unit that keeps wider intermediate results (x87 on 32-bit x86, unless built with
// -msse2 -mfpmath=sse) would give others.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must round to float (x86: -mfpmath=sse)");

enum lekseemi_liik : std::int32_t { ARV = 1, MUUTUJA = 2, TEHE = 3, LOPP = 4, VIGA = 5 };

struct lekseem {
  lekseemi_liik liik;
  float vaartus;
  // MUUTUJA and TEHE: the character; VIGA: the message, a static text; ARV: 0.
  std::intptr_t lisa;
  // Where the token begins in its line, in bytes; a token the evaluator makes stands nowhere.
  std::size_t koht = 0;

  char mark() const { return static_cast<char>(lisa); }
  const char* teade() const { return reinterpret_cast<const char*>(lisa); }

  static lekseem arv(float vaartus) { return {ARV, vaartus, 0}; }
  static lekseem muutuja(char taht) { return {MUUTUJA, 0, static_cast<signed char>(taht)}; }
  static lekseem tehe(char mark) { return {TEHE, 0, static_cast<signed char>(mark)}; }
  static lekseem lopp() { return {LOPP, 0, 0}; }
  static lekseem viga(const char* teade) {
    return {VIGA, 0, reinterpret_cast<std::intptr_t>(teade)};
  }
};

}  // namespace zemtar
