#include "platform/windows/utf16.h"

#include <windows.h>

namespace zemtar {

namespace {

// The length of the well-formed UTF-8 sequence at the start of t, 0 when none starts there:
// no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t utf8_pikkus(std::string_view t) {
  const auto b = [t](std::size_t i) { return static_cast<unsigned char>(t[i]); };
  std::size_t n;
  unsigned char alates = 0x80, kuni = 0xBF;  // the second byte's range
  if (b(0) < 0x80) return 1;
  if (b(0) >= 0xC2 && b(0) <= 0xDF) {
    n = 2;
  } else if (b(0) >= 0xE0 && b(0) <= 0xEF) {
    n = 3;
    if (b(0) == 0xE0) alates = 0xA0;
    if (b(0) == 0xED) kuni = 0x9F;
  } else if (b(0) >= 0xF0 && b(0) <= 0xF4) {
    n = 4;
    if (b(0) == 0xF0) alates = 0x90;
    if (b(0) == 0xF4) kuni = 0x8F;
  } else {
    return 0;
  }
  if (t.size() < n || b(1) < alates || b(1) > kuni) return 0;
  for (std::size_t i = 2; i < n; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
  }
  return n;
}

}  // namespace

std::size_t margi_pikkus(std::string_view baidid, unsigned koodileht) {
  if (const std::size_t n = utf8_pikkus(baidid)) return n;
  return baidid.size() > 1 && IsDBCSLeadByteEx(koodileht, static_cast<BYTE>(baidid[0])) ? 2 : 1;
}

std::size_t utf16(std::string_view baidid, unsigned koodileht, wchar_t* tahed) {
  // Runs of UTF-8 and runs of the code page's characters, each run converted whole. Neither
  // kind makes more characters than bytes.
  std::size_t kokku = 0;
  while (!baidid.empty()) {
    const bool utf8 = utf8_pikkus(baidid) > 0;
    std::size_t n = 0;
    while (n < baidid.size() && (utf8_pikkus(baidid.substr(n)) > 0) == utf8)
      n += margi_pikkus(baidid.substr(n), koodileht);
    const int m = MultiByteToWideChar(utf8 ? CP_UTF8 : koodileht, 0, baidid.data(),
                                      static_cast<int>(n), tahed + kokku, static_cast<int>(n));
    kokku += static_cast<std::size_t>(m);
    baidid.remove_prefix(n);
  }
  return kokku;
}

}  // namespace zemtar
