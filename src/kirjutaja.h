// Where the programs print: a stream, and the character set in which its reader gets the fixed
// texts' letters. What the user typed goes out as it came.
#pragma once

#include <cstdio>
#include <string_view>

#include "tahestik.h"

namespace zemtar {

class kirjutaja {
 public:
  // Copied freely, as a stream pointer is. A bare stream (a pipe, a file, a test's buffer) gets
  // every byte as stored.
  kirjutaja(std::FILE* voog, tahestik tahed = tahestik::SAMA) : voog(voog), tahed(tahed) {}

  // A fixed text, or a line made of one and of ASCII, its letters in the reader's set.
  void tekst(std::string_view t) const {
    if (tahed == tahestik::SAMA) {
      baidid(t);
    } else {
      teisenda(t);
    }
  }
  // "Viga: ", a message that an error token carried, and a newline.
  void viga(const char* teade) const;
  // The user's own bytes, never converted.
  void baidid(std::string_view b) const { std::fwrite(b.data(), 1, b.size(), voog); }
  void baidid(char b) const { std::fputc(b, voog); }

  // Whether every write so far has gone through. The stream keeps the record, so copies of a
  // writer agree, and a failure is seen wherever it is asked next.
  bool korras() const { return std::ferror(voog) == 0; }

  std::FILE* voog;

 private:
  void teisenda(std::string_view t) const;

  tahestik tahed;
};

}  // namespace zemtar
