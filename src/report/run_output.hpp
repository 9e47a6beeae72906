// Where every stage of a run writes: the report, plot and message files, and
// the run's record of its error and warnings. A stage that detects an error
// writes its block, reports the error here and returns; the run sequence
// tests failed() after every stage.
#ifndef TARVEX_REPORT_RUN_OUTPUT_HPP_
#define TARVEX_REPORT_RUN_OUTPUT_HPP_

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/diagnostics.hpp"
#include "report/record_writer.hpp"

namespace tarvex {

struct RunOutput {
  RecordWriter report;
  RecordWriter plot;
  RecordWriter message;
  Diagnostics diagnostics;

  bool failed() const { return diagnostics.failed(); }
  WarningTally& warnings() { return diagnostics.warnings; }
};

// Reports an error: writes the "ended prematurely" lines to the report and
// stores the code as the run's error code. The raising stage has already
// written the error's description.
void ReportError(RunOutput& out, std::string_view identity, int code);

// Stores a runtime error code without the reporter (codes 228 and 229).
void SetErrorCode(RunOutput& out, int code);

// Runtime error 28 (code 228, stored without the reporter like the
// not-a-number deflection of the iteration) for a result that is not a finite
// number: `lines` say where it arose. Written to the report and the message
// file, so that no such number is handed on as a result.
void ReportNotFinite(RunOutput& out, std::initializer_list<std::string> lines);

// Ends the run with runtime error 12 when a stage of the analysis is not part
// of this build of the engine, so that no run goes on without it.
void ReportStageNotBuilt(RunOutput& out, std::string_view stage);

}  // namespace tarvex

#endif  // TARVEX_REPORT_RUN_OUTPUT_HPP_
