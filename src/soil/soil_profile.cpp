// Soil properties at a depth: the profile rows built from the soil layers and
// the accessors through which the p-y criteria read strength, unit weight,
// friction angle and the other columns at a node.
#include "soil/soil_profile.hpp"

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>

#include "soil/criterion_table.hpp"

namespace tarvex {
namespace {

// A depth this close to a row depth lies on it (L); used by the strength
// accessor only, the column accessors compare exactly.
constexpr double kRowTolerance = 1e-6;
// A profile segment shorter than this adds nothing to an average (L).
constexpr double kShortSegment = 1e-6;
// At an interface a value below this counts as not given for that layer.
constexpr double kAbsent = 1e-20;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

double Depth(const SoilProfile& p, int row) { return p.depth[At(row)]; }
double Value(const SoilProfile& p, int row, int column) { return p.value[At(row)][At(column)]; }

void StoreRow(SoilProfile& p, int row, double depth, const SoilValues& v) {
  p.depth[At(row)] = depth;
  std::array<double, kProfileColumns + 1>& r = p.value[At(row)];
  r[kColStrength] = v.cohesion;
  r[kColEps50] = v.eps50;
  r[kColJ] = v.j;
  r[kColFriction] = v.friction;
  r[kColRqd] = v.rqd;
  r[kColSpt] = v.test[0];
  r[kColConeTip] = v.test[1];
  r[kColTestType] = v.test_type;
  r[kColDilatometer] = v.test[2];
  r[kColPressuremeter] = v.test[3];
  r[kColSubgrade] = v.subgrade;
}

// ---------------------------------------------------------------------------
// Row search of the column accessors.

// What a column accessor returns where two rows share the depth asked for (a
// layer interface), with u the upper layer's value and l the lower layer's.
enum class InterfaceRule {
  kPresentOrMean,       // u when l is absent, l when u is absent, else the mean; u at the tip
  kPresentOrMeanNoTip,  // the same without the pile-tip exception (RQD)
  kLowerUnlessTip,      // l, the rock below; u at the tip; also at the deepest row (k_rm)
};

double AtInterface(InterfaceRule rule, double u, double l, bool at_tip) {
  if (rule == InterfaceRule::kLowerUnlessTip) return at_tip ? u : l;
  if (rule == InterfaceRule::kPresentOrMean && at_tip) return u;
  if (l < kAbsent) return u;
  if (u < kAbsent) return l;
  return (u + l) / 2.0;
}

// Column `column` of the profile at z, linear between the two rows around it;
// empty when z lies below the deepest row. Depth comparisons are exact.
std::optional<double> ColumnAt(const SoilProfile& p, int column, double z, double pile_length,
                               InterfaceRule rule) {
  const int n = p.rows;
  int i = 2;
  while (i <= n && !(z <= Depth(p, i))) ++i;
  if (i > n) return std::nullopt;

  const bool at_tip = z == pile_length;
  const double vi = Value(p, i, column);
  const double below = i < n ? Value(p, i + 1, column) : 0.0;  // nothing below the deepest row
  if (z == Depth(p, n)) {
    return rule == InterfaceRule::kLowerUnlessTip ? AtInterface(rule, vi, below, at_tip) : vi;
  }
  if (z < Depth(p, i)) {
    const double dx = Depth(p, i) - Depth(p, i - 1);
    // Only a depth above the first row can meet a layer of no thickness here.
    if (dx <= 0.0) return Value(p, i - 1, column);
    const double v0 = Value(p, i - 1, column);
    return v0 + (z - Depth(p, i - 1)) * (vi - v0) / dx;
  }
  if (i < n && Depth(p, i + 1) == z) return AtInterface(rule, vi, below, at_tip);
  return vi;
}

// ---------------------------------------------------------------------------
// Averages from the top of the profile.

// Trapezoid integral of the piecewise-linear profile (depth(k), value(k)),
// k = 1 .. m, from its first point down to z; empty when z lies below the last
// point or the profile has fewer than two points.
template <typename DepthOf, typename ValueOf>
std::optional<double> IntegralDownTo(int m, DepthOf depth, ValueOf value, double z) {
  if (m < 2 || z > depth(m)) return std::nullopt;
  double sum = 0.0;
  for (int k = 2; k <= m; ++k) {
    const double top = depth(k - 1);
    const double length = depth(k) - top;
    if (depth(k) <= z) {
      if (length >= kShortSegment) sum += (value(k - 1) + value(k)) / 2.0 * length;
      continue;
    }
    // The segment that holds z: its part down to z.
    if (top <= z && length >= kShortSegment) {
      const double vz = value(k - 1) + (z - top) * (value(k) - value(k - 1)) / length;
      sum += (value(k - 1) + vz) / 2.0 * (z - top);
    }
    break;
  }
  return sum;
}

// ---------------------------------------------------------------------------
// Errors of the profile's data: input errors, in the report and the message
// file.

void ReportAverageStrengthBeyond(const SoilAccess& m, double z) {
  RaiseError(m.out, ErrorId::kAverageStrengthBeyondData, {ErrorValue("pile station depth", z)});
}

void ReportFrictionBeyond(const SoilAccess& m, double z) {
  RaiseError(m.out, ErrorId::kFrictionBeyondData, {ErrorValue("pile station depth", z)});
}

void ReportRqdBeyond(const SoilAccess& m, double z) {
  RaiseError(m.out, ErrorId::kRqdBeyondData, {ErrorValue("pile station depth", z)});
}

void ReportStrengthBeyond(const SoilAccess& m, double z, double deepest) {
  RaiseError(m.out, ErrorId::kStrengthBeyondData,
             {ErrorValue("pile station depth", z), ErrorValue("deepest strength", deepest)});
}

void ReportUnitWeightBeyond(const SoilAccess& m, double z) {
  RaiseError(m.out, ErrorId::kUnitWeightBeyondData, {ErrorValue("pile station depth", z)});
}

void ReportRqdOutOfRange(const SoilAccess& m, double rqd) {
  RaiseError(m.out, ErrorId::kRqdOutOfRange, {ErrorValue("RQD", rqd, "%")});
}

void ReportZeroThickness(const SoilAccess& m, double z) {
  RaiseError(m.out, ErrorId::kZeroLayerThickness, {ErrorValue("depth", z)});
}

std::string Flag(bool b) { return b ? "T" : "F"; }

// ---------------------------------------------------------------------------
// Strength at a layer interface.

// Soil types of the interface rule (the values of InterfaceSoil).
constexpr int kCohesive = static_cast<int>(InterfaceSoil::kCohesive);
constexpr int kCohesionless = static_cast<int>(InterfaceSoil::kCohesionless);
constexpr int kRock = static_cast<int>(InterfaceSoil::kRock);
constexpr int kUserCurves = static_cast<int>(InterfaceSoil::kUserCurves);
constexpr int kSubgrade = static_cast<int>(InterfaceSoil::kSubgrade);

// The soil type of criterion `code` at an interface where its strength is c:
// cemented silt counts as cohesive when c is positive and as cohesionless
// otherwise.
int SoilTypeOf(int code, double c) {
  const InterfaceSoil type = CriterionOf(code).interface;
  if (type == InterfaceSoil::kCohesiveWithStrength) return c > 0.0 ? kCohesive : kCohesionless;
  return static_cast<int>(type);
}

// Strength at an interface for the soil types above and below, with u the
// upper layer's bottom value and l the lower layer's top value; empty for a
// pair the rule does not cover. A rock face takes the weighted forms, whose
// divisor is 2: with u = l they give 1.5 u.
std::optional<double> StrengthForTypes(int above, int below, double u, double l) {
  const bool granular_below = below == kCohesionless || below == kUserCurves || below == kSubgrade;
  if (above == kCohesive) {
    if (below == kCohesive) return (u + l) / 2.0;
    if (below == kRock) return (2.0 * u + l) / 2.0;
    if (granular_below) return u;
  } else if (above == kRock) {
    if (below == kCohesive) return (u + 2.0 * l) / 2.0;
    if (below == kRock) return (u + l) / 2.0;
    if (granular_below) return u;
  } else if (above == kCohesionless || above == kUserCurves || above == kSubgrade) {
    if (below == kCohesive || below == kRock) return l;
  }
  return std::nullopt;
}

int LayerCount(const SoilAccess& m) { return static_cast<int>(m.layers.size()); }

const SoilLayer& Layer(const SoilAccess& m, int j) { return m.layers[At(j - 1)]; }

// |z - depth| of layer j's bottom or top; NaN when there is no layer j.
double DistanceTo(const SoilAccess& m, int j, bool bottom, double z) {
  if (j < 1 || j > LayerCount(m)) return std::numeric_limits<double>::quiet_NaN();
  return std::abs(z - (bottom ? Layer(m, j).bottom : Layer(m, j).top));
}

// The trace of a failed search for the interface at z, with `above` the
// last layer tried (the search only runs with two layers or more, so that
// both layers exist).
void ReportInterfaceNotFound(const SoilAccess& m, double z, bool at_tip, int above) {
  RaiseError(
      m.out, ErrorId::kInterfaceNotFound,
      {ErrorValue("elevation", z), ErrorTextValue("at pile tip", Flag(at_tip)),
       ErrorValue("layer above", above),
       ErrorValue("distance to the bottom of the layer above", DistanceTo(m, above, true, z)),
       ErrorValue("distance to the top of the layer below", DistanceTo(m, above + 1, false, z))});
}

void ReportUnexpectedPair(const SoilAccess& m, double z, int above_type, int below_type, int row,
                          bool at_tip, int above) {
  RaiseError(m.out, ErrorId::kInterfaceSoilPair,
             {ErrorValue("depth", z), ErrorValue("soil type above", above_type),
              ErrorValue("soil type below", below_type), ErrorValue("profile row", row),
              ErrorTextValue("at pile tip", Flag(at_tip)),
              ErrorValue("criterion code above", Layer(m, above).code),
              ErrorValue("criterion code below", Layer(m, above + 1).code)});
}

// Strength at the interface that z lies on, with row i the first row at or
// below z: the layers meeting there are found by their depths and their soil
// types choose between u = c(i) and l = c(i+1). For a pair the rule leaves
// out (residual soil, massive rock or frozen soil on either side, two
// granular layers) the criterion being evaluated takes its own layer's
// value: u for the layer above, l for the layer below.
double StrengthAtInterface(const SoilAccess& m, double z, int i, int layer) {
  const bool at_tip = z == m.pile_length;
  const int layers = LayerCount(m);
  int j = 1;
  while (layers < 2 || !(DistanceTo(m, j, true, z) < kRowTolerance &&
                         DistanceTo(m, j + 1, false, z) < kRowTolerance)) {
    if (j + 2 > layers) {
      ReportInterfaceNotFound(m, z, at_tip, j);
      return 0.0;
    }
    ++j;
  }
  const double u = Value(m.profile, i, kColStrength);
  const double l = Value(m.profile, i + 1, kColStrength);
  if (at_tip) return u;
  const int above = SoilTypeOf(Layer(m, j).code, u);
  const int below = SoilTypeOf(Layer(m, j + 1).code, l);
  const std::optional<double> c = StrengthForTypes(above, below, u, l);
  if (!c) {
    if (layer == j) return u;
    if (layer == j + 1) return l;
    ReportUnexpectedPair(m, z, above, below, i, at_tip, j);
    return 0.0;
  }
  return *c;
}

}  // namespace

void BuildSoilProfile(const std::vector<SoilLayer>& layers, SoilProfile* profile,
                      UnitWeightProfile* unit_weights) {
  SoilProfile& p = *profile;
  UnitWeightProfile& w = *unit_weights;
  p = SoilProfile{};
  w = UnitWeightProfile{};
  // The layer count is held to the model's capacity when read, so the rows fit.
  int row = 0;
  for (const SoilLayer& layer : layers) {
    if (row + 2 > SoilProfile::kMaxRows) break;
    ++row;
    StoreRow(p, row, layer.top, layer.at_top);
    w.depth[At(row)] = layer.top;
    w.weight[At(row)] = layer.at_top.unit_weight;
    ++row;
    StoreRow(p, row, layer.bottom, layer.at_bottom);
    w.depth[At(row)] = layer.bottom;
    w.weight[At(row)] = layer.at_bottom.unit_weight;
  }
  p.rows = row;
  w.points = row;
}

double ShearStrengthAt(const SoilAccess& soil, double z, bool* at_node, int layer) {
  const SoilProfile& p = soil.profile;
  const int n = p.rows;
  bool on_interface = false;
  for (int k = 2; k <= n - 1 && !on_interface; ++k) {
    on_interface = std::abs(z - Depth(p, k)) <= kRowTolerance;
  }
  if (at_node != nullptr) *at_node = on_interface;

  int i = 2;
  while (i <= n && !(z <= Depth(p, i) + kRowTolerance)) ++i;
  if (n < 2 || i > n) {
    ReportStrengthBeyond(soil, z, n >= 1 ? Depth(p, n) : 0.0);
    return 0.0;
  }
  if (std::abs(z - Depth(p, n)) <= kRowTolerance) return Value(p, n, kColStrength);
  if (on_interface) return StrengthAtInterface(soil, z, i, layer);

  const double dx = Depth(p, i) - Depth(p, i - 1);
  if (dx <= 0.0) {
    ReportZeroThickness(soil, z);
    return 0.0;
  }
  const double c0 = Value(p, i - 1, kColStrength);
  return c0 + (z - Depth(p, i - 1)) * (Value(p, i, kColStrength) - c0) / dx;
}

double AverageUnitWeight(const SoilAccess& soil, double z) {
  const double z_ground = soil.ground_depth;
  if (z_ground > z) return 0.0;
  const double zs = z - z_ground;
  const UnitWeightProfile& w = soil.unit_weights;
  const int m = w.points;
  if (m >= 2 && zs < kShortSegment) {
    // At the ground surface: the first positive weight, not an average over nothing.
    for (int k = 1; k <= m; ++k) {
      if (w.weight[At(k)] > 0.0) return w.weight[At(k)];
    }
    return w.weight[At(m)];
  }
  const std::optional<double> integral = IntegralDownTo(
      m, [&w](int k) { return w.depth[At(k)]; }, [&w](int k) { return w.weight[At(k)]; }, z);
  if (!integral) {
    ReportUnitWeightBeyond(soil, z);
    return 0.0;
  }
  return *integral / zs;
}

double AverageStrength(const SoilAccess& soil, double z, int layer) {
  const double z_ground = soil.ground_depth;
  if (z_ground > z) return 0.0;
  const double zs = z - z_ground;
  if (zs < kShortSegment) return ShearStrengthAt(soil, z, nullptr, layer);
  const SoilProfile& p = soil.profile;
  const std::optional<double> integral = IntegralDownTo(
      p.rows, [&p](int k) { return Depth(p, k); },
      [&p](int k) { return Value(p, k, kColStrength); }, z);
  if (!integral) {
    ReportAverageStrengthBeyond(soil, z);
    return 0.0;
  }
  return *integral / zs;
}

double FrictionAngleAt(const SoilAccess& soil, double z) {
  const std::optional<double> phi =
      ColumnAt(soil.profile, kColFriction, z, soil.pile_length, InterfaceRule::kPresentOrMean);
  if (!phi) {
    ReportFrictionBeyond(soil, z);
    return 0.0;
  }
  return *phi;
}

double Epsilon50At(const SoilAccess& soil, double z) {
  return ColumnAt(soil.profile, kColEps50, z, soil.pile_length, InterfaceRule::kPresentOrMean)
      .value_or(0.0);
}

double JAt(const SoilAccess& soil, double z) {
  return ColumnAt(soil.profile, kColJ, z, soil.pile_length, InterfaceRule::kPresentOrMean)
      .value_or(0.0);
}

double RqdAt(const SoilAccess& soil, double z) {
  const std::optional<double> rqd =
      ColumnAt(soil.profile, kColRqd, z, soil.pile_length, InterfaceRule::kPresentOrMeanNoTip);
  if (!rqd) {
    ReportRqdBeyond(soil, z);
    return 0.0;
  }
  if (*rqd < 0.0 || *rqd > 100.0) {
    ReportRqdOutOfRange(soil, *rqd);
    return 0.0;
  }
  return *rqd;
}

double RockColumn2At(const SoilAccess& soil, double z) {
  return ColumnAt(soil.profile, kColEps50, z, soil.pile_length, InterfaceRule::kLowerUnlessTip)
      .value_or(0.0);
}

}  // namespace tarvex
