// The input echo: the input written back into the report, ending with the
// error block of the first check between input sections that failed.
#ifndef TARVEX_REPORT_ECHO_HPP_
#define TARVEX_REPORT_ECHO_HPP_

#include <optional>

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "pile/input_checks.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Writes the echo of `input` with the LRFD load groups and combinations
// formed from it (LRFD runs). With a `fault` from `CheckInput` the echo ends
// at the fault's place with its error block. It records no warning: the
// warnings its lines show are recorded before it (`RecordInputWarnings`).
void WriteInputEcho(const InputModel& input, const std::optional<LrfdLoading>& lrfd_loading,
                    const std::optional<InputCheckFault>& fault, RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_REPORT_ECHO_HPP_
