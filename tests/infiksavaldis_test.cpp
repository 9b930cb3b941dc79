// The evaluator and its lexer, the same in both programs: values, the stacks' limits and each
// message; and an empty stack.
#include "arvutus.h"
#include "eval/magasin.h"

namespace {

using namespace std::string_literals;

std::string sulgudes(int n, const std::string& sisu) {
  return std::string(n, '(') + sisu + std::string(n, ')');
}

// Precedence; a minus at the start or after '(' subtracts from 0, right after another operator
// it negates the operand that follows, before that operator is applied; a point or a comma, and
// the float nearest the value, to even on a tie, however many digits. Nothing past the text's
// end is read, however it is cut.
TEST(Infiksavaldis, Values) {
  vaartused({"8-2-1 = 5", "2+3*4 = 14", "1-2*3-4 = -9", "(2+3)*4 = 20", " 2 + 3  = 5", "(1+2)) = 3",
             "16777216+1 = 16777216", "100000000/3 = 33333334", "1\n+ = 1", "-3+5 = 2", "-(-3) = 3",
             "---3 = -3", "8/-2/2 = -2", "8/-2*2 = -8", "1---3 = -2", "2*-(1+2) = -6",
             "1-2*-3 = 7"});
  vaartused({"1,5+1.5 = 3", ".5 = 0.5", "5. = 5", ". = 0", "123456789 = 123456792",
             "1677.7217 = 1677.7217", "16777217 = 16777216", "16777219 = 16777220",
             "16777217.000000000000000000001 = 16777218", "0." + std::string(21, '0') + "1 = 1e-22",
             std::string(40, '9') + "-1 = inf", "0." + std::string(50, '0') + "1 = 0"});
  arvuta(std::string_view("12.5", 3), 12);
}

// The stacks hold 25 tokens each, and a line that needs more stops at once; tokens are reused,
// so a line of any length runs on a few (with assertions on, the supply's bound is checked).
TEST(Infiksavaldis, Limits) {
  vaartused({sulgudes(23, "1+2") + " = 3", sulgudes(24, "1") + " = 1",
             "1" + korda("+1", 30) + " = 31", "1" + std::string(24, '-') + "1 = 2",
             "1" + korda("+(2*-1)", 100) + " = -199"});
  vead(tekst::TAIS,
       {sulgudes(24, "1+2"), sulgudes(25, "1"), korda("1+(", 30) + "1" + std::string(30, ')'),
        "1" + std::string(25, '-') + "1"});
}

TEST(Infiksavaldis, Messages) {
  vead(tekst::LOPP, {"", "\n", "3+", "(", "-", "2*-"});
  vead(tekst::OOTAMATU_ARV, {"3 4", "2 3 \x01"});
  vead(tekst::OOTAMATU_MUUTUJA, {"1 a"});
  vead(tekst::VAARTUSTAMATA, {"a"});
  vead(tekst::AVAV_SULG, {"2(3)"});
  vead(tekst::SULGEV_SULG, {"()"});
  vead(tekst::TEHE, {"*3", "2*-*3"});
  vead(tekst::POLE_TYHI, {"(1+2", "1)+2"});
  vead(tekst::SUMBOL, {"2\t+3", "z+1", "2=3", "1\r\n", "1\0+2"s});
  vead(tekst::KOMA, {"1.2.3", "1,,2", "12.5,5"});
}

// Where a line fails, for a caret under it: the symbol, the name, the operator that divides by
// zero (applied later), a push that finds the stack full, or the end.
TEST(Infiksavaldis, PointsWhereTheLineFails) {
  for (const auto& [rida, osuti] : {std::pair{"2+%3"s, "  ^"},
                                    {"1 a", "  ^"},
                                    {"3  4", "   ^"},
                                    {" x", " ^"},
                                    {"2 (3)", "  ^"},
                                    {"( )", "  ^"},
                                    {"1+*3", "  ^"},
                                    {"3+ \n", "   ^"},
                                    {"(1+2", "    ^"},
                                    {"1,,2", "^"},
                                    {"8/(2-2)+1", " ^"},
                                    {"1-(2/0)", "    ^"},
                                    {sulgudes(25, "1"), "                        ^"}})
    EXPECT_EQ(zemtar::infiksavaldis().arvuta(rida).koht, std::string(osuti).size() - 1) << rida;
}

// A pop from an empty stack answers an error token, made afresh each time (a full stack's is
// the lines' above).
TEST(Magasin, AnswersAPopWhenEmptyWithAnError) {
  zemtar::magasin m;
  for (int kord = 0; kord < 2; ++kord) {
    zemtar::lekseem* tyhi = m.vota();
    EXPECT_EQ("Viga: "s + tyhi->teade() + "\n", tekst::TYHI);
    *tyhi = zemtar::lekseem::arv(1);
  }
}

}  // namespace
