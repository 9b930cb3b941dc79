// The evaluator: one line of infix arithmetic to its value, with the 25 variables a to y.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "eval/magasin.h"
#include "eval/varu.h"
#include "lexer/leksator.h"

namespace zemtar {

// What an evaluation came to: true with the value in the evaluator's tulemus, or the message
// that ended it and where in the line it arose. The evaluator prints nothing.
struct vastus {
  const char* teade = nullptr;  // a whole message line, or what an error token carried
  bool kantud = false;          // teade is a token's: written after "Viga: ", with a newline
  std::size_t koht = 0;         // bytes into the line: the symbol, the name, the operator, the end
  explicit operator bool() const { return teade == nullptr; }
};

class infiksavaldis {
 public:
  static constexpr int MUUTUJAID = 25;

  infiksavaldis() = default;
  virtual ~infiksavaldis() = default;

  // Evaluates a line; it may end in a newline. The value goes to tulemus; after a failure
  // tulemus is 0.
  vastus arvuta(std::string_view rida);

  // Evaluates avaldis and stores it in the variable named muutuja. A name without a slot is
  // refused before anything is evaluated, leaves tulemus as it was and has no place in avaldis
  // (koht is npos).
  vastus omista(char muutuja, std::string_view avaldis);

  // The value of the last successful evaluation; 0 before the first and after a failure.
  float tulemus = 0;

 private:
  int hinda(std::string_view rida);
  int loe_tehe(lekseem* t, bool parast_tehet);
  int unaarne_miinus(lekseem* t, bool parast_tehet);
  int lopeta(lekseem* t);
  int taanda(lekseem* t);
  int rakenda(lekseem* p);
  static std::int32_t prioriteet(const lekseem* t);

  lekseem* uus(lekseem sisu);
  int pane(magasin& m, lekseem* t);
  // A line's end by a message at a place in the line, and 0: once a line at most, so kept out
  // of the way of the rest.
  [[gnu::cold]] int keeldu(const char* teade, std::size_t koht, bool kantud = false);

  float vaartused[MUUTUJAID] = {};
  std::int32_t vaartustatud[MUUTUJAID] = {};
  std::int32_t ootan_arvu = 1;
  magasin arvud;
  magasin tehted;
  leksator lugeja;
  varu lekseemid;
  vastus viga;  // why the last line failed
};

}  // namespace zemtar
