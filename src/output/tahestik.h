// The character sets the fixed texts can be written in at a terminal, the one table that knows
// which bytes of the texts are Estonian letters, and how a terminal is shown control bytes.
#pragma once

#include <cstdio>
#include <string_view>

namespace zemtar {

enum class tahestik {
  SAMA,   // the bytes as stored: whatever reads a pipe or a file gets them unchanged
  UTF8,   // every a-umlaut, o-tilde, o-umlaut and u-umlaut in two bytes
  LATIN,  // the single-byte sets that keep them at e4, f5, f6 and fc
  ASCII,  // a, o, o, u: the C locale and every set not known here
};

// The set in which the texts' letters go to the stream: the one that ZEMTAR_KOODISTIK names
// (UTF-8, ISO-8859-1, -13, -15 or CP1257, in any case, the hyphens optional), for any stream;
// else at a terminal its reader's; else the bytes as stored, whatever the terminal would show.
tahestik valjundi_tahestik(std::FILE* voog);

// The set that a locale's codeset name (as nl_langinfo(CODESET) gives it) stands for.
tahestik tahestik_nimest(std::string_view koodistik);

// What the set writes for a byte of a fixed text: empty when the byte stays as it is.
std::string_view tahe_kuju(tahestik t, unsigned char bait);

// What a terminal of the set is shown for a byte of the user's that could steer it: "^[" for
// ESC, "^?" for DEL, the other C0 bytes but tab and newline alike, and outside UTF-8 the C1
// bytes as "M-" and the form of the byte 0x80 below. Empty for every other byte, and in SAMA.
std::string_view juhtbaidi_kuju(tahestik t, unsigned char bait);

}  // namespace zemtar
