#include "soil/user_py_curves.hpp"

#include <cmath>
#include <cstddef>

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return static_cast<std::size_t>(k); }

// The line through points k and k + 1 (0-based) of a curve at y.
double OnSegment(const UserPyCurve& c, int k, double y) {
  const double y0 = c.y[At(k)], y1 = c.y[At(k + 1)];
  const double p0 = c.p[At(k)], p1 = c.p[At(k + 1)];
  if (y1 == y0) return p1;
  return p0 + (p1 - p0) * (y - y0) / (y1 - y0);
}

}  // namespace

double UserCurveP(const UserPyCurve& c, double y_hat) {
  const int n = c.count;
  if (n <= 0) return 0.0;
  if (n == 1 || y_hat == c.y[0]) return c.p[0];
  if (y_hat > c.y[At(n - 1)]) return c.p[At(n - 1)];
  if (y_hat < c.y[0] && c.y[0] > 0.0) return c.p[0] * y_hat / c.y[0];
  // The first segment that holds y_hat, the last one otherwise.
  int k = n - 2;
  for (int i = 0; i <= n - 3; ++i) {
    if (c.y[At(i)] < y_hat && y_hat <= c.y[At(i + 1)]) {
      k = i;
      break;
    }
  }
  return OnSegment(c, k, y_hat);
}

double UserCurveSecant(const UserPyCurve& c) {
  const int k = c.count >= 2 ? 1 : 0;
  if (c.count < 1 || c.y[At(k)] == 0.0) return 0.0;
  return c.p[At(k)] / c.y[At(k)];
}

double UserDepthInterpolation(double top, double bottom, double d1, double d2, double x) {
  if (!(d1 <= x && x <= d2)) return 0.0;
  if (d2 == d1) return top;
  return top + (bottom - top) * (x - d1) / (d2 - d1);
}

UserPyNode UserPyAt(const UserPyCurve& top, const UserPyCurve& bottom, double d1, double d2,
                    double x) {
  UserPyNode n;
  n.top = &top;
  n.bottom = &bottom;
  n.d1 = d1;
  n.d2 = d2;
  n.x = x;
  n.s = UserDepthInterpolation(UserCurveSecant(top), UserCurveSecant(bottom), d1, d2, x);
  const double last_top = top.count > 0 ? top.p[At(top.count - 1)] : 0.0;
  const double last_bottom = bottom.count > 0 ? bottom.p[At(bottom.count - 1)] : 0.0;
  // Curves at one depth: the top curve's value, wherever the node lies.
  n.pl = std::fabs(d2 - d1) <= 1e-6 ? last_top
                                    : UserDepthInterpolation(last_top, last_bottom, d1, d2, x);
  return n;
}

double UserPyP(const UserPyNode& node, double y_hat) {
  return UserDepthInterpolation(UserCurveP(*node.top, y_hat), UserCurveP(*node.bottom, y_hat),
                                node.d1, node.d2, node.x);
}

double UserPyEs(const UserPyNode& node, double y_hat, double pm, double ym) {
  if (y_hat < 1e-14) return node.s;
  return pm * UserPyP(node, y_hat) / (ym * y_hat);
}

std::array<double, 17> UserPyOutputDeflections(double b) {
  static constexpr float kFactors[14] = {0.00625f, 0.0125f,  0.01875f, 0.025f,   0.03125f,
                                         0.0375f,  0.04375f, 0.05f,    0.05625f, 0.0625f,
                                         0.06875f, 0.075f,   0.2f,     0.375f};
  std::array<double, 17> y{};
  y[1] = double(0.001f);
  for (std::size_t k = 0; k < 14; ++k) y[k + 2] = b * double(kFactors[k]);
  y[16] = 0.5 * b;
  return y;
}

}  // namespace tarvex
