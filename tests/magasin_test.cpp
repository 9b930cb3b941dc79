#include "eval/magasin.h"

#include <gtest/gtest.h>

#include <string>

#include "teated.h"

namespace {

using zemtar::lekseem;
using zemtar::magasin;

TEST(Magasin, HoldsExactlyItsCapacity) {
  magasin m;
  lekseem t[magasin::MAHT + 2];
  for (lekseem& x : t)
    x = lekseem::arv(1);
  for (int i = 0; i < magasin::MAHT; ++i)
    m.pane(&t[i]);
  // One too many: not stored, but marked, and the stored ones stay as they were.
  m.pane(&t[magasin::MAHT]);
  EXPECT_EQ(t[magasin::MAHT].liik, zemtar::VIGA);
  EXPECT_EQ(std::string(t[magasin::MAHT].teade()), zemtar::MAGASIN_TAIS);
  EXPECT_EQ(m.vota(), &t[magasin::MAHT - 1]);
  m.pane(&t[magasin::MAHT + 1]);  // room again after a pop
  EXPECT_EQ(t[magasin::MAHT + 1].liik, zemtar::ARV);
  EXPECT_EQ(m.vota(), &t[magasin::MAHT + 1]);
  for (int i = magasin::MAHT - 2; i >= 0; --i)
    EXPECT_EQ(m.vota(), &t[i]);
  EXPECT_EQ(m.tyhi(), 1);
}

TEST(Magasin, AnswersAnErrorTokenWhenEmpty) {
  lekseem t = lekseem::arv(1);
  magasin uus, tyhjendatud, tuhjaks_voetud;
  tyhjendatud.pane(&t);
  EXPECT_EQ(tyhjendatud.tyhi(), 0);
  tyhjendatud.tyhjenda();
  tuhjaks_voetud.pane(&t);
  tuhjaks_voetud.vota();
  for (magasin* m : {&uus, &tyhjendatud, &tuhjaks_voetud}) {
    for (int korda = 0; korda < 2; ++korda) {
      EXPECT_EQ(m->tyhi(), 1);
      const lekseem* viga = m->vota();
      EXPECT_EQ(viga->liik, zemtar::VIGA);
      EXPECT_EQ(std::string(viga->teade()), zemtar::MAGASIN_TUHI);
    }
  }
  // Emptying leaves the tokens themselves alone.
  EXPECT_EQ(t.liik, zemtar::ARV);
}

}  // namespace
