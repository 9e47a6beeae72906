#include "soil/py_modifiers.hpp"

#include <cmath>
#include <numbers>

namespace tarvex {
namespace {

constexpr double kQuarterPi = std::numbers::pi / 4.0;
// Slope and deflection within this of zero count as zero.
constexpr double kZeroAngle = 1e-20;
// Steps of the stiff-clay integration of the layering correction.
constexpr int kStiffClaySteps = 50;

}  // namespace

Multipliers MultipliersAt(const std::vector<PyMultiplierPoint>& t, double x) {
  const std::size_t n = t.size();
  Multipliers m;
  if (n == 0 || x < t.front().depth || x > t.back().depth) return m;
  if (n == 1) return {t[0].pm, t[0].ym};
  std::size_t i = 1;
  while (i < n && !(x <= t[i].depth)) ++i;
  if (i == n) return m;
  if (x < t[i].depth) {
    const double f = (x - t[i - 1].depth) / (t[i].depth - t[i - 1].depth);
    m.pm = t[i - 1].pm + (t[i].pm - t[i - 1].pm) * f;
    m.ym = t[i - 1].ym + (t[i].ym - t[i - 1].ym) * f;
    return m;
  }
  // At a point: a repeated depth marks a step, and the deeper point holds.
  if (i + 1 < n && t[i + 1].depth == t[i].depth) ++i;
  return {t[i].pm, t[i].ym};
}

double StaticCoefficient(double x) {
  if (x > double(3.3f)) return double(0.6f);
  const double as = double(0.2345f) + double(0.2958796f) * x - double(0.0786111f) * (x * x) +
                    double(0.0068981f) * (x * x * x);
  return as > double(0.6f) ? double(0.6f) : as;
}

double CyclicCoefficient(double x) {
  if (x > 1.5) return double(0.3f);
  const double ac = double(0.2f) + double(0.153333f) * x - double(0.075f) * (x * x) +
                    double(0.011667f) * (x * x * x);
  return ac > double(0.3f) ? double(0.3f) : ac;
}

double SlopeBatterFactor(double theta, double y, bool single_precision_cos45) {
  const double slope = std::abs(theta);
  const bool same_sign =
      (y > kZeroAngle && theta > kZeroAngle) || (y < -kZeroAngle && theta < -kZeroAngle);
  const bool opposite_sign =
      (y > kZeroAngle && theta < -kZeroAngle) || (y < -kZeroAngle && theta > kZeroAngle);
  if (same_sign) return 1.0 / (1.0 + std::tan(slope));
  if (opposite_sign) {
    const double cos45 = single_precision_cos45 ? double(0.70710677f) : std::cos(kQuarterPi);
    return std::cos(slope) * cos45 / std::cos(kQuarterPi + slope);
  }
  return 1.0;
}

double SoftClayEquivalentDepth(const LayeringInput& in) {
  const double b = in.b;
  const double c = in.c;
  const double gamma = in.gamma;
  const double xr = 6.0 * b * c / (in.j * c + b * gamma);
  double pd = 9.0 * c * b;
  if (in.cyclic) pd = pd * 0.72;
  const double fr =
      in.cyclic ? 0.72 * (1.5 * xr * b * c + c * (xr * xr) / 6.0 + (xr * xr) * b * gamma / 3.0)
                : ((3.0 * c + in.j * xr * gamma) * b + 0.25 * xr * c) * xr;
  if (fr < in.f) return xr + (in.f - fr) / pd;
  // Within the transition depth: 3bc h + (0.25c + 0.5b gamma') h^2 = F, the
  // static integral with J = 0.5, for either loading.
  const double linear = 3.0 * b * c;
  const double quadratic = 0.25 * c + 0.5 * b * gamma;
  return (std::sqrt(linear * linear + 4.0 * in.f * quadratic) - linear) / (2.0 * quadratic);
}

double StiffClayFreeWaterEquivalentDepth(const LayeringInput& in) {
  const double b = in.b;
  const double c = in.c;
  const double ca = in.ca;
  const double gamma = in.gamma;
  const double xr = (11.0 * c - 2.0 * ca) * b / (gamma * b + 2.83 * ca);
  const double delta = xr / kStiffClaySteps;
  double sum = 0.0;
  double r = 0.0;
  for (int i = 1; i <= kStiffClaySteps; ++i) {
    const double zi = i * delta;
    const double as = StaticCoefficient(zi / b);
    // Residual resistance per unit of pc (dimensionless).
    r = in.cyclic ? 0.936 * CyclicCoefficient(zi / b) - 0.4182 * as
                  : 0.5 * std::sqrt(6.0 * as) - 0.411 - 0.75 * as;
    const double next = sum + delta * r * ((gamma * zi + 2.0 * ca) * b + 2.83 * ca * zi);
    if (next > in.f) return zi - delta * (next - in.f) / (next - sum);
    sum = next;
  }
  return xr + (in.f - sum) / (11.0 * c * r * b);
}

double StiffClayNoFreeWaterEquivalentDepth(const LayeringInput& in) {
  const double b = in.b;
  const double c = in.c;
  const double ca = in.ca;
  const double gamma = in.gamma;
  const double xr = (9.0 * c - 3.0 * ca) * b / (0.5 * ca + gamma * b);
  const double fr = ((0.25 * xr + 3.0 * b) * ca + 0.5 * gamma * xr * b) * xr;
  if (in.f <= fr) {
    const double linear = 3.0 * b * ca;
    const double quadratic = 0.25 * ca + 0.5 * gamma * b;
    return (std::sqrt(linear * linear + 4.0 * in.f * quadratic) - linear) / (2.0 * quadratic);
  }
  return xr + (in.f - fr) / (9.0 * b * c);
}

}  // namespace tarvex
