// Runs a built program as a process with given arguments and standard input, and captures
// its standard output, standard error and exit status.
#pragma once

#include <optional>
#include <string>
#include <vector>

// What goes wrong around the process, if anything.
enum hairimine {
  POLE,
  TAIS_KETAS,   // standard output is /dev/full (and not compared)
  LUGEMISVIGA,  // standard input fails, instead of ending, after the bytes of sisend
};

struct protsessi_tulemus {
  std::string valjund;
  std::string vead;
  int staatus;  // the exit status, or 1000 + the signal that ended the process
};

// With no sisend, standard input is closed.
protsessi_tulemus kaivita(const std::string& programm, const std::vector<std::string>& argumendid,
                          const std::optional<std::string>& sisend, hairimine hairitud = POLE);

// A file's bytes; none when it cannot be read.
std::string loe(const std::string& nimi);

// A file of the given bytes that is removed when the object goes.
class ajutine_fail {
 public:
  explicit ajutine_fail(const std::string& sisu);
  ~ajutine_fail();
  ajutine_fail(const ajutine_fail&) = delete;
  ajutine_fail& operator=(const ajutine_fail&) = delete;
  const std::string& nimi() const { return nimi_; }

 private:
  std::string nimi_;
};

// Runs a program on a pseudo-terminal of 200 columns, with only the environment given,
// typing each of klahvid once the program waits for it. The screen a terminal would show
// (valjund) and the exit status.
protsessi_tulemus terminalis(const std::string& programm, const std::vector<std::string>& keskkond,
                             const std::vector<std::string>& klahvid);
