// What only zemtar does: the Roman numeral reader and writer, and numerals within a line.
#include "roman/rooma.h"

#include <cmath>
#include <limits>

#include "arvutus.h"
#include "roman/araabia.h"

namespace {

using namespace std::string_literals;

// Beside every numeral the writer makes (below), the texts the machine also accepts, each
// "text = value"; it refuses the rest. Any number of M is a numeral, past 32 bits too.
TEST(Araabia, ReadsWhatTheMachineAccepts) {
  const std::string m = std::string(2147483, 'M');
  for (const std::string& r : std::vector<std::string>{
           " = 0", "O = 0", "OO = 0", "OX = 10", "mcmxcix = 1999", "IXX = 19", "VIV = 9",
           "XCC = 190", "CMM = 1900", m + "DCXLVII = 2147483647", m + "DCXLVIII = 2147483648"}) {
    const auto [tekst, arv] = jaga(r);
    EXPECT_EQ(zemtar::araabia(tekst).teisenda(), std::stoll(arv)) << arv;
  }
  for (const std::string& tekst : std::vector<std::string>{
           "XO",  "IO",  "IIII", "XXXX", "CCCC", "VV",  "LL",  "DD",   "IC",   "IL",  "IM",
           "VX",  "XD",  "XM",   "LC",   "DM",   "IIV", "XXL", "CCM",  "IVI",  "IXI", "XLX",
           "XCX", "CDC", "CMC",  "A",    "XIVa", "X I", "MZ",  "\xE4", "X\0I"s})
    EXPECT_EQ(zemtar::araabia(tekst).teisenda(), -1) << tekst;
}

// Truncated toward zero; every numeral from 0 up reads back to its value; none beyond 32 bits.
TEST(Rooma, WritesTheTruncatedResult) {
  for (const auto& [tulemus, tekst] :
       {std::pair{0.7f, "O"}, {-0.7f, "O"}, {-0.0f, "O"}, {2.9f, "II"}, {-2.9f, "-II"}})
    EXPECT_EQ(zemtar::rooma(tulemus).vorminda(), tekst);
  for (int arv = 0; arv <= 20000; ++arv) {
    const std::string tekst = zemtar::rooma(static_cast<float>(arv)).vorminda().value_or("?");
    ASSERT_EQ(zemtar::araabia(tekst).teisenda(), arv) << tekst;
  }
  const float inf = std::numeric_limits<float>::infinity();
  for (const float tulemus : {2147483648.0f, -2147483904.0f, inf, -inf, std::nanf("")})
    EXPECT_EQ(zemtar::rooma(tulemus).vorminda(), std::nullopt) << tulemus;
}

// A run of Roman capitals is one number, however long.
TEST(ZemtarInfiksavaldis, ReadsNumeralsInALine) {
  vaartused({"XIV = 14", "O = 0", "1+X-1 = 10", "X+V*II = 20", "XI-V = 6", "MMMMMMMMI+1 = 8002",
             std::string(100000, 'M') + " = 1e8", std::string(3000000, 'M') + " = 3e9"});
  vead(tekst::ROOMA_VIGANE, {"IIII", "1+MMMMMMMMIC"});
  vead(tekst::SUMBOL, {"A", "XA", "X\xFF"});
  vead(tekst::OOTAMATU_ARV, {"12X"});
  vead(tekst::OOTAMATU_MUUTUJA, {"XIVa"});
  arvuta(std::string_view("XIV", 2), 11);  // nothing past the text's end is read
}

}  // namespace
