#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "e2e/protsess.h"

namespace {

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
  for (std::string& r : read) {
    r.erase(r.find_last_not_of(' ') + 1);
    tekst += r + "\n";
  }
  return tekst.erase(tekst.find_last_not_of('\n') + 1) + "\n";
}

}  // namespace

protsessi_tulemus terminalis(const std::string& programm, const std::vector<std::string>& keskkond,
                             const std::vector<std::string>& klahvid) {
  int juht = -1;
  winsize suurus = {24, 200, 0, 0};  // wide enough that no line wraps
  const pid_t pid = forkpty(&juht, nullptr, nullptr, &suurus);
  if (pid < 0) throw std::runtime_error("forkpty");
  if (pid == 0) {
    std::vector<char*> env;
    for (const std::string& muutuja : keskkond)
      env.push_back(const_cast<char*>(muutuja.c_str()));
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(programm.c_str()), nullptr};
    execve(programm.c_str(), argv, env.data());
    _exit(127);
  }
  // Reads what the program writes until ootan is satisfied, the program ends or time is up.
  std::string baidid;
  const auto tahtaeg = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  auto kuula = [&](auto ootan) {
    pollfd p = {juht, POLLIN, 0};
    char puhver[4096];
    while (!ootan() && std::chrono::steady_clock::now() < tahtaeg) {
      if (poll(&p, 1, 10) <= 0) continue;
      const ssize_t n = read(juht, puhver, sizeof puhver);
      if (n <= 0) return;
      baidid.append(puhver, static_cast<std::size_t>(n));
    }
  };
  // Each entry is typed once the program waits for it: asleep in a read, after a fresh prompt
  // at the start of a line (a redraw writes one after a carriage return) with the terminal
  // switched to editing, or after the echo of plain text typed without Enter. Sooner is not
  // how a person types: libedit shows the prompt a moment before it switches the terminal,
  // and a Ctrl-C that comes between two of its reads is lost.
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
  for (const std::string& k : klahvid) {
    kuula([&] {
      termios t;
      const bool viip = loppeb("\n:") && tcgetattr(juht, &t) == 0 && (t.c_lflag & ICANON) == 0;
      return (viip || (!kaja.empty() && loppeb(kaja))) && magab();
    });
    kirjutatud = baidid.size();
    kaja = std::all_of(k.begin(), k.end(), [](char c) { return c >= ' '; }) ? k : "";
    if (write(juht, k.data(), k.size()) != static_cast<ssize_t>(k.size())) break;
  }
  kuula([] { return false; });  // the rest, to the end
  kill(pid, SIGKILL);           // a program still waiting when the time is up
  int olek = 0;
  waitpid(pid, &olek, 0);
  close(juht);
  return {ekraan(baidid), "", WIFEXITED(olek) ? WEXITSTATUS(olek) : 1000 + WTERMSIG(olek)};
}
