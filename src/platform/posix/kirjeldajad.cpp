// Reads and writes on a POSIX descriptor as they are, for the POSIX programs and the web's
// alike: node hands the host's descriptors to the programs built for it.
#include <unistd.h>

#include <cerrno>

#include "platform/platvorm.h"

namespace zemtar {

std::ptrdiff_t loe_valmis(std::FILE* voog, char* puhver, std::size_t maht) {
  ssize_t saadud;
  do {
    saadud = read(fileno(voog), puhver, maht);
  } while (saadud < 0 && errno == EINTR);
  return saadud;
}

void kirjuta(std::FILE* voog, std::string_view baidid) {
  std::fwrite(baidid.data(), 1, baidid.size(), voog);
}

}  // namespace zemtar
