#include "frontend/klaviatuur.h"

#include <histedit.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>

#include "ehitus.h"
#include "teated.h"

namespace zemtar {

namespace {

char* viip(EditLine*) {
  return const_cast<char*>(VIIP);
}

// Ctrl-C while a line is read only interrupts the read; at any other time it ends the run as
// it always has.
void katkesta(int) {}

}  // namespace

klaviatuur::klaviatuur(std::FILE* sisse, std::FILE* valja) : valja(valja), lugeja(sisse) {
  if (!isatty(fileno(sisse)) || !isatty(fileno(valja))) return;
  // Letters typed are taken and shown in the user's character set. Only LC_CTYPE: how numbers
  // are read and written stays as it is.
  std::setlocale(LC_CTYPE, "");
  varasemad = std::make_unique<ajalugu>();
  el = el_init(PROGRAMM, sisse, valja, valja);
  el_set(el, EL_EDITOR, "emacs");
  // libedit restores the terminal before a signal stops or ends the run, and redraws the line
  // when the run goes on or the window changes size.
  el_set(el, EL_SIGNAL, 1);
  el_set(el, EL_PROMPT, viip);
  el_set(el, EL_HIST, history, varasemad->kirjed());
  el_set(el, EL_BIND, "^R", "em-inc-search-prev", nullptr);
}

klaviatuur::~klaviatuur() {
  if (el != nullptr) el_end(el);
}

bool klaviatuur::loe(std::string_view& rida) {
  if (el != nullptr) return loe_toimetades(rida);
  std::fputs(VIIP, valja);
  // The prompt must show before the read waits; a prompt that cannot be shown ends the run.
  if (std::fflush(valja) != 0) return false;
  return lugeja.loe(rida);
}

bool klaviatuur::loe_toimetades(std::string_view& rida) {
  struct sigaction katkestus = {}, vana = {};
  katkestus.sa_handler = katkesta;
  for (;;) {
    sigaction(SIGINT, &katkestus, &vana);
    int pikkus = 0;
    const char* tekst = el_gets(el, &pikkus);
    const int viga = errno;
    sigaction(SIGINT, &vana, nullptr);
    if (tekst != nullptr) {
      rida = std::string_view(tekst, static_cast<std::size_t>(pikkus));
      varasemad->lisa(rida);
      return true;
    }
    // After Ctrl-C the dropped line stays in sight and a fresh prompt comes below it; after
    // Ctrl-D (shown as ^D) whatever comes next starts on a line of its own.
    std::fputc('\n', valja);
    if (pikkus >= 0 || viga != EINTR) return false;
  }
}

}  // namespace zemtar
