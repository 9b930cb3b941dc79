#include "e2e/protsess.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::vector<char*> viidad(std::vector<std::string>& sonad) {
  std::vector<char*> v;
  for (std::string& s : sonad)
    v.push_back(s.data());
  v.push_back(nullptr);
  return v;
}

void suuna(const std::string& nimi, int fd, int lipud) {
  const int f = open(nimi.c_str(), lipud, 0600);
  dup2(f, fd);
  close(f);
}

// The screen a terminal would show for these bytes: text over the cells from the cursor on,
// and the few cursor and erase sequences a line editor sends. Lines without trailing blanks.
std::string ekraan(const std::string& baidid) {
  std::vector<std::string> read(1);
  std::size_t rida = 0, veerg = 0;
  for (std::size_t i = 0; i < baidid.size(); ++i) {
    const char c = baidid[i];
    std::string& r = read[rida];
    if (c == '\r') {
      veerg = 0;
    } else if (c == '\n') {
      if (++rida == read.size()) read.emplace_back();
    } else if (c == '\b') {
      veerg -= veerg > 0;
    } else if (c == '\x1b' && baidid.compare(i + 1, 1, "[") == 0) {
      // Right (C) or left (D) by n, erase to the end of the line (K); the rest changes nothing.
      const std::size_t lopp = baidid.find_first_not_of("0123456789;?", i + 2);
      if (lopp == std::string::npos) break;
      const std::size_t n = std::max(1, std::atoi(&baidid[i + 2]));
      if (baidid[lopp] == 'C') veerg += n;
      if (baidid[lopp] == 'D') veerg -= std::min(veerg, n);
      if (baidid[lopp] == 'K' && r.size() > veerg) r.resize(veerg);
      i = lopp;
    } else if (static_cast<unsigned char>(c) >= ' ') {
      if (r.size() <= veerg) r.resize(veerg + 1, ' ');
      r[veerg++] = c;
    }
  }
  std::string tekst;
  for (std::string& r : read)
    tekst += r.erase(r.find_last_not_of(' ') + 1) + "\n";
  return tekst.erase(tekst.find_last_not_of('\n') + 1) + "\n";
}

// A NaN's sign is the hardware's: compared apart for programs built for another machine.
std::string nan_margita(std::string tekst) {
  const bool muu =
      std::getenv("ZEMTAR_KAUST") || std::getenv("ZEMTAR_WINDOWS") || std::getenv("ZEMTAR_VEEB");
  for (std::size_t i; muu && (i = tekst.find("-nan")) != std::string::npos;)
    tekst.erase(i, 1);
  return tekst;
}

}  // namespace

std::string ajutine_kaust() {
  std::string mall = (std::filesystem::temp_directory_path() / "zemtar-test-XXXXXX").string();
  return mkdtemp(mall.data());
}

std::string loe(const std::string& nimi) {
  std::ifstream fail(nimi, std::ios::binary);
  return {std::istreambuf_iterator<char>(fail), {}};
}

protsessi_tulemus kaivita(const std::string& programm, std::vector<std::string> argumendid,
                          const std::optional<std::string>& sisend, kuhu k,
                          const std::vector<std::string>& klahvid,
                          std::vector<std::string> keskkond) {
  const std::string kaust = ajutine_kaust(), fail = kaust + "/sisend", vead = kaust + "/vead";
  std::ofstream(fail, std::ios::binary) << sisend.value_or("");
  std::vector<std::string> kask = {programm};
  for (const auto& [muutuja, laiend] :
       {std::pair{"ZEMTAR_WINDOWS", ".exe"}, {"ZEMTAR_VEEB", ".js"}, {"ZEMTAR_KAUST", ""}})
    if (const char* kaust = std::getenv(muutuja))
      kask[0] = kaust + ("/" + std::filesystem::path(programm).filename().string() + laiend);
  if (const char* eel = std::getenv("ZEMTAR_EEL")) kask.insert(kask.begin(), eel);
  for (const std::string& a : argumendid)
    kask.push_back(a == "{f}" ? fail : a);
  // Pipes to the program (keys, or bytes after which a read fails) and from it.
  int sisse[2], valja[2];
  EXPECT_EQ(pipe(sisse) | pipe(valja), 0);
  if (k == LUGEMISVIGA) {
    EXPECT_EQ(write(sisse[1], sisend->data(), sisend->size()), ssize_t(sisend->size()));
    fcntl(sisse[0], F_SETFL, O_NONBLOCK);
  }
  int terminal = -1;
  winsize suurus = {24, 200, 0, 0};  // wide enough that no line wraps
  const pid_t pid = k == TERMINAL ? forkpty(&terminal, nullptr, nullptr, &suurus) : fork();
  if (pid == 0) {
    if (k == LUGEMISVIGA || k == TORUD) dup2(sisse[0], 0);
    const bool failist = k == FAILID || k == TAIS_KETAS || k == MALUPIIR || k == ISE;
    if (failist && sisend) suuna(fail, 0, O_RDONLY);
    if (failist && !sisend) close(0);
    if (k == MALUPIIR || k == ISE) {
      const rlim_t n = k == ISE ? 1 << 20 : 32 << 20;
      const rlimit piir = {n, n};
      setrlimit(k == ISE ? RLIMIT_FSIZE : RLIMIT_AS, &piir);
    }
    if (k != TERMINAL) {
      dup2(valja[1], 1);
      if (k == TAIS_KETAS) suuna("/dev/full", 1, O_WRONLY);
      if (k == ISE) suuna(fail, 1, O_WRONLY | O_APPEND);
      suuna(vead, 2, O_WRONLY | O_CREAT);
    }
    for (const int fd : {sisse[0], sisse[1], valja[0], valja[1]})
      close(fd);
    execve(kask[0].c_str(), viidad(kask).data(),
           keskkond.empty() ? environ : viidad(keskkond).data());
    _exit(127);
  }
  close(sisse[0]);
  close(valja[1]);
  const int loetav = k == TERMINAL ? terminal : valja[0],
            kirjutatav = k == TERMINAL ? terminal : sisse[1];
  // Reads what the program writes until ootan is satisfied, the program ends or time is up.
  std::string baidid;
  const auto tahtaeg =
      std::chrono::steady_clock::now() + std::chrono::seconds(klahvid.empty() ? 3600 : 20);
  auto kuula = [&](auto ootan) {
    pollfd p = {loetav, POLLIN, 0};
    char puhver[65536];
    while (!ootan() && std::chrono::steady_clock::now() < tahtaeg) {
      if (poll(&p, 1, 10) <= 0) continue;
      const ssize_t n = read(loetav, puhver, sizeof puhver);
      if (n <= 0) return;
      baidid.append(puhver, static_cast<std::size_t>(n));
    }
  };
  // Each key is typed once the program sleeps after a fresh prompt with the terminal switched
  // to editing (libedit prompts a moment before), a line into a pipe, or the echo of the last
  // key: sooner, a Ctrl-C between two of libedit's reads is lost.
  std::size_t kirjutatud = 0;
  std::string kaja;
  auto loppeb = [&](const std::string& loppu) {
    return baidid.size() >= kirjutatud + loppu.size() &&
           baidid.compare(baidid.size() - loppu.size(), loppu.size(), loppu) == 0;
  };
  auto magab = [pid] {
    std::string olek;
    std::getline(std::ifstream("/proc/" + std::to_string(pid) + "/stat"), olek);
    return olek.compare(olek.rfind(')') + 1, 3, " S ") == 0;
  };
  for (const std::string& klahv : klahvid) {
    kuula([&] {
      termios t;
      const bool toimetab = k != TERMINAL || (tcgetattr(loetav, &t) == 0 && !(t.c_lflag & ICANON));
      return ((loppeb("\n:") && toimetab) || (k == TORUD && loppeb("\n")) ||
              (!kaja.empty() && loppeb(kaja))) &&
             magab();
    });
    kirjutatud = baidid.size();
    kaja = std::all_of(klahv.begin(), klahv.end(), [](char c) { return c >= ' '; }) ? klahv : "";
    if (klahv.empty()) kill(pid, SIGTERM);
    if (write(kirjutatav, klahv.data(), klahv.size()) != ssize_t(klahv.size())) break;
  }
  if (k != LUGEMISVIGA) close(sisse[1]);
  kuula([] { return false; });                                          // the rest, to the end
  if (std::chrono::steady_clock::now() >= tahtaeg) kill(pid, SIGKILL);  // still waiting
  int olek = 0;
  waitpid(pid, &olek, 0);
  for (const int fd : {loetav, k == LUGEMISVIGA ? sisse[1] : -1, k == TERMINAL ? valja[0] : -1})
    close(fd);
  if (k == ISE) baidid = loe(fail).substr(sisend->size());
  protsessi_tulemus t = {k == TERMINAL ? ekraan(baidid) : baidid, loe(vead),
                         WIFEXITED(olek) ? WEXITSTATUS(olek) : 1000 + WTERMSIG(olek)};
  std::filesystem::remove_all(kaust);
  return t;
}

void kontrolli(const std::vector<juhtum>& juhtumid) {
  // Where a terminal would get other letters, a pipe must still get the stored bytes.
  setenv("LC_ALL", "C.UTF-8", 1);
  for (const juhtum& j : juhtumid) {
    for (const auto& [mask, programm, nimi] :
         {std::tuple{ROOMA, ZEMTAR, "zemtar"}, {LIHTNE, ZEMTAR_LIHTNE, "zemtar-lihtne"}}) {
      if ((j.kellele & mask) == 0) continue;
      // Under a sanitizer or ZEMTAR_EEL 32 MiB is too little; wine waits where a read must fail,
      // has no /dev/stdin and does not tell which file a handle leads to; node leaves no read
      // for a signal.
      if ((j.k == MALUPIIR && (ZEMTAR_SANITEERITUD || std::getenv("ZEMTAR_EEL"))) ||
          (j.k == LUGEMISVIGA && std::getenv("ZEMTAR_WINDOWS")) ||
          (j.k == ISE && std::getenv("ZEMTAR_WINDOWS")) ||
          (j.staatus > 255 && std::getenv("ZEMTAR_VEEB")) ||
          (j.argumendid == std::vector<std::string>{"-f", "/dev/stdin"} &&
           std::getenv("ZEMTAR_WINDOWS"))) {
        std::printf("not run here: %s %s\n", nimi, ::testing::PrintToString(j.argumendid).c_str());
        continue;
      }
      SCOPED_TRACE(nimi + (" " + ::testing::PrintToString(j.argumendid).substr(0, 80)));
      protsessi_tulemus t = kaivita(programm, j.argumendid, j.sisend, j.k, j.klahvid);
      t.valjund = nan_margita(t.valjund);
      // A long output that differs is shown from where it first does.
      const auto oodatud = nan_margita(
          reavahetused(j.k == TAIS_KETAS || j.k == ISE ? "" : tekst::PEALKIRI + j.valjund));
      const std::size_t koht =
          std::mismatch(t.valjund.begin(), t.valjund.end(), oodatud.begin(), oodatud.end()).first -
          t.valjund.begin();
      EXPECT_EQ(t.valjund.substr(koht, 200), oodatud.substr(koht, 200))
          << "sizes " << t.valjund.size() << " and " << oodatud.size() << ", from byte " << koht;
      if (t.staatus < 1000) {  // ended by a signal, it leaves valgrind's report of what it held
        EXPECT_EQ(t.vead, reavahetused(asenda(j.vead, nimi)));
      }
      EXPECT_EQ(t.staatus, j.staatus);
    }
  }
}
