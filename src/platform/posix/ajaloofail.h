// The history file at a path: the user's own file, read from its end, added to a line at a time
// and cut back in place, under a lock that nobody can make a line wait for.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace zemtar {

class ajaloofail {
 public:
  // The file the path leads to (an empty path: none), which keeps its last maht lines and is cut
  // back to them once it has more than twice as many. Why a line is not kept is told to teata,
  // a line for standard error, once in a run.
  ajaloofail(std::string nimi, int maht, void (*teata)(const char* mis));
  virtual ~ajaloofail() = default;
  ajaloofail(const ajaloofail&) = delete;
  ajaloofail& operator=(const ajaloofail&) = delete;

  // The last lines, oldest first, read from the end of the file however long it is.
  std::vector<std::string> loe();

  // Adds a line (without its newline) at the end of the file, made with its folders for the
  // user alone when it is missing; only while it is the user's own file that its mode lets the
  // owner write. A write cut short is undone.
  void lisa(std::string_view rida);

 private:
  int ava(int kuidas, int lukk, const char* lukus, off_t& suurus);
  bool tee_kaustad();
  void teata_kord(const char* mis);

  std::string nimi;  // empty: no history
  const int maht;
  void (*const teata)(const char* mis);
  bool teatatud = false;
};

}  // namespace zemtar
