#include "frontend/kaivitus.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "frontend/vead.h"
#include "lexer/ehitus.h"
#include "teated.h"

namespace zemtar {

namespace {

// White space as the C library knows it.
constexpr std::string_view TYHIMARGID = " \t\n\v\f\r";

// Letters M for the thousands of a Roman numeral, written a piece at a time.
constexpr auto TUHANDED = [] {
  std::array<char, 1024> m{};
  for (char& c : m)
    c = 'M';
  return m;
}();

}  // namespace

kaivitus::kaivitus(std::FILE* voog, tahestik tahed, bool terminal, viis v, bool rida_naha)
    : valja_(voog, tahed, terminal, terminal ? nullptr : &kogu),
      viis_(v),
      osutab(terminal && rida_naha) {}

tootluse_tulemus kaivitus::rida(std::string_view rida) {
  kaja(rida);
  if (viis_ == KASUREALT) {
    const std::size_t reavahetus = rida.find('\n');
    if (reavahetus != std::string_view::npos && reavahetus + 1 < rida.size()) {
      teata(rida, {LUBAMATU_SUMBOL, true, reavahetus + 1});
      return JATKA;
    }
  }
  return tootle_rida(rida);
}

void kaivitus::kaja(std::string_view rida) {
  if (viis_ == KLAVIATUURILT) return;
  valja_.baidid(':');
  valja_.kaja(rida);
  if (viis_ == KASUREALT) {
    valja_.baidid(" \n");
  } else if (rida.empty() || rida.back() != '\n') {
    // A last line without a newline still leaves its result on a line of its own.
    valja_.baidid('\n');
  }
}

tootluse_tulemus kaivitus::tootle_rida(std::string_view rida) {
  if (viis_ == KLAVIATUURILT) {
    // "valju" is looked for first, so a line with both words ends the run.
    if (rida.find(VOTI_VALJU) != std::string_view::npos) return LOPETA;
    if (rida.find(VOTI_ABI) != std::string_view::npos) {
      valja_.tekst(JUHISTE_ALGUS);
      for (const char* kirje : JUHISED_KESK)
        valja_.tekst(kirje);
      valja_.tekst(JUHISTE_LOPP);
      return JATKA;
    }
  }
  const std::size_t vordus = rida.find('=');
  if (vordus != std::string_view::npos) {
    omistus(rida, vordus);
  } else if (const vastus v = avaldis_.arvuta(rida)) {
    kuva_tulemus(AVALDISE_VAARTUS);
  } else {
    teata(rida, v);
  }
  return JATKA;
}

// "name = expression": the name is the first character that is not white space and the next
// one after it must be the line's first "="; the expression is everything after that "=",
// white space at its ends removed, blanks and tabs inside it kept for the lexer.
void kaivitus::omistus(std::string_view rida, std::size_t vordus) {
  const std::size_t nimi = rida.find_first_not_of(TYHIMARGID);
  if (rida.find_first_not_of(TYHIMARGID, nimi + 1) != vordus) {
    teata(rida, {LUBAMATU_MUUTUJANIMI, false, nimi});
    return;
  }
  std::string_view tekst = rida.substr(vordus + 1);
  std::size_t koht = vordus + 1;  // where the expression begins in the line
  const std::size_t algus = tekst.find_first_not_of(TYHIMARGID);
  if (algus == std::string_view::npos) {
    tekst = {};
  } else {
    koht += algus;
    tekst = tekst.substr(algus, tekst.find_last_not_of(TYHIMARGID) - algus + 1);
  }
  vastus v = avaldis_.omista(rida[nimi], tekst);
  if (!v) {
    v.koht = v.koht == std::string_view::npos ? nimi : koht + v.koht;
    teata(rida, v);
    return;
  }
  char sonad[sizeof MUUTUJA_VAARTUS];
  std::memcpy(sonad, MUUTUJA_VAARTUS, sizeof sonad);
  sonad[MUUTUJA_NIME_KOHT] = rida[nimi];  // the name as typed, a capital too
  kuva_tulemus({sonad, sizeof sonad - 1});
}

// The words, then the value as this program writes it.
void kaivitus::kuva_tulemus(std::string_view sonad) {
  const tulemuse_kuju k = kuju(avaldis_.tulemus);
  if (k.esitamatu != nullptr) {
    valja_.tekst(k.esitamatu);
    return;
  }
  valja_.tekst(sonad);
  if (k.tuhandeid == 0) {
    valja_.baidid({k.tekst, k.pikkus});
    return;
  }
  valja_.baidid({k.tekst, k.ees});
  for (std::size_t m = k.tuhandeid; m > 0;) {
    const std::size_t n = std::min(m, TUHANDED.size());
    valja_.baidid({TUHANDED.data(), n});
    m -= n;
  }
  valja_.baidid({k.tekst + k.ees, k.pikkus - k.ees});
}

void kaivitus::teata(std::string_view rida, const vastus& v) {
  if (osutab) valja_.osuti(rida, v.koht);
  if (v.kantud) {
    valja_.viga(v.teade);
  } else {
    valja_.tekst(v.teade);
  }
}

bool kaivitus::loe_juurde(ridade_lugeja& lugeja, std::string_view& rida) {
  do {
    if (lugeja.lopetus() != ridade_lugeja::LOEB) return false;
    enne_lugemist(lugeja.ootaks());
    lugeja.loe_juurde();
  } while (!lugeja.anna(rida));
  return true;
}

bool kaivitus::loe(klaviatuur& lugeja, std::string_view& rida) {
  if (lugeja.toimetab()) {
    enne_lugemist(true);
    return lugeja.loe_toimetades(VIIP, rida);
  }
  valja_.tekst(VIIP);
  return loe(lugeja.lugeja(), rida);
}

void kaivitus::ootan_rida() {
  valja_.tekst(VIIP);
  enne_lugemist(true);
}

// Nothing is held back while the program waits for input.
void kaivitus::enne_lugemist(bool ootab) {
  if (ootab) valja_.saada();
}

int kaivitus::staatus() const {
  const float tulemus = avaldis_.tulemus;
  if (std::isnan(tulemus)) return 0;
  if (tulemus >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  if (tulemus <= -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
  return static_cast<int>(tulemus);
}

int kaivitus::loobu(const char* mis, int pohjus, const char* skript) {
  hada = mis;
  hada_skript = skript;
  hada_pohjus = pohjus;
  return HADA;
}

int kaivitus::lopeta(int staatus) {
  valja_.saada();
  if (hada != nullptr || hada_skript != nullptr) teata_hadast(hada, hada_pohjus, hada_skript);
  if (!valja_.korras()) {
    teata_hadast(VALJUND_EI_KIRJUTA, valja_.pohjus());
    return HADA;
  }
  return staatus;
}

}  // namespace zemtar
