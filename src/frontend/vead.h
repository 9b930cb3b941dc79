// What a person at a shell is told on standard error besides the answers: why a run stopped,
// and what on the command line was not used. The program's name comes first.
#pragma once

namespace zemtar {

// "name: what failed: the system's reason", the reason (an errno value) if there is one. A
// script that cannot be read is named as it was given, in place of what failed.
void teata_hadast(const char* mis, int pohjus = 0, const char* skript = nullptr);

// What a line about unused arguments adds: nothing, how an expression is given as one argument
// (the expression's words from argv[2] on), or where the options are told.
enum kasutamata_vihje { VIHJETA, VIHJE_AVALDIS, VIHJE_VALIKUD };

// The arguments from argv[algus] on, which the run does not use, named in one line when
// standard error is a terminal.
void teata_kasutamata(int argc, char** argv, int algus, kasutamata_vihje vihje);

}  // namespace zemtar
