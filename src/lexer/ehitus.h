// How the program built reads letters: zemtar and zemtar-lihtne each link one definition of
// these (src/roman, src/decimal). Nothing switches at run time.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "lexer/lekseem.h"

namespace zemtar {

// The variable slot (0 for a ... 24 for y) that a name character stands for, or -1 when it has
// none. The lexer and assignments both ask this, so what can be assigned can be read back.
int muutuja_indeks(unsigned char c);

// When the letter at rida[asukoht] begins a Roman numeral, reads the whole run of Roman letters
// as one number token and moves asukoht past it; otherwise nothing.
std::optional<lekseem> loe_rooma_arv(std::string_view rida, std::size_t& asukoht);

}  // namespace zemtar
