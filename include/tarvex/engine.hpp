// Tarvex engine: the C++ entry point.
#ifndef TARVEX_ENGINE_HPP_
#define TARVEX_ENGINE_HPP_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tarvex/export.h"
#include "tarvex/results.hpp"

namespace tarvex {

// What a host may want to know about a run beyond its result code: the
// numbers of the run as data, its warnings and the error that ended it.
struct RunOutcome {
  int result = 0;  // as returned by run(); the same as results.result_code
  RunResults results;
};

struct RunOptions {
  // Gives the report's date and time; the machine's local time when empty.
  std::function<DateTime()> clock;
  // Filled at the end of the run when not null.
  RunOutcome* outcome = nullptr;
  // No message on the standard error stream: a host that shows the error of
  // the outcome itself (a file that cannot be used is otherwise named there
  // too, as the report and message file may be the files that failed).
  bool quiet = false;
  // With n > 0 (up to 1000), every load case of a run that ends without an
  // error is solved again at n levels of its head loads, 1/n up to the
  // whole, into its `load_curve`; the report, plot and message files are
  // those of the run without it. Only the results (outcome) carry the curves.
  int load_steps = 0;
};

struct AnalyseOptions {
  // Gives the report's date and time; the machine's local time when empty.
  std::function<DateTime()> clock;
  // Keep the texts of the report, plot and message files in the results
  // (report_text, plot_text, message_text); lines end with LF.
  bool keep_texts = false;
  // The file names the report's header shows and an input error names. No
  // file of these names is read or written.
  RunFiles names{"input.tv6", "input.out", "input.plt", "input.msg"};
  // The load-deflection curve of every load case at this many load levels,
  // as RunOptions::load_steps.
  int load_steps = 0;
};

// Runs one analysis of the input text without touching the file system: the
// run that run() performs, with the three output files kept in memory.
// results.result_code is what run() would return. Any number of analyses
// may run at once on different threads.
TARVEX_API RunResults analyse(std::string_view input_text, const AnalyseOptions& options = {});

// What the checks of an input made before its analysis found.
struct CheckResults {
  // What a run of the input would return if its analysis added nothing: 0,
  // the negative number of the one warning (-300 for several), or the error's
  // code. The outcome is the one that code gives.
  int result_code = 0;
  Outcome outcome = Outcome::kNormal;
  // The first error; the checks stop at it as a run does. Its line_number
  // and line_text give the input line when the error is about one line (the
  // errors of the reader); the cross-checks between sections give none.
  std::optional<Diagnostic> error;
  // The warnings of the checks with their texts (load_case 0), by number.
  std::vector<WarningRecord> warnings;
  // The lines of warning 372: each line that held more values than are read
  // from it, with the values ignored.
  struct IgnoredLine {
    int line_number = 0;    // 1-based
    std::string line_text;  // the line as read
    std::string values;     // the values ignored, as written
  };
  std::vector<IgnoredLine> ignored_lines;
};

// Checks an input text as a run checks it before the analysis, and writes
// nothing: the reader with every check of its values, the cross-checks
// between the sections made with the input echo, and the checks of the pile
// and the ground surface made before the load cases. The same stages as
// analyse() runs, stopped before section analysis; errors name the input by
// `input_name`. Any number of checks may run at once on different threads.
TARVEX_API CheckResults check(std::string_view input_text,
                              const std::string& input_name = "input.tv6");

// Runs one analysis. Returns 0 for a normal end, a negative warning number
// (-300 for several warnings) or a positive error code (101-199 input error,
// 200-299 runtime error, 999 internal error).
TARVEX_API int run(const RunFiles& files, const RunOptions& options = {});

// Reads the four paths from a control file laid out as NAMES.DAT and runs the
// analysis; the control-file errors (202-206, 217) are reported on the
// standard error stream.
TARVEX_API int run_with_control_file(const std::string& control_path,
                                     const RunOptions& options = {});

// The engine's version text in parentheses, "(6.0.28)".
TARVEX_API const char* version_text();

}  // namespace tarvex

#endif  // TARVEX_ENGINE_HPP_
