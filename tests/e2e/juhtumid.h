// Tables of end-to-end cases: which program, its arguments, script and standard input, and the
// output and exit status expected. Shared by the end-to-end test files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "e2e/protsess.h"

enum kellele { ROOMA = 1, LIHTNE = 2, MOLEMAD = 3 };

struct juhtum {
  int kellele;
  std::vector<std::string> argumendid;  // "{skript}" stands for the script file's name
  std::optional<std::string> skript;    // the script file's bytes
  std::optional<std::string> sisend;    // standard input; none: closed
  std::string valjund;                  // expected after the banner
  int staatus;
  std::string vead = "";  // expected on standard error; each '@' is the program's name
  hairimine hairitud = POLE;
};

inline const std::string PEALKIRI = "Infiksavaldiste kalkulaator\nAutor: Karask\n";
inline const std::string TERVITUS = "V\xE4ljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n";
inline const std::string AV = "Avaldise v\xE4\xE4rtus=";
inline std::string mv(char muutuja) {
  return std::string("Muutuja ") + muutuja + " v\xE4\xE4rtus=";
}

inline const std::string EI_FAILI = "Viga: Ei suuda avada faili!\n";
inline const std::string LOPP = "Viga: Avaldise l\x93pp arvu asemel!\n";
inline const std::string NIMI = "Viga: Lubamatu muutujanimi!\n";
inline const std::string SUMBOL = "Viga: Lubamatu s\x81mbol real!\n";
inline const std::string VAARTUSTAMATA = "Viga: Muutuja v\xE4\xE4rtustamata!\n";
inline const std::string EI_ROOMA = "Viga: Tulemust ei saa rooma numbrina esitada!\n";

// Runs every case with each program it names, in a UTF-8 locale: standard output and standard
// error byte for byte, and the exit status as the process reports it (the low eight bits).
void kontrolli(const std::vector<juhtum>& juhtumid);
