// Runs the command-line host in the test's own process, as a terminal would
// with the arguments given, and keeps what it printed.
#ifndef TARVEX_TESTS_SUPPORT_CLI_RUN_HPP_
#define TARVEX_TESTS_SUPPORT_CLI_RUN_HPP_

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "tarvex/engine.hpp"

namespace tarvex::testing {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

// `tarvex ARGS...`, with the clock fixed so that the reports' date and time
// are the same in every run.
inline CliResult RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), "tarvex");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  RunOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 5, 7}; };
  const int status = cli::Main(static_cast<int>(argv.size()), argv.data(), out, err, options);
  return {status, out.str(), err.str()};
}

}  // namespace tarvex::testing

#endif  // TARVEX_TESTS_SUPPORT_CLI_RUN_HPP_
