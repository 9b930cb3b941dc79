// Reads a stream line by line, each line whole however long it is.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

#include "output/kirjutaja.h"

namespace zemtar {

class ridade_lugeja {
 public:
  // Everything written to valja, if given, is sent out before a read that would wait, so that
  // nothing is held back while the program waits for the next line.
  explicit ridade_lugeja(std::FILE* sisse, const kirjutaja* valja = nullptr);
  virtual ~ridade_lugeja() = default;
  ridade_lugeja(const ridade_lugeja&) = delete;
  ridade_lugeja& operator=(const ridade_lugeja&) = delete;

  // The next line with its newline, if it has one, and without the carriage return of a CR LF
  // end (or at the end of a last line). Its bytes stay valid until the next call. False once
  // the lines have ended, for whatever reason lopetus() then gives. A read takes what the
  // stream has ready, so a line typed or piped in is answered before the next one comes.
  bool loe(std::string_view& rida);

  enum lopp_pohjus {
    LOEB,     // not ended yet
    OTSAS,    // the stream ended
    VIGA,     // the stream failed; errno says why
    EI_MAHU,  // the next line is longer than memory holds
  };
  lopp_pohjus lopetus() const { return lopetus_; }

 private:
  bool loe_juurde();

  std::FILE* sisse;
  const kirjutaja* valja;
  std::unique_ptr<char[]> puhver;  // grown as a line needs, from the first read on
  std::size_t maht = 0;
  std::size_t algus = 0;  // the lines not yet handed out are puhver[algus, lopp)
  std::size_t lopp = 0;
  lopp_pohjus lopetus_ = LOEB;
};

}  // namespace zemtar
