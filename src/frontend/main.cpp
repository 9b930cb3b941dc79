// Program entry: the banner, then the input mode the first argument chooses, and at the end
// the check that everything printed has been written.
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "frontend/ehitus.h"
#include "frontend/sisendid.h"
#include "platform/platvorm.h"
#include "teated.h"

namespace {

using zemtar::kirjutaja;

bool on(const char* valik, const char* nimi) {
  return valik != nullptr && std::strcmp(valik, nimi) == 0;
}

// Where the run reads its lines: the script that "-f" names ("-": standard input), opened, or
// nullptr when it cannot be; standard input for the keyboard; nullptr for the options that
// read no lines.
std::FILE* sisend(const char* valik, const char* nimi) {
  if (on(valik, "-k") || on(valik, "--help") || on(valik, "--version")) return nullptr;
  if (!on(valik, "-f") || on(nimi, "-")) return stdin;
  return nimi != nullptr ? std::fopen(nimi, "r") : nullptr;
}

// Closes the script that "-f" opened; standard input stays the C library's.
struct sulgeja {
  void operator()(std::FILE* f) const {
    if (f != stdin) std::fclose(f);
  }
};

// The usage text, the system's parts in it, with the program's name in place of each '@'.
void kasutus(kirjutaja valja) {
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

int kaivita(const char* valik, const char* argument, std::FILE* sisse, kirjutaja valja) {
  if (on(valik, "-f")) return zemtar::failist(sisse, valja);
  if (on(valik, "-k")) return zemtar::kasurealt(argument, valja);
  if (on(valik, "--help")) {
    kasutus(valja);
    return 0;
  }
  if (on(valik, "--version")) {
    valja.tekst(zemtar::PROGRAMM);
    valja.tekst(" " ZEMTAR_VERSIOON "\n");
    return 0;
  }
  // Any other first argument is ignored.
  return zemtar::klaviatuurilt(sisse, stdout, valja);
}

}  // namespace

int main(int argc, char** argv) {
  // Only a terminal shows letters in the user's character set, and only there are letters typed
  // with line editing; files and pipes get the texts' bytes as stored, and a start there spends
  // nothing on loading the locale. Only the character type: numbers keep the C library's ways.
  if (zemtar::on_terminal(stdout) || zemtar::on_terminal(stderr)) std::setlocale(LC_CTYPE, "");
  const char* valik = argc > 1 ? argv[1] : nullptr;
  const char* argument = argc > 2 ? argv[2] : nullptr;
  const std::unique_ptr<std::FILE, sulgeja> sisse(sisend(valik, argument));
  // Input read from the file that the output is written to would bring the results back as
  // lines, without end: refused before anything is written there.
  if (sisse && zemtar::sama_fail(sisse.get(), stdout)) {
    zemtar::teata_hadast(zemtar::SISEND_ON_VALJUND);
    return zemtar::HADA;
  }
  // Into a file or a pipe the output goes a block at a time, and all of it before the program
  // waits for input; at a terminal, line by line as the C library sends it.
  zemtar::plokk plokk;
  const kirjutaja valja(stdout, zemtar::terminali_tahestik(stdout),
                        zemtar::on_terminal(stdout) ? nullptr : &plokk);
  valja.tekst(zemtar::PEALKIRI);
  valja.tekst(zemtar::AUTOR);
  const int staatus = kaivita(valik, argument, sisse.get(), valja);
  // The last of the output leaves only now; a failure even here means the run failed.
  valja.saada();
  const bool korras = valja.korras();
  if (std::fclose(stdout) != 0 || !korras) {
    zemtar::teata_hadast(zemtar::VALJUND_EI_KIRJUTA, errno);
    return zemtar::HADA;
  }
  return staatus;
}
