// Errors and warnings of a run. An error has an identity ("INP00095",
// "RUN00009") and a code (100 + number for input errors, 200 + number for
// runtime errors); the first positive code ends the run. Warnings are counted
// by number and summarised once at the end of the report.
#ifndef TARVEX_ENGINE_DIAGNOSTICS_HPP_
#define TARVEX_ENGINE_DIAGNOSTICS_HPP_

#include <array>
#include <initializer_list>
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

class AnalysisModel;

// Reports an error: writes the "ended prematurely" lines to the report and
// stores the code as the run's error code. The raising stage has already
// written the error's description.
void ReportError(AnalysisModel& model, std::string_view identity, int code);

// Stores a runtime error code without the reporter (codes 228 and 229).
void SetErrorCode(AnalysisModel& model, int code);

// Runtime error 28 (code 228, stored without the reporter like the
// not-a-number deflection of the iteration) for a result that is not a finite
// number: `lines` say where it arose. Written to the report and the message
// file, so that no such number is handed on as a result.
void ReportNotFinite(AnalysisModel& model, std::initializer_list<std::string> lines);

// The last guard of a run that would end normally: when any numeric field of
// the report, plot or message file held NaN or an infinity, the run ends with
// runtime error 28 instead.
void CheckResultsFinite(AnalysisModel& model);

// Ends the run with runtime error 12 when a stage of the analysis is not part
// of this build of the engine, so that no run goes on without it.
void ReportStageNotBuilt(AnalysisModel& model, std::string_view stage);

// The warning summary at the end of the report; sets the head to the number
// of distinct warnings counted since the last load case began.
void WriteWarningSummary(AnalysisModel& model);

// The result the host receives: the error code when positive; otherwise the
// single warning's (negative) number, -300 for several warnings, or 0.
int ResultCode(const AnalysisModel& model);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_DIAGNOSTICS_HPP_
