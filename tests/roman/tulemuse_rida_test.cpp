// zemtar's result lines are put together in a small buffer; the M of a large result outgrow
// it and go out ahead. Every length either side of that must give the whole numeral.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ehitus.h"
#include "roman/rooma.h"
#include "valjund.h"

namespace {

TEST(ZemtarTulemuseRida, HoldsNumeralsOfEveryLength) {
  std::vector<float> tulemused;
  for (int tuhandeid = 0; tuhandeid <= 300; ++tuhandeid) {
    for (const int alla_tuhande : {0, 1, 888}) {
      const float tulemus = static_cast<float>(tuhandeid * 1000 + alla_tuhande);
      tulemused.push_back(tulemus);
      tulemused.push_back(-tulemus);
    }
  }
  for (const float suur : {123456789.0f, 2147483520.0f, -2147483648.0f})
    tulemused.push_back(suur);

  for (const float tulemus : tulemused) {
    SCOPED_TRACE(tulemus);
    const std::string numbrina = *zemtar::rooma(tulemus).vorminda();
    valjund v;
    zemtar::kuva_tulemus(v.voog(), "Muutuja q v\xE4\xE4rtus=", tulemus);
    ASSERT_EQ(v.vota(), "Muutuja q v\xE4\xE4rtus=" + numbrina + "\n");
  }
}

}  // namespace
