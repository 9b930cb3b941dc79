// The Roman numeral writer: a result, cut to a whole number, as a Roman numeral.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zemtar {

class rooma {
 public:
  // Truncates toward zero. A result whose truncation does not fit a 32-bit signed integer,
  // or that is infinite or not a number, has no numeral.
  explicit rooma(float tulemus);
  virtual ~rooma() = default;

  // "O" for zero, a leading "-" for a negative number, and as many M as there are thousands;
  // nothing when the result has no numeral. May be called again.
  std::optional<std::string> vorminda() const;

  // The same numeral in its parts, for writing it out without holding it whole (the longest
  // has over two million letters): whether there is one, its sign, the count of M, and the
  // letters for the rest below a thousand ("O" alone for zero).
  bool on_esitatav() const { return esitatav; }
  bool negatiivne() const { return arv < 0; }
  std::uint32_t tuhandeid() const { return tuhandeid_; }
  std::string_view alla_tuhande() const { return {tahed, pikkus}; }

 private:
  std::int32_t arv = 0;
  bool esitatav = false;
  std::uint32_t tuhandeid_ = 0;
  char tahed[16] = {};  // at most "DCCCLXXXVIII", and room for copying four letters at a time
  std::size_t pikkus = 0;
};

}  // namespace zemtar
