// The streams on Windows: a console is what GetConsoleMode accepts (a character device such as
// NUL is none), the fixed texts reach it as UTF-16, and reads take the bytes as they are, 0x1A
// and CR among them. Files and pipes get the C library's text mode: CR LF line ends.
#include "platform/platvorm.h"

#include <algorithm>
#include <cerrno>

#include "platform/windows/kasitseja.h"
#include "platform/windows/utf16.h"

namespace zemtar {

namespace {

// A read's and a console write's most: older consoles refuse much larger ones.
constexpr std::size_t TYKK = 16 * 1024;

// The errno value whose text says best why a read failed.
int pohjus(DWORD viga) {
  switch (viga) {
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_INVALID_HANDLE:
      return EBADF;
    case ERROR_NOT_ENOUGH_MEMORY:
      return ENOMEM;
    default:
      return EIO;
  }
}

}  // namespace

bool on_terminal(std::FILE* voog) {
  DWORD mood;
  return GetConsoleMode(kasitseja(voog), &mood) != 0;
}

// The writer turns the texts' letters into UTF-8, which kirjuta then shows in any code page.
std::string_view terminali_koodistik() {
  return "UTF-8";
}

bool sama_fail(std::FILE* a, std::FILE* b) {
  BY_HANDLE_FILE_INFORMATION ta, tb;
  return GetFileType(kasitseja(a)) == FILE_TYPE_DISK &&
         GetFileInformationByHandle(kasitseja(a), &ta) &&
         GetFileInformationByHandle(kasitseja(b), &tb) &&
         ta.dwVolumeSerialNumber == tb.dwVolumeSerialNumber &&
         ta.nFileIndexHigh == tb.nFileIndexHigh && ta.nFileIndexLow == tb.nFileIndexLow;
}

// A pipe with nothing in it, or a console; a file and the NUL device answer at once. A pipe
// that cannot be looked into is taken to mean a wait.
bool ootaks(std::FILE* voog) {
  const HANDLE h = kasitseja(voog);
  DWORD ootel = 0;
  switch (GetFileType(h)) {
    case FILE_TYPE_PIPE:
      return !PeekNamedPipe(h, nullptr, 0, nullptr, &ootel, nullptr) || ootel == 0;
    case FILE_TYPE_CHAR:
      return on_terminal(voog);
    default:
      return false;
  }
}

std::ptrdiff_t loe_valmis(std::FILE* voog, char* puhver, std::size_t maht) {
  DWORD saadud = 0;
  if (ReadFile(kasitseja(voog), puhver, static_cast<DWORD>(std::min(maht, TYKK)), &saadud, nullptr))
    return saadud;
  // A pipe whose writer has closed it has ended.
  const DWORD viga = GetLastError();
  if (viga == ERROR_BROKEN_PIPE) return 0;
  errno = pohjus(viga);
  return -1;
}

// At a console, the bytes as UTF-16 characters a piece at a time, never cutting a character;
// anywhere else, to the C stream as they are.
void kirjuta(std::FILE* voog, std::string_view baidid) {
  if (!on_terminal(voog)) {
    std::fwrite(baidid.data(), 1, baidid.size(), voog);
    return;
  }
  const HANDLE konsool = kasitseja(voog);
  wchar_t tahed[TYKK];
  while (!baidid.empty()) {
    std::size_t n = 0;  // as many whole characters as a piece holds
    while (n < baidid.size()) {
      const std::size_t k = margi_pikkus(baidid.substr(n), CP_ACP);
      if (n + k > TYKK) break;
      n += k;
    }
    const std::size_t pikkus = utf16(baidid.substr(0, n), CP_ACP, tahed);
    DWORD kirjutatud;
    if (!WriteConsoleW(konsool, tahed, static_cast<DWORD>(pikkus), &kirjutatud, nullptr)) {
      // The bytes then go to the stream as they are: where the console is gone, that fails
      // too, and the stream records it with the C library's reason, as for a file.
      std::fwrite(baidid.data(), 1, baidid.size(), voog);
      std::fflush(voog);
      return;
    }
    baidid.remove_prefix(n);
  }
}

// The console's own keys (src/platform/windows/konsool.cpp): no history file, no locale, no
// manual. The console shows every letter itself.
const char KASUTUS_SUSTEEM[] =
    "\nKlahvid (ainult konsoolis):\n"
    "  \xFCles, alla, F7  varem sisestatud read (F7: nende loend)\n"
    "  Esc             t\xFChjendab rea\n"
    "  Ctrl+C          t\xFChistab poolelioleva rea\n"
    "  Ctrl+Z, Enter   l\xF5petab (t\xFChjal real)\n";
const char KASUTUS_LOPP[] = "";

}  // namespace zemtar
