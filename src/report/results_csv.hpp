// The results of a run as CSV tables for spreadsheets: one row per load case,
// and one row per node of a load case. The header row names each column with
// its unit in brackets ("head_deflection [in]"); numbers are written so that
// they read back to the same double as the JSON file's.
#ifndef TARVEX_REPORT_RESULTS_CSV_HPP_
#define TARVEX_REPORT_RESULTS_CSV_HPP_

#include <string>
#include <string_view>

#include "tarvex/results.hpp"

namespace tarvex {

// One row per load case: its loads, head deflection and rotation, largest
// moment and shear with their depths, iterations and status.
std::string RenderCasesCsv(const RunResults& results);

// One row per node of the load case, head to tip.
std::string RenderNodesCsv(const RunResults& results, const LoadCaseResult& load_case);

// Fields of a CSV row: a number in the shortest text that reads back to the
// same double (empty for a value that is not finite), and a text quoted when
// it holds a comma, a quote or a line end.
void AppendCsvNumber(std::string& line, double v);
void AppendCsvText(std::string& line, std::string_view text);

}  // namespace tarvex

#endif  // TARVEX_REPORT_RESULTS_CSV_HPP_
