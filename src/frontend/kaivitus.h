// One run of the calculator, however its lines come: the evaluator that keeps the variables
// from line to line, the writer that every answer goes through, how lines are echoed and
// whether keywords count, and the one rule for when output leaves: all of it before a read that
// would wait. Each input mode (sisendid.h) and the web page (leht.cpp) is a short loop over it.
#pragma once

#include <cstdio>
#include <string_view>

#include "eval/infiksavaldis.h"
#include "frontend/klaviatuur.h"
#include "frontend/ridade_lugeja.h"
#include "output/kirjutaja.h"

namespace zemtar {

enum tootluse_tulemus { JATKA, LOPETA };

class kaivitus {
 public:
  // Where the lines come from, which decides their echo and whether keywords count.
  enum viis {
    KASUREALT,      // one line, echoed with a blank after it
    FAILIST,        // a script's lines, each echoed
    KLAVIATUURILT,  // typed lines, not echoed; "valju" and "abi" are keywords
  };

  // Output to voog, its texts' letters in tahed. At a terminal (the web page is one) no block
  // gathers the output, an echo shows control bytes visibly, and where the line is in sight
  // (echoed, or typed there: rida_naha) a message is preceded by a caret line under its place.
  kaivitus(std::FILE* voog, tahestik tahed, bool terminal, viis v, bool rida_naha = true);
  virtual ~kaivitus() = default;
  kaivitus(const kaivitus&) = delete;
  kaivitus& operator=(const kaivitus&) = delete;

  kirjutaja& valja() { return valja_; }
  infiksavaldis& avaldis() { return avaldis_; }

  // A line as its mode takes it: echoed, then handled. A command-line text is one line: after
  // a newline in it nothing may follow.
  tootluse_tulemus rida(std::string_view rida);
  // The line step: keywords (only in keyboard mode: "valju" ends the run with LOPETA, "abi"
  // prints the help), an assignment or an expression, and its result line or message.
  tootluse_tulemus tootle_rida(std::string_view rida);

  // The next line of a script, or of the keyboard (after the prompt, which the line editor
  // shows itself and the writer otherwise). False when the lines have ended.
  bool loe(ridade_lugeja& lugeja, std::string_view& rida) {
    return lugeja.anna(rida) || loe_juurde(lugeja, rida);
  }
  bool loe(klaviatuur& lugeja, std::string_view& rida);
  // Before a line that the web page will send: the prompt, and everything out to the page.
  void ootan_rida();

  // The exit status from the last result: truncated toward zero, the ends of the 32-bit range
  // for a value beyond them, and 0 for one that is not a number.
  int staatus() const;
  // The run cannot go on, for the system's reason pohjus (an errno value): standard error will
  // say what failed (mis), or name the script that cannot be read (skript), once everything
  // before is out. HADA.
  int loobu(const char* mis, int pohjus, const char* skript = nullptr);
  // The end: everything out, then what failed said on standard error. The exit status: as given,
  // or HADA when the output could not be written.
  int lopeta(int staatus);

 private:
  void kaja(std::string_view rida);
  void teata(std::string_view rida, const vastus& v);
  void omistus(std::string_view rida, std::size_t vordus);
  void kuva_tulemus(std::string_view sonad);
  void enne_lugemist(bool ootab);
  // Reads until a line is there, or the lines end. Once a block, so kept out of the loop.
  [[gnu::noinline]] bool loe_juurde(ridade_lugeja& lugeja, std::string_view& rida);

  plokk kogu;
  kirjutaja valja_;
  infiksavaldis avaldis_;
  viis viis_;
  bool osutab;
  const char* hada = nullptr;  // why the run stopped, if it did
  const char* hada_skript = nullptr;
  int hada_pohjus = 0;
};

// The exit status of a run that could not do its job: a script that cannot be read, "-k"
// without an expression, a line longer than memory holds, output that cannot be written.
inline constexpr int HADA = 2;

}  // namespace zemtar
