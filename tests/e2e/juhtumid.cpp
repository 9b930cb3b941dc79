#include "e2e/juhtumid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "e2e/protsess.h"

namespace {

// A long output is not printed whole when it differs, only its size and where it first does.
void vordle(const std::string& saadud, const std::string& oodatud) {
  constexpr std::size_t PIKK = 4096;
  if (saadud.size() <= PIKK && oodatud.size() <= PIKK) {
    EXPECT_EQ(saadud, oodatud);
    return;
  }
  if (saadud == oodatud) return;
  const auto erinevus = std::mismatch(saadud.begin(), saadud.end(), oodatud.begin(), oodatud.end());
  const std::size_t koht = static_cast<std::size_t>(erinevus.first - saadud.begin());
  ADD_FAILURE() << "sizes " << saadud.size() << " and " << oodatud.size()
                << ", first difference at byte " << koht << ": got \"" << saadud.substr(koht, 40)
                << "\", expected \"" << oodatud.substr(koht, 40) << "\"";
}

}  // namespace

void kontrolli(const std::vector<juhtum>& juhtumid) {
  // Where a terminal would get other letters, a pipe must still get the stored bytes.
  setenv("LC_ALL", "C.UTF-8", 1);
  for (const juhtum& j : juhtumid) {
    const std::optional<ajutine_fail> skript =
        j.skript ? std::optional<ajutine_fail>(std::in_place, *j.skript) : std::nullopt;
    std::vector<std::string> argumendid = j.argumendid;
    for (std::string& a : argumendid) {
      if (a == "{skript}") a = skript->nimi();
    }
    for (const auto& [mask, programm, nimi] :
         {std::tuple{ROOMA, ZEMTAR, "zemtar"}, {LIHTNE, ZEMTAR_LIHTNE, "zemtar-lihtne"}}) {
      if ((j.kellele & mask) == 0) continue;
      std::string kirjeldus = programm;
      for (const std::string& a : j.argumendid)
        kirjeldus += " [" + a.substr(0, 40) + "]";
      SCOPED_TRACE(kirjeldus);
      const protsessi_tulemus t = kaivita(programm, argumendid, j.sisend, j.hairitud);
      if (j.hairitud != TAIS_KETAS) vordle(t.valjund, PEALKIRI + j.valjund);
      std::string vead = j.vead;
      for (std::size_t koht; (koht = vead.find('@')) != std::string::npos;)
        vead.replace(koht, 1, nimi);
      EXPECT_EQ(t.vead, vead);
      EXPECT_EQ(t.staatus, j.staatus);
    }
  }
}
