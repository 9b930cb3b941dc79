// What zemtar alone says: its name, the head and tail of its help text, and its division
// message.
#include "eval/ehitus.h"
#include "frontend/ehitus.h"

namespace zemtar {

const char PROGRAMM[] = "zemtar";
const char JAGAMINE_NULLIGA[] = "Viga: Jagamine nulliga!\n";

const char JUHISTE_ALGUS[] = "\n\nInfiksavaldiste kalkulaator (Rooma numbrite toega)\n";
const char JUHISTE_LOPP[] =
    "    T\xFChikud sisendis on lubatud. Rooma numbrid on suurt\xE4hed IVXLCDM.\n"
    "    Rooma null on O (suur O t\x84ht). Muutujatena on selles versioonis\n"
    "    lubatud vaid v\xE4iket\xE4hed. Tulemuste v\xE4ljastamisel \xFCmardatakse see\n"
    "    t\xE4isarvuks.\n\n";

}  // namespace zemtar
