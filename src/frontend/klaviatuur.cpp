#include "frontend/klaviatuur.h"

#include "frontend/vead.h"
#include "lexer/ehitus.h"

namespace zemtar {

klaviatuur::klaviatuur(std::FILE* sisse, std::FILE* ekraan)
    : lugeja_(sisse),
      toimetaja(
          ava_toimetaja(sisse, ekraan, PROGRAMM, [](const char* mis) { teata_hadast(mis); })) {}

}  // namespace zemtar
