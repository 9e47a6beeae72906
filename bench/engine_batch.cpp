// The C++ reference of bench/python_overhead.py: runs a batch of input files
// through tarvex::run as the Python module does (each run in a private
// folder of its own, the results as data, the three output files read back),
// with a number of threads, and prints the wall-clock time of the batch.
//
//   tarvex_engine_batch THREADS INPUT...
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tarvex/engine.hpp"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::string data(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
  in.seekg(0);
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

// One run of the batch; false when the run did not end normally.
bool RunOne(const std::string& input) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvex-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return false;
  const std::filesystem::path dir = pattern;
  const tarvex::RunFiles files{input, (dir / "input.out").string(), (dir / "input.plt").string(),
                               (dir / "input.msg").string()};
  tarvex::RunOutcome outcome;
  tarvex::RunOptions options;
  options.outcome = &outcome;
  const int result = tarvex::run(files, options);
  outcome.results.report_text = ReadFile(files.report);
  outcome.results.plot_text = ReadFile(files.plot);
  outcome.results.message_text = ReadFile(files.message);
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return result == 0 && !outcome.results.cases.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tarvex_engine_batch THREADS INPUT...\n");
    return 3;
  }
  const int threads = std::atoi(argv[1]);
  if (threads < 1) {
    std::fprintf(stderr, "THREADS must be a positive integer, not %s\n", argv[1]);
    return 3;
  }
  const std::vector<std::string> inputs(argv + 2, argv + argc);
  std::atomic<std::size_t> next{0};
  std::atomic<int> failed{0};
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) {
    pool.emplace_back([&] {
      for (std::size_t i = next++; i < inputs.size(); i = next++) {
        if (!RunOne(inputs[i])) ++failed;
      }
    });
  }
  for (std::thread& t : pool) t.join();
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%zu runs, %d threads: %.3f s\n", inputs.size(), threads, seconds.count());
  if (failed > 0) {
    std::fprintf(stderr, "%d runs did not end normally\n", failed.load());
    return 1;
  }
  return 0;
}
