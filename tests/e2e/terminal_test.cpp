// Keyboard mode at a terminal, through a pseudo-terminal: line editing, recall within a run and
// from the history file, Ctrl-C and Ctrl-D, and what the history file keeps.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "e2e/juhtumid.h"
#include "e2e/protsess.h"

namespace {

namespace fs = std::filesystem;

// Keys as a terminal sends them.
const std::string VASAK = "\x1b[D", YLES = "\x1b[A", HOME = "\x1bOH", END = "\x1bOF",
                  DELETE = "\x1b[3~", BACKSPACE = "\x7f", CTRL_C = "\x03", CTRL_D = "\x04";
const std::string AJALUGU = "_HiStOrY_V2_\n";  // the first line of a history file

// The texts as a terminal in the C locale shows them: no letters beyond ASCII.
const std::string TERE = "Valjumiseks sisestage 'valju', juhiste saamiseks 'abi'\n";
const std::string AV_ = "Avaldise vaartus=", LOPP_ = "Viga: Avaldise lopp arvu asemel!\n";

struct terminali_juhtum {
  const char* programm;
  std::vector<std::string> keskkond;  // besides TERM and HOME; "{kodu}" stands for HOME
  std::string fail;                   // the history file, under HOME
  std::string enne;                   // its bytes before the run; empty: no file
  std::vector<std::string> klahvid;   // typed one by one, each when the program waits for it
  std::string ekraan;                 // the screen after the banner
  std::string parast;                 // the file's bytes after the run; empty: no file
};

// The lines alates to kuni, each a number.
std::string arvud(int alates, int kuni) {
  std::string read;
  for (int i = alates; i <= kuni; ++i)
    read += std::to_string(i) + "\n";
  return read;
}

TEST(Terminalis, EditsAndKeepsHistory) {
  const std::vector<terminali_juhtum> juhtumid = {
      // Ctrl-D ends the run only on an empty line. The file and its folders are made.
      {ZEMTAR_LIHTNE,
       {},
       ".local/state/zemtar/zemtar-lihtne.ajalugu",
       "",
       {"1+1" + VASAK + VASAK + "0" + HOME + DELETE + END + BACKSPACE + "5" + CTRL_D + "\r",
        CTRL_D},
       TERE + ":0+5\n" + AV_ + "5.000000\n:^D\n",
       AJALUGU + "0+5\n"},
      // Up recalls this run's line; Ctrl-C drops a line, which stays out of the history as
      // blank lines and a repeat do.
      {ZEMTAR,
       {"XDG_STATE_HOME={kodu}/olek"},
       "olek/zemtar/zemtar.ajalugu",
       "",
       {"2*3\r", "\r", "  \r", "xyz", CTRL_C, YLES + "\r", "valju\r"},
       TERE + ":2*3\n" + AV_ + "VI\n:\n" + LOPP_ + ":\n" + LOPP_ + ":xyz\n:2*3\n" + AV_ +
           "VI\n:valju\n",
       AJALUGU + "2*3\nvalju\n"},
      // Lines of earlier runs, from ZEMTAR_AJALUGU's file; the file keeps the last 1,000.
      {ZEMTAR,
       {"ZEMTAR_AJALUGU={kodu}/a/b"},
       "a/b",
       AJALUGU + arvud(1, 1000),
       {YLES + YLES + "\r", CTRL_D},
       TERE + ":999\n" + AV_ + "CMXCIX\n:^D\n",
       AJALUGU + arvud(2, 1000) + "999\n"},
      // A file that is not a history is not written over.
      {ZEMTAR,
       {"ZEMTAR_AJALUGU={kodu}/kiri"},
       "kiri",
       "Kallis Mari!\n",
       {YLES + "1\r", CTRL_D},
       TERE + ":1\n" + AV_ + "I\n:^D\n",
       "Kallis Mari!\n"},
      // ZEMTAR_AJALUGU set but empty: no file is read or written.
      {ZEMTAR,
       {"ZEMTAR_AJALUGU="},
       ".local/state/zemtar/zemtar.ajalugu",
       AJALUGU + "7*6\n",
       {YLES + "\r", "1\r", CTRL_D},
       TERE + ":\n" + LOPP_ + ":1\n" + AV_ + "I\n:^D\n",
       AJALUGU + "7*6\n"},
      // In a UTF-8 locale every letter of the texts is UTF-8, the DOS code-page ones too.
      {ZEMTAR_LIHTNE,
       {"LANG=C.UTF-8", "ZEMTAR_AJALUGU="},
       "",
       "",
       {"x\r", "2(3)\r", CTRL_D},
       "V\xC3\xA4ljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n:x\nViga: Muutuja "
       "v\xC3\xA4\xC3\xA4rtustamata!\n:2(3)\nViga: '(' tehtem\xC3\xA4rgi asemel!\n:^D\n",
       ""},
  };
  for (const terminali_juhtum& j : juhtumid) {
    SCOPED_TRACE(j.programm + (" " + j.fail));
    std::string mall = (fs::temp_directory_path() / "zemtar-terminal-XXXXXX").string();
    const fs::path kodu = mkdtemp(mall.data());
    const fs::path fail = kodu / j.fail;
    if (!j.enne.empty()) {
      fs::create_directories(fail.parent_path());
      std::ofstream(fail) << j.enne;
    }
    std::vector<std::string> keskkond = {"TERM=xterm", "HOME=" + kodu.string()};
    for (std::string muutuja : j.keskkond) {
      if (const std::size_t koht = muutuja.find("{kodu}"); koht != std::string::npos)
        muutuja.replace(koht, 6, kodu.string());
      keskkond.push_back(muutuja);
    }
    const protsessi_tulemus t = terminalis(j.programm, keskkond, j.klahvid);
    EXPECT_EQ(t.valjund, PEALKIRI + j.ekraan);
    EXPECT_EQ(t.staatus, 1);
    EXPECT_EQ(loe(fail), j.parast);
    if (j.enne.empty() && !j.parast.empty()) {  // made by the program: the user's alone
      EXPECT_EQ(fs::status(fail).permissions(), fs::perms::owner_read | fs::perms::owner_write);
      EXPECT_EQ(fs::status(fail.parent_path()).permissions(), fs::perms::owner_all);
    }
    fs::remove_all(kodu);
  }
}

}  // namespace
