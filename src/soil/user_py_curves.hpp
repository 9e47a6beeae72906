// Curve mathematics of user-input p-y curves: each layer has a curve at its
// top and one at its bottom, and a node between them takes the resistance
// interpolated linearly by its position along the pile.
//
// y_hat is the curve's own deflection |y - ys| / ym; lengths are in the run's
// length unit (L), forces in its force unit (F).
#ifndef TARVEX_SOIL_USER_PY_CURVES_HPP_
#define TARVEX_SOIL_USER_PY_CURVES_HPP_

#include <array>

#include "core/input_model.hpp"

namespace tarvex {

// Resistance p (F/L) of one curve at y_hat (L): linear between its points,
// the last point's p beyond the last point. Below a first point with y above
// 0 the resistance falls on the line from the origin to the first point. A
// curve of one point is that point's p everywhere; a curve without points
// gives 0.
double UserCurveP(const UserPyCurve& curve, double y_hat);

// Secant of a curve to its second point, p2/y2 (F/L^2): the modulus at very
// small deflections. With one point the secant to it; 0 without a second
// point off the axis y = 0.
double UserCurveSecant(const UserPyCurve& curve);

// The value at position x (L) interpolated between the value `top` at the
// top curve's depth d1 and `bottom` at the bottom curve's depth d2 (L);
// 0 outside [d1, d2].
double UserDepthInterpolation(double top, double bottom, double d1, double d2, double x);

// A node of a user-curve layer.
struct UserPyNode {
  const UserPyCurve* top = nullptr;
  const UserPyCurve* bottom = nullptr;
  double d1 = 0.0;  // depth of the top curve (L)
  double d2 = 0.0;  // depth of the bottom curve (L)
  double x = 0.0;   // position of the node along the pile (L)
  double s = 0.0;   // small-deflection modulus, the interpolated second-point secants (F/L^2)
  double pl = 0.0;  // last points' resistance interpolated by depth: the layer integrand (F/L)
};

UserPyNode UserPyAt(const UserPyCurve& top, const UserPyCurve& bottom, double d1, double d2,
                    double x);

// Soil resistance p (F/L) at y_hat (L): the two curves' values interpolated
// by depth.
double UserPyP(const UserPyNode& node, double y_hat);

// Secant modulus (F/L^2): pm p / (ym y_hat), or s without multipliers below
// 1e-14.
double UserPyEs(const UserPyNode& node, double y_hat, double pm, double ym);

// Printed deflections (L): 0, 0.001 in the run's length unit, b times
// 0.00625 to 0.075 in twelve steps, 0.2 b, 0.375 b and 0.5 b.
std::array<double, 17> UserPyOutputDeflections(double b);

}  // namespace tarvex

#endif  // TARVEX_SOIL_USER_PY_CURVES_HPP_
