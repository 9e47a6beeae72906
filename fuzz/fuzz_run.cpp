// Fuzz target: a whole run of the engine on arbitrary input text. Any input
// must end the run in order (a result code, the files written), never crash,
// hang or read out of bounds.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tarvex/engine.hpp"

namespace {

const std::string& WorkDirectory() {
  static const std::string dir = [] {
    char pattern[] = "/tmp/tarvex-fuzz-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) std::abort();
    return std::string(made);
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& dir = WorkDirectory();
  const tarvex::RunFiles files{dir + "/in.tv6", dir + "/run.out", dir + "/run.plt",
                               dir + "/run.msg"};
  std::FILE* f = std::fopen(files.input.c_str(), "wb");
  if (f == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);

  tarvex::RunOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 1, 1, 0, 0, 0}; };
  const int result = tarvex::run(files, options);
  // Every run ends with a code the host understands.
  const bool known = result == 0 || result == -300 || (result < 0 && result >= -4000) ||
                     (result >= 101 && result <= 299) || result == 999;
  if (!known) std::abort();
  return 0;
}
