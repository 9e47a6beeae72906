// The command-line host: tarvex INPUT [-o DIR].
#ifndef TARVEX_CLI_CLI_HPP_
#define TARVEX_CLI_CLI_HPP_

#include <iosfwd>
#include <string>

#include "tarvex/engine.hpp"

namespace tarvex::cli {

// Exit status of the host.
enum ExitStatus {
  kNormal = 0,  // normal end, or warnings only
  kInputError = 1,
  kRuntimeError = 2,
  kFilesUnusable = 3,  // input or output files unusable, or bad arguments
};

// The help: the ways to call the program and every option with an example.
std::string UsageText();
// Its first lines (the ways to call the program), for a bad command line.
std::string UsageSynopsis();

// `v` with `digits` significant digits: fixed-point from 0.001 to below
// 10 million, exponent form beyond; a zero is "0"; "-" when not finite.
std::string Significant(double v, int digits);

// Runs the host with its arguments; writes to out and err. `options` lets
// tests fix the clock.
int Main(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
         const RunOptions& options = {});

}  // namespace tarvex::cli

#endif  // TARVEX_CLI_CLI_HPP_
