// The line step that every input mode applies: keywords, assignment or expression, then the
// result line.
#pragma once

#include <string_view>

#include "eval/infiksavaldis.h"
#include "output/kirjutaja.h"

namespace zemtar {

enum tootluse_tulemus { JATKA, LOPETA };

// Handles one line on the run's evaluator. Only with votmesonad does a line holding "valju"
// end the run (LOPETA) and one holding "abi" print the help text.
tootluse_tulemus tootle_rida(infiksavaldis& avaldis, std::string_view rida, bool votmesonad,
                             kirjutaja valja);

}  // namespace zemtar
