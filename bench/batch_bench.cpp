// Cost of a batch of 100 runs of the examples through the command-line host,
// on one thread and on two: the wall time of each (the speed-up is their
// ratio). Every run writes its report, plot and message files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

namespace {

namespace fs = std::filesystem;

void BM_BatchOf100ExampleRuns(benchmark::State& state) {
  char pattern[] = "/tmp/tarvex-batch-bench-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  std::vector<fs::path> examples;
  for (const auto& e : fs::directory_iterator(fs::path(TARVEX_SOURCE_DIR) / "examples")) {
    if (e.path().extension() == ".tv6") examples.push_back(e.path());
  }
  std::sort(examples.begin(), examples.end());
  std::vector<std::string> args = {"tarvex"};
  for (int i = 0; i < 100; ++i) {
    const fs::path& from = examples[static_cast<std::size_t>(i) % examples.size()];
    const fs::path to = dir / ("run" + std::to_string(i) + "_" + from.filename().string());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    args.push_back(to.string());
  }
  // Named, so that the strings outlive the loop that copies them.
  const std::string threads = std::to_string(state.range(0));
  const std::string out_dir = (dir / "out").string();
  for (const std::string& a : {std::string("-j"), threads, std::string("-o"), out_dir}) {
    args.push_back(a);
  }
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  tarvex::RunOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 12, 10, 9, 0, 0}; };
  for (auto _ : state) {
    std::ostringstream out, err;
    tarvex::cli::Main(static_cast<int>(argv.size()), argv.data(), out, err, options);
    benchmark::DoNotOptimize(out);
  }
  state.counters["runs_per_second"] = benchmark::Counter(
      100.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  fs::remove_all(dir);
}
BENCHMARK(BM_BatchOf100ExampleRuns)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace
