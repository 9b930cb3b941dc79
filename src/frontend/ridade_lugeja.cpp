#include "frontend/ridade_lugeja.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "platform/platvorm.h"

namespace zemtar {

namespace {

// Room for a few hundred typical lines; a longer line makes the buffer grow to hold it.
constexpr std::size_t ALGNE_MAHT = 16 * 1024;

}  // namespace

ridade_lugeja::ridade_lugeja(std::FILE* sisse) : sisse(sisse) {}

bool ridade_lugeja::anna(std::string_view& rida) {
  char* const r = puhver.get() + algus;
  const std::size_t ootel = lopp - algus;
  const void* reavahetus =
      ootel > otsitud ? std::memchr(r + otsitud, '\n', ootel - otsitud) : nullptr;
  std::size_t n = ootel;
  if (reavahetus != nullptr) {
    n = static_cast<std::size_t>(static_cast<const char*>(reavahetus) - r) + 1;
  } else if (lopetus_ != OTSAS || ootel == 0) {
    otsitud = ootel;
    return false;
  }
  algus += n;
  otsitud = 0;
  rida = std::string_view(r, ilma_cr(r, n));
  return true;
}

std::size_t ilma_cr(char* rida, std::size_t n) {
  const bool reavahetusega = n > 0 && rida[n - 1] == '\n';
  const std::size_t sisu = reavahetusega ? n - 1 : n;
  if (sisu == 0 || rida[sisu - 1] != '\r') return n;
  if (reavahetusega) rida[sisu - 1] = '\n';
  return n - 1;
}

bool ridade_lugeja::ootaks() const {
  return zemtar::ootaks(sisse);
}

// What the stream has ready goes behind the lines not yet handed out, which are moved to the
// front, or the buffer grown, first when there is no room. A line that does not fit in memory
// ends the reading, not the program, so that whatever came before it is kept. Not inlined: it
// runs once a block, and within the loop over lines it would cost every line.
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
  const std::ptrdiff_t saadud = loe_valmis(sisse, puhver.get() + lopp, maht - lopp);
  if (saadud <= 0) {
    lopetus_ = saadud < 0 ? VIGA : OTSAS;
    pohjus_ = saadud < 0 ? errno : 0;
    return false;
  }
  lopp += static_cast<std::size_t>(saadud);
  return true;
}

}  // namespace zemtar
