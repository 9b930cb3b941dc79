// A fixed-capacity stack of token pointers: the evaluator's operand and operator stacks.
#pragma once

#include <cstdint>

#include "lexer/lekseem.h"

namespace zemtar {

class magasin {
 public:
  // Fixed so that evaluating a line never allocates: room for the line's own parenthesis
  // and 24 open ones, or for 25 pending operands, which no hand-written line outgrows.
  static constexpr std::int32_t MAHT = 25;

  magasin() = default;
  virtual ~magasin() = default;

  // Pushes t; on a full stack t is not stored but marked VIGA with "Magasin täis!".
  void pane(lekseem* t);
  // Pops the top token; on an empty stack answers an error token "Magasin tühi!" that the
  // caller may read but must neither keep nor release.
  lekseem* vota();
  int tyhi() const { return tipp == 0 ? 1 : 0; }
  // Forgets every token; the tokens themselves are not the stack's to release.
  void tyhjenda() { tipp = 0; }

 private:
  std::int32_t tipp = 0;
  lekseem* elemendid[MAHT] = {};
  lekseem tyhjuse_viga = lekseem::viga(nullptr);
};

}  // namespace zemtar
