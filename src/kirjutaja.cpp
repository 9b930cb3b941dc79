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

void kirjutaja::viga(const char* teade) const {
  tekst(VIGA_EES);
  tekst(teade);
  tekst("\n");
}

}  // namespace zemtar
