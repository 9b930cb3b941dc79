// libFuzzer target for the Roman numerals. An even first byte: the rest is a text for the
// reader, and whatever it accepts the writer must write back to a numeral of the same value.
// An odd one: the next four bytes are the bits of a result (a float) for the writer, whose
// numeral must read back to the truncated result.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "roman/araabia.h"
#include "roman/rooma.h"
#include "tulemus.h"

namespace {

using zemtar::araabia;
using zemtar::rooma;

[[noreturn]] void leitud(const char* mis, double arv) {
  std::fprintf(stderr, "%s: %.9g\n", mis, arv);
  std::abort();
}

// The numeral of a result, checked against its truncation: as so many M and a tail read by
// the reader, for a small value also whole, and for a negative one as "-" and the numeral of
// its magnitude.
void kontrolli_numbrit(float tulemus) {
  const std::optional<std::string> tekst = rooma(tulemus).vorminda();
  const bool esitatav = tulemus >= -2147483648.0f && tulemus < 2147483648.0f;
  if (tekst.has_value() != esitatav) leitud("esitatavus", tulemus);
  if (!tekst) return;
  if (!zemtar_fuzz::naitab(*tekst, tulemus)) leitud("ei loe tagasi", tulemus);
  const std::int64_t arv = static_cast<std::int64_t>(std::trunc(tulemus));
  if (arv >= 0 && arv < (1 << 20) && araabia(*tekst).teisenda() != arv) {
    leitud("lugeja ei loe tagasi", tulemus);
  }
  if (arv < 0 && arv > INT32_MIN &&
      std::string_view(*tekst).substr(1) != *rooma(static_cast<float>(-arv)).vorminda()) {
    leitud("negatiivne", tulemus);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* andmed, std::size_t suurus) {
  if (suurus < 1) return 0;
  if ((andmed[0] & 1) == 0) {
    const std::string_view tekst(reinterpret_cast<const char*>(andmed + 1), suurus - 1);
    const std::int64_t arv = araabia(tekst).teisenda();
    if (arv < -1) leitud("lugeja vastus", static_cast<double>(arv));
    if (arv < 0 || arv > INT32_MAX) return 0;  // past 32 bits no numeral is written
    // The writer takes a float: past 2^24 it gets the nearest one.
    const float tulemus = static_cast<float>(arv);
    const std::optional<std::string> tagasi = rooma(tulemus).vorminda();
    if (!tagasi) leitud("loetut ei kirjuta", arv);
    if (araabia(*tagasi).teisenda() != static_cast<std::int64_t>(tulemus)) {
      leitud("kirjutatu ei loe tagasi", arv);
    }
    return 0;
  }
  if (suurus < 5) return 0;
  float tulemus = 0;
  std::memcpy(&tulemus, andmed + 1, sizeof tulemus);
  kontrolli_numbrit(tulemus);
  return 0;
}
