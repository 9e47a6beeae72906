// The report block and plot records of one load case, rendered from its
// result.
#ifndef TARVEX_REPORT_LOAD_CASE_REPORT_HPP_
#define TARVEX_REPORT_LOAD_CASE_REPORT_HPP_

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The case's heading, its plot record Line 9 (load case 1) and Line 10 (every
// node), the pile-head conditions, the table of results along the pile, the
// output verification and the output summary. `case_count` is the number of
// load cases of the run.
void WriteLoadCaseReport(const Options& options, int case_count, const LoadCaseResult& result,
                         RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_REPORT_LOAD_CASE_REPORT_HPP_
