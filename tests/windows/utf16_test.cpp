// The Windows console: what it is given (well-formed UTF-8 as such, other bytes in the code page,
// its pairs whole), and Ctrl-C during a read, which wine's console cannot send: the line being
// typed is dropped, and a fresh prompt comes on a line of its own.
#include "platform/windows/utf16.h"

#include <cwchar>

#include "arvutus.h"
#include "platform/windows/konsool.h"

TEST(Utf16, UTF8WhereWellFormedTheCodePageElsewhere) {
  const std::pair<std::string, std::wstring> tabel[] = {
      {"V\xC3\xA4lju \xE4\xF5 \x80\xC3", L"V\u00E4lju \u00E4\u00F5 \u20AC\u00C3"},
      {"\xF0\x9F\x98\x80\xF4\x90\x80\x80", L"\U0001F600\u00F4\u0090\u20AC\u20AC"},
      {"\xE0\x9F\xBF\xED\xA0\x80\xC0\xAF", L"\u00E0\u0178\u00BF\u00ED\u00A0\u20AC\u00C0\u00AF"}};
  for (const auto& [baidid, oodatud] : tabel) {
    std::wstring tahed(baidid.size(), L'\0');
    tahed.resize(zemtar::utf16(baidid, 1252, tahed.data()));
    EXPECT_EQ(tahed, oodatud) << baidid;
  }
  wchar_t tahed[5];  // Shift-JIS: a pair whose second byte is ASCII stays whole
  EXPECT_EQ(std::wstring(tahed, zemtar::utf16("\x83\x5C\x81@a", 932, tahed)), L"\u30BD\u3000a");
}

TEST(KonsooliRida, CtrlCDropsTheLineBeingTyped) {
  static int lugemisi = 0;
  const auto konsool = [](HANDLE, LPVOID puhver, DWORD, LPDWORD n, LPVOID) -> BOOL {
    SetLastError(ERROR_OPERATION_ABORTED);  // as Ctrl-C ends the first read
    std::wmemcpy(static_cast<wchar_t*>(puhver), L"1\u00E4\r\n", *n = lugemisi++ == 0 ? 0 : 4);
    return *n != 0;
  };
  valjund v;
  zemtar::rea_toimetaja* t = zemtar::ava_toimetaja(nullptr, v.voog, konsool);
  std::string_view rida;
  ASSERT_TRUE(zemtar::loe_rida(t, ":", rida));
  EXPECT_EQ(rida, "1\xC3\xA4\n");
  zemtar::sulge_toimetaja(t);
  EXPECT_EQ(v.tekst(), ":\n:");
}
