// Line editing at a terminal with libedit: the cursor keys, deleting, Home and End, recalling
// and searching earlier lines (kept across runs in the history file), and Ctrl-C to drop the
// line being typed. libedit gets every byte typed, whatever the locale, and gives it back.
// What is asked of libedit: el_init, el_end, el_wset, el_wget, el_wgets, history_winit,
// history_wend and history_w, nothing else.
#include <histedit.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>

#include "platform/platvorm.h"
#include "platform/posix/ajaloofail.h"

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

struct rea_toimetaja {
  rea_toimetaja(const char* programm, teataja teata) : fail(failinimi(programm), MAHT, teata) {}
  virtual ~rea_toimetaja() {
    if (el != nullptr) el_end(el);
    if (kirjed != nullptr) history_wend(kirjed);
  }

  EditLine* el = nullptr;
  HistoryW* kirjed = nullptr;
  ajaloofail fail;
  int sisse = -1;
  std::FILE* valja = nullptr;
  std::wstring viip;  // the prompt of the line being read
  std::string ootel;  // bytes typed that do not make a character yet
  std::string rida;   // the line read, as typed
};

namespace {

// Set by Ctrl-C while a line is read or kept: that alone is interrupted, so that the line can be
// dropped. At any other time the signal keeps its usual effect and ends the run.
volatile std::sig_atomic_t katkestatud = 0;

void katkesta(int) {
  katkestatud = 1;
}

// A byte that begins no character of the locale's set is a character of its own for libedit,
// from a range that no set gives (libedit shows it as "\U+DCE4"), and is given back as that byte.
constexpr wchar_t BAIT = 0xDC00;

// The character at the start of b and how many bytes it takes; 0 while b is the start of one
// that more bytes may finish (lopp: no more will come).
std::size_t mark(std::string_view b, bool lopp, wchar_t& c) {
  std::mbstate_t olek{};
  const std::size_t n = std::mbrtowc(&c, b.data(), b.size(), &olek);
  if (n == static_cast<std::size_t>(-2) && !lopp) return 0;
  if (n <= b.size()) return n + (n == 0);  // a NUL byte is a character too
  c = BAIT | static_cast<unsigned char>(b[0]);
  return 1;
}

std::wstring margid(std::string_view b) {
  std::wstring tahed;
  for (wchar_t c; !b.empty(); tahed += c)
    b.remove_prefix(mark(b, true, c));
  return tahed;
}

std::string baidid(std::wstring_view tahed) {
  std::string b;
  for (const wchar_t c : tahed) {
    char mb[MB_LEN_MAX];
    std::mbstate_t olek{};
    std::size_t n = 1;
    if ((c & ~0xFF) == BAIT) {
      mb[0] = static_cast<char>(c);
    } else {
      n = std::wcrtomb(mb, c, &olek);  // each character came from bytes of this set
    }
    b.append(mb, n <= sizeof mb ? n : 0);
  }
  return b;
}

rea_toimetaja& toimetaja(EditLine* el) {
  void* t = nullptr;
  el_wget(el, EL_CLIENTDATA, &t);
  return *static_cast<rea_toimetaja*>(t);
}

wchar_t* anna_viip(EditLine* el) {
  return toimetaja(el).viip.data();
}

// libedit's read of a character, in place of its own, which drops a byte that begins no
// character of the locale's set. Only Ctrl-C interrupts it; after a change of the window's
// size, or a stop and the run continued, libedit has drawn the line again.
int loe_mark(EditLine* el, wchar_t* c) {
  rea_toimetaja& t = toimetaja(el);
  for (bool lopp = false;;) {
    if (const std::size_t n = t.ootel.empty() ? 0 : mark(t.ootel, lopp, *c)) {
      t.ootel.erase(0, n);
      return 1;
    }
    if (lopp) return 0;
    char b;
    const ssize_t n = read(t.sisse, &b, 1);
    if (n == 1) {
      t.ootel += b;
    } else if (n == 0) {
      lopp = true;
    } else if (errno != EINTR || katkestatud) {
      return -1;
    }
  }
}

// A terminal type with bytes that no name has (an escape sequence, say) names no terminal: its
// bytes reach libedit's message about it as the echo shows them (^[), never the terminal raw.
void naidatav_term() {
  const char* term = std::getenv("TERM");
  std::string nimi;
  for (const char* c = term; c != nullptr && *c != '\0'; ++c) {
    auto b = static_cast<unsigned char>(*c);
    if (b >= 0x80) nimi += "M-";
    b &= 0x7F;
    if (b < ' ' || b == 0x7F) nimi += '^';
    nimi += static_cast<char>(b < ' ' || b == 0x7F ? b ^ 0x40 : b);
  }
  if (term != nullptr && nimi != term) setenv("TERM", nimi.c_str(), 1);
}

// Keeps a typed line for recall, and at once in the file, so that a run killed later loses
// nothing: unless it is blank or the same as the line before.
void jata_meelde(rea_toimetaja& t, std::wstring rida) {
  if (!rida.empty() && rida.back() == L'\n') rida.pop_back();
  HistEventW syndmus;
  if (rida.find_first_not_of(L" \t") == std::wstring::npos ||
      (history_w(t.kirjed, &syndmus, H_FIRST) == 0 && std::wcscmp(rida.c_str(), syndmus.str) == 0))
    return;
  history_w(t.kirjed, &syndmus, H_ENTER, rida.c_str());
  t.fail.lisa(baidid(rida));
}

}  // namespace

rea_toimetaja* ava_toimetaja(std::FILE* sisse, std::FILE* valja, const char* programm,
                             teataja teata) {
  if (!isatty(fileno(sisse)) || !isatty(fileno(valja))) return nullptr;
  naidatav_term();
  auto t = std::make_unique<rea_toimetaja>(programm, teata);
  t->sisse = fileno(sisse);
  t->valja = valja;
  // Without them lines are read as from any other stream.
  t->kirjed = history_winit();
  t->el = el_init(programm, sisse, valja, stderr);
  if (t->kirjed == nullptr || t->el == nullptr) return nullptr;
  HistEventW syndmus;
  history_w(t->kirjed, &syndmus, H_SETSIZE, MAHT);
  for (const std::string& rida : t->fail.loe())
    history_w(t->kirjed, &syndmus, H_ENTER, margid(rida).c_str());
  el_wset(t->el, EL_CLIENTDATA, t.get());
  el_wset(t->el, EL_GETCFN, loe_mark);
  el_wset(t->el, EL_EDITOR, L"emacs");
  // libedit restores the terminal before a signal stops or ends the run, and redraws the line
  // when the run goes on or the window changes size.
  el_wset(t->el, EL_SIGNAL, 1);
  el_wset(t->el, EL_PROMPT, anna_viip);
  el_wset(t->el, EL_HIST, history_w, t->kirjed);
  el_wset(t->el, EL_BIND, L"^R", L"em-inc-search-prev", nullptr);
  return t.release();
}

void sulge_toimetaja(rea_toimetaja* t) {
  delete t;
}

bool loe_rida(rea_toimetaja* t, const char* viip, std::string_view& rida) {
  t->viip = margid(viip);
  struct sigaction katkestus = {}, vana = {};
  katkestus.sa_handler = katkesta;
  sigaction(SIGINT, &katkestus, &vana);
  int pikkus = 0;
  const wchar_t* tekst;
  do {
    katkestatud = 0;
    tekst = el_wgets(t->el, &pikkus);
    // After Ctrl-C the dropped line stays in sight and a fresh prompt comes below it; after
    // Ctrl-D (shown as ^D) whatever comes next starts on a line of its own.
    if (tekst == nullptr) {
      std::fputc('\n', t->valja);
      t->ootel.clear();
    }
  } while (tekst == nullptr && pikkus < 0 && katkestatud);
  if (tekst != nullptr) {
    const std::wstring_view tahed(tekst, static_cast<std::size_t>(pikkus));
    rida = t->rida = baidid(tahed);
    jata_meelde(*t, std::wstring(tahed));
  }
  sigaction(SIGINT, &vana, nullptr);
  return tekst != nullptr;
}

}  // namespace zemtar
