// The history file at a path: the user's file, read from its end, added to a line at a time
// and cut back in place, so that several runs can share it and nothing else stands in its way.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace zemtar {

class ajaloofail {
 public:
  // Opens what the path leads to, following links, when it is a regular file or nothing yet;
  // anything else (a device, a FIFO, a folder) is no history and is never opened. An empty
  // path is no file. The file keeps its last maht lines, and is cut back to them only when it
  // has grown past twice as many.
  ajaloofail(std::string nimi, int maht);
  virtual ~ajaloofail();
  ajaloofail(const ajaloofail&) = delete;
  ajaloofail& operator=(const ajaloofail&) = delete;

  // The last lines, oldest first: only what they need is read, however long the file.
  std::vector<std::string> loe();

  // Adds a line (without its newline) with one write at the end of the file, which is made,
  // with its folders, for the user alone when it is missing. Nothing is written into a file of
  // another user, one the user may not write, or one that is not a history.
  void lisa(std::string_view rida);

 private:
  bool ava(bool loo);
  bool on_ajalugu(off_t suurus) const;
  bool loe_tagant(off_t lopp, off_t& algus, int& ridu) const;
  void loika();

  std::string nimi;  // empty: no file
  const int maht;
  int fd = -1;
  bool kirjutatav = false;
  int ridu = -1;         // lines the file has, as far as this run knows (-1: unknown)
  off_t teadaolev = -1;  // its size, as this run last left it
};

}  // namespace zemtar
