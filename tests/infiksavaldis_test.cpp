#include "eval/infiksavaldis.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "ehitus.h"
#include "teated.h"
#include "valjund.h"

namespace {

using namespace std::string_literals;
using zemtar::infiksavaldis;

struct rida {
  std::string sisend;
  float tulemus;        // expected when valjund is empty
  std::string valjund;  // the message of a failed line
};

// Each line on a fresh evaluator. A failure prints one message and leaves tulemus 0.
void kontrolli(const rida* algus, const rida* lopp) {
  for (const rida* r = algus; r != lopp; ++r) {
    SCOPED_TRACE(r->sisend);
    valjund v;
    infiksavaldis a(v.voog());
    const int onnestus = a.arvuta(r->sisend);
    EXPECT_EQ(v.vota(), r->valjund);
    EXPECT_EQ(onnestus, r->valjund.empty() ? 1 : 0);
    EXPECT_EQ(a.tulemus, r->valjund.empty() ? r->tulemus : 0.0f);
  }
}

std::string sulgudes(int n, const std::string& sisu) {
  return std::string(n, '(') + sisu + std::string(n, ')');
}

TEST(Infiksavaldis, EvaluatesLines) {
  const std::string sumbol = "Viga: "s + zemtar::LUBAMATU_SUMBOL + "\n";
  const rida read[] = {
      {"8-2-1", 5, ""},
      {"2+3*4", 14, ""},
      {"(2+3)*4", 20, ""},
      {"1-2*3-4", -9, ""},
      {" 2 + 3 ", 5, ""},
      {"-3+5", 2, ""},
      {"-2*3", -6, ""},
      {"-(-3)", 3, ""},
      {"2*(-3)", -6, ""},
      {"16777216+1", 16777216, ""},
      {"100000000/3", 33333334, ""},
      {"1,5+1.5", 3, ""},
      {"1+2)", 3, ""},
      {"(1+2))", 3, ""},
      {std::string(40, '9') + "-1", std::numeric_limits<float>::infinity(), ""},
      {"1/0", 0, zemtar::JAGAMINE_NULLIGA},
      {"1/(2-2)", 0, zemtar::JAGAMINE_NULLIGA},
      {"", 0, zemtar::LOPP_ARVU_ASEMEL},
      {"\n", 0, zemtar::LOPP_ARVU_ASEMEL},
      {"3+", 0, zemtar::LOPP_ARVU_ASEMEL},
      {"(", 0, zemtar::LOPP_ARVU_ASEMEL},
      {"-", 0, zemtar::LOPP_ARVU_ASEMEL},
      {"3 4", 0, zemtar::OOTAMATU_ARV},
      {"2(3)", 0, zemtar::AVAV_SULG_TEHTE_ASEMEL},
      {"()", 0, zemtar::SULGEV_SULG_TEHTE_ASEMEL},
      {"*3", 0, zemtar::TEHE_ARVU_ASEMEL},
      {"(1+2", 0, zemtar::MAGASIN_POLE_TUHI},
      {"1)+2", 0, zemtar::MAGASIN_POLE_TUHI},
      {"a", 0, zemtar::VAARTUSTAMATA},
      {"1.2.3", 0, "Viga: "s + zemtar::LUBAMATU_KOMA + "\n"},
      {"2\t+3", 0, sumbol},
      {"z+1", 0, sumbol},
      {"2 3 \x01", 0, zemtar::OOTAMATU_ARV},
      // A unary minus right after another operator negates the operand that follows it.
      {"2*-3", -6, ""},
      {"6/-3", -2, ""},
      {"1--3", 4, ""},
      {"--3", 3, ""},
      {"3*-2*2", -12, ""},
      {"2+-3", -1, ""},
      {"2*-(1+2)", -6, ""},
      {"1-2*-3", 7, ""},
      {"1---3", -2, ""},
      {"---3", -3, ""},
      {"2/-0", 0, zemtar::JAGAMINE_NULLIGA},
      {"2*-", 0, zemtar::LOPP_ARVU_ASEMEL},
      {"2*-*3", 0, zemtar::TEHE_ARVU_ASEMEL},
  };
  kontrolli(std::begin(read), std::end(read));
}

// The stacks hold 25 tokens each; a line that needs more stops at once with the stack
// message, never with a wrong value.
TEST(Infiksavaldis, StopsAtTheStackLimit) {
  const std::string tais = "Viga: "s + zemtar::MAGASIN_TAIS + "\n";
  std::string pikk_summa = "1";
  for (int i = 0; i < 30; ++i)
    pikk_summa += "+1";
  std::string torn = "1";  // 1+(1+(1+... keeps every operand and operator waiting
  for (int i = 0; i < 30; ++i)
    torn = "1+(" + torn + ")";
  const rida read[] = {
      {sulgudes(23, "1+2"), 3, ""},
      {sulgudes(24, "1"), 1, ""},
      {sulgudes(24, "1+2"), 0, tais},
      {sulgudes(25, "1"), 0, tais},
      {std::string(100000, '('), 0, tais},
      {pikk_summa, 31, ""},
      {torn, 0, tais},
      // One binary minus and 23 negations fill the operator stack exactly.
      {"1" + std::string(24, '-') + "1", 2, ""},
      {"1" + std::string(25, '-') + "1", 0, tais},
  };
  kontrolli(std::begin(read), std::end(read));
}

// Tokens are reused, so lines of any length and any number of lines run on the same few.
TEST(Infiksavaldis, RunsLongLinesOnAFixedSupplyOfTokens) {
  const char* osad[] = {"+(2*-3)", "-1/1", "--4"};
  const float vaartused[] = {-6, -1, 4};
  std::string rida = "0";
  float oodatud = 0;
  for (int i = 0; i < 20000; ++i) {
    rida += osad[i % 3];
    oodatud += vaartused[i % 3];
  }
  valjund v;
  infiksavaldis a(v.voog());
  for (int korda = 0; korda < 3; ++korda) {
    ASSERT_EQ(a.arvuta(rida), 1);
    EXPECT_EQ(a.tulemus, oodatud);
  }
  EXPECT_EQ(v.vota(), "");
}

struct samm {
  char muutuja;  // 0: evaluate the text as a line instead of assigning it
  std::string tekst;
  int onnestub;
  float tulemus;
  std::string valjund;
};

void kaivita(const std::initializer_list<samm>& sammud) {
  valjund v;
  infiksavaldis a(v.voog());
  for (const samm& s : sammud) {
    SCOPED_TRACE(std::string(1, s.muutuja) + "=" + s.tekst);
    const int onnestus = s.muutuja ? a.omista(s.muutuja, s.tekst) : a.arvuta(s.tekst);
    EXPECT_EQ(onnestus, s.onnestub);
    EXPECT_EQ(a.tulemus, s.tulemus);
    EXPECT_EQ(v.vota(), s.valjund);
  }
}

// One evaluator over many lines: variables persist, failures reset nothing but tulemus.
TEST(Infiksavaldis, KeepsVariablesFromLineToLine) {
  kaivita({
      {0, "(((1+2", 0, 0, zemtar::MAGASIN_POLE_TUHI},
      {'a', "5", 1, 5, ""},
      {0, "a*2", 1, 10, ""},
      {'a', "a+1", 1, 6, ""},
      {0, "a", 1, 6, ""},
      {'b', "b+1", 0, 0, zemtar::VAARTUSTAMATA},
      {0, "b", 0, 0, zemtar::VAARTUSTAMATA},
      {'a', "1/0", 0, 0, zemtar::JAGAMINE_NULLIGA},
      {0, "a", 1, 6, ""},
      {'y', "7", 1, 7, ""},
      {0, "y-a", 1, 1, ""},
      // A refused name evaluates nothing (the error in the text goes unreported) and leaves
      // tulemus as it was.
      {'1', "1/0", 0, 1, zemtar::LUBAMATU_MUUTUJANIMI},
      {'z', "1", 0, 1, zemtar::LUBAMATU_MUUTUJANIMI},
      {'Z', "1", 0, 1, zemtar::LUBAMATU_MUUTUJANIMI},
      {'=', "1", 0, 1, zemtar::LUBAMATU_MUUTUJANIMI},
      {'\xE4', "1", 0, 1, zemtar::LUBAMATU_MUUTUJANIMI},
      {0, "a+y", 1, 13, ""},
      {'d', "a*10", 1, 60, ""},
      {'a', "3", 1, 3, ""},
      {0, "d", 1, 60, ""},  // the value was copied when it was read
  });
}

}  // namespace
