// The results of a run as CSV tables for spreadsheets: one row per load case,
// one row per node of a load case, and with interaction diagrams one row per
// point of a diagram and one per demand on it. The header row names each
// column with its unit in brackets ("head_deflection [in]"); numbers are
// written so that they read back to the same double as the JSON file's.
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

// Whether any section has an interaction result (ComputeInteraction YES).
bool HasInteraction(const RunResults& results);

// The interaction diagrams: one row per point of each section's diagram,
// nominal and factored, with the strength reduction factor phi where the
// code has one.
std::string RenderInteractionCsv(const RunResults& results);

// The load cases' demands on the sections' diagrams: one row per section
// and load case with its utilisation and pass or fail.
std::string RenderDemandsCsv(const RunResults& results);

// Fields of a CSV row: a number in the shortest text that reads back to the
// same double (empty for a value that is not finite), and a text quoted when
// it holds a comma, a quote or a line end.
void AppendCsvNumber(std::string& line, double v);
void AppendCsvText(std::string& line, std::string_view text);

}  // namespace tarvex

#endif  // TARVEX_REPORT_RESULTS_CSV_HPP_
