// The end of a run's diagnostics: the last check of its numbers and the
// result code the host receives.
#ifndef TARVEX_ENGINE_DIAGNOSTICS_HPP_
#define TARVEX_ENGINE_DIAGNOSTICS_HPP_

#include "core/diagnostics.hpp"
#include "format/run_output.hpp"

namespace tarvex {

// The last guard of a run that would end normally: when any numeric field of
// the report, plot or message file held NaN or an infinity, the run ends with
// runtime error 28 instead.
void CheckResultsFinite(RunOutput& out);

// The result the host receives: the error code when positive; otherwise the
// (negative) number of the one warning the summary lists, -300 when it lists
// several, or 0.
int ResultCode(const Diagnostics& diagnostics);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_DIAGNOSTICS_HPP_
