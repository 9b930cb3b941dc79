// The Roman numeral reader: a state machine that turns a numeral into a whole number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zemtar {

class araabia {
 public:
  // The text is read in place; the reader lives only while its caller holds the text.
  explicit araabia(std::string_view tekst);
  virtual ~araabia() = default;

  // The value of the numeral, 0 for an empty text, or -1 when the text is no numeral this
  // machine accepts. Any number of M is a numeral, so the value may pass 32 bits; no text
  // that fits in memory passes 64. Converts once.
  std::int64_t teisenda();

 private:
  std::string_view tekst;
  std::int64_t summa = 0;
  std::size_t pikkus;
  char olek = 's';
  std::int32_t mitu_i = 0;
  std::int32_t mitu_x = 0;
  std::int32_t mitu_c = 0;
};

}  // namespace zemtar
