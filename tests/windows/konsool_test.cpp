// Both programs in a Windows console of their own: keys typed into its input, the whole screen
// read back. Under wine it needs a display (xvfb-run), or a new console has no handles.
#include <gtest/gtest.h>
#include <windows.h>

#include "tekstid.h"

namespace {

using namespace tekst;

// Keys that type no character as bytes the texts never have; the others as what they type.
const std::string VASAK = "\x11", HOME = "\x12", END = "\x13", YLES = "\x14", CTRL_Z = "\x1A";

// The key pressed for a byte of the keys typed, Ctrl held where the keyboard needs it.
KEY_EVENT_RECORD klahv(unsigned char b) {
  const WORD nooled[] = {VK_LEFT, VK_HOME, VK_END, VK_UP};
  if (b >= 0x11 && b <= 0x14) return {TRUE, 1, nooled[b - 0x11], 0, {0}, 0};
  const wchar_t c = b == '\n' ? L'\r' : b;
  const SHORT k = VkKeyScanW(c);
  return {TRUE, 1, LOBYTE(k), 0, {c}, HIBYTE(k) & 2 ? DWORD(LEFT_CTRL_PRESSED) : 0};
}

// What the console shows for the programs' bytes: ISO-8859-1, and the DOS code page's three.
std::wstring ekraanil(const std::string& baidid) {
  std::wstring tahed;
  for (const char c : baidid) {
    const auto b = static_cast<unsigned char>(c);
    tahed += b == 0x84 ? L'\u00E4' : b == 0x81 ? L'\u00FC' : b == 0x93 ? L'\u00F5' : wchar_t(b);
  }
  return tahed;
}

// The lines of the screen, each without the spaces after it, down to the last with any.
std::wstring ekraan(HANDLE valja) {
  std::wstring kogu;
  for (SHORT y = 0; y < 300; ++y) {
    wchar_t rida[80];
    DWORD n = 0;
    ReadConsoleOutputCharacterW(valja, rida, 80, {0, y}, &n);
    while (n > 0 && rida[n - 1] == L' ')
      --n;
    kogu.append(rida, n) += L'\n';
  }
  return kogu.erase(kogu.find_last_not_of(L'\n') + 1) + L'\n';
}

// The program in a new 80 by 300 console at the code page, the keys typed, and the screen, the
// status 1 and the code page checked after it.
void kaivita(const char* programm, UINT koodileht, const std::string& klahvid,
             const std::string& oodatud) {
  SCOPED_TRACE(std::string(programm) + " at code page " + std::to_string(koodileht));
  FreeConsole();
  ASSERT_TRUE(AllocConsole());
  SECURITY_ATTRIBUTES parib{sizeof parib, nullptr, TRUE};
  const auto ava = [&parib](const wchar_t* nimi) {
    return CreateFileW(nimi, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &parib, OPEN_EXISTING, 0, nullptr);
  };
  const HANDLE sisse = ava(L"CONIN$"), valja = ava(L"CONOUT$");
  SetConsoleScreenBufferSize(valja, {80, 300});
  ASSERT_TRUE(SetConsoleOutputCP(koodileht));
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = sisse;
  si.hStdOutput = si.hStdError = valja;
  PROCESS_INFORMATION pi{};
  std::string kask = std::string("\"") + programm + "\"";
  ASSERT_TRUE(
      CreateProcessA(programm, kask.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi));
  for (const char b : klahvid) {
    INPUT_RECORD r[2] = {{KEY_EVENT, {}}, {KEY_EVENT, {}}};
    r[0].Event.KeyEvent = r[1].Event.KeyEvent = klahv(b);
    r[1].Event.KeyEvent.bKeyDown = FALSE;
    DWORD n;
    WriteConsoleInputW(sisse, r, 2, &n);
  }
  if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "still waits";
    TerminateProcess(pi.hProcess, 99);
  }
  DWORD s = 0;
  GetExitCodeProcess(pi.hProcess, &s);
  EXPECT_EQ(ekraan(valja), ekraanil(PEALKIRI + TERVITUS + oodatud));
  EXPECT_EQ(s, 1u);
  EXPECT_EQ(GetConsoleOutputCP(), koodileht);
  for (const HANDLE h : {pi.hThread, pi.hProcess, sisse, valja})
    CloseHandle(h);
}

// Keys, and each program's screen after its greeting: the letters at the code pages of Estonian
// and English Windows and UTF-8, and a caret under where a line failed; the console's editing;
// Ctrl-Z Enter ends. (Ctrl-C cannot be sent to a read pending at wine's console: a stand-in for
// the console shows it, utf16_test.cpp.)
TEST(Konsool, ShowsLettersEditsAndEnds) {
  const struct {
    std::string klahvid, rooma, lihtne;
    std::vector<UINT> koodilehed = {CP_UTF8};
  } read[] = {
      {"a=5\na*3\n\xE4=5\n1/0\nabi\nvalju\n",
       ":a=5\n" + mv('a') + "V\n:a*3\n" + AV + "XV\n:\xE4=5\n ^\n" + NIMI + ":1/0\n  ^\n" +
           NULLIGA + ":abi\n" + JUHISED + ":valju\n",
       ":a=5\n" + mv('a') + "5.000000\n:a*3\n" + AV + "15.000000\n:\xE4=5\n ^\n" + NIMI +
           ":1/0\n  ^\n" + LIHTNE_NULLIGA + ":abi\n" + LIHTNE_JUHISED + ":valju\n",
       {437, 775, 850, 1257, 65001}},
      {"12+3" + VASAK + VASAK + "\b0\n+2" + HOME + "1" + END + "0\n" + YLES + "\n" + CTRL_Z + "\n",
       ":10+3\n" + AV + "XIII\n" + korda(":1+20\n" + AV + "XXI\n", 2) + ":^Z\n",
       ":10+3\n" + AV + "13.000000\n" + korda(":1+20\n" + AV + "21.000000\n", 2) + ":^Z\n"},
  };
  for (const auto& r : read) {
    for (const UINT koodileht : r.koodilehed) {
      kaivita(ZEMTAR, koodileht, r.klahvid, r.rooma);
      kaivita(ZEMTAR_LIHTNE, koodileht, r.klahvid, r.lihtne);
    }
  }
}

}  // namespace
