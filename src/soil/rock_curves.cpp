#include "soil/rock_curves.hpp"

#include <algorithm>
#include <cmath>

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

// ---------------------------------------------------------------------------
// Weak rock: the resistance grows from alpha_r qu b at the rock surface to
// 5.2 alpha_r qu b at three widths into the rock; the curve is a line of slope
// Kir up to yA, then a quarter-power parabola up to pur.

WeakRockNode WeakRockAt(const WeakRockInput& in) {
  WeakRockNode s;
  const double b = in.b;
  s.alpha_r = 1.0 - in.rqd * double(0.0066666668f);
  if (in.xr <= 3.0 * b) {
    s.pur = s.alpha_r * in.qu * b * (1.0 + double(1.4f) * in.xr / b);
    s.kir = in.eir * (100.0 + 400.0 * in.xr / (3.0 * b));
  } else {
    s.pur = double(5.2f) * s.alpha_r * in.qu * b;
    s.kir = 500.0 * in.eir;
  }
  s.yrm = in.krm * b;
  s.ya = std::pow(s.pur / (2.0 * std::pow(s.yrm, 0.25) * s.kir), double(1.333f));
  return s;
}

double WeakRockP(const WeakRockNode& s, double y_hat) {
  if (y_hat < s.ya) return s.kir * y_hat;
  return std::min(s.pur, (s.pur / 2.0) * std::pow(y_hat / s.yrm, 0.25));
}

double WeakRockEs(const WeakRockNode& s, double y_hat, double pm, double ym) {
  if (y_hat < s.ya) return s.kir;
  return pm * WeakRockP(s, y_hat) / y_hat / ym;
}

RockCurveDeflections WeakRockOutputDeflections(const WeakRockNode& s) {
  static constexpr std::array<float, 13> kFractions = {0.02f, 0.04f, 0.06f, 0.08f, 0.1f, 0.2f, 0.3f,
                                                       0.4f,  0.5f,  0.6f,  0.7f,  0.8f, 0.9f};
  RockCurveDeflections y = {};
  const double span = 16.0 * s.yrm - s.ya;
  y[1] = s.ya;
  for (std::size_t k = 0; k < kFractions.size(); ++k) {
    y[k + 2] = s.ya + double(kFractions[k]) * span;
  }
  y[15] = 16.0 * s.yrm;
  y[16] = 20.0 * s.yrm;
  return y;
}

// ---------------------------------------------------------------------------
// Vuggy limestone: a stiff line to 0.0004 b, a second line to 0.0024 b, then
// the residual resistance of the broken rock.

VuggyLimestoneNode VuggyLimestoneAt(double b, double qu, double gamma, double zs) {
  VuggyLimestoneNode s;
  s.su = qu / 2.0;
  s.y1 = double(0.0004f) * b;
  s.p1 = double(0.8f) * b * s.su;
  s.y2 = s.y1 + (b * s.su - s.p1) / (100.0 * s.su);
  s.residual = 0.5 * gamma * b * zs;
  return s;
}

double VuggyLimestoneP(const VuggyLimestoneNode& s, double y_hat) {
  if (y_hat < s.y1) return 2000.0 * s.su * y_hat;
  if (y_hat <= s.y2) return s.p1 + 100.0 * s.su * (y_hat - s.y1);
  return s.residual;
}

double VuggyLimestoneEs(const VuggyLimestoneNode& s, double y_hat, double pm, double ym) {
  if (y_hat < 1e-14) return 2000.0 * s.su / ym;
  return (VuggyLimestoneP(s, y_hat) / y_hat) * pm / ym;
}

RockCurveDeflections VuggyLimestoneOutputDeflections(const VuggyLimestoneNode& s) {
  RockCurveDeflections y = {};
  y[1] = s.y1;
  for (int i = 3; i <= 16; ++i)
    y[static_cast<std::size_t>(i - 1)] = s.y1 + (i - 2) * (s.y2 - s.y1) / 15.0;
  y[16] = s.y2;
  return y;
}

// ---------------------------------------------------------------------------
// Massive rock: Hoek-Brown strength with mi = 6, GSI = 42, no disturbance and
// a Poisson's ratio of 0.4, turned into an equivalent friction angle and
// cohesion at the node's vertical stress; the ultimate resistance is the
// lesser of a wedge and a deep flow-around resistance; the curve a hyperbola.

MassiveRockNode MassiveRockAt(const MassiveRockInput& in) {
  MassiveRockNode s;
  const double mb = 6.0 * std::exp((42.0 - 100.0) / 28.0);
  const double hs = std::exp((42.0 - 100.0) / 9.0);
  const double a = 0.5 + (std::exp(-42.0 / 15.0) - double(0.0012726338f)) * double(0.16666667f);
  const double k0 = 1.0 - std::sin(45.0);
  const double e_gsi = std::exp(double(1.9354838f));
  const double e_nu = std::exp(double(-0.8f));

  const bool si = in.units == UnitSystem::kSi;
  double zs = in.zs;
  if (zs == 0.0) zs = si ? 2.54e-6 : 0.0001;
  const double b = in.b, g = in.gamma, sci = in.sigci;
  s.b = b;

  const double sv = g * zs;
  const double s1 = sv + sci * std::pow(mb * sv / sci + hs, a);
  const double d = s1 - sv;
  const double sn = sv + d * d / (0.5 * sci * mb + 2.0 * d);
  const double tau = (sn - sv) * std::sqrt(sci * mb / (2.0 * d) + 1.0);

  s.phi = kPi / 2.0 - std::asin(2.0 * tau / d);
  s.c = tau - sn * std::tan(s.phi);
  const double al = s.phi / 2.0;
  const double be = kPi / 4.0 + s.phi / 2.0;
  const double tk = std::tan(kPi / 4.0 - s.phi / 2.0);
  const double ka = tk * tk;

  const double h = zs;
  const double s0 = std::max(1e-5, sv);
  const double sm = 0.5 * g * h + s0;
  const double tp = std::tan(s.phi), tb = std::tan(be), ta = std::tan(al);
  const double f1 = (k0 * sm * tp + s.c) * h * tb / std::cos(al);
  const double f2 = s.c * (b + 2.0 * h * tb * ta);
  const double fn = h * k0 * sm * tb / std::cos(al);
  const double w = ((s0 + g * h) * b + (2.0 * s0 + g * h) * h * tb * ta) * tb;
  const double r =
      (w + 2.0 * f1 * std::cos(be) * std::cos(al) + f2) / (std::sin(be) - tp * std::cos(be));
  const double at = std::max(0.0, k0 * b * g * (h - 2.0 * s.c / (g * std::sqrt(ka)) + s0 / g));
  s.pw = (2.0 * f1 * std::cos(al) + r * tp + f2 / std::cos(be)) * std::sin(be) + r * std::cos(be) -
         2.0 * fn * std::sin(al) - at;
  // 0.3 is two thirds of the single-precision 0.45.
  const double c03 = double(0.45f) * 2.0 / 3.0;
  s.pd = b * (kPi / 4.0 * s1 - ka * s0 + 2.0 * s.c * std::sqrt(ka) + c03 * std::sqrt(sci));
  s.pu = std::min(s.pd, s.pw);

  s.erm = (in.ei / 100.0) * e_gsi;
  const double bref = si ? 0.3048 : 12.0;
  s.ki =
      s.erm * std::pow(in.ei_pile / (s.erm * std::pow(b, 4.0)), double(0.284f)) * (b / bref) * e_nu;
  return s;
}

double MassiveRockP(const MassiveRockNode& s, double y_hat) {
  return y_hat / (1.0 / s.ki + y_hat / s.pu);
}

double MassiveRockEs(const MassiveRockNode& s, double y_hat, double pm, double ym) {
  if (y_hat < 1e-14) return s.b * s.ki / ym;
  return pm * (MassiveRockP(s, y_hat) / y_hat) / ym;
}

}  // namespace tarvex
