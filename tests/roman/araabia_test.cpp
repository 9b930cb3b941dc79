#include "roman/araabia.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Araabia, ReadsWhatTheMachineAccepts) {
  const struct {
    std::string tekst;
    int arv;
  } read[] = {
      {"", 0},
      {"O", 0},
      {"OO", 0},
      {"OX", 10},
      {"I", 1},
      {"III", 3},
      {"IV", 4},
      {"IX", 9},
      {"XIV", 14},
      {"XL", 40},
      {"XLIX", 49},
      {"XC", 90},
      {"CDXLIV", 444},
      {"DCCCLXXXVIII", 888},
      {"MCMXCIX", 1999},
      {"mcmxcix", 1999},
      {"MMMCMXCIX", 3999},
      {"MMMM", 4000},
      {"MMMMCMXCIX", 4999},
      {"IXX", 19},
      {"VIV", 9},
      {"XCC", 190},
      {"CMM", 1900},
      {"LIX", 59},
      {"DXC", 590},
      {std::string(100000, 'M'), 100000000},
      {std::string(2147483, 'M') + "DCXLVII", 2147483647},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.tekst.substr(0, 20));
    EXPECT_EQ(zemtar::araabia(r.tekst).teisenda(), r.arv);
  }
}

TEST(Araabia, RejectsWhatItDoesNotAccept) {
  const std::string read[] = {
      "XO",
      "IO",
      "IIII",
      "XXXX",
      "CCCC",
      "VV",
      "LL",
      "DD",
      "IC",
      "IL",
      "IM",
      "VX",
      "XD",
      "XM",
      "LC",
      "DM",
      "IIV",
      "XXL",
      "CCM",
      "IVI",
      "IXI",
      "XLX",
      "XCX",
      "CDC",
      "CMC",
      "A",
      "XIVa",
      "X I",
      "MZ",
      "\xE4",
      std::string("X\0I", 3),
      // Beyond the 32-bit range.
      std::string(2147483, 'M') + "DCXLVIII",
      std::string(2147484, 'M'),
  };
  for (const std::string& tekst : read) {
    SCOPED_TRACE(tekst.substr(0, 20));
    EXPECT_EQ(zemtar::araabia(tekst).teisenda(), -1);
  }
}

}  // namespace
