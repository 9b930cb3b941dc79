// Program entry: the arguments, read once; the banner; the input mode the first argument
// chooses, run; and at the end the check that everything printed has been written.
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "frontend/sisendid.h"
#include "frontend/vead.h"
#include "lexer/ehitus.h"
#include "platform/platvorm.h"
#include "teated.h"

namespace {

using zemtar::kaivitus;

enum tooviis { KASUREALT, FAILIST, KLAVIATUURILT, ABI, VERSIOON };

// What the arguments ask for. Only the first two count: the option, and the expression or the
// script after "-k" or "-f"; any other first argument starts the keyboard mode.
struct argumendid {
  tooviis viis = KLAVIATUURILT;
  char* argument = nullptr;
  int kasutamata = 1;  // the first of those that are not used
  zemtar::kasutamata_vihje vihje = zemtar::VIHJETA;
};

argumendid loe_argumendid(int argc, char** argv) {
  argumendid a;
  if (argc < 2) return a;
  const std::string_view valik = argv[1];
  if (valik == "-k" || valik == "-f") {
    a.viis = valik == "-k" ? KASUREALT : FAILIST;
    a.argument = argc > 2 ? argv[2] : nullptr;
    a.kasutamata = 3;
    if (a.viis == KASUREALT) a.vihje = zemtar::VIHJE_AVALDIS;
  } else if (valik == "--help" || valik == "--version") {
    a.viis = valik == "--help" ? ABI : VERSIOON;
    a.kasutamata = 2;
  } else {
    a.vihje = zemtar::VIHJE_VALIKUD;
  }
  return a;
}

// Closes the script that "-f" opened; standard input stays the C library's.
struct sulgeja {
  void operator()(std::FILE* f) const {
    if (f != stdin) std::fclose(f);
  }
};

// The usage text, the system's parts in it, with the program's name in place of each '@'.
void kasutus(const zemtar::kirjutaja& valja) {
  for (std::string_view tekst :
       {zemtar::KASUTUS, zemtar::KASUTUS_SUSTEEM, zemtar::KASUTUS_OLEK, zemtar::KASUTUS_LOPP}) {
    for (std::size_t koht; (koht = tekst.find('@')) != std::string_view::npos;
         tekst.remove_prefix(koht + 1)) {
      valja.tekst(tekst.substr(0, koht));
      valja.tekst(zemtar::PROGRAMM);
    }
    valja.tekst(tekst);
  }
}

int kaivita(kaivitus& k, const argumendid& a, std::FILE* sisse, int pohjus) {
  switch (a.viis) {
    case KASUREALT:
      return zemtar::kasurealt(k, a.argument);
    case FAILIST:
      return zemtar::failist(k, sisse, a.argument, pohjus);
    case ABI:
      kasutus(k.valja());
      return 0;
    case VERSIOON:
      k.valja().tekst(zemtar::PROGRAMM);
      k.valja().tekst(" " ZEMTAR_VERSIOON "\n");
      return 0;
    case KLAVIATUURILT:
      break;
  }
  return zemtar::klaviatuurilt(k, sisse, stdout);
}

}  // namespace

int main(int argc, char** argv) {
  // Only a terminal shows letters in the user's character set, and only there are letters typed
  // with line editing; files and pipes get the texts' bytes as stored, and a start there spends
  // nothing on loading the locale. Only the character type: numbers keep the C library's ways.
  if (zemtar::on_terminal(stdout) || zemtar::on_terminal(stderr)) std::setlocale(LC_CTYPE, "");
  const argumendid a = loe_argumendid(argc, argv);
  // Where the run reads its lines: the script that "-f" names ("-": standard input), opened
  // (nullptr when it cannot be, and pohjus says why), or standard input for the keyboard.
  std::FILE* skript = nullptr;
  int pohjus = 0;
  if (a.viis == KLAVIATUURILT || (a.viis == FAILIST && a.argument != nullptr)) skript = stdin;
  if (a.viis == FAILIST && a.argument != nullptr && std::strcmp(a.argument, "-") != 0) {
    skript = std::fopen(a.argument, "r");
    pohjus = errno;
  }
  const std::unique_ptr<std::FILE, sulgeja> sisse(skript);
  // Input read from the file that the output is written to would bring the results back as
  // lines, without end: refused before anything is written there.
  if (sisse && zemtar::sama_fail(sisse.get(), stdout)) {
    zemtar::teata_hadast(zemtar::SISEND_ON_VALJUND);
    return zemtar::HADA;
  }
  // Into a file or a pipe the output goes a block at a time, and all of it before the program
  // waits for input; at a terminal, line by line as the C library sends it. A keyboard line
  // is in sight there when it is typed there.
  const bool terminal = zemtar::on_terminal(stdout);
  kaivitus k(stdout, zemtar::valjundi_tahestik(stdout), terminal,
             a.viis == KASUREALT ? kaivitus::KASUREALT
             : a.viis == FAILIST ? kaivitus::FAILIST
                                 : kaivitus::KLAVIATUURILT,
             a.viis != KLAVIATUURILT || zemtar::on_terminal(stdin));
  k.valja().tekst(zemtar::PEALKIRI);
  k.valja().tekst(zemtar::AUTOR);
  zemtar::teata_kasutamata(argc, argv, a.kasutamata, a.vihje);
  const int staatus = k.lopeta(kaivita(k, a, sisse.get(), pohjus));
  // A file system may refuse the output only when it is closed.
  const bool kirjutatud = k.valja().korras();
  if (std::fclose(stdout) != 0 && kirjutatud) {
    zemtar::teata_hadast(zemtar::VALJUND_EI_KIRJUTA, errno);
    return zemtar::HADA;
  }
  return staatus;
}
