// The stages of the pile analysis that the run sequence calls for every load
// case and after the last one.
#ifndef TARVEX_PILE_ANALYSIS_HPP_
#define TARVEX_PILE_ANALYSIS_HPP_

#include "engine/model.hpp"
#include "pile/fd_solver.hpp"
#include "pile/iteration.hpp"

namespace tarvex {

// Before the load cases: the soil profile made contiguous from the ground
// surface down, the pile length kept, the soil profile rows and the section
// property table built.
void PreparePileAnalysis(AnalysisModel& model);

// Node geometry, distributed loads, pile properties, section of every node,
// and the soil movement at the nodes, for load case c.
void PrepareLoadCase(AnalysisModel& model, int c);

// LRFD distributed loads, starting soil moduli, the pile-head conditions and
// the starting bending stiffness for the case's axial thrust.
void StartLoadCase(AnalysisModel& model, int c);

// The finite-difference solution, the p-y criteria and the flexural-rigidity
// update, as the nonlinear iteration uses them.
class PileIterationStages : public IterationStages {
 public:
  void Solve(AnalysisModel& model) override;
  void UpdateSoilModuli(AnalysisModel& model) override;
  void UpdateBendingStiffness(AnalysisModel& model) override;

 private:
  FdWorkspace workspace_;  // a new load case starts without a kept tip shear
};

// Runtime error 11: the head system met a pivot under 1e-20; writes the
// block and the matrix, right-hand side and last solution of the system.
void ReportSmallPivot(AnalysisModel& model, const FdResult& result, const FdWorkspace& ws);

// The report and plot records of load case c after its iteration.
void WriteLoadCaseReport(AnalysisModel& model, int c);

// Pile-head deflection against pile length for load case c.
void RunLengthStudy(AnalysisModel& model, int c);

// The summary of pile responses of all load cases (and the LRFD check).
void WriteRunSummary(AnalysisModel& model);

// The pile-head stiffness matrix study.
void ComputeStiffnessMatrix(AnalysisModel& model);

}  // namespace tarvex

#endif  // TARVEX_PILE_ANALYSIS_HPP_
