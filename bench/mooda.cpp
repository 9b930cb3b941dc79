// Runs commands in turn, several rounds, and prints for each its median wall-clock seconds,
// its median processor seconds and its peak resident memory. Standard input is /dev/null,
// standard output and error go to /dev/null, so that only the program's own work is timed.
//
//   mooda [-n ROUNDS] [-s] CMD [ARG...] [--- CMD [ARG...]]...
//
// One line per command, in the order given: "WALL_MEDIAN WALL_MIN CPU_MEDIAN PEAK_KIB", all but
// the minimum medians over the rounds (CPU is user plus system time; the kernel counts it in
// ticks, so it means little for runs of a few milliseconds).
//
// Each child is started with fork, not posix_spawn: the kernel counts the memory a child had
// before its exec in its peak, and a forked child of this small program has little, whereas
// a vfork-style child shares (and would be charged) all of it. With -s the runs are started
// with posix_spawn instead, which is cheaper and so times start-up more strictly; the peak is
// then not printed (0).
#include <fcntl.h>
#include <spawn.h>
#include <sys/personality.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

struct kask {
  std::vector<char*> argv;
  std::vector<double> ajad;
  std::vector<double> protsessoriajad;
  std::vector<double> tipud_kib;
};

struct mootmine {
  double aeg;
  double protsessoriaeg;
  double tipp_kib;
};

double sekundid(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

double mediaan(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double nuud() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

[[noreturn]] void viga(const char* mis) {
  std::perror(mis);
  std::exit(1);
}

// Runs argv once.
mootmine kaivita(char* const* argv, bool spawn) {
  const double algus = nuud();
  pid_t pid = 0;
  if (spawn) {
    posix_spawn_file_actions_t tegevused;
    posix_spawn_file_actions_init(&tegevused);
    posix_spawn_file_actions_addopen(&tegevused, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&tegevused, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&tegevused, 2, "/dev/null", O_WRONLY, 0);
    const int e = posix_spawn(&pid, argv[0], &tegevused, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&tegevused);
    if (e != 0) {
      errno = e;
      viga(argv[0]);
    }
  } else {
    pid = fork();
    if (pid < 0) viga("fork");
    if (pid == 0) {
      // A fixed address layout: with a random one, how many pages the kernel maps around each
      // fault varies, and the peak with it by a tenth from run to run.
      personality(ADDR_NO_RANDOMIZE);
      const int sisse = open("/dev/null", O_RDONLY);
      const int valja = open("/dev/null", O_WRONLY);
      dup2(sisse, 0);
      dup2(valja, 1);
      dup2(valja, 2);
      execv(argv[0], argv);
      _exit(127);
    }
  }
  int olek = 0;
  rusage kasutus{};
  if (wait4(pid, &olek, 0, &kasutus) < 0) viga("wait4");
  const double aeg = nuud() - algus;
  return {aeg, sekundid(kasutus.ru_utime) + sekundid(kasutus.ru_stime),
          spawn ? 0 : static_cast<double>(kasutus.ru_maxrss)};
}

}  // namespace

int main(int argc, char** argv) {
  int ringe = 5;
  bool spawn = false;
  int i = 1;
  for (; i < argc && argv[i][0] == '-' && std::strcmp(argv[i], "---") != 0; ++i) {
    if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
      ringe = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "-s") == 0) {
      spawn = true;
    } else {
      std::fputs("kasutus: mooda [-n RINGE] [-s] KASK [ARG...] [--- KASK [ARG...]]...\n", stderr);
      return 2;
    }
  }
  std::vector<kask> kasud(1);
  for (; i < argc; ++i) {
    if (std::strcmp(argv[i], "---") == 0) {
      kasud.emplace_back();
    } else {
      kasud.back().argv.push_back(argv[i]);
    }
  }
  for (kask& k : kasud) {
    if (k.argv.empty() || ringe < 1) return 2;
    // The exit status cannot tell a failed exec: the programs measured exit with any value.
    if (access(k.argv[0], X_OK) != 0) viga(k.argv[0]);
    k.argv.push_back(nullptr);
    k.ajad.reserve(static_cast<std::size_t>(ringe));
    k.protsessoriajad.reserve(static_cast<std::size_t>(ringe));
    k.tipud_kib.reserve(static_cast<std::size_t>(ringe));
  }
  // Interleaved, so that a slow spell of a shared machine falls on every command alike.
  for (int r = 0; r < ringe; ++r) {
    for (kask& k : kasud) {
      const mootmine m = kaivita(k.argv.data(), spawn);
      k.ajad.push_back(m.aeg);
      k.protsessoriajad.push_back(m.protsessoriaeg);
      k.tipud_kib.push_back(m.tipp_kib);
    }
  }
  for (const kask& k : kasud) {
    std::printf("%.6f %.6f %.6f %.0f\n", mediaan(k.ajad),
                *std::min_element(k.ajad.begin(), k.ajad.end()), mediaan(k.protsessoriajad),
                mediaan(k.tipud_kib));
  }
  return 0;
}
