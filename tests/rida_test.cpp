#include "frontend/rida.h"

#include <gtest/gtest.h>

#include <string>

#include "ehitus.h"
#include "teated.h"
#include "valjund.h"

namespace {

using namespace std::string_literals;
using zemtar::JATKA;
using zemtar::LOPETA;

// What this program prints for a result or for help, so that one table serves both programs.
std::string omistus(char muutuja, float tulemus) {
  valjund v;
  zemtar::kuva_omistus(v.voog(), muutuja, tulemus);
  return v.vota();
}
std::string avaldis(float tulemus) {
  valjund v;
  zemtar::kuva_avaldis(v.voog(), tulemus);
  return v.vota();
}
std::string abi() {
  valjund v;
  zemtar::juhised(v.voog());
  return v.vota();
}

struct rida {
  std::string sisend;
  bool votmesonad;
  zemtar::tootluse_tulemus vastus;
  std::string valjund;
};

// One run: every line on the same evaluator, in order.
void kaivita(const std::vector<rida>& read) {
  valjund v;
  zemtar::infiksavaldis a(v.voog());
  for (const rida& r : read) {
    SCOPED_TRACE(r.sisend);
    EXPECT_EQ(zemtar::tootle_rida(a, r.sisend, r.votmesonad, v.voog()), r.vastus);
    EXPECT_EQ(v.vota(), r.valjund);
  }
}

TEST(TootleRida, SplitsAssignmentsAtTheFirstEqualsSign) {
  std::string pikk_summa = "1";
  for (int i = 0; i < 3000; ++i)
    pikk_summa += "+1";
  kaivita({
      {"a=5", false, JATKA, omistus('a', 5)},
      {"a+1", false, JATKA, avaldis(6)},
      {"a = 1 + 2", false, JATKA, omistus('a', 3)},
      {" b =7*2\n", false, JATKA, omistus('b', 14)},
      {"c=\t5\t\r\n", false, JATKA, omistus('c', 5)},
      {"\t\vd\f=\n4", false, JATKA, omistus('d', 4)},
      {"a=1+2 9", false, JATKA, zemtar::OOTAMATU_ARV},
      {"a", false, JATKA, avaldis(3)},
      {"a=", false, JATKA, zemtar::LOPP_ARVU_ASEMEL},
      {"a= \n", false, JATKA, zemtar::LOPP_ARVU_ASEMEL},
      {"ab=3", false, JATKA, zemtar::LUBAMATU_MUUTUJANIMI},
      {"1+2=3", false, JATKA, zemtar::LUBAMATU_MUUTUJANIMI},
      {"=5", false, JATKA, zemtar::LUBAMATU_MUUTUJANIMI},
      {"==5", false, JATKA, zemtar::LUBAMATU_MUUTUJANIMI},
      {"5=a", false, JATKA, zemtar::LUBAMATU_MUUTUJANIMI},
      {"\0=5"s, false, JATKA, zemtar::LUBAMATU_MUUTUJANIMI},
      {"a=b=3", false, JATKA, "Viga: "s + zemtar::LUBAMATU_SUMBOL + "\n"},
      {"a=2*(1+a)\t", false, JATKA, omistus('a', 8)},
      {"a=1\t+2", false, JATKA, "Viga: "s + zemtar::LUBAMATU_SUMBOL + "\n"},
      {"a", false, JATKA, avaldis(8)},
      {"a=" + std::string(100, ' ') + pikk_summa + std::string(100, ' '), false, JATKA,
       omistus('a', 3001)},
  });
}

TEST(TootleRida, HonoursKeywordsOnlyWhenAsked) {
  kaivita({
      {"kas valjun", true, LOPETA, ""},
      {"abi valju", true, LOPETA, ""},
      {"kabiin", true, JATKA, abi()},
      {"x=abi", true, JATKA, abi()},
      {"x", false, JATKA, zemtar::VAARTUSTAMATA},
      {"abi", true, JATKA, abi()},
      {"valju", false, JATKA, zemtar::VAARTUSTAMATA},
      {"abi", false, JATKA, zemtar::VAARTUSTAMATA},
      {"2+3\n", true, JATKA, avaldis(5)},
  });
}

TEST(TootleRida, LeavesTheLastResultToTheLastEvaluation) {
  valjund v;
  zemtar::infiksavaldis a(v.voog());
  const auto tulemus_parast = [&](const char* rida) {
    zemtar::tootle_rida(a, rida, true, v.voog());
    return a.tulemus;
  };
  EXPECT_EQ(tulemus_parast("a=7"), 7.0f);
  EXPECT_EQ(tulemus_parast("abi"), 7.0f);
  EXPECT_EQ(tulemus_parast("ab=3"), 7.0f);
  EXPECT_EQ(tulemus_parast("z=3"), 7.0f);
  EXPECT_EQ(tulemus_parast("1/0"), 0.0f);
}

}  // namespace
