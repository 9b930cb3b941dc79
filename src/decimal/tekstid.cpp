// What zemtar-lihtne alone says: its name, the head and tail of its shorter help text, and its
// division message (which, unlike every other, has no "Viga: " before it).
#include "eval/ehitus.h"
#include "frontend/ehitus.h"

namespace zemtar {

const char PROGRAMM[] = "zemtar-lihtne";
const char JAGAMINE_NULLIGA[] = "Jagamine nulliga!\n";

const char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator\n";
const char JUHISTE_LOPP[] = "    T\xFChikud sisendis on lubatud.\n\n";

}  // namespace zemtar
