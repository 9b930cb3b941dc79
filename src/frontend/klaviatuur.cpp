#include "frontend/klaviatuur.h"

#include "lexer/ehitus.h"

namespace zemtar {

klaviatuur::klaviatuur(std::FILE* sisse, std::FILE* ekraan)
    : lugeja_(sisse), toimetaja(ava_toimetaja(sisse, ekraan, PROGRAMM)) {}

}  // namespace zemtar
