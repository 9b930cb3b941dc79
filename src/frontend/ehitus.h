// How the program built shows itself and its results: zemtar and zemtar-lihtne each link one
// definition of these (src/roman, src/decimal). Nothing switches at run time.
#pragma once

#include <string_view>

#include "output/kirjutaja.h"

namespace zemtar {

// The program's name, as it is installed.
extern const char PROGRAMM[];

// Prints a result line: the words before the value ("Avaldise väärtus=" or "Muutuja a
// väärtus="), the value as this program shows it, and a newline.
void kuva_tulemus(kirjutaja valja, std::string_view sonad, float tulemus);

// The help text's head and tail, around the entries that both programs share (JUHISED_KESK).
extern const char JUHISTE_ALGUS[];
extern const char JUHISTE_LOPP[];

}  // namespace zemtar
