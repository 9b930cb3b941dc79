// Reads a stream line by line, each line whole however long it is.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

namespace zemtar {

class ridade_lugeja {
 public:
  explicit ridade_lugeja(std::FILE* sisse);
  virtual ~ridade_lugeja() = default;
  ridade_lugeja(const ridade_lugeja&) = delete;
  ridade_lugeja& operator=(const ridade_lugeja&) = delete;

  // The next line of what has been read, with its newline, if it has one, and without the
  // carriage return of a CR LF end (or at the end of a last line). Its bytes stay valid until
  // the next call. False when no whole line has been read yet: then loe_juurde reads more,
  // unless the lines have ended, for whatever reason lopetus() gives.
  bool anna(std::string_view& rida);

  // Reads what the stream has ready, waiting only while it has nothing, so that a line typed or
  // piped in is answered before the next one comes. False once the lines have ended.
  bool loe_juurde();

  // Whether loe_juurde would wait now.
  bool ootaks() const;

  enum lopp_pohjus {
    LOEB,     // not ended yet
    OTSAS,    // the stream ended
    VIGA,     // the stream failed
    EI_MAHU,  // the next line is longer than memory holds
  };
  lopp_pohjus lopetus() const { return lopetus_; }
  // Why the stream failed, as the system said it (an errno value).
  int pohjus() const { return pohjus_; }

 private:
  std::FILE* sisse;
  std::unique_ptr<char[]> puhver;  // grown as a line needs, from the first read on
  std::size_t maht = 0;
  std::size_t algus = 0;  // the lines not yet handed out are puhver[algus, lopp)
  std::size_t lopp = 0;
  std::size_t otsitud = 0;  // bytes after algus known to hold no newline
  lopp_pohjus lopetus_ = LOEB;
  int pohjus_ = 0;
};

// The length of the line rida[0, n) once the carriage return of a CR LF end, or at the end, is
// dropped: a script's line ends so, and so may a line given on the command line. A CR LF end
// becomes a newline in place.
std::size_t ilma_cr(char* rida, std::size_t n);

}  // namespace zemtar
