// Errors and warnings of a run. An error is a row of the error catalogue
// (core/error_catalogue.hpp) with its identity, code and heading; the first
// positive code ends the run. Warnings are counted by number and summarised
// once at the end of the report.
#ifndef TARVEX_CORE_DIAGNOSTICS_HPP_
#define TARVEX_CORE_DIAGNOSTICS_HPP_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/error_catalogue.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

constexpr int kMaxWarningNumber = 4000;

// The warning record of a run. The counts are reset at the start of every
// load case; the head and the list accumulate over the run. Warnings
// recorded before the first load case (input checks, section analysis) are
// not the work of any one case: they stay in the counts of every case, so
// that the summary and the result code still report them.
struct WarningTally {
  WarningTally();
  int head = 0;
  std::array<int, kMaxWarningNumber + 1> counts = {};  // by |number|
  std::array<int, kMaxWarningNumber + 1> list = {};    // slot k: number whose count last reached k
  // The counts when the first load case began; every load case starts from them.
  std::array<int, kMaxWarningNumber + 1> before_cases = {};
  bool cases_started = false;

  // What the host is told: every recording by number and load case, in the
  // order each pair was first recorded.
  struct CaseCount {
    int number = 0;
    int load_case = 0;  // 0: before the first load case
    int count = 0;
  };
  int load_case = 0;  // the load case being solved; 0 before the first
  std::vector<CaseCount> by_case;

  // While set, every recording is also noted here: the p-y node loop notes
  // the warnings raised at a node whose values it keeps, so that it can
  // record them again, in the same order, when it reuses those values.
  struct Trace {
    std::array<int, 4> w = {};
    int count = 0;
    bool overflow = false;  // more than fit: the values are not kept
  };
  Trace* trace = nullptr;

  // Lines that a warning's text cannot hold (the layers and depths of a gap
  // in the soil profile), by warning number, in the order recorded; kept for
  // the whole run. They follow the text in the summary and in the results.
  struct Detail {
    int number = 0;
    std::string line;
  };
  std::vector<Detail> details;
};

// Records warning w (passed negative, e.g. -3041) in the load case being
// solved.
void RecordWarning(WarningTally& tally, int w);
// The same for a warning about load case `load_case` raised after it (the
// LRFD check of a combination).
void RecordWarning(WarningTally& tally, int w, int load_case);

// Adds a line of detail to warning w (passed negative); record the warning
// itself with RecordWarning.
void RecordWarningDetail(WarningTally& tally, int w, std::string line);

// Start of load case `load_case`: counts back to those recorded before the
// first load case (zero for warnings of the load cases).
void ResetWarningsForLoadCase(WarningTally& tally, int load_case);

// The number of distinct warnings the summary lists: those with a count
// since the last load case began (or before the first).
int SummarisedWarnings(const WarningTally& tally);

// The lines of warning `number`'s text ("" for an empty line); empty when the
// number has no text.
std::vector<std::string_view> WarningText(int number);

// The lines that warning `number` writes to the message file where it is
// raised, before it is counted ("" for an empty line); empty for the
// warnings that write none there (most: they are summarised at the end).
std::vector<std::string_view> WarningRaisedText(int number);

// The text of warning `number` with the details recorded for it, which come
// before the text's closing empty line: the lines of the summary and of the
// results.
std::vector<std::string> WarningLines(const WarningTally& tally, int number);

// The diagnostic of error `id`: its identity, code, number and kind from its
// row of the catalogue, and the values it is about.
Diagnostic MakeDiagnostic(ErrorId id, std::vector<DiagnosticValue> values = {});

// A value of an error: a number with its unit, or a text.
DiagnosticValue ErrorValue(std::string name, double value, std::string_view unit = {});
DiagnosticValue ErrorTextValue(std::string name, std::string text);

// The run's record of its error and warnings.
struct Diagnostics {
  int error_code = 0;  // 0, 101..199 input error, 200..299 runtime error, 999
  // The error that ended the run, made where it was raised; its identity is
  // empty while there is none.
  Diagnostic error;
  WarningTally warnings;

  bool failed() const { return error_code > 0; }
};

}  // namespace tarvex

#endif  // TARVEX_CORE_DIAGNOSTICS_HPP_
