// The bytes the programs write, as the UTF-16 characters a console shows for them.
#pragma once

#include <cstddef>
#include <string_view>

namespace zemtar {

// Writes into tahed, which has room for one character a byte, the characters of baidid: each
// well-formed UTF-8 sequence as the character it encodes, every other byte as the code page
// koodileht reads it. The count written.
std::size_t utf16(std::string_view baidid, unsigned koodileht, wchar_t* tahed);

}  // namespace zemtar
