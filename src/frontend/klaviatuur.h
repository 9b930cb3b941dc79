// The lines of keyboard mode, each read after the prompt. When a person types at a terminal
// they are read with libedit: the cursor keys, deleting, Home and End, recalling and searching
// earlier lines (kept across runs), and Ctrl-C to drop the line being typed. From anything
// else they are read plainly, byte for byte as they come.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "frontend/ajalugu.h"
#include "frontend/ridade_lugeja.h"

struct editline;  // libedit's

namespace zemtar {

class klaviatuur {
 public:
  // Editing only when input and output are both terminals; nothing else is set up otherwise.
  klaviatuur(std::FILE* sisse, std::FILE* valja);
  virtual ~klaviatuur();
  klaviatuur(const klaviatuur&) = delete;
  klaviatuur& operator=(const klaviatuur&) = delete;

  // Shows the prompt and gives the next line with its newline, if it has one; its bytes stay
  // valid until the next call. False at the end of input (at a terminal, Ctrl-D on an empty
  // line) and after a read error.
  bool loe(std::string_view& rida);

 private:
  bool loe_toimetades(std::string_view& rida);

  std::FILE* valja;
  ridade_lugeja lugeja;
  std::unique_ptr<ajalugu> varasemad;  // these two only when editing
  ::editline* el = nullptr;
};

}  // namespace zemtar
