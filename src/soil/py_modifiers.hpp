// p-y modifiers: the p- and y-multipliers given against depth, the empirical
// stiff-clay coefficients As and Ac, the factor for sloping ground and pile
// batter on the shallow ultimate resistance of the clays, and the equivalent
// depth that starts a lower clay layer with the resistance the layers above
// it have already supplied.
//
// Lengths are in the run's length unit (L), forces in its force unit (F).
#ifndef TARVEX_SOIL_PY_MODIFIERS_HPP_
#define TARVEX_SOIL_PY_MODIFIERS_HPP_

#include <vector>

#include "core/input_model.hpp"

namespace tarvex {

// p- and y-multipliers at position x along the pile, from the input table:
// 1 outside it, linear between its points, the deeper point's values where
// two points share a depth.
struct Multipliers {
  double pm = 1.0;
  double ym = 1.0;
};
Multipliers MultipliersAt(const std::vector<PyMultiplierPoint>& table, double x);

// As: coefficient of the static stiff-clay curve with free water at the
// relative depth x = zc/b (dimensionless); the cubic fit, held at 0.6 beyond
// x = 3.3 and wherever the cubic exceeds 0.6.
double StaticCoefficient(double x);

// Ac: coefficient of the cyclic stiff-clay curve with free water at the
// relative depth x = zc/b (dimensionless); the cubic fit, held at 0.3 beyond
// x = 1.5 and wherever the cubic exceeds 0.3.
double CyclicCoefficient(double x);

// F: factor on the shallow ultimate resistance of a clay criterion for the
// effective ground slope `theta` (radians, ground slope minus batter) and the
// node deflection `y` (L); dimensionless. Deflection towards the downhill side
// (same sign as theta) gives 1/(1 + tan|theta|), towards the uphill side
// cos|theta| cos45 / cos(45 deg + |theta|); 1 when either is within 1e-20 of
// zero. cos45 is the single-precision 0.70710677 unless
// `single_precision_cos45` is false (stiff clay with free water).
double SlopeBatterFactor(double theta, double y, bool single_precision_cos45);

// Soil values at the first node of a lower clay layer, as the layering
// correction uses them.
struct LayeringInput {
  double b = 0.0;      // pile width (L)
  double c = 0.0;      // undrained shear strength at the node (F/L^2)
  double ca = 0.0;     // average undrained shear strength (F/L^2); stiff clays
  double gamma = 0.0;  // average effective unit weight above the node (F/L^3)
  double j = 0.5;      // Matlock's J (dimensionless); soft clays
  double f = 0.0;      // F: summed LayerResistance of the layers above (F)
  bool cyclic = false;
};

// heq for a soft clay layer (L): the depth at which the layer's own shallow
// resistance, integrated from zero, equals F; beyond the transition depth
// xr = 6bc/(Jc + b gamma') the deep resistance 9cb (0.72 of it cyclic) carries
// the rest.
double SoftClayEquivalentDepth(const LayeringInput& in);

// heq for a stiff clay layer with free water (L): the residual resistance
// integrated over 50 steps down to xr = (11c - 2ca)b/(gamma' b + 2.83 ca), and
// interpolated within the step where it first exceeds F; past xr the deep
// residual 11cb r carries the rest.
double StiffClayFreeWaterEquivalentDepth(const LayeringInput& in);

// heq for a stiff clay layer without free water, with or without k (L): the
// depth at which the integrated shallow resistance 3 ca b + gamma' b z +
// 0.5 ca z equals F; past xr = (9c - 3ca)b/(0.5ca + gamma' b) the deep
// resistance 9cb carries the rest.
double StiffClayNoFreeWaterEquivalentDepth(const LayeringInput& in);

}  // namespace tarvex

#endif  // TARVEX_SOIL_PY_MODIFIERS_HPP_
