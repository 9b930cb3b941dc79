// What the evaluator says in the program built's own words: zemtar and zemtar-lihtne each link
// one definition (src/roman, src/decimal).
#pragma once

namespace zemtar {

// The message for a zero divisor.
extern const char JAGAMINE_NULLIGA[];

}  // namespace zemtar
