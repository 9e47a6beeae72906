// The stages of a run, each on the run's model: the run sequence
// (engine/run.cpp) calls them in order and tests the error code after each.
#ifndef TARVEX_ENGINE_RUN_STAGES_HPP_
#define TARVEX_ENGINE_RUN_STAGES_HPP_

#include <optional>
#include <vector>

#include "core/printed_py_curve.hpp"
#include "engine/model.hpp"
#include "pile/input_checks.hpp"

namespace tarvex {

// The tables derived from the input before its echo: the thrust levels of
// section analysis from the load cases, and in an LRFD run the load groups'
// totals and the factored combinations (`results.lrfd_loading`) with their
// pile-head loads and thrust levels, which the echo prints. The combinations
// are formed only when the echo reaches them before the check at `fault`.
void FormInputTables(AnalysisModel& model, const std::optional<InputCheckFault>& fault);

// Line 2 of the plot file: the number of pile sections.
void WriteSectionCount(AnalysisModel& model);

// Section analysis of every pile section, with its progress lines.
void AnalyseAllSections(AnalysisModel& model, bool announce_every_section);

// Run kind 2: nonlinear bending stiffness of the sections only.
void ComputeBendingStiffnessOnly(AnalysisModel& model);

// The number of load cases: pile-head load cases, or LRFD combinations.
int LoadCaseCount(const InputModel& input);

// The p-y curves printed at the requested depths after load case 1's
// solution: formed by the criteria, kept in the results and rendered in the
// report one by one as the pass reaches them (an error of a later station
// stands below them); returned as the plot records show them.
std::vector<PrintedPyCurve> PrintLoadCaseCurves(AnalysisModel& model);

// Load case c of `cases`: solved, its result kept, its report block, plot
// records and pile-length study written. False when the run ends with it.
bool AnalyseLoadCase(AnalysisModel& model, int c, int cases);

// The summary of all load cases (with the LRFD check in an LRFD run).
void WriteRunSummary(AnalysisModel& model);

// The pile-head stiffness study.
void RunHeadStiffnessStudy(AnalysisModel& model);

// The load-deflection curve of every load case, after a run without error.
void ComputeLoadCurves(AnalysisModel& model);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_RUN_STAGES_HPP_
