// The evaluator: one line of infix arithmetic to its value, with the 25 variables a to y.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "eval/magasin.h"
#include "eval/varu.h"
#include "lexer/leksator.h"
#include "output/kirjutaja.h"

namespace zemtar {

class infiksavaldis {
 public:
  static constexpr int MUUTUJAID = 25;

  // Messages go to valja.
  explicit infiksavaldis(kirjutaja valja = stdout);
  virtual ~infiksavaldis() = default;

  // Evaluates a line; it may end in a newline. 1 with the value in tulemus, or 0 after one
  // message has been printed, with tulemus 0.
  int arvuta(std::string_view rida);

  // Evaluates avaldis and stores it in the variable named muutuja. A name without a slot is
  // refused before anything is evaluated, and leaves tulemus as it was.
  int omista(char muutuja, std::string_view avaldis);

  // The value of the last successful evaluation; 0 before the first and after a failure.
  float tulemus = 0;

 private:
  int loe_tehe(lekseem* t, bool parast_tehet);
  int unaarne_miinus(lekseem* t, bool parast_tehet);
  int lopeta(lekseem* t);
  int taanda(lekseem* t);
  int rakenda(lekseem* p);
  static std::int32_t prioriteet(const lekseem* t);

  lekseem* uus(lekseem sisu);
  int pane(magasin& m, lekseem* t);
  // A line's end by a message, and 0: once a line at most, so kept out of the way of the
  // rest. prindi_teade prints a whole fixed message as it is; prindi_viga prints "Viga: ",
  // the message an error token carries, and a newline.
  [[gnu::cold]] int prindi_teade(const char* teade);
  [[gnu::cold]] int prindi_viga(const char* teade);

  float vaartused[MUUTUJAID] = {};
  std::int32_t vaartustatud[MUUTUJAID] = {};
  std::int32_t ootan_arvu = 1;
  magasin arvud;
  magasin tehted;
  leksator lugeja;
  varu lekseemid;
  kirjutaja valja;
};

}  // namespace zemtar
