#include "eval/magasin.h"

#include "teated.h"

namespace zemtar {

void magasin::pane(lekseem* t) {
  if (tipp >= MAHT) {
    // Marked where it stands, so that the message still points at it.
    const std::size_t koht = t->koht;
    *t = lekseem::viga(MAGASIN_TAIS);
    t->koht = koht;
    return;
  }
  elemendid[tipp++] = t;
}

lekseem* magasin::vota() {
  if (tipp > 0) return elemendid[--tipp];
  // Made afresh on every call, so nothing a caller did to it can leak into the next answer.
  tyhjuse_viga = lekseem::viga(MAGASIN_TYHI);
  return &tyhjuse_viga;
}

}  // namespace zemtar
