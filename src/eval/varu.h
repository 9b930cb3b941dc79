// The evaluator's supply of tokens: a fixed set reused line after line, so that memory stays
// flat however many or however long the lines are.
#pragma once

#include <cassert>
#include <cstddef>

#include "eval/magasin.h"
#include "lexer/lekseem.h"

namespace zemtar {

class varu {
 public:
  // Every live token sits on one of the two stacks, except the one being handled and the
  // zero operand a unary minus makes beside it; a push onto a full stack ends the line. So a
  // token is always free when one is asked for, and the evaluator never checks.
  static constexpr std::size_t MAHT = 2 * magasin::MAHT + 2;

  varu() { tyhjenda(); }
  virtual ~varu() = default;

  // A token to fill.
  lekseem* anna() {
    assert(vabu > 0 && "MAHT bounds the tokens in use");
    return vabad[--vabu];
  }
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
