// The sand criteria at the nodes of a layer: sand after Reese with its
// sloping-ground wedge, API sand, and liquefied sand after Rollins. The
// curves themselves are in sand_curves.cpp; here are what each criterion
// takes from the soil at a node, its checks, and its printed curve.
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "soil/py_dispatch.hpp"
#include "soil/sand_curves.hpp"

namespace tarvex {
namespace {

bool Uscs(const LayerCall& call) { return call.units == UnitSystem::kUscs; }

// General units have no default k.
void NoDefaultK(RunOutput& m) { RaiseError(m, ErrorId::kNoDefaultSandK); }

// The layer's k at depth z: linear between its top and bottom values; the
// default for the node's friction angle and unit weight when the top value
// is 0 or less. The layer's input values stay as read.
bool SandK(const PyNode& node, double* k, bool* default_k) {
  const LayerCall& call = node.call;
  const SoilLayer& layer = call.soil_layer;
  *default_k = layer.at_top.kpy <= 0.0;
  if (*default_k) {
    const std::optional<double> d = DefaultSandK(node.phi, call.units, node.gamma);
    if (!d) {
      NoDefaultK(call.out);
      return false;
    }
    *k = *d;
    if (DefaultSandKAboveWater(call.units, node.gamma)) call.sand_k_above_water = true;
    return true;
  }
  const double top = layer.at_top.kpy, bottom = layer.at_bottom.kpy;
  *k = layer.bottom == layer.top
           ? top
           : top + (bottom - top) * (node.z - layer.top) / (layer.bottom - layer.top);
  return true;
}

// The slope steeper than the friction angle: the wedge has no active state.
void SlopeSteeperThanFriction(const LayerCall& call, bool api) {
  RaiseError(call.out,
             api ? ErrorId::kApiSandSlopeBeyondFriction : ErrorId::kReeseSandSlopeBeyondFriction,
             {ErrorValue("layer", call.layer)});
}

// The active coefficient of the wedge: the flat-ground value, or that of the
// sloping ground when the effective slope is not zero. A slope steeper than
// the friction angle is an input error in every layer.
bool WedgeActiveCoefficient(const LayerCall& call, const SandAngles& a, bool api, double* ka) {
  *ka = a.ka;
  const bool slope = std::fabs(call.theta) > 1e-10;
  // Flat ground needs the check only in the first layer of Reese sand.
  if (!slope && (api || call.layer != 1)) return true;
  const std::optional<double> sloping = SlopingActiveCoefficient(call.theta, a.phi);
  if (!sloping) {
    SlopeSteeperThanFriction(call, api);
    return false;
  }
  if (slope) *ka = *sloping;
  return true;
}

// The note on the depth the curve uses.
void LayeringNote(CurveBlock& block, const LayerCall& call) {
  if (call.switch_value != 0) {
    block.Note("true_depth_below_rock",
               {"This layer is below one or more layers of rock.  In this case, the ",
                "layering correction is not used and the true depth below the ground ",
                "surface is used when computing the p-y curve.  "});
  } else {
    block.Note("equivalent_depth", {"This p-y curve is computed using the equivalent depth."});
  }
}

// The deflection of the last solution at depth x below the pile head, linear
// between the pile's nodes.
double DeflectionAt(const PileNodes& pile, double x) {
  if (pile.count < 1) return 0.0;
  if (x <= pile.x[PileNodes::At(1)]) return pile.y[PileNodes::At(1)];
  for (int k = 2; k <= pile.count; ++k) {
    const double x1 = pile.x[PileNodes::At(k)];
    if (x <= x1) {
      const double x0 = pile.x[PileNodes::At(k - 1)];
      const double y0 = pile.y[PileNodes::At(k - 1)], y1 = pile.y[PileNodes::At(k)];
      return x1 > x0 ? y0 + (y1 - y0) * (x - x0) / (x1 - x0) : y1;
    }
  }
  return pile.y[PileNodes::At(pile.count)];
}

struct SandSoil {
  SandAngles angles;
  double ka = 0.0;  // active coefficient of the wedge
  double k = 0.0;   // initial modulus, default applied
  bool default_k = false;
};

// ---------------------------------------------------------------------------
// Sand after Reese ("Sand").

struct ReeseSandCriterion : CriterionBase {
  // n, C and pk of the node above, which a node above the ground keeps.
  struct Layer {
    double n = 0.0, c = 0.0, pk = 0.0;
  };
  struct Soil : SandSoil {
    Layer* above = nullptr;
  };
  using State = ReeseSandNode;
  static constexpr unsigned kReads = kReadUnitWeight | kReadFriction;
  static constexpr bool kEquivalentDepth = true;
  static constexpr ResistanceRule kResistance = ResistanceRule::kTrapezoid;
  static constexpr bool kChecksNaN = true;

  static bool SoilAt(const PyNode& node, Layer& above, Soil* s) {
    const LayerCall& call = node.call;
    RunOutput& m = call.out;
    s->above = &above;
    if (!SandK(node, &s->k, &s->default_k)) return false;
    s->angles = SandAnglesOf(node.phi);
    if (s->angles.phi < 1e-10) {
      RaiseError(m, ErrorId::kReeseSandZeroFriction,
                 {ErrorValue("layer", call.layer), ErrorValue("friction angle", node.phi, "deg")});
      return false;
    }
    if (node.phi < 20.0 || node.phi > 48.0) {
      // The block once per load case; every node's warning is counted.
      if (m.warnings().counts[302] == 0) {
        WriteRaisedWarning(m.message, 302);
      }
      RecordWarning(m.warnings(), -302);
    }
    return WedgeActiveCoefficient(call, s->angles, false, &s->ka);
  }

  static double EquivalentDepth(const PyNode& node, const Soil& s, double f) {
    return SandEquivalentDepth({node.b, node.gamma, node.phi, s.ka, node.zs, f, node.call.cyclic});
  }

  static State StateAt(const PyNode& node, const Soil& s) {
    const LayerCall& call = node.call;
    ReeseSandInput in;
    in.b = node.b;
    in.gamma = node.gamma;
    in.phi = node.phi;
    in.angles = &s.angles;
    in.zc = node.zc;
    in.zs = node.zs;
    in.k = s.k;
    in.ka = s.ka;
    in.theta = call.theta;
    // A printed curve takes the direction of the pile's deflection at its depth.
    in.y = call.output ? DeflectionAt(call.pile, node.x) : node.y;
    in.cyclic = call.cyclic;
    in.n_above = s.above->n;
    in.c_above = s.above->c;
    in.pk_above = s.above->pk;
    const State st = ReeseSandAt(in);
    s.above->n = st.n;
    s.above->c = st.c;
    s.above->pk = st.pk;
    return st;
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return ReeseSandEs(st, y_hat, pm, ym);
  }

  static void ReportNaN(const PyNode& node, const State&, double y_hat) {
    RunOutput& out = node.call.out;
    const ErrorId id =
        y_hat < 1e-14 ? ErrorId::kReeseSandSmallModulusNaN : ErrorId::kReeseSandModulusNaN;
    RaiseError(out, id, {ErrorValue("node", node.i)});
  }

  static Resistance ResistanceAt(const PyNode& node, const Soil&, const State& st) {
    const LayerCall& call = node.call;
    return {st.pu, 0.0, (call.soil_layer.bottom - call.x_last) * st.pu, st.pu / 2.0};
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title(call.cyclic ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic "
                              "Loading Conditions"
                            : "p-y Curve in Sand Computed Using Reese Criteria for Static "
                              "Loading Conditions");
    block.Integer("Soil Layer Number", call.layer);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Degrees("Ground Slope Angle", call.slope);
    block.Degrees("Pile Batter", call.batter);
    block.Degrees("Effective Slope", call.theta);
    block.Value("Equivalent Depth (see note)", node.zc, 3, labels.length);
    block.Value("Pile Diameter, b", node.b, 3, labels.length);
    block.Value("Angle of Friction", node.phi, 3, "degrees");
    if (Uscs(call)) {
      block.Value("Avg. Eff. Unit Weight", node.gamma * 1728.0, 5, "pcf");
    } else {
      block.Value("Avg. Eff. Unit Weight", node.gamma, 5, labels.unit_weight);
    }
    block.Value("kpy", s.k, 3, labels.unit_weight);
    block.Value("K active", s.angles.ka, 3);
    block.Value("K passive", s.angles.kp, 3);
    block.Value("K0", 0.4, 3);
    block.Value("Pst", st.pst, 3, labels.force_per_length);
    block.Value("Psd", st.psd, 3, labels.force_per_length);
    block.Value(st.psd <= st.pst ? "Ps = Psd (deep controls)" : "Ps = Pst (shallow controls)",
                st.ps, 3, labels.force_per_length);
    block.Value(call.cyclic ? "A (cyclic)" : "A (static)", st.a, 4);
    block.Value(call.cyclic ? "B (cyclic)" : "B (static)", st.bc, 4);
    block.Value("C = pm/(ym^(1/n))", st.c, 3);
    block.Value("n = pm/(m ym)", st.n, 3);
    block.Value("m = (pu-pm)/(yu-ym)", st.m, 3, labels.stress);
    block.Value("Yk = [c/(kx)]^(n/(n-1))", st.yk, 3, labels.length);
    block.Value("Pk", st.pk, 3, labels.force_per_length);
    block.Value("Ym = b/60", st.ym, 3, labels.length);
    block.Value("Pm = B ps", st.pm, 3, labels.force_per_length);
    block.Value("Yu = 3b/80", st.yu, 3, labels.length);
    block.Value("Pu = A Ps", st.pu, 3, labels.force_per_length);
    block.Value("Es,lim", st.kz, 3, labels.stress);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    LayeringNote(block, call);
    switch (st.shape) {
      case 1:
        block.Note("normal_shape",
                   {"This curve has the normal shape for a Reese sand p-y curve where Yk "
                    "< Ym < Yu."});
        break;
      case 2:
        block.Note("trilinear_shape",
                   {"This curve has a tri-linear shape for a Reese sand p-y curve because "
                    "Ym < Yk < Yu."});
        break;
      case 3:
        block.Note("bilinear_shape",
                   {"This curve has a bi-linear shape for a Reese sand p-y curve because "
                    "Ym < Yu < Yk."});
        break;
      default:
        break;
    }
    block.Table(CurveTableHeading::kReeseSand);

    bool any_marked = false;
    const SandCurveDeflections ys = ReeseSandOutputDeflections(st);
    for (int i = 1; i <= kSandCurvePoints; ++i) {
      double y = ys[static_cast<std::size_t>(i - 1)];
      bool linear = false;
      const double curve = ReeseSandCurve(st, y, &linear);
      const double line = st.kz * y;
      double p = curve;
      bool marked = false;
      if (linear) {
        p = line;
        marked = i > 1;
      } else if (line < curve) {
        if (i == 16) {
          y = st.pu / st.kz;
          p = st.pu;
        } else if (i == 17) {
          y = node.b + st.pu / st.kz;
          p = st.pu;
        } else {
          p = line;
          marked = true;
        }
      }
      any_marked = any_marked || marked;
      w.Point(y * node.ym, p * node.pm, marked);
    }
    if (any_marked) {
      block.Blank();
      block.Note("initial_slope", {"* p value(s) computed using p = k * Eff x * y "});
    }
    block.Blank();
    if (s.default_k) {
      block.Note("default_k",
                 {"The above p-y curve was computed using internal default values of k."});
      block.Blank();
    }
    w.Plot("Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", "sand");
  }
};

// ---------------------------------------------------------------------------
// API sand ("API Sand").

struct ApiSandCriterion : CriterionBase {
  using Soil = SandSoil;
  using State = ApiSandNode;
  static constexpr unsigned kReads = kReadUnitWeight | kReadFriction;
  static constexpr bool kEquivalentDepth = true;
  static constexpr ResistanceRule kResistance = ResistanceRule::kTrapezoid;
  static constexpr bool kKeepsState = true;

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    RunOutput& m = call.out;
    if (node.phi < 20.0 || node.phi > 48.0) RecordWarning(m.warnings(), -303);
    s->angles = SandAnglesOf(node.phi);
    if (s->angles.phi < 1e-10 && node.i > call.first_node) {
      RaiseError(m, ErrorId::kApiSandZeroFriction,
                 {ErrorValue("layer", call.layer), ErrorValue("friction angle", node.phi, "deg")});
      return false;
    }
    if (!WedgeActiveCoefficient(call, s->angles, true, &s->ka)) return false;
    return SandK(node, &s->k, &s->default_k);
  }

  static double EquivalentDepth(const PyNode& node, const Soil& s, double f) {
    return SandEquivalentDepth({node.b, node.gamma, node.phi, s.ka, node.zs, f, node.call.cyclic});
  }

  static State StateAt(const PyNode& node, const Soil& s) {
    const LayerCall& call = node.call;
    ApiSandInput in;
    in.b = node.b;
    in.gamma = node.gamma;
    in.phi = node.phi;
    in.angles = &s.angles;
    in.zc = node.zc;
    in.zs = node.zs;
    in.k = s.k;
    in.theta = call.theta;
    in.y = node.y;
    in.layering_off = call.switch_value > 0;
    in.cyclic = call.cyclic;
    return ApiSandAt(in, s.ka);
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return ApiSandEs(st, y_hat, pm, ym);
  }

  static Resistance ResistanceAt(const PyNode& node, const Soil&, const State& st) {
    const LayerCall& call = node.call;
    const double r = node.zc < 1e-10 ? 0.0 : ApiSandP(st, 3.0 * node.b / 80.0);
    return {r, 0.0, (call.soil_layer.bottom - call.x_last) * r, r / 2.0};
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title(call.cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                            : "p-y Curve Computed Using API Sand Criteria for Static Loading");
    block.Integer("Soil Layer Number", call.layer);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Degrees("Ground Slope Angle", call.slope);
    block.Degrees("Pile Batter", call.batter);
    block.Degrees("Effective Slope", call.theta);
    block.Value("Equivalent Depth (see note)", node.zc, 3, labels.length);
    block.Value("Diameter", node.b, 3, labels.length);
    block.Value("Friction Angle phi", node.phi, 3, "deg.");
    block.Value("Avg. Eff. Unit Wt.", node.gamma, 5, labels.unit_weight);
    block.Value("A", st.a, 3);
    block.Value("k", st.k, 3, labels.unit_weight);
    block.Value("C1", st.c1, 5);
    block.Value("C2", st.c2, 5);
    block.Value("C3", st.c3, 5);
    block.Value("Pus", st.pus, 3, labels.force_per_length);
    block.Value("Pud", st.pud, 3, labels.force_per_length);
    block.Value("Pu", st.pu, 3, labels.force_per_length);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    LayeringNote(block, call);
    block.Table(CurveTableHeading::kJoinedP);
    const double dy = ApiSandOutputStep(st, call.units);
    for (int i = 1; i <= kSandCurvePoints; ++i) {
      const double y = (i - 1) * dy;
      w.Point(y * node.ym, ApiSandP(st, y) * node.pm);
    }
    w.Rows(CurveTableRows::kFixed);
    if (s.default_k) {
      block.Blank();
      block.Note("default_k",
                 {"The above p-y curve was computed using the internal default value of k."});
      block.Blank();
    }
    w.Plot("Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ", "API sand");
  }
};

// ---------------------------------------------------------------------------
// Liquefied sand ("Liq Sand"): the depth below the ground only, no
// equivalent depth and no slope.

struct LiquefiedSandCriterion : CriterionBase {
  struct Soil {};
  using State = LiquefiedSandNode;
  static constexpr unsigned kReads = kReadUnitWeight;
  static constexpr ResistanceRule kResistance = ResistanceRule::kTrapezoid;
  static constexpr bool kLiquefiedResistance = true;

  static bool SoilAt(const PyNode&, Layer&, Soil*) { return true; }

  static State StateAt(const PyNode& node, const Soil&) {
    const LayerCall& call = node.call;
    return LiquefiedSandAt(node.b, node.zs, node.gamma, call.layer == 1, call.units);
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return LiquefiedSandEs(st, y_hat, pm, ym);
  }

  static Resistance ResistanceAt(const PyNode& node, const Soil&, const State& st) {
    const LayerCall& call = node.call;
    return {st.pu, 0.0, (call.soil_layer.bottom - call.x_last) * st.pu, std::nullopt};
  }

  static void Print(const PyNode& node, const Soil&, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title("p-y Curve Computed Using Liquefied Sand Criteria");
    block.Depths(node.z, node.zs, Uscs(call));
    block.Value("Depth below ground surface in meters", st.zm, 3, "m");
    block.Value("Pile Diameter", node.b, 3, labels.length);
    block.Value("Pile Diameter in meters ", st.bm, 3, "m");
    block.Value("Gamma Avg", node.gamma, 5, labels.unit_weight);
    block.Exponent("A ", st.a, 5);
    block.Value("B ", st.bc, 5);
    block.Value("C ", st.c, 5);
    block.Value("Pd", st.pd, 5);
    block.Value("Upper limit Pu", st.pu, 3, labels.force_per_length);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    if (st.zm > 6.0) {
      block.Note("deeper_than_recommended",
                 {"NOTE: This p-y curve is deeper than the depth of 6.0 meters recommended by",
                  "Rollins, et al. (2005)"});
      block.Blank();
    }
    block.Table(CurveTableHeading::kSpacedP);
    for (const double y : LiquefiedSandOutputDeflections(st.uscs)) {
      w.Point(y * node.ym, LiquefiedSandP(st, y) * node.pm);
    }
    w.Plot("Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ",
           "liquefied sand", CurvePlotPoints::kNarrow);
  }
};

}  // namespace

extern const CriterionOps kSandReeseOps = OpsFor<ReeseSandCriterion>();
extern const CriterionOps kSandApiOps = OpsFor<ApiSandCriterion>();
extern const CriterionOps kLiquefiedSandOps = OpsFor<LiquefiedSandCriterion>();

}  // namespace tarvex
