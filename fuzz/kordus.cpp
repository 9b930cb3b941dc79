// Replays fuzz inputs without libFuzzer: each argument is a file or a folder of files, each
// file one input for the target this is linked with. Lets every build's tests run the corpus
// and the kept findings.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* andmed, std::size_t suurus);

namespace {

int kasuta(const std::filesystem::path& fail) {
  std::ifstream sisse(fail, std::ios::binary);
  if (!sisse) {
    std::fprintf(stderr, "ei saa lugeda: %s\n", fail.c_str());
    return 1;
  }
  const std::vector<char> andmed((std::istreambuf_iterator<char>(sisse)),
                                 std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(andmed.data()), andmed.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int vigu = 0;
  int sisendeid = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path koht(argv[i]);
    if (!std::filesystem::is_directory(koht)) {
      vigu += kasuta(koht);
      ++sisendeid;
      continue;
    }
    for (const auto& kirje : std::filesystem::directory_iterator(koht)) {
      if (!kirje.is_regular_file()) continue;
      vigu += kasuta(kirje.path());
      ++sisendeid;
    }
  }
  std::printf("%d inputs replayed\n", sisendeid);
  return vigu == 0 && sisendeid > 0 ? 0 : 1;
}
