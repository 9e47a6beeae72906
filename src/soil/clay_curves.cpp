#include "soil/clay_curves.hpp"

#include <algorithm>
#include <cmath>

#include "soil/py_modifiers.hpp"

namespace tarvex {
namespace {

using Bounds = std::array<double, 3>;
using Row = std::array<double, 4>;

// Strength bounds between the four rows of the default tables: 500, 1000,
// 2000 and 4000 psf expressed in psi (USCS) or kPa (SI), as single-precision
// values; the stiff clays without free water use rounded bounds.
constexpr Bounds kSoftClayUscs = {double(3.4722223f), double(6.9444447f), double(27.777779f)};
constexpr Bounds kSoftClaySi = {double(23.940128f), double(47.880257f), double(191.52103f)};
constexpr Bounds kFreeWaterUscs = {double(6.9444447f), double(13.888889f), double(27.777779f)};
constexpr Bounds kFreeWaterSi = {double(47.880260f), double(95.760521f), double(191.52104f)};
constexpr Bounds kNoFreeWaterUscs = {double(6.94f), double(13.88f), double(27.78f)};
constexpr Bounds kNoFreeWaterSi = {double(47.8927f), double(95.7854f), double(191.5708f)};

constexpr Row kSoftClayEps50 = {double(0.02f), double(0.01f), double(0.005f), double(0.004f)};
constexpr Row kStiffClayEps50 = {double(0.011f), double(0.007f), double(0.005f), double(0.004f)};

// Default k, lb/in^3 (USCS) and kN/m^3 (SI; the single-precision conversions).
constexpr Row kCyclicKUscs = {100.0, 200.0, 400.0, 800.0};
constexpr Row kStaticKUscs = {250.0, 500.0, 1000.0, 2000.0};
constexpr Row kCyclicKSi = {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125};
constexpr Row kStaticKSi = {67861.796875, 135723.59375, 271447.1875, 542894.375};

// Bounds of the criterion's default tables; empty in GENERAL units or for a
// criterion that is not a clay.
std::optional<Bounds> DefaultTableBounds(SoilCriterion criterion, UnitSystem units) {
  if (units == UnitSystem::kGeneral) return std::nullopt;
  const bool uscs = units == UnitSystem::kUscs;
  switch (criterion) {
    case kSoftClay:
    case kSoftClayJ:
      return uscs ? kSoftClayUscs : kSoftClaySi;
    case kStiffClayFreeWater:
      return uscs ? kFreeWaterUscs : kFreeWaterSi;
    case kStiffClayNoFreeWater:
    case kStiffClayNoFreeWaterK:
      return uscs ? kNoFreeWaterUscs : kNoFreeWaterSi;
    default:
      return std::nullopt;
  }
}

// The row a strength falls in: the first whose upper bound c is below.
int DefaultTableRow(const Bounds& bounds, double c) {
  if (c < bounds[0]) return 0;
  if (c < bounds[1]) return 1;
  if (c < bounds[2]) return 2;
  return 3;
}

// Deflections below which the stiff clays with an initial straight line take
// its modulus (L).
constexpr double kInitialLineDeflection = 1e-14;

// The soft clay curve 0.5 pu (y_hat/y50)^(1/3), with the single-precision
// exponent.
double SoftClayRise(const SoftClayNode& node, double y_hat) {
  return 0.5 * node.pu * std::pow(y_hat / node.y50, double(0.33333334f));
}

// The stiff clay curve without free water, 0.5 pu (y_hat/y50)^0.25.
double NoFreeWaterRise(double pu, double y_hat, double y50) {
  return 0.5 * pu * std::pow(y_hat / y50, 0.25);
}

}  // namespace

std::optional<double> DefaultEps50(SoilCriterion criterion, UnitSystem units, double c) {
  const std::optional<Bounds> bounds = DefaultTableBounds(criterion, units);
  if (!bounds) return std::nullopt;
  const bool soft = criterion == kSoftClay || criterion == kSoftClayJ;
  return (soft ? kSoftClayEps50 : kStiffClayEps50)[DefaultTableRow(*bounds, c)];
}

std::optional<double> DefaultK(SoilCriterion criterion, UnitSystem units, double c, bool cyclic) {
  if (criterion != kStiffClayFreeWater && criterion != kStiffClayNoFreeWaterK) {
    return std::nullopt;
  }
  const std::optional<Bounds> bounds = DefaultTableBounds(criterion, units);
  if (!bounds) return std::nullopt;
  const bool uscs = units == UnitSystem::kUscs;
  const Row& row = cyclic ? (uscs ? kCyclicKUscs : kCyclicKSi) : (uscs ? kStaticKUscs : kStaticKSi);
  return row[DefaultTableRow(*bounds, c)];
}

// --- Soft clay ---

SoftClayNode SoftClayAt(const ClayNodeInput& in) {
  const double b = in.b;
  const double c = in.c;
  SoftClayNode node{};
  const double np_unfactored = 3.0 + in.gamma * in.zc / c + in.j * in.zc / b;
  node.np = np_unfactored * in.f;
  node.pu_s = np_unfactored * c * b;
  node.pu_d = 9.0 * c * b;
  node.pu = node.np >= 9.0 ? 9.0 * c * b : node.np * c * b;
  node.y50 = 2.5 * in.eps50 * b;
  node.zr = std::max(2.5 * b, 6.0 * c * b / (in.gamma * b + in.j * c));
  node.pr = double(0.72112477f) * node.pu;
  node.pr_zc_zr = node.pr * in.zc / node.zr;
  node.zc = in.zc;
  node.cyclic = in.cyclic;
  node.y_small = 1e-5 * node.y50;
  // 0.010772172 = 0.5 (1e-5)^(1/3): the slope of the static curve at 1e-5 y50.
  node.es_small = node.pu * double(0.010772172f) / (3e-5 * node.y50);
  return node;
}

double SoftClayP(const SoftClayNode& node, double y_hat) {
  const double y50 = node.y50;
  if (y_hat < node.y_small) return node.es_small * y_hat;
  if (!node.cyclic) return y_hat <= 8.0 * y50 ? SoftClayRise(node, y_hat) : node.pu;
  if (y_hat <= 3.0 * y50) return SoftClayRise(node, y_hat);
  if (node.zc >= node.zr) return node.pr;
  // Above the transition depth the plateau falls linearly to pr zc/zr at 15 y50.
  if (y_hat <= 15.0 * y50) {
    return node.pr + (node.pr_zc_zr - node.pr) * (y_hat - 3.0 * y50) / (12.0 * y50);
  }
  return node.pr_zc_zr;
}

double SoftClayEs(const SoftClayNode& node, double y_hat, double pm, double ym) {
  if (y_hat < node.y_small) return node.es_small;
  return pm * SoftClayP(node, y_hat) / (ym * y_hat);
}

SoftClayIntegrand SoftClayResistanceIntegrand(const SoftClayNode& node) {
  if (!node.cyclic) return {node.pu, std::nullopt};
  if (node.zc < node.zr) return {node.pr, node.pr_zc_zr};
  return {node.pr, std::nullopt};
}

ClayCurveDeflections SoftClayOutputDeflections(const SoftClayNode& node) {
  ClayCurveDeflections y{};
  y[0] = 0.0;
  y[1] = 0.008 * node.y50;
  for (int k = 1; k <= 12; ++k) y[1 + k] = 0.25 * k * node.y50;
  y[14] = 8.0 * node.y50;
  y[15] = 8.2 * node.y50;
  y[16] = 8.4 * node.y50;
  return y;
}

// --- Stiff clay with free water ---

StiffClayFreeWaterNode StiffClayFreeWaterAt(const ClayNodeInput& in) {
  const double b = in.b;
  const double ca = in.ca;
  const double zc = in.zc;
  StiffClayFreeWaterNode node{};
  node.y50 = in.eps50 * b;
  node.as = StaticCoefficient(zc / b);
  node.ac = CyclicCoefficient(zc / b);
  node.pct_unfactored = 2.0 * ca * b + in.gamma * b * zc + 2.83 * ca * zc;
  node.pct = node.pct_unfactored * in.f;
  node.pcd = 11.0 * in.c * b;
  node.pc = std::min(node.pct, node.pcd);
  node.es0 = in.k * zc;
  node.yp = 4.1 * node.as * node.y50;
  node.cyclic = in.cyclic;
  const double pc = node.pc;
  node.pres = in.cyclic ? 0.936 * node.ac * pc - 0.102 * pc * node.yp / node.y50
                        : pc * (0.5 * std::pow(6.0 * node.as, 0.5) - 0.411 - 0.75 * node.as);
  node.y_small = kInitialLineDeflection;
  node.es_small = node.es0;
  return node;
}

double StiffClayFreeWaterP(const StiffClayFreeWaterNode& node, double y_hat) {
  const double y50 = node.y50;
  const double pc = node.pc;
  double p;
  if (!node.cyclic) {
    const double a = node.as;
    if (y_hat <= a * y50) {
      p = 0.5 * pc * std::pow(y_hat / y50, 0.5);
    } else if (y_hat <= 6.0 * a * y50) {
      p = pc * (0.5 * std::pow(y_hat / y50, 0.5) - 0.055 * std::pow(y_hat / (a * y50) - 1.0, 1.25));
    } else if (y_hat <= 18.0 * a * y50) {
      p = 0.5 * pc * std::pow(6.0 * a, 0.5) - 0.411 * pc -
          0.0625 * pc * (y_hat - 6.0 * a * y50) / y50;
    } else {
      p = node.pres;
    }
  } else {
    const double yp = node.yp;
    if (y_hat <= 0.6 * yp) {
      p = node.ac * pc * (1.0 - std::pow(std::abs((y_hat - 0.45 * yp) / (0.45 * yp)), 2.5));
    } else if (y_hat <= 1.8 * yp) {
      p = 0.936 * node.ac * pc - 0.085 * pc * (y_hat - 0.6 * yp) / y50;
    } else {
      p = node.pres;
    }
  }
  return std::min(p, node.es0 * y_hat);
}

double StiffClayFreeWaterEs(const StiffClayFreeWaterNode& node, double y_hat, double pm,
                            double ym) {
  if (y_hat < node.y_small) return node.es_small;
  return pm * StiffClayFreeWaterP(node, y_hat) / y_hat / ym;
}

ClayCurveDeflections StiffClayFreeWaterOutputDeflections(const StiffClayFreeWaterNode& node) {
  ClayCurveDeflections y{};
  const double unit = node.cyclic ? node.yp : node.as * node.y50;
  const double step = node.cyclic ? 0.05 : 0.5;
  const std::array<double, 4> tail = node.cyclic ? std::array<double, 4>{1.0, 1.4, 1.8, 1.9}
                                                 : std::array<double, 4>{10, 14, 18, 19};
  for (int k = 0; k <= 12; ++k) y[k] = step * k * unit;
  for (int k = 0; k < 4; ++k) y[13 + k] = tail[k] * unit;
  return y;
}

// --- Stiff clay without free water ---

double StiffClayNoFreeWaterCycles(double n, bool with_k) {
  if (with_k) return n == 0.0 ? 1.0 : n;
  return n < 1.0 ? 1.0 : n;
}

StiffClayNoFreeWaterNode StiffClayNoFreeWaterAt(const ClayNodeInput& in, bool with_k) {
  const double b = in.b;
  const double c = in.c;
  StiffClayNoFreeWaterNode node{};
  node.y50 = 2.5 * in.eps50 * b;
  node.pct_unfactored = 3.0 * c * b + in.gamma * b * in.zc + 0.5 * c * in.zc;
  node.pct = node.pct_unfactored * in.f;
  node.pcd = 9.0 * c * b;
  node.pu = std::min(node.pct, node.pcd);
  node.n_cycles = StiffClayNoFreeWaterCycles(in.n_cycles, with_k);
  node.with_k = with_k;
  node.es0 = with_k ? in.k * in.zc : 0.0;
  node.cyclic = in.cyclic;
  if (with_k) {
    node.y_small = kInitialLineDeflection;
    node.es_small = node.es0;
  } else {
    const double yt = 2e-5 * b;
    node.y_small = yt;
    node.es_small = 0.5 * node.pu * std::pow(node.y50 / yt, 0.75) / node.y50;
  }
  return node;
}

double StiffClayNoFreeWaterP(const StiffClayNoFreeWaterNode& node, double y_hat) {
  if (!node.with_k && y_hat < node.y_small) return node.es_small * y_hat;
  const double pu = node.pu;
  const double y50 = node.y50;
  if (!node.cyclic) {
    if (y_hat > 16.0 * y50) return pu;
    const double p = NoFreeWaterRise(pu, y_hat, y50);
    return node.with_k ? std::min(p, node.es0 * y_hat) : p;
  }
  // Cycling stretches the curve: pu is reached at (16 + 9.6 log10 N) y50.
  double p = NoFreeWaterRise(pu, y_hat, y50 * (1.0 + 0.6 * std::log10(node.n_cycles)));
  if (node.with_k) p = std::min(p, node.es0 * y_hat);
  return std::min(pu, p);
}

double StiffClayNoFreeWaterEs(const StiffClayNoFreeWaterNode& node, double y_hat, double pm,
                              double ym) {
  if (y_hat < node.y_small) return node.es_small;
  return pm * StiffClayNoFreeWaterP(node, y_hat) / y_hat / ym;
}

ClayCurveDeflections StiffClayNoFreeWaterOutputDeflections(const StiffClayNoFreeWaterNode& node) {
  constexpr std::array<double, 14> kFractions = {0.00001, 0.00005, 0.0001, 0.0005, 0.001,
                                                 0.005,   0.01,    0.025,  0.05,   0.075,
                                                 0.1,     0.25,    0.5,    1.0};
  const double yu = 16.0 * node.y50;
  const double ye =
      node.cyclic ? 1.25 * (16.0 + 9.6 * std::log10(node.n_cycles)) * node.y50 : 16.8 * node.y50;
  ClayCurveDeflections y{};
  y[0] = 0.0;
  for (int k = 0; k < 14; ++k) y[1 + k] = yu * kFractions[k];
  y[15] = (yu + ye) / 2.0;
  y[16] = ye;
  return y;
}

}  // namespace tarvex
