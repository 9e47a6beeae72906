// Cemented silt, loess and Piedmont residual soil at the nodes of a layer:
// what each criterion takes from the soil at a node, its checks and errors,
// and its printed curve. The curves themselves are in silt_loess_curves.cpp.
#include <cmath>
#include <string>

#include "soil/py_dispatch.hpp"
#include "soil/silt_loess_curves.hpp"

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

bool Uscs(const LayerCall& call) { return call.units == UnitSystem::kUscs; }

// A column of the profile at the node, linear in depth between the layer's
// top and bottom rows.
double InLayer(const PyNode& node, int column) {
  const SoilProfile& p = node.call.soil.profile;
  const auto top = static_cast<std::size_t>(2 * node.call.layer - 1);
  const double z0 = p.depth[top], z1 = p.depth[top + 1];
  const double v0 = p.value[top][static_cast<std::size_t>(column)];
  const double v1 = p.value[top + 1][static_cast<std::size_t>(column)];
  return z1 == z0 ? v0 : v0 + (v1 - v0) * (node.z - z0) / (z1 - z0);
}

// The table heading of the loess and Piedmont curves.
// ---------------------------------------------------------------------------
// Cemented silt ("Cem Silt").

void ZeroSiltCohesion(const PyNode& node) {
  RaiseError(
      node.call.out, ErrorId::kSiltZeroCohesion,
      {ErrorValue("layer", node.call.layer), ErrorValue("depth", node.z), ErrorValue("c", node.c)});
}

void ZeroSiltFriction(RunOutput& m) { RaiseError(m, ErrorId::kSiltZeroFriction); }

void SlopeBeyondCohesionlessSilt(RunOutput& m, int layer) {
  RaiseError(m, ErrorId::kCohesionlessSiltSlopeBeyondFriction, {ErrorValue("layer", layer)});
}

void SlopeBeyondSiltFriction(RunOutput& m, int layer) {
  RaiseError(m, ErrorId::kSiltSlopeBeyondFriction, {ErrorValue("layer", layer)});
}

struct CementedSiltCriterion : CriterionBase {
  struct Soil {
    double eps50 = 0.0;  // with the default applied; printed only
    double k = 0.0;      // initial modulus (F/L^3)
    SiltAngles angles;
  };
  using State = SiltNode;
  static constexpr unsigned kReads = kReadStrength | kReadUnitWeight | kReadEps50 | kReadFriction;
  static constexpr bool kEquivalentDepth = true;
  static constexpr ResistanceRule kResistance = ResistanceRule::kTrapezoid;

  // The layer's k at depth z: linear between its top and bottom values, the
  // top value standing for a bottom value of zero or less; the default
  // kc + ks for a top value of zero or less. The input stays as read.
  static double LayerK(const PyNode& node, double phi_degrees) {
    const LayerCall& call = node.call;
    const SoilLayer& layer = call.soil_layer;
    const double top = layer.at_top.kpy;
    if (!(top > 0.0)) {
      return SiltDefaultK(call.units, node.c, node.gamma, phi_degrees, call.cyclic);
    }
    const double bottom = layer.at_bottom.kpy > 0.0 ? layer.at_bottom.kpy : top;
    if (bottom == top || layer.bottom == layer.top) return top;
    return top + (bottom - top) * (node.z - layer.top) / (layer.bottom - layer.top);
  }

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    if (node.c < 1e-10 && node.z > call.soil_layer.top) {
      ZeroSiltCohesion(node);
      return false;
    }
    s->eps50 = SiltDefaultEps50(call.units, node.c, node.eps50);
    // Radians as the slope angles are converted: a slope equal to phi in
    // degrees is equal to it in radians too.
    const double phi = node.phi * (kPi / 180.0);
    if (phi < 1e-10) {
      ZeroSiltFriction(call.out);
      return false;
    }
    s->k = LayerK(node, node.phi);
    const double theta = std::fabs(call.theta);
    if (phi < theta) {
      SlopeBeyondSiltFriction(call.out, call.layer);
      return false;
    }
    const double c1 = std::cos(theta), c2 = std::cos(phi);
    if (c1 * c1 - c2 * c2 < 1e-10 && node.c <= 0.0) {
      SlopeBeyondCohesionlessSilt(call.out, call.layer);
      return false;
    }
    s->angles = SiltAnglesAt(phi, call.theta);
    return true;
  }

  static SiltInput Input(const PyNode& node, const Soil& s) {
    SiltInput in;
    in.b = node.b;
    in.c = node.c;
    in.gamma = node.gamma;
    in.k = s.k;
    in.zc = node.zc;
    in.zs = node.zs;
    in.theta = node.call.theta;
    in.y = node.y;
    in.cyclic = node.call.cyclic;
    in.angles = s.angles;
    return in;
  }

  static double EquivalentDepth(const PyNode& node, const Soil& s, double f) {
    return SiltEquivalentDepth(Input(node, s), f);
  }

  static State StateAt(const PyNode& node, const Soil& s) { return SiltAt(Input(node, s)); }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return SiltEs(st, y_hat, pm, ym);
  }

  static Resistance ResistanceAt(const PyNode& node, const Soil&, const State& st) {
    const LayerCall& call = node.call;
    return {st.pu, 0.0, (call.soil_layer.bottom - call.x_last) * st.pu,
            0.5 * (3.0 * node.c * node.b + st.pu)};
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title(call.cyclic ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                            : "p-y Curve Computed Using the Static Criteria for Cemented Silt");
    block.Integer("Soil Layer Number", call.layer, 12);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Value("Equivalent Depth, x", node.zc, 3, labels.length);
    block.Value("Pile Diameter, B", node.b, 3, labels.length);
    block.Value("Cohesion, c", node.c, 3, labels.stress);
    block.Value("Angle of Friction, phi", node.phi, 3, "deg.");
    block.Value("Avg. Eff. Unit Weight", node.gamma, 5, labels.unit_weight);
    block.Value("k (interp. from input)", s.k, 3, labels.unit_weight);
    block.Value("Epsilon50 (interp.)", s.eps50, 5);
    block.Value("x/B ratio", node.zc / node.b, 3);
    block.Value("A parameter = fn(x/B)", st.a, 5);
    block.Value("B parameter = fn(x/B)", st.b_coef, 5);
    block.Value("m", st.m, 5);
    block.Value("n", st.n, 5);
    block.Value("Cbar", st.cbar, 5);
    block.Value("yk", st.yk, 5, labels.length);
    // Pu is the ultimate resistance A Pu,phi + Pu,c, Pc its cohesive part.
    block.Value("Pu", st.pu, 3, labels.force_per_length);
    block.Value("Pc", st.pu_c, 3, labels.force_per_length);
    block.Value("ym = b/60", st.ym, 5, labels.length);
    block.Value("pm", st.pm, 3, labels.force_per_length);
    block.Value("yu = 3b/80", st.yu, 5, labels.length);
    block.Value("Pu,c", st.pu_c, 3, labels.force_per_length);
    block.Value("Pu,phi", st.pu_phi, 3, labels.force_per_length);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    block.Blank();
    block.Table(CurveTableHeading::kJoinedPSpaced);
    for (const double y : SiltOutputDeflections(st)) {
      w.Point(y * node.ym, SiltP(st, y) * node.pm);
    }
    w.Plot(Uscs(call)
               ? "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. "
               : "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. ",
           "cemented c-phi");
  }
};

// ---------------------------------------------------------------------------
// Loess ("KS Loess").

void TooManyLoessCycles(RunOutput& m, int layer, double cycles) {
  RaiseError(m, ErrorId::kLoessCycles,
             {ErrorValue("layer", layer), ErrorValue("number of cycles of loading", cycles)});
}

struct LoessCriterion : CriterionBase {
  struct Soil {
    double qc = 0.0;  // cone tip resistance interpolated in the layer (F/L^2)
  };
  using State = LoessNode;
  // The load term stays the averaged distributed load with soil movement.
  static constexpr bool kLoadTerm = false;

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    if (node.i == call.first_node && std::fabs(call.cycles) > 10.1) {
      TooManyLoessCycles(call.out, call.layer, std::fabs(call.cycles));
      return false;
    }
    s->qc = InLayer(node, kColConeTip);
    return true;
  }

  static State StateAt(const PyNode& node, const Soil& s) {
    const LayerCall& call = node.call;
    return LoessAt(s.qc, node.x, node.b, LoessCycles(call.cycles),
                   LoessReferenceDeflection(call.units));
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return LoessEs(st, y_hat, pm, ym);
  }

  static void Print(const PyNode& node, const Soil&, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title("p-y Curve for Loess");
    block.Integer("Soil Layer Number", call.layer, 10);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Value("Shaft Diameter", node.b, 3, labels.length);
    block.Value(node.x < 2.0 * node.b ? "Depth Adj. Cone tip resistance" : "Cone tip resistance",
                st.qc, 3, labels.stress);
    block.Value("Initial Modulus, Ei", st.ei, 3, labels.stress);
    block.Value("p_u0", st.pu0, 3, labels.stress);
    block.Value("p_u", st.pu, 3, labels.force_per_length);
    block.Value("Number of Cycles of Loading", LoessCycles(call.cycles), 0, "cycles");
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    block.Table(CurveTableHeading::kNarrow);
    for (const double y : LoessOutputDeflections(st)) {
      w.Point(y * node.ym, LoessP(st, y) * node.pm);
    }
    w.Plot("Line 7:  p-y curve depth in Loess, no. p-y points on curve no. ", "Loess");
  }
};

// ---------------------------------------------------------------------------
// Piedmont residual soil ("Piedmont").

struct PiedmontCriterion : CriterionBase {
  struct Soil {
    PiedmontTest test = PiedmontTest::kNone;
    double type = 0.0;  // the layer's test type as read
    double v = 0.0;     // the test's value interpolated in the layer
    double ei = 0.0;    // initial modulus (F/L^2)
  };
  using State = PiedmontNode;
  // The load term stays the averaged distributed load with soil movement.
  static constexpr bool kLoadTerm = false;

  static int ColumnOf(PiedmontTest test) {
    switch (test) {
      case PiedmontTest::kSpt:
        return kColSpt;
      case PiedmontTest::kCpt:
        return kColConeTip;
      case PiedmontTest::kDmt:
        return kColDilatometer;
      case PiedmontTest::kPmt:
        return kColPressuremeter;
      case PiedmontTest::kNone:
        break;
    }
    return 0;
  }

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    const auto top = static_cast<std::size_t>(2 * call.layer - 1);
    s->type = call.soil.profile.value[top][kColTestType];
    s->test = PiedmontTestOf(s->type);
    if (call.units != UnitSystem::kGeneral && s->test != PiedmontTest::kNone) {
      s->v = InLayer(node, ColumnOf(s->test));
    }
    s->ei = PiedmontModulus(call.units, s->test, s->v);
    return true;
  }

  static State StateAt(const PyNode& node, const Soil& s) { return PiedmontAt(s.ei, node.b); }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return PiedmontEs(st, y_hat, pm, ym);
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title("p-y Curve for Piedmont Residual Soil Criteria");
    block.Integer("Soil Layer Number", call.layer, 10);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Value("Shaft Diameter", node.b, 3, labels.length);
    const bool uscs = Uscs(call);
    // The test values are in the run's stress unit, psi in USCS runs.
    const char* label = "";
    const char* unit = uscs ? "psi" : "kPa";
    const char* name = "";
    switch (s.test) {
      case PiedmontTest::kSpt:
        name = "Standard Penetration Test";
        label = "SPT  N60-value";
        unit = uscs ? "blows/ft" : "blows/0.3 m";
        break;
      case PiedmontTest::kCpt:
        name = "Cone Penetration Test";
        label = "CPT qc";
        break;
      case PiedmontTest::kDmt:
        name = "Dilatometer Test";
        label = "DMT Edmt";
        break;
      case PiedmontTest::kPmt:
        name = "Pressuremeter Test";
        label = "PMT Epmt";
        break;
      case PiedmontTest::kNone:
        break;
    }
    if (s.test == PiedmontTest::kNone) {
      // No test: the type as read.
      block.Value("Type of Field Test", s.type, 3);
    } else {
      block.Text("Type of Field Test", name);
      if (call.units != UnitSystem::kGeneral) block.Value(label, s.v, 3, unit);
    }
    block.Value("Initial Modulus from Field Tests", st.ei, 3, labels.stress);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    block.Table(CurveTableHeading::kNarrow);
    for (const double y : PiedmontOutputDeflections(st)) {
      w.Point(y * node.ym, PiedmontP(st, y) * node.pm);
    }
    w.Plot("Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
           "Piedmont residual soil");
  }
};

}  // namespace

extern const CriterionOps kCementedSiltOps = OpsFor<CementedSiltCriterion>();
extern const CriterionOps kLoessOps = OpsFor<LoessCriterion>();
extern const CriterionOps kPiedmontOps = OpsFor<PiedmontCriterion>();

}  // namespace tarvex
