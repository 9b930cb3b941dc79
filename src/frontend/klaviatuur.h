// The lines of keyboard mode, each read after the prompt. When a person types at a terminal
// that can edit lines, the system's line editing reads them; from anything else they are read
// plainly, byte for byte as they come.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "frontend/ridade_lugeja.h"
#include "platform/platvorm.h"

namespace zemtar {

class klaviatuur {
 public:
  klaviatuur(std::FILE* sisse, std::FILE* valja);
  virtual ~klaviatuur() = default;
  klaviatuur(const klaviatuur&) = delete;
  klaviatuur& operator=(const klaviatuur&) = delete;

  // Shows the prompt and gives the next line with its newline, if it has one; its bytes stay
  // valid until the next call. False at the end of input (at a terminal, as the user ends it)
  // and after a read error.
  bool loe(std::string_view& rida);

  // Whether the lines ended with one longer than memory holds.
  bool ei_mahu() const { return lugeja.lopetus() == ridade_lugeja::EI_MAHU; }

 private:
  struct sulgeja {
    void operator()(rea_toimetaja* t) const { sulge_toimetaja(t); }
  };

  std::FILE* valja;
  ridade_lugeja lugeja;
  std::unique_ptr<rea_toimetaja, sulgeja> toimetaja;  // only at a terminal that edits
};

}  // namespace zemtar
