// Where every stage of a run writes: the report, plot and message files, and
// the run's record of its error and warnings. A stage that detects an error
// writes its block, reports the error here and returns; the run sequence
// tests failed() after every stage.
#ifndef TARVEX_FORMAT_RUN_OUTPUT_HPP_
#define TARVEX_FORMAT_RUN_OUTPUT_HPP_

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/diagnostics.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

struct RunOutput {
  RecordWriter report;
  RecordWriter plot;
  RecordWriter message;
  Diagnostics diagnostics;

  bool failed() const { return diagnostics.failed(); }
  WarningTally& warnings() { return diagnostics.warnings; }
};

// The line of the input data file an error is about.
struct InputLine {
  std::string file;  // the input data file's path
  int number = 0;    // 1-based
  std::string text;  // the line as read
};

// The block of lines that describes an error. The lines written to the
// report and message files while the block is open (from its construction to
// Report) become the error's message, blank lines dropped: the report's
// lines, or the message file's when the block wrote none to the report.
// Report records the error with its identity, code and message; a block
// closed without it records nothing.
class ErrorBlock {
 public:
  explicit ErrorBlock(RunOutput& out);
  ~ErrorBlock();
  ErrorBlock(const ErrorBlock&) = delete;
  ErrorBlock& operator=(const ErrorBlock&) = delete;

  // Reports error `id` of the catalogue: the "ended prematurely" lines of
  // the report (when its row has them), the run's error code and its
  // diagnostic with the values it is about (and the input line, when given).
  void Report(ErrorId id, std::vector<DiagnosticValue> values = {},
              const InputLine* line = nullptr);

  // Further advice the host may show with the error; not written to any file.
  void Advise(std::string advice) { advice_ = std::move(advice); }

  // A line of the error shown elsewhere (on the standard error stream): the
  // message when neither file took a line of the block.
  void AddShownLine(std::string line) { shown_lines_.push_back(std::move(line)); }

 private:
  void Close();
  void Record(ErrorId id, std::vector<DiagnosticValue> values, const InputLine* line);

  RunOutput& out_;
  std::vector<std::string> report_lines_;
  std::vector<std::string> message_lines_;
  std::vector<std::string> shown_lines_;
  std::string advice_;
  bool open_ = true;
};

// Raises error `id` with the values it is about: writes its text (the
// error's lines in the report and message files, format/error_text.hpp),
// the report's "ended prematurely" lines, and records it with its message,
// its values and the input line, when given.
void RaiseError(RunOutput& out, ErrorId id, std::vector<DiagnosticValue> values = {},
                const InputLine* line = nullptr);

// The report's "ended prematurely" lines after the lines of error `id`,
// when its row of the catalogue has them.
void WriteEndedPrematurely(RecordWriter& report, ErrorId id);

// Reports error `id` without a block of its own: writes the "ended
// prematurely" lines to the report and stores the error, with the values it
// is about, as the run's error.
void ReportError(RunOutput& out, ErrorId id, std::vector<DiagnosticValue> values = {});

// Writes the lines that warning `number` writes to the message file where
// it is raised (WarningRaisedText); record the warning with RecordWarning.
void WriteRaisedWarning(RecordWriter& message, int number);

// Runtime error 28 (code 228, stored without the reporter like the
// not-a-number deflection of the iteration) for a result that is not a finite
// number: `values` say where it arose (the result, and the section, load
// case or node of it). Written to the report and the message file, so that
// no such number is handed on as a result.
void ReportNotFinite(RunOutput& out, std::vector<DiagnosticValue> values);

}  // namespace tarvex

#endif  // TARVEX_FORMAT_RUN_OUTPUT_HPP_
