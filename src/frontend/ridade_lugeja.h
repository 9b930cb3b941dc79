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

  // The next line with its newline, if it has one, and without the carriage return of a CR LF
  // end (or at the end of a last line). Its bytes stay valid until the next call. False at
  // the end of the stream and after a read error alike. A read takes what the stream has
  // ready, so a line typed or piped in is answered before the next one comes.
  bool loe(std::string_view& rida);

  // Whether the stream failed rather than ended; errno then tells why.
  bool viga() const { return viga_; }

 private:
  bool loe_juurde();

  std::FILE* sisse;
  std::unique_ptr<char[]> puhver;
  std::size_t maht;
  std::size_t algus = 0;  // the lines not yet handed out are puhver[algus, lopp)
  std::size_t lopp = 0;
  bool otsas = false;
  bool viga_ = false;
};

}  // namespace zemtar
