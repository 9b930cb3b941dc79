// Ctrl-C during a console read, which wine cannot send: the read ends aborted, the line being
// typed is dropped, and a fresh prompt comes on a line of its own before the next line.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "platform/windows/konsool.h"

TEST(KonsooliRida, CtrlCDropsTheLineBeingTyped) {
  static int lugemisi;
  lugemisi = 0;
  const auto konsool = [](HANDLE, LPVOID puhver, DWORD, LPDWORD n, LPVOID) -> BOOL {
    *n = 0;
    if (lugemisi++ == 0) {
      SetLastError(ERROR_OPERATION_ABORTED);
      return FALSE;
    }
    std::wmemcpy(static_cast<wchar_t*>(puhver), L"1\u00E4\r\n", *n = 4);
    return TRUE;
  };
  std::FILE* valja = std::tmpfile();
  zemtar::rea_toimetaja* t = zemtar::ava_toimetaja(nullptr, valja, konsool);
  std::string_view rida;
  ASSERT_TRUE(zemtar::loe_rida(t, ":", rida));
  EXPECT_EQ(rida, "1\xC3\xA4\n");
  zemtar::sulge_toimetaja(t);
  std::string ekraan(8, '\0');
  std::rewind(valja);
  ekraan.resize(std::fread(ekraan.data(), 1, ekraan.size(), valja));
  EXPECT_EQ(ekraan, ":\n:");
  std::fclose(valja);
}
