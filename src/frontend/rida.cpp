#include "frontend/rida.h"

#include <cstring>

#include "frontend/ehitus.h"
#include "teated.h"

namespace zemtar {

namespace {

// The help text: the program's head and tail around what both programs say.
void juhised(kirjutaja valja) {
  valja.tekst(JUHISTE_ALGUS);
  for (const char* kirje : JUHISED_KESK)
    valja.tekst(kirje);
  valja.tekst(JUHISTE_LOPP);
}

// White space as the C library knows it.
constexpr std::string_view TYHIMARGID = " \t\n\v\f\r";

// "name = expression": the name is the first character that is not white space and the next
// one after it must be the line's first "="; the expression is everything after that "=",
// white space at its ends removed, blanks and tabs inside it kept for the lexer.
void omistus(infiksavaldis& avaldis, std::string_view rida, std::size_t vordus, kirjutaja valja) {
  const std::size_t nimi = rida.find_first_not_of(TYHIMARGID);
  if (rida.find_first_not_of(TYHIMARGID, nimi + 1) != vordus) {
    valja.tekst(LUBAMATU_MUUTUJANIMI);
    return;
  }
  std::string_view tekst = rida.substr(vordus + 1);
  const std::size_t algus = tekst.find_first_not_of(TYHIMARGID);
  tekst = algus == std::string_view::npos
              ? std::string_view()
              : tekst.substr(algus, tekst.find_last_not_of(TYHIMARGID) - algus + 1);
  if (!avaldis.omista(rida[nimi], tekst)) return;
  char sonad[sizeof MUUTUJA_VAARTUS];
  std::memcpy(sonad, MUUTUJA_VAARTUS, sizeof sonad);
  sonad[MUUTUJA_NIME_KOHT] = rida[nimi];  // the name as typed, a capital too
  kuva_tulemus(valja, {sonad, sizeof sonad - 1}, avaldis.tulemus);
}

}  // namespace

tootluse_tulemus tootle_rida(infiksavaldis& avaldis, std::string_view rida, bool votmesonad,
                             kirjutaja valja) {
  if (votmesonad) {
    // "valju" is looked for first, so a line with both words ends the run.
    if (rida.find(VOTI_VALJU) != std::string_view::npos) return LOPETA;
    if (rida.find(VOTI_ABI) != std::string_view::npos) {
      juhised(valja);
      return JATKA;
    }
  }
  const std::size_t vordus = rida.find('=');
  if (vordus != std::string_view::npos) {
    omistus(avaldis, rida, vordus, valja);
  } else if (avaldis.arvuta(rida)) {
    kuva_tulemus(valja, AVALDISE_VAARTUS, avaldis.tulemus);
  }
  return JATKA;
}

}  // namespace zemtar
