#include "platform/posix/ajaloofail.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace zemtar {

namespace {

// The first line of libedit's history file.
constexpr std::string_view PAIS = "_HiStOrY_V2_\n";
constexpr off_t PAISE_PIKKUS = static_cast<off_t>(PAIS.size());

// A line as libedit keeps it in the file (strvis with VIS_WHITE): the blank, tab, newline and
// backslash as a backslash and three octal digits, and so the other control bytes too, which
// libedit reads as it reads its own "\^A"; every other byte as it is.
void kodeeri(std::string_view rida, std::string& baidid) {
  for (const char c : rida) {
    const auto b = static_cast<unsigned char>(c);
    if (b > ' ' && b != '\\' && b != 0x7F) {
      baidid += c;
      continue;
    }
    const char kood[] = {'\\', static_cast<char>('0' + (b >> 6)),
                         static_cast<char>('0' + (b >> 3 & 7)), static_cast<char>('0' + (b & 7))};
    baidid.append(kood, sizeof kood);
  }
  baidid += '\n';
}

// A line of the file as it was typed (strunvis): "\" and up to three octal digits, "\M-x" and
// "\M^x" (x with its high bit), "\^x" (a control byte, "\^?" DEL), the C escapes, "\s" the
// blank, "\E" ESC; after any other byte the backslash is dropped.
std::string dekodeeri(std::string_view rida) {
  std::string tekst;
  for (std::size_t i = 0; i < rida.size(); ++i) {
    char c = rida[i];
    if (c != '\\' || i + 1 == rida.size()) {
      tekst += c;
      continue;
    }
    c = rida[++i];
    if (c >= '0' && c <= '7') {
      int arv = 0;
      for (int n = 0; n < 3 && i < rida.size() && rida[i] >= '0' && rida[i] <= '7'; ++n)
        arv = arv * 8 + (rida[i++] - '0');
      tekst += static_cast<char>(arv);
      --i;
      continue;
    }
    int korge = 0;
    if (c == 'M' && i + 2 < rida.size() && (rida[i + 1] == '-' || rida[i + 1] == '^')) {
      korge = 0x80;
      c = rida[++i];
      if (c == '-') {
        tekst += static_cast<char>(rida[++i] | korge);
        continue;
      }
    }
    if (c == '^' && i + 1 < rida.size()) {
      c = rida[++i];
      tekst += static_cast<char>((c == '?' ? 0x7F : c & 0x1F) | korge);
      continue;
    }
    constexpr std::string_view MARGID = "ntrbavfsE", BAIDID = "\n\t\r\b\a\v\f \x1B";
    const std::size_t k = MARGID.find(c);
    tekst += k == std::string_view::npos ? c : BAIDID[k];
  }
  return tekst;
}

// Makes the missing folders on the way to a file, for the user alone.
void tee_kaustad(const std::string& fail) {
  for (std::size_t kriips = fail.find('/', 1); kriips != std::string::npos;
       kriips = fail.find('/', kriips + 1))
    mkdir(fail.substr(0, kriips).c_str(), 0700);  // one that exists stays as it is
}

}  // namespace

ajaloofail::ajaloofail(std::string n, int maht) : nimi(std::move(n)), maht(maht) {
  // A missing file is made with the first line. Anything but a regular file is not opened at
  // all: opening a device can do something of its own, and a FIFO's open or read waits.
  struct stat olek;
  if (nimi.empty()) return;
  if (stat(nimi.c_str(), &olek) != 0) {
    if (errno != ENOENT) nimi.clear();
    return;
  }
  if (!S_ISREG(olek.st_mode) || !ava(false)) nimi.clear();
}

ajaloofail::~ajaloofail() {
  if (fd >= 0) close(fd);
}

// Without waiting, and then only a regular file counts: the path may have changed since it was
// looked at. Written only when it is the user's own file, open for the user to write.
bool ajaloofail::ava(bool loo) {
  const int lipud = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  teadaolev = -1;
  fd = open(nimi.c_str(), O_RDWR | O_APPEND | lipud | (loo ? O_CREAT : 0), 0600);
  kirjutatav = fd >= 0;
  if (fd < 0 && !loo) fd = open(nimi.c_str(), O_RDONLY | lipud);
  struct stat olek;
  if (fd >= 0 && fstat(fd, &olek) == 0 && S_ISREG(olek.st_mode)) {
    kirjutatav = kirjutatav && olek.st_uid == geteuid() && (olek.st_mode & S_IWUSR) != 0;
    return true;
  }
  if (fd >= 0) close(fd);
  fd = -1;
  return false;
}

// Whether the file of this size is a history: empty, or starting as libedit's does.
bool ajaloofail::on_ajalugu(off_t suurus) const {
  char pais[PAIS.size()];
  return suurus == 0 || (pread(fd, pais, sizeof pais, 0) == PAISE_PIKKUS &&
                         PAIS.compare(0, PAIS.size(), pais, sizeof pais) == 0);
}

// Where the last ridu lines before lopp start, read backwards a block at a time, and how many
// lines there are up to ridu (fewer when the file has fewer). A last line without its
// newline is a line too.
bool ajaloofail::loe_tagant(off_t lopp, off_t& algus, int& ridu) const {
  const int soovitud = ridu;
  algus = PAISE_PIKKUS;
  ridu = lopp > PAISE_PIKKUS ? 1 : 0;
  char puhver[1 << 14];
  for (off_t koht = lopp - 1; koht > PAISE_PIKKUS;) {
    const off_t plokk = std::min<off_t>(sizeof puhver, koht - PAISE_PIKKUS);
    koht -= plokk;
    if (pread(fd, puhver, static_cast<std::size_t>(plokk), koht) != plokk) return false;
    for (off_t i = plokk; i-- > 0;) {
      if (puhver[i] != '\n') continue;
      if (ridu == soovitud) {
        algus = koht + i + 1;
        return true;
      }
      ++ridu;
    }
  }
  return true;
}

std::vector<std::string> ajaloofail::loe() {
  std::vector<std::string> read;
  if (fd < 0 || flock(fd, LOCK_SH) != 0) return read;
  struct stat olek;
  off_t algus = PAISE_PIKKUS;
  if (fstat(fd, &olek) != 0 || !on_ajalugu(olek.st_size)) {
    close(fd);  // another format, or unreadable: left as it is
    fd = -1;
    nimi.clear();
    return read;
  }
  int n = olek.st_size > PAISE_PIKKUS ? maht : 0;
  if (n > 0 && !loe_tagant(olek.st_size, algus, n)) n = -1;
  if (n > 0) {
    std::string baidid(static_cast<std::size_t>(olek.st_size - algus), '\0');
    if (pread(fd, baidid.data(), baidid.size(), algus) == olek.st_size - algus) {
      for (std::size_t k = 0; k < baidid.size();) {
        const std::size_t lopp = std::min(baidid.find('\n', k), baidid.size());
        read.push_back(dekodeeri(std::string_view(baidid).substr(k, lopp - k)));
        k = lopp + 1;
      }
    }
  }
  // How many lines the file has is known when the last ones reach its head.
  ridu = algus == PAISE_PIKKUS ? n : -1;
  teadaolev = olek.st_size;
  flock(fd, LOCK_UN);
  return read;
}

// Under the lock that every run takes to write: one write, to the end (O_APPEND), of the line
// in libedit's form, after the head for a new file and a newline after a line left unfinished.
// The lines are counted from the end only when another run has changed the file meanwhile.
void ajaloofail::lisa(std::string_view rida) {
  if (nimi.empty()) return;
  // The line goes to the file the path leads to now, which may be another since the last line
  // (the file removed, or another put in its place).
  struct stat tee, avatud;
  const bool on_tee = stat(nimi.c_str(), &tee) == 0;
  if (fd >= 0 && (!on_tee || fstat(fd, &avatud) != 0 || tee.st_dev != avatud.st_dev ||
                  tee.st_ino != avatud.st_ino)) {
    close(fd);
    fd = -1;
  }
  if (fd < 0) {
    if (!on_tee) tee_kaustad(nimi);
    if ((on_tee && !S_ISREG(tee.st_mode)) || !ava(true)) {
      nimi.clear();
      return;
    }
  }
  if (!kirjutatav || flock(fd, LOCK_EX) != 0) return;
  struct stat olek;
  char viimane = '\n';
  if (fstat(fd, &olek) != 0 || !on_ajalugu(olek.st_size) ||
      (olek.st_size > 0 && pread(fd, &viimane, 1, olek.st_size - 1) != 1)) {
    kirjutatav = false;
  } else {
    std::string baidid(olek.st_size == 0 ? PAIS : "");
    if (viimane != '\n') baidid += '\n';
    kodeeri(rida, baidid);
    if (olek.st_size != teadaolev || ridu < 0) {
      off_t algus;
      ridu = 2 * maht + 1;
      if (!loe_tagant(olek.st_size, algus, ridu)) ridu = -1;
    }
    teadaolev = -1;
    if (write(fd, baidid.data(), baidid.size()) == static_cast<ssize_t>(baidid.size())) {
      teadaolev = olek.st_size + static_cast<off_t>(baidid.size());
      if (ridu >= 0 && ++ridu > 2 * maht) loika();
    }
  }
  flock(fd, LOCK_UN);
}

// The last maht lines moved to the head of the file, which then ends after them: in place, so
// that the file stays the one the path leads to, with its links, mode and owner, runs that
// have it open go on adding to it, and no second file is left behind by a run that stops.
void ajaloofail::loika() {
  off_t algus;
  int n = maht;
  if (!loe_tagant(teadaolev, algus, n)) return;
  std::string baidid(PAIS);
  baidid.resize(PAIS.size() + static_cast<std::size_t>(teadaolev - algus));
  const ssize_t pikkus = static_cast<ssize_t>(baidid.size() - PAIS.size());
  if (pread(fd, baidid.data() + PAIS.size(), baidid.size() - PAIS.size(), algus) != pikkus) return;
  // Linux writes at the end of a file opened to append, wherever pwrite says.
  const int lipud = fcntl(fd, F_GETFL);
  if (lipud < 0 || fcntl(fd, F_SETFL, lipud & ~O_APPEND) != 0) return;
  std::size_t kirjutatud = 0;
  while (kirjutatud < baidid.size()) {
    const ssize_t k = pwrite(fd, baidid.data() + kirjutatud, baidid.size() - kirjutatud,
                             static_cast<off_t>(kirjutatud));
    if (k <= 0) break;
    kirjutatud += static_cast<std::size_t>(k);
  }
  teadaolev = -1;
  if (kirjutatud == baidid.size() && ftruncate(fd, static_cast<off_t>(baidid.size())) == 0) {
    ridu = n;
    teadaolev = static_cast<off_t>(baidid.size());
  }
  fcntl(fd, F_SETFL, lipud);
}

}  // namespace zemtar
