// Operator precedence in one left-to-right pass over two stacks: operands on arvud,
// operators and open parentheses on tehted. The line gets an opening parenthesis of its own,
// which its end closes like a ')'. An arriving operator first applies every stacked operator
// of equal or higher precedence, which makes all four left-associative; a ')' applies them
// back to its '(' and removes it. A unary minus is 0 - operand: at the start or after '(' it
// is an ordinary minus after a pushed 0; right after another operator it is stacked at once
// with the highest precedence, so it binds to the operand that follows it.
#include "eval/infiksavaldis.h"

#include <array>

#include "lexer/ehitus.h"
#include "teated.h"

namespace zemtar {

namespace {

enum class tehtemark : char {
  AVA = '(',
  SULGE = ')',
  PLUSS = '+',
  MIINUS = '-',
  KORDA = '*',
  JAGA = '/',
  VASTAND = '~',  // a unary minus right after another operator; the lexer never makes it
};

tehtemark tehtemargina(const lekseem* t) {
  return static_cast<tehtemark>(t->mark());
}

// The precedence of each operator, -1 for any other mark.
constexpr std::int32_t margi_prioriteet(tehtemark mark) {
  switch (mark) {
    case tehtemark::AVA:
      return 0;
    case tehtemark::SULGE:
      return 1;
    case tehtemark::PLUSS:
    case tehtemark::MIINUS:
      return 2;
    case tehtemark::KORDA:
    case tehtemark::JAGA:
      return 3;
    case tehtemark::VASTAND:
      return 4;
  }
  return -1;
}

// The same as a table by mark, filled from the switch while compiling. Precedence is asked
// for at every operator, and a look-up costs a few cycles where the switch's jump through a
// table of addresses is mispredicted whenever the operator changes.
constexpr auto PRIORITEEDID = [] {
  std::array<std::int32_t, 256> tabel{};
  for (std::size_t mark = 0; mark < tabel.size(); ++mark)
    tabel[mark] = margi_prioriteet(static_cast<tehtemark>(mark));
  return tabel;
}();

}  // namespace

vastus infiksavaldis::arvuta(std::string_view rida) {
  if (hinda(rida)) return {};
  return viga;
}

int infiksavaldis::hinda(std::string_view rida) {
  lugeja.sea_rida(rida);
  arvud.tyhjenda();
  tehted.tyhjenda();
  lekseemid.tyhjenda();
  ootan_arvu = 1;
  tulemus = 0;

  if (!pane(tehted, uus(lekseem::tehe('(')))) return 0;

  bool parast_tehet = false;
  for (;;) {
    lekseem* t = uus(lugeja.jargmine());
    const bool on_tehe = t->liik == TEHE && t->mark() != '(' && t->mark() != ')';
    switch (t->liik) {
      case ARV:
        if (ootan_arvu == 0) return keeldu(OOTAMATU_ARV, t->koht);
        if (!pane(arvud, t)) return 0;
        ootan_arvu = 0;
        break;
      case MUUTUJA: {
        if (ootan_arvu == 0) return keeldu(OOTAMATU_MUUTUJA, t->koht);
        const int i = t->mark() - 'a';
        if (i < 0 || i >= MUUTUJAID || vaartustatud[i] == 0) {
          return keeldu(VAARTUSTAMATA, t->koht);
        }
        // The value is copied now: a later assignment does not change this line.
        *t = lekseem::arv(vaartused[i]);
        if (!pane(arvud, t)) return 0;
        ootan_arvu = 0;
        break;
      }
      case TEHE:
        if (!loe_tehe(t, parast_tehet)) return 0;
        break;
      case VIGA:
        return keeldu(t->teade(), t->koht, true);
      case LOPP:
        return lopeta(t);
    }
    parast_tehet = on_tehe;
  }
}

vastus infiksavaldis::omista(char muutuja, std::string_view avaldis) {
  const int i = muutuja_indeks(static_cast<unsigned char>(muutuja));
  if (i < 0) return {LUBAMATU_MUUTUJANIMI, false, std::string_view::npos};
  const vastus v = arvuta(avaldis);
  if (v) {
    vaartused[i] = tulemus;
    vaartustatud[i] = 1;
  }
  return v;
}

int infiksavaldis::loe_tehe(lekseem* t, bool parast_tehet) {
  switch (tehtemargina(t)) {
    case tehtemark::AVA:
      if (ootan_arvu == 0) return keeldu(AVAV_SULG_TEHTE_ASEMEL, t->koht);
      return pane(tehted, t);
    case tehtemark::SULGE:
      if (ootan_arvu == 1) return keeldu(SULGEV_SULG_TEHTE_ASEMEL, t->koht);
      return taanda(t);
    case tehtemark::MIINUS:
      if (ootan_arvu == 1) return unaarne_miinus(t, parast_tehet);
      break;
    case tehtemark::PLUSS:
    case tehtemark::KORDA:
    case tehtemark::JAGA:
    case tehtemark::VASTAND:
      if (ootan_arvu == 1) return keeldu(TEHE_ARVU_ASEMEL, t->koht);
      break;
  }
  ootan_arvu = 1;
  return taanda(t);
}

int infiksavaldis::unaarne_miinus(lekseem* t, bool parast_tehet) {
  if (!pane(arvud, uus(lekseem::arv(0)))) return 0;
  if (!parast_tehet) return taanda(t);
  // The operator before it still waits for its operand, so this minus reduces nothing now.
  t->lisa = static_cast<char>(tehtemark::VASTAND);
  return pane(tehted, t);
}

int infiksavaldis::lopeta(lekseem* t) {
  const std::size_t lopp = t->koht;
  if (ootan_arvu == 1) return keeldu(LOPP_ARVU_ASEMEL, lopp);
  t->liik = TEHE;
  t->lisa = ')';
  if (!taanda(t)) return 0;
  lekseem* r = arvud.vota();
  if (r->liik != ARV) return keeldu(r->teade(), lopp, true);
  if (arvud.tyhi() == 0 || tehted.tyhi() == 0) return keeldu(MAGASIN_POLE_TYHI, lopp);
  tulemus = r->vaartus;
  lekseemid.tagasi(r);
  return 1;
}

int infiksavaldis::taanda(lekseem* t) {
  const std::int32_t oma = prioriteet(t);
  for (;;) {
    lekseem* p = tehted.vota();
    if (p->liik == TEHE && prioriteet(p) >= oma) {
      if (!rakenda(p)) return 0;
      continue;
    }
    if (p->liik == TEHE && tehtemargina(t) != tehtemark::SULGE) {
      tehted.pane(p);
      return pane(tehted, t);
    }
    // A ')' and the '(' that stopped it are both used up. An operator that found the
    // stack empty (after a surplus ')') is dropped.
    if (p->liik == TEHE) lekseemid.tagasi(p);
    lekseemid.tagasi(t);
    return 1;
  }
}

int infiksavaldis::rakenda(lekseem* p) {
  lekseem* y = arvud.vota();
  lekseem* x = arvud.vota();
  if (x->liik != ARV || y->liik != ARV) return keeldu(MAGASIN_TYHI, p->koht, true);
  float v = 0;
  switch (tehtemargina(p)) {
    case tehtemark::PLUSS:
      v = x->vaartus + y->vaartus;
      break;
    case tehtemark::MIINUS:
    case tehtemark::VASTAND:
      v = x->vaartus - y->vaartus;
      break;
    case tehtemark::KORDA:
      v = x->vaartus * y->vaartus;
      break;
    case tehtemark::JAGA:
      // Only a zero divisor is refused (-0 too); overflow gives an infinity that passes on.
      if (y->vaartus == 0) return keeldu(JAGAMINE_NULLIGA, p->koht);
      v = x->vaartus / y->vaartus;
      break;
    case tehtemark::AVA:
    case tehtemark::SULGE:
      // Never stacked above an operator's precedence, so never applied.
      return keeldu(MAGASIN_POLE_TYHI, p->koht);
  }
  lekseemid.tagasi(x);
  lekseemid.tagasi(y);
  *p = lekseem::arv(v);
  arvud.pane(p);
  return 1;
}

std::int32_t infiksavaldis::prioriteet(const lekseem* t) {
  if (t->liik != TEHE) return -1;
  return PRIORITEEDID[static_cast<unsigned char>(t->mark())];
}

lekseem* infiksavaldis::uus(lekseem sisu) {
  lekseem* t = lekseemid.anna();
  *t = sisu;
  return t;
}

int infiksavaldis::pane(magasin& m, lekseem* t) {
  m.pane(t);
  if (t->liik == VIGA) return keeldu(t->teade(), t->koht, true);
  return 1;
}

int infiksavaldis::keeldu(const char* teade, std::size_t koht, bool kantud) {
  viga = {teade, kantud, koht};
  return 0;
}

}  // namespace zemtar
