#include "lexer/leksator.h"

#include <gtest/gtest.h>

#include "lekseemid.h"
#include "teated.h"

namespace {

using namespace std::string_literals;

struct rida {
  std::string sisend;
  std::string lekseemid;
};

// The same in both programs: numbers, operators, blanks, lowercase variables, the end.
TEST(Leksator, ReadsLinesIntoTokens) {
  const std::string sumbol = "VIGA "s + zemtar::LUBAMATU_SUMBOL;
  const std::string koma = "VIGA "s + zemtar::LUBAMATU_KOMA;
  const rida read[] = {
      {"", "LOPP"},
      {"   ", "LOPP"},
      {"\n", "LOPP"},
      {"12+3", "ARV 12, TEHE +, ARV 3, LOPP"},
      {"12+3\n", "ARV 12, TEHE +, ARV 3, LOPP"},
      {"1 2", "ARV 1, ARV 2, LOPP"},
      {"1,5", "ARV 1.5, LOPP"},
      {"1.5", "ARV 1.5, LOPP"},
      {"1.25", "ARV 1.25, LOPP"},
      {"0.125", "ARV 0.125, LOPP"},
      {".5", "ARV 0.5, LOPP"},
      {"5.", "ARV 5, LOPP"},
      {".", "ARV 0, LOPP"},
      {",", "ARV 0, LOPP"},
      {"1.2.3", koma},
      {"1,,2", koma},
      {"123456789", "ARV 123456792, LOPP"},
      {"-5", "TEHE -, ARV 5, LOPP"},
      {"(a*b)/y", "TEHE (, MUUTUJA a, TEHE *, MUUTUJA b, TEHE ), TEHE /, MUUTUJA y, LOPP"},
      {"iv", "MUUTUJA i, MUUTUJA v, LOPP"},
      {"z", sumbol},
      {"\t1", sumbol},
      {"1\r\n", "ARV 1, " + sumbol},
      {"\xE4", sumbol},
      {"2=3", "ARV 2, " + sumbol},
      // Only the first newline ends the line.
      {"1\n+", "ARV 1, LOPP"},
      // A NUL before the real end is a character like any other.
      {"1\0+2"s, "ARV 1, " + sumbol},
  };
  for (const rida& r : read) {
    SCOPED_TRACE(r.sisend);
    EXPECT_EQ(lekseemid(r.sisend), r.lekseemid);
  }
}

TEST(Leksator, GathersAnyNumberOfDigits) {
  // Forty digits leave the float range: the number is infinite, not an error.
  EXPECT_EQ(lekseemid(std::string(40, '9')), "ARV inf, LOPP");
  EXPECT_EQ(lekseemid("0." + std::string(50, '0') + "1"), "ARV 0, LOPP");
}

TEST(Leksator, AnswersEndAgainAfterTheEnd) {
  for (std::string_view tekst : {"7", "7\n9", "7   "}) {
    SCOPED_TRACE(tekst);
    zemtar::leksator lugeja;
    lugeja.sea_rida(tekst);
    EXPECT_EQ(lugeja.jargmine().liik, zemtar::ARV);
    for (int n = 0; n < 3; ++n)
      EXPECT_EQ(lugeja.jargmine().liik, zemtar::LOPP);
  }
}

TEST(Leksator, StartsOverWithEachLine) {
  zemtar::leksator lugeja;
  lugeja.sea_rida("1+");
  lugeja.jargmine();
  lugeja.sea_rida("7");
  const zemtar::lekseem t = lugeja.jargmine();
  EXPECT_EQ(t.liik, zemtar::ARV);
  EXPECT_EQ(t.vaartus, 7.0f);
}

}  // namespace
