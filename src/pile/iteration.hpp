// Nonlinear iteration of one load case: solve the pile with the current soil
// moduli and bending stiffness, let the p-y criteria and the moment-curvature
// tables give new ones, and repeat until the deflections stop changing.
#ifndef TARVEX_PILE_ITERATION_HPP_
#define TARVEX_PILE_ITERATION_HPP_

#include <vector>

#include "core/case_state.hpp"
#include "core/input_model.hpp"
#include "core/soil_working_values.hpp"
#include "format/run_output.hpp"

namespace tarvex {

// The work of one iteration that lies outside the iteration control.
class IterationStages {
 public:
  virtual ~IterationStages() = default;
  // One finite-difference solution; sets state.top_deflection and
  // state.max_change.
  virtual void Solve(CaseState& state) = 0;
  // New secant soil moduli at every node from the p-y criteria of its layer.
  virtual void UpdateSoilModuli(CaseState& state) = 0;
  // New flexural rigidity at every node for the load case's axial thrust.
  virtual void UpdateBendingStiffness(CaseState& state) = 0;
};

enum class CaseIteration {
  kConverged,
  kNotConverged,      // the iteration limit was reached; runtime error 10 is reported
                      // (in a study: quietly)
  kExcessDeflection,  // a study's pile head passed the excess-deflection limit (quietly)
  kUnstable,          // a study's solution settled on an unstable equilibrium (quietly)
  kFailed,            // an error ended the run
};

// A load case of the run, or one solution of the pile-length or pile-head
// stiffness study. In a study a result that is not a number is one runtime
// error 28 line, and the excess-deflection limit, the iteration limit and an
// unstable equilibrium end the study without an error.
enum class IterationKind { kLoadCase, kStudy };

// Iterates the load case of `state` under the options' iteration limit and
// tolerances; after the first soil update the contiguous `layers` are checked
// for a layer without a node (with the per-layer values of `soil`). A load
// case that settles on an unstable equilibrium (the solver's
// `unstable_node`) ends with runtime error 40.
CaseIteration IterateLoadCase(const Options& options, const std::vector<SoilLayer>& layers,
                              const SoilWorkingValues& soil, CaseState& state,
                              IterationStages& stages, RunOutput& out,
                              IterationKind kind = IterationKind::kLoadCase);

// Runtime error 29 when a soil layer below the first holds no node although
// its top lies above the pile tip, unless the layering correction has set
// its equivalent depth or marked it.
void CheckLayersHaveNodes(const std::vector<SoilLayer>& layers, const SoilWorkingValues& soil,
                          const PileNodes& nodes, int increments, double pile_length,
                          UnitSystem units, RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_PILE_ITERATION_HPP_
