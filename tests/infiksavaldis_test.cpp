// The evaluator and its lexer, the same in both programs: precedence, unary minus, numbers,
// each message, and the stacks' limits; and a stack on its own.
#include "arvutus.h"
#include "ehitus.h"
#include "eval/magasin.h"
#include "tekstid.h"

namespace {

using namespace std::string_literals;
using namespace zemtar;

std::string sulgudes(int n, const std::string& sisu) {
  return std::string(n, '(') + sisu + std::string(n, ')');
}

TEST(Infiksavaldis, EvaluatesLines) {
  vaartused({"8-2-1 = 5", "2+3*4 = 14", "(2+3)*4 = 20", "1-2*3-4 = -9", " 2 + 3  = 5", "1+2) = 3",
             "(1+2)) = 3", "16777216+1 = 16777216", "100000000/3 = 33333334", "1\n+ = 1"});
  // A minus at the start or after '(' subtracts from 0; right after another operator it
  // negates the operand that follows, before that operator is applied.
  vaartused({"-3+5 = 2", "-2*3 = -6", "-(-3) = 3", "--3 = 3", "---3 = -3", "2*-3 = -6", "6/-3 = -2",
             "8/-2/2 = -2", "8/-2*2 = -8", "3*-2*2 = -12", "1--3 = 4", "1---3 = -2", "2+-3 = -1",
             "2*-(1+2) = -6", "1-2*-3 = 7"});
  // Numbers: a point or a comma; up to seven digits eight bytes at a time, longer ones and
  // those at the end of a line of eight bytes or more digit by digit, as a float after each.
  vaartused({"1,5+1.5 = 3", "0.125 = 0.125", ".5 = 0.5", "5. = 5", ". = 0", ", = 0",
             "123456789 = 123456792", "167772175 = 167772160", "1234567 = 1234567",
             "12345678 = 12345678", "1234.567 = 1234.567", "1234.5678 = 1234.5678",
             "12345.67 = 12345.67", "123.4567 = 123.4567", "12.34567 = 12.34567",
             "1.234567 = 1.234567", "1677.7217 = 1677.7216"});
  vaartused({",1234567 = 0.1234567", "1+1+1+1234567 = 1234570", "1+1+1+12345678 = 12345681",
             "1+1+1+1+1+12 = 17", "1+1+1+1+1+12\n = 17", "1+1+1+1+5. = 9", "1+1+1+1+.5 = 4.5",
             "1+1+1+1,5\n = 4.5", "1+1+1+1+5.+1 = 10"});
  vaartused({"0." + std::string(21, '0') + "1 = 1e-22", "0." + std::string(22, '0') + "1 = 1e-23",
             std::string(40, '9') + "-1 = inf", "0." + std::string(50, '0') + "1 = 0"});
  // The stacks hold 25 tokens each, and a line that needs more stops at once; tokens are
  // reused, so a line of any length runs on a few.
  vaartused({sulgudes(23, "1+2") + " = 3", sulgudes(24, "1") + " = 1",
             "1" + korda("+1", 30) + " = 31", "1" + std::string(24, '-') + "1 = 2",
             "1" + korda("+(2*-1)", 100) + " = -199"});
  vead(viga(MAGASIN_TAIS),
       {sulgudes(24, "1+2"), sulgudes(25, "1"), korda("1+(", 30) + "1" + std::string(30, ')'),
        "1" + std::string(25, '-') + "1"});
  vead(JAGAMINE_NULLIGA, {"1/0", "1/(2-2)", "2/-0"});
  vead(LOPP_ARVU_ASEMEL, {"", "\n", "3+", "(", "-", "2*-"});
  vead(OOTAMATU_ARV, {"3 4", "2 3 \x01"});
  vead(OOTAMATU_MUUTUJA, {"1 a"});
  vead(VAARTUSTAMATA, {"a"});
  vead(AVAV_SULG_TEHTE_ASEMEL, {"2(3)"});
  vead(SULGEV_SULG_TEHTE_ASEMEL, {"()"});
  vead(TEHE_ARVU_ASEMEL, {"*3", "2*-*3"});
  vead(MAGASIN_POLE_TUHI, {"(1+2", "1)+2"});
  vead(viga(LUBAMATU_SUMBOL), {"2\t+3", "z+1", "2=3", "1\r\n", "1\0+2"s});
  vead(viga(LUBAMATU_KOMA), {"1.2.3", "1,,2", "12.5,5", "1+1+1+1.2.3"});
  // However the text is cut, nothing past its end is read.
  arvuta(std::string_view("79", 1), 7);
  arvuta(std::string_view("1+1+1+1234", 8), 15);
  arvuta(std::string_view("1+1+1+12345678", 10), 1237);
  arvuta(std::string_view("1+1+12345.75", 10), 12347);
}

// A push onto a full stack stores nothing and marks the token; a pop from an empty stack
// answers an error token made afresh each time.
TEST(Magasin, RefusesAPushWhenFullAndAPopWhenEmpty) {
  magasin m;
  lekseem t[magasin::MAHT + 1];
  for (lekseem& x : t)
    m.pane(&(x = lekseem::arv(1)));
  EXPECT_STREQ(t[magasin::MAHT].teade(), MAGASIN_TAIS);
  for (int i = magasin::MAHT - 1; i >= 0; --i)
    EXPECT_EQ(m.vota(), &t[i]);
  for (int kord = 0; kord < 2; ++kord) {
    lekseem* tuhi = m.vota();
    EXPECT_STREQ(tuhi->teade(), MAGASIN_TUHI);
    *tuhi = lekseem::arv(1);
  }
}

}  // namespace
