// Cost of a whole run of examples/quickstart.tv6: reading, section analysis
// of the drilled shaft, three load cases, the report, plot and message files
// written.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

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

}  // namespace
