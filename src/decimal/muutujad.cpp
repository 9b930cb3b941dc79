// How zemtar-lihtne reads letters: no Roman numerals, and the capitals A to Y are further
// names for the variables a to y.
#include "lexer/ehitus.h"

namespace zemtar {

int muutuja_indeks(unsigned char c) {
  if (c >= 'a' && c <= 'y') return c - 'a';
  if (c >= 'A' && c <= 'Y') return c - 'A';
  return -1;
}

std::optional<lekseem> loe_rooma_arv(std::string_view, std::size_t&) {
  return std::nullopt;
}

}  // namespace zemtar
