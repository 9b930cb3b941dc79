// What the programs ask of a terminal: the character set in which its reader sees letters.
#pragma once

#include <cstdio>

#include "tahestik.h"

namespace zemtar {

// The set of the user's locale (LC_CTYPE alone) when the stream is a terminal; otherwise the
// texts' bytes as stored, whatever the locale says.
tahestik terminali_tahestik(std::FILE* voog);

}  // namespace zemtar
