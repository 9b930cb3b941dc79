#include "kirjutaja.h"

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

// What does not fit the block: the block goes out first, then the bytes start it afresh, or
// go out on their own when they are more than it holds.
void kirjutaja::kirjuta(std::string_view b) const {
  if (kogu != nullptr) {
    anna_plokk();
    if (b.size() <= plokk::MAHT) {
      baidid(b);
      return;
    }
  }
  std::fwrite(b.data(), 1, b.size(), voog);
}

void kirjutaja::saada() const {
  if (kogu != nullptr) anna_plokk();
  std::fflush(voog);
}

void kirjutaja::anna_plokk() const {
  std::fwrite(kogu->baidid, 1, kogu->pikkus, voog);
  kogu->pikkus = 0;
}

void kirjutaja::viga(const char* teade) const {
  tekst(VIGA_EES);
  tekst(teade);
  tekst("\n");
}

}  // namespace zemtar
