#include "output/kirjutaja.h"

#include <algorithm>
#include <cerrno>

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

namespace {

// In UTF-8 a C1 control is C2 and the byte: both shown as cat -v shows them.
bool on_c1(tahestik tahed, std::string_view rida, std::size_t i) {
  return tahed == tahestik::UTF8 && static_cast<unsigned char>(rida[i]) == 0xC2 &&
         i + 1 < rida.size() && (static_cast<unsigned char>(rida[i + 1]) & 0xE0) == 0x80;
}

}  // namespace

void kirjutaja::nahtavalt(std::string_view rida) const {
  std::size_t algus = 0;
  for (std::size_t i = 0; i < rida.size(); ++i) {
    const std::string_view kuju = juhtbaidi_kuju(tahed, static_cast<unsigned char>(rida[i]));
    const bool c1 = on_c1(tahed, rida, i);
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

void kirjutaja::osuti(std::string_view rida, std::size_t koht) const {
  rida = rida.substr(0, koht);
  const std::size_t reavahetus = rida.rfind('\n');
  std::size_t veerge = 0;
  if (reavahetus == std::string_view::npos) {
    veerge = 1;  // the prompt's colon
  } else {
    rida.remove_prefix(reavahetus + 1);
  }
  constexpr std::string_view TYHIKUD = "                ";
  auto tyhikud = [&] {
    for (; veerge > 0; veerge -= std::min(veerge, TYHIKUD.size()))
      baidid(TYHIKUD.substr(0, veerge));
  };
  int jargi = 0;  // the later bytes of a UTF-8 letter still to come, which take no column
  for (std::size_t i = 0; i < rida.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(rida[i]);
    if (tahed == tahestik::UTF8 && (c & 0xC0) == 0x80 && jargi > 0) {
      --jargi;
      continue;
    }
    jargi = tahed != tahestik::UTF8 || c < 0xC0 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    const std::string_view kuju = juhtbaidi_kuju(tahed, c);
    if (c == '\t') {
      tyhikud();
      baidid('\t');
    } else if (on_c1(tahed, rida, i)) {
      veerge += sizeof "M-BM-^[" - 1;
      jargi = 0;
      ++i;
    } else {
      veerge += kuju.empty() ? 1 : kuju.size();
    }
  }
  tyhikud();
  baidid("^\n");
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
  kirjuta(b);
}

void kirjutaja::saada() const {
  if (kogu != nullptr) anna_plokk();
  std::fflush(voog);
  jata_meelde();
}

void kirjutaja::anna_plokk() const {
  kirjuta({kogu->baidid, kogu->pikkus});
  kogu->pikkus = 0;
}

void kirjutaja::kirjuta(std::string_view b) const {
  zemtar::kirjuta(voog, b);
  jata_meelde();
}

void kirjutaja::jata_meelde() const {
  if (pohjus_ == 0 && !korras()) pohjus_ = errno;
}

void kirjutaja::viga(const char* teade) const {
  tekst(VIGA_EES);
  tekst(teade);
  tekst("\n");
}

}  // namespace zemtar
