// The rock criteria at the nodes of a layer: weak rock, vuggy limestone and
// massive rock. They use the true depth below the ground surface, no
// equivalent depth and no slope factor. The curves themselves are in
// rock_curves.cpp; here are what each criterion takes from the soil at a
// node, its checks, and its printed curve.
#include <cmath>
#include <string>

#include "format/error_text.hpp"
#include "soil/py_dispatch.hpp"
#include "soil/rock_curves.hpp"

namespace tarvex {
namespace {

bool Uscs(const LayerCall& call) { return call.units == UnitSystem::kUscs; }

// A value given at the top and bottom of the layer, at depth z; false after
// runtime error 20 for a layer of no thickness.
bool LayerValueAt(const PyNode& node, double top, double bottom, bool massive, double* value) {
  const LayerCall& call = node.call;
  const SoilLayer& layer = call.soil_layer;
  if (layer.bottom == layer.top) {
    // The block follows the "ended prematurely" lines in the report.
    const ErrorValues values = {
        ErrorValue("layer", call.layer), ErrorValue("elevation", layer.top),
        ErrorTextValue("criterion",
                       std::string(CriterionOf(massive ? kMassiveRock : kWeakRock).description))};
    ReportError(call.out, ErrorId::kRockLayerWithoutThickness, values);
    WriteErrorText(ErrorId::kRockLayerWithoutThickness, values, call.out.report, call.out.message);
    *value = 0.0;
    return false;
  }
  *value = top + (bottom - top) * (node.z - layer.top) / (layer.bottom - layer.top);
  return true;
}

// Compressive strength of zero or less.
void StrengthNotPositive(const LayerCall& call) {
  RaiseError(call.out, ErrorId::kRockStrengthNotPositive, {ErrorValue("layer", call.layer)});
}

// A rock modulus of zero or less: the initial line of the curve would have
// no slope and its break point no finite deflection.
void ModulusNotPositive(const LayerCall& call, std::string_view what) {
  RaiseError(call.out, ErrorId::kRockModulusNotPositive,
             {ErrorValue("layer", call.layer), ErrorTextValue("modulus", std::string(what))});
}

// A massive rock layer along the pile without strength or modulus.
void MassiveRockWithoutValues(const LayerCall& call) {
  RaiseError(call.out, ErrorId::kMassiveRockWithoutValues, {ErrorValue("layer", call.layer)});
}

// ---------------------------------------------------------------------------
// Weak rock ("WeakRock").

struct WeakRockSoil {
  double eir = 0.0;  // initial rock mass modulus
  double xr = 0.0;   // depth into the rock
};

struct WeakRockCriterion : CriterionBase {
  using Soil = WeakRockSoil;
  using State = WeakRockNode;
  static constexpr unsigned kReads = kReadStrength | kReadUnitWeight | kReadRqd | kReadRockColumn2;

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    RunOutput& m = call.out;
    const double qu = node.c;
    if (!node.at_node) {
      WarningTally& warnings = m.warnings();
      if (call.units == UnitSystem::kUscs) {
        if (qu < 100.0) RecordWarning(warnings, -3071);
        if (qu > 1000.0) RecordWarning(warnings, -3072);
      } else if (call.units == UnitSystem::kSi) {
        if (qu < 689.5) RecordWarning(warnings, -3073);
        if (qu > 6895.0) RecordWarning(warnings, -3074);
      }
      if (qu <= 0.0) {
        StrengthNotPositive(call);
        return false;
      }
    }
    if (qu < 1e-10 && node.i > call.first_node) {
      RaiseError(m, ErrorId::kWeakRockZeroStrength,
                 {ErrorValue("layer", call.layer), ErrorValue("compressive strength", qu)});
      return false;
    }
    const SoilLayer& layer = call.soil_layer;
    if (!LayerValueAt(node, layer.at_top.kpy, layer.at_bottom.kpy, false, &s->eir)) return false;
    if (s->eir <= 0.0) {
      ModulusNotPositive(call, "initial rock mass modulus of a weak rock");
      return false;
    }
    if (node.k_rm <= 0.0) {
      RaiseError(m, ErrorId::kKrmNotPositive,
                 {ErrorValue("layer", call.layer), ErrorValue("k_rm", node.k_rm)});
      return false;
    }
    if (node.k_rm < double(0.00005f)) RecordWarning(m.warnings(), -316);
    if (node.k_rm > double(0.0005f)) RecordWarning(m.warnings(), -317);
    if (node.k_rm * node.b <= 0.0) {
      RaiseError(m, ErrorId::kWeakRockKrmNotPositive,
                 {ErrorValue("layer", call.layer), ErrorValue("k_rm", node.k_rm)});
      return false;
    }
    // The depth into rock counts from the top of the uppermost of the weak
    // rock and vuggy limestone layers directly above.
    s->xr = node.z + 1e-8 - layer.top;
    for (int j = call.layer - 1; j >= 1; --j) {
      const SoilLayer& above = call.layers[static_cast<std::size_t>(j - 1)];
      if (above.code != kWeakRock && above.code != kVuggyLimestone) break;
      s->xr += above.bottom - above.top;
    }
    return true;
  }

  static State StateAt(const PyNode& node, const Soil& s) {
    return WeakRockAt({node.b, node.c, node.rqd, s.eir, node.k_rm, s.xr});
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return WeakRockEs(st, y_hat, pm, ym);
  }

  static void Print(const PyNode& node, const Soil& s, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title("p-y Curve Computed Using Weak Rock Criteria");
    block.Integer("Soil Layer Number", call.layer);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Value("Diameter", node.b, 3, labels.length);
    block.Value("Unconfined Compressive Strength", node.c, 3, labels.stress);
    block.Value("Gamma Avg", node.gamma, 5, labels.unit_weight);
    block.Value("Xr", s.xr, 3, labels.length);
    block.Value("RQD", node.rqd, 3, "%");
    block.Value("Eir", s.eir, 0, labels.stress);
    block.Value("Pu", st.pur, 3, labels.force_per_length);
    block.Value("k_rm", node.k_rm, 5);
    block.Exponent("K_ir", st.kir, 5, labels.stress);
    block.Value("Alpha_r", st.alpha_r, 3);
    block.Value("Yu", 3.0 * node.b / 80.0, 3, labels.length);
    block.Value("Yrm", st.yrm, 5, labels.length);
    block.Exponent("Y_A", st.ya, 5, labels.length);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    block.Table(CurveTableHeading::kSpacedP);
    for (const double y : WeakRockOutputDeflections(st)) {
      w.Point(y * node.ym, WeakRockP(st, y) * node.pm);
    }
    block.Blank();
    w.Plot("Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ", "weak rock");
  }
};

// ---------------------------------------------------------------------------
// Vuggy limestone ("Vuggy LS"): soil movement does not act on it and it
// writes no load term.

struct VuggyLimestoneCriterion : CriterionBase {
  struct Soil {};
  using State = VuggyLimestoneNode;
  static constexpr unsigned kReads = kReadStrength | kReadUnitWeight;
  static constexpr bool kCurveWithSoilMovement = false;
  static constexpr bool kLoadTerm = false;

  static bool SoilAt(const PyNode& node, Layer&, Soil*) {
    const LayerCall& call = node.call;
    const double qu = node.c;
    if (node.z > call.soil_layer.top) {
      const bool out_of_range = (call.units == UnitSystem::kUscs && (qu < 1000.0 || qu > 2500.0)) ||
                                (call.units == UnitSystem::kSi && (qu < 6895.0 || qu > 17237.5));
      if (out_of_range) RecordWarning(call.out.warnings(), -308);
    }
    // Without strength the curve has no second line (its end is 0/0).
    if (qu <= 0.0) {
      StrengthNotPositive(call);
      return false;
    }
    return true;
  }

  static State StateAt(const PyNode& node, const Soil&) {
    return VuggyLimestoneAt(node.b, node.c, node.gamma, node.zs);
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return VuggyLimestoneEs(st, y_hat, pm, ym);
  }

  static void Print(const PyNode& node, const Soil&, const State& st, PyCurveOut& w) {
    const LayerCall& call = node.call;
    const PyLabels labels = LabelsOf(call.units);
    CurveBlock block(w.curve(), labels);
    block.Title("p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
    block.Integer("Soil Layer Number", call.layer);
    block.Depths(node.z, node.zs, Uscs(call));
    block.Value("Shaft Diameter", node.b, 3, labels.length);
    block.Value("Uniaxial Compressive Strength", 2.0 * st.su, 3, labels.stress);
    block.Value("p-multiplier", node.pm, 5);
    block.Value("y-multiplier", node.ym, 5);
    block.Blank();
    block.Table(CurveTableHeading::kNarrow);
    for (const double y : VuggyLimestoneOutputDeflections(st)) {
      w.Point(y * node.ym, VuggyLimestoneP(st, y) * node.pm);
    }
    w.Plot("Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ",
           "vuggy limestone rock");
  }
};

// ---------------------------------------------------------------------------
// Massive rock ("MassRock"): solver passes only; no printed curve and no
// load term.

struct MassiveRockSoil {
  double ei = 0.0;  // intact-rock modulus
};

struct MassiveRockCriterion : CriterionBase {
  using Soil = MassiveRockSoil;
  using State = MassiveRockNode;
  static constexpr unsigned kReads = kReadStrength | kReadUnitWeight;
  static constexpr bool kLoadTerm = false;
  static constexpr bool kPrints = false;

  static bool SoilAt(const PyNode& node, Layer&, Soil* s) {
    const LayerCall& call = node.call;
    const SoilLayer& layer = call.soil_layer;
    if (!LayerValueAt(node, layer.at_top.kpy, layer.at_bottom.kpy, true, &s->ei)) return false;
    // The Hoek-Brown strength needs the intact rock's strength and modulus,
    // which the input file does not give a massive rock layer.
    if (node.c <= 0.0 || s->ei <= 0.0) {
      MassiveRockWithoutValues(call);
      return false;
    }
    return true;
  }

  static State StateAt(const PyNode& node, const Soil& s) {
    const LayerCall& call = node.call;
    MassiveRockInput in;
    in.b = node.b;
    in.zs = node.zs;
    in.gamma = node.gamma;
    in.sigci = node.c;
    in.ei = s.ei;
    in.ei_pile = call.pile.ei[PileNodes::At(node.i)];
    in.units = call.units;
    return MassiveRockAt(in);
  }

  static double Es(const State& st, double y_hat, double pm, double ym) {
    return MassiveRockEs(st, y_hat, pm, ym);
  }
};

}  // namespace

extern const CriterionOps kWeakRockOps = OpsFor<WeakRockCriterion>();
extern const CriterionOps kVuggyLimestoneOps = OpsFor<VuggyLimestoneCriterion>();
extern const CriterionOps kMassiveRockOps = OpsFor<MassiveRockCriterion>();

}  // namespace tarvex
