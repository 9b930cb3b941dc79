// What only zemtar does: Roman numerals, and capitals as Roman letters only.
#include <gtest/gtest.h>

#include <string>

#include "eval/infiksavaldis.h"
#include "lekseemid.h"
#include "teated.h"
#include "valjund.h"

namespace {

using namespace std::string_literals;

TEST(ZemtarLeksator, ReadsRomanRuns) {
  const std::string rooma = "VIGA "s + zemtar::VIGANE_ROOMA_ARV;
  const std::string sumbol = "VIGA "s + zemtar::LUBAMATU_SUMBOL;
  const struct {
    std::string sisend;
    std::string lekseemid;
  } read[] = {
      {"XIV", "ARV 14, LOPP"},
      {"O", "ARV 0, LOPP"},
      {"MMMM", "ARV 4000, LOPP"},
      {"IIII", rooma},
      {"IC", rooma},
      {"XIVa", "ARV 14, MUUTUJA a, LOPP"},
      {"12X", "ARV 12, ARV 10, LOPP"},
      {"XI-V", "ARV 11, TEHE -, ARV 5, LOPP"},
      {"A", sumbol},
      {"XA", "ARV 10, " + sumbol},
      {std::string(100000, 'M'), "ARV 100000000, LOPP"},
      {std::string(3000000, 'M'), rooma},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.sisend.substr(0, 20));
    EXPECT_EQ(lekseemid(r.sisend), r.lekseemid);
  }
}

// Capitals are Roman letters or nothing here, so no capital names a variable.
TEST(ZemtarInfiksavaldis, RefusesCapitalNames) {
  valjund v;
  zemtar::infiksavaldis a(v.voog());
  for (char nimi : {'A', 'B', 'I', 'X', 'Y', 'Z', 'z'}) {
    SCOPED_TRACE(nimi);
    EXPECT_EQ(a.omista(nimi, "1"), 0);
    EXPECT_EQ(v.vota(), "Viga: Lubamatu muutujanimi!\n");
  }
  EXPECT_EQ(a.omista('y', "L"), 1);
  EXPECT_EQ(a.arvuta("y"), 1);
  EXPECT_EQ(a.tulemus, 50.0f);
}

}  // namespace
