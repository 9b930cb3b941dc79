// zemtar shows a result as a Roman numeral of its truncation. The numeral is read back here
// as so many M (a thousand each) before a tail below a thousand that the reader reads.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "roman/araabia.h"
#include "tulemus.h"

namespace zemtar_fuzz {

namespace {

bool on_esitatav(float tulemus) {
  return tulemus >= -2147483648.0f && tulemus < 2147483648.0f;
}

// Whether tekst is all M. Compared a block at a time rather than letter by letter: near the
// 32-bit limit there are two million of them.
bool on_tuhanded(std::string_view tekst) {
  constexpr std::size_t PLOKK = 4096;
  char m[PLOKK];
  std::memset(m, 'M', PLOKK);
  for (std::size_t i = 0; i < tekst.size(); i += PLOKK) {
    const std::size_t n = std::min(PLOKK, tekst.size() - i);
    if (std::memcmp(tekst.data() + i, m, n) != 0) return false;
  }
  return true;
}

}  // namespace

bool naitab(std::string_view tekst, float tulemus) {
  if (!on_esitatav(tulemus)) return false;
  const std::int64_t arv = static_cast<std::int64_t>(std::trunc(tulemus));
  if (arv == 0) return tekst == "O";
  std::int64_t suurus = arv;
  if (arv < 0) {
    if (tekst.empty() || tekst[0] != '-') return false;
    tekst.remove_prefix(1);
    suurus = -arv;
  }
  const std::size_t tuhandeid = static_cast<std::size_t>(suurus / 1000);
  if (tekst.size() < tuhandeid || !on_tuhanded(tekst.substr(0, tuhandeid))) return false;
  const std::string_view saba = tekst.substr(tuhandeid);
  // The reader takes lowercase and O too; the writer writes neither.
  if (saba.find_first_not_of("MCDLXVI") != std::string_view::npos) return false;
  return zemtar::araabia(saba).teisenda() == suurus % 1000;
}

bool esitamatu(std::string_view rida, float tulemus) {
  return rida == "Viga: Tulemust ei saa rooma numbrina esitada!\n" && !on_esitatav(tulemus);
}

}  // namespace zemtar_fuzz
