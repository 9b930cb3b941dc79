// What only zemtar-lihtne does: no Roman numerals, and capitals A to Y as further names for
// the variables.
#include <gtest/gtest.h>

#include <string>

#include "eval/infiksavaldis.h"
#include "lekseemid.h"
#include "teated.h"
#include "valjund.h"

namespace {

using namespace std::string_literals;

TEST(LihtneLeksator, ReadsCapitalsAsVariables) {
  const std::string sumbol = "VIGA "s + zemtar::LUBAMATU_SUMBOL;
  const struct {
    std::string sisend;
    std::string lekseemid;
  } read[] = {
      {"XIV", "MUUTUJA x, MUUTUJA i, MUUTUJA v, LOPP"},
      {"O", "MUUTUJA o, LOPP"},
      {"A+y", "MUUTUJA a, TEHE +, MUUTUJA y, LOPP"},
      {"Y", "MUUTUJA y, LOPP"},
      {"Z", sumbol},
      {"z", sumbol},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.sisend);
    EXPECT_EQ(lekseemid(r.sisend), r.lekseemid);
  }
}

TEST(LihtneInfiksavaldis, StoresCapitalsUnderTheirLowercaseLetter) {
  valjund v;
  zemtar::infiksavaldis a(v.voog());
  EXPECT_EQ(a.arvuta("XIV"), 0);
  EXPECT_EQ(v.vota(), "Viga: Muutuja v\xE4\xE4rtustamata!\n");
  EXPECT_EQ(a.omista('B', "4"), 1);
  EXPECT_EQ(a.arvuta("b+B"), 1);
  EXPECT_EQ(a.tulemus, 8.0f);
  for (const auto& [nimi, tekst] : {std::pair{'x', "10"}, {'I', "1"}, {'v', "5"}}) {
    EXPECT_EQ(a.omista(nimi, tekst), 1);
  }
  EXPECT_EQ(a.arvuta("x+i*v"), 1);
  EXPECT_EQ(a.tulemus, 15.0f);
  EXPECT_EQ(a.arvuta("XIV"), 0);
  EXPECT_EQ(v.vota(), "Viga: Ootamatu muutuja!\n");
  EXPECT_EQ(a.omista('Z', "1"), 0);
  EXPECT_EQ(v.vota(), "Viga: Lubamatu muutujanimi!\n");
  EXPECT_EQ(a.arvuta("1/0"), 0);
  EXPECT_EQ(v.vota(), "Jagamine nulliga!\n");
}

}  // namespace
