// Tarvex engine: the C++ entry point.
#ifndef TARVEX_ENGINE_HPP_
#define TARVEX_ENGINE_HPP_

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tarvex/export.h"

namespace tarvex {

// The four files of a run.
struct RunFiles {
  std::string input;    // input data file
  std::string report;   // output report file
  std::string plot;     // plot output file
  std::string message;  // runtime message file
};

// A local date and time, for the report's date block.
struct DateTime {
  int year = 2000;
  int month = 1;  // 1 .. 12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The results of one load case, in the run's computing units.
struct CaseSummary {
  int case_number = 0;
  double deflection = 0.0;  // pile-head deflection
  double rotation = 0.0;    // pile-head rotation, radians
  double max_moment = 0.0;
  double max_moment_depth = 0.0;
  double max_shear = 0.0;
  double max_shear_depth = 0.0;
  int iterations = 0;
};

// What a host may want to know about a run beyond its result code.
struct RunOutcome {
  int result = 0;                          // as returned by run()
  std::string error_identity;              // "INP00095", "RUN00028"; empty without an error
  std::vector<std::string> error_message;  // the error's description, as written
  // Every warning number recorded during the run, ascending, with its count.
  std::vector<std::pair<int, int>> warnings;
  // The load cases analysed, and the units of their values.
  std::vector<CaseSummary> cases;
  std::string length_unit;  // "in", "m" or "L"
  std::string force_unit;   // "lb", "kN" or "F"
  std::string moment_unit;  // "in-lb", "kN-m" or "F-L"
};

struct RunOptions {
  // Gives the report's date and time; the machine's local time when empty.
  std::function<DateTime()> clock;
  // Filled at the end of the run when not null.
  RunOutcome* outcome = nullptr;
};

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
