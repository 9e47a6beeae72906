// The stages of the pile analysis that the run sequence calls for every load
// case and after the last one.
#ifndef TARVEX_PILE_ANALYSIS_HPP_
#define TARVEX_PILE_ANALYSIS_HPP_

#include <vector>

#include "core/case_state.hpp"
#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "core/soil_working_values.hpp"
#include "format/run_output.hpp"
#include "pile/fd_solver.hpp"
#include "pile/iteration.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Before the load cases: the soil layers made contiguous from the ground
// surface down, their soil profile rows, and the section property table.
void PreparePileAnalysis(const InputModel& input, DerivedTables& tables);

// What a solution's nodes carry besides the pile-head loads.
enum class NodeLoads {
  kLoadCase,       // the distributed loads of the input and the soil movement
  kLrfd,           // the soil movement (the combination's loads are formed apart)
  kHeadLoadsOnly,  // nothing: the pile-head stiffness study
};

// The nodes of a solution for a pile of the given length: node geometry,
// bending stiffness, the distributed loads and soil movement `loads` names,
// the section of every node and the node-to-layer assignment; the iteration
// count cleared.
void PrepareNodes(const InputModel& input, const DerivedTables& tables, double length,
                  NodeLoads loads, CaseState& state, RunOutput& out);

// The pile length of the input, node geometry, distributed loads, pile
// properties, section of every node, and the soil movement at the nodes, for
// load case c. For an LRFD combination, returns the distributed loads of
// each load type that has any (their report block is rendered from them).
std::vector<LrfdDistributedLoads> PrepareLoadCase(const InputModel& input,
                                                  const DerivedTables& tables, int c,
                                                  CaseState& state, RunOutput& out);

// Starting soil moduli (with the criteria that set theirs before the first
// solution, which keep their per-layer values in `soil`), the pile-head
// conditions and the starting bending stiffness for the case's axial thrust.
void StartLoadCase(const InputModel& input, const DerivedTables& tables, int c,
                   SoilWorkingValues& soil, CaseState& state, RunOutput& out);

// The check at the start of every solution: the ground surface lies above the
// tip of the pile (of the nodes' length), else input error 95. False after
// reporting it.
bool CheckPileReachesGround(const InputModel& input, const PileNodes& nodes, RunOutput& out);

// As StartLoadCase, for the pile-head conditions and axial thrust `head`.
void StartSolution(const InputModel& input, const DerivedTables& tables, const LoadCase& head,
                   SoilWorkingValues& soil, CaseState& state, RunOutput& out);

// The finite-difference solution, the p-y criteria and the flexural-rigidity
// update, as the nonlinear iteration uses them.
class PileIterationStages : public IterationStages {
 public:
  PileIterationStages(const InputModel& input, const DerivedTables& tables, SoilWorkingValues& soil,
                      RunOutput& out)
      : input_(input), tables_(tables), soil_(soil), out_(out) {}

  void Solve(CaseState& state) override;
  void UpdateSoilModuli(CaseState& state) override;
  void UpdateBendingStiffness(CaseState& state) override;

 private:
  const InputModel& input_;
  const DerivedTables& tables_;
  SoilWorkingValues& soil_;
  RunOutput& out_;
  FdWorkspace workspace_;  // a new load case starts without a kept tip shear
};

// Runtime error 11: the head system met a pivot under 1e-20; writes the
// block and the matrix, right-hand side and last solution of the system.
void ReportSmallPivot(RunOutput& out, const FdResult& result, const FdWorkspace& ws);

}  // namespace tarvex

#endif  // TARVEX_PILE_ANALYSIS_HPP_
