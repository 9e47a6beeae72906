#include "engine/diagnostics.hpp"

#include <string>

namespace tarvex {

void CheckResultsFinite(RunOutput& out) {
  if (out.failed()) return;
  const char* file = out.report.wrote_non_finite()    ? "report"
                     : out.plot.wrote_non_finite()    ? "plot file"
                     : out.message.wrote_non_finite() ? "runtime message file"
                                                      : nullptr;
  if (file == nullptr) return;
  ReportNotFinite(out, {ErrorTextValue("result", "written value"), ErrorTextValue("file", file)});
}

int ResultCode(const Diagnostics& diagnostics) {
  if (diagnostics.error_code > 0) return diagnostics.error_code;
  const WarningTally& tally = diagnostics.warnings;
  const int distinct = SummarisedWarnings(tally);
  if (distinct > 1) return -300;
  if (distinct == 1) {
    for (int w = 1; w <= kMaxWarningNumber; ++w) {
      if (tally.counts[static_cast<std::size_t>(w)] != 0) return -w;
    }
  }
  return 0;
}

}  // namespace tarvex
