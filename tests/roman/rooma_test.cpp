#include "roman/rooma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "roman/araabia.h"

namespace {

TEST(Rooma, WritesTheTruncatedResult) {
  const struct {
    float tulemus;
    std::string tekst;
  } read[] = {
      {0, "O"},
      {0.7f, "O"},
      {-0.7f, "O"},
      {-0.0f, "O"},
      {1, "I"},
      {4, "IV"},
      {9, "IX"},
      {14, "XIV"},
      {40, "XL"},
      {49, "XLIX"},
      {90, "XC"},
      {444, "CDXLIV"},
      {888, "DCCCLXXXVIII"},
      {1999, "MCMXCIX"},
      {3999, "MMMCMXCIX"},
      {4000, "MMMM"},
      {10000, "MMMMMMMMMM"},
      {2.9f, "II"},
      {-2.9f, "-II"},
      {-14, "-XIV"},
      {3.5f, "III"},
      {-3.5f, "-III"},
      {2147483520.0f, std::string(2147483, 'M') + "DXX"},
      {-2147483648.0f, "-" + std::string(2147483, 'M') + "DCXLVIII"},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.tulemus);
    EXPECT_EQ(zemtar::rooma(r.tulemus).vorminda(), r.tekst);
  }
}

TEST(Rooma, HasNoNumeralBeyondThe32BitRange) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float tulemus : {2147483648.0f, -2147483904.0f, 3e9f, -3e9f, inf, -inf, std::nanf("")}) {
    SCOPED_TRACE(tulemus);
    EXPECT_EQ(zemtar::rooma(tulemus).vorminda(), std::nullopt);
  }
}

// Every numeral the writer makes for a value from 0 up reads back to the same value.
TEST(Rooma, WritesWhatTheReaderReadsBack) {
  for (int arv = 0; arv <= 20000; ++arv) {
    const auto tekst = zemtar::rooma(static_cast<float>(arv)).vorminda();
    ASSERT_TRUE(tekst);
    ASSERT_EQ(zemtar::araabia(*tekst).teisenda(), arv) << *tekst;
  }
}

}  // namespace
