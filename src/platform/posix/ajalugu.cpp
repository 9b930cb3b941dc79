#include "platform/posix/ajalugu.h"

#include <histedit.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace zemtar {

namespace {

// Lines kept: a long session's worth, and little enough to rewrite after every line.
constexpr int MAHT = 1000;

// ZEMTAR_AJALUGU when it is set (set but empty: no file), otherwise the program's file in the
// user's state folder. A relative XDG_STATE_HOME counts as unset, as that convention says.
std::string failinimi(const char* programm) {
  if (const char* nimi = std::getenv("ZEMTAR_AJALUGU")) return nimi;
  const char* olek = std::getenv("XDG_STATE_HOME");
  std::string kaust;
  if (olek != nullptr && olek[0] == '/') {
    kaust = olek;
  } else {
    const char* kodu = std::getenv("HOME");
    if (kodu == nullptr || kodu[0] == '\0') return {};
    kaust = std::string(kodu) + "/.local/state";
  }
  return kaust + "/zemtar/" + programm + ".ajalugu";
}

// Makes the missing folders on the way to a file, for the user alone.
void tee_kaustad(const std::string& fail) {
  for (std::size_t kriips = fail.find('/', 1); kriips != std::string::npos;
       kriips = fail.find('/', kriips + 1))
    mkdir(fail.substr(0, kriips).c_str(), 0700);  // one that exists stays as it is
}

}  // namespace

ajalugu::ajalugu(const char* programm) : kirjed_(history_init()), fail(failinimi(programm)) {
  HistEvent syndmus;
  history(kirjed_, &syndmus, H_SETSIZE, MAHT);
  history(kirjed_, &syndmus, H_SETUNIQUE, 1);
  // A file that is missing or empty starts the history empty. One that cannot be read as a
  // history (another format, no permission) is left as it is: nothing is written over it.
  struct stat olemas;
  if (!fail.empty() && history(kirjed_, &syndmus, H_LOAD, fail.c_str()) < 0 &&
      stat(fail.c_str(), &olemas) == 0 && olemas.st_size > 0)
    fail.clear();
}

ajalugu::~ajalugu() {
  history_end(kirjed_);
}

void ajalugu::lisa(std::string_view rida) {
  if (!rida.empty() && rida.back() == '\n') rida.remove_suffix(1);
  if (rida.find_first_not_of(" \t") == std::string_view::npos) return;
  // A copy with its NUL, as libedit wants it; a line too long for one is not kept.
  const std::unique_ptr<char, decltype(&std::free)> tekst(strndup(rida.data(), rida.size()),
                                                          &std::free);
  if (!tekst) return;
  HistEvent syndmus;
  history(kirjed_, &syndmus, H_ENTER, tekst.get());
  if (!fail.empty()) salvesta();
}

// Into a new file beside the old one (mkstemp gives it mode 0600), which then takes the old
// one's place: a run killed while saving leaves the last whole file. Failures are silent.
void ajalugu::salvesta() const {
  tee_kaustad(fail);
  std::string uus = fail + ".XXXXXX";
  const int fd = mkstemp(uus.data());
  if (fd < 0) return;
  std::FILE* valja = fdopen(fd, "w");
  if (valja == nullptr) {
    close(fd);
    unlink(uus.c_str());
    return;
  }
  HistEvent syndmus;
  bool korras = history(kirjed_, &syndmus, H_SAVE_FP, valja) >= 0 && !std::ferror(valja);
  korras = std::fclose(valja) == 0 && korras;
  if (!korras || std::rename(uus.c_str(), fail.c_str()) != 0) unlink(uus.c_str());
}

}  // namespace zemtar
