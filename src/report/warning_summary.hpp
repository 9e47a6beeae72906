// The summary of warning messages at the end of the report.
#ifndef TARVEX_REPORT_WARNING_SUMMARY_HPP_
#define TARVEX_REPORT_WARNING_SUMMARY_HPP_

#include "core/diagnostics.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

// Every warning counted since the last load case began (or before the
// first), ascending by number, with its count and text; or the line saying
// there were none.
void WriteWarningSummary(const WarningTally& tally, RecordWriter& report);

}  // namespace tarvex

#endif  // TARVEX_REPORT_WARNING_SUMMARY_HPP_
