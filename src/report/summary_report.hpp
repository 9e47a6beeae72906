// The summary of pile responses after the last load case and, for LRFD runs,
// the LRFD performance check, rendered from the results.
#ifndef TARVEX_REPORT_SUMMARY_REPORT_HPP_
#define TARVEX_REPORT_SUMMARY_REPORT_HPP_

#include <vector>

#include "core/units.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The summary of the load cases of the pile-head loading table, with a
// plot record Line 13 per case.
void WritePileHeadSummary(UnitSystem units, const std::vector<LoadCaseResult>& cases,
                          RunOutput& out);

// The summary of the LRFD combinations (with their Line 13 records) and the
// table of their performance check.
void WriteLrfdSummary(UnitSystem units, const std::vector<LoadCaseResult>& cases,
                      const std::vector<LrfdCheckRow>& check, RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_REPORT_SUMMARY_REPORT_HPP_
