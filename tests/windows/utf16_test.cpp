// What a Windows console is given: well-formed UTF-8 as such, other bytes in code page 1252.
#include "platform/windows/utf16.h"

#include <gtest/gtest.h>

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
}
