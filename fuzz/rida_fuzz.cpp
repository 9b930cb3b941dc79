// libFuzzer target for the line step of either build: the input's first byte chooses whether
// keywords count (keyboard) or not (script), the rest is read line by line as a run reads it
// and handed to one evaluator kept for the whole run. Every line must leave exactly what the
// program may print for it, with a result that reads back to the evaluator's value.
#include <stdio.h>  // fopencookie
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "frontend/kaivitus.h"
#include "lexer/ehitus.h"
#include "teated.h"
#include "tulemus.h"

namespace {

using namespace zemtar;

constexpr char VAARTUS[] = " v\xE4\xE4rtus=";
constexpr const char* TEATED[] = {
    OOTAMATU_ARV,           OOTAMATU_MUUTUJA,         VAARTUSTAMATA,
    AVAV_SULG_TEHTE_ASEMEL, SULGEV_SULG_TEHTE_ASEMEL, TEHE_ARVU_ASEMEL,
    LOPP_ARVU_ASEMEL,       MAGASIN_POLE_TYHI,        LUBAMATU_MUUTUJANIMI,
};
// Carried by tokens and printed after "Viga: ".
constexpr const char* LEKSEEMI_TEATED[] = {
    MAGASIN_TAIS, MAGASIN_TYHI, LUBAMATU_KOMA, VIGANE_ROOMA_ARV, LUBAMATU_SUMBOL,
};

// Gathers what the program prints. Kept for the whole fuzzing run, so that its two buffers
// keep their size and a result of millions of letters costs no fresh memory on every input.
class kogum {
 public:
  kogum() : voog_(fopencookie(this, "w", {nullptr, kirjuta, nullptr, nullptr})) {}
  ~kogum() { std::fclose(voog_); }
  kogum(const kogum&) = delete;
  kogum& operator=(const kogum&) = delete;

  std::FILE* voog() { return voog_; }

  // What was printed since the last call; valid until the next call.
  std::string_view vota() {
    std::fflush(voog_);
    eelmine.swap(praegune);
    praegune.clear();
    return eelmine;
  }

 private:
  static ssize_t kirjuta(void* mina, const char* baidid, std::size_t n) {
    static_cast<kogum*>(mina)->praegune.append(baidid, n);
    return static_cast<ssize_t>(n);
  }

  std::FILE* voog_;
  std::string praegune;
  std::string eelmine;
};

[[noreturn]] void leitud(const char* mis, std::string_view rida, std::string_view prinditud) {
  std::fprintf(stderr, "%s\nrida (%zu): %.*s\nvaljund (%zu): %.*s\n", mis, rida.size(),
               static_cast<int>(rida.size()), rida.data(), prinditud.size(),
               static_cast<int>(prinditud.size() > 200 ? 200 : prinditud.size()), prinditud.data());
  std::abort();
}

bool sama(float a, float b) {
  return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

bool algab(std::string_view tekst, std::string_view algus) {
  return tekst.substr(0, algus.size()) == algus;
}

// A message that ends an evaluation with nothing else printed.
bool on_teade(std::string_view prinditud) {
  if (prinditud == JAGAMINE_NULLIGA) return true;
  for (const char* t : TEATED) {
    if (prinditud == t) return true;
  }
  constexpr std::string_view VIGA = "Viga: ";
  if (!algab(prinditud, VIGA)) return false;
  const std::string_view teade = prinditud.substr(VIGA.size(), prinditud.size() - VIGA.size() - 1);
  for (const char* t : LEKSEEMI_TEATED) {
    if (teade == t) return true;
  }
  return false;
}

// The same line within one more pair of parentheses has the same value, unless that pair
// no longer fits the stack.
void kontrolli_sulgudes(infiksavaldis& avaldis, std::string_view rida) {
  const float tulemus = avaldis.tulemus;
  if (!rida.empty() && rida.back() == '\n') rida.remove_suffix(1);
  const std::string sulgudes = "(" + std::string(rida) + ")";
  const vastus v = avaldis.arvuta(sulgudes);
  if (v ? !sama(avaldis.tulemus, tulemus) : v.teade != MAGASIN_TAIS) {
    leitud("sulgudes teine vastus", sulgudes, v ? "" : v.teade);
  }
  avaldis.tulemus = tulemus;
}

// An assigned variable reads back as the value just printed.
void kontrolli_muutujat(infiksavaldis& avaldis, char nimi) {
  const float tulemus = avaldis.tulemus;
  const vastus v = avaldis.arvuta(std::string_view(&nimi, 1));
  if (!v || !sama(avaldis.tulemus, tulemus)) {
    leitud("muutuja ei anna omistatut", std::string_view(&nimi, 1), v ? "" : v.teade);
  }
}

// What one line printed, when it was neither "valju" nor "abi".
void kontrolli(infiksavaldis& avaldis, std::string_view rida, std::string_view prinditud) {
  if (prinditud.empty() || prinditud.find('\n') != prinditud.size() - 1) {
    leitud("pole uks rida", rida, prinditud);
  }
  const std::size_t vordus = rida.find('=');
  if (vordus == std::string_view::npos && algab(prinditud, AVALDISE_VAARTUS)) {
    const std::string_view tekst = prinditud.substr(std::strlen(AVALDISE_VAARTUS));
    if (!zemtar_fuzz::naitab(tekst.substr(0, tekst.size() - 1), avaldis.tulemus)) {
      leitud("vale tulemus", rida, prinditud);
    }
    kontrolli_sulgudes(avaldis, rida);
    return;
  }
  const std::size_t nimi = rida.find_first_not_of(" \t\n\v\f\r");
  if (vordus != std::string_view::npos && algab(prinditud, "Muutuja ") &&
      prinditud.size() > MUUTUJA_NIME_KOHT + 1 && prinditud[MUUTUJA_NIME_KOHT] == rida[nimi] &&
      algab(prinditud.substr(MUUTUJA_NIME_KOHT + 1), VAARTUS)) {
    const std::string_view tekst = prinditud.substr(MUUTUJA_NIME_KOHT + 1 + std::strlen(VAARTUS));
    if (!zemtar_fuzz::naitab(tekst.substr(0, tekst.size() - 1), avaldis.tulemus)) {
      leitud("vale omistus", rida, prinditud);
    }
    kontrolli_muutujat(avaldis, rida[nimi]);
    return;
  }
  if (zemtar_fuzz::esitamatu(prinditud, avaldis.tulemus)) return;
  if (!on_teade(prinditud)) leitud("tundmatu valjund", rida, prinditud);
  // A refused name evaluates nothing and leaves the last value; every other failure clears it.
  if (prinditud != LUBAMATU_MUUTUJANIMI && avaldis.tulemus != 0) {
    leitud("viga jattis tulemuse", rida, prinditud);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* andmed, std::size_t suurus) {
  if (suurus < 2) return 0;
  const bool votmesonad = (andmed[0] & 1) != 0;
  // A file of the bytes, read through its descriptor as the programs read a script.
  const int fd = memfd_create("rida", 0);
  if (fd < 0 || write(fd, andmed + 1, suurus - 1) != static_cast<ssize_t>(suurus - 1) ||
      lseek(fd, 0, SEEK_SET) != 0)
    std::abort();
  std::FILE* sisse = fdopen(fd, "r");
  if (sisse == nullptr) std::abort();
  // Never freed: it serves every input of the run.
  static kogum* const v = new kogum();
  {
    kaivitus k(v->voog(), tahestik::SAMA, false,
               votmesonad ? kaivitus::KLAVIATUURILT : kaivitus::FAILIST);
    ridade_lugeja lugeja(sisse);
    std::string_view rida;
    while (k.loe(lugeja, rida)) {
      const tootluse_tulemus t = k.tootle_rida(rida);
      k.valja().saada();
      const std::string_view prinditud = v->vota();
      const bool valju = votmesonad && rida.find(VOTI_VALJU) != std::string_view::npos;
      if (valju != (t == LOPETA)) leitud("valju", rida, prinditud);
      if (valju) {
        if (!prinditud.empty()) leitud("valju kirjutas", rida, prinditud);
        break;
      }
      if (votmesonad && rida.find(VOTI_ABI) != std::string_view::npos) continue;
      kontrolli(k.avaldis(), rida, prinditud);
    }
  }
  std::fclose(sisse);
  return 0;
}
