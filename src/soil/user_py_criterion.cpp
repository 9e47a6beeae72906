// User-input p-y curves ("User p-y") at the nodes of a layer: the layer's top
// and bottom curves interpolated by the node's position along the pile.
#include "soil/py_dispatch.hpp"
#include "soil/user_py_curves.hpp"

namespace tarvex {
namespace {

struct UserPyCriterion : CriterionBase {
  struct Soil {};
  using State = UserPyNode;
  // The layer's resistance grows by the increment times the last points'
  // resistance at every node.
  static constexpr ResistanceRule kResistance = ResistanceRule::kRectangle;

  static bool SoilAt(const PyNode&, Layer&, Soil*) { return true; }

  // The curves belong to the layer's top and bottom depths, compared with
  // the node's position along the pile.
  static State StateAt(const PyNode& node, const Soil&) {
    const SoilLayer& layer = node.call.soil_layer;
    return UserPyAt(layer.curve_top, layer.curve_bottom, layer.top, layer.bottom, node.x);
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return UserPyEs(st, y_hat, pm, ym);
  }

  static Resistance ResistanceAt(const PyNode&, const Soil&, const State& st) {
    return {st.pl, 0.0, 0.0, std::nullopt};
  }

  static void Print(const PyNode& node, const Soil&, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title("p-y Curve Computed by Interpolation Between User-input Curves");
    block.Integer("Soil Layer Number", call.layer, 12);
    block.Depths(node.x, node.zs, call.units == UnitSystem::kUscs);
    block.Value("Pile diameter", node.b, 3, labels.length);
    block.Value("p-multiplier", node.pm, 3);
    block.Value("y-multiplier", node.ym, 3);
    block.Blank();
    block.Table(CurveTableHeading::kUserCurves);
    for (const double y : UserPyOutputDeflections(node.b)) {
      w.Point(y * node.ym, UserPyP(st, y) * node.pm);
    }
    w.Rows(CurveTableRows::kFixedBothFour);
    w.Plot("Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ",
           "user-input p-y curve", CurvePlotPoints::kNarrow);
  }
};

}  // namespace

extern const CriterionOps kUserPyOps = OpsFor<UserPyCriterion>();

}  // namespace tarvex
