// Hostile input for both programs as processes: lines and scripts far larger than anyone
// types, nesting far past the stacks, bytes that are no text, odd line ends, scripts that are
// no files, input that is empty or closed, and results at the edges of a 32-bit float and of a
// Roman numeral. The big inputs are made here, never stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/juhtumid.h"

namespace {

using namespace std::string_literals;

const std::string MAGASIN_TAIS = "Viga: Magasin t\xE4is!\n";
const std::string POLE_TUHI = "Viga: Magasin pole t\x81hi! (kontrolli sulge)\n";
const std::string NULLIGA_ROOMA = "Viga: Jagamine nulliga!\n";
const std::string NULLIGA_LIHTNE = "Jagamine nulliga!\n";

std::string korda(const std::string& tekst, std::size_t kordi) {
  std::string s;
  s.reserve(tekst.size() * kordi);
  for (std::size_t i = 0; i < kordi; ++i)
    s += tekst;
  return s;
}

// "1+1+...+1" with n ones: every sum is a whole number below 2^24, so exact.
std::string ykssummad(std::size_t n) {
  return "1" + korda("+1", n - 1);
}

const std::string INF = std::string(40, '9');          // beyond a float: infinity
const std::string SUURIM = std::string(2147483, 'M');  // the thousands of the 32-bit limits

// A line of 10 MB: five million ones summed, echoed whole, with the result after it.
// 5000000 is 64 in the low eight bits. One test per program, as each takes seconds under the
// sanitizers.
juhtum kymme_megabaiti(kellele programm, const std::string& tulemus) {
  const std::string rida = ykssummad(5000000);
  return {programm, {"-f", "{skript}"}, rida + "\n", {}, ":" + rida + "\n" + AV + tulemus, 64};
}

TEST(PikadSisendid, TenMegabyteLineInZemtar) {
  kontrolli({kymme_megabaiti(ROOMA, std::string(5000, 'M') + "\n")});
}

TEST(PikadSisendid, TenMegabyteLineInZemtarLihtne) {
  kontrolli({kymme_megabaiti(LIHTNE, "5000000.000000\n")});
}

// The stack refuses the 25th open parenthesis at once, however many follow.
TEST(PikadSisendid, HundredThousandOpenParentheses) {
  const std::string rida(100000, '(');
  kontrolli({
      {MOLEMAD, {"-f", "{skript}"}, rida + "\n", {}, ":" + rida + "\n" + MAGASIN_TAIS, 0},
      {MOLEMAD, {"-k", rida + "1"}, {}, {}, ":" + rida + "1 \n" + MAGASIN_TAIS, 0},
  });
}

// 100000 M are 100000000 for zemtar (0 in the low eight bits) and written back as the same
// run; for zemtar-lihtne M is the variable m, which has no value.
TEST(PikadSisendid, HundredThousandRomanThousands) {
  const std::string rida(100000, 'M');
  kontrolli({
      {ROOMA, {"-f", "{skript}"}, rida + "\n", {}, ":" + rida + "\n" + AV + rida + "\n", 0},
      {LIHTNE, {"-f", "{skript}"}, rida + "\n", {}, ":" + rida + "\n" + VAARTUSTAMATA, 0},
  });
}

// An argument of 120 KiB: 7 and 61439 ones is 61446 (6 in the low eight bits).
TEST(PikadSisendid, LongCommandLineArgument) {
  const std::string tekst = "7" + korda("+1", 61439) + " ";
  ASSERT_EQ(tekst.size(), 120u * 1024);
  kontrolli({
      {ROOMA,
       {"-k", tekst},
       {},
       {},
       ":" + tekst + " \n" + AV + std::string(61, 'M') + "CDXLVI\n",
       6},
      {LIHTNE, {"-k", tekst}, {}, {}, ":" + tekst + " \n" + AV + "61446.000000\n", 6},
  });
}

// A million lines, four kinds over and over: every output line is checked, and the status is
// the last line's result.
juhtum miljon_rida(kellele programm, const std::string& a, const std::string& nulliga,
                   const std::string& a3) {
  const std::string plokk = "a=1+1\nb=a/0\n(1\na*3\n";
  const std::string valjund =
      ":a=1+1\n" + mv('a') + a + ":b=a/0\n" + nulliga + ":(1\n" + POLE_TUHI + ":a*3\n" + AV + a3;
  return {programm, {"-f", "{skript}"}, korda(plokk, 250000), {}, korda(valjund, 250000), 6};
}

TEST(PikadSisendid, MillionLineScriptInZemtar) {
  kontrolli({miljon_rida(ROOMA, "II\n", NULLIGA_ROOMA, "VI\n")});
}

TEST(PikadSisendid, MillionLineScriptInZemtarLihtne) {
  kontrolli({miljon_rida(LIHTNE, "2.000000\n", NULLIGA_LIHTNE, "6.000000\n")});
}

// A NUL is an ordinary character that the lexer refuses; it does not end the line.
TEST(Baidid, NulInsideALine) {
  kontrolli({
      {MOLEMAD, {"-f", "{skript}"}, "1\0+2\n"s, {}, ":1\0+2\n"s + SUMBOL, 0},
      {MOLEMAD, {"-f", "{skript}"}, "\0\n"s, {}, ":\0\n"s + SUMBOL, 0},
      {MOLEMAD, {"-f", "{skript}"}, "a=5\0\n"s, {}, ":a=5\0\n"s + SUMBOL, 0},
      {MOLEMAD, {"-f", "{skript}"}, "\0a=5\n"s, {}, ":\0a=5\n"s + NIMI, 0},
      {MOLEMAD, {}, {}, "1\0+2\n"s, TERVITUS + ":" + SUMBOL + ":", 1},
      // "valju" split by a NUL is no keyword: v is a variable without a value.
      {ROOMA, {}, {}, "va\0lju\n2\n"s, TERVITUS + ":" + VAARTUSTAMATA + ":" + AV + "II\n:", 1},
  });
}

// Every byte from 128 to 255, as a line of its own and as a variable name: refused, and
// echoed as read.
TEST(Baidid, BytesAbove127) {
  std::string skript, kaja, nimed, nimede_kaja, klaviatuur;
  for (int b = 128; b <= 255; ++b) {
    const std::string bait(1, static_cast<char>(b));
    skript += bait + "\n";
    kaja += ":" + bait + "\n" + SUMBOL;
    nimed += bait + "=1\n";
    nimede_kaja += ":" + bait + "=1\n" + NIMI;
    klaviatuur += ":" + SUMBOL;
  }
  kontrolli({
      {MOLEMAD, {"-f", "{skript}"}, skript, {}, kaja, 0},
      {MOLEMAD, {"-f", "{skript}"}, nimed, {}, nimede_kaja, 0},
      {MOLEMAD, {}, {}, skript, TERVITUS + klaviatuur + ":", 1},
      {MOLEMAD, {"-k", "2+\xE4"}, {}, {}, ":2+\xE4 \n" + SUMBOL, 0},
  });
}

// A CR before the newline, or at the very end, is dropped; anywhere else it is refused.
TEST(Reavahetused, CrLfAndALoneCr) {
  kontrolli({
      {ROOMA, {"-f", "{skript}"}, "2+3\r\n4\r", {}, ":2+3\n" + AV + "V\n:4\n" + AV + "IV\n", 4},
      {LIHTNE,
       {"-f", "{skript}"},
       "2+3\r\n4\r",
       {},
       ":2+3\n" + AV + "5.000000\n:4\n" + AV + "4.000000\n",
       4},
      {ROOMA, {"-f", "{skript}"}, "a=5\r\n", {}, ":a=5\n" + mv('a') + "V\n", 5},
      {MOLEMAD, {"-f", "{skript}"}, "\r\n", {}, ":\n" + LOPP, 0},
      {MOLEMAD, {"-f", "{skript}"}, "\r", {}, ":\n" + LOPP, 0},
      {MOLEMAD, {"-f", "{skript}"}, "2\r+3\n", {}, ":2\r+3\n" + SUMBOL, 0},
      {MOLEMAD, {"-f", "{skript}"}, "1\r\r\n", {}, ":1\r\n" + SUMBOL, 0},
      {ROOMA, {}, {}, "2+3\r\n", TERVITUS + ":" + AV + "V\n:", 1},
      {ROOMA, {}, {}, "2+3\r", TERVITUS + ":" + AV + "V\n:", 1},
      {MOLEMAD, {}, {}, "valju\r\n2\n", TERVITUS + ":", 1},
  });
}

TEST(Skript, IsAFolderOrDevNull) {
  kontrolli({
      {MOLEMAD, {"-f", "/tmp"}, {}, {}, EI_FAILI, 2},
      {MOLEMAD, {"-f", "/"}, {}, {}, EI_FAILI, 2},
      {MOLEMAD, {"-f", "/dev/null"}, {}, {}, "", 0},
  });
}

// The end of input ends the keyboard mode as "valju" would.
TEST(Klaviatuurilt, EmptyOrClosedInput) {
  kontrolli({
      {MOLEMAD, {}, {}, "", TERVITUS + ":", 1},
      {MOLEMAD, {}, {}, {}, TERVITUS + ":", 1},
      {MOLEMAD, {}, {}, "\n", TERVITUS + ":" + LOPP + ":", 1},
  });
}

// Numbers are 32-bit floats: 2147483647 reads as 2147483648, one past the 32-bit range, and the
// largest float within it is 16777215*128 = 2147483520. zemtar has no numeral past the range or
// for infinity and NaN; the status is the result clamped to the range (NaN: 0), of which the
// shell sees the low eight bits.
TEST(Piirid, ResultsAtTheEdgesOf32Bits) {
  kontrolli({
      {ROOMA, {"-k", "3000000000"}, {}, {}, ":3000000000 \n" + EI_ROOMA, 255},
      {LIHTNE, {"-k", "3000000000"}, {}, {}, ":3000000000 \n" + AV + "3000000000.000000\n", 255},
      {ROOMA, {"-k", "2147483647"}, {}, {}, ":2147483647 \n" + EI_ROOMA, 255},
      {LIHTNE, {"-k", "2147483647"}, {}, {}, ":2147483647 \n" + AV + "2147483648.000000\n", 255},
      {ROOMA, {"-k", "16777215*128"}, {}, {}, ":16777215*128 \n" + AV + SUURIM + "DXX\n", 128},
      {LIHTNE,
       {"-k", "16777215*128"},
       {},
       {},
       ":16777215*128 \n" + AV + "2147483520.000000\n",
       128},
      {ROOMA,
       {"-k", "-2147483648"},
       {},
       {},
       ":-2147483648 \n" + AV + "-" + SUURIM + "DCXLVIII\n",
       0},
      {LIHTNE, {"-k", "-2147483648"}, {}, {}, ":-2147483648 \n" + AV + "-2147483648.000000\n", 0},
      {ROOMA,
       {"-k", "0-2147483648"},
       {},
       {},
       ":0-2147483648 \n" + AV + "-" + SUURIM + "DCXLVIII\n",
       0},
      // The next float below -2^31.
      {ROOMA, {"-k", "-16777216*128-256"}, {}, {}, ":-16777216*128-256 \n" + EI_ROOMA, 0},
      {LIHTNE,
       {"-k", "-16777216*128-256"},
       {},
       {},
       ":-16777216*128-256 \n" + AV + "-2147483904.000000\n",
       0},
      {ROOMA,
       {"-f", "{skript}"},
       "a=16777215*128\nb=a+128\n",
       {},
       ":a=16777215*128\n" + mv('a') + SUURIM + "DXX\n:b=a+128\n" + EI_ROOMA,
       255},
  });
}

// A number of 40 digits is infinity, and infinity less itself is NaN.
TEST(Piirid, InfinityAndNotANumber) {
  kontrolli({
      {ROOMA, {"-k", INF}, {}, {}, ":" + INF + " \n" + EI_ROOMA, 255},
      {LIHTNE, {"-k", INF}, {}, {}, ":" + INF + " \n" + AV + "inf\n", 255},
      {ROOMA, {"-k", "a=" + INF}, {}, {}, ":a=" + INF + " \n" + EI_ROOMA, 255},
      {LIHTNE, {"-k", "a=" + INF}, {}, {}, ":a=" + INF + " \n" + mv('a') + "inf\n", 255},
      {ROOMA, {"-k", "0-" + INF}, {}, {}, ":0-" + INF + " \n" + EI_ROOMA, 0},
      {LIHTNE, {"-k", "0-" + INF}, {}, {}, ":0-" + INF + " \n" + AV + "-inf\n", 0},
      {ROOMA, {"-k", INF + "-" + INF}, {}, {}, ":" + INF + "-" + INF + " \n" + EI_ROOMA, 0},
      {LIHTNE, {"-k", INF + "-" + INF}, {}, {}, ":" + INF + "-" + INF + " \n" + AV + "-nan\n", 0},
      {LIHTNE, {"-k", "0*" + INF}, {}, {}, ":0*" + INF + " \n" + AV + "-nan\n", 0},
  });
}

}  // namespace
