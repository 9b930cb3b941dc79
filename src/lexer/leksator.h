// The lexer: cuts one line into tokens, one per call, for the evaluator.
#pragma once

#include <cstddef>
#include <string_view>

#include "lexer/lekseem.h"

namespace zemtar {

class leksator {
 public:
  leksator() = default;
  virtual ~leksator() = default;

  // Starts reading the line from its beginning. The text is not copied: the caller keeps it
  // alive while tokens are read. A NUL inside it is an ordinary (refused) character.
  void sea_rida(std::string_view rida);

  // The next token, with the place where it begins. At a newline or the end of the text the
  // answer is LOPP, and stays LOPP on every later call: nothing past the end is read.
  lekseem jargmine();

 private:
  lekseem loe();
  lekseem loe_arv();
  lekseem loe_taht();

  std::string_view rida;
  std::size_t asukoht = 0;
};

}  // namespace zemtar
