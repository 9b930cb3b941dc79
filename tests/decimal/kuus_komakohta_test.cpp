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

// Both signs of these bits' float against printf, its sign apart: Windows's drops a NaN's.
::testing::AssertionResult nagu_printf(std::uint32_t bitid) {
  float x = 0;
  std::memcpy(&x, &bitid, sizeof x);
  for (const float v : {x, -x}) {
    char oodatud[64], tekst[zemtar::KUUS_KOMAKOHTA_PIKIM];
    std::snprintf(oodatud, sizeof oodatud, "%s%f", std::signbit(v) ? "-" : "", std::fabs(v));
    const std::string saadud(tekst, zemtar::kuus_komakohta(v, tekst));
    if (saadud != oodatud) return ::testing::AssertionFailure() << saadud << " for " << oodatud;
  }
  return ::testing::AssertionSuccess();
}

// Every exponent with the mantissas at the ends of its range and some between (zero, the
// subnormals, exact ties at the seventh decimal, the largest float, infinity and NaN among
// them), and random bit patterns.
TEST(KuusKomakohta, WritesWhatPrintfWrites) {
  for (std::uint32_t astendaja = 0; astendaja <= 0xFF; ++astendaja) {
    for (const std::uint32_t kohad :
         {0x0u, 0x1u, 0x2u, 0x3FFFFFu, 0x400000u, 0x555555u, 0x7FFFFEu, 0x7FFFFFu})
      ASSERT_TRUE(nagu_printf(astendaja << 23 | kohad));
  }
  std::mt19937 juhus(20240607);
  for (int n = 0; n < 500000; ++n)
    ASSERT_TRUE(nagu_printf(static_cast<std::uint32_t>(juhus())));
}

}  // namespace
