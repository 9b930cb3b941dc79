// The lexer scales a number by its count of decimals without std::pow; every scale must
// still give the float that dividing by std::pow(10, decimals) gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "lexer/leksator.h"

namespace {

// The digits read as the lexer reads them, a float after each, then divided by std::pow.
float powiga(const std::string& numbrid, int komakohti) {
  float v = 0;
  for (const char c : numbrid)
    v = static_cast<float>(static_cast<double>(v) * 10 + (c - '0'));
  return static_cast<float>(v / std::pow(10.0, komakohti));
}

// The number written with the given count of decimals, and the float the lexer reads.
::testing::AssertionResult loeb_nagu_pow(const std::string& arv, int komakohti) {
  const std::size_t nulle =
      std::max<std::size_t>(arv.size(), static_cast<std::size_t>(komakohti) + 1) - arv.size();
  const std::string numbrid = std::string(nulle, '0') + arv;
  std::string tekst = numbrid;
  tekst.insert(tekst.size() - static_cast<std::size_t>(komakohti), ",");
  zemtar::leksator lugeja;
  lugeja.sea_rida(tekst);
  const zemtar::lekseem t = lugeja.jargmine();
  const float oodatud = powiga(numbrid, komakohti);
  if (t.liik == zemtar::ARV && std::memcmp(&t.vaartus, &oodatud, sizeof oodatud) == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << tekst << ": " << t.vaartus << " instead of " << oodatud;
}

// Every count of decimals from none to past the double range, across the table's end.
TEST(LeksatorAstmed, ScalesAsStdPowDoes) {
  for (const std::string arv : {"1", "7", "123456789", "16777217", "99999999999999999999"}) {
    for (int komakohti = 0; komakohti <= 400; ++komakohti)
      ASSERT_TRUE(loeb_nagu_pow(arv, komakohti));
  }
}

}  // namespace
