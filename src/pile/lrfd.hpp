// LRFD load combinations: the unfactored load groups summed by load type,
// factored by each combination, turned into transverse shear and axial force
// for a battered pile; the distinct factored axial forces become the thrust
// levels of section analysis.
#ifndef TARVEX_PILE_LRFD_HPP_
#define TARVEX_PILE_LRFD_HPP_

#include <vector>

#include "core/case_state.hpp"
#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "format/record_writer.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The factored loads of the combinations and the thrust levels they give.
struct LrfdForms {
  std::vector<LrfdFactoredLoad> loads;  // one per combination of the input
  std::vector<double> thrusts;          // distinct factored axial forces, ascending; kips in USCS
};

// Forms the factored loads of every combination and writes the LRFD block of
// the report.
LrfdForms FormLrfdCombinations(const InputModel& input, RecordWriter& report);

// The distributed lateral loads of LRFD combination c at the nodes of the
// case: each load type's groups averaged over the nodes' tributary lengths
// (kept per type in the case and reported), then summed with the
// combination's load factors into the nodes' loads.
void SetLrfdDistributedLoads(const InputModel& input, int c, CaseState& state,
                             RecordWriter& report);

// Resistance factor used for a combination: the input value, or 0.75 when
// the input is not positive.
double EffectiveResistanceFactor(double phi);

// The LRFD performance check: for every combination (the results of its load
// case, `cases`, in order) and every pile section, the factored moment
// capacity of the section against the largest moment developed in it. An
// elastic section has no capacity (not applicable); the moment developed may
// not exceed the factored capacity.
std::vector<LrfdCheckRow> CheckLrfdCombinations(const InputModel& input,
                                                const DerivedTables& tables,
                                                const std::vector<LoadCaseResult>& cases);

}  // namespace tarvex

#endif  // TARVEX_PILE_LRFD_HPP_
