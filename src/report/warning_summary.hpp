// The end of the report and the message file: the summary of warning
// messages and the closing lines.
#ifndef TARVEX_REPORT_WARNING_SUMMARY_HPP_
#define TARVEX_REPORT_WARNING_SUMMARY_HPP_

#include <span>
#include <string>
#include <vector>

#include "core/diagnostics.hpp"
#include "format/record_writer.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// One warning of the summary: its number, the times it was recorded since
// the last load case began (or before the first), and its lines.
struct SummarisedWarning {
  int number = 0;
  int count = 0;
  std::vector<std::string> lines;
};

// The warnings of the summary, ascending by number: from the run's tally as
// the run ends, or from the results of a finished run.
std::vector<SummarisedWarning> SummariseWarnings(const WarningTally& tally);
std::vector<SummarisedWarning> SummariseWarnings(const RunResults& results);

// The fields of the report and the plot file too narrow for their results:
// how many, and the first few of each file by file, line and quantity.
struct FieldOverflows {
  int total = 0;
  std::vector<std::string> named;
};
FieldOverflows CollectOverflows(const RecordWriter& report, const RecordWriter& plot);

// The block of warning 371 that names them, in the report and the message
// file of a run that would end normally.
void WriteOverflowNote(const FieldOverflows& overflows, RecordWriter& file);

// Every warning of the summary with its count and text; or the line saying
// there were none.
void WriteWarningSummary(std::span<const SummarisedWarning> warnings, RecordWriter& report);
void WriteWarningSummary(const WarningTally& tally, RecordWriter& report);

// The closing lines of the report (`report` true) or the message file: how
// the analysis ended (`error_code` 101-199 an input error, 200-299 a runtime
// error, 0 normally) and, after warnings, the warning summary (report) or the
// line saying there were some (message file).
void WriteClosingLines(int error_code, bool report, bool warned,
                       std::span<const SummarisedWarning> warnings, RecordWriter& file);
void WriteClosingLines(const Diagnostics& diagnostics, bool report, bool warned,
                       RecordWriter& file);

}  // namespace tarvex

#endif  // TARVEX_REPORT_WARNING_SUMMARY_HPP_
