// The console's line reader with the read it makes handed in: a test stands in for the console
// there, since Ctrl-C cannot be sent to a read pending at wine's console.
#pragma once

#include <windows.h>

#include <cstdio>

#include "platform/platvorm.h"

namespace zemtar {

using konsooli_lugeja = decltype(&ReadConsoleW);

// Lines read from sisse with loe, in the console's cooked mode, the prompts written to valja.
rea_toimetaja* ava_toimetaja(HANDLE sisse, std::FILE* valja, konsooli_lugeja loe);

}  // namespace zemtar
