// Where the programs print: a stream, the character set in which its reader gets the fixed
// texts' letters, whether a person reads it at a terminal, and a block in which bytes for a
// file or a pipe gather. What the user typed goes out as it came, but for the control bytes of
// a line shown back at a terminal.
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
  // tahed is the set of the texts' reader (SAMA: the bytes as stored). At a terminal, or a
  // console like the web page, lines are shown back so that a person can see them, and a
  // message can point into them. A bare stream (a test's buffer, say) gets every byte as
  // stored, at once.
  kirjutaja(std::FILE* voog, tahestik tahed = tahestik::SAMA, bool terminal = false,
            plokk* kogu = nullptr)
      : voog(voog), tahed(tahed), terminal(terminal), kogu(kogu) {}
  virtual ~kirjutaja() = default;
  kirjutaja(const kirjutaja&) = delete;
  kirjutaja& operator=(const kirjutaja&) = delete;

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
    if (terminal) {
      nahtavalt(rida);
    } else {
      baidid(rida);
    }
  }
  // Under a line shown after the prompt: blanks, and a caret under byte koht as the terminal
  // shows it (a UTF-8 letter one column, ^[ two; a tab stays a tab); after a newline in the
  // line, under what follows it.
  void osuti(std::string_view rida, std::size_t koht) const;

  // Hands everything gathered to the stream and flushes it.
  void saada() const;

  // Whether every write so far has gone through; the stream keeps the record.
  bool korras() const { return std::ferror(voog) == 0; }
  // The system's reason (an errno value) for the first write that failed; 0 if none is known.
  int pohjus() const { return pohjus_; }

 private:
  void teisenda(std::string_view t) const;
  void nahtavalt(std::string_view rida) const;
  void ule_ploki(std::string_view b) const;
  // The block's bytes to the stream, which leaves the block empty.
  void anna_plokk() const;
  // Bytes to the stream; then the reason, if they were the first to fail.
  void kirjuta(std::string_view b) const;
  void jata_meelde() const;

  std::FILE* voog;
  tahestik tahed;
  bool terminal;
  plokk* kogu;
  mutable int pohjus_ = 0;
};

}  // namespace zemtar
