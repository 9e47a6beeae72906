#include "pile/analysis.hpp"

#include <cmath>

#include "format/error_text.hpp"
#include "pile/lrfd.hpp"
#include "pile/node_setup.hpp"
#include "pile/section_properties.hpp"
#include "soil/py_curves.hpp"
#include "soil/soil_profile.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

// Soil movement at every node from the movement profile: zero outside its
// depth range, linear between the two points that bracket the node.
void SetSoilMovement(const InputModel& input, PileNodes& n) {
  const auto& p = input.soil_movements;
  n.ys.fill(0.0);
  if (!input.options.soil_movement || p.size() < 2) return;
  for (int k = 1; k <= n.count; ++k) {
    const double x = n.x[At(k)];
    if (x < p.front().depth || x > p.back().depth) continue;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
      const double d0 = p[i].depth, d1 = p[i + 1].depth;
      if (x < d0 || x > d1) continue;
      n.ys[At(k)] =
          std::fabs(d1 - d0) < 1e-5
              ? (p[i].movement + p[i + 1].movement) / 2.0
              : p[i].movement + (p[i + 1].movement - p[i].movement) * (x - d0) / (d1 - d0);
      break;
    }
  }
}

}  // namespace

void ReportSmallPivot(RunOutput& run_out, const FdResult& r, const FdWorkspace& ws) {
  const std::vector<DiagnosticValue> values{ErrorValue("node", r.pivot_step),
                                            ErrorValue("pivot", r.pivot)};
  ErrorBlock block(run_out);
  WriteErrorText(ErrorId::kSmallPivot, values, run_out.report, run_out.message);
  // The solver's working matrix and vectors follow the error in the report.
  RecordWriter& r_out = run_out.report;
  r_out.Write("(//A)", {"F Matrix "});
  for (int col = 0; col < 5; ++col) {
    const auto c = static_cast<std::size_t>(col);
    r_out.Write("(5E12.4)", {ws.f[0][c], ws.f[1][c], ws.f[2][c], ws.f[3][c], ws.f[4][c]});
  }
  r_out.Write("()");
  r_out.Write("(//A)", {"G Vector "});
  for (double g : ws.g) r_out.Write("(E12.4)", {g});
  r_out.Write("()");
  r_out.Write("(//A)", {"YG Vector"});
  for (double y : ws.yg) r_out.Write("(E12.4)", {y});
  r_out.Write("()");
  block.Report(ErrorId::kSmallPivot, values);
}

void PreparePileAnalysis(const InputModel& input, DerivedTables& tables) {
  tables.layers = input.layers;
  for (std::size_t j = 0; j < tables.layers.size(); ++j) {
    tables.layers[j].top = j == 0 ? input.ground_depth : tables.layers[j - 1].bottom;
  }
  BuildSoilProfile(tables.layers, &tables.soil_profile, &tables.unit_weights);
  tables.section_points = BuildSectionPropertyTable(input.sections, input.options.units);
}

void PrepareNodes(const InputModel& input, const DerivedTables& tables, double length,
                  NodeLoads loads, CaseState& state, RunOutput& out) {
  state.pile_length = length;
  state.iteration = 0;
  SetNodeGeometry(length, input.options.increments, input.batter_angle, state.nodes);
  SetNodeProperties(input, tables, loads == NodeLoads::kLoadCase, state.nodes, out.report);
  if (loads != NodeLoads::kHeadLoadsOnly) SetSoilMovement(input, state.nodes);
  // The nodes are new: the soil is read at them afresh.
  state.soil_reads.Clear();
}

std::vector<LrfdDistributedLoads> PrepareLoadCase(const InputModel& input,
                                                  const DerivedTables& tables, int c,
                                                  CaseState& state, RunOutput& out) {
  const bool lrfd = input.options.lrfd;
  state.number = c;
  PrepareNodes(input, tables, input.pile_length, lrfd ? NodeLoads::kLrfd : NodeLoads::kLoadCase,
               state, out);
  if (!lrfd) return {};
  return SetLrfdDistributedLoads(input, c, state);
}

void StartLoadCase(const InputModel& input, const DerivedTables& tables, int c,
                   SoilWorkingValues& soil, CaseState& state, RunOutput& out) {
  LoadCase head;
  if (input.options.lrfd) {
    // A combination is a shear-and-moment case with its factored loads.
    const LrfdFactoredLoad& f = tables.lrfd_loads[static_cast<std::size_t>(c - 1)];
    head = LoadCase{LoadType::kShearAndMoment, f.shear, f.moment, f.axial, false};
  } else {
    head = input.load_cases[static_cast<std::size_t>(c - 1)];
  }
  StartSolution(input, tables, head, soil, state, out);
}

bool CheckPileReachesGround(const InputModel& input, const PileNodes& n, RunOutput& out) {
  // A pile that does not reach the ground surface has no lateral support:
  // its solution would be a floating beam.
  if (input.ground_depth > n.z[At(n.count)]) {
    RaiseError(
        out, ErrorId::kPileAboveGround,
        {ErrorValue("ground surface", input.ground_depth, LabelsFor(input.options.units).length),
         ErrorValue("pile tip", n.z[At(n.count)], LabelsFor(input.options.units).length)});
    return false;
  }
  return true;
}

void StartSolution(const InputModel& input, const DerivedTables& tables, const LoadCase& head,
                   SoilWorkingValues& soil, CaseState& state, RunOutput& out) {
  SetStartingSoilModuli(input.ground_depth, state.nodes);
  if (!CheckPileReachesGround(input, state.nodes, out)) return;
  // Criteria that set their nodes' moduli before the first solution (vuggy
  // limestone); the per-layer values they keep are the run's.
  PresetSoilModuli(
      PyPass{input, tables, soil, state.nodes, state.pile_length, out, &state.soil_reads});
  if (out.failed()) return;
  state.head = head;
  if (input.options.run_kind == RunKind::kPileAnalysis) {
    UpdateFlexuralRigidity(input.sections, tables, input.options.units, state.head.axial,
                           state.nodes);
  }
}

void PileIterationStages::Solve(CaseState& state) {
  const LoadCase& lc = state.head;
  const FdHead head{lc.type, lc.condition1, lc.condition2};
  const int tip_points = input_.options.tip_shear ? static_cast<int>(input_.tip_shear.size()) : 0;
  const FdResult r =
      SolvePile(state.nodes, head, lc.axial, input_.tip_shear.data(), tip_points, workspace_);
  state.top_deflection = r.top_deflection;
  state.max_change = r.max_change;
  state.tip_shear = r.tip_shear;
  state.unstable_node = r.unstable_node;
  if (r.small_pivot) ReportSmallPivot(out_, r, workspace_);
}

void PileIterationStages::UpdateSoilModuli(CaseState& state) {
  tarvex::UpdateSoilModuli(
      PyPass{input_, tables_, soil_, state.nodes, state.pile_length, out_, &state.soil_reads});
}

void PileIterationStages::UpdateBendingStiffness(CaseState& state) {
  UpdateFlexuralRigidity(input_.sections, tables_, input_.options.units, state.head.axial,
                         state.nodes);
}

}  // namespace tarvex
