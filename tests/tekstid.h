// Texts the tests put together or take apart: an error token's message line, repeated text,
// a program's name for each '@', and a table row "text = value".
#pragma once

#include <string>
#include <utility>

#include "teated.h"

inline std::string viga(const char* teade) {
  return std::string(zemtar::VIGA_EES) + teade + "\n";
}

inline std::string korda(const std::string& tekst, std::size_t kordi) {
  std::string s;
  while (kordi-- > 0)
    s += tekst;
  return s;
}

inline std::string asenda(std::string tekst, const std::string& nimi) {
  for (std::size_t koht; (koht = tekst.find('@')) != std::string::npos;)
    tekst.replace(koht, 1, nimi);
  return tekst;
}

inline std::pair<std::string, std::string> jaga(const std::string& rida) {
  const std::size_t koht = rida.rfind(" = ");
  return {rida.substr(0, koht), rida.substr(koht + 3)};
}
