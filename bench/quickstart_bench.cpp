// Cost of a whole run of examples/quickstart.tv6: reading, section analysis
// of the drilled shaft, three load cases, the report, plot and message files
// written; and the same run from the command line, without and with the
// JSON and CSV files, whose cost must stay small beside the analysis.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "tarvex/engine.hpp"

namespace {

void BM_QuickstartRun(benchmark::State& state) {
  char pattern[] = "/tmp/tarvex-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  const tarvex::RunFiles files{std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6",
                               dir + "/q.out", dir + "/q.plt", dir + "/q.msg"};
  tarvex::RunOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 12, 10, 9, 0, 0}; };
  for (auto _ : state) {
    const int result = tarvex::run(files, options);
    if (result != 0) state.SkipWithError("the quickstart run did not end normally");
  }
  for (const char* f : {"/q.out", "/q.plt", "/q.msg"}) std::remove((dir + f).c_str());
  rmdir(dir.c_str());
}
BENCHMARK(BM_QuickstartRun)->Unit(benchmark::kMillisecond);

// tarvex quickstart.tv6 -o DIR [--json | --csv]: argument 0 none, 1 --json, 2 --csv.
void BM_QuickstartCommandLine(benchmark::State& state) {
  char pattern[] = "/tmp/tarvex-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  const std::string input = std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6";
  std::vector<const char*> argv{"tarvex", input.c_str(), "-o", dir.c_str()};
  if (state.range(0) == 1) argv.push_back("--json");
  if (state.range(0) == 2) argv.push_back("--csv");
  tarvex::RunOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 12, 10, 9, 0, 0}; };
  for (auto _ : state) {
    std::ostringstream out, err;
    const int status =
        tarvex::cli::Main(static_cast<int>(argv.size()), argv.data(), out, err, options);
    if (status != 0) state.SkipWithError("the quickstart run did not end normally");
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_QuickstartCommandLine)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
