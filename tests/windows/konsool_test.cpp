// Both programs in a Windows console of their own, as a person has them there: keys typed into
// the console's input, the program run on it, and the whole screen read back afterwards.
// Under wine it needs a display (xvfb-run): without one a new console has no handles.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tekstid.h"

namespace {

using namespace tekst;

// A key as the console takes it: the virtual key, the character it types, Ctrl held or not.
struct klahv {
  WORD vk;
  wchar_t taht;
  DWORD ctrl;
};
using klahvid = std::vector<klahv>;

const klahv ENTER{VK_RETURN, L'\r', 0}, VASAK{VK_LEFT, 0, 0}, BACKSPACE{VK_BACK, L'\b', 0},
    HOME{VK_HOME, 0, 0}, END{VK_END, 0, 0}, YLES{VK_UP, 0, 0},
    CTRL_Z{'Z', L'\x1A', LEFT_CTRL_PRESSED};

klahvid operator+(klahvid a, const klahvid& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Each character its own key: the texts' bytes read as ISO-8859-1.
klahvid tipi(const std::string& tekst) {
  klahvid k;
  for (const char c : tekst) {
    const wchar_t taht = static_cast<unsigned char>(c);
    k.push_back(taht == L'\n' ? ENTER : klahv{LOBYTE(VkKeyScanW(taht)), taht, 0});
  }
  return k;
}

// What the console shows for the programs' bytes, as UTF-8: ISO-8859-1 letters, and the DOS
// code page's three.
std::string ekraanil(const std::string& baidid) {
  std::wstring tahed;
  for (const char c : baidid) {
    const auto b = static_cast<unsigned char>(c);
    tahed += b == 0x84 ? L'\u00E4' : b == 0x81 ? L'\u00FC' : b == 0x93 ? L'\u00F5' : wchar_t(b);
  }
  std::string utf8(tahed.size() * 3, '\0');
  utf8.resize(WideCharToMultiByte(CP_UTF8, 0, tahed.data(), int(tahed.size()), utf8.data(),
                                  int(utf8.size()), nullptr, nullptr));
  return utf8;
}

bool wine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

struct konsool {
  HANDLE sisse, valja;
};

// A new console of 80 by 300 characters at the code page, its handles for a child to inherit.
konsool uus_konsool(UINT koodileht) {
  FreeConsole();
  EXPECT_TRUE(AllocConsole());
  SECURITY_ATTRIBUTES parib{sizeof parib, nullptr, TRUE};
  const auto ava = [&parib](const wchar_t* nimi) {
    return CreateFileW(nimi, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &parib, OPEN_EXISTING, 0, nullptr);
  };
  const konsool k{ava(L"CONIN$"), ava(L"CONOUT$")};
  SetConsoleScreenBufferSize(k.valja, {80, 300});
  EXPECT_TRUE(SetConsoleOutputCP(koodileht));
  return k;
}

// The lines shown so far, each without the spaces after it, down to the last that is not empty.
std::string ekraan(HANDLE valja) {
  std::string kogu;
  for (SHORT y = 0; y < 300; ++y) {
    wchar_t rida[80];
    DWORD n = 0;
    ReadConsoleOutputCharacterW(valja, rida, 80, {0, y}, &n);
    while (n > 0 && rida[n - 1] == L' ')
      --n;
    char utf8[80 * 3];
    kogu.append(utf8, WideCharToMultiByte(CP_UTF8, 0, rida, int(n), utf8, sizeof utf8, nullptr,
                                          nullptr)) += '\n';
  }
  return kogu.erase(kogu.find_last_not_of('\n') + 1) + '\n';
}

struct tulemus {
  std::string ekraan;
  DWORD staatus;
  UINT koodileht;  // the console's after the run
};

// The program run in a new console with the keys typed ahead; vahel, if given, is done once
// the screen shows oota, and then the keys parast are typed.
tulemus kaivita(const char* programm, UINT koodileht, const klahvid& k,
                const std::string& oota = {}, void (*vahel)() = nullptr,
                const klahvid& parast = {}) {
  const konsool kons = uus_konsool(koodileht);
  const auto vajuta = [&kons](const klahvid& k) {
    for (const klahv& v : k) {
      for (const BOOL all : {TRUE, FALSE}) {
        INPUT_RECORD r{KEY_EVENT, {}};
        r.Event.KeyEvent = {all,      1,     v.vk, WORD(MapVirtualKeyW(v.vk, MAPVK_VK_TO_VSC)),
                            {v.taht}, v.ctrl};
        DWORD n;
        WriteConsoleInputW(kons.sisse, &r, 1, &n);
      }
    }
  };
  vajuta(k);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = kons.sisse;
  si.hStdOutput = si.hStdError = kons.valja;
  PROCESS_INFORMATION pi{};
  std::string kask = std::string("\"") + programm + "\"";
  EXPECT_TRUE(
      CreateProcessA(programm, kask.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi));
  if (vahel != nullptr) {
    for (int i = 0; i < 200 && ekraan(kons.valja).find(oota) == std::string::npos; ++i)
      Sleep(50);
    vahel();
    vajuta(parast);
  }
  if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << programm << " still waits";
    TerminateProcess(pi.hProcess, 99);
  }
  tulemus t{ekraan(kons.valja), 0, GetConsoleOutputCP()};
  GetExitCodeProcess(pi.hProcess, &t.staatus);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  CloseHandle(kons.sisse);
  CloseHandle(kons.valja);
  return t;
}

// Keys, and the screen after the greeting each program shows for them (the program's bytes).
struct rida {
  klahvid klahvid;
  std::string rooma, lihtne;
  DWORD staatus;
};

void kontrolli(const std::vector<rida>& read, UINT koodileht = 65001) {
  for (const rida& r : read) {
    for (const auto& [programm, oodatud] :
         {std::pair{ZEMTAR, r.rooma}, {ZEMTAR_LIHTNE, r.lihtne}}) {
      SCOPED_TRACE(std::string(programm) + " at code page " + std::to_string(koodileht));
      const tulemus t = kaivita(programm, koodileht, r.klahvid);
      EXPECT_EQ(t.ekraan, ekraanil(PEALKIRI + TERVITUS + oodatud));
      EXPECT_EQ(t.staatus, r.staatus);
      EXPECT_EQ(t.koodileht, koodileht);
    }
  }
}

// The letters of the texts, the echo's too, right at the code pages of Estonian and English
// Windows and at UTF-8's, which the run leaves as it found it.
TEST(Konsool, ShowsTheLettersAtEveryCodePage) {
  for (const UINT koodileht : {437u, 775u, 850u, 1257u, 65001u}) {
    kontrolli({{tipi("a=5\na*3\n\xE4=5\n1/0\nabi\nvalju\n"),
                ":a=5\n" + mv('a') + "V\n:a*3\n" + AV + "XV\n:\xE4=5\n" + NIMI + ":1/0\n" +
                    NULLIGA + ":abi\n" + JUHISED + ":valju\n",
                ":a=5\n" + mv('a') + "5.000000\n:a*3\n" + AV + "15.000000\n:\xE4=5\n" + NIMI +
                    ":1/0\n" + LIHTNE_NULLIGA + ":abi\n" + LIHTNE_JUHISED + ":valju\n",
                1}},
              koodileht);
  }
}

// The console's own editing: Left, Backspace, Home, End, and Up for the line before. Ctrl-Z
// then Enter on an empty line ends the run as "valju" does.
TEST(Konsool, EditsLinesAndEnds) {
  const klahvid muudetud = tipi("12+3") + klahvid{VASAK, VASAK, BACKSPACE} + tipi("0\n+2") +
                           klahvid{HOME} + tipi("1") + klahvid{END} + tipi("0\n") +
                           klahvid{YLES, ENTER, CTRL_Z, ENTER};
  kontrolli({
      {muudetud, ":10+3\n" + AV + "XIII\n" + korda(":1+20\n" + AV + "XXI\n", 2) + ":^Z\n",
       ":10+3\n" + AV + "13.000000\n" + korda(":1+20\n" + AV + "21.000000\n", 2) + ":^Z\n", 1},
      {{CTRL_Z, ENTER}, ":^Z\n", ":^Z\n", 1},
  });
}

// Ctrl-C drops the line being typed, which stays in sight, and a fresh prompt follows.
TEST(Konsool, CtrlCDropsTheLine) {
  if (wine()) GTEST_SKIP() << "wine does not end the pending read at Ctrl-C: the line goes on";
  SetConsoleCtrlHandler([](DWORD) { return TRUE; }, TRUE);  // the harness goes on
  for (const auto& [programm, neli] : {std::pair{ZEMTAR, "IV"}, {ZEMTAR_LIHTNE, "4.000000"}}) {
    const tulemus t = kaivita(
        programm, 65001, tipi("12+3"), ":12+3", [] { GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0); },
        tipi("4\nvalju\n"));
    EXPECT_EQ(t.ekraan, ekraanil(PEALKIRI + TERVITUS + ":12+3\n:4\n" + AV + neli + "\n:valju\n"));
    EXPECT_EQ(t.staatus, 1u);
  }
}

}  // namespace
