// Fuzz target: a whole run of the engine on arbitrary input text. Any input
// must end the run in order (a result code the host knows, the files
// written), never crash, hang or read out of bounds, and never end normally
// without an analysis or with a number that is not finite, nor with a report
// or plot file other than its results render (run_checks.hpp).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "run_checks.hpp"
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

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& dir = WorkDirectory();
  const tarvex::RunFiles files{dir + "/in.tv6", dir + "/run.out", dir + "/run.plt",
                               dir + "/run.msg"};
  // No file of the run before may stand in for one this run did not write.
  for (const std::string* path : {&files.report, &files.plot, &files.message}) {
    std::remove(path->c_str());
  }
  std::FILE* f = std::fopen(files.input.c_str(), "wb");
  if (f == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);

  tarvex::RunOutcome outcome;
  tarvex::RunOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 1, 1, 0, 0, 0}; };
  options.outcome = &outcome;
  const int result = tarvex::run(files, options);

  // The files: the checks of a normal end read every number, those of an
  // error the error's lines rendered again from the results.
  tarvex::fuzz::RunTexts texts;
  texts.input.assign(reinterpret_cast<const char*>(data), size);
  texts.report = ReadAll(files.report);
  texts.plot = ReadAll(files.plot);
  texts.message = ReadAll(files.message);
  std::string fault = tarvex::fuzz::CheckRun(result, outcome, texts);
  if (fault.empty()) fault = tarvex::fuzz::CheckRenderedFiles(result, outcome, texts);
  if (!fault.empty()) {
    std::fprintf(stderr, "\ntarvex fuzz: %s (result %d)\n", fault.c_str(), result);
    std::abort();
  }
  return 0;
}
