// What the line-step fuzz target asks of the build it is linked with: how that build shows a
// result, checked from the printed text back to the value.
#pragma once

#include <string_view>

namespace zemtar_fuzz {

// Whether tekst (what follows "väärtus=", without the newline) shows tulemus as this build
// writes results.
bool naitab(std::string_view tekst, float tulemus);

// Whether rida is the whole line this build prints in place of a result it cannot show, and
// tulemus is such a result.
bool esitamatu(std::string_view rida, float tulemus);

}  // namespace zemtar_fuzz
