#include "soil/silt_loess_curves.hpp"

#include <cmath>
#include <cstddef>

#include "soil/sand_curves.hpp"

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

// Factor D of the sloping-ground wedge: the slope helps or hinders the wedge
// by the direction of the deflection; 1 on flat ground.
double WedgeSlopeFactor(double theta, double y, double t) {
  if (std::fabs(theta) <= 1e-20) return 1.0;
  if (y > 1e-14 && theta > 1e-14) return 1.0 + t;
  if (y > 1e-14 && theta < 1e-14) return 1.0 - t;
  if (y < 1e-14 && theta > 1e-14) return 1.0 - t;
  if (y < 1e-14 && theta < 1e-14) return 1.0 + t;
  return 1.0;
}

// Factor on the cohesive bearing factor for sloping ground: a deflection of
// zero counts as one against the slope's direction.
double CohesiveSlopeFactor(double theta, double y) {
  const double a = std::fabs(theta);
  if (!(a > 1e-20)) return 1.0;
  if ((y > 1e-20 && theta > 0.0) || (y < 1e-20 && theta < 0.0)) return 1.0 / (1.0 + std::tan(a));
  if ((y > 1e-20 && theta < 0.0) || (y < 1e-20 && theta > 0.0)) {
    return std::cos(a) * double(0.70710677f) / std::cos(kPi / 4.0 + a);
  }
  return 1.0;
}

}  // namespace

// ---------------------------------------------------------------------------
// Cemented silt.

double SiltDefaultEps50(UnitSystem units, double c, double eps50) {
  if (eps50 > 0.0 || units == UnitSystem::kGeneral) return eps50;
  const bool uscs = units == UnitSystem::kUscs;
  const double bounds[4] = {
      uscs ? double(3.47222f) : double(23.9401f), uscs ? double(6.9444f) : double(47.8803f),
      uscs ? double(13.8889f) : double(95.7605f), uscs ? double(27.8889f) : double(191.521f)};
  const double values[5] = {double(0.02f), double(0.01f), double(0.005f), double(0.005f),
                            double(0.004f)};
  for (int i = 0; i < 4; ++i) {
    if (c < bounds[i]) return values[i];
  }
  return values[4];
}

double SiltDefaultK(UnitSystem units, double c, double gamma, double phi_degrees, bool cyclic) {
  if (units == UnitSystem::kGeneral) return 0.0;
  const bool uscs = units == UnitSystem::kUscs;
  // kc by the cohesion.
  const double c_bounds[3] = {uscs ? double(6.94f) : double(47.8927f),
                              uscs ? double(13.88f) : double(95.7854f),
                              uscs ? double(27.78f) : double(191.5708f)};
  static constexpr double kUscsStatic[4] = {250.0, 500.0, 1000.0, 2000.0};
  static constexpr double kUscsCyclic[4] = {100.0, 200.0, 400.0, 800.0};
  static constexpr double kSiStatic[4] = {67861.796875, 135723.59375, 271447.1875, 542894.375};
  static constexpr double kSiCyclic[4] = {27144.7109375, 54289.3984375, 108578.8984375,
                                          217157.703125};
  const double* kc_row =
      uscs ? (cyclic ? kUscsCyclic : kUscsStatic) : (cyclic ? kSiCyclic : kSiStatic);
  int ic = 3;
  for (int i = 0; i < 3; ++i) {
    if (c < c_bounds[i]) {
      ic = i;
      break;
    }
  }
  // ks by the friction angle, above or below the water table.
  const bool dry = gamma > (uscs ? double(0.045f) : double(12.225f));
  static constexpr double kUscsDry[3] = {25.0, 90.0, 225.0};
  static constexpr double kUscsWet[3] = {20.0, 60.0, 125.0};
  static constexpr double kSiDry[3] = {6786.18017578125, 24430.240234375, 61075.6015625};
  static constexpr double kSiWet[3] = {5428.93994140625, 16286.830078125, 33930.8984375};
  const double* ks_row = uscs ? (dry ? kUscsDry : kUscsWet) : (dry ? kSiDry : kSiWet);
  const int is = phi_degrees <= 30.0 ? 0 : (phi_degrees <= 36.0 ? 1 : 2);
  return kc_row[ic] + ks_row[is];
}

SiltAngles SiltAnglesAt(double phi, double theta) {
  SiltAngles a;
  a.phi = phi;
  a.alpha = phi / 2.0;
  a.beta = kPi / 4.0 + phi / 2.0;
  a.k0 = double(0.4f);
  const double tb = std::tan(a.beta);
  a.kp = tb * tb;
  const double ta = std::tan(kPi / 4.0 - a.alpha);
  a.ka = ta * ta;
  const double c1 = std::cos(std::fabs(theta));
  const double c2 = std::cos(phi);
  const double d = c1 * c1 - c2 * c2;
  if (std::fabs(theta) > 1e-10) a.ka = c1 * (c1 - std::sqrt(d)) / (c1 + std::sqrt(d));
  return a;
}

SiltNode SiltAt(const SiltInput& in) {
  SiltNode n;
  const SiltAngles& g = in.angles;
  const double b = in.b, zc = in.zc, gamma = in.gamma, c = in.c;
  const double phi = g.phi, alpha = g.alpha, beta = g.beta, k0 = g.k0, ka = g.ka;
  const double tan_phi = std::tan(phi), tan_beta = std::tan(beta), tan_alpha = std::tan(alpha);
  const double sin_beta = std::sin(beta), cos_alpha = std::cos(alpha);
  const double tan_bp = std::tan(beta - phi);

  // Frictional part: the passive wedge near the surface, flow around the
  // pile at depth.
  n.pst = gamma * zc *
          (k0 * zc * tan_phi * sin_beta / (tan_bp * cos_alpha) +
           tan_beta * (b + zc * tan_beta * tan_alpha) / tan_bp +
           k0 * zc * tan_beta * (tan_phi * sin_beta - tan_alpha) - ka * b);
  const double t = std::tan(std::fabs(in.theta)) * tan_beta;
  const double d = WedgeSlopeFactor(in.theta, in.y, t);
  if (d > 1e-20) {
    const double q = t / d;
    const double e = 4.0 * q * q * q - 3.0 * q * q + 1.0;
    n.pst = gamma * zc *
            (tan_beta * (zc * tan_alpha * tan_beta / d + b) / (d * tan_bp) - ka * b +
             e * k0 * zc * tan_phi * sin_beta / (cos_alpha * tan_bp) +
             e * k0 * zc * tan_beta * (tan_phi * sin_beta - tan_alpha));
  }
  const double ta0 = std::tan(kPi / 4.0 - phi / 2.0);
  const double ka0 = ta0 * ta0;
  const double tb2 = tan_beta * tan_beta;
  const double tb4 = tb2 * tb2;
  const double tb8 = tb4 * tb4;
  n.psd = (k0 * tan_phi * tb4 + (tb8 - 1.0) * ka0) * b * gamma * in.zs;
  if (d <= 1e-10 && std::fabs(in.theta) > 1e-10) n.pst = n.psd;
  n.pu_phi = n.pst < n.psd ? n.pst : n.psd;

  // Cohesive part: the soft-clay bearing factor with J = 0.5. Without
  // cohesion (allowed at the layer top) the part is 0.
  if (c > 0.0) {
    n.np = 0.5 * zc / b + 3.0 + gamma * zc / c;
    n.np *= CohesiveSlopeFactor(in.theta, in.y);
    n.pu_c = n.np >= 9.0 ? 9.0 * c * b : n.np * c * b;
  }

  const double r = zc / b;
  n.a = ReeseSandA(r, in.cyclic);
  n.b_coef = ReeseSandB(r, in.cyclic);
  n.pu = n.a * n.pu_phi + n.pu_c;

  n.ym = b / 60.0;
  n.yu = 3.0 * b / 80.0;
  n.pm = 1.5 * (n.pu_phi + n.pu_c);
  n.kz = in.k * zc;
  if (zc < 0.0) {
    n.m = 0.0;
    n.n = 0.0;
    n.yk = 2.0 * b;
  } else {
    n.m = (n.pu - n.pm) / (n.yu - n.ym);
    n.n = n.pm / (n.ym * n.m);
    // No resistance at all (no cohesion at the ground surface): 0/0. The
    // curve is then 0 throughout.
    if (std::isnan(n.n)) n.n = 0.0;
    n.cbar = n.n == 0.0 ? 0.0 : n.pm / std::pow(n.ym, 1.0 / n.n);
    n.yk = n.kz == 0.0 ? 0.0 : std::pow(n.cbar / n.kz, n.n / (n.n - 1.0));
  }
  return n;
}

double SiltP(const SiltNode& node, double y_hat) {
  double p;
  if (y_hat <= node.yk) {
    p = node.kz * y_hat;
  } else if (y_hat <= node.ym) {
    p = node.n == 0.0 ? 0.0 : node.cbar * std::pow(y_hat, 1.0 / node.n);
  } else if (y_hat <= node.yu) {
    p = node.pm + node.m * (y_hat - node.ym);
  } else {
    p = node.pu;
  }
  const double line = node.kz * y_hat;
  return line < p ? line : p;
}

double SiltEs(const SiltNode& node, double y_hat, double pm, double ym) {
  if (y_hat < 1e-14) return node.kz;
  return pm * SiltP(node, y_hat) / y_hat / ym;
}

SiltLoessDeflections SiltOutputDeflections(const SiltNode& node) {
  SiltLoessDeflections y{};
  const double s = node.ym / 12.0;
  for (int k = 1; k <= 12; ++k) y[static_cast<std::size_t>(k)] = k * s;
  y[13] = node.yu;
  for (int k = 1; k <= 3; ++k) {
    y[static_cast<std::size_t>(13 + k)] = node.yu + k * double(0.05f) * node.yu;
  }
  return y;
}

double SiltEquivalentDepth(const SiltInput& in, double f) {
  const SiltAngles& g = in.angles;
  const double b = in.b, gamma = in.gamma, c = in.c;
  const double tan_phi = std::tan(g.phi), tan_beta = std::tan(g.beta);
  const double tan_alpha = std::tan(g.alpha);
  const double c1 =
      tan_beta *
      (g.kp * tan_alpha +
       g.k0 * (std::sin(g.beta) * (1.0 / std::cos(g.alpha) + 1.0) * tan_phi - tan_alpha));
  const double c2 = g.kp - g.ka;
  const double c3 = g.kp * g.kp * (g.kp + g.k0 * tan_phi) - g.ka;
  const double xr = (c3 - c2) * b / c1;
  const double dz = xr / 500.0;
  double s = 0.0;
  for (int i = 1; i <= 500; ++i) {
    const double zi = i * dz;
    const double a = ReeseSandA(zi / b, in.cyclic);
    const double fi =
        (gamma * b + 0.5 * c) * zi + a * gamma * (c1 * zi * zi + c2 * b * zi) + 3.0 * b * c;
    const double previous = s;
    s = s + fi * dz;
    if (s > f) return zi - dz * (s - f) / (s - previous);
  }
  return xr + (f - s) / (0.88 * c3 * gamma * b * in.zs + 9.0 * b * c);
}

// ---------------------------------------------------------------------------
// Loess.

double LoessReferenceDeflection(UnitSystem units) {
  return units == UnitSystem::kUscs ? double(0.117f) : double(0.0029718f);
}

double LoessCycles(double cycles) {
  const double n = std::fabs(cycles);
  return n < 1.0 ? 1.0 : n;
}

LoessNode LoessAt(double qc, double x, double b, double cycles, double yref) {
  LoessNode n;
  n.yref = yref;
  // Near the pile head the cone resistance is scaled from half its value at
  // the head to nearly 1.5 times just above the depth 2b.
  n.qc = x < 2.0 * b ? qc * (x / (2.0 * b) + 0.5) : qc;
  n.pu0 = double(0.409f) * n.qc;
  n.pu = b * n.pu0 / (1.0 + double(0.24f) * std::log(cycles));
  n.ei = n.pu / yref;
  return n;
}

double LoessP(const LoessNode& node, double y_hat) {
  const double r = y_hat / node.yref;
  return node.ei * y_hat / (1.0 + r * (1.0 + double(0.1f) * std::exp(-y_hat / node.yref)));
}

double LoessEs(const LoessNode& node, double y_hat, double pm, double ym) {
  if (!(y_hat > 0.0)) return (pm / ym) * node.ei;
  return (pm / ym) * (LoessP(node, y_hat) / y_hat);
}

SiltLoessDeflections LoessOutputDeflections(const LoessNode& node) {
  static constexpr SiltLoessDeflections kTimes = {0.0, 0.25, 0.5,  0.75, 1.0,  1.5,  2.0,  3.0, 4.0,
                                                  6.0, 8.0,  12.0, 16.0, 23.0, 30.0, 40.0, 50.0};
  SiltLoessDeflections y{};
  for (std::size_t k = 0; k < y.size(); ++k) y[k] = node.yref * kTimes[k];
  return y;
}

// ---------------------------------------------------------------------------
// Piedmont residual soil.

PiedmontTest PiedmontTestOf(double type) {
  if (!(type >= 1.0 && type < 5.0)) return PiedmontTest::kNone;
  return static_cast<PiedmontTest>(static_cast<int>(type));
}

double PiedmontModulus(UnitSystem units, PiedmontTest test, double v) {
  if (units == UnitSystem::kGeneral) return 0.0;
  switch (test) {
    case PiedmontTest::kSpt:
      return units == UnitSystem::kUscs ? 22.0 * v : double(151.68466f) * v;
    case PiedmontTest::kCpt:
      return double(0.118f) * v;
    case PiedmontTest::kDmt:
      return double(0.076f) * v;
    case PiedmontTest::kPmt:
      return double(0.235f) * v;
    case PiedmontTest::kNone:
      break;
  }
  return 0.0;
}

PiedmontNode PiedmontAt(double ei, double b) {
  PiedmontNode n;
  n.ei = ei;
  n.b = b;
  n.y1 = double(0.001f) * b;
  n.yu = double(0.0375f) * b;
  n.pmax = 0.21632074 * ei * b * n.yu;
  return n;
}

double PiedmontP(const PiedmontNode& node, double y_hat) {
  if (y_hat < node.y1) return node.ei * node.b * y_hat;
  if (y_hat < node.yu) {
    return node.ei * y_hat * (1.0 - 0.21624703 * std::log(1000.0 * y_hat / node.b)) * node.b;
  }
  return node.pmax;
}

double PiedmontEs(const PiedmontNode& node, double y_hat, double pm, double ym) {
  if (y_hat >= double(1e-14f)) return PiedmontP(node, y_hat) / y_hat * pm / ym;
  return node.ei * node.b / ym;
}

SiltLoessDeflections PiedmontOutputDeflections(const PiedmontNode& node) {
  SiltLoessDeflections y{};
  y[1] = node.y1;
  for (int k = 1; k <= 13; ++k) {
    y[static_cast<std::size_t>(1 + k)] = node.y1 + k * (node.yu - node.y1) / 14.0;
  }
  y[15] = node.yu;
  y[16] = double(1.05f) * node.yu;
  return y;
}

}  // namespace tarvex
