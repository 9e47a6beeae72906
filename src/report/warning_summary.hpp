// The end of the report and the message file: the summary of warning
// messages and the closing lines.
#ifndef TARVEX_REPORT_WARNING_SUMMARY_HPP_
#define TARVEX_REPORT_WARNING_SUMMARY_HPP_

#include "core/diagnostics.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

// Every warning counted since the last load case began (or before the
// first), ascending by number, with its count and text; or the line saying
// there were none.
void WriteWarningSummary(const WarningTally& tally, RecordWriter& report);

// The closing lines of the report (`report` true) or the message file: how
// the analysis ended (an input or runtime error, or normally) and, after
// warnings, the warning summary (report) or the line saying there were some
// (message file).
void WriteClosingLines(const Diagnostics& diagnostics, bool report, bool warned,
                       RecordWriter& file);

}  // namespace tarvex

#endif  // TARVEX_REPORT_WARNING_SUMMARY_HPP_
