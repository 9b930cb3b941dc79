#include "output/kirjutaja.h"

#include "platform/platvorm.h"
#include "teated.h"

namespace zemtar {

void kirjutaja::teisenda(std::string_view t) const {
  // Runs of bytes that stay as they are go out whole, each letter in its own form.
  std::size_t algus = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const std::string_view kuju = tahe_kuju(tahed, static_cast<unsigned char>(t[i]));
    if (kuju.empty()) continue;
    baidid(t.substr(algus, i - algus));
    baidid(kuju);
    algus = i + 1;
  }
  baidid(t.substr(algus));
}

void kirjutaja::nahtavalt(std::string_view rida) const {
  std::size_t algus = 0;
  for (std::size_t i = 0; i < rida.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(rida[i]);
    const std::string_view kuju = juhtbaidi_kuju(tahed, c);
    // In UTF-8 a C1 control is C2 and the byte: both shown as cat -v shows them.
    const bool c1 = tahed == tahestik::UTF8 && c == 0xC2 && i + 1 < rida.size() &&
                    (static_cast<unsigned char>(rida[i + 1]) & 0xE0) == 0x80;
    if (kuju.empty() && !c1) continue;
    baidid(rida.substr(algus, i - algus));
    if (c1) {
      baidid("M-B");
      baidid(juhtbaidi_kuju(tahestik::LATIN, static_cast<unsigned char>(rida[++i])));
    } else {
      baidid(kuju);
    }
    algus = i + 1;
  }
  baidid(rida.substr(algus));
}

// What does not fit the block: the block goes out first, then the bytes start it afresh, or
// go out on their own when they are more than it holds.
void kirjutaja::ule_ploki(std::string_view b) const {
  if (kogu != nullptr) {
    anna_plokk();
    if (b.size() <= plokk::MAHT) {
      baidid(b);
      return;
    }
  }
  zemtar::kirjuta(voog, b);
}

void kirjutaja::saada() const {
  if (kogu != nullptr) anna_plokk();
  std::fflush(voog);
}

void kirjutaja::anna_plokk() const {
  zemtar::kirjuta(voog, {kogu->baidid, kogu->pikkus});
  kogu->pikkus = 0;
}

void kirjutaja::viga(const char* teade) const {
  tekst(VIGA_EES);
  tekst(teade);
  tekst("\n");
}

}  // namespace zemtar
