// The lines typed at a terminal, kept for recall in this run and the next ones.
#pragma once

#include <string_view>

#include "platform/posix/ajaloofail.h"

struct history;  // libedit's

namespace zemtar {

class ajalugu {
 public:
  // Reads the last lines of the history file of the program of this name, if it has one.
  explicit ajalugu(const char* programm);
  virtual ~ajalugu();
  ajalugu(const ajalugu&) = delete;
  ajalugu& operator=(const ajalugu&) = delete;

  // Keeps a typed line (without its newline), unless it is blank or the same as the line
  // before, and adds it to the file at once, so that a run killed later loses nothing.
  void lisa(std::string_view rida);

  // The lines, for libedit's recall and search.
  struct ::history* kirjed() const {
    return kirjed_;
  }

 private:
  struct ::history* kirjed_;
  ajaloofail fail;
};

}  // namespace zemtar
