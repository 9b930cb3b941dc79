#include "frontend/ridade_lugeja.h"

#include <cstring>
#include <new>

#include "platform/platvorm.h"

namespace zemtar {

namespace {

// Room for a few hundred typical lines; a longer line makes the buffer grow to hold it.
constexpr std::size_t ALGNE_MAHT = 16 * 1024;

}  // namespace

ridade_lugeja::ridade_lugeja(std::FILE* sisse, const kirjutaja* valja)
    : sisse(sisse), valja(valja) {}

bool ridade_lugeja::loe(std::string_view& rida) {
  std::size_t otsitud = 0;  // bytes after algus known to hold no newline
  std::size_t n = 0;
  for (;;) {
    const char* const ootel = puhver.get() + algus;
    const void* reavahetus = lopp - algus > otsitud
                                 ? std::memchr(ootel + otsitud, '\n', lopp - algus - otsitud)
                                 : nullptr;
    if (reavahetus != nullptr) {
      n = static_cast<std::size_t>(static_cast<const char*>(reavahetus) - ootel) + 1;
      break;
    }
    otsitud = lopp - algus;
    if (!loe_juurde()) {
      if (lopetus_ != OTSAS || lopp == algus) return false;
      n = lopp - algus;
      break;
    }
  }
  char* const r = puhver.get() + algus;
  algus += n;
  const bool reavahetusega = r[n - 1] == '\n';
  const std::size_t sisu = reavahetusega ? n - 1 : n;
  if (sisu > 0 && r[sisu - 1] == '\r') {
    if (reavahetusega) r[sisu - 1] = '\n';
    --n;
  }
  rida = std::string_view(r, n);
  return true;
}

// Reads what the stream has ready behind the lines not yet handed out, moving them to the
// front or growing the buffer first when there is no room. False at the end, on an error and
// when the buffer cannot grow: a line that does not fit in memory ends the reading, not the
// program, so that whatever came before it is kept. Not inlined: it runs once a block, and
// within loe's loop it would cost every line.
[[gnu::noinline]] bool ridade_lugeja::loe_juurde() {
  if (lopetus_ != LOEB) return false;
  if (lopp == maht) {
    const std::size_t ootel = lopp - algus;
    if (algus > 0 && ootel < maht / 2) {
      std::memmove(puhver.get(), puhver.get() + algus, ootel);
    } else {
      const std::size_t uus = maht == 0 ? ALGNE_MAHT : 2 * maht;
      std::unique_ptr<char[]> suurem(new (std::nothrow) char[uus]);
      if (!suurem) {
        lopetus_ = EI_MAHU;
        return false;
      }
      if (ootel > 0) std::memcpy(suurem.get(), puhver.get() + algus, ootel);
      puhver = std::move(suurem);
      maht = uus;
    }
    algus = 0;
    lopp = ootel;
  }
  if (valja != nullptr && ootaks(sisse)) valja->saada();
  const std::ptrdiff_t saadud = loe_valmis(sisse, puhver.get() + lopp, maht - lopp);
  if (saadud <= 0) {
    lopetus_ = saadud < 0 ? VIGA : OTSAS;
    return false;
  }
  lopp += static_cast<std::size_t>(saadud);
  return true;
}

}  // namespace zemtar
