// Where keyboard mode's lines come from. When a person types at a terminal that can edit lines,
// the system's line editing reads them, showing the prompt itself; from anything else they are
// read plainly, byte for byte as they come.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "frontend/ridade_lugeja.h"
#include "platform/platvorm.h"

namespace zemtar {

class klaviatuur {
 public:
  klaviatuur(std::FILE* sisse, std::FILE* ekraan);
  virtual ~klaviatuur() = default;
  klaviatuur(const klaviatuur&) = delete;
  klaviatuur& operator=(const klaviatuur&) = delete;

  // Whether the line editor reads the lines; it always waits for them.
  bool toimetab() const { return toimetaja != nullptr; }
  // With the line editor: the prompt viip, then the line typed, with a newline; its bytes stay
  // valid until the next call. False when the user ends the input, and after an error.
  bool loe_toimetades(const char* viip, std::string_view& rida) {
    return loe_rida(toimetaja.get(), viip, rida);
  }
  // Without it, the lines as the stream gives them.
  ridade_lugeja& lugeja() { return lugeja_; }

 private:
  struct sulgeja {
    void operator()(rea_toimetaja* t) const { sulge_toimetaja(t); }
  };

  ridade_lugeja lugeja_;
  std::unique_ptr<rea_toimetaja, sulgeja> toimetaja;  // only at a terminal that edits
};

}  // namespace zemtar
