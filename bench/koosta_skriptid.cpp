// Writes one seeded script of lines three times over, with the same arithmetic in
// each: for zemtar-lihtne, for zemtar (whole numbers as Roman numerals) and for bc.
//
//   koosta-skriptid SEEME RIDU EESLIIDE [rooma]
//
// makes EESLIIDE.lihtne, EESLIIDE.rooma and EESLIIDE.bc. The same seed gives the same files
// on every machine: the generator is the standard's mt19937_64 and every choice made from it
// is defined here, not left to a library's distributions.
//
// Without "rooma", half the numbers are whole and a third of those are Roman numerals in
// zemtar's script. With it, the lines are as a user of Roman numerals writes them: three
// numbers in four whole, and every whole number a numeral in zemtar's script (O for zero).
//
// A line assigns an expression of numbers to a variable, or is an expression over numbers and
// the variables assigned before it: whole and decimal numbers (with a point or a comma),
// parentheses, all four operators, unary minus at the start, after "(" and after "*". A line
// whose value would reach 100000 in magnitude is drawn again, so that no numeral printed is
// longer than about a hundred letters, as a user of Roman numerals would see. Divisors are
// non-zero numbers, so no line fails. bc gets points for commas, decimal digits for Roman
// numerals and each assignment in parentheses, so that it prints every value as the
// calculators do.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int MUUTUJAID = 25;
constexpr double PIIR = 100000;

// One line as each program gets it, and its value.
struct rida {
  std::string lihtne, rooma, bc;
  double vaartus = 0;

  void kirjuta(const std::string& tekst) {
    lihtne += tekst;
    rooma += tekst;
    bc += tekst;
  }
};

class koostaja {
 public:
  koostaja(std::uint64_t seeme, bool roomlane) : juhus(seeme), roomlane(roomlane) {}

  // The next line, without its newline.
  const rida& jargmine() {
    do {
      r = rida();
      omistatav = -1;
      if (maaratud == 0 || vali(10) < 3) {
        omistus();
      } else {
        r.vaartus = avaldis(0, true);
      }
    } while (!(std::fabs(r.vaartus) < PIIR));
    if (omistatav >= 0) {
      vaartused[omistatav] = r.vaartus;
      if (!(maaratud >> omistatav & 1)) {
        maaratud |= 1u << omistatav;
        ++maaratuid;
      }
    }
    return r;
  }

 private:
  std::uint64_t vali(std::uint64_t n) { return juhus() % n; }

  // "x = expression" of numbers only.
  void omistus() {
    omistatav = static_cast<int>(vali(MUUTUJAID));
    r.bc += '(';
    r.kirjuta(std::string(1, static_cast<char>('a' + omistatav)) + " = ");
    r.vaartus = avaldis(1, false);
    r.bc += ')';
  }

  // One to three terms (one or two inside parentheses), "+" or "-" between them, now and then
  // a unary minus before the first.
  double avaldis(int sugavus, bool muutujatega) {
    const int liikmeid = 1 + static_cast<int>(vali(sugavus == 0 ? 3 : 2));
    const bool vastand = vali(8) == 0;
    if (vastand) r.kirjuta("-");
    double summa = 0;
    for (int k = 0; k < liikmeid; ++k) {
      const bool lahuta = k > 0 && vali(2) == 0;
      if (k > 0) r.kirjuta(lahuta ? " - " : " + ");
      const double v = liige(sugavus, muutujatega);
      summa = k == 0 ? (vastand ? -v : v) : lahuta ? summa - v : summa + v;
    }
    return summa;
  }

  // Mostly one or two factors, "*" or "/" between them; a divisor is a non-zero number.
  double liige(int sugavus, bool muutujatega) {
    const std::uint64_t v = vali(10);
    const int tegureid = v < 5 ? 1 : v < 9 ? 2 : 3;
    double korrutis = tegur(sugavus, muutujatega);
    for (int k = 1; k < tegureid; ++k) {
      if (vali(3) == 0) {
        r.kirjuta(" / ");
        korrutis /= arv(true);
      } else {
        r.kirjuta(" * ");
        const bool vastand = vali(10) == 0;
        if (vastand) r.kirjuta("-");
        const double t = tegur(sugavus, muutujatega);
        korrutis *= vastand ? -t : t;
      }
    }
    return korrutis;
  }

  double tegur(int sugavus, bool muutujatega) {
    const std::uint64_t v = vali(20);
    if (v < (sugavus == 0 ? 3u : 1u) && sugavus < 2) {
      r.kirjuta("(");
      const double sulus = avaldis(sugavus + 1, muutujatega);
      r.kirjuta(")");
      return sulus;
    }
    if (v < 10 && muutujatega && maaratuid > 0) return muutuja();
    return arv(false);
  }

  // One of the variables assigned so far.
  double muutuja() {
    int j = static_cast<int>(vali(static_cast<std::uint64_t>(maaratuid)));
    for (int i = 0; i < MUUTUJAID; ++i) {
      if ((maaratud >> i & 1) && j-- == 0) {
        r.kirjuta(std::string(1, static_cast<char>('a' + i)));
        return vaartused[i];
      }
    }
    return 0;
  }

  // Whole numbers (half of them, or three in four for a user of numerals), written as Roman
  // numerals in zemtar's script one time in three (or always); the rest with one to three
  // decimals after a point or a comma. Mostly below 100.
  double arv(bool nullita) {
    const std::uint64_t taisosa = vali(vali(4) == 0 ? 1000 : 100);
    if (roomlane ? vali(4) != 0 : vali(2) == 0) {
      const std::uint64_t n = nullita && taisosa == 0 ? 1 : taisosa;
      const std::string kumnend = std::to_string(n);
      r.lihtne += kumnend;
      r.rooma += roomlane || (n > 0 && vali(3) == 0) ? rooma_numbrina(n) : kumnend;
      r.bc += kumnend;
      return static_cast<double>(n);
    }
    const int komakohti = 1 + static_cast<int>(vali(3));
    std::string murd;
    for (int k = 0; k < komakohti; ++k)
      murd += static_cast<char>('0' + vali(10));
    if (nullita) murd.back() = static_cast<char>('1' + vali(9));
    const std::string taisosa_tekst = std::to_string(taisosa);
    const char eraldaja = vali(2) ? ',' : '.';
    r.lihtne += taisosa_tekst + eraldaja + murd;
    r.rooma += taisosa_tekst + eraldaja + murd;
    r.bc += taisosa_tekst + '.' + murd;
    return std::stod(taisosa_tekst + '.' + murd);
  }

  static std::string rooma_numbrina(std::uint64_t n) {
    if (n == 0) return "O";
    static constexpr struct {
      std::uint64_t vaartus;
      const char* tahed;
    } SAMMUD[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                  {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                  {5, "V"},    {4, "IV"},   {1, "I"}};
    std::string tekst;
    for (const auto& s : SAMMUD) {
      for (; n >= s.vaartus; n -= s.vaartus)
        tekst += s.tahed;
    }
    return tekst;
  }

  std::mt19937_64 juhus;
  bool roomlane;
  rida r;
  int omistatav = -1;          // the variable the line being drawn assigns, or -1
  std::uint32_t maaratud = 0;  // bit i: variable 'a' + i has been assigned
  int maaratuid = 0;
  double vaartused[MUUTUJAID] = {};
};

std::FILE* ava(const std::string& nimi) {
  std::FILE* f = std::fopen(nimi.c_str(), "w");
  if (f == nullptr) {
    std::perror(nimi.c_str());
    std::exit(1);
  }
  return f;
}

void kirjuta_rida(std::FILE* f, const std::string& tekst) {
  std::fwrite(tekst.data(), 1, tekst.size(), f);
  std::fputc('\n', f);
}

}  // namespace

int main(int argc, char** argv) {
  const bool roomlane = argc == 5 && std::string(argv[4]) == "rooma";
  if (argc != 4 && !roomlane) {
    std::fputs("kasutus: koosta-skriptid SEEME RIDU EESLIIDE [rooma]\n", stderr);
    return 2;
  }
  const std::uint64_t seeme = std::strtoull(argv[1], nullptr, 10);
  const long ridu = std::strtol(argv[2], nullptr, 10);
  const std::string eesliide = argv[3];
  std::FILE* lihtne = ava(eesliide + ".lihtne");
  std::FILE* rooma = ava(eesliide + ".rooma");
  std::FILE* bc = ava(eesliide + ".bc");
  koostaja k(seeme, roomlane);
  for (long n = 0; n < ridu; ++n) {
    const rida& r = k.jargmine();
    kirjuta_rida(lihtne, r.lihtne);
    kirjuta_rida(rooma, r.rooma);
    kirjuta_rida(bc, r.bc);
  }
  std::fputs("quit\n", bc);
  int staatus = 0;
  for (std::FILE* f : {lihtne, rooma, bc}) {
    if (std::fclose(f) != 0) staatus = 1;
  }
  return staatus;
}
