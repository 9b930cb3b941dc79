#include "platform/posix/ajaloofail.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>

namespace zemtar {

namespace {

// libedit's first line, after which the lines come.
constexpr std::string_view PAIS = "_HiStOrY_V2_\n";
constexpr off_t PAISE_LOPP = PAIS.size();

// Told on standard error when a line is not kept.
constexpr char LUKUS_ALGUL[] = "ajaloofail on lukus, varasemaid ridu ei loetud";
constexpr char LUKUS[] = "ajaloofail on lukus, rida j\xE4i salvestamata";
constexpr char VOORAS_KAUST[] = "ajaloofaili ei looda teise kasutaja kausta";

// A line as libedit writes it (strvis, VIS_WHITE): blanks, control bytes and backslashes as a
// backslash and three octal digits, every other byte as it is.
std::string kodeeri(std::string_view rida) {
  std::string baidid;
  for (const char c : rida) {
    const auto b = static_cast<unsigned char>(c);
    char kood[5] = {c};
    if (b <= ' ' || b == '\\' || b == 0x7F) std::snprintf(kood, sizeof kood, "\\%03o", b);
    baidid += kood;
  }
  return baidid + '\n';
}

// A line as it was typed: a backslash and three octal digits are the byte they give.
std::string dekodeeri(std::string_view r) {
  std::string tekst;
  for (std::size_t i = 0; i < r.size(); ++i) {
    const std::string_view e = r.substr(i + 1, 3);
    const bool kood = r[i] == '\\' && e.size() == 3 && e.find_first_not_of("01234567") == e.npos;
    tekst += kood ? static_cast<char>((e[0] - '0') * 64 + (e[1] - '0') * 8 + (e[2] - '0')) : r[i];
    i += kood ? 3 : 0;
  }
  return tekst;
}

// The lock, waited for half a second at most, and Ctrl-C ends the wait: nobody else's lock
// stalls a prompt.
bool lukusta(int fd, int lukk) {
  for (int katse = 1; flock(fd, lukk | LOCK_NB) != 0; ++katse) {
    const timespec paus = {0, 20000000};
    if (errno != EWOULDBLOCK || katse == 25 || nanosleep(&paus, nullptr) != 0) return false;
  }
  return true;
}

// Whether the open file is a history (empty, or starting as libedit's) and a regular file of a
// disk's, not the kernel's (proc, sysfs), whose files only look like files: writing one can set
// what the machine does. To write it, also the user's own, its mode letting the owner write:
// root writes no other user's file. Its size then.
bool sobib(int fd, bool kirjutada, off_t& suurus) {
  struct stat olek;
  struct statfs fs;
  char pais[PAIS.size()];
  const bool korras = fstat(fd, &olek) == 0 && S_ISREG(olek.st_mode) && fstatfs(fd, &fs) == 0 &&
                      fs.f_type != PROC_SUPER_MAGIC && fs.f_type != SYSFS_MAGIC &&
                      (!kirjutada || (olek.st_uid == geteuid() && (olek.st_mode & S_IWUSR) != 0));
  if (!korras) return false;
  suurus = olek.st_size;
  return suurus == 0 || (pread(fd, pais, sizeof pais, 0) == PAISE_LOPP &&
                         PAIS == std::string_view(pais, sizeof pais));
}

// Where the last ridu lines before lopp start (where the lines start, if there are no more or
// the file cannot be read; its end, if it is too short to have any), read backwards a block at
// a time. A last line without its newline is a line too.
off_t algus(int fd, off_t lopp, int ridu) {
  char puhver[BUFSIZ];
  for (off_t koht = lopp - 1; koht > PAISE_LOPP;) {
    const off_t plokk = std::min<off_t>(sizeof puhver, koht - PAISE_LOPP);
    koht -= plokk;
    if (pread(fd, puhver, static_cast<std::size_t>(plokk), koht) != plokk) break;
    for (off_t i = plokk; i-- > 0;)
      if (puhver[i] == '\n' && --ridu == 0) return koht + i + 1;
  }
  return std::min(lopp, PAISE_LOPP);
}

// The last maht lines moved up to the head of the file, which then ends after them: in place, so
// that it stays the file the path leads to, with its links, mode and owner. Cut short, the file
// ends after the last whole line written. False if it cannot be left so.
bool loika(int fd, off_t lopp, int maht) {
  const off_t a = algus(fd, lopp, maht);
  std::string baidid(static_cast<std::size_t>(lopp - a), '\0');
  if (pread(fd, baidid.data(), baidid.size(), a) != static_cast<ssize_t>(baidid.size()))
    return true;
  const ssize_t n = pwrite(fd, baidid.data(), baidid.size(), PAISE_LOPP);
  if (n <= 0) return true;  // nothing written
  return ftruncate(fd, PAISE_LOPP + static_cast<off_t>(baidid.rfind('\n', n - 1) + 1)) == 0;
}

}  // namespace

ajaloofail::ajaloofail(std::string nimi, int maht, void (*teata)(const char*))
    : nimi(std::move(nimi)), maht(maht), teata(teata) {}

std::vector<std::string> ajaloofail::loe() {
  std::vector<std::string> read;
  off_t suurus;
  const int fd = ava(O_RDONLY, LOCK_SH, LUKUS_ALGUL, suurus);
  if (fd == -1) return read;
  const off_t a = algus(fd, suurus, maht);
  std::string baidid(static_cast<std::size_t>(suurus - a), '\0');
  if (pread(fd, baidid.data(), baidid.size(), a) == static_cast<ssize_t>(baidid.size())) {
    for (std::string_view jaanud(baidid); !jaanud.empty();) {
      const std::size_t lopp = std::min(jaanud.find('\n'), jaanud.size());
      read.push_back(dekodeeri(jaanud.substr(0, lopp)));
      jaanud.remove_prefix(std::min(lopp + 1, jaanud.size()));
    }
  }
  close(fd);
  return read;
}

void ajaloofail::lisa(std::string_view rida) {
  off_t suurus;
  char viimane;
  const int fd = ava(O_RDWR, LOCK_EX, LUKUS, suurus);
  if (fd == -1) return;
  std::string baidid(suurus == 0 ? PAIS : "");
  // After a line left without its newline, by another program; an empty file has no last byte.
  if (pread(fd, &viimane, sizeof viimane, suurus - 1) == sizeof viimane && viimane != '\n')
    baidid += '\n';
  baidid += kodeeri(rida);
  const off_t lopp = suurus + static_cast<off_t>(baidid.size());
  bool terve;
  if (pwrite(fd, baidid.data(), baidid.size(), suurus) != lopp - suurus)
    terve = ftruncate(fd, suurus) == 0;  // a line that a full disk cuts short is no line
  else
    terve = algus(fd, lopp, 2 * maht) <= PAISE_LOPP || loika(fd, lopp, maht);
  if (!terve) nimi.clear();  // a file not left whole is touched no more
  close(fd);
}

// The file the path leads to now, following links, opened (O_RDONLY or O_RDWR), locked (LOCK_SH
// or LOCK_EX) and looked at (sobib), or -1. Nothing but a regular file is opened: opening a
// device can do something of its own, and a FIFO's open or read waits. A missing file is made
// to be written, never through a link.
int ajaloofail::ava(int kuidas, int lukk, const char* lukus, off_t& suurus) {
  struct stat olek;
  if (nimi.empty()) return -1;
  const int puudub = stat(nimi.c_str(), &olek) == 0 ? 0 : errno;
  if (puudub == ENOENT && kuidas == O_RDONLY) return -1;  // nothing yet
  const int lipud = kuidas | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  const bool avada = puudub == 0 ? S_ISREG(olek.st_mode) : puudub == ENOENT && tee_kaustad();
  const int fd = avada ? open(nimi.c_str(), lipud | (puudub ? O_CREAT | O_EXCL : 0), 0600) : -1;
  if (fd != -1 && !lukusta(fd, lukk)) {
    teata_kord(lukus);
    close(fd);
    return -1;
  }
  if (fd != -1 && sobib(fd, kuidas == O_RDWR, suurus)) return fd;
  close(fd);     // closing -1 changes nothing
  nimi.clear();  // no history from now on
  return -1;
}

// The missing folders on the way to the file, for the user alone, and room for the file: each
// only in a folder that the user running owns, so that nothing is made in another's home.
bool ajaloofail::tee_kaustad() {
  std::string kaust = nimi[0] == '/' ? "/" : ".";
  for (std::size_t kriips = nimi.find('/', 1);; kriips = nimi.find('/', kriips + 1)) {
    const std::string tee = nimi.substr(0, kriips);
    struct stat olek;
    if (kriips == std::string::npos || stat(tee.c_str(), &olek) != 0) {
      if (stat(kaust.c_str(), &olek) != 0) return false;
      if (olek.st_uid != geteuid()) {
        teata_kord(VOORAS_KAUST);
        return false;
      }
      if (kriips == std::string::npos) return true;
      if (mkdir(tee.c_str(), 0700) != 0) return false;
    }
    kaust = tee;
  }
}

void ajaloofail::teata_kord(const char* mis) {
  if (!teatatud && teata != nullptr) teata(mis);
  teatatud = true;
}

}  // namespace zemtar
