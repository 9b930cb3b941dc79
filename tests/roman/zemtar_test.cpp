// What only zemtar does: Roman numerals in and out, capitals as Roman letters only, and its
// own texts.
#include <gtest/gtest.h>

#include <string>

#include "ehitus.h"
#include "eval/infiksavaldis.h"
#include "juhised_kesk.h"
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
      {"X I", "ARV 10, ARV 1, LOPP"},
      {"XI-V", "ARV 11, TEHE -, ARV 5, LOPP"},
      {"A", sumbol},
      {"XA", "ARV 10, " + sumbol},
      {"Z", sumbol},
      {std::string(100000, 'M'), "ARV 100000000, LOPP"},
      {std::string(3000000, 'M'), rooma},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.sisend.substr(0, 20));
    EXPECT_EQ(lekseemid(r.sisend), r.lekseemid);
  }
}

TEST(ZemtarInfiksavaldis, ComputesWithRomanNumerals) {
  valjund v;
  zemtar::infiksavaldis a(v.voog());
  EXPECT_EQ(a.arvuta("XIV*II-O"), 1);
  EXPECT_EQ(a.tulemus, 28.0f);
  EXPECT_EQ(a.arvuta("MMMM/(X-X)"), 0);
  EXPECT_EQ(v.vota(), "Viga: Jagamine nulliga!\n");
  EXPECT_EQ(a.arvuta("IIII+1"), 0);
  EXPECT_EQ(v.vota(), "Viga: Mittekorrektne rooma number!\n");
  EXPECT_EQ(a.arvuta("B+1"), 0);
  EXPECT_EQ(v.vota(), "Viga: Lubamatu s\x81mbol real!\n");
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

TEST(ZemtarTekstid, PrintsResultsAsRomanNumerals) {
  const float inf = std::numeric_limits<float>::infinity();
  const std::string ei_saa = "Viga: Tulemust ei saa rooma numbrina esitada!\n";
  const struct {
    float tulemus;
    std::string avaldis;
    std::string omistus;
  } read[] = {
      {5, "Avaldise v\xE4\xE4rtus=V\n", "Muutuja b v\xE4\xE4rtus=V\n"},
      {-3.5f, "Avaldise v\xE4\xE4rtus=-III\n", "Muutuja b v\xE4\xE4rtus=-III\n"},
      {0.9f, "Avaldise v\xE4\xE4rtus=O\n", "Muutuja b v\xE4\xE4rtus=O\n"},
      {3e9f, ei_saa, ei_saa},
      {inf, ei_saa, ei_saa},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.tulemus);
    valjund v;
    zemtar::kuva_avaldis(v.voog(), r.tulemus);
    EXPECT_EQ(v.vota(), r.avaldis);
    zemtar::kuva_omistus(v.voog(), 'b', r.tulemus);
    EXPECT_EQ(v.vota(), r.omistus);
  }
}

TEST(ZemtarTekstid, PrintsItsOwnHelpText) {
  valjund v;
  zemtar::juhised(v.voog());
  EXPECT_EQ(v.vota(),
            "\n\nInfiksavaldiste kalkulaator (Rooma numbrite toega)\n" +
                std::string(OODATUD_JUHISED_KESK) +
                "    T\xFChikud sisendis on lubatud. Rooma numbrid on suurt\xE4hed IVXLCDM.\n"
                "    Rooma null on O (suur O t\x84ht). Muutujatena on selles versioonis\n"
                "    lubatud vaid v\xE4iket\xE4hed. Tulemuste v\xE4ljastamisel \xFCmardatakse see\n"
                "    t\xE4isarvuks.\n\n");
}

}  // namespace
