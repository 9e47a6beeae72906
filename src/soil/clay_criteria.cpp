// The clay criteria at the nodes of a layer: soft clay (Matlock, J = 0.5 or
// J per layer), stiff clay with free water (Reese), and stiff clay without
// free water (Welch and Reese, with or without an initial modulus k). The
// curves themselves are in clay_curves.cpp; here are what each criterion
// takes from the soil at a node, its checks, and its printed curve.
#include <cmath>
#include <string>

#include "soil/clay_curves.hpp"
#include "soil/py_dispatch.hpp"
#include "soil/py_modifiers.hpp"

namespace tarvex {
namespace {

bool Uscs(const LayerCall& call) { return call.units == UnitSystem::kUscs; }

// Factor on the shallow resistance for sloping ground and pile batter, from
// the direction of the node's deflection.
double SlopeFactor(const PyNode& node, bool single_precision_cos45) {
  const double theta = node.call.theta;
  if (!(std::fabs(theta) > 1e-20)) return 1.0;
  return SlopeBatterFactor(theta, node.y, single_precision_cos45);
}

// The zero-strength input errors of the clays.
void ZeroCohesionSoftClay(const PyNode& node, bool with_j) {
  const LayerCall& call = node.call;
  RaiseError(
      call.out, with_j ? ErrorId::kSoftClayJZeroCohesion : ErrorId::kSoftClayZeroCohesion,
      {ErrorValue("layer", call.layer), ErrorValue("node", node.i), ErrorValue("elevation", node.z),
       ErrorValue("c", node.c), ErrorValue("top node in layer", call.first_node),
       ErrorValue("pile length", call.pile_length, LabelsOf(call.units).length),
       ErrorValue("bottom node in layer", call.last_node)});
}

// Stiff clay without free water names its criterion: the criterion with an
// initial k words the solution otherwise.
void ZeroCohesionStiffClay(RunOutput& m, bool free_water, bool with_k) {
  if (free_water) {
    RaiseError(m, ErrorId::kStiffClayFreeWaterZeroCohesion);
    return;
  }
  const SoilCriterion criterion = with_k ? kStiffClayNoFreeWaterK : kStiffClayNoFreeWater;
  RaiseError(m, ErrorId::kStiffClayZeroCohesion,
             {ErrorTextValue("criterion", std::string(CriterionOf(criterion).description))});
}

// General units have no default epsilon-50 or k: a stiff clay layer needs
// its own values.
void MissingGeneralValue(RunOutput& m, int layer, const char* what) {
  RaiseError(m, ErrorId::kStiffClayMissingValue,
             {ErrorValue("layer", layer), ErrorTextValue("missing value", what)});
}

// Warnings on the strength range.
void StrengthWarnings(const LayerCall& call, double c, double low_uscs, double high_uscs,
                      double low_si, double high_si, int first_warning) {
  WarningTally& warnings = call.out.warnings();
  if (call.units == UnitSystem::kUscs) {
    if (c < low_uscs) RecordWarning(warnings, -first_warning);
    if (c > high_uscs) RecordWarning(warnings, -(first_warning + 1));
  } else if (call.units == UnitSystem::kSi) {
    if (c < low_si) RecordWarning(warnings, -(first_warning + 2));
    if (c > high_si) RecordWarning(warnings, -(first_warning + 3));
  }
}

// The layer's k at depth z: linear between its top and bottom values, the
// top value standing for a bottom value of zero or less, and the default
// table when the top value is missing. The layer's input values stay as read.
bool LayerK(const LayerCall& call, double z, double c, bool default_when_not_positive, double* k) {
  const SoilLayer& layer = call.soil_layer;
  const double top = layer.at_top.kpy;
  const bool missing = default_when_not_positive ? top <= 0.0 : top == 0.0;
  if (missing) {
    const std::optional<double> d = DefaultK(layer.code, call.units, c, call.cyclic);
    if (d) {
      *k = *d;
      return true;
    }
    MissingGeneralValue(call.out, call.layer, "k");
    return false;
  }
  const double bottom = layer.at_bottom.kpy <= 0.0 ? top : layer.at_bottom.kpy;
  if (layer.bottom == layer.top) {
    *k = top;
  } else {
    *k = top + (bottom - top) * (z - layer.top) / (layer.bottom - layer.top);
  }
  return true;
}

// Epsilon-50 of the node with the criterion's default when the input is 0
// or less; false after an error (general units have no default).
bool Eps50Of(const PyNode& node, SoilCriterion criterion, double* eps50) {
  RunOutput& m = node.call.out;
  *eps50 = node.eps50;
  if (*eps50 > 0.0) return true;
  const std::optional<double> d = DefaultEps50(criterion, node.call.units, node.c);
  if (d) {
    *eps50 = *d;
    return true;
  }
  if (criterion == kSoftClay || criterion == kSoftClayJ) {
    // No block in the report or message file; the host is told why.
    const ErrorId id =
        criterion == kSoftClayJ ? ErrorId::kSoftClayJNoEps50 : ErrorId::kSoftClayNoEps50;
    ErrorBlock block(m);
    block.AddShownLine(std::string(ErrorHeading(id)));
    block.AddShownLine("Soil layer " + std::to_string(node.call.layer) +
                       " is a soft clay with no input value of epsilon-50 at node " +
                       std::to_string(node.i) + ",");
    block.AddShownLine(
        "and general units have no default value for it: give the layer a "
        "positive epsilon-50 at its top and bottom.");
    block.Report(id, {ErrorValue("layer", node.call.layer), ErrorValue("node", node.i)});
  } else {
    MissingGeneralValue(m, node.call.layer, "epsilon-50");
  }
  return false;
}

// The clay values of a node as the curve functions take them.
struct ClaySoil {
  double eps50 = 0.0;  // with the default applied
  double ca = 0.0;     // average strength (stiff clays)
  double k = 0.0;      // initial modulus (stiff clays with k)
  double j = kMatlockJ;
};

ClayNodeInput NodeInput(const PyNode& node, const ClaySoil& s, double f, double n_cycles) {
  ClayNodeInput in;
  in.b = node.b;
  in.c = node.c;
  in.ca = s.ca;
  in.gamma = node.gamma;
  in.zc = node.zc;
  in.eps50 = s.eps50;
  in.j = s.j;
  in.k = s.k;
  in.f = f;
  in.cyclic = node.call.cyclic;
  in.n_cycles = n_cycles;
  return in;
}

// The 17 points of a printed clay curve.
template <typename PAt>
void ClayPoints(const PyNode& node, const ClayCurveDeflections& ys, PyCurveOut& w, PAt p_at) {
  for (const double y : ys) w.Point(y * node.ym, p_at(y) * node.pm);
}

// ---------------------------------------------------------------------------
// Soft clay, with J = 0.5 ("SoftClay") or J per layer ("SoftClyJ").

template <bool kWithJ>
struct SoftClayCriterion : CriterionBase {
  using Soil = ClaySoil;
  using State = SoftClayNode;
  static constexpr unsigned kReads =
      kReadStrength | kReadUnitWeight | kReadEps50 | (kWithJ ? kReadJ : 0u);
  static constexpr bool kEquivalentDepth = true;
  static constexpr ResistanceRule kResistance = ResistanceRule::kTrapezoid;
  static constexpr bool kChecksNaN = true;
  static constexpr bool kKeepsState = true;

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    if (!node.at_node) {
      if (call.units == UnitSystem::kUscs && node.c > double(8.6805553f)) {
        RecordWarning(call.out.warnings(), -3041);
      }
      if (call.units == UnitSystem::kSi && node.c > double(59.850323f)) {
        RecordWarning(call.out.warnings(), -3042);
      }
    }
    if (!Eps50Of(node, kWithJ ? kSoftClayJ : kSoftClay, &s->eps50)) return false;
    if (node.i > call.first_node && node.c < 1e-10) {
      ZeroCohesionSoftClay(node, kWithJ);
      return false;
    }
    s->j = kWithJ ? node.j : kMatlockJ;
    return true;
  }

  static double EquivalentDepth(const PyNode& node, const Soil& s, double f) {
    return SoftClayEquivalentDepth({node.b, node.c, 0.0, node.gamma, s.j, f, node.call.cyclic});
  }

  static State StateAt(const PyNode& node, const Soil& s) {
    return SoftClayAt(NodeInput(node, s, SlopeFactor(node, true), node.call.cycles));
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return SoftClayEs(st, y_hat, pm, ym);
  }

  // The block goes to the report and, so that the error says what is wrong
  // wherever it is read, to the message file; it is the error's message.
  static void ReportNaN(const PyNode& node, const State& st, double y_hat) {
    RunOutput& out = node.call.out;
    const bool small = y_hat < st.y_small;
    const ErrorId id =
        kWithJ ? (small ? ErrorId::kSoftClayJSmallModulusNaN : ErrorId::kSoftClayJModulusNaN)
               : (small ? ErrorId::kSoftClaySmallModulusNaN : ErrorId::kSoftClayModulusNaN);
    RaiseError(out, id, {ErrorValue("node", node.i)});
  }

  static Resistance ResistanceAt(const PyNode& node, const Soil&, const State& st) {
    const SoftClayIntegrand r = SoftClayResistanceIntegrand(st);
    return {r.r, r.r_shallow.value_or(0.0), st.pu * node.call.h,
            (3.0 * node.c * node.b + st.pu) / 2.0};
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    // The title follows the number of cycles, the curve the loading type.
    const bool cyclic_title = call.cycles >= 2.0;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    if (kWithJ) {
      block.Title(cyclic_title ? "p-y Curve Computed Using the Soft Clay Criteria with J for "
                                 "Cyclic Loading Conditions"
                               : "p-y Curve Computed Using the Soft Clay Criteria with J for "
                                 "Static Loading Conditions");
    } else {
      block.Title(cyclic_title
                      ? "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading "
                        "Conditions"
                      : "p-y Curve Computed Using the Soft Clay Criteria for Static Loading "
                        "Conditions");
    }
    block.Integer("Soil Layer Number", call.layer);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Degrees("Ground Slope Angle", call.slope);
    block.Degrees("Pile Batter", call.batter);
    block.Degrees("Effective Slope", call.theta);
    block.Value("Equivalent Depth", node.zc, 3, labels.length);
    block.Value("Pile Diameter", node.b, 3, labels.length);
    block.Value("Cohesion, c", node.c, 3, labels.stress);
    block.Value("Avg Eff Unit Weight", node.gamma, 5, labels.unit_weight);
    block.Value("Epsilon50 parameter", s.eps50, 5);
    block.Value(kWithJ ? "J parameter" : "J", s.j, 3);
    block.Value("Transition Depth Xr", st.zr, 3, labels.length);
    block.Value("pu_s", st.pu_s, 3, labels.force_per_length);
    block.Value("pu_d", st.pu_d, 3, labels.force_per_length);
    block.Value("Y50", st.y50, 5, labels.length);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    if (cyclic_title) {
      block.Inline("Number of cycles of loading = ", "Number of cycles of loading", call.cycles, 0);
      block.Inline("Xr                          = ", "Xr", st.zr, 3, labels.length);
    }
    block.Blank();
    block.Table(CurveTableHeading::kSoftClay);
    ClayPoints(node, SoftClayOutputDeflections(st), w, [&](double y) { return SoftClayP(st, y); });
    if (kWithJ) {
      w.Plot("Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. ",
             "API soft clay");
    } else {
      w.Plot("Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ", "soft clay");
    }
  }
};

// ---------------------------------------------------------------------------
// Stiff clay with free water ("StfClyBW").

struct StiffClayFreeWaterCriterion : CriterionBase {
  using Soil = ClaySoil;
  using State = StiffClayFreeWaterNode;
  static constexpr unsigned kReads =
      kReadStrength | kReadUnitWeight | kReadAverageStrength | kReadEps50;
  static constexpr bool kEquivalentDepth = true;
  static constexpr ResistanceRule kResistance = ResistanceRule::kTrapezoid;

  // Below layer 1 the average strength is the running average of c over the
  // layer's nodes: the trapezoid integral from the first node, divided by
  // the depth from it.
  struct Layer {
    double c_first = 0.0, z_first = 0.0, c_previous = 0.0, z_previous = 0.0, c_integral = 0.0;
  };

  static bool SoilAt(const PyNode& node, Layer& avg, Soil* s) {
    const LayerCall& call = node.call;
    if (node.i > call.first_node && node.c < 1e-10) {
      ZeroCohesionStiffClay(call.out, true, false);
      return false;
    }
    if (!node.at_node) {
      StrengthWarnings(call, node.c, double(3.4722223f), double(55.555557f), double(23.940128f),
                       double(383.04205f), 3051);
    }
    s->ca = node.c;
    if (call.layer == 1) {
      s->ca = node.ca;
    } else if (node.i == call.first_node) {
      avg.c_first = avg.c_previous = node.c;
      avg.z_first = avg.z_previous = node.z;
      avg.c_integral = 0.0;
    } else {
      avg.c_integral += (avg.c_previous + node.c) * (node.z - avg.z_previous) / 2.0;
      avg.c_previous = node.c;
      avg.z_previous = node.z;
      s->ca = node.z > avg.z_first ? avg.c_integral / (node.z - avg.z_first) : avg.c_first;
    }
    if (!LayerK(call, node.z, node.c, true, &s->k)) return false;
    return Eps50Of(node, kStiffClayFreeWater, &s->eps50);
  }

  static double EquivalentDepth(const PyNode& node, const Soil& s, double f) {
    return StiffClayFreeWaterEquivalentDepth(
        {node.b, node.c, s.ca, node.gamma, 0.5, f, node.call.cyclic});
  }

  static State StateAt(const PyNode& node, const Soil& s) {
    return StiffClayFreeWaterAt(NodeInput(node, s, SlopeFactor(node, false), node.call.cycles));
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return StiffClayFreeWaterEs(st, y_hat, pm, ym);
  }

  static Resistance ResistanceAt(const PyNode& node, const Soil& s, const State& st) {
    const LayerCall& call = node.call;
    return {st.pres, 0.0, (call.soil_layer.bottom - call.x_last) * st.pres,
            (2.0 * s.ca * node.b + st.pc) / 2.0};
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title(st.cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free "
                            "Water"
                          : "p-y Curve Computed Using Static Criteria for Stiff Clay with Free "
                            "Water");
    block.Integer("Soil Layer Number", call.layer);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Value("Equivalent Depth", node.zc, 3, labels.length);
    block.Value("Diameter", node.b, 3, labels.length);
    block.Value("c (at curve depth)", node.c, 3, labels.stress);
    block.Value("Avergage c", s.ca, 3, labels.stress);
    block.Value("Average Eff. Unit Weight", node.gamma, 5, labels.unit_weight);
    block.Value("k", s.k, 3, labels.unit_weight);
    block.Value("Epsilon50", s.eps50, 5);
    block.Value("y50", st.y50, 5, labels.length);
    block.Value("As", st.as, 3);
    block.Value(st.cyclic ? "Ac" : "Ac (not used)", st.ac, 3);
    block.Value("pct", st.pct, 3, labels.force_per_length);
    block.Value("pcd", st.pcd, 3, labels.force_per_length);
    block.Value("pc", st.pc, 3, labels.force_per_length);
    block.Value("pu", st.pres, 3, labels.force_per_length);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    if (st.cyclic) {
      block.Value("Number of Cycles of Loading", call.cycles, 0);
      block.Blank();
    }
    block.Table(CurveTableHeading::kJoinedP);
    ClayPoints(node, StiffClayFreeWaterOutputDeflections(st), w,
               [&](double y) { return StiffClayFreeWaterP(st, y); });
    if (st.cyclic) w.Rows(CurveTableRows::kFixed);
    w.Plot("Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ",
           st.cyclic ? "cyclic stiff clay with free water" : "static stiff clay with free water");
  }
};

// ---------------------------------------------------------------------------
// Stiff clay without free water, without ("StfClyAW") or with ("StfClyAK")
// an initial modulus k.

template <bool kWithK>
struct StiffClayNoFreeWaterCriterion : CriterionBase {
  using Soil = ClaySoil;
  using State = StiffClayNoFreeWaterNode;
  static constexpr unsigned kReads =
      kReadStrength | kReadUnitWeight | kReadAverageStrength | kReadEps50;
  static constexpr bool kEquivalentDepth = true;
  static constexpr ResistanceRule kResistance = ResistanceRule::kTrapezoid;

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    if (node.i > call.first_node && node.c < 1e-10) {
      ZeroCohesionStiffClay(call.out, false, kWithK);
      return false;
    }
    if (!node.at_node) {
      StrengthWarnings(call, node.c, double(3.4722223f), double(55.555557f), double(23.94f),
                       double(383.04f), kWithK ? 3261 : 3061);
    }
    s->ca = node.ca;
    if (!Eps50Of(node, kWithK ? kStiffClayNoFreeWaterK : kStiffClayNoFreeWater, &s->eps50)) {
      return false;
    }
    return !kWithK || LayerK(call, node.z, node.c, false, &s->k);
  }

  static double EquivalentDepth(const PyNode& node, const Soil& s, double f) {
    return StiffClayNoFreeWaterEquivalentDepth(
        {node.b, node.c, s.ca, node.gamma, 0.5, f, node.call.cyclic});
  }

  // The criterion's own number of cycles (fewer than one counts as one):
  // the run's number stays as read for the other layers.
  static State StateAt(const PyNode& node, const Soil& s) {
    const double cycles = StiffClayNoFreeWaterCycles(node.call.cycles, kWithK);
    return StiffClayNoFreeWaterAt(NodeInput(node, s, SlopeFactor(node, true), cycles), kWithK);
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return StiffClayNoFreeWaterEs(st, y_hat, pm, ym);
  }

  static Resistance ResistanceAt(const PyNode& node, const Soil& s, const State& st) {
    const LayerCall& call = node.call;
    return {st.pu, 0.0, (call.soil_layer.bottom - call.x_last) * st.pu,
            (3.0 * s.ca * node.b + st.pu) / 2.0};
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    const char* title = st.cyclic
                            ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without "
                              "Free Water"
                            : "p-y Curve Computed Using Static Criteria for Stiff Clay without "
                              "Free Water";
    if (kWithK) {
      block.Title(title, "with Option of Defining Initial k");
    } else {
      block.Title(title);
    }
    block.Integer("Soil Layer Number", call.layer);
    block.Depths(node.z, node.zs, Uscs(call));
    if (!kWithK) {
      block.Degrees("Ground Slope Angle", call.slope);
      block.Degrees("Pile Batter Angle", call.batter);
      block.Degrees("Effective Slope", call.theta);
    }
    block.Value("Equivalent Depth", node.zc, 3, labels.length);
    block.Value("Diameter", node.b, 3, labels.length);
    block.Value("Undrained cohesion, c", node.c, 5, labels.stress);
    block.Value("Average Eff. Unit Weight", node.gamma, 5, labels.unit_weight);
    block.Value("Epsilon-50", s.eps50, 5);
    if (kWithK) block.Value("k", s.k, 0, labels.unit_weight);
    block.Value("Pct", st.pct_unfactored, 3, labels.force_per_length);
    block.Value("Pcd", st.pcd, 3, labels.force_per_length);
    block.Value("Pu", st.pu, 3, labels.force_per_length);
    block.Value("y50", st.y50, 5, labels.length);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    if (st.cyclic) block.Value("Number of cycles of loading", st.n_cycles, 0);
    block.Blank();
    block.Table(CurveTableHeading::kSpacedP);
    ClayPoints(node, StiffClayNoFreeWaterOutputDeflections(st), w,
               [&](double y) { return StiffClayNoFreeWaterP(st, y); });
    if (kWithK) {
      w.Plot(
          "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on "
          "curve no. ",
          "stiff clay with k");
    } else {
      w.Plot("Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
             "stiff clay w/o water");
    }
  }
};

}  // namespace

extern const CriterionOps kSoftClayOps = OpsFor<SoftClayCriterion<false>>();
extern const CriterionOps kSoftClayJOps = OpsFor<SoftClayCriterion<true>>();
extern const CriterionOps kStiffClayFreeWaterOps = OpsFor<StiffClayFreeWaterCriterion>();
extern const CriterionOps kStiffClayNoFreeWaterOps = OpsFor<StiffClayNoFreeWaterCriterion<false>>();
extern const CriterionOps kStiffClayNoFreeWaterKOps = OpsFor<StiffClayNoFreeWaterCriterion<true>>();

}  // namespace tarvex
