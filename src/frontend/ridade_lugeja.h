// Reads a stream line by line, each line whole however long it is.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace zemtar {

class ridade_lugeja {
 public:
  explicit ridade_lugeja(std::FILE* sisse) : sisse(sisse) {}
  virtual ~ridade_lugeja();
  ridade_lugeja(const ridade_lugeja&) = delete;
  ridade_lugeja& operator=(const ridade_lugeja&) = delete;

  // The next line with its newline, if it has one, and without the carriage return of a CR LF
  // end (or at the end of a last line). Its bytes stay valid until the next call. False at
  // the end of the stream and after a read error alike.
  bool loe(std::string_view& rida);

  // Whether the stream failed rather than ended.
  bool viga() const { return std::ferror(sisse) != 0; }

 private:
  std::FILE* sisse;
  char* puhver = nullptr;
  std::size_t maht = 0;
};

}  // namespace zemtar
