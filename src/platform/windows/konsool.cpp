// Keyboard lines at a Windows console, read in its cooked mode, so that the console's own
// editing serves: the arrows, Home, End, Esc, and F7's list of the lines typed before. Ctrl-Z
// and Enter on an empty line end the input; Ctrl-C drops the line being typed. No history
// file: the console keeps this run's lines itself.
#include <string>

#include "platform/windows/konsool.h"

#include "platform/windows/kasitseja.h"

namespace zemtar {

struct rea_toimetaja {
  HANDLE sisse;
  std::FILE* valja;
  konsooli_lugeja loe;
  std::wstring tahed;  // as the console gives them
  std::string rida;    // the same in UTF-8
};

namespace {

// Whether a line is being read. Ctrl-C then only ends the read, so that the line can be
// dropped; at any other time it ends the run, as on Linux (and Ctrl-Break and closing the window
// always do). The handler that asks stays in place for the whole run: Windows calls it on a
// thread of its own, which may come after the read that Ctrl-C ended has returned.
volatile LONG loeb = FALSE;

BOOL WINAPI ctrl_c(DWORD syndmus) {
  return syndmus == CTRL_C_EVENT && loeb;
}

enum lugemine { RIDA, KATKES, LOPP };

// One line up to its CR LF, however many reads it takes.
lugemine loe_konsoolilt(rea_toimetaja& t) {
  t.tahed.clear();
  do {
    wchar_t puhver[1024];
    DWORD n = 0;
    // Ctrl-C ends the read with nothing read, as a failure or as an empty success.
    SetLastError(ERROR_SUCCESS);
    if (!t.loe(t.sisse, puhver, 1024, &n, nullptr) || n == 0)
      return GetLastError() == ERROR_OPERATION_ABORTED ? KATKES : LOPP;
    t.tahed.append(puhver, n);
  } while (t.tahed.back() != L'\n');
  return t.tahed[0] == L'\x1A' ? LOPP : RIDA;
}

}  // namespace

rea_toimetaja* ava_toimetaja(HANDLE sisse, std::FILE* valja, konsooli_lugeja loe) {
  SetConsoleCtrlHandler(ctrl_c, TRUE);
  return new rea_toimetaja{sisse, valja, loe, {}, {}};
}

rea_toimetaja* ava_toimetaja(std::FILE* sisse, std::FILE* valja, const char*, teataja) {
  if (!on_terminal(sisse) || !on_terminal(valja)) return nullptr;
  return ava_toimetaja(kasitseja(sisse), valja, ReadConsoleW);
}

void sulge_toimetaja(rea_toimetaja* t) {
  if (t == nullptr) return;
  SetConsoleCtrlHandler(ctrl_c, FALSE);
  delete t;
}

bool loe_rida(rea_toimetaja* t, const char* viip, std::string_view& rida) {
  for (loeb = TRUE;;) {
    kirjuta(t->valja, viip);
    const lugemine l = loe_konsoolilt(*t);
    loeb = l == KATKES;
    if (l == LOPP) return false;
    // The dropped line stays in sight, and a fresh prompt comes below it.
    if (l == KATKES) {
      kirjuta(t->valja, "\n");
      continue;
    }
    // CR LF becomes the newline that every line read from a stream has.
    std::wstring_view tahed = t->tahed;
    tahed.remove_suffix(tahed.size() > 1 && tahed[tahed.size() - 2] == L'\r' ? 2 : 1);
    const int n = static_cast<int>(tahed.size());
    t->rida.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, tahed.data(), n, nullptr, 0, nullptr, nullptr)));
    WideCharToMultiByte(CP_UTF8, 0, tahed.data(), n, t->rida.data(),
                        static_cast<int>(t->rida.size()), nullptr, nullptr);
    t->rida += '\n';
    rida = t->rida;
    return true;
  }
}

}  // namespace zemtar
