// Line editing at a terminal with libedit: the cursor keys, deleting, Home and End, recalling
// and searching earlier lines (kept across runs in the history file), and Ctrl-C to drop the
// line being typed.
#include <histedit.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "ehitus.h"
#include "platform/platvorm.h"
#include "platform/posix/ajalugu.h"
#include "teated.h"

namespace zemtar {

struct rea_toimetaja {
  std::FILE* valja;
  ajalugu varasemad{PROGRAMM};
  EditLine* el;
};

namespace {

char* viip(EditLine*) {
  return const_cast<char*>(VIIP);
}

// Ctrl-C while a line is read only interrupts the read, so that the line can be dropped; at
// any other time the signal keeps its usual effect and ends the run.
void katkesta_lugemine(int) {}

}  // namespace

rea_toimetaja* ava_toimetaja(std::FILE* sisse, std::FILE* valja) {
  if (!isatty(fileno(sisse)) || !isatty(fileno(valja))) return nullptr;
  // Letters typed are taken and shown in the user's character set: LC_CTYPE is already the
  // user's, set when the output at this terminal chose the set of its letters.
  auto t = std::make_unique<rea_toimetaja>();
  t->valja = valja;
  t->el = el_init(PROGRAMM, sisse, valja, valja);
  el_set(t->el, EL_EDITOR, "emacs");
  // libedit restores the terminal before a signal stops or ends the run, and redraws the line
  // when the run goes on or the window changes size.
  el_set(t->el, EL_SIGNAL, 1);
  el_set(t->el, EL_PROMPT, viip);
  el_set(t->el, EL_HIST, history, t->varasemad.kirjed());
  el_set(t->el, EL_BIND, "^R", "em-inc-search-prev", nullptr);
  return t.release();
}

void sulge_toimetaja(rea_toimetaja* t) {
  if (t == nullptr) return;
  el_end(t->el);
  delete t;
}

bool loe_rida(rea_toimetaja* t, std::string_view& rida) {
  struct sigaction katkestus = {}, vana = {};
  katkestus.sa_handler = katkesta_lugemine;
  for (;;) {
    sigaction(SIGINT, &katkestus, &vana);
    int pikkus = 0;
    const char* tekst = el_gets(t->el, &pikkus);
    const int viga = errno;
    sigaction(SIGINT, &vana, nullptr);
    if (tekst != nullptr) {
      rida = std::string_view(tekst, static_cast<std::size_t>(pikkus));
      t->varasemad.lisa(rida);
      return true;
    }
    // After Ctrl-C the dropped line stays in sight and a fresh prompt comes below it; after
    // Ctrl-D (shown as ^D) whatever comes next starts on a line of its own.
    std::fputc('\n', t->valja);
    if (pikkus >= 0 || viga != EINTR) return false;
  }
}

}  // namespace zemtar
