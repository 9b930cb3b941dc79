// What a Windows console is given: well-formed UTF-8 as such, other bytes in code page 1252.
#include "platform/windows/utf16.h"

#include <gtest/gtest.h>

TEST(Utf16, UTF8WhereWellFormedTheCodePageElsewhere) {
  const std::pair<std::string, std::wstring> tabel[] = {
      {"V\xC3\xA4lju \xE4\xF5 \x80\xC3", L"V\xE4lju \xE4\xF5 \x20AC\xC3"},
      {"\xF0\x9F\x98\x80\xF4\x90\x80\x80", L"\xD83D\xDE00\xF4\x90\x20AC\x20AC"},
      {"\xE0\x9F\xBF\xED\xA0\x80\xC0\xAF", L"\xE0\x0178\xBF\xED\xA0\x20AC\xC0\xAF"}};
  for (const auto& [baidid, oodatud] : tabel) {
    std::wstring tahed(baidid.size(), L'\0');
    tahed.resize(zemtar::utf16(baidid, 1252, tahed.data()));
    EXPECT_EQ(tahed, oodatud) << baidid;
  }
}
