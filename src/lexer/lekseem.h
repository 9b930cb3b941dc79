// One token of a line: made by the lexer, carried and rewritten in place by the evaluator.
#pragma once

#include <cstdint>

namespace zemtar {

enum lekseemi_liik : std::int32_t { ARV = 1, MUUTUJA = 2, TEHE = 3, LOPP = 4, VIGA = 5 };

struct lekseem {
  lekseemi_liik liik;
  float vaartus;
  // MUUTUJA and TEHE: the character; VIGA: the message, a static text; ARV: 0.
  std::intptr_t lisa;

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
