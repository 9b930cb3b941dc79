// Both programs run as processes in all three modes; standard output is compared byte for
// byte, standard error must stay empty, and the exit status is checked (as the process
// reports it: the low eight bits).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "e2e/juhtumid.h"
#include "juhised_kesk.h"

namespace {

using namespace std::string_literals;

const std::string PUUDUB = "Viga: K\xE4sureal puudub avaldis!\n";
const std::string ARV = "Viga: Ootamatu arv!\n";
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

// The usage text that "--help" prints.
std::string kasutus(const std::string& nimi) {
  std::string tekst =
      "\nKasutamine:\n"
      "  @ -k AVALDIS    arvutab k\xE4sureal antud avaldise v\xF5i omistamise\n"
      "  @ -f FAIL       arvutab faili read, n\xE4itab iga rida enne tulemust\n"
      "  @ -f -          sama standardsisendist\n"
      "  @               ridu klaviatuurilt ('abi': juhised, 'valju': l\xF5pp)\n"
      "  @ --help        see tekst\n"
      "  @ --version     programmi versioon\n"
      "\nKeskkond (ainult terminalis):\n"
      "  ZEMTAR_AJALUGU  sisestatud ridade ajaloo fail (t\xFChi: ajalugu ei peeta);\n"
      "                  vaikimisi $XDG_STATE_HOME/zemtar/@.ajalugu\n"
      "  XDG_STATE_HOME  vaikimisi ~/.local/state\n"
      "  LC_ALL, LC_CTYPE, LANG  m\xE4rgistik, milles terminal t\xE4hti n\xE4itab\n"
      "\nL\xF5petamise olek:\n"
      "  -k ja -f: viimase tulemuse t\xE4isosa (p\xE4rast viga 0); klaviatuurilt 1;\n"
      "  2, kui skripti ei saa avada ega lugeda, -k j\xE4rel pole avaldist v\xF5i\n"
      "  v\xE4ljundit ei saa kirjutada.\n"
      "\nT\xE4psemalt: man @\n";
  for (std::size_t koht; (koht = tekst.find('@')) != std::string::npos;)
    tekst.replace(koht, 1, nimi);
  return tekst;
}

// "--help" and "--version" answer after the banner and end; no other option does.
TEST(Valikud, HelpAndVersion) {
  kontrolli({
      {ROOMA, {"--help"}, {}, {}, kasutus("zemtar"), 0},
      {LIHTNE, {"--help", "-k"}, {}, {}, kasutus("zemtar-lihtne"), 0},
      {ROOMA, {"--version"}, {}, {}, "zemtar " ZEMTAR_VERSIOON "\n", 0},
      {LIHTNE, {"--version"}, {}, {}, "zemtar-lihtne " ZEMTAR_VERSIOON "\n", 0},
  });
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
      {MOLEMAD, {"-k"}, {}, {}, PUUDUB, 2},
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
      {ROOMA, {"-f", "{skript}"}, pikk + "\n", {}, ":" + pikk + "\n" + AV + "L\n", 50},
      {LIHTNE, {"-f", "{skript}"}, pikk + "\n", {}, ":" + pikk + "\n" + AV + "50.000000\n", 50},
  });
}

TEST(Failist, ReportsAScriptThatCannotBeRead) {
  kontrolli({
      {MOLEMAD, {"-f"}, {}, {}, EI_FAILI, 2},
      {MOLEMAD, {"-f", "/olematu/kaust/skript"}, {}, {}, EI_FAILI, 2},
      {MOLEMAD, {"-f", "-"}, {}, {}, EI_FAILI, 2},
      // Once a line has been read, a failed read is no longer the script's end.
      {MOLEMAD,
       {"-f", "-"},
       {},
       "x\n",
       ":x\n" + VAARTUSTAMATA,
       2,
       "@: skripti ei saa edasi lugeda: Resource temporarily unavailable\n",
       LUGEMISVIGA},
  });
}

// A script on standard input is read as a file is.
TEST(Failist, ReadsStandardInputForADash) {
  kontrolli({
      {ROOMA, {"-f", "-"}, {}, "a=2\na*3", ":a=2\n" + mv('a') + "II\n:a*3\n" + AV + "VI\n", 6},
      {LIHTNE, {"-f", "-"}, {}, "2,5", ":2,5\n" + AV + "2.500000\n", 2},
  });
}

// Output that cannot be written stops the run in every mode, including what is left to write
// at the end, and is told on standard error.
TEST(Valjund, FullDiskEndsTheRunWithTwo) {
  const std::string TAIS = "@: v\xE4ljundit ei saa kirjutada: No space left on device\n";
  kontrolli({
      {MOLEMAD, {"-k", "2+3"}, {}, {}, "", 2, TAIS, TAIS_KETAS},
      {MOLEMAD, {"-f", "{skript}"}, "1+1\n", {}, "", 2, TAIS, TAIS_KETAS},
      {MOLEMAD, {}, {}, "1+1\n", "", 2, TAIS, TAIS_KETAS},
      {MOLEMAD, {"--version"}, {}, {}, "", 2, TAIS, TAIS_KETAS},
  });
}

TEST(Klaviatuurilt, PromptsUntilValjuOrTheEnd) {
  kontrolli({
      {MOLEMAD, {}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-x"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-F"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-fx"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-kk", "2+3"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"-"}, {}, "valju\n", TERVITUS + ":", 1},
      {MOLEMAD, {"--helpx"}, {}, "valju\n", TERVITUS + ":", 1},
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
      {ROOMA, {}, {}, "VALJU\n", TERVITUS + ":" + SUMBOL + ":", 1},
      {LIHTNE, {}, {}, "VALJU\n", TERVITUS + ":" + VAARTUSTAMATA + ":", 1},
  });
}

}  // namespace
