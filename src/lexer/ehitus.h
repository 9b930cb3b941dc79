// All that sets the two programs apart, as the shared code takes it from the program built:
// zemtar links src/roman/ehitus.cpp, zemtar-lihtne src/decimal/ehitus.cpp, and nothing switches
// at run time. The lexer, the lowest layer that asks, keeps it, so every include runs downward.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zemtar {

// The program's name, as it is installed.
extern const char PROGRAMM[];

// The help text's head and tail, around the entries that both programs share.
extern const char JUHISTE_ALGUS[];
extern const char JUHISTE_LOPP[];

// The evaluator's message for a zero divisor, a whole line.
extern const char JAGAMINE_NULLIGA[];

// The variable slot (0 for a ... 24 for y) that a name character stands for, or -1 when it has
// none. The lexer and assignments both ask this, so what can be assigned can be read back.
int muutuja_indeks(unsigned char c);

// When the letter at rida[asukoht] begins a Roman numeral, reads the whole run of Roman letters,
// moves asukoht past it and answers its value, or -1 when the run is no numeral. Otherwise -2,
// and asukoht stays.
std::int64_t loe_rooma_arv(std::string_view rida, std::size_t& asukoht);

// A result as this program writes it after "väärtus=", with the newline: the first `ees` bytes of
// `tekst`, then `tuhandeid` letters M (the thousands of a Roman numeral, any number of them),
// then the rest of its `pikkus` bytes. A result that the program cannot show has instead
// `esitamatu`, the whole line written in place of the result line.
struct tulemuse_kuju {
  const char* esitamatu = nullptr;
  std::size_t ees = 0;
  std::size_t tuhandeid = 0;
  std::size_t pikkus = 0;
  char tekst[48];  // a sign, a float's 39 digits, the point, six decimals, the newline
};
tulemuse_kuju kuju(float tulemus);

}  // namespace zemtar
