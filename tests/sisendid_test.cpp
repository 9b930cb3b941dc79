#include "frontend/sisendid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Valjumiskood, TruncatesAndClampsTheLastResult) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float tulemus;
    int kood;
  } read[] = {
      {0, 0},
      {5, 5},
      {3.5f, 3},
      {-3.5f, -3},
      {0.9f, 0},
      {-0.0f, 0},
      {2147483520.0f, 2147483520},  // the largest float below 2^31
      {2147483648.0f, 2147483647},  // 2147483647 as a float
      {3e9f, 2147483647},
      {inf, 2147483647},
      {-2147483648.0f, -2147483647 - 1},
      {-3e9f, -2147483647 - 1},
      {-inf, -2147483647 - 1},
      {std::nanf(""), 0},
      {-std::nanf(""), 0},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.tulemus);
    EXPECT_EQ(zemtar::valjumiskood(r.tulemus), r.kood);
  }
}

}  // namespace
