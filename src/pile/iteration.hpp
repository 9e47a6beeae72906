// Nonlinear iteration of one load case: solve the pile with the current soil
// moduli and bending stiffness, let the p-y criteria and the moment-curvature
// tables give new ones, and repeat until the deflections stop changing.
#ifndef TARVEX_PILE_ITERATION_HPP_
#define TARVEX_PILE_ITERATION_HPP_

#include "engine/model.hpp"

namespace tarvex {

// The work of one iteration that lies outside the iteration control.
class IterationStages {
 public:
  virtual ~IterationStages() = default;
  // One finite-difference solution; sets run.top_deflection and run.max_change.
  virtual void Solve(AnalysisModel& model) = 0;
  // New secant soil moduli at every node from the p-y criteria of its layer.
  virtual void UpdateSoilModuli(AnalysisModel& model) = 0;
  // New flexural rigidity at every node for the load case's axial thrust.
  virtual void UpdateBendingStiffness(AnalysisModel& model) = 0;
};

enum class CaseIteration {
  kConverged,
  kNotConverged,  // the iteration limit was reached; runtime error 10 is reported
  kFailed,        // an error ended the run
};

// Iterates load case `case_number` of load type `load_type` (1 to 5).
CaseIteration IterateLoadCase(AnalysisModel& model, IterationStages& stages, int case_number);

// Runtime error 29 when a soil layer below the first holds no node although
// its top lies above the pile tip; checked after the first iteration.
void CheckLayersHaveNodes(AnalysisModel& model);

}  // namespace tarvex

#endif  // TARVEX_PILE_ITERATION_HPP_
