#include "soil/sand_curves.hpp"

#include <algorithm>
#include <cmath>

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

// Reese's coefficients against r = zc/b.
constexpr std::array<double, 10> kRatio = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
constexpr std::array<double, 10> kAStatic = {2.83, 2.48, 2.11, 1.76, 1.48,
                                             1.23, 1.06, 0.90, 0.88, 0.88};
constexpr std::array<double, 10> kBStatic = {2.14, 1.83, 1.54, 1.27, 1.05,
                                             0.86, 0.71, 0.53, 0.50, 0.50};
constexpr std::array<double, 10> kACyclic = {0.75, 0.93, 1.07, 1.11, 1.03,
                                             0.98, 0.94, 0.90, 0.88, 0.88};
constexpr std::array<double, 10> kBCyclic = {0.53, 0.72, 0.83, 0.86, 0.82,
                                             0.77, 0.70, 0.55, 0.55, 0.55};

double Interpolate(const std::array<double, 10>& v, double r) {
  if (r > kRatio[9]) return v[9];
  std::size_t i = 1;
  while (i < 9 && r > kRatio[i]) ++i;
  return v[i - 1] + (v[i] - v[i - 1]) * (r - kRatio[i - 1]) / (kRatio[i] - kRatio[i - 1]);
}

// The at-rest coefficient of the Reese sand wedge.
constexpr double kK0 = 0.4;

}  // namespace

bool DefaultSandKAboveWater(UnitSystem units, double gamma) {
  return units == UnitSystem::kSi && !(gamma <= 12.225);
}

std::optional<double> DefaultSandK(double phi, UnitSystem units, double gamma) {
  switch (units) {
    case UnitSystem::kUscs:
      return phi <= 40.0 ? 1.2098290e-7 * std::pow(phi, double(5.694468f)) : 160.54745;
    case UnitSystem::kSi:
      if (!DefaultSandKAboveWater(units, gamma)) {
        return phi <= 40.0 ? 3.2840464e-5 * std::pow(phi, double(5.694468f)) : 43580.148;
      }
      return phi <= 40.0 ? 4.1417488e-6 * std::pow(phi, double(6.4161181f)) : 78739.0078;
    case UnitSystem::kGeneral:
      break;
  }
  return std::nullopt;
}

double ReeseSandA(double r, bool cyclic) { return Interpolate(cyclic ? kACyclic : kAStatic, r); }

double ReeseSandB(double r, bool cyclic) { return Interpolate(cyclic ? kBCyclic : kBStatic, r); }

SandAngles SandAnglesOf(double phi_degrees) {
  SandAngles a;
  a.phi = phi_degrees * kPi / 180.0;
  a.alpha = a.phi / 2.0;
  a.beta = kPi / 4.0 + a.phi / 2.0;
  const double t = std::tan(kPi / 4.0 - a.phi / 2.0);
  a.ka = t * t;
  const double tb = std::tan(a.beta);
  a.kp = tb * tb;
  a.tan_phi = std::tan(a.phi);
  a.tan_alpha = std::tan(a.alpha);
  a.tan_beta = tb;
  a.sin_beta = std::sin(a.beta);
  a.cos_alpha = std::cos(a.alpha);
  a.tan_beta_minus_phi = std::tan(a.beta - a.phi);
  return a;
}

std::optional<double> SlopingActiveCoefficient(double theta, double phi) {
  const double c1 = std::cos(theta);
  const double c2 = std::cos(phi);
  const double d = c1 * c1 - c2 * c2;
  if (d < 1e-10) return std::nullopt;
  return c1 * (c1 - std::sqrt(d)) / (c1 + std::sqrt(d));
}

double ReeseSlopeFactor(double y, double theta, double t) {
  double d = 1.0;
  if (y > 1e-14) {
    if (theta > 1e-14) {
      d = 1.0 + t;
    } else if (theta < 1e-14) {
      d = 1.0 - t;
    }
  } else if (y < 1e-14) {
    d = theta > 1e-14 ? 1.0 - t : 1.0 + t;
  }
  return d;
}

double ApiSlopeFactor(double y, double theta, double t) {
  if (y > 1e-14) {
    if (theta > 1e-14) return 1.0 + t;
    if (theta < 1e-14) return 1.0 - t;
  } else if (y < -1e-14) {
    if (theta > 1e-14) return 1.0 - t;
    if (theta < 1e-14) return 1.0 + t;
  }
  // No direction: the pile pushes into the slope as at zero deflection.
  return 1.0 + t;
}

double FlatWedge(const SandAngles& a, double ka, double k0, double b, double gamma, double zc) {
  const double tp = a.tan_phi, tb = a.tan_beta, ta = a.tan_alpha;
  const double sb = a.sin_beta, ca = a.cos_alpha, tbp = a.tan_beta_minus_phi;
  return gamma * zc *
         (k0 * zc * tp * sb / (tbp * ca) + tb * (b + zc * tb * ta) / tbp +
          k0 * zc * tb * (tp * sb - ta) - ka * b);
}

double SlopingWedge(const SandAngles& a, double ka, double k0, double b, double gamma, double zc,
                    double d, double t) {
  const double tp = a.tan_phi, tb = a.tan_beta, ta = a.tan_alpha;
  const double sb = a.sin_beta, ca = a.cos_alpha, tbp = a.tan_beta_minus_phi;
  const double q = t / d;
  const double e = 4.0 * q * q * q - 3.0 * q * q + 1.0;
  return gamma * zc *
         (tb * (zc * ta * tb / d + b) / (d * tbp) - ka * b + e * k0 * zc * tp * sb / (ca * tbp) +
          e * k0 * zc * tb * (tp * sb - ta));
}

double FlowAround(const SandAngles& a, double k0, double b, double gamma, double depth) {
  const double tb = a.tan_beta;
  const double tb4 = std::pow(tb, 4.0);
  const double tb8 = std::pow(tb, 8.0);
  return (k0 * a.tan_phi * tb4 + (tb8 - 1.0) * a.ka) * b * gamma * depth;
}

// ---------------------------------------------------------------------------
// Sand after Reese.

ReeseSandNode ReeseSandAt(const ReeseSandInput& in) {
  ReeseSandNode s;
  const SandAngles a = in.angles != nullptr ? *in.angles : SandAnglesOf(in.phi);
  const double b = in.b, zc = in.zc;
  s.b = b;
  s.pst = FlatWedge(a, in.ka, kK0, b, in.gamma, zc);
  double d = 1.0;
  if (std::fabs(in.theta) > 1e-15) {
    const double t = std::tan(std::fabs(in.theta)) * a.tan_beta;
    d = ReeseSlopeFactor(in.y, in.theta, t);
    if (d > 1e-20) s.pst = SlopingWedge(a, in.ka, kK0, b, in.gamma, zc, d, t);
  }
  s.psd = FlowAround(a, kK0, b, in.gamma, in.zs);
  if (d <= 1e-10 && std::fabs(in.theta) > 1e-10) s.pst = s.psd;
  s.ps = std::min(s.pst, s.psd);

  const double r = zc / b;
  s.a = ReeseSandA(r, in.cyclic);
  s.bc = ReeseSandB(r, in.cyclic);
  s.yu = 3.0 * b / 80.0;
  s.ym = b / 60.0;
  s.pu = s.a * s.ps;
  s.pm = s.bc * s.ps;
  s.m = (s.pu - s.pm) / (s.yu - s.ym);
  if (zc == 0.0) {
    s.n = s.c = s.yk = s.pk = 0.0;
  } else if (zc > 0.0) {
    s.n = s.pm / (s.m * s.ym);
    s.c = s.pm / std::pow(s.ym, 1.0 / s.n);
    s.yk = std::pow(s.c / (in.k * zc), s.n / (s.n - 1.0));
    s.pk = s.c * std::pow(s.yk, 1.0 / s.n);
  } else {
    s.yk = 2.0 * b;
    s.n = in.n_above;
    s.c = in.c_above;
    s.pk = in.pk_above;
  }
  s.kz = in.k * zc;
  if (s.yk < s.ym) {
    s.shape = 1;
  } else if (s.ym < s.yk && s.yk < s.yu) {
    s.shape = 2;
  } else if (s.yk > s.yu && s.ym <= s.yk) {
    s.shape = 3;
  } else {
    s.shape = 0;
  }
  return s;
}

double ReeseSandCurve(const ReeseSandNode& s, double y, bool* linear) {
  const bool on_line = y <= s.yk && y < s.ym;
  if (linear != nullptr) *linear = on_line;
  if (on_line) return s.kz * y;
  if (y <= s.ym) return s.n == 0.0 ? 0.0 : s.c * std::pow(y, 1.0 / s.n);
  if (y <= s.yu) return s.pm + s.m * (y - s.ym);
  return s.pu;
}

double ReeseSandP(const ReeseSandNode& s, double y) {
  return std::min(ReeseSandCurve(s, y), s.kz * y);
}

double ReeseSandEs(const ReeseSandNode& s, double y_hat, double pm, double ym) {
  if (y_hat < 1e-14) return s.kz;
  return ReeseSandP(s, y_hat) * pm / (y_hat * ym);
}

SandCurveDeflections ReeseSandOutputDeflections(const ReeseSandNode& s) {
  SandCurveDeflections y = {};
  switch (s.shape) {
    case 1:
      y[1] = s.yk;
      for (int i = 3; i <= 12; ++i) y[i - 1] = s.yk + (i - 2) * (s.ym - s.yk) / 11.0;
      y[12] = s.ym;
      y[13] = 13.0 * s.b / 480.0;
      y[14] = s.yu;
      y[15] = 1.025 * s.yu;
      y[16] = 1.05 * s.yu;
      break;
    case 2: {
      const double yi = (s.pu - s.m * s.yu) / (s.kz - s.m);
      y[1] = yi;
      for (int i = 3; i <= 14; ++i) y[i - 1] = yi + (i - 2) * (s.yu - yi) / 11.0;
      y[14] = s.yu;
      y[15] = 1.025 * s.yu;
      y[16] = 1.05 * s.yu;
      break;
    }
    case 3: {
      const double yl = s.pu / s.kz;
      for (int i = 2; i <= 15; ++i) y[i - 1] = (i - 1) * yl / 14.0;
      y[15] = 1.025 * yl;
      y[16] = 1.05 * yl;
      break;
    }
    default:
      // Exact ties of yk with ym or yu: every point keeps the one before it.
      break;
  }
  return y;
}

// ---------------------------------------------------------------------------
// API sand.

ApiSandNode ApiSandAt(const ApiSandInput& in, double ka) {
  ApiSandNode s;
  const SandAngles a = in.angles != nullptr ? *in.angles : SandAnglesOf(in.phi);
  const double k0 = double(0.4f);
  const double b = in.b, zc = in.zc;
  const double tp = a.tan_phi, tb = a.tan_beta, ta = a.tan_alpha;
  const double sb = a.sin_beta, ca = a.cos_alpha;
  s.b = b;
  s.zc = zc;
  s.k = in.k;
  s.kz = in.layering_off ? in.k * in.zs : in.k * zc;
  s.c1 = tb * (a.kp * ta + k0 * (tp * sb * (1.0 / ca + 1.0) - ta));
  s.c2 = a.kp - ka;
  s.c3 = a.kp * a.kp * (k0 * tp + a.kp) - ka;
  if (!(std::fabs(in.theta) > 1e-10)) {
    s.pus = (s.c1 * zc + s.c2 * b) * zc * in.gamma;
    s.pud = s.c3 * b * in.zs * in.gamma;
  } else {
    s.pus = FlatWedge(a, ka, k0, b, in.gamma, zc);
    const double t = std::tan(std::fabs(in.theta)) * tb;
    const double d = ApiSlopeFactor(in.y, in.theta, t);
    if (d > 1e-20) s.pus = SlopingWedge(a, ka, k0, b, in.gamma, zc, d, t);
    s.pud = FlowAround(a, k0, b, in.gamma, zc);
    if (d <= 1e-10) s.pus = s.pud;
  }
  s.pu = std::min(s.pus, s.pud);
  s.a = in.cyclic ? double(0.9f) : std::max(double(0.9f), 3.0 - double(0.8f) * zc / b);
  return s;
}

double ApiSandP(const ApiSandNode& s, double y) {
  // No resistance without depth, or without an ultimate resistance (a
  // friction angle of zero), rather than 0 times tanh(0/0).
  if (!(s.zc >= 1e-10) || !(s.a * s.pu > 0.0)) return 0.0;
  return s.a * s.pu * std::tanh(s.k * s.zc * y / (s.a * s.pu));
}

double ApiSandEs(const ApiSandNode& s, double y_hat, double pm, double ym) {
  if (!(y_hat >= 1e-14)) return s.kz;
  return pm * ApiSandP(s, y_hat) / y_hat / ym;
}

double ApiSandOutputStep(const ApiSandNode& s, UnitSystem units) {
  const double kzc = s.k * s.zc;
  if (kzc == 0.0) return units == UnitSystem::kSi ? 0.00127 : 0.05;
  return (kPi / 16.0) * s.a * s.pu / kzc;
}

// ---------------------------------------------------------------------------
// Liquefied sand.

LiquefiedSandNode LiquefiedSandAt(double b, double zs, double gamma, bool first_layer,
                                  UnitSystem units) {
  LiquefiedSandNode s;
  s.uscs = units == UnitSystem::kUscs;
  s.bm = s.uscs ? 0.0254 * b : b;
  if (first_layer) {
    s.zm = s.uscs ? 0.0254 * zs : zs;
  } else {
    s.zm = s.uscs ? 0.0254 * gamma * zs / 0.0368396 : (gamma / 10.0) * zs;
  }
  const double z1 = s.zm + 1.0;
  s.a = double(3e-7f) * std::pow(z1, double(6.05f));
  s.bc = double(2.80f) * std::pow(z1, double(0.11f));
  s.c = double(2.85f) * std::pow(z1, double(-0.41f));
  s.pd = double(3.81f) * std::log(s.bm) + double(5.6f);
  if (s.uscs) {
    s.pu =
        std::min(double(85.652214f), double(5.710147f) * s.a * s.pd * std::pow(150.0 * s.bc, s.c));
  } else {
    s.pu = std::min(15.0, s.a * s.pd * std::pow(150.0 * s.bc, s.c));
  }
  return s;
}

double LiquefiedSandP(const LiquefiedSandNode& s, double y) {
  const double p = s.uscs ? double(5.710147f) * s.a * s.pd * std::pow(25.4 * s.bc * y, s.c)
                          : s.a * s.pd * std::pow(1000.0 * s.bc * y, s.c);
  return std::min(p, s.pu);
}

double LiquefiedSandEs(const LiquefiedSandNode& s, double y_hat, double pm, double ym) {
  // The curve has no small-deflection branch; at no relative deflection the
  // secant is taken at 1e-14, which keeps its limit at the origin.
  const double y = y_hat == 0.0 ? 1e-14 : y_hat;
  return (pm / ym) * (LiquefiedSandP(s, y) / y);
}

SandCurveDeflections LiquefiedSandOutputDeflections(bool uscs) {
  if (uscs) {
    return {0.0, 0.125, 0.25, 0.375, 0.5, 1.0, 1.5,       2.0,      2.5,
            3.0, 3.5,   4.0,  4.5,   5.0, 5.5, 5.9055119, 6.2007875};
  }
  return {0.0,   0.003, 0.0065, 0.01,  0.0125, 0.015, 0.03, 0.045, 0.06,
          0.075, 0.09,  0.1,    0.115, 0.125,  0.14,  0.15, 0.1575};
}

// ---------------------------------------------------------------------------
// Equivalent depth of a lower sand layer: the wedge resistance A gamma'
// (C1 z^2 + C2 b z) integrated by trapezoids over 500 steps down to the depth
// xr where the deep resistance takes over, interpolated within the step where
// it first exceeds F; past xr the deep resistance 0.88 C3 gamma' b zs carries
// the rest.

double SandEquivalentDepth(const SandLayeringInput& in) {
  const SandAngles a = SandAnglesOf(in.phi);
  const double tp = a.tan_phi, tb = a.tan_beta, ta = a.tan_alpha;
  const double sb = a.sin_beta, ca = a.cos_alpha;
  const double c1 = tb * (a.kp * ta + kK0 * (sb * (1.0 / ca + 1.0) * tp - ta));
  const double c2 = a.kp - in.ka;
  const double c3 = a.kp * a.kp * (a.kp + kK0 * tp) - in.ka;
  const double b = in.b;
  const double xr = (c3 - c2) * b / c1;
  const double dz = xr / 500.0;
  double s_prev = 0.0, f_prev = 0.0;
  for (int i = 1; i <= 500; ++i) {
    const double zi = i * dz;
    const double coeff = ReeseSandA(zi / b, in.cyclic);
    const double fi = coeff * in.gamma * (c1 * zi * zi + c2 * b * zi);
    const double si = s_prev + (f_prev + fi) * dz / 2.0;
    if (si > in.f) return zi - dz * (si - in.f) / (si - s_prev);
    s_prev = si;
    f_prev = fi;
  }
  return xr + (in.f - s_prev) / (0.88 * c3 * in.gamma * b * in.zs);
}

}  // namespace tarvex
