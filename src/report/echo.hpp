// The input echo: the input written back into the report, with the checks
// between input sections that no single reader can make.
#ifndef TARVEX_REPORT_ECHO_HPP_
#define TARVEX_REPORT_ECHO_HPP_

#include <optional>

#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Writes the echo of `input`. For LRFD runs it forms the factored
// combinations: their loads and the thrust levels they give go into `tables`,
// the groups, totals and combinations as printed into `lrfd_loading`.
void WriteInputEcho(const InputModel& input, DerivedTables& tables,
                    std::optional<LrfdLoading>& lrfd_loading, RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_REPORT_ECHO_HPP_
