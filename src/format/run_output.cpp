#include "format/run_output.hpp"

#include <algorithm>
#include <string>

namespace tarvex {
namespace {

// The "ended prematurely" lines of the reporter.
void WriteEndedPrematurely(RecordWriter& r, std::string_view identity, int code) {
  r.Write("(/)");
  if (code >= 1 && code <= 199) {
    r.Write("(A,A)", {"Tarvex ended prematurely due to input error number ", identity});
  } else {
    r.Write("(A,A)", {"Tarvex ended prematurely due to runtime error number ", identity});
  }
  if (code == 125) {
    r.Write("(/A/)", {"**** Input Data Error No. 25 ****"});
    r.Write("(A)", {"Length of input file is 0 bytes.  No analysis can be performed."});
  }
}

bool Blank(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

}  // namespace

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

void ErrorBlock::Record(std::string_view identity, int code, const InputLine* line) {
  Close();
  Diagnostic d = MakeDiagnostic(identity, code);
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
  out_.diagnostics.error = std::move(d);
  out_.diagnostics.error_code = code;
}

void ErrorBlock::Report(std::string_view identity, int code, const InputLine* line) {
  Close();
  WriteEndedPrematurely(out_.report, identity, code);
  Record(identity, code, line);
}

void ErrorBlock::Set(std::string_view identity, int code) { Record(identity, code, nullptr); }

void ReportError(RunOutput& out, std::string_view identity, int code) {
  WriteEndedPrematurely(out.report, identity, code);
  out.diagnostics.error = MakeDiagnostic(identity, code);
  out.diagnostics.error_code = code;
}

void SetErrorCode(RunOutput& out, int code) {
  const std::string digits = std::to_string(code - 200);
  out.diagnostics.error = MakeDiagnostic(
      "RUN" + std::string(5 - std::min<std::size_t>(digits.size(), 5), '0') + digits, code);
  out.diagnostics.error_code = code;
}

void ReportNotFinite(RunOutput& out, std::initializer_list<std::string> lines) {
  ErrorBlock block(out);
  for (RecordWriter* w : {&out.report, &out.message}) {
    w->Write("(//A/)", {"**** Runtime Error No. 28 ****"});
    for (const std::string& line : lines) w->Write("(A)", {line});
    w->Write("()");
  }
  block.Set("RUN00028", 228);
}

}  // namespace tarvex
