// The end of a run's diagnostics: the warning summary of the report and the
// result code the host receives.
#ifndef TARVEX_ENGINE_DIAGNOSTICS_HPP_
#define TARVEX_ENGINE_DIAGNOSTICS_HPP_

#include "core/diagnostics.hpp"
#include "report/run_output.hpp"

namespace tarvex {

// The last guard of a run that would end normally: when any numeric field of
// the report, plot or message file held NaN or an infinity, the run ends with
// runtime error 28 instead.
void CheckResultsFinite(RunOutput& out);

// The warning summary at the end of the report; sets the head to the number
// of distinct warnings counted since the last load case began.
void WriteWarningSummary(RunOutput& out);

// The result the host receives: the error code when positive; otherwise the
// single warning's (negative) number, -300 for several warnings, or 0.
int ResultCode(const Diagnostics& diagnostics);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_DIAGNOSTICS_HPP_
