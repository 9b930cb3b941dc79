// The fixed texts' letters as each character set gets them; the user's bytes never change.
#include "tahestik.h"

#include <gtest/gtest.h>

#include <string>

#include "kirjutaja.h"
#include "valjund.h"

namespace {

TEST(Tahestik, WritesTheLettersInTheTerminalsSet) {
  // ISO-8859-1 and then DOS code-page bytes for a-umlaut, o-tilde, o-umlaut, u-umlaut.
  const std::string TEKST = "\xE4\xF5\xF6\xFC \x84\x93\x81!";
  const struct {
    const char* koodistik;
    std::string oodatud;
  } JUHTUMID[] = {
      {"UTF-8", "\xC3\xA4\xC3\xB5\xC3\xB6\xC3\xBC \xC3\xA4\xC3\xB5\xC3\xBC!"},
      {"ISO-8859-1", "\xE4\xF5\xF6\xFC \xE4\xF5\xFC!"},
      {"ISO-8859-13", "\xE4\xF5\xF6\xFC \xE4\xF5\xFC!"},
      {"ISO-8859-15", "\xE4\xF5\xF6\xFC \xE4\xF5\xFC!"},
      {"CP1257", "\xE4\xF5\xF6\xFC \xE4\xF5\xFC!"},
      {"ANSI_X3.4-1968", "aoou aou!"},
      {"KOI8-R", "aoou aou!"},
  };
  for (const auto& j : JUHTUMID) {
    SCOPED_TRACE(j.koodistik);
    valjund v;
    const zemtar::kirjutaja k(v.voog(), zemtar::tahestik_nimest(j.koodistik));
    k.tekst(TEKST);
    k.baidid(TEKST);
    EXPECT_EQ(v.vota(), j.oodatud + TEKST);
  }
}

}  // namespace
