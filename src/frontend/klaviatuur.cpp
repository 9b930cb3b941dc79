#include "frontend/klaviatuur.h"

#include "frontend/ehitus.h"
#include "frontend/sisendid.h"
#include "teated.h"

namespace zemtar {

klaviatuur::klaviatuur(std::FILE* sisse, std::FILE* valja)
    : valja(valja),
      lugeja(sisse),
      toimetaja(ava_toimetaja(sisse, valja, PROGRAMM, [](const char* mis) { teata_hadast(mis); })) {
}

bool klaviatuur::loe(std::string_view& rida) {
  if (toimetaja) return loe_rida(toimetaja.get(), VIIP, rida);
  kirjuta(valja, VIIP);
  // The prompt must show before the read waits; a prompt that cannot be shown ends the run.
  if (std::fflush(valja) != 0) return false;
  return lugeja.loe(rida);
}

}  // namespace zemtar
