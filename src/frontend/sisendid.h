// The three input modes. Each makes one evaluator for the run, feeds it every line and
// returns the process's exit status.
#pragma once

#include <cstdio>

namespace zemtar {

// "-k": the one expression or assignment given on the command line (nullptr when missing).
int kasurealt(const char* tekst, std::FILE* valja);

// "-f": every line of the named script (nullptr when missing), each echoed before its result.
int failist(const char* nimi, std::FILE* valja);

// No option: lines typed after the prompt until "valju" or the end of input. Always 1.
int klaviatuurilt(std::FILE* sisse, std::FILE* valja);

}  // namespace zemtar
