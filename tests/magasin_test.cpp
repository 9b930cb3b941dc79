#include "eval/magasin.h"

#include <gtest/gtest.h>

#include <string>

#include "teated.h"

namespace {

using zemtar::lekseem;
using zemtar::magasin;

TEST(Magasin, HoldsExactlyItsCapacity) {
  magasin m;
  lekseem t[magasin::MAHT + 1];
  for (int i = 0; i < magasin::MAHT; ++i) {
    t[i] = lekseem::arv(static_cast<float>(i));
    m.pane(&t[i]);
    EXPECT_EQ(t[i].liik, zemtar::ARV);
  }
  // One too many: not stored, marked, and the stored ones untouched.
  t[magasin::MAHT] = lekseem::arv(99);
  m.pane(&t[magasin::MAHT]);
  EXPECT_EQ(t[magasin::MAHT].liik, zemtar::VIGA);
  EXPECT_EQ(std::string(t[magasin::MAHT].teade()), zemtar::MAGASIN_TAIS);
  for (int i = magasin::MAHT - 1; i >= 0; --i)
    EXPECT_EQ(m.vota(), &t[i]);
  EXPECT_EQ(m.tyhi(), 1);
}

TEST(Magasin, TakesAgainAfterAPopFromFull) {
  magasin m;
  lekseem t[magasin::MAHT + 1];
  for (lekseem& x : t)
    x = lekseem::arv(1);
  for (int i = 0; i < magasin::MAHT; ++i)
    m.pane(&t[i]);
  m.vota();
  m.pane(&t[magasin::MAHT]);
  EXPECT_EQ(t[magasin::MAHT].liik, zemtar::ARV);
  EXPECT_EQ(m.vota(), &t[magasin::MAHT]);
}

TEST(Magasin, AnswersAnErrorTokenWhenEmpty) {
  magasin uus, tyhjendatud, tuhjaks_voetud;
  lekseem t = lekseem::arv(1);
  tyhjendatud.pane(&t);
  tyhjendatud.tyhjenda();
  tuhjaks_voetud.pane(&t);
  tuhjaks_voetud.vota();
  for (magasin* m : {&uus, &tyhjendatud, &tuhjaks_voetud}) {
    for (int korda = 0; korda < 2; ++korda) {
      const lekseem* viga = m->vota();
      EXPECT_EQ(viga->liik, zemtar::VIGA);
      EXPECT_EQ(std::string(viga->teade()), zemtar::MAGASIN_TUHI);
      EXPECT_EQ(m->tyhi(), 1);
    }
  }
  // Emptying leaves the tokens themselves as they were.
  EXPECT_EQ(t.liik, zemtar::ARV);
  EXPECT_EQ(t.vaartus, 1.0f);
}

TEST(Magasin, IsEmptyOnlyWithoutTokens) {
  magasin m;
  lekseem t[magasin::MAHT + 1] = {};
  EXPECT_EQ(m.tyhi(), 1);
  m.pane(&t[0]);
  EXPECT_EQ(m.tyhi(), 0);
  m.vota();
  EXPECT_EQ(m.tyhi(), 1);
  for (lekseem& x : t)
    m.pane(&x);  // the last one is refused
  EXPECT_EQ(m.tyhi(), 0);
  m.tyhjenda();
  EXPECT_EQ(m.tyhi(), 1);
}

}  // namespace
