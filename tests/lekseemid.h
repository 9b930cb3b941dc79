// Token sequences written out as text, so lexer tests compare whole sequences at once.
#pragma once

#include <string>
#include <string_view>

#include "lexer/leksator.h"

// "ARV 12, TEHE +, ARV 3, LOPP": every token up to the first LOPP or VIGA.
inline std::string lekseemid(std::string_view rida) {
  zemtar::leksator lugeja;
  lugeja.sea_rida(rida);
  std::string tekst;
  for (int n = 0; n < 1000; ++n) {
    const zemtar::lekseem t = lugeja.jargmine();
    if (!tekst.empty()) tekst += ", ";
    switch (t.liik) {
      case zemtar::ARV: {
        std::string arv = std::to_string(t.vaartus);
        arv.erase(arv.find_last_not_of('0') + 1);
        if (arv.back() == '.') arv.pop_back();
        tekst += "ARV " + arv;
        break;
      }
      case zemtar::MUUTUJA:
        tekst += std::string("MUUTUJA ") + t.mark();
        break;
      case zemtar::TEHE:
        tekst += std::string("TEHE ") + t.mark();
        break;
      case zemtar::LOPP:
        return tekst + "LOPP";
      case zemtar::VIGA:
        return tekst + "VIGA " + t.teade();
    }
  }
  return tekst + "...";
}
