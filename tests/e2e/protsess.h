// Runs the built programs as processes (ZEMTAR_WINDOWS, ZEMTAR_VEEB, ZEMTAR_KAUST: the .exe, .js
// or other machine's files in that folder), through ZEMTAR_EEL if set, and checks tables of runs.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tekstid.h"

// Where standard input and output lead, if not to sisend's file and a pipe.
enum kuhu {
  FAILID,
  TAIS_KETAS,   // output is /dev/full
  LUGEMISVIGA,  // input fails, instead of ending, after sisend's bytes
  TORUD,        // keys are typed into a pipe
  TERMINAL,     // a pseudo-terminal of 200 columns for both
  MALUPIIR,     // as FAILID, with 32 MiB of address space (not under a sanitizer or valgrind)
  ISE,          // as FAILID, output appended (1 MiB at most) to sisend's file: valjund its gain
};

struct protsessi_tulemus {
  std::string valjund, vead;  // at a terminal, valjund is the screen it shows
  int staatus;                // the exit status, or 1000 + the signal that ended the process
};

// With no sisend, standard input is closed; "{f}" among the arguments is a file of its bytes.
// Each key is typed once the program waits for it; an empty key sends SIGTERM instead. Only the
// environment given, if any.
protsessi_tulemus kaivita(const std::string& programm, std::vector<std::string> argumendid,
                          const std::optional<std::string>& sisend, kuhu k = FAILID,
                          const std::vector<std::string>& klahvid = {},
                          std::vector<std::string> keskkond = {});

// The line ends as the programs write them: CR LF for Windows.
inline std::string reavahetused(const std::string& tekst) {
  return std::getenv("ZEMTAR_WINDOWS") ? asenda(tekst, "\r\n", '\n') : tekst;
}

std::string ajutine_kaust();               // a new empty folder under the temporary one
std::string loe(const std::string& nimi);  // a file's bytes; none when it cannot be read

enum kellele { ROOMA = 1, LIHTNE = 2, MOLEMAD = 3 };

struct juhtum {
  int kellele;
  std::vector<std::string> argumendid;
  std::optional<std::string> sisend;
  std::string valjund;  // after the banner
  int staatus;
  std::string vead = "";  // each '@' is the program's name
  kuhu k = FAILID;
  std::vector<std::string> klahvid = {};  // typed as kaivita types them
};

// Runs every case with each program it names, in a UTF-8 locale: standard output and error byte
// for byte, and the exit status as the shell sees it.
void kontrolli(const std::vector<juhtum>& juhtumid);
