// Elastic subgrade ("Elast SG"): a linear spring of modulus Es b at every
// deflection.
#include "soil/py_dispatch.hpp"

namespace tarvex {
namespace {

struct ElasticSubgradeCriterion : CriterionBase {
  // The elastic subgrade modulus at the node (F/L^3), linear between the
  // layer's top and bottom rows of the profile.
  struct Soil {
    double es = 0.0;
  };
  struct State {
    double es = 0.0;  // subgrade modulus (F/L^3)
    double b = 0.0;   // pile width (L)
  };
  static constexpr bool kKeepsState = true;

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const SoilProfile& p = node.call.soil.profile;
    const auto top = static_cast<std::size_t>(2 * node.call.layer - 1);
    const double z0 = p.depth[top], z1 = p.depth[top + 1];
    const double e0 = p.value[top][kColSubgrade], e1 = p.value[top + 1][kColSubgrade];
    s->es = z1 == z0 ? e0 : e0 + (e1 - e0) * (node.z - z0) / (z1 - z0);
    return true;
  }

  static State StateAt(const PyNode& node, const Soil& s) { return {s.es, node.b}; }

  // The same modulus pm Es b / ym at every deflection.
  static double Es(const State& st, double, double pm, double ym) { return pm * st.es * st.b / ym; }

  static void Print(const PyNode& node, const Soil&, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title("p-y Curve for Elastic Subgrade");
    block.Integer("Soil Layer Number", call.layer, 10);
    block.Depths(node.z, node.zs, call.units == UnitSystem::kUscs);
    block.Value("Shaft Diameter", node.b, 3, labels.length);
    block.Value("Elastic Subgrade Modulus", st.es, 3, labels.unit_weight);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    block.Table(CurveTableHeading::kNarrow);
    // From 0 to 2b in steps of b/8.
    for (int k = 1; k <= 17; ++k) {
      const double y = (k - 1) * node.b / 8.0;
      w.Point(y * node.ym, node.pm * st.es * node.b * y);
    }
    w.Plot("Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ",
           "elastic subgrade");
  }
};

}  // namespace

extern const CriterionOps kElasticSubgradeOps = OpsFor<ElasticSubgradeCriterion>();

}  // namespace tarvex
