#include "e2e/protsess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::string loe(const std::string& nimi) {
  std::ifstream sisse(nimi, std::ios::binary);
  // Whole, not a character at a time: some outputs are tens of megabytes.
  std::ostringstream tekst;
  tekst << sisse.rdbuf();
  return tekst.str();
}

ajutine_fail::ajutine_fail(const std::string& sisu) {
  const char* kaust = std::getenv("TMPDIR");
  std::string mall = std::string(kaust ? kaust : "/tmp") + "/zemtar-test-XXXXXX";
  const int fd = mkstemp(mall.data());
  if (fd < 0) throw std::runtime_error("mkstemp");
  nimi_ = mall;
  for (std::size_t kirjutatud = 0; kirjutatud < sisu.size();) {
    const ssize_t n = write(fd, sisu.data() + kirjutatud, sisu.size() - kirjutatud);
    if (n <= 0) throw std::runtime_error("write");
    kirjutatud += static_cast<std::size_t>(n);
  }
  close(fd);
}

ajutine_fail::~ajutine_fail() {
  unlink(nimi_.c_str());
}

protsessi_tulemus kaivita(const std::string& programm, const std::vector<std::string>& argumendid,
                          const std::optional<std::string>& sisend, hairimine hairitud) {
  const std::optional<ajutine_fail> sisse =
      sisend && hairitud != LUGEMISVIGA ? std::optional<ajutine_fail>(std::in_place, *sisend)
                                        : std::nullopt;
  // A pipe that holds the bytes, stays open and does not wait: once they are read, the next
  // read fails.
  int toru[2] = {-1, -1};
  if (hairitud == LUGEMISVIGA) {
    if (pipe(toru) != 0 || write(toru[1], sisend->data(), sisend->size()) < 0)
      throw std::runtime_error("pipe");
    fcntl(toru[0], F_SETFL, O_NONBLOCK);
  }
  const ajutine_fail valja(""), vead("");

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(programm.c_str()));
  for (const std::string& a : argumendid)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    if (sisse) {
      const int fd = open(sisse->nimi().c_str(), O_RDONLY);
      dup2(fd, 0);
      close(fd);
    } else if (hairitud == LUGEMISVIGA) {
      dup2(toru[0], 0);
    } else {
      close(0);
    }
    const int fd_valja =
        open(hairitud == TAIS_KETAS ? "/dev/full" : valja.nimi().c_str(), O_WRONLY | O_TRUNC);
    const int fd_vead = open(vead.nimi().c_str(), O_WRONLY | O_TRUNC);
    dup2(fd_valja, 1);
    dup2(fd_vead, 2);
    close(fd_valja);
    close(fd_vead);
    execv(programm.c_str(), argv.data());
    _exit(127);
  }
  int olek = 0;
  waitpid(pid, &olek, 0);
  for (const int fd : toru) {
    if (fd >= 0) close(fd);
  }
  const int staatus = WIFEXITED(olek) ? WEXITSTATUS(olek) : 1000 + WTERMSIG(olek);
  return {loe(valja.nimi()), loe(vead.nimi()), staatus};
}
