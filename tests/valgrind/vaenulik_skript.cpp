// Writes a script of a few thousand varied hostile lines to standard output, the same on every
// run: assignments, Roman numerals, every kind of error, long and deeply nested lines, bytes
// 128 to 255, NUL, CR LF. Never "valju", so a keyboard run reads it all; the last line is 1+1.
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace {

// The engine's numbers are fixed by the standard (unlike its distributions), so the script
// is the same on every machine.
using juhus = std::mt19937;

std::uint32_t kuni(juhus& j, std::uint32_t n) {
  return static_cast<std::uint32_t>(j() % n);
}

template <std::size_t N>
const char* vali(juhus& j, const char* const (&valikud)[N]) {
  return valikud[kuni(j, N)];
}

// One line per message the programs can print, and a few that print results.
constexpr const char* KINDLAD[] = {
    "3 4",         "a b",   "2(3)",       "()",         "*3",
    "3+",          "(1+2",  "1)+2",       "1+2)",       "1.2.3",
    "IIII",        "VV",    "#",          "ab=3",       "1/0",
    "z=1",         "B=4",   "3000000000", "2147483647", "0-2147483648",
    "-2147483520", "a",     "abi",        "",           "   ",
    "\t1",         "1\t",   "IV*x",       "O",          "MMMMCMXCIX",
    "mcm",         "XO",    "1,5+2.25",   "16777216+1", "0.000001*1000000",
    "=5",          "5=a",   "a=b=3",      "--3",        "2*-3",
    "6/-3",        "-(-3)", "3*-2*2",     "2+-3",       "1-1",
};

constexpr const char* TEHTED[] = {"+", "-", "*", "/", " + ", "*-"};

// An expression of random numbers, variables and Roman numerals, nested up to syva deep.
std::string avaldis(juhus& j, int syva) {
  static constexpr const char* ALGOSAD[] = {"1",  "7", "0",        "2,5", "100",
                                            "a",  "b", "y",        "XIV", "MCMXCIX",
                                            "iv", "A", "12345678", "0.5", "9999999999"};
  std::string s;
  const std::uint32_t n = 1 + kuni(j, 5);
  for (std::uint32_t i = 0; i < n; ++i) {
    if (i > 0) s += vali(j, TEHTED);
    if (syva > 0 && kuni(j, 3) == 0) {
      s += "(" + avaldis(j, syva - 1) + ")";
    } else {
      s += vali(j, ALGOSAD);
    }
  }
  return s;
}

std::string rida(juhus& j) {
  switch (kuni(j, 12)) {
    case 0:
    case 1:
      return vali(j, KINDLAD);
    case 2:
    case 3:
      return std::string(1, static_cast<char>('a' + kuni(j, 25))) + " = " + avaldis(j, 3);
    case 4:
    case 5:
      return avaldis(j, 4);
    case 6: {  // deep nesting, around the stack's 25 places
      const std::uint32_t syva = 20 + kuni(j, 10);
      return std::string(syva, '(') + "1+2" + std::string(syva, ')');
    }
    case 7: {  // a long line
      std::string s = "1";
      const std::uint32_t n = 1000 + kuni(j, 5000);
      for (std::uint32_t i = 0; i < n; ++i)
        s += "+1";
      return s;
    }
    case 8: {  // any bytes but the newline
      std::string s;
      const std::uint32_t n = kuni(j, 40);
      for (std::uint32_t i = 0; i < n; ++i) {
        const char c = static_cast<char>(kuni(j, 256));
        s += c == '\n' ? '\0' : c;
      }
      return s;
    }
    case 9:  // bytes 128 to 255 inside an expression
      return "1+" + std::string(1, static_cast<char>(128 + kuni(j, 128))) + "2";
    case 10:  // NUL inside a line
      return std::string("2*") + '\0' + "3";
    default:  // a CR before the newline, or one inside the line
      return kuni(j, 2) == 0 ? avaldis(j, 2) + "\r" : "2\r+3";
  }
}

}  // namespace

int main() {
  juhus j(20240611);
  std::string skript;
  for (int i = 0; i < 3000; ++i) {
    std::string r = rida(j);
    // A keyboard run must read every line.
    if (r.find("valju") != std::string::npos) continue;
    skript += r;
    skript += '\n';
  }
  skript += "1+1\n";
  std::fwrite(skript.data(), 1, skript.size(), stdout);
  return 0;
}
