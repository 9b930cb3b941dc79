// Both programs run as processes in all three modes; standard output is compared byte for
// byte, standard error must stay empty, and the exit status is checked (as the process
// reports it: the low eight bits).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "e2e/protsess.h"
#include "juhised_kesk.h"

namespace {

using namespace std::string_literals;

enum kellele { ROOMA = 1, LIHTNE = 2, MOLEMAD = 3 };

struct juhtum {
  int kellele;
  std::vector<std::string> argumendid;  // "{skript}" stands for the script file's name
  std::optional<std::string> skript;    // the script file's bytes
  std::optional<std::string> sisend;    // standard input; none: closed
  std::string valjund;                  // expected after the banner
  int staatus;
};

const std::string PEALKIRI = "Infiksavaldiste kalkulaator\nAutor: Karask\n";
const std::string TERVITUS = "V\xE4ljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n";
const std::string AV = "Avaldise v\xE4\xE4rtus=";
std::string mv(char muutuja) {
  return "Muutuja "s + muutuja + " v\xE4\xE4rtus=";
}

const std::string EI_FAILI = "Viga: Ei suuda avada faili!\n";
const std::string PUUDUB = "Viga: K\xE4sureal puudub avaldis!\n";
const std::string LOPP = "Viga: Avaldise l\x93pp arvu asemel!\n";
const std::string NIMI = "Viga: Lubamatu muutujanimi!\n";
const std::string SUMBOL = "Viga: Lubamatu s\x81mbol real!\n";
const std::string ARV = "Viga: Ootamatu arv!\n";
const std::string VAARTUSTAMATA = "Viga: Muutuja v\xE4\xE4rtustamata!\n";
const std::string EI_ROOMA = "Viga: Tulemust ei saa rooma numbrina esitada!\n";
const std::string ROOMA_ABI = "\n\nInfiksavaldiste kalkulaator (Rooma numbrite toega)\n"s +
                              OODATUD_JUHISED_KESK +
                              "    T\xFChikud sisendis on lubatud. Rooma numbrid on suurt\xE4hed "
                              "IVXLCDM.\n"
                              "    Rooma null on O (suur O t\x84ht). Muutujatena on selles "
                              "versioonis\n"
                              "    lubatud vaid v\xE4iket\xE4hed. Tulemuste v\xE4ljastamisel "
                              "\xFCmardatakse see\n"
                              "    t\xE4isarvuks.\n\n";
const std::string LIHTNE_ABI = "\n\nInfiksavaldiste kalkulaator\n"s + OODATUD_JUHISED_KESK +
                               "    T\xFChikud sisendis on lubatud.\n\n";

std::string nelikymmend_uheksat() {
  return std::string(40, '9');
}

void kontrolli(const std::vector<juhtum>& juhtumid) {
  for (const juhtum& j : juhtumid) {
    const std::optional<ajutine_fail> skript =
        j.skript ? std::optional<ajutine_fail>(std::in_place, *j.skript) : std::nullopt;
    std::vector<std::string> argumendid = j.argumendid;
    for (std::string& a : argumendid) {
      if (a == "{skript}") a = skript->nimi();
    }
    for (const auto& [mask, programm] : {std::pair{ROOMA, ZEMTAR}, {LIHTNE, ZEMTAR_LIHTNE}}) {
      if ((j.kellele & mask) == 0) continue;
      std::string kirjeldus = programm;
      for (const std::string& a : j.argumendid)
        kirjeldus += " [" + a.substr(0, 40) + "]";
      SCOPED_TRACE(kirjeldus);
      const protsessi_tulemus t = kaivita(programm, argumendid, j.sisend);
      EXPECT_EQ(t.valjund, PEALKIRI + j.valjund);
      EXPECT_EQ(t.vead, "");
      EXPECT_EQ(t.staatus, j.staatus);
    }
  }
}

TEST(KasuRealt, EvaluatesTheArgument) {
  kontrolli({
      {ROOMA, {"-k", "2+3"}, {}, {}, ":2+3 \n" + AV + "V\n", 5},
      {LIHTNE, {"-k", "2+3"}, {}, {}, ":2+3 \n" + AV + "5.000000\n", 5},
      {ROOMA, {"-k", "7/2"}, {}, {}, ":7/2 \n" + AV + "III\n", 3},
      {LIHTNE, {"-k", "7/2"}, {}, {}, ":7/2 \n" + AV + "3.500000\n", 3},
      {ROOMA, {"-k", "0-7/2"}, {}, {}, ":0-7/2 \n" + AV + "-III\n", 253},
      {LIHTNE, {"-k", "0-7/2"}, {}, {}, ":0-7/2 \n" + AV + "-3.500000\n", 253},
      {ROOMA, {"-k", "1-1"}, {}, {}, ":1-1 \n" + AV + "O\n", 0},
      {ROOMA, {"-k", "1", "+", "2"}, {}, {}, ":1 \n" + AV + "I\n", 1},
      {LIHTNE, {"-k", "100000000/3"}, {}, {}, ":100000000/3 \n" + AV + "33333334.000000\n", 86},
      {LIHTNE, {"-k", "1,25*4"}, {}, {}, ":1,25*4 \n" + AV + "5.000000\n", 5},
      {ROOMA, {"-k", "XIV*2"}, {}, {}, ":XIV*2 \n" + AV + "XXVIII\n", 28},
      {LIHTNE, {"-k", "XIV"}, {}, {}, ":XIV \n" + VAARTUSTAMATA, 0},
      {ROOMA, {"-k", "2*-3"}, {}, {}, ":2*-3 \n" + AV + "-VI\n", 250},
      {MOLEMAD, {"-k"}, {}, {}, PUUDUB, 0},
      {MOLEMAD, {"-k", ""}, {}, {}, ": \n" + LOPP, 0},
      {ROOMA, {"-k", "1/0"}, {}, {}, ":1/0 \nViga: Jagamine nulliga!\n", 0},
      {LIHTNE, {"-k", "1/0"}, {}, {}, ":1/0 \nJagamine nulliga!\n", 0},
      {MOLEMAD, {"-k", "Z+1"}, {}, {}, ":Z+1 \n" + SUMBOL, 0},
      {MOLEMAD, {"-k", "valju"}, {}, {}, ":valju \n" + VAARTUSTAMATA, 0},
      {ROOMA, {"-k", "IIII+1"}, {}, {}, ":IIII+1 \nViga: Mittekorrektne rooma number!\n", 0},
      {LIHTNE, {"-k", "1/3"}, {}, {}, ":1/3 \n" + AV + "0.333333\n", 0},
      {ROOMA, {"-k", "0*-1"}, {}, {}, ":0*-1 \n" + AV + "O\n", 0},
      {LIHTNE, {"-k", "0*-1"}, {}, {}, ":0*-1 \n" + AV + "-0.000000\n", 0},
  });
}

TEST(KasuRealt, SplitsAssignmentsAtTheEqualsSign) {
  kontrolli({
      {ROOMA, {"-k", "a = 1 + 2"}, {}, {}, ":a = 1 + 2 \n" + mv('a') + "III\n", 3},
      {LIHTNE, {"-k", "a = 1 + 2"}, {}, {}, ":a = 1 + 2 \n" + mv('a') + "3.000000\n", 3},
      {ROOMA, {"-k", " b =7*2"}, {}, {}, ": b =7*2 \n" + mv('b') + "XIV\n", 14},
      {ROOMA, {"-k", "a=\t5"}, {}, {}, ":a=\t5 \n" + mv('a') + "V\n", 5},
      {MOLEMAD, {"-k", "a=1+2 9"}, {}, {}, ":a=1+2 9 \n" + ARV, 0},
      {MOLEMAD, {"-k", "a="}, {}, {}, ":a= \n" + LOPP, 0},
      {MOLEMAD, {"-k", "a= "}, {}, {}, ":a=  \n" + LOPP, 0},
      {MOLEMAD, {"-k", "ab=3"}, {}, {}, ":ab=3 \n" + NIMI, 0},
      {MOLEMAD, {"-k", "1+2=3"}, {}, {}, ":1+2=3 \n" + NIMI, 0},
      {MOLEMAD, {"-k", "=5"}, {}, {}, ":=5 \n" + NIMI, 0},
      {MOLEMAD, {"-k", "5=a"}, {}, {}, ":5=a \n" + NIMI, 0},
      {MOLEMAD, {"-k", "z=1"}, {}, {}, ":z=1 \n" + NIMI, 0},
      {ROOMA, {"-k", "B=4"}, {}, {}, ":B=4 \n" + NIMI, 0},
      {LIHTNE, {"-k", "B=4"}, {}, {}, ":B=4 \n" + mv('B') + "4.000000\n", 4},
      {MOLEMAD, {"-k", "a=b=3"}, {}, {}, ":a=b=3 \n" + VAARTUSTAMATA, 0},
  });
}

TEST(KasuRealt, ReportsResultsARomanNumeralCannotShow) {
  const std::string suurim = std::string(2147483, 'M') + "DCXLVIII";
  const std::string inf = nelikymmend_uheksat();
  kontrolli({
      {ROOMA, {"-k", "3000000000"}, {}, {}, ":3000000000 \n" + EI_ROOMA, 255},
      {LIHTNE, {"-k", "3000000000"}, {}, {}, ":3000000000 \n" + AV + "3000000000.000000\n", 255},
      // 2147483647 is 2147483648 as a float: one past the range.
      {ROOMA, {"-k", "2147483647"}, {}, {}, ":2147483647 \n" + EI_ROOMA, 255},
      {LIHTNE, {"-k", "2147483647"}, {}, {}, ":2147483647 \n" + AV + "2147483648.000000\n", 255},
      {ROOMA, {"-k", "0-2147483648"}, {}, {}, ":0-2147483648 \n" + AV + "-" + suurim + "\n", 0},
      {LIHTNE, {"-k", "0-2147483648"}, {}, {}, ":0-2147483648 \n" + AV + "-2147483648.000000\n", 0},
      {ROOMA, {"-k", "a=" + inf}, {}, {}, ":a=" + inf + " \n" + EI_ROOMA, 255},
      {LIHTNE, {"-k", inf}, {}, {}, ":" + inf + " \n" + AV + "inf\n", 255},
      {ROOMA, {"-k", "0-" + inf}, {}, {}, ":0-" + inf + " \n" + EI_ROOMA, 0},
      {LIHTNE, {"-k", "0-" + inf}, {}, {}, ":0-" + inf + " \n" + AV + "-inf\n", 0},
      {ROOMA, {"-k", inf + "-" + inf}, {}, {}, ":" + inf + "-" + inf + " \n" + EI_ROOMA, 0},
      {LIHTNE, {"-k", inf + "-" + inf}, {}, {}, ":" + inf + "-" + inf + " \n" + AV + "-nan\n", 0},
  });
}

TEST(Failist, EchoesAndEvaluatesEveryLine) {
  std::string pikk = "1";
  for (int i = 0; i < 49; ++i)
    pikk += "+1";  // 99 characters and the newline
  kontrolli({
      {ROOMA,
       {"-f", "{skript}"},
       "a=2\na*3\n\n",
       {},
       ":a=2\n" + mv('a') + "II\n:a*3\n" + AV + "VI\n:\n" + LOPP,
       0},
      {LIHTNE,
       {"-f", "{skript}"},
       "a=2\na*3\n\n",
       {},
       ":a=2\n" + mv('a') + "2.000000\n:a*3\n" + AV + "6.000000\n:\n" + LOPP,
       0},
      {MOLEMAD, {"-f", "{skript}"}, "", {}, "", 0},
      {MOLEMAD,
       {"-f", "{skript}"},
       "valju\nabi\n",
       {},
       ":valju\n" + VAARTUSTAMATA + ":abi\n" + VAARTUSTAMATA,
       0},
      {ROOMA, {"-f", "{skript}"}, "a=7\nab=3\n", {}, ":a=7\n" + mv('a') + "VII\n:ab=3\n" + NIMI, 7},
      // White space around the name and the expression, tabs inside it, odd names.
      {ROOMA,
       {"-f", "{skript}"},
       "c=\t5\t\r\n\t\vd\f=  c*2\na=2*(1+c)\t\na=1\t+2\n==5\n\0=5\n"s,
       {},
       ":c=\t5\t\n" + mv('c') + "V\n:\t\vd\f=  c*2\n" + mv('d') + "X\n:a=2*(1+c)\t\n" + mv('a') +
           "XII\n:a=1\t+2\n" + SUMBOL + ":==5\n" + NIMI + ":\0=5\n"s + NIMI,
       0},
      // The last line has no newline: it is echoed, given one, and evaluated.
      {ROOMA,
       {"-f", "{skript}"},
       "1+1\nb=4",
       {},
       ":1+1\n" + AV + "II\n:b=4\n" + mv('b') + "IV\n",
       4},
      {LIHTNE, {"-f", "{skript}"}, "b=4", {}, ":b=4\n" + mv('b') + "4.000000\n", 4},
      // CR LF line ends, and a CR that ends a last line without a newline.
      {ROOMA, {"-f", "{skript}"}, "2+3\r\n4\r", {}, ":2+3\n" + AV + "V\n:4\n" + AV + "IV\n", 4},
      {MOLEMAD, {"-f", "{skript}"}, "2\r+3\n", {}, ":2\r+3\n" + SUMBOL, 0},
      {ROOMA, {"-f", "{skript}"}, pikk + "\n", {}, ":" + pikk + "\n" + AV + "L\n", 50},
      {LIHTNE, {"-f", "{skript}"}, pikk + "\n", {}, ":" + pikk + "\n" + AV + "50.000000\n", 50},
      // Every byte is echoed as read; NUL and bytes above 127 are refused by the lexer.
      {MOLEMAD, {"-f", "{skript}"}, "1\0+2\n"s, {}, ":1\0+2\n"s + SUMBOL, 0},
      {MOLEMAD,
       {"-f", "{skript}"},
       "2+\xE4\n\x80\xFF\n",
       {},
       ":2+\xE4\n" + SUMBOL + ":\x80\xFF\n" + SUMBOL,
       0},
  });
}

TEST(Failist, ReportsAScriptThatCannotBeRead) {
  kontrolli({
      {MOLEMAD, {"-f"}, {}, {}, EI_FAILI, 0},
      {MOLEMAD, {"-f", "/olematu/kaust/skript"}, {}, {}, EI_FAILI, 0},
      {MOLEMAD, {"-f", "/tmp"}, {}, {}, EI_FAILI, 0},
      {MOLEMAD, {"-f", "/dev/null"}, {}, {}, "", 0},
  });
}

TEST(Klaviatuurilt, PromptsUntilValjuOrTheEnd) {
  kontrolli({
      {MOLEMAD, {}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {}, {}, "", TERVITUS + ":", 1},
      {MOLEMAD, {}, {}, {}, TERVITUS + ":", 1},
      {MOLEMAD, {"-x"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-F"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-fx"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-kk", "2+3"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-"}, {}, "valju\n", TERVITUS + ":", 1},
      {ROOMA, {}, {}, "a=5\na+1\nvalju\n2\n", TERVITUS + ":" + mv('a') + "V\n:" + AV + "VI\n:", 1},
      {LIHTNE,
       {},
       {},
       "a=5\nA+1\nkas valjun\n2\n",
       TERVITUS + ":" + mv('a') + "5.000000\n:" + AV + "6.000000\n:",
       1},
      {ROOMA,
       {},
       {},
       "abi\nkabiin\nabi valju\n",
       TERVITUS + ":" + ROOMA_ABI + ":" + ROOMA_ABI + ":",
       1},
      {LIHTNE, {}, {}, "x=abi\nx\n", TERVITUS + ":" + LIHTNE_ABI + ":" + VAARTUSTAMATA + ":", 1},
      // A last line without a newline is still a line; the end of input then ends the run.
      {ROOMA, {}, {}, "2+3", TERVITUS + ":" + AV + "V\n:", 1},
      {ROOMA, {}, {}, "2+3\r\n", TERVITUS + ":" + AV + "V\n:", 1},
      {ROOMA, {}, {}, "VALJU\n", TERVITUS + ":" + SUMBOL + ":", 1},
      {LIHTNE, {}, {}, "VALJU\n", TERVITUS + ":" + VAARTUSTAMATA + ":", 1},
  });
}

}  // namespace
