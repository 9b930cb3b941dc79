// Where the programs print: a stream, the character set in which its reader gets the fixed
// texts' letters, and a block in which bytes for a file or a pipe gather. What the user typed
// goes out as it came, but for the control bytes of a line shown back at a terminal.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "output/tahestik.h"

namespace zemtar {

// Output gathered for a stream and handed to it a block at a time, so that a script's line
// costs a copy or two instead of several calls into the C library.
struct plokk {
  static constexpr std::size_t MAHT = 16 * 1024;
  std::size_t pikkus = 0;
  char baidid[MAHT];
};

class kirjutaja {
 public:
  // Copied freely, as a stream pointer is; copies share the stream and the block. tahed is the
  // set of a terminal's reader, SAMA for a file or a pipe. A bare stream (a test's buffer,
  // say) gets every byte as stored, at once.
  kirjutaja(std::FILE* voog, tahestik tahed = tahestik::SAMA, plokk* kogu = nullptr)
      : voog(voog), tahed(tahed), kogu(kogu) {}

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
  // Bytes as they are, never converted: digits, signs, and what the user wrote where no
  // terminal is shown it.
  void baidid(std::string_view b) const {
    if (kogu != nullptr && b.size() <= plokk::MAHT - kogu->pikkus) {
      std::memcpy(kogu->baidid + kogu->pikkus, b.data(), b.size());
      kogu->pikkus += b.size();
    } else {
      ule_ploki(b);
    }
  }
  void baidid(char b) const { baidid(std::string_view(&b, 1)); }
  // A line the user wrote, shown back. At a terminal its control bytes show as cat -v shows
  // them (^[, ^?, M-^[), so that no line can drive the terminal; tab and newline stay.
  void kaja(std::string_view rida) const {
    if (tahed == tahestik::SAMA) {
      baidid(rida);
    } else {
      nahtavalt(rida);
    }
  }

  // Hands everything gathered to the stream and flushes it: before a read that waits for the
  // user, and at the end.
  void saada() const;

  // Whether every write so far has gone through. The stream keeps the record, so copies of a
  // writer agree, and a failure is seen wherever it is asked next.
  bool korras() const { return std::ferror(voog) == 0; }

 private:
  void teisenda(std::string_view t) const;
  void nahtavalt(std::string_view rida) const;
  void ule_ploki(std::string_view b) const;
  // The block's bytes to the stream, which leaves the block empty.
  void anna_plokk() const;

  std::FILE* voog;
  tahestik tahed;
  plokk* kogu;
};

}  // namespace zemtar
