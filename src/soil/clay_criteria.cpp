// The clay criteria at the nodes of a layer: soft clay (Matlock, J = 0.5 or
// J per layer), stiff clay with free water (Reese), and stiff clay without
// free water (Welch and Reese, with or without an initial modulus k).
#include <cmath>
#include <string>

#include "report/number_fields.hpp"
#include "soil/clay_curves.hpp"
#include "soil/criteria.hpp"
#include "soil/py_modifiers.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

bool Uscs(const PyContext& ctx) { return ctx.input.options.units == UnitSystem::kUscs; }

// Factor on the shallow resistance for sloping ground and pile batter.
double SlopeFactor(const PyContext& ctx, int node, bool single_precision_cos45) {
  const double theta = ctx.input.slope_minus_batter;
  if (!(std::fabs(theta) > 1e-20)) return 1.0;
  return SlopeBatterFactor(theta, ctx.nodes.y[At(node)], single_precision_cos45);
}

// The 17 points of a printed curve: the report table and the plot records.
struct PrintedCurve {
  const char* line7;
  const char* line8;
  bool fixed_columns = false;
};

template <typename PAt>
void PrintCurve(const PyContext& ctx, int node, const ClayCurveDeflections& ys,
                const Multipliers& mu, const PrintedCurve& texts, PAt p_at) {
  RecordWriter& report = ctx.out.report;
  PlotCurveHeader(ctx, ctx.nodes.x[At(node)], kClayCurvePoints, texts.line7, node);
  for (int k = 0; k < kClayCurvePoints; ++k) {
    const double y = ys[static_cast<std::size_t>(k)];
    const double p = p_at(y);
    if (texts.fixed_columns) {
      report.Write("(F15.4,F17.3)", {y * mu.ym, p * mu.pm});
    } else {
      report.Text("   ");
      WriteAdaptive(report, 12, y * mu.ym);
      report.Text("     ");
      WriteAdaptive(report, 12, p * mu.pm);
      report.EndLine();
    }
    PlotCurvePoint(ctx, k + 1, y * mu.ym, p * mu.pm, texts.line8);
  }
}

// The zero-strength input errors of the clays.
void ZeroCohesionSoftClay(const PyContext& ctx, bool with_j, int node, double z, double c) {
  RunOutput& m = ctx.out;
  const int number = with_j ? 71 : 12;
  for (RecordWriter* out : {&m.message, &m.report}) {
    out->Write("(A/)", {"**** Input Data Error No. " + std::to_string(number) + " ****"});
    out->Write("(A)", {"An error was detected that is related to an incompatibility between the "
                       "input "});
    out->Write("(A)", {"data defining soil layering and soil shear strength values when computing "
                       "a "});
    out->Write("(A/)", {"p-y curve using the Matlock soft clay criteria."});
    out->Write("(A/)", {with_j ? "Problem:  A negative or zero value of cohesion was input for a "
                                 "soft clay soil with J."
                               : "Problem:  A negative or zero value of cohesion was input for a "
                                 "soft clay soil."});
    out->Write("(A)", {"Solution:  Please compare the depth values for soil layering and soil "
                       "shear "});
    out->Write("(A/)", {"strength values and revise the input data."});
    const bool report = out == &m.report;
    out->Write(report ? "(A,I0,A,I0,A,I0,A,F10.3,A,F10.3,$)" : "(A,I0,A,I0,A,I0,A,F10.3,A,F10.3)",
               {"Layer no. = ", ctx.layer, ", Node no. = ", node,
                ", Top node in layer = ", ctx.first_node(), ", Elevation = ", z, ", c(x) = ", c});
    if (report) {
      out->Write("(A,F10.3)", {", Pile length = ", ctx.pile_length});
      out->Write("(A,I0,A,I0)", {", ITOP = ", ctx.first_node(), ", IBOT = ", ctx.last_node()});
    }
  }
  ReportError(m, with_j ? "INP00071" : "INP00012", with_j ? 171 : 112);
}

void ZeroCohesionStiffClay(RunOutput& m, bool free_water, bool with_k) {
  for (RecordWriter* out : {&m.message, &m.report}) {
    if (free_water) {
      out->Write("(A/)", {"**** Input Data Error No. 14 ****"});
      out->Write("(A)", {"An error was detected in the input data used to compute p-y curves in "});
      out->Write("(A/)", {"stiff clay with free water."});
      out->Write("(A/)", {"Problem:  Zero was input for the cohesion of a stiff clay. "});
      out->Write("(A)", {"Solution:  Check and compare the values of shear strength and revise "
                         "the "});
      out->Write("(A)", {"input so that the strength values are correct for the soil types "
                         "specified."});
    } else {
      out->Write("(A/)", {"**** Input Data Error No. 13 ****"});
      out->Write("(A)", {"An error was detected in the input data."});
      out->Write("(A/)",
                 {"Problem:  Zero was input for cohesion of stiff clay without free water."});
      if (with_k) {
        out->Write("(A)", {"Solution:  Please check the values of soil shear strength and "
                           "revise "});
        out->Write("(A)", {"the input data."});
      } else {
        out->Write("(A)", {"Solution:  Please check the values of soil shear strength and revise "
                           "the input data."});
      }
    }
  }
  ReportError(m, free_water ? "INP00014" : "INP00013", free_water ? 114 : 113);
}

// General units have no default epsilon-50 or k: a stiff clay layer needs
// its own values.
void MissingGeneralValue(RunOutput& m, int layer, const char* what) {
  for (RecordWriter* out : {&m.message, &m.report}) {
    out->Write("(//A/)", {"**** Input Data Error No. 95 ****"});
    out->Write("(A,I0,A,A,A)", {"Problem:  Soil layer ", layer,
                                " is a stiff clay with no input "
                                "value of ",
                                what, " at this depth,"});
    out->Write("(A/)", {"          and general units have no default values for it."});
    out->Write("(A/)", {"Solution:  Give the layer a positive value at its top and bottom."});
  }
  ReportError(m, "INP00095", 195);
}

// Warnings on the strength range; skipped on a layer interface.
void StrengthWarnings(const PyContext& ctx, double c, double low_uscs, double high_uscs,
                      double low_si, double high_si, int first_warning) {
  WarningTally& warnings = ctx.out.warnings();
  const UnitSystem units = ctx.input.options.units;
  if (units == UnitSystem::kUscs) {
    if (c < low_uscs) RecordWarning(warnings, -first_warning);
    if (c > high_uscs) RecordWarning(warnings, -(first_warning + 1));
  } else if (units == UnitSystem::kSi) {
    if (c < low_si) RecordWarning(warnings, -(first_warning + 2));
    if (c > high_si) RecordWarning(warnings, -(first_warning + 3));
  }
}

// The layer's k at depth z: linear between its top and bottom values, the
// top value standing for a bottom value of zero or less, and the default
// table when the top value is missing. The layer's input values stay as read.
bool LayerK(const PyContext& ctx, double z, double c, bool default_when_not_positive, double* k) {
  const SoilLayer& layer = ctx.soil_layer();
  const double top = layer.at_top.kpy;
  const bool missing = default_when_not_positive ? top <= 0.0 : top == 0.0;
  if (missing) {
    const std::optional<double> d = DefaultK(layer.code, ctx.input.options.units, c, ctx.cyclic());
    if (d) {
      *k = *d;
      return true;
    }
    MissingGeneralValue(ctx.out, ctx.layer, "k");
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

// Common values of a clay node.
struct ClaySoil {
  double b = 0.0;
  Multipliers mu;
  double c = 0.0;
  bool at_node = false;
  double gamma = 0.0;
  double eps50 = 0.0;
};

// Epsilon-50 at z with the criterion's default when the input is 0 or less;
// false after an error (general units have no default).
bool Eps50At(const PyContext& ctx, const SoilAccess& soil, SoilCriterion criterion, double z,
             ClaySoil* s) {
  RunOutput& m = ctx.out;
  s->eps50 = Epsilon50At(soil, z);
  if (m.failed()) return false;
  if (s->eps50 > 0.0) return true;
  const std::optional<double> d = DefaultEps50(criterion, ctx.input.options.units, s->c);
  if (d) {
    s->eps50 = *d;
    return true;
  }
  if (criterion == kSoftClay || criterion == kSoftClayJ) {
    SetErrorCode(m, criterion == kSoftClayJ ? 238 : 237);
  } else {
    MissingGeneralValue(m, ctx.layer, "epsilon-50");
  }
  return false;
}

// The clay values of a node as the curve functions take them; n_cycles is
// the number of cycles of loading as the criterion uses it.
ClayNodeInput NodeInput(const PyContext& ctx, const ClaySoil& s, double ca, double zc, double k,
                        double f, double n_cycles) {
  ClayNodeInput in;
  in.b = s.b;
  in.c = s.c;
  in.ca = ca;
  in.gamma = s.gamma;
  in.zc = zc;
  in.eps50 = s.eps50;
  in.k = k;
  in.f = f;
  in.cyclic = ctx.cyclic();
  in.n_cycles = n_cycles;
  return in;
}

// The solver step of a stiff clay node: its secant modulus, the load term
// with soil movement, and its part of the layer resistance with the end term
// from the last node to the layer bottom.
void StiffClaySolverStep(const PyContext& ctx, int node, double es, double r,
                         double layer_one_estimate, LayerResistanceSum& sum) {
  ctx.nodes.es[At(node)] = es;
  ApplySoilMovement(ctx, node);
  const double bottom = ctx.soil_layer().bottom;
  sum.Add(node, r, (bottom - ctx.nodes.x[At(ctx.last_node())]) * r);
  const SoilLayer& first = ctx.tables.layers[0];
  sum.ReplaceForLayerOne(layer_one_estimate * (first.bottom - first.top));
}

// b, pm, ym, c and gamma at a node; false on an error of the accessors.
bool ReadSoil(const PyContext& ctx, const SoilAccess& soil, double x, double z, ClaySoil* s) {
  s->b = PileWidthAt(ctx.tables.section_points, x);
  s->mu = MultipliersAt(ctx.input.py_multipliers, x);
  s->c = ShearStrengthAt(soil, z, &s->at_node);
  if (ctx.out.failed()) return false;
  s->gamma = AverageUnitWeight(soil, z);
  return !ctx.out.failed();
}

// b, the multipliers, c with the zero-strength check and the range warnings
// (skipped on a layer interface), and gamma of a stiff clay node; false after
// an error.
bool StiffClaySoil(const PyContext& ctx, const SoilAccess& soil, int node, double x, double z,
                   bool free_water, bool with_k, ClaySoil* s) {
  s->b = PileWidthAt(ctx.tables.section_points, x);
  s->mu = MultipliersAt(ctx.input.py_multipliers, x);
  s->c = ShearStrengthAt(soil, z, &s->at_node);
  if (ctx.out.failed()) return false;
  if (node > ctx.first_node() && s->c < 1e-10) {
    ZeroCohesionStiffClay(ctx.out, free_water, with_k);
    return false;
  }
  if (!s->at_node) {
    if (free_water) {
      StrengthWarnings(ctx, s->c, double(3.4722223f), double(55.555557f), double(23.940128f),
                       double(383.04205f), 3051);
    } else {
      StrengthWarnings(ctx, s->c, double(3.4722223f), double(55.555557f), double(23.94f),
                       double(383.04f), with_k ? 3261 : 3061);
    }
  }
  s->gamma = AverageUnitWeight(soil, z);
  return !ctx.out.failed();
}

// ---------------------------------------------------------------------------
// Soft clay, with J = 0.5 or J given per layer.

void SoftClay(const PyContext& ctx, bool with_j) {
  const int first = ctx.first_node(), last = ctx.last_node();
  const SoilAccess soil = ctx.soil();
  LayerResistanceSum solver_sum(ctx);
  for (int i = first; i <= last; ++i) {
    const double x = ctx.nodes.x[At(i)];
    const double z = ctx.output ? x : ctx.nodes.z[At(i)];
    ClaySoil s;
    if (!ReadSoil(ctx, soil, x, z, &s)) return;
    if (!s.at_node) {
      if (Uscs(ctx) && s.c > double(8.6805553f)) RecordWarning(ctx.out.warnings(), -3041);
      if (ctx.input.options.units == UnitSystem::kSi && s.c > double(59.850323f)) {
        RecordWarning(ctx.out.warnings(), -3042);
      }
    }
    if (!Eps50At(ctx, soil, with_j ? kSoftClayJ : kSoftClay, z, &s)) return;
    if (i > first && s.c < 1e-10) {
      ZeroCohesionSoftClay(ctx, with_j, i, z, s.c);
      return;
    }
    const double j = with_j ? JAt(soil, z) : kMatlockJ;
    if (ctx.out.failed()) return;
    if (!ctx.output && i == first && ctx.layer >= 2 && ctx.switch_value == 0) {
      ctx.working.heq[static_cast<std::size_t>(ctx.layer)] = SoftClayEquivalentDepth(
          {s.b, s.c, 0.0, s.gamma, j, ResistanceAbove(ctx.working, ctx.layer), ctx.cyclic()});
    }
    const NodeDepths d = DepthsAt(ctx, i);
    ClayNodeInput in =
        NodeInput(ctx, s, 0.0, d.zc, 0.0, SlopeFactor(ctx, i, true), ctx.input.options.cycles);
    in.j = j;
    const SoftClayNode node = SoftClayAt(in);

    if (!ctx.output) {
      const double y_hat = CurveDeflection(ctx, i, s.mu.ym);
      const double es = SoftClayEs(node, y_hat, s.mu.pm, s.mu.ym);
      if (std::isnan(es)) {
        const bool small = y_hat < node.y_small;
        const int number = with_j ? (small ? 35 : 36) : (small ? 33 : 34);
        ctx.out.report.Write("(A/)", {"**** Runtime Error No " + std::to_string(number) + " ****"});
        ctx.out.report.Write(
            "(A,I0/)", {with_j ? "The computed value of soil modulus computed in API soft clay is "
                                 "not-a-number for node number "
                               : "The computed value of soil modulus computed in soft clay is "
                                 "not-a-number for node number ",
                        i});
        ctx.out.report.Write("(A)",
                             {"This problem is usually due to a required soil property being "
                              "left equal to zero."});
        SetErrorCode(ctx.out, 200 + number);
        return;
      }
      ctx.nodes.es[At(i)] = es;
      ApplySoilMovement(ctx, i);
      const SoftClayIntegrand r = SoftClayResistanceIntegrand(node);
      solver_sum.Add(i, r.r, node.pu * ctx.nodes.h, r.r_shallow.value_or(0.0));
      solver_sum.ReplaceForLayerOne((3.0 * s.c * s.b + node.pu) / 2.0 *
                                    (ctx.tables.layers[0].bottom - ctx.tables.layers[0].top));
      continue;
    }

    // The printed curve.
    const bool cyclic_title = ctx.input.options.cycles >= 2.0;
    const PyLabels labels = LabelsOf(ctx.input.options.units);
    CurveBlock block(ctx.out.report, labels);
    if (with_j) {
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
    block.Integer("Soil Layer Number", ctx.layer);
    block.Depths(z, d.zs, Uscs(ctx));
    block.Degrees("Ground Slope Angle", ctx.input.slope_angle);
    block.Degrees("Pile Batter", ctx.input.batter_angle);
    block.Degrees("Effective Slope", ctx.input.slope_minus_batter);
    block.Value("Equivalent Depth", d.zc, 3, labels.length);
    block.Value("Pile Diameter", s.b, 3, labels.length);
    block.Value("Cohesion, c", s.c, 3, labels.stress);
    block.Value("Avg Eff Unit Weight", s.gamma, 5, labels.unit_weight);
    block.Value("Epsilon50 parameter", s.eps50, 5);
    block.Value(with_j ? "J parameter" : "J", j, 3);
    block.Value("Transition Depth Xr", node.zr, 3, labels.length);
    block.Value("pu_s", node.pu_s, 3, labels.force_per_length);
    block.Value("pu_d", node.pu_d, 3, labels.force_per_length);
    block.Value("Y50", node.y50, 5, labels.length);
    block.Value("p-multiplier", s.mu.pm, 5);
    block.Value("y-multiplier", s.mu.ym, 5);
    if (cyclic_title) {
      ctx.out.report.Write("(A,F12.0)",
                           {"Number of cycles of loading = ", ctx.input.options.cycles});
      ctx.out.report.Write("(A,F12.3,1X,A)",
                           {"Xr                          = ", node.zr, labels.length});
    }
    ctx.out.report.Write("(/T6,'y, ',A,T25,'p, ',A)", {labels.length, labels.force_per_length});
    ctx.out.report.Write("(A)", {"----------------    -----------------"});
    PrintCurve(ctx, i, SoftClayOutputDeflections(node), s.mu,
               with_j ? PrintedCurve{"Line 7:  p-y curve depth in soft clay with J, no. points on "
                                     "p-y curve no. ",
                                     "API soft clay"}
                      : PrintedCurve{"Line 7:  p-y curve depth in soft clay, no. p-y points on "
                                     "curve no. ",
                                     "soft clay"},
               [&](double y) { return SoftClayP(node, y); });
  }
}

// ---------------------------------------------------------------------------
// Stiff clay with free water.

void StiffClayFreeWater(const PyContext& ctx) {
  const int first = ctx.first_node(), last = ctx.last_node();
  const SoilAccess soil = ctx.soil();
  LayerResistanceSum solver_sum(ctx);
  // Running average of c over the nodes of a lower layer.
  double c_first = 0.0, z_first = 0.0, c_previous = 0.0, z_previous = 0.0, c_integral = 0.0;
  for (int i = first; i <= last; ++i) {
    const double x = ctx.nodes.x[At(i)];
    const double z = ctx.output ? x : ctx.nodes.z[At(i)];
    ClaySoil s;
    if (!StiffClaySoil(ctx, soil, i, x, z, true, false, &s)) return;
    double ca = s.c;
    if (ctx.layer == 1) {
      ca = AverageStrength(soil, z);
      if (ctx.out.failed()) return;
    } else if (i == first) {
      c_first = c_previous = s.c;
      z_first = z_previous = z;
      c_integral = 0.0;
    } else {
      c_integral += (c_previous + s.c) * (z - z_previous) / 2.0;
      c_previous = s.c;
      z_previous = z;
      ca = z > z_first ? c_integral / (z - z_first) : c_first;
    }
    double k = 0.0;
    if (!LayerK(ctx, z, s.c, true, &k)) return;
    if (!Eps50At(ctx, soil, kStiffClayFreeWater, z, &s)) return;
    if (!ctx.output && i == first && ctx.layer >= 2 && ctx.switch_value == 0) {
      ctx.working.heq[static_cast<std::size_t>(ctx.layer)] = StiffClayFreeWaterEquivalentDepth(
          {s.b, s.c, ca, s.gamma, 0.5, ResistanceAbove(ctx.working, ctx.layer), ctx.cyclic()});
    }
    const NodeDepths d = DepthsAt(ctx, i);
    const StiffClayFreeWaterNode node = StiffClayFreeWaterAt(
        NodeInput(ctx, s, ca, d.zc, k, SlopeFactor(ctx, i, false), ctx.input.options.cycles));

    if (!ctx.output) {
      const double y_hat = CurveDeflection(ctx, i, s.mu.ym);
      StiffClaySolverStep(ctx, i, StiffClayFreeWaterEs(node, y_hat, s.mu.pm, s.mu.ym), node.pres,
                          (2.0 * ca * s.b + node.pc) / 2.0, solver_sum);
      continue;
    }

    const PyLabels labels = LabelsOf(ctx.input.options.units);
    CurveBlock block(ctx.out.report, labels);
    block.Title(node.cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free "
                              "Water"
                            : "p-y Curve Computed Using Static Criteria for Stiff Clay with Free "
                              "Water");
    block.Integer("Soil Layer Number", ctx.layer);
    block.Depths(z, d.zs, Uscs(ctx));
    block.Value("Equivalent Depth", d.zc, 3, labels.length);
    block.Value("Diameter", s.b, 3, labels.length);
    block.Value("c (at curve depth)", s.c, 3, labels.stress);
    block.Value("Avergage c", ca, 3, labels.stress);
    block.Value("Average Eff. Unit Weight", s.gamma, 5, labels.unit_weight);
    block.Value("k", k, 3, labels.unit_weight);
    block.Value("Epsilon50", s.eps50, 5);
    block.Value("y50", node.y50, 5, labels.length);
    block.Value("As", node.as, 3);
    block.Value(node.cyclic ? "Ac" : "Ac (not used)", node.ac, 3);
    block.Value("pct", node.pct, 3, labels.force_per_length);
    block.Value("pcd", node.pcd, 3, labels.force_per_length);
    block.Value("pc", node.pc, 3, labels.force_per_length);
    block.Value("pu", node.pres, 3, labels.force_per_length);
    block.Value("p-multiplier", s.mu.pm, 5);
    block.Value("y-multiplier", s.mu.ym, 5);
    ctx.out.report.Write("()");
    if (node.cyclic) {
      block.Value("Number of Cycles of Loading", ctx.input.options.cycles, 0);
      ctx.out.report.Write("()");
    }
    ctx.out.report.Write(
        "(A,A,A,A)", {"        y, ", labels.length, "             p,", labels.force_per_length});
    ctx.out.report.Write("(A)", {"----------------    -----------------"});
    PrintCurve(
        ctx, i, StiffClayFreeWaterOutputDeflections(node), s.mu,
        {"Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve "
         "no. ",
         node.cyclic ? "cyclic stiff clay with free water" : "static stiff clay with free water",
         node.cyclic},
        [&](double y) { return StiffClayFreeWaterP(node, y); });
  }
}

// ---------------------------------------------------------------------------
// Stiff clay without free water, with or without an initial modulus k.

void StiffClayNoFreeWater(const PyContext& ctx, bool with_k) {
  // The criterion's own number of cycles: the run's number stays as read for
  // the other layers.
  const double cycles = StiffClayNoFreeWaterCycles(ctx.input.options.cycles, with_k);
  const int first = ctx.first_node(), last = ctx.last_node();
  const SoilAccess soil = ctx.soil();
  LayerResistanceSum solver_sum(ctx);
  for (int i = first; i <= last; ++i) {
    const double x = ctx.nodes.x[At(i)];
    const double z = ctx.output ? x : ctx.nodes.z[At(i)];
    ClaySoil s;
    if (!StiffClaySoil(ctx, soil, i, x, z, false, with_k, &s)) return;
    const double ca = AverageStrength(soil, z);
    if (ctx.out.failed()) return;
    if (!Eps50At(ctx, soil, with_k ? kStiffClayNoFreeWaterK : kStiffClayNoFreeWater, z, &s)) {
      return;
    }
    double k = 0.0;
    if (with_k && !LayerK(ctx, z, s.c, false, &k)) return;
    if (!ctx.output && i == first && ctx.layer >= 2 && ctx.switch_value == 0) {
      ctx.working.heq[static_cast<std::size_t>(ctx.layer)] = StiffClayNoFreeWaterEquivalentDepth(
          {s.b, s.c, ca, s.gamma, 0.5, ResistanceAbove(ctx.working, ctx.layer), ctx.cyclic()});
    }
    const NodeDepths d = DepthsAt(ctx, i);
    const StiffClayNoFreeWaterNode node = StiffClayNoFreeWaterAt(
        NodeInput(ctx, s, ca, d.zc, k, SlopeFactor(ctx, i, true), cycles), with_k);

    if (!ctx.output) {
      const double y_hat = CurveDeflection(ctx, i, s.mu.ym);
      StiffClaySolverStep(ctx, i, StiffClayNoFreeWaterEs(node, y_hat, s.mu.pm, s.mu.ym), node.pu,
                          (3.0 * ca * s.b + node.pu) / 2.0, solver_sum);
      continue;
    }

    const PyLabels labels = LabelsOf(ctx.input.options.units);
    CurveBlock block(ctx.out.report, labels);
    const char* title = node.cyclic
                            ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without "
                              "Free Water"
                            : "p-y Curve Computed Using Static Criteria for Stiff Clay without "
                              "Free Water";
    if (with_k) {
      ctx.out.report.Write("(//A/A/)", {title, "with Option of Defining Initial k"});
    } else {
      block.Title(title);
    }
    block.Integer("Soil Layer Number", ctx.layer);
    block.Depths(z, d.zs, Uscs(ctx));
    if (!with_k) {
      block.Degrees("Ground Slope Angle", ctx.input.slope_angle);
      block.Degrees("Pile Batter Angle", ctx.input.batter_angle);
      block.Degrees("Effective Slope", ctx.input.slope_minus_batter);
    }
    block.Value("Equivalent Depth", d.zc, 3, labels.length);
    block.Value("Diameter", s.b, 3, labels.length);
    block.Value("Undrained cohesion, c", s.c, 5, labels.stress);
    block.Value("Average Eff. Unit Weight", s.gamma, 5, labels.unit_weight);
    block.Value("Epsilon-50", s.eps50, 5);
    if (with_k) block.Value("k", k, 0, labels.unit_weight);
    block.Value("Pct", node.pct_unfactored, 3, labels.force_per_length);
    block.Value("Pcd", node.pcd, 3, labels.force_per_length);
    block.Value("Pu", node.pu, 3, labels.force_per_length);
    block.Value("y50", node.y50, 5, labels.length);
    block.Value("p-multiplier", s.mu.pm, 5);
    block.Value("y-multiplier", s.mu.ym, 5);
    if (node.cyclic) block.Value("Number of cycles of loading", cycles, 0);
    ctx.out.report.Write(
        "(/A,A,A,A)", {"        y, ", labels.length, "            p, ", labels.force_per_length});
    ctx.out.report.Write("(A)", {"----------------    -----------------"});
    PrintCurve(ctx, i, StiffClayNoFreeWaterOutputDeflections(node), s.mu,
               with_k ? PrintedCurve{"Line 7:  p-y curve depth in stiff clay w/o free water with "
                                     "k, no. p-y points on curve no. ",
                                     "stiff clay with k"}
                      : PrintedCurve{"Line 7:  p-y curve depth in stiff clay w/o free water, no. "
                                     "p-y points on curve no. ",
                                     "stiff clay w/o water"},
               [&](double y) { return StiffClayNoFreeWaterP(node, y); });
  }
}

}  // namespace

void SoftClayCriterion(const PyContext& ctx) { SoftClay(ctx, false); }
void SoftClayJCriterion(const PyContext& ctx) { SoftClay(ctx, true); }
void StiffClayFreeWaterCriterion(const PyContext& ctx) { StiffClayFreeWater(ctx); }
void StiffClayNoFreeWaterCriterion(const PyContext& ctx) { StiffClayNoFreeWater(ctx, false); }
void StiffClayNoFreeWaterKCriterion(const PyContext& ctx) { StiffClayNoFreeWater(ctx, true); }

}  // namespace tarvex
