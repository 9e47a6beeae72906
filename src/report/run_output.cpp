#include "report/run_output.hpp"

#include <string>

namespace tarvex {

void ReportError(RunOutput& out, std::string_view identity, int code) {
  Diagnostics& d = out.diagnostics;
  d.error_context = out.report.RecentLines();
  d.message_context = out.message.RecentLines();
  RecordWriter& r = out.report;
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
  d.error_code = code;
  d.error_identity = std::string(identity);
}

void SetErrorCode(RunOutput& out, int code) {
  Diagnostics& d = out.diagnostics;
  d.error_context = out.report.RecentLines();
  d.message_context = out.message.RecentLines();
  d.error_code = code;
  d.error_identity.clear();
}

void ReportNotFinite(RunOutput& out, std::initializer_list<std::string> lines) {
  for (RecordWriter* w : {&out.report, &out.message}) {
    w->Write("(//A/)", {"**** Runtime Error No. 28 ****"});
    for (const std::string& line : lines) w->Write("(A)", {line});
    w->Write("()");
  }
  SetErrorCode(out, 228);
}

void ReportStageNotBuilt(RunOutput& out, std::string_view stage) {
  for (RecordWriter* w : {&out.report, &out.message}) {
    w->Write("(//A/)", {"**** Runtime Error No. 12 ****"});
    w->Write("(A,A,A)", {"This build of the engine cannot yet perform the ", stage, "."});
    w->Write("(A/)", {"No results are computed for this run."});
  }
  ReportError(out, "RUN00012", 212);
}

}  // namespace tarvex
