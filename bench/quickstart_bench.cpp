// Cost of a whole run of examples/quickstart.tv6: reading, section analysis
// of the drilled shaft, three load cases, the report, plot and message files
// written; and the same run from the command line, without and with the
// JSON and CSV files, whose cost must stay small beside the analysis.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "json/results_json.hpp"
#include "tarvex/engine.hpp"

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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

// tarvex quickstart.tv6 -o DIR [--json | --csv]: first argument 0 none, 1 --json,
// 2 --csv; second argument 1 when the files of the last run are removed first
// (untimed), 0 when each run replaces them. Replacing a file by truncating it
// makes some file systems (ext4) write its data out when it is closed, which
// costs time that does not depend on this program.
void BM_QuickstartCommandLine(benchmark::State& state) {
  char pattern[] = "/tmp/tarvex-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  const std::string input = std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6";
  std::vector<const char*> argv{"tarvex", input.c_str(), "-o", dir.c_str()};
  if (state.range(0) == 1) argv.push_back("--json");
  if (state.range(0) == 2) argv.push_back("--csv");
  tarvex::RunOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 12, 10, 9, 0, 0}; };
  const bool fresh = state.range(1) == 1;
  for (auto _ : state) {
    if (fresh) {
      state.PauseTiming();
      std::filesystem::remove_all(dir);
      std::filesystem::create_directory(dir);
      state.ResumeTiming();
    }
    std::ostringstream out, err;
    const int status =
        tarvex::cli::Main(static_cast<int>(argv.size()), argv.data(), out, err, options);
    if (status != 0) state.SkipWithError("the quickstart run did not end normally");
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_QuickstartCommandLine)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The JSON rendering alone, of the quickstart run's results.
void BM_QuickstartResultsJson(benchmark::State& state) {
  tarvex::AnalyseOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 12, 10, 9, 0, 0}; };
  const tarvex::RunResults results = tarvex::analyse(
      ReadWhole(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6"), options);
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string text = tarvex::RenderResultsJson(results);
    size = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_QuickstartResultsJson)->Unit(benchmark::kMicrosecond);

}  // namespace
