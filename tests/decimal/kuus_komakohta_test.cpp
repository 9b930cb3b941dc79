// The decimal results are written without printf; every text must still be printf's "%f".
#include "decimal/kuus_komakohta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

using piirid = std::numeric_limits<float>;

std::string printf_f(float x) {
  char tekst[64];
  const int n = std::snprintf(tekst, sizeof tekst, "%f", static_cast<double>(x));
  return std::string(tekst, static_cast<std::size_t>(n));
}

std::string kuus_komakohta(float x) {
  char tekst[zemtar::KUUS_KOMAKOHTA_PIKIM];
  return std::string(tekst, zemtar::kuus_komakohta(x, tekst));
}

float bitid(std::uint32_t b) {
  float x = 0;
  std::memcpy(&x, &b, sizeof x);
  return x;
}

// Both signs of x, compared with printf; answers true when they agree.
::testing::AssertionResult nagu_printf(float x) {
  for (const float v : {x, -x}) {
    const std::string oodatud = printf_f(v), saadud = kuus_komakohta(v);
    if (saadud != oodatud) {
      return ::testing::AssertionFailure() << v << ": " << saadud << " instead of " << oodatud;
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(KuusKomakohta, WritesWhatPrintfWrites) {
  const struct {
    float x;
    std::string tekst;
  } read[] = {
      {0, "0.000000"},
      {-0.0f, "-0.000000"},
      {5, "5.000000"},
      {-3.5f, "-3.500000"},
      {0.1f, "0.100000"},
      {1.0f / 3, "0.333333"},
      {123456789.0f, "123456792.000000"},
      {16777217.0f, "16777216.000000"},
      // Exact ties at the seventh decimal go to the even sixth one.
      {1.0f / 128, "0.007812"},
      {3.0f / 128, "0.023438"},
      {-5.0f / 128, "-0.039062"},
      {1000.0f + 127.0f / 128, "1000.992188"},
      // Just below a tie, and a rounding that carries into the whole part.
      {0.00000049f, "0.000000"},
      {0.99999994f, "1.000000"},
      {piirid::denorm_min(), "0.000000"},
      {-piirid::min(), "-0.000000"},
      {piirid::max(), "340282346638528859811704183484516925440.000000"},
      {-piirid::max(), "-340282346638528859811704183484516925440.000000"},
      {piirid::infinity(), "inf"},
      {-piirid::infinity(), "-inf"},
      {piirid::quiet_NaN(), "nan"},
      {-piirid::quiet_NaN(), "-nan"},
      {bitid(0x7F800001), "nan"},
      {bitid(0xFFC00001), "-nan"},
  };
  for (const auto& r : read) {
    SCOPED_TRACE(r.tekst);
    EXPECT_EQ(printf_f(r.x), r.tekst);
    EXPECT_EQ(kuus_komakohta(r.x), r.tekst);
  }
}

// Every exponent, with the mantissas at the ends of its range and some between.
TEST(KuusKomakohta, AgreesWithPrintfOnEveryExponent) {
  for (std::uint32_t astendaja = 0; astendaja <= 0xFF; ++astendaja) {
    for (const std::uint32_t kohad :
         {0x0u, 0x1u, 0x2u, 0x3FFFFFu, 0x400000u, 0x555555u, 0x7FFFFEu, 0x7FFFFFu}) {
      ASSERT_TRUE(nagu_printf(bitid(astendaja << 23 | kohad)));
    }
  }
}

// Every whole number to 2^17 plus an odd number of 128ths: an exact tie at the seventh
// decimal, the only kind a float has. A sample of them, and the neighbours of each.
TEST(KuusKomakohta, RoundsTiesToEvenAsPrintfDoes) {
  for (std::uint32_t j = 1; j < (1u << 24); j += 2 * 97) {
    const float x = static_cast<float>(j) / 128;
    ASSERT_TRUE(nagu_printf(x));
    ASSERT_TRUE(nagu_printf(std::nextafter(x, 0.0f)));
    ASSERT_TRUE(nagu_printf(std::nextafter(x, piirid::infinity())));
  }
}

TEST(KuusKomakohta, AgreesWithPrintfOnRandomBitPatterns) {
  std::mt19937 juhus(20240607);
  for (int n = 0; n < 500000; ++n)
    ASSERT_TRUE(nagu_printf(bitid(static_cast<std::uint32_t>(juhus()))));
}

}  // namespace
