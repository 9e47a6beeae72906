// The LRFD forms of the input echo: the unfactored load groups, their totals
// by load type, the load and resistance factors, the factored loads of the
// combinations (transformed for a battered pile) and the thrusts they give;
// and each combination's distributed loads; rendered from the results.
#ifndef TARVEX_REPORT_LRFD_REPORT_HPP_
#define TARVEX_REPORT_LRFD_REPORT_HPP_

#include <vector>

#include "core/units.hpp"
#include "format/record_writer.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

void WriteLrfdLoading(UnitSystem units, const LrfdLoading& loading, RecordWriter& report);

// The distributed lateral loads of an LRFD combination by load type, before
// its solution.
void WriteLrfdDistributedLoads(UnitSystem units, const std::vector<LrfdDistributedLoads>& loads,
                               RecordWriter& report);

}  // namespace tarvex

#endif  // TARVEX_REPORT_LRFD_REPORT_HPP_
