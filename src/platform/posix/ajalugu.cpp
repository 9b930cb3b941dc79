#include "platform/posix/ajalugu.h"

#include <histedit.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace zemtar {

namespace {

// Lines kept: a long session's worth. The file is cut back to them when it has twice as many.
constexpr int MAHT = 1000;

// ZEMTAR_AJALUGU when it is set (set but empty: no file), otherwise the program's file in the
// user's state folder. A relative XDG_STATE_HOME counts as unset, as that convention says.
std::string failinimi(const char* programm) {
  if (const char* nimi = std::getenv("ZEMTAR_AJALUGU")) return nimi;
  const char* olek = std::getenv("XDG_STATE_HOME");
  std::string kaust;
  if (olek != nullptr && olek[0] == '/') {
    kaust = olek;
  } else {
    const char* kodu = std::getenv("HOME");
    if (kodu == nullptr || kodu[0] == '\0') return {};
    kaust = std::string(kodu) + "/.local/state";
  }
  return kaust + "/zemtar/" + programm + ".ajalugu";
}

}  // namespace

ajalugu::ajalugu(const char* programm) : kirjed_(history_init()), fail(failinimi(programm), MAHT) {
  HistEvent syndmus;
  history(kirjed_, &syndmus, H_SETSIZE, MAHT);
  history(kirjed_, &syndmus, H_SETUNIQUE, 1);
  for (const std::string& rida : fail.loe())
    history(kirjed_, &syndmus, H_ENTER, rida.c_str());
}

ajalugu::~ajalugu() {
  history_end(kirjed_);
}

void ajalugu::lisa(std::string_view rida) {
  if (!rida.empty() && rida.back() == '\n') rida.remove_suffix(1);
  if (rida.find_first_not_of(" \t") == std::string_view::npos) return;
  // A copy with its NUL, as libedit wants it; a line too long for one is not kept.
  const std::unique_ptr<char, decltype(&std::free)> tekst(strndup(rida.data(), rida.size()),
                                                          &std::free);
  if (!tekst) return;
  HistEvent syndmus;
  if (history(kirjed_, &syndmus, H_FIRST) == 0 && std::strcmp(syndmus.str, tekst.get()) == 0)
    return;
  history(kirjed_, &syndmus, H_ENTER, tekst.get());
  fail.lisa(tekst.get());
}

}  // namespace zemtar
