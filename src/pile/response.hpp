// The response of a converged load case: moments, shears, slopes, soil
// reactions and stresses along the pile, the case's report block and plot
// records, and the summary of all load cases.
#ifndef TARVEX_PILE_RESPONSE_HPP_
#define TARVEX_PILE_RESPONSE_HPP_

#include "core/case_record.hpp"
#include "core/case_state.hpp"
#include "core/derived_tables.hpp"
#include "core/input_model.hpp"

namespace tarvex {

// Moment, slope, shear, soil reaction and total stress at every node of the
// case, and the case's record (head values, extremes and their depths,
// iterations, zero-deflection points).
CaseRecord ComputeNodeResponses(const InputModel& input, const DerivedTables& tables,
                                CaseState& state);

// Largest imbalances of the equilibrium check of the increments, and their
// stations.
struct Imbalance {
  double moment = 0.0;
  int moment_station = 0;
  double force = 0.0;
  int force_station = 0;
};

// Equilibrium of the finite-difference answer: the moment of every increment
// against the shear accumulated from the pile head over the loads, and the
// shear reaching the tip against the tip shear.
Imbalance CheckEquilibrium(const CaseState& state);

}  // namespace tarvex

#endif  // TARVEX_PILE_RESPONSE_HPP_
