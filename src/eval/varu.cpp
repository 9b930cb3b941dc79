#include "eval/varu.h"

namespace zemtar {

void varu::tyhjenda() {
  for (vabu = 0; vabu < MAHT; ++vabu)
    vabad[vabu] = &lekseemid[vabu];
}

}  // namespace zemtar
