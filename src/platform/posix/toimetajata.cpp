// A build without line editing: at a terminal too, keyboard lines are read as from any other
// stream, with the terminal's own line discipline.
#include "platform/platvorm.h"

namespace zemtar {

struct rea_toimetaja {};

rea_toimetaja* ava_toimetaja(std::FILE*, std::FILE*, const char*, teataja) {
  return nullptr;
}

bool loe_rida(rea_toimetaja*, const char*, std::string_view&) {
  return false;
}

void sulge_toimetaja(rea_toimetaja*) {}

}  // namespace zemtar
