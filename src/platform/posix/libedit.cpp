// Line editing at a terminal with libedit: the cursor keys, deleting, Home and End, recalling
// and searching earlier lines (kept across runs in the history file), and Ctrl-C to drop the
// line being typed.
#include <histedit.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/platvorm.h"
#include "platform/posix/ajalugu.h"

namespace zemtar {

struct rea_toimetaja {
  explicit rea_toimetaja(const char* programm) : varasemad(programm) {}

  std::FILE* valja = nullptr;
  ajalugu varasemad;
  EditLine* el = nullptr;
  const char* viip = "";  // the prompt of the line being read
};

namespace {

char* anna_viip(EditLine* el) {
  void* t = nullptr;
  el_get(el, EL_CLIENTDATA, &t);
  return const_cast<char*>(static_cast<rea_toimetaja*>(t)->viip);
}

// Ctrl-C while a line is read only interrupts the read, so that the line can be dropped; at
// any other time the signal keeps its usual effect and ends the run.
void katkesta_lugemine(int) {}

}  // namespace

rea_toimetaja* ava_toimetaja(std::FILE* sisse, std::FILE* valja, const char* programm) {
  if (!isatty(fileno(sisse)) || !isatty(fileno(valja))) return nullptr;
  // Letters typed are taken and shown in the character set of LC_CTYPE, which main sets to the
  // user's whenever standard output is a terminal.
  auto t = std::make_unique<rea_toimetaja>(programm);
  t->valja = valja;
  t->el = el_init(programm, sisse, valja, valja);
  if (t->el == nullptr) return nullptr;  // no editor to be had: lines are read without one
  el_set(t->el, EL_CLIENTDATA, t.get());
  el_set(t->el, EL_EDITOR, "emacs");
  // libedit restores the terminal before a signal stops or ends the run, and redraws the line
  // when the run goes on or the window changes size.
  el_set(t->el, EL_SIGNAL, 1);
  el_set(t->el, EL_PROMPT, anna_viip);
  el_set(t->el, EL_HIST, history, t->varasemad.kirjed());
  el_set(t->el, EL_BIND, "^R", "em-inc-search-prev", nullptr);
  return t.release();
}

void sulge_toimetaja(rea_toimetaja* t) {
  if (t == nullptr) return;
  el_end(t->el);
  delete t;
}

bool loe_rida(rea_toimetaja* t, const char* viip, std::string_view& rida) {
  t->viip = viip;
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
