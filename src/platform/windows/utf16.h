// The bytes the programs write, as the UTF-16 characters a console shows for them.
#pragma once

#include <cstddef>
#include <string_view>

namespace zemtar {

// The length of the character at the start of baidid: a well-formed UTF-8 sequence, else a
// double-byte character of the code page koodileht (its lead byte and the byte after it,
// whatever that is), else one byte.
std::size_t margi_pikkus(std::string_view baidid, unsigned koodileht);

// Writes into tahed, which has room for one character a byte, the characters of baidid: each
// well-formed UTF-8 sequence as the character it encodes, everything else as the code page
// koodileht reads it, its double-byte characters whole. The count written.
std::size_t utf16(std::string_view baidid, unsigned koodileht, wchar_t* tahed);

}  // namespace zemtar
