#include "pile/analysis.hpp"

// The lateral-load analysis of the pile is not part of this build yet: every
// stage ends the run with runtime error 12 rather than produce results.
namespace tarvex {

void PrepareLoadCase(AnalysisModel& model, int /*c*/) {
  ReportStageNotBuilt(model, "lateral load analysis of the pile");
}

void StartLoadCase(AnalysisModel& model, int /*c*/) {
  ReportStageNotBuilt(model, "lateral load analysis of the pile");
}

void PileIterationStages::Solve(AnalysisModel& model) {
  ReportStageNotBuilt(model, "finite-difference solution of the pile");
}

void PileIterationStages::UpdateSoilModuli(AnalysisModel& model) {
  ReportStageNotBuilt(model, "p-y curves of the soil layers");
}

void PileIterationStages::UpdateBendingStiffness(AnalysisModel& model) {
  ReportStageNotBuilt(model, "nonlinear bending stiffness update");
}

void WriteLoadCaseReport(AnalysisModel& model, int /*c*/) {
  ReportStageNotBuilt(model, "response report of a load case");
}

void RunLengthStudy(AnalysisModel& model, int /*c*/) {
  ReportStageNotBuilt(model, "pile-length study");
}

void WriteRunSummary(AnalysisModel& model) {
  ReportStageNotBuilt(model, "summary of pile responses");
}

void ComputeStiffnessMatrix(AnalysisModel& model) {
  ReportStageNotBuilt(model, "pile-head stiffness matrix study");
}

}  // namespace tarvex
