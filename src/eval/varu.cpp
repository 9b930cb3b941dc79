#include "eval/varu.h"

namespace zemtar {

void varu::tyhjenda() {
  // A line that ended well has given every token back, in some order, and a line usually
  // ends well; only after one cut short is the list made anew.
  if (vabu == MAHT) return;
  for (vabu = 0; vabu < MAHT; ++vabu)
    vabad[vabu] = &lekseemid[vabu];
}

}  // namespace zemtar
