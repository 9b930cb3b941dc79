// Program entry: the banner, then the input mode the first argument chooses, and at the end
// the check that everything printed has been written.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "frontend/ehitus.h"
#include "frontend/sisendid.h"
#include "platform/platvorm.h"
#include "teated.h"

namespace {

using zemtar::kirjutaja;

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

int kaivita(const char* valik, const char* argument, kirjutaja valja) {
  const auto on = [valik](const char* nimi) {
    return valik != nullptr && std::strcmp(valik, nimi) == 0;
  };
  if (on("-f")) return zemtar::failist(argument, valja);
  if (on("-k")) return zemtar::kasurealt(argument, valja);
  if (on("--help")) {
    kasutus(valja);
    return 0;
  }
  if (on("--version")) {
    valja.tekst(zemtar::PROGRAMM);
    valja.tekst(" " ZEMTAR_VERSIOON "\n");
    return 0;
  }
  // Any other first argument is ignored.
  return zemtar::klaviatuurilt(stdin, valja);
}

}  // namespace

int main(int argc, char** argv) {
  // Into a file or a pipe the output goes a block at a time; at a terminal, line by line as
  // the C library sends it, so that a script read from the keyboard answers each line.
  zemtar::plokk plokk;
  const kirjutaja valja(stdout, zemtar::terminali_tahestik(stdout),
                        zemtar::on_terminal(stdout) ? nullptr : &plokk);
  valja.tekst(zemtar::PEALKIRI);
  valja.tekst(zemtar::AUTOR);
  const int staatus = kaivita(argc > 1 ? argv[1] : nullptr, argc > 2 ? argv[2] : nullptr, valja);
  // The last of the output leaves only now; a failure even here means the run failed.
  valja.saada();
  const bool korras = valja.korras();
  if (std::fclose(stdout) != 0 || !korras) {
    zemtar::teata_hadast(zemtar::VALJUND_EI_KIRJUTA, errno);
    return zemtar::HADA;
  }
  return staatus;
}
