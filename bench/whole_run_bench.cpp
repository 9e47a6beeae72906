// Cost of whole in-process runs: reading the input, the section analysis, the
// load cases and the report, plot and message files written. The case is a
// 324 x 12.7 mm steel pipe pile, 12.8 m long, free head under 44.5 kN in soft
// clay, 400 increments. Counters: the allocations of one run and the peak of
// the heap it holds (the memory one run needs, beside the stdio buffers).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "allocation_counter.hpp"
#include "tarvex/engine.hpp"

namespace {

void RunWhole(benchmark::State& state, const std::string& input) {
  // The files go to $TMPDIR (default /tmp): a tmpfs there leaves out the
  // file system's own costs of truncating and rewriting the three files.
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tarvex-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern.data());
  const tarvex::RunFiles files{input, dir + "/r.out", dir + "/r.plt", dir + "/r.msg"};
  tarvex::RunOptions options;
  options.clock = [] { return tarvex::DateTime{2026, 12, 10, 9, 0, 0}; };
  long long allocations = 0;
  long long peak = 0;
  const bool fresh = state.range(0) == 1;
  for (auto _ : state) {
    if (fresh) {
      state.PauseTiming();
      for (const char* f : {"/r.out", "/r.plt", "/r.msg"}) std::remove((dir + f).c_str());
      state.ResumeTiming();
    }
    const long long before = tarvex::bench::allocations.load();
    const long long live = tarvex::bench::live_bytes.load();
    tarvex::bench::ResetPeak();
    const int result = tarvex::run(files, options);
    if (result != 0) state.SkipWithError("the run did not end normally");
    allocations = tarvex::bench::allocations.load() - before;
    peak = tarvex::bench::peak_bytes.load() - live;
  }
  state.counters["allocations_per_run"] = static_cast<double>(allocations);
  state.counters["peak_heap_bytes_per_run"] = static_cast<double>(peak);
  for (const char* f : {"/r.out", "/r.plt", "/r.msg"}) std::remove((dir + f).c_str());
  rmdir(dir.c_str());
}

void BM_WholeRunPipeInSoftClay400Increments(benchmark::State& state) {
  RunWhole(state, std::string(TARVEX_SOURCE_DIR) + "/bench/inputs/pipe_soft_clay_si.tv6");
}
// Argument 1: the files of the last run are removed first (untimed), as for
// a single run; 0: each run replaces them at once, and a file system that
// writes a replaced file's data out when it is truncated (ext4) adds its own
// wait to the time.
BENCHMARK(BM_WholeRunPipeInSoftClay400Increments)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
