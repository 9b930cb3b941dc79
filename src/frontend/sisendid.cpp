#include "frontend/sisendid.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include "eval/infiksavaldis.h"
#include "frontend/klaviatuur.h"
#include "frontend/rida.h"
#include "frontend/ridade_lugeja.h"
#include "teated.h"

namespace zemtar {

namespace {

struct sulge_fail {
  void operator()(std::FILE* fail) const { std::fclose(fail); }
};

void kaja(std::string_view rida, std::FILE* valja) {
  std::fputc(':', valja);
  std::fwrite(rida.data(), 1, rida.size(), valja);
  // A last line without a newline still leaves its result on a line of its own.
  if (rida.empty() || rida.back() != '\n') std::fputc('\n', valja);
}

// The last result as an exit status: truncated toward zero, the ends of the 32-bit range
// for a value beyond them, and 0 for one that is not a number.
int valjumiskood(float tulemus) {
  if (std::isnan(tulemus)) return 0;
  if (tulemus >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  if (tulemus <= -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
  return static_cast<int>(tulemus);
}

}  // namespace

int kasurealt(const char* tekst, std::FILE* valja) {
  infiksavaldis avaldis(valja);
  if (tekst == nullptr) {
    std::fputs(KASUREAL_PUUDUB, valja);
  } else {
    std::fprintf(valja, ":%s \n", tekst);
    tootle_rida(avaldis, tekst, false, valja);
  }
  return valjumiskood(avaldis.tulemus);
}

int failist(const char* nimi, std::FILE* valja) {
  infiksavaldis avaldis(valja);
  const std::unique_ptr<std::FILE, sulge_fail> fail(nimi ? std::fopen(nimi, "r") : nullptr);
  if (!fail) {
    std::fputs(EI_SAA_FAILI, valja);
    return valjumiskood(avaldis.tulemus);
  }
  ridade_lugeja lugeja(fail.get());
  std::string_view rida;
  bool loetud = false;
  while (lugeja.loe(rida)) {
    loetud = true;
    kaja(rida, valja);
    tootle_rida(avaldis, rida, false, valja);
  }
  // A name that opens but cannot be read, such as a folder, is no script either. A read
  // error later on ends the script as its end would.
  if (!loetud && lugeja.viga()) std::fputs(EI_SAA_FAILI, valja);
  return valjumiskood(avaldis.tulemus);
}

int klaviatuurilt(std::FILE* sisse, std::FILE* valja) {
  infiksavaldis avaldis(valja);
  std::fputs(TERVITUS, valja);
  klaviatuur lugeja(sisse, valja);
  std::string_view rida;
  for (;;) {
    // The end of input ends the run as "valju" would.
    if (!lugeja.loe(rida)) break;
    if (tootle_rida(avaldis, rida, true, valja) == LOPETA) break;
  }
  return 1;
}

}  // namespace zemtar
