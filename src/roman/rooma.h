// The Roman numeral writer: a result, cut to a whole number, as a Roman numeral.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

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

 private:
  std::int32_t arv = 0;
  bool esitatav = false;
};

}  // namespace zemtar
