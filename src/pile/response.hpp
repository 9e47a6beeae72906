// The response of a solved load case: moments, shears, slopes, soil
// reactions and stresses along the pile, the case's extremes and the
// equilibrium check of the solution.
#ifndef TARVEX_PILE_RESPONSE_HPP_
#define TARVEX_PILE_RESPONSE_HPP_

#include "core/case_state.hpp"
#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The case's result from its last solution: its head conditions and loads,
// the response at every node (its columns sized once), the extremes and
// their depths, the largest moment and shear of every pile section, the
// iterations and last change of deflection, the zero-deflection points and
// the output verification. The status is left to the caller.
void ComputeCaseResult(const InputModel& input, const DerivedTables& tables, const CaseState& state,
                       LoadCaseResult& result);

// The pile-head stiffness of a solved case from its result and its last
// solution: the secant terms from the result's head values, the tangent
// matrix from unit head loads on the linear system of the converged state
// (SolveUnitHeadLoads). A head movement within the round-off of the case's
// largest (a head held from turning or from moving) gives no secant term,
// nor does the moment of a rotational restraint (its reaction, not a load);
// a term that is not a finite number is left out.
HeadStiffness ComputeHeadStiffness(const CaseState& state, const LoadCaseResult& result);

// The first node (1-based) at which a value of the result's node columns is
// not a finite number, or 0.
int FirstNonFiniteNode(const LoadCaseResult& result);

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
