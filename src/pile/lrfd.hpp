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
#include "tarvex/results.hpp"

namespace tarvex {

// The factored loads of the combinations and the thrust levels they give.
struct LrfdForms {
  LrfdLoading loading;  // the groups, totals and combinations as the report prints them
  std::vector<LrfdFactoredLoad> loads;  // one per combination of the input
  std::vector<double> thrusts;          // distinct factored axial forces, ascending; kips in USCS
};

// Sums the load groups by load type and forms the factored loads of every
// combination.
LrfdForms FormLrfdCombinations(const InputModel& input);

// The distributed lateral loads of LRFD combination c at the nodes of the
// case: each load type's groups averaged over the nodes' tributary lengths
// (kept per type in the case), then summed with the combination's load
// factors into the nodes' loads. Returns the loads of each type that has
// any, at the nodes where they are not zero.
std::vector<LrfdDistributedLoads> SetLrfdDistributedLoads(const InputModel& input, int c,
                                                          CaseState& state);

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
