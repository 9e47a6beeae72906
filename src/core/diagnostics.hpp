// Errors and warnings of a run. An error has an identity ("INP00095",
// "RUN00009") and a code (100 + number for input errors, 200 + number for
// runtime errors); the first positive code ends the run. Warnings are counted
// by number and summarised once at the end of the report.
#ifndef TARVEX_CORE_DIAGNOSTICS_HPP_
#define TARVEX_CORE_DIAGNOSTICS_HPP_

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

constexpr int kMaxWarningNumber = 4000;

// The warning record of a run. The counts and text flags are reset at the
// start of every load case; the head and the list accumulate over the run.
// Warnings recorded before the first load case (input checks, section
// analysis) are not the work of any one case: they stay in the counts of
// every case, so that the summary and the result code still report them.
struct WarningTally {
  WarningTally();
  int head = 0;
  std::array<int, kMaxWarningNumber + 1> counts = {};  // by |number|
  std::array<int, kMaxWarningNumber + 1> list = {};    // slot k: number whose count last reached k
  std::array<bool, kMaxWarningNumber + 1> text_flags = {};
  // Whole-run count per number, never reset: what the host is told.
  std::array<int, kMaxWarningNumber + 1> run_counts = {};
  // The counts when the first load case began; every load case starts from them.
  std::array<int, kMaxWarningNumber + 1> before_cases = {};
  bool cases_started = false;
};

// Records warning w (passed negative, e.g. -3041).
void RecordWarning(WarningTally& tally, int w);

// Start of a load case: counts back to those recorded before the first load
// case (zero for warnings of the load cases), every text flag set.
void ResetWarningsForLoadCase(WarningTally& tally);

// The lines of warning `number`'s text ("" for an empty line); empty when the
// number has no text.
std::vector<std::string_view> WarningText(int number);

// The run's record of its error and warnings.
struct Diagnostics {
  int error_code = 0;          // 0, 101..199 input error, 200..299 runtime error, 999
  std::string error_identity;  // "INP00095", "RUN00009"; empty when none was reported
  // The last lines of the report and message file when the error was raised:
  // the error's description, for the host's summary of the outcome.
  std::vector<std::string> error_context;
  std::vector<std::string> message_context;
  WarningTally warnings;

  bool failed() const { return error_code > 0; }
};

}  // namespace tarvex

#endif  // TARVEX_CORE_DIAGNOSTICS_HPP_
