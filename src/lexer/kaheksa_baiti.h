// Eight bytes of a line as one word, so that a run of like characters is measured with no
// branch on each of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zemtar {

// The eight bytes of the line from koht on (koht inside the line) as one word, the first in
// its lowest byte; where the line ends before them, zero bytes. Read without a step outside
// the line, so a line shorter than eight bytes has no such word.
inline bool kaheksa_baiti(std::string_view rida, std::size_t koht, std::uint64_t& sona) {
  if (rida.size() - koht >= 8) {
    std::memcpy(&sona, rida.data() + koht, 8);
  } else if (rida.size() >= 8) {
    std::memcpy(&sona, rida.data() + rida.size() - 8, 8);
    sona >>= 8 * (8 - (rida.size() - koht));
  } else {
    return false;
  }
  if constexpr (__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__) sona = __builtin_bswap64(sona);
  return true;
}

}  // namespace zemtar
