#include "output/tahestik.h"

#include <array>
#include <cctype>
#include <cstdlib>

#include "platform/platvorm.h"

namespace zemtar {

namespace {

// The texts store each letter in ISO-8859-1, a few messages in the DOS code page instead.
struct eesti_taht {
  std::string_view latin;  // also the single-byte sets' form
  unsigned char dos;       // 0: no message stores it so
  std::string_view utf8;
  std::string_view ascii;
};

constexpr eesti_taht TAHED[] = {
    {"\xE4", 0x84, "\xC3\xA4", "a"},
    {"\xF5", 0x93, "\xC3\xB5", "o"},
    {"\xF6", 0, "\xC3\xB6", "o"},
    {"\xFC", 0x81, "\xC3\xBC", "u"},
};

// The same letters as one table per set, by stored byte, filled while compiling.
using kujud = std::array<std::string_view, 256>;

constexpr kujud kujud_jaoks(tahestik t) {
  kujud tabel{};
  for (const eesti_taht& taht : TAHED) {
    const std::string_view kuju = t == tahestik::UTF8    ? taht.utf8
                                  : t == tahestik::LATIN ? taht.latin
                                                         : taht.ascii;
    tabel[static_cast<unsigned char>(taht.latin[0])] = kuju;
    if (taht.dos != 0) tabel[taht.dos] = kuju;
  }
  return tabel;
}

constexpr kujud UTF8_TABEL = kujud_jaoks(tahestik::UTF8);
constexpr kujud LATIN_TABEL = kujud_jaoks(tahestik::LATIN);
constexpr kujud ASCII_TABEL = kujud_jaoks(tahestik::ASCII);

// "^@" to "^_", then "M-^@" to "M-^_": the C0 bytes and the C1 bytes as cat -v shows them.
constexpr char C0[] = "^@^A^B^C^D^E^F^G^H^I^J^K^L^M^N^O^P^Q^R^S^T^U^V^W^X^Y^Z^[^\\^]^^^_";
constexpr auto C1 = [] {
  std::array<char, 4 * 32> kujud{};
  for (std::size_t i = 0; i < 32; ++i) {
    kujud[4 * i] = 'M';
    kujud[4 * i + 1] = '-';
    kujud[4 * i + 2] = C0[2 * i];
    kujud[4 * i + 3] = C0[2 * i + 1];
  }
  return kujud;
}();

constexpr kujud juhtbaidid(bool c1) {
  kujud tabel{};
  for (std::size_t b = 0; b < 32; ++b) {
    if (b != '\t' && b != '\n') tabel[b] = {C0 + 2 * b, 2};
    if (c1) tabel[0x80 + b] = {C1.data() + 4 * b, 4};
  }
  tabel[0x7F] = "^?";
  return tabel;
}

constexpr kujud UTF8_JUHTBAIDID = juhtbaidid(false);
constexpr kujud JUHTBAIDID = juhtbaidid(true);

}  // namespace

tahestik valjundi_tahestik(std::FILE* voog) {
  if (const char* nimi = std::getenv("ZEMTAR_KOODISTIK")) {
    // Compared in capitals without hyphens, which leaves room for the name's usual spellings.
    char kuju[16] = {};
    std::size_t n = 0;
    for (; *nimi != '\0' && n < sizeof kuju - 1; ++nimi) {
      if (*nimi != '-' && *nimi != '_')
        kuju[n++] = static_cast<char>(std::toupper(static_cast<unsigned char>(*nimi)));
    }
    const std::string_view koodistik(kuju, n);
    if (koodistik == "UTF8") return tahestik::UTF8;
    for (std::string_view latin : {"ISO88591", "ISO885913", "ISO885915", "CP1257"}) {
      if (koodistik == latin) return tahestik::LATIN;
    }
  }
  return on_terminal(voog) ? tahestik_nimest(terminali_koodistik()) : tahestik::SAMA;
}

tahestik tahestik_nimest(std::string_view koodistik) {
  if (koodistik == "UTF-8") return tahestik::UTF8;
  for (std::string_view nimi : {"ISO-8859-1", "ISO-8859-13", "ISO-8859-15", "CP1257"}) {
    if (koodistik == nimi) return tahestik::LATIN;
  }
  return tahestik::ASCII;
}

std::string_view tahe_kuju(tahestik t, unsigned char bait) {
  switch (t) {
    case tahestik::SAMA:
      return {};
    case tahestik::UTF8:
      return UTF8_TABEL[bait];
    case tahestik::LATIN:
      return LATIN_TABEL[bait];
    case tahestik::ASCII:
      return ASCII_TABEL[bait];
  }
  return {};
}

std::string_view juhtbaidi_kuju(tahestik t, unsigned char bait) {
  if (t == tahestik::SAMA) return {};
  return (t == tahestik::UTF8 ? UTF8_JUHTBAIDID : JUHTBAIDID)[bait];
}

}  // namespace zemtar
