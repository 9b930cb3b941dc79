// What sets zemtar and zemtar-lihtne apart. Each program links one set of definitions:
// src/roman for zemtar, src/decimal for zemtar-lihtne. Nothing switches at run time.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "lexer/lekseem.h"
#include "output/kirjutaja.h"

namespace zemtar {

// The program's name, as it is installed.
extern const char PROGRAMM[];

// The message for a zero divisor.
extern const char JAGAMINE_NULLIGA[];

// The variable slot (0 for a ... 24 for y) that a name character stands for, or -1 when it has
// none. The lexer and assignments both ask this, so what can be assigned can be read back.
int muutuja_indeks(unsigned char c);

// When the letter at rida[asukoht] begins a Roman numeral, reads the whole run of Roman letters
// as one number token and moves asukoht past it; otherwise nothing.
std::optional<lekseem> loe_rooma_arv(std::string_view rida, std::size_t& asukoht);

// Prints a result line: the words before the value ("Avaldise väärtus=" or "Muutuja a
// väärtus="), the value as this program shows it, and a newline.
void kuva_tulemus(kirjutaja valja, std::string_view sonad, float tulemus);

// Prints the help text.
void juhised(kirjutaja valja);

}  // namespace zemtar
