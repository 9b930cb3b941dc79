// zemtar-lihtne shows a result with six decimals: read back, it is within half a unit of the
// last decimal of the value; infinities and NaN are spelt out.
#include <cmath>
#include <cstdlib>
#include <string>

#include "tulemus.h"

namespace zemtar_fuzz {

namespace {

bool on_kuus_kohta(std::string_view tekst) {
  if (!tekst.empty() && tekst[0] == '-') tekst.remove_prefix(1);
  const std::size_t punkt = tekst.find('.');
  if (punkt == 0 || punkt == std::string_view::npos || tekst.size() - punkt != 7) return false;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if (i != punkt && (tekst[i] < '0' || tekst[i] > '9')) return false;
  }
  return true;
}

}  // namespace

bool naitab(std::string_view tekst, float tulemus) {
  if (std::isnan(tulemus)) return tekst == "nan" || tekst == "-nan";
  if (std::isinf(tulemus)) return tekst == (tulemus > 0 ? "inf" : "-inf");
  if (!on_kuus_kohta(tekst)) return false;
  const double loetud = std::strtod(std::string(tekst).c_str(), nullptr);
  const double arv = tulemus;
  return std::signbit(loetud) == std::signbit(arv) &&
         std::fabs(loetud - arv) <= 5e-7 + std::fabs(arv) * 1e-15;
}

bool esitamatu(std::string_view, float) {
  return false;
}

}  // namespace zemtar_fuzz
