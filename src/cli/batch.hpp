// Batches of the command-line host: tarvex A.tv6 B.tv6 ... [-j N] [-o DIR]
// [--summary FILE.csv]. Every input is analysed on one of N threads and
// writes its report, plot and message files exactly as a single run of it
// would; the host prints one line per input, in the order given, and a
// closing count.
#ifndef TARVEX_CLI_BATCH_HPP_
#define TARVEX_CLI_BATCH_HPP_

#include <filesystem>
#include <iosfwd>
#include <string>

#include "tarvex/engine.hpp"

namespace tarvex::cli {

// Why the input file at `input` cannot be analysed, in the words the engine
// uses for it ("no such file", "not a regular file", or the system's reason,
// such as "Too many levels of symbolic links"); empty when it is a regular
// file.
std::string InputFileProblem(const std::filesystem::path& input);

// True when the arguments ask for a batch: more than one input file, or one
// of the batch options -j/--jobs and --summary.
bool IsBatch(int argc, const char* const* argv);

// Runs the batch. Returns the worst exit status of its runs (the highest), or
// the status of bad arguments or an unusable summary file, in which case no
// input is analysed. `progress` allows the progress line on `err`, shown only
// for batches that last longer than a second.
int RunBatch(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
             const RunOptions& options, bool progress);

}  // namespace tarvex::cli

#endif  // TARVEX_CLI_BATCH_HPP_
