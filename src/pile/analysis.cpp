#include "pile/analysis.hpp"

#include <cmath>

#include "engine/soil_criteria.hpp"
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
void SetSoilMovement(AnalysisModel& model) {
  PileNodes& n = model.nodes;
  const auto& p = model.soil_movements;
  n.ys.fill(0.0);
  if (!model.options.soil_movement || p.size() < 2) return;
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

void ReportSmallPivot(AnalysisModel& model, const FdResult& r, const FdWorkspace& ws) {
  for (RecordWriter* out : {&model.report, &model.message}) {
    out->Write("(A/)", {"**** Runtime Error No. 11 ****"});
    out->Write("(A)", {"Problem:  Solution failed due to small pivot value."});
    out->Write("(A,I0)", {"          Node number = ", r.pivot_step});
    out->Write("(A,E12.5/)", {"          Pivot value = ", r.pivot});
    out->Write("(A)", {"Solution: This error usually occurs when a lateral bearing capacity "
                       "failure occurs.  "});
    out->Write("(A)", {"          Reduce the load on the pile and repeat the analysis."});
    out->Write("(A)", {"          You may also consider increasing pile diameter or pile length."});
  }
  RecordWriter& r_out = model.report;
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
  ReportError(model, "RUN00011", 211);
}

void PreparePileAnalysis(AnalysisModel& model) {
  for (std::size_t j = 0; j < model.layers.size(); ++j) {
    model.layers[j].top = j == 0 ? model.ground_depth : model.layers[j - 1].bottom;
  }
  model.run.saved_pile_length = model.pile_length;
  BuildSoilProfile(model);
  BuildSectionPropertyTable(model);
}

void PrepareLoadCase(AnalysisModel& model, int c) {
  model.pile_length = model.run.saved_pile_length;
  model.run.iteration = 0;
  SetNodeGeometry(model);
  SetNodeProperties(model, !model.options.lrfd);
  if (model.options.lrfd) SetLrfdDistributedLoads(model, c);
  SetSoilMovement(model);
}

void StartLoadCase(AnalysisModel& model, int c) {
  SetStartingSoilModuli(model);
  // A pile that does not reach the ground surface has no lateral support:
  // its solution would be a floating beam.
  const PileNodes& n = model.nodes;
  if (model.ground_depth > n.z[At(n.count)]) {
    for (RecordWriter* out : {&model.report, &model.message}) {
      out->Write("(//A/)", {"**** Input Data Error No. 95 ****"});
      out->Write("(A,E12.4,A)", {"Problem:  The ground surface lies ", model.ground_depth,
                                 " below the pile head, below the tip of the pile,"});
      out->Write("(A/)", {"          so that no soil supports the pile."});
      out->Write("(A/)", {"Solution:  Check the depths of the soil layers and the length of the "
                          "pile."});
    }
    ReportError(model, "INP00095", 195);
    return;
  }
  // Vuggy limestone sets its nodes' moduli once before the first solution.
  for (const SoilLayer& layer : model.layers) {
    if (layer.code == kVuggyLimestone) {
      ReportStageNotBuilt(model, "p-y curves of the vuggy limestone criterion");
      return;
    }
  }
  if (model.options.lrfd) {
    // A combination is a shear-and-moment case with its factored loads.
    const LrfdCombination& lc = model.lrfd_combinations[static_cast<std::size_t>(c - 1)];
    model.active_case = LoadCase{1, lc.shear, lc.moment, lc.axial, false};
  } else {
    model.active_case = model.load_cases[static_cast<std::size_t>(c - 1)];
  }
  if (model.options.icom == 3) UpdateFlexuralRigidity(model, model.active_case.axial);
}

void PileIterationStages::Solve(AnalysisModel& model) {
  const LoadCase& lc = model.active_case;
  const FdHead head{lc.type, lc.condition1, lc.condition2};
  const int tip_points = model.options.tip_shear ? static_cast<int>(model.tip_shear.size()) : 0;
  const FdResult r =
      SolvePile(model.nodes, head, lc.axial, model.tip_shear.data(), tip_points, workspace_);
  model.run.top_deflection = r.top_deflection;
  model.run.max_change = r.max_change;
  model.run.tip_shear = r.tip_shear;
  if (r.small_pivot) ReportSmallPivot(model, r, workspace_);
}

void PileIterationStages::UpdateSoilModuli(AnalysisModel& model) {
  tarvex::UpdateSoilModuli(model);
}

void PileIterationStages::UpdateBendingStiffness(AnalysisModel& model) {
  UpdateFlexuralRigidity(model, model.active_case.axial);
}

void RunLengthStudy(AnalysisModel& model, int /*c*/) {
  ReportStageNotBuilt(model, "pile-length study");
}

void ComputeStiffnessMatrix(AnalysisModel& model) {
  ReportStageNotBuilt(model, "pile-head stiffness matrix study");
}

}  // namespace tarvex
