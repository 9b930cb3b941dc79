// The lines typed at a terminal, kept for recall in this run and the next ones.
#pragma once

#include <string>
#include <string_view>

struct history;  // libedit's

namespace zemtar {

class ajalugu {
 public:
  // Reads the history file, if there is one and it can be read; programm (the program's
  // name) names the file unless the environment names another.
  explicit ajalugu(const char* programm);
  virtual ~ajalugu();
  ajalugu(const ajalugu&) = delete;
  ajalugu& operator=(const ajalugu&) = delete;

  // Keeps a typed line (without its newline), unless it is blank or the same as the line
  // before, and saves the file at once, so that a run killed later loses nothing.
  void lisa(std::string_view rida);

  // The lines, for libedit's recall and search.
  struct ::history* kirjed() const {
    return kirjed_;
  }

 private:
  void salvesta() const;

  struct ::history* kirjed_;
  std::string fail;  // empty: no file is read or written
};

}  // namespace zemtar
