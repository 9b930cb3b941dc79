// The three input modes. Each makes one evaluator for the run, feeds it every line and
// returns the process's exit status.
#pragma once

#include <cstdio>

#include "output/kirjutaja.h"

namespace zemtar {

// The exit status of a run that could not do its job: a script that cannot be read, "-k"
// without an expression, a line longer than memory holds, output that cannot be written.
inline constexpr int HADA = 2;

// "-k": the one expression or assignment given on the command line (nullptr when missing).
int kasurealt(const char* tekst, kirjutaja valja);

// "-f": every line of the open script (nullptr when it could not be opened or none was named),
// each echoed before its result.
int failist(std::FILE* skript, kirjutaja valja);

// No option: lines typed after the prompt until "valju" or the end of input. 1, or 2 when a
// line does not fit in memory. Where sisse and ekraan are a terminal the line editor reads
// and draws there; everything else is printed through valja, which writes to ekraan.
int klaviatuurilt(std::FILE* sisse, std::FILE* ekraan, kirjutaja valja);

// Tells standard error why the run stops: the program's name, what failed, and the system's
// reason (an errno value), if there is one.
void teata_hadast(const char* mis, int pohjus = 0);

}  // namespace zemtar
