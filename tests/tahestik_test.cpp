// The fixed texts' letters as each character set gets them; the user's bytes never change.
#include "output/tahestik.h"

#include "arvutus.h"
#include "output/kirjutaja.h"

namespace {

TEST(Tahestik, WritesTheLettersInTheTerminalsSet) {
  // ISO-8859-1 and then DOS code-page bytes for a-umlaut, o-tilde, o-umlaut, u-umlaut.
  const std::string tekst = "\xE4\xF5\xF6\xFC \x84\x93\x81!",
                    latin = "\xE4\xF5\xF6\xFC \xE4\xF5\xFC!";
  for (const auto& [koodistik, oodatud] :
       {std::pair{"UTF-8", "\xC3\xA4\xC3\xB5\xC3\xB6\xC3\xBC \xC3\xA4\xC3\xB5\xC3\xBC!"},
        {"ISO-8859-1", latin.c_str()},
        {"CP1257", latin.c_str()},
        {"ANSI_X3.4-1968", "aoou aou!"}}) {
    valjund v;
    const zemtar::kirjutaja k(v.voog, zemtar::tahestik_nimest(koodistik));
    k.tekst(tekst);
    k.baidid(tekst);
    EXPECT_EQ(v.tekst(), oodatud + tekst) << koodistik;
  }
}

}  // namespace
