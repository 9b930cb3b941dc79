#include "frontend/ridade_lugeja.h"

#include <stdio.h>  // getline

#include <cstdlib>

namespace zemtar {

ridade_lugeja::~ridade_lugeja() {
  std::free(puhver);
}

bool ridade_lugeja::loe(std::string_view& rida) {
  const ssize_t pikkus = getline(&puhver, &maht, sisse);
  if (pikkus < 0) return false;
  std::size_t n = static_cast<std::size_t>(pikkus);
  const bool reavahetus = puhver[n - 1] == '\n';
  const std::size_t lopp = reavahetus ? n - 1 : n;
  if (lopp > 0 && puhver[lopp - 1] == '\r') {
    if (reavahetus) puhver[lopp - 1] = '\n';
    --n;
  }
  rida = std::string_view(puhver, n);
  return true;
}

}  // namespace zemtar
