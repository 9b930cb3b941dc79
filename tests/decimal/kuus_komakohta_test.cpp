// The decimal results are written without printf; every text must still be printf's "%f".
#include "decimal/kuus_komakohta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

// Both signs of each exponent with the mantissas at the ends of its range and some between
// (zero, the subnormals, exact ties at the seventh decimal, the largest float, infinity and NaN
// among them), and random bit patterns, against printf with the sign apart: Windows's drops a
// NaN's.
TEST(KuusKomakohta, WritesWhatPrintfWrites) {
  std::mt19937 juhus(20240607);
  for (std::uint32_t n = 0; n < 0x800 + 500000; ++n) {
    const std::uint32_t kohad[] = {0x0, 0x1, 0x2, 0x3FFFFF, 0x400000, 0x555555, 0x7FFFFE, 0x7FFFFF};
    const std::uint32_t bitid = n < 0x800 ? n / 8 << 23 | kohad[n % 8] : juhus();
    float x = 0;
    std::memcpy(&x, &bitid, sizeof x);
    for (const float v : {x, -x}) {
      char oodatud[64], tekst[zemtar::KUUS_KOMAKOHTA_PIKIM];
      std::snprintf(oodatud, sizeof oodatud, "%s%f", std::signbit(v) ? "-" : "", std::fabs(v));
      ASSERT_EQ(std::string(tekst, zemtar::kuus_komakohta(v, tekst)), oodatud);
    }
  }
}

}  // namespace
