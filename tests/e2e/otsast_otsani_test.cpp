// Both programs as processes, in every mode and at a pseudo-terminal. Big inputs made here.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "e2e/protsess.h"
#include "platform/posix/ajaloofail.h"

namespace {

using namespace std::string_literals;
using namespace tekst;

const std::string INF = std::string(40, '9');          // beyond a float: infinity
const std::string SUURIM = std::string(2147483, 'M');  // the thousands of the 32-bit limits
const std::string MAX = "340282346638528859811704183484516925440";  // the largest float
const std::string YKS = "1." + std::string(40, '0');
const std::vector<std::string> FAIL = {"-f", "{f}"};

// Lines and each program's answer, in order on one run: a refused assignment changes nothing.
struct rida {
  std::string sisend, rooma, lihtne;
};

std::vector<rida> skript() {
  std::vector<rida> r = {
      {"a=b=3", VAARTUSTAMATA, VAARTUSTAMATA},
      {"a = 1 + 2", mv('a') + "III\n", mv('a') + "3.000000\n"},
      {" b =7*2", mv('b') + "XIV\n", mv('b') + "14.000000\n"},
      {"c=\t5\t", mv('c') + "V\n", mv('c') + "5.000000\n"},
      {"\t\vd\f=  c*2", mv('d') + "X\n", mv('d') + "10.000000\n"},
      {"a=1\t+2", SUMBOL, SUMBOL},
      {"a= ", LOPP, LOPP},
      {"a=1/0", NULLIGA, LIHTNE_NULLIGA},
      {"2/-0", NULLIGA, LIHTNE_NULLIGA},
      {"a*b-d", AV + "XXXII\n", AV + "32.000000\n"},
      {"-b*100", AV + "-MCD\n", AV + "-1400.000000\n"},
      {"B=4", NIMI, mv('B') + "4.000000\n"},
      {"Y=7", NIMI, mv('Y') + "7.000000\n"},
      {"y=2", mv('y') + "II\n", mv('y') + "2.000000\n"},
      {"A+y", SUMBOL, AV + "5.000000\n"},
      {"XIV*2", AV + "XXVIII\n", VAARTUSTAMATA},
      {"-2147483648", AV + "-" + SUURIM + "DCXLVIII\n", AV + "-2147483648.000000\n"},
      {"e=" + INF, ROOMA_ESITAMATU, mv('e') + "inf\n"},
      {"f=0-" + MAX, ROOMA_ESITAMATU, mv('f') + "-" + MAX + ".000000\n"},  // the longest line
      // Each number is the float nearest what it writes, however many digits it has.
      {YKS, AV + "I\n", AV + "1.000000\n"},
      {"." + std::string(1000, '1'), AV + "O\n", AV + "0.111111\n"},
      {"31,1787654", AV + "XXXI\n", AV + "31.178766\n"},
      {"2147483520", AV + SUURIM + "DXX\n", AV + "2147483520.000000\n"},
      {MAX, ROOMA_ESITAMATU, AV + MAX + ".000000\n"},
      {"340282356779733661637539395458142568448", ROOMA_ESITAMATU, AV + "inf\n"},
      {SUURIM + "M", ROOMA_ESITAMATU, VAARTUSTAMATA},  // any number of M is a numeral
      {"4\r", AV + "IV\n", AV + "4.000000\n"},
      {"\r", LOPP, LOPP},
      {"", LOPP, LOPP},
  };
  for (const std::string& s : std::vector<std::string>{"2\r+3", "1\r\r", "1\0+2"s})
    r.push_back({s, SUMBOL, SUMBOL});
  for (const std::string& s :
       std::vector<std::string>{"\0=5"s, "==5", "ab=3", "1+2=3", "=5", "5=a", "z=1", "\x1A=1"})
    r.push_back({s, NIMI, NIMI});
  for (int b = 128; b <= 255; ++b) {
    r.push_back({std::string(1, char(b)), SUMBOL, SUMBOL});
    r.push_back({std::string(1, char(b)) + "=1", NIMI, NIMI});
  }
  r.push_back({"a*y\r", AV + "VI\n", AV + "6.000000\n"});
  return r;
}

// The script as a file, as standard input and typed (a CR dropped before the newline or at the
// end, refused elsewhere); lines across the 16 KiB blocks a script is read in, and one of 10 MB
// (64 in the low eight bits); from a pipe each answer and prompt before the program waits.
TEST(Skript, AnswersEveryLineInEveryMode) {
  std::string plokid, vastused;
  for (int i = 0; i < 300; ++i) {
    const std::string rida = "1" + korda("*1", i == 150 ? 20000 : i * 137 % 1200) + "\n";
    plokid += rida;
    vastused += ":" + rida + AV + "I\n";
  }
  const std::string pikk = "1" + korda("+1", 4999999);
  const std::string kolm = ":1+2\n" + AV + "III\n:2*3\n" + AV + "VI\n";
  const std::vector<std::string> toru = {"1+2\n", "2*3\n", ""};
  std::vector<juhtum> juhtumid = {
      {ROOMA, FAIL, plokid, vastused, 1},
      {ROOMA, FAIL, pikk, ":" + pikk + "\n" + AV + std::string(5000, 'M') + "\n", 64},
      {ROOMA, {"-f", "-"}, {}, kolm, 1000 + SIGTERM, "", TORUD, toru},
      {ROOMA, {"-f", "/dev/stdin"}, {}, kolm, 1000 + SIGTERM, "", TORUD, toru},
      {ROOMA, {}, {}, TERVITUS + ":" + AV + "V\n:", 1, "", TORUD, {"2+3\n", "valju\n"}}};
  for (const auto& [mask, veerg] : {std::pair{ROOMA, &rida::rooma}, {LIHTNE, &rida::lihtne}}) {
    std::string sisend, kaja, klaviatuur;
    for (const rida& r : skript()) {
      sisend += r.sisend + "\n";
      kaja +=
          ":" + r.sisend.substr(0, r.sisend.size() - (r.sisend.back() == '\r')) + "\n" + r.*veerg;
      klaviatuur += ":" + r.*veerg;
    }
    sisend.pop_back();
    juhtumid.push_back({mask, FAIL, sisend, kaja, 6});
    juhtumid.push_back({mask, {"-f", "-"}, sisend, kaja, 6});
    juhtumid.push_back({mask, {}, sisend, TERVITUS + klaviatuur + ":", 1});
  }
  kontrolli(juhtumid);
}

// "-k": the result is the status (truncated, 32 bits, 0 after a failure or NaN). "--help" (as
// each system has it), "--version"; any other argument is the keyboard mode, which alone knows
// "valju" and "abi" anywhere in a line.
TEST(Valikud, EachOptionAndEachEnd) {
  const std::string kasutus = std::getenv("ZEMTAR_WINDOWS") ? KASUTUS_WINDOWS
                              : std::getenv("ZEMTAR_VEEB")  ? KASUTUS_VALIKUD + KASUTUS_OLEK
                                                            : KASUTUS;
  const std::string pikk = "1+1\n" + std::string(24 << 20, '1') + "\n2\n",
                    ei_loe = EI_LOE + "Resource temporarily unavailable\n",
                    ei_mahu = EI_MAHU + "Cannot allocate memory\n",
                    tais = EI_KIRJUTA + "No space left on device\n";
  // Windows refuses to open a folder at all; the lowest 32-bit status (its low eight bits 0)
  // reaches Linux from wine as 1.
  const bool windows = std::getenv("ZEMTAR_WINDOWS") != nullptr;
  const std::string kaust = windows ? "Permission denied" : "Is a directory";
  const int alla = windows ? 1 : 0;
  kontrolli({
      {ROOMA, {"-k", "2+3"}, {}, ":2+3 \n" + AV + "V\n", 5},
      {LIHTNE, {"-k", "0-7/2"}, {}, ":0-7/2 \n" + AV + "-3.500000\n", 253},
      {ROOMA, {"-k", "a = 2147483648"}, {}, ":a = 2147483648 \n" + ROOMA_ESITAMATU, 255},
      {LIHTNE, {"-k", "0-3000000000"}, {}, ":0-3000000000 \n" + AV + "-3000000000.000000\n", alla},
      {LIHTNE, {"-k", "0*" + INF}, {}, ":0*" + INF + " \n" + AV + "-nan\n", 0},
      {MOLEMAD, {"-k", "valju"}, {}, ":valju \n" + VAARTUSTAMATA, 0},
      {MOLEMAD, {"-k"}, {}, KASUREAL_PUUDUB, 2},
      // One line: a newline may end it, or a CR LF as in a script, but nothing may follow it.
      {MOLEMAD, {"-k", "5\n+3"}, {}, ":5\n+3 \n" + SUMBOL, 0},
      {ROOMA, {"-k", "A=1\n2"}, {}, ":A=1\n2 \n" + SUMBOL, 0},
      {LIHTNE, {"-k", "2+3\n"}, {}, ":2+3\n \n" + AV + "5.000000\n", 5},
      {ROOMA, {"-k", "1+2\r\n"}, {}, ":1+2\n \n" + AV + "III\n", 3},
      {MOLEMAD, FAIL, "abi\nvalju", ":abi\n" + VAARTUSTAMATA + ":valju\n" + VAARTUSTAMATA, 0},
      {ROOMA, {"--help"}, {}, asenda(kasutus, "zemtar"), 0},
      {LIHTNE, {"--help", "-k"}, {}, asenda(kasutus, "zemtar-lihtne"), 0},
      {ROOMA, {"--version"}, {}, "zemtar " ZEMTAR_VERSIOON "\n", 0},
      {LIHTNE, {"--version"}, {}, "zemtar-lihtne " ZEMTAR_VERSIOON "\n", 0},
      {ROOMA, {"-x"}, "abi\nkabiin\nabi valju\n2\n", TERVITUS + korda(":" + JUHISED, 2) + ":", 1},
      {LIHTNE, {"--helpx"}, "x=abi\nkas valjun\n2\n", TERVITUS + ":" + LIHTNE_JUHISED + ":", 1},
      {MOLEMAD, {"-"}, {}, TERVITUS + ":", 1},
      // Ends with 2: a script not opened or read (named with the system's reason), a line larger
      // than memory, output not written (these told on standard error after the results), input
      // that is the output.
      {MOLEMAD, {"-f"}, {}, EI_FAILI, 2},
      {MOLEMAD,
       {"-f", "/olematu/skript"},
       {},
       EI_FAILI,
       2,
       "@: /olematu/skript: No such file or directory\n"},
      {MOLEMAD, {"-f", "/"}, {}, EI_FAILI, 2, "@: /: " + kaust + "\n"},
      {MOLEMAD, {"-f", "-"}, "x\n", ":x\n" + VAARTUSTAMATA, 2, ei_loe, LUGEMISVIGA},
      {ROOMA, FAIL, pikk, ":1+1\n" + AV + "II\n", 2, ei_mahu, MALUPIIR},
      {LIHTNE, {}, pikk, TERVITUS + ":" + AV + "2.000000\n:", 2, ei_mahu, MALUPIIR},
      {MOLEMAD, {"-k", "2+3"}, {}, "", 2, tais, TAIS_KETAS},
      {MOLEMAD, {}, "1+1\n", "", 2, tais, TAIS_KETAS},
      {MOLEMAD, FAIL, "1+2\n", "", 2, ON_VALJUND, ISE},
      {LIHTNE, {"-f", "-"}, "1+2\n", "", 2, ON_VALJUND, ISE},
      {ROOMA, {}, "1+2\n", "", 2, ON_VALJUND, ISE},
  });
}

namespace fs = std::filesystem;

// Keys as a terminal sends them.
const std::string VASAK = "\x1b[D", YLES = "\x1b[A", HOME = "\x1bOH", END = "\x1bOF",
                  DELETE = "\x1b[3~", BACKSPACE = "\x7f", CTRL_C = "\x03", CTRL_D = "\x04";

// The texts at a terminal in the C locale (ASCII letters) and the greeting in UTF-8.
const std::string TERE = "Valjumiseks sisestage 'valju', juhiste saamiseks 'abi'\n";
const std::string AV_ = "Avaldise vaartus=", LOPP_ = "Viga: Avaldise lopp arvu asemel!\n";
const std::string TERE_UTF8 = "V\xC3\xA4ljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n";

// Runs a shell command in a folder (H: a history's first line, E: a history of one line).
bool kaustas(const fs::path& kaust, const std::string& kask) {
  const std::string kogu = "cd '" + kaust.string() + "' && umask 077 && H='_HiStOrY_V2_\\n' && ";
  return std::system((kogu + "E=\"${H}7\\n\" && " + kask).c_str()) == 0;
}

// A run at a terminal with a home ("~") the shell fills before it and checks after it: the
// environment, the keys typed and the screen after the banner.
void kodus(const std::string& tee, const std::string& vaata,
           std::vector<std::string> keskkond = {"ZEMTAR_AJALUGU=~/a"},
           const std::vector<std::string>& klahvid = {"1\r", CTRL_D},
           const std::string& ekraan = TERE + ":1\n" + AV_ + "I\n:^D\n",
           const char* programm = ZEMTAR, std::vector<std::string> argumendid = {}) {
  SCOPED_TRACE(tee + " | " + vaata);
  const fs::path kodu = ajutine_kaust();
  ASSERT_TRUE(kaustas(kodu, tee));
  keskkond.insert(keskkond.end(), {"TERM=xterm", "HOME=~"});
  for (auto* sonad : {&keskkond, &argumendid})
    for (std::string& sona : *sonad)
      sona = asenda(sona, kodu.string(), '~');
  const protsessi_tulemus t = kaivita(programm, argumendid, {}, TERMINAL, klahvid, keskkond);
  EXPECT_EQ(t.valjund, PEALKIRI + ekraan);
  EXPECT_EQ(t.staatus, 1);
  EXPECT_TRUE(kaustas(kodu, vaata));
  fs::remove_all(kodu);
}

TEST(Terminalis, EditsAndKeepsHistory) {
  // Lines from a file: no editing and no history file, in every build; a locale that cannot
  // be loaded but says UTF-8 means UTF-8 (another set: plain ASCII); a script's C1 bytes shown
  // where it is not UTF-8.
  kodus("printf '2+3\\nx\\n' >s", "test ! -e .local", {"LC_ALL=", "LC_CTYPE=et_XX.utf8", "LANG=C"},
        {},
        TERE_UTF8 +
            ":Avaldise v\xC3\xA4\xC3\xA4rtus=V\n:Viga: Muutuja v\xC3\xA4\xC3\xA4rtustamata!\n:\n",
        "/bin/sh", {"-c", "exec \"$0\" <~/s", ZEMTAR});
  kodus("true", "true", {"LC_ALL=", "LC_CTYPE=et_XX.iso885915"}, {}, ":1\n" + AV_ + "1.000000\n",
        ZEMTAR_LIHTNE, {"-k", "1"});
  kodus("printf '\\233[2J\\n1\\n' >s", "test ! -e .local", {"ZEMTAR_KOODISTIK=iso-8859-15"}, {},
        ":M-^[[2J\n ^\nViga: Lubamatu s\xFCmbol real!\n:1\nAvaldise v\xE4\xE4rtus=1.000000\n",
        ZEMTAR_LIHTNE, {"-f", "~/s"});
  if (!ZEMTAR_TOIMETAB) GTEST_SKIP() << "built without line editing (ZEMTAR_LIBEDIT=none)";
  // Ctrl-D ends the run only on an empty line. The file and its folders are made, the user's.
  kodus(
      "true",
      "cd .local/state/zemtar && printf \"${H}0+5\\n\" | cmp - zemtar-lihtne.ajalugu && "
      "test $(stat -c %a . zemtar-lihtne.ajalugu | paste -sd,) = 700,600",
      {},
      {"1+1" + VASAK + VASAK + "0" + HOME + DELETE + END + BACKSPACE + "5" + CTRL_D + "\r", CTRL_D},
      TERE + ":0+5\n" + AV_ + "5.000000\n:^D\n", ZEMTAR_LIHTNE);
  // Up recalls this run's line; Ctrl-C drops a line, kept out of the history as blank lines
  // and a repeat are. An empty file is a history.
  kodus("mkdir -p olek/zemtar && : >olek/zemtar/zemtar.ajalugu",
        "printf \"${H}2*3\\nvalju\\n\" | cmp - olek/zemtar/zemtar.ajalugu",
        {"XDG_STATE_HOME=~/olek"}, {"2*3\r", "\r", "  \r", "xyz", CTRL_C, YLES + "\r", "valju\r"},
        TERE + ":2*3\n" + AV_ + "VI\n:\n ^\n" + LOPP_ + ":\n   ^\n" + LOPP_ + ":xyz\n:2*3\n" + AV_ +
            "VI\n:valju\n");
  // Earlier runs' lines, blanks as libedit writes them; a line is added, and 2,001 lines are
  // cut back to the last 1,000. With ZEMTAR_AJALUGU empty none is kept.
  kodus("(printf \"$H\"; seq 1999; printf '%s\\n' '2000\\040-\\0401') >a",
        "(printf \"$H\"; seq 1002 1999; printf '%s\\n' '2000\\040-\\0401' 19990) | "
        "cmp - a",
        {"ZEMTAR_AJALUGU=~/a"}, {YLES + YLES + "0\r", CTRL_D},
        TERE + ":19990\n" + AV_ + std::string(19, 'M') + "CMXC\n:^D\n");
  kodus("mkdir -p .local/state/zemtar && printf \"${H}7*6\\n\" >.local/state/zemtar/zemtar.ajalugu",
        "printf \"${H}7*6\\n\" | cmp - .local/state/zemtar/zemtar.ajalugu", {"ZEMTAR_AJALUGU="},
        {YLES + "\r", "1\r", CTRL_D}, TERE + ":\n ^\n" + LOPP_ + ":1\n" + AV_ + "I\n:^D\n");
  // A run that a signal ends while a line is read leaves the terminal as it found it.
  kodus("true", "true", {"ZEMTAR_AJALUGU="}, {}, TERE + ":kanooniline\n", "/bin/sh",
        {"-c",
         "trap : TERM; exec 3<&0; \"$0\" <&3 & sleep 1; kill $!; wait; wait; "
         "stty -a | grep -q -- -icanon && echo toores || echo kanooniline; exec false",
         ZEMTAR});
  // No HOME: no history file, and no trouble.
  EXPECT_EQ(kaivita(ZEMTAR, {}, {}, TERMINAL, {"1\r", CTRL_D}, {"TERM=xterm"}).staatus, 1);
  // A lock held on the history stalls no prompt (told once); every byte typed reaches the line
  // in any locale, one that begins no character shown as "\U+DCxx"; a terminal type of control
  // bytes named as the echo shows them. In UTF-8 every letter of the texts is UTF-8, the DOS
  // code-page ones too. An unknown option is named on standard error, and the keyboard mode
  // starts.
  const std::string sumbol = "Viga: Lubamatu sumbol real!\n", x = "2\xC3\x97", e4 = "10\xE4+5\r";
  for (const char* programm : {ZEMTAR, ZEMTAR_LIHTNE}) {
    const std::string nimi = fs::path(programm).filename().string();
    kodus("printf \"$E\" >a", "printf \"$E\" | cmp - a",
          {"LC_ALL=C", "ZEMTAR_AJALUGU=~/a", "T=\x1b]0;x\x07\x7f\x9b"}, {x + "3\r", e4, CTRL_D},
          TERE + "No entry for terminal type \"^[]0;x^G^?M-^[\";\nusing dumb terminal settings.\n" +
              nimi +
              ": ajaloofail on lukus, varasemaid ridu ei loetud\n:2\\U+DCC3\\U+DC973\n  ^\n" +
              sumbol + ":10\\U+DCE4+5\n   ^\n" + sumbol + ":^D\n",
          "/bin/sh", {"-c", "exec 9>>~/a && flock 9 && TERM=$T exec \"$0\"", programm});
    kodus("true", "test ! -e .local", {"LANG=C.UTF-8", "ZEMTAR_AJALUGU="},
          {"x\r", "2(3)\r", e4, CTRL_D},
          nimi + ": kasutamata argumendid: -h (valikud: " + nimi + " --help)\n" + TERE_UTF8 +
              ":x\n ^\nViga: Muutuja v\xC3\xA4\xC3\xA4rtustamata!\n:2(3)\n  ^\nViga: '(' "
              "tehtem\xC3\xA4rgi asemel!\n:10\\U+DCE4+5\n   ^\nViga: Lubamatu s\xC3\xBCmbol "
              "real!\n:^D\n",
          programm, {"-h"});
  }
}

// At a terminal the echo shows control bytes as cat -v does (no line sets the title or the
// clipboard, or makes the terminal answer); a UTF-8 terminal gets other bytes as they are. A
// message is preceded by a caret under where the line failed. Arguments that go unused are
// named, with how to give an expression as one.
TEST(Terminalis, ShowsTheLineAndWhereItFails) {
  const std::string sumbol = " ^\nViga: Lubamatu s\xC3\xBCmbol real!\n";
  const std::string skript = "2+%3\nx\ny = 1/0\n(1+2\n 5=1\n";
  const std::string vastused =
      ":2+%3\n  " + sumbol +
      ":x\n ^\nViga: Muutuja v\xC3\xA4\xC3\xA4rtustamata!\n:y = 1/0\n      ^\n";
  const std::string lopp =
      ":(1+2\n     ^\nViga: Magasin pole t\xC3\xBChi! (kontrolli sulge)\n: 5=1\n  ^\n" + NIMI;
  const std::string versioon = "zemtar: kasutamata argumendid: x\nzemtar " ZEMTAR_VERSIOON "\n";
  const std::string kasutamata =
      "zemtar: kasutamata argumendid: + 3 (avaldis \xC3\xBChe argumendina: zemtar -k "
      "\"2 + 3\")\n:2\nAvaldise v\xC3\xA4\xC3\xA4rtus=II\n";
  kontrolli({
      {MOLEMAD, {"-k", "\x1b]0;pealkiri\x07"}, {}, ":^[]0;pealkiri^G\n" + sumbol, 0, "", TERMINAL},
      {MOLEMAD, FAIL,
       "\x1b[2J\x1b[31m\n\x1b]52;c;cGFyb29s\x07\n\x1b[6n\x7f\n\xC2\x9B"
       "6n\n1\t+\x9B\xC3\xA4",
       ":^[[2J^[[31m\n" + sumbol + ":^[]52;c;cGFyb29s^G\n" + sumbol + ":^[[6n^?\n" + sumbol +
           ":M-BM-^[6n\n" + sumbol + ":1+\x9B\xC3\xA4\n " + sumbol,
       0, "", TERMINAL},
      {ROOMA, FAIL, skript, vastused + NULLIGA + lopp, 0, "", TERMINAL},
      {LIHTNE, FAIL, skript, vastused + LIHTNE_NULLIGA + lopp, 0, "", TERMINAL},
      {ROOMA, {"-k", "2", "+", "3"}, {}, kasutamata, 2, "", TERMINAL},
      {ROOMA, {"--version", "x"}, {}, versioon, 0, "", TERMINAL},
  });
  // ZEMTAR_KOODISTIK names the texts' set for a pipe as well.
  EXPECT_EQ(kaivita(ZEMTAR, {"-k", "2(3)"}, {}, FAILID, {}, {"ZEMTAR_KOODISTIK=utf-8"}).valjund,
            PEALKIRI + ":2(3) \nViga: '(' tehtem\xC3\xA4rgi asemel!\n");
}

// The history file keeping two lines, at a path from a folder the shell fills (as a relative
// ZEMTAR_AJALUGU is taken from where the program starts): the lines read, what is told,
// what the shell finds after two lines are added, the first (a blank, a backslash, DEL) after a
// change, with the lock held (an exclusive one let go 0.1 s into the wait) or the size limited.
void ajaloos(const std::string& enne, const std::vector<std::string>& read,
             const std::string& parast, const std::string& teade = "",
             const std::string& vahel = "true", const std::string& nimi = "a", int lukk = 0,
             rlim_t piir = RLIM_INFINITY) {
  SCOPED_TRACE(enne + " | " + vahel + " | " + nimi);
  static std::string teated;
  const fs::path kaust = ajutine_kaust();
  ASSERT_TRUE(kaustas(kaust, enne));
  const int lukus = lukk != 0 ? open((kaust / "a").c_str(), O_RDONLY) : -1;
  flock(lukus, lukk);
  teated.clear();
  const fs::path siin = fs::current_path();
  ASSERT_EQ(chdir(kaust.c_str()), 0);
  zemtar::ajaloofail fail(nimi, 2, [](const char* mis) { teated += mis; });
  EXPECT_EQ(fail.loe(), read);
  EXPECT_TRUE(kaustas(kaust, vahel));
  std::thread vabasta([=] {
    usleep(100000);
    flock(lukus, lukk == LOCK_EX ? LOCK_UN : lukk);
  });
  rlimit vana;
  getrlimit(RLIMIT_FSIZE, &vana);
  const rlimit uus = {piir, vana.rlim_max};
  setrlimit(RLIMIT_FSIZE, &uus);
  fail.lisa("x y\\\x7F");
  setrlimit(RLIMIT_FSIZE, &vana);
  vabasta.join();
  fail.lisa("z");
  close(lukus);
  EXPECT_EQ(chdir(siin.c_str()), 0);
  EXPECT_EQ(teated, teade);
  EXPECT_TRUE(kaustas(kaust, parast));
  fs::remove_all(kaust);
}

TEST(Terminalis, HistoryFileIsTheUsers) {
  const std::string E = "printf \"$E\"", VOORAS = "ajaloofaili ei looda teise kasutaja kausta",
                    LUKUS = "ajaloofail on lukus, ", pikk(BUFSIZ - 2, '0'),
                    comm = "/proc/" + std::to_string(getpid()) + "/comm";
  const auto ja = [](const std::string& read) {
    return "(printf \"$H\"; printf '%s\\n' " + read + " 'x\\040y\\134\\177' z) | cmp - ";
  };
  signal(SIGXFSZ, SIG_IGN);
  // Made with its folders when a line is added (ja: then these lines and the two); past twice two
  // lines, cut back to two in place, once; a last line without its newline, or read in two blocks.
  ajaloos("true", {}, ja("") + "k/l/a", "", "test ! -e k", "k/l/a");
  ajaloos("printf \"${H}1\\n2\\n%s\\n4\" " + pikk + " >f && chmod 640 f && ln -s f a", {pikk, "4"},
          ja("4") + "f && test -L a && test $(stat -c %a f) = 640");
  // Only a history, a disk's file the user may write when it is written, else none from then on;
  // a line cut short undone; a lock held waited for half a second at most, and told once.
  ajaloos("echo Kallis Mari! >a", {}, "echo Kallis Mari! | cmp - a");
  ajaloos("ln -s f a", {}, "test ! -e f");
  ajaloos(E + " >a", {"7"}, E + " | cmp - a", "", "chmod 400 a");
  ajaloos("true", {}, "printf '" + loe(comm) + "' | cmp - " + comm, "", "true", comm);
  ajaloos(E + " >a", {"7"}, "printf \"${E}z\\n\" | cmp - a", "", "true", "a", 0, 20);
  ajaloos(E + " >a", {}, ja("7") + "a", LUKUS + "varasemaid ridu ei loetud", "true", "a", LOCK_EX);
  ajaloos(E + " >a", {"7"}, E + " | cmp - a", LUKUS + "rida j\xE4i salvestamata", "true", "a",
          LOCK_SH);
  if (geteuid() != 0) return;  // only root gives files and folders away
  ajaloos(E + " >a", {"7"}, E + " | cmp - a", "", "chown 4321 a");
  ajaloos("mkdir k && chown 4321 k", {}, "test ! -e k/.local", VOORAS, "true", "k/.local/a");
  ajaloos("mkdir k && chown 4321 k", {}, "test ! -e k/a", VOORAS, "true", "k/a");
  ajaloos("chown 4321 .", {}, "test ! -e a", VOORAS);
}

}  // namespace
