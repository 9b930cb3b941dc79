// The three input modes, each a loop over one run (kaivitus.h), which gives each line its
// answer. Each returns the process's exit status.
#pragma once

#include <cstdio>

#include "frontend/kaivitus.h"

namespace zemtar {

// "-k": the one expression or assignment given on the command line (nullptr when missing). A
// CR LF at its end, as at a script line's, ends it as a newline does.
int kasurealt(kaivitus& k, char* tekst);

// "-f": every line of the open script, named nimi (nullptr when none was named), each echoed
// before its answer. A script that could not be opened is nullptr, and pohjus says why.
int failist(kaivitus& k, std::FILE* skript, const char* nimi, int pohjus);

// No option: lines typed after the prompt until "valju" or the end of input. 1, or 2 when a
// line does not fit in memory. Where sisse and ekraan are a terminal the line editor reads
// and draws there.
int klaviatuurilt(kaivitus& k, std::FILE* sisse, std::FILE* ekraan);

}  // namespace zemtar
