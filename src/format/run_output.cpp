#include "format/run_output.hpp"

#include <algorithm>
#include <string>

#include "format/error_text.hpp"

namespace tarvex {
namespace {

bool Blank(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

}  // namespace

void WriteEndedPrematurely(RecordWriter& r, ErrorId id) {
  if (!ErrorRowOf(id).ended_prematurely_lines) return;
  const std::string_view identity = ErrorRowOf(id).identity;
  const int code = ErrorRowOf(id).code;
  r.Write("(/)");
  if (code >= 1 && code <= 199) {
    r.Write("(A,A)", {"Tarvex ended prematurely due to input error number ", identity});
  } else {
    r.Write("(A,A)", {"Tarvex ended prematurely due to runtime error number ", identity});
  }
  if (code == 125) {
    r.Write("(/A/)", {ErrorHeading(ErrorId::kEmptyInputFile)});
    r.Write("(A)", {"Length of input file is 0 bytes.  No analysis can be performed."});
  }
}

ErrorBlock::ErrorBlock(RunOutput& out) : out_(out) {
  out_.report.Capture(&report_lines_);
  out_.message.Capture(&message_lines_);
}

ErrorBlock::~ErrorBlock() { Close(); }

void ErrorBlock::Close() {
  if (!open_) return;
  open_ = false;
  out_.report.Capture(nullptr);
  out_.message.Capture(nullptr);
}

void ErrorBlock::Record(ErrorId id, std::vector<DiagnosticValue> values, const InputLine* line) {
  Close();
  Diagnostic d = MakeDiagnostic(id, std::move(values));
  const std::vector<std::string>& lines = !report_lines_.empty()    ? report_lines_
                                          : !message_lines_.empty() ? message_lines_
                                                                    : shown_lines_;
  for (const std::string& l : lines) {
    if (!Blank(l)) d.message.push_back(l);
  }
  d.advice = advice_;
  if (line != nullptr) {
    d.file = line->file;
    d.line_number = line->number;
    d.line_text = line->text;
  }
  out_.diagnostics.error_code = d.code;
  out_.diagnostics.error = std::move(d);
}

void ErrorBlock::Report(ErrorId id, std::vector<DiagnosticValue> values, const InputLine* line) {
  Close();
  WriteEndedPrematurely(out_.report, id);
  Record(id, std::move(values), line);
}

void RaiseError(RunOutput& out, ErrorId id, std::vector<DiagnosticValue> values,
                const InputLine* line) {
  ErrorBlock block(out);
  WriteErrorText(id, values, out.report, out.message);
  block.Report(id, std::move(values), line);
}

void WriteRaisedWarning(RecordWriter& message, int number) {
  for (std::string_view line : WarningRaisedText(number)) message.Write("(A)", {line});
}

void ReportError(RunOutput& out, ErrorId id, std::vector<DiagnosticValue> values) {
  WriteEndedPrematurely(out.report, id);
  out.diagnostics.error = MakeDiagnostic(id, std::move(values));
  out.diagnostics.error_code = out.diagnostics.error.code;
}

void ReportNotFinite(RunOutput& out, std::vector<DiagnosticValue> values) {
  RaiseError(out, ErrorId::kNotFinite, std::move(values));
}

}  // namespace tarvex
