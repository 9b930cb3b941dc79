#include "output/tahestik.h"

#include <array>

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

}  // namespace

tahestik terminali_tahestik(std::FILE* voog) {
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

}  // namespace zemtar
