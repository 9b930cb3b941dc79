// The evaluator's supply of tokens: a fixed set reused line after line, so that memory stays
// flat however many or however long the lines are.
#pragma once

#include <cstddef>

#include "eval/magasin.h"
#include "lexer/lekseem.h"

namespace zemtar {

class varu {
 public:
  // Every live token sits on one of the two stacks, except the one being handled and the
  // zero operand a unary minus makes beside it.
  static constexpr std::size_t MAHT = 2 * magasin::MAHT + 2;

  varu() { tyhjenda(); }
  virtual ~varu() = default;

  // A token to fill, or nullptr if every token is in use (which the bound above rules out).
  lekseem* anna() { return vabu > 0 ? vabad[--vabu] : nullptr; }
  // Takes back a token no stack refers to any more.
  void tagasi(lekseem* t) {
    if (vabu < MAHT) vabad[vabu++] = t;
  }
  // Takes back every token at once, at the start of a line.
  void tyhjenda();

 private:
  lekseem lekseemid[MAHT] = {};
  lekseem* vabad[MAHT] = {};
  std::size_t vabu = 0;
};

}  // namespace zemtar
