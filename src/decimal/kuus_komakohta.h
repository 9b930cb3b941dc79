// A float with six decimals, byte for byte as printf's "%f" writes it, but several times faster.
#pragma once

#include <cstddef>

namespace zemtar {

// The longest text: a sign, 39 digits of the largest float, the point and six decimals.
inline constexpr std::size_t KUUS_KOMAKOHTA_PIKIM = 47;

// Writes x into puhver (room for KUUS_KOMAKOHTA_PIKIM bytes, no NUL added) as "%f" writes
// (double)x: the exact binary value rounded to six decimals, a tie to the even last digit;
// "-" for every negative sign, -0 too; "inf" and "nan" for the others. Answers the length.
std::size_t kuus_komakohta(float x, char* puhver);

}  // namespace zemtar
