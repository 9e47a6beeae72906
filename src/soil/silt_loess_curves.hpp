// Curve mathematics of cemented silt (a c-phi soil: the sand wedge for its
// frictional part, the soft-clay form for its cohesive part, on the
// four-part shape of the Reese sand curve), of loess (a hyperbola from the
// cone tip resistance and the number of load cycles) and of Piedmont
// residual soil (a curve from the initial modulus of one field test).
//
// y_hat is the curve's own deflection |y - ys| / ym; the caller applies the
// p- and y-multipliers to printed points. Lengths are in the run's length
// unit (L), forces in its force unit (F): pounds and inches in USCS runs,
// kilonewtons and metres in SI runs. Angles are in radians unless named
// otherwise.
#ifndef TARVEX_SOIL_SILT_LOESS_CURVES_HPP_
#define TARVEX_SOIL_SILT_LOESS_CURVES_HPP_

#include <array>

#include "core/units.hpp"

namespace tarvex {

// Every printed curve of these criteria has 17 points.
constexpr int kSiltLoessCurvePoints = 17;
using SiltLoessDeflections = std::array<double, kSiltLoessCurvePoints>;

// --- Cemented silt ("Cem Silt") ---

// Default eps50 of the silt for the cohesion c (psi in USCS, kPa in SI), for
// an input value of 0 or less; the value as read in GENERAL units. It is only
// printed.
double SiltDefaultEps50(UnitSystem units, double c, double eps50);

// Default initial modulus k = kc + ks (lb/in^3 in USCS, kN/m^3 in SI): kc by
// the cohesion c and the loading, ks by the friction angle (degrees) and
// whether the soil lies above the water table (gamma' above 0.045 pci or
// 12.225 kN/m^3). 0 in GENERAL units.
double SiltDefaultK(UnitSystem units, double c, double gamma, double phi_degrees, bool cyclic);

// The silt's angles and earth-pressure coefficients at a node.
struct SiltAngles {
  double phi = 0.0;    // friction angle (rad)
  double alpha = 0.0;  // phi/2
  double beta = 0.0;   // pi/4 + phi/2
  double k0 = 0.0;     // at-rest coefficient, the single-precision 0.4
  double ka = 0.0;     // active coefficient, on sloping ground c1 (c1 - sqrt d)/(c1 + sqrt d)
  double kp = 0.0;     // passive coefficient tan^2 beta
};

// The angles for phi (rad) and the effective slope theta (rad). When the
// slope is steeper than cos phi allows, d = cos^2|theta| - cos^2 phi is
// negative and Ka is not a number: the caller checks phi against |theta|
// first.
SiltAngles SiltAnglesAt(double phi, double theta);

// The soil values of a silt node.
struct SiltInput {
  double b = 0.0;      // pile width (L)
  double c = 0.0;      // cohesion (F/L^2)
  double gamma = 0.0;  // average effective unit weight (F/L^3)
  double k = 0.0;      // initial modulus (F/L^3), default applied
  double zc = 0.0;     // criterion depth (L)
  double zs = 0.0;     // depth below the ground surface (L)
  double theta = 0.0;  // effective slope (rad)
  double y = 0.0;      // the deflection whose sign gives the slope direction (L)
  bool cyclic = false;
  SiltAngles angles;
};

struct SiltNode {
  double pst = 0.0;     // shallow frictional resistance, the wedge (F/L)
  double psd = 0.0;     // deep frictional resistance (F/L)
  double pu_phi = 0.0;  // min(pst, psd) (F/L)
  double np = 0.0;      // cohesive bearing factor, times the slope factor (dimensionless)
  double pu_c = 0.0;    // cohesive resistance 9cb or Np c b (F/L)
  double a = 0.0;       // Reese A at zc/b
  double b_coef = 0.0;  // Reese B at zc/b (printed only)
  double pu = 0.0;      // ultimate resistance A pu_phi + pu_c (F/L)
  double ym = 0.0;      // the curve's reference deflection b/60 (L)
  double yu = 0.0;      // 3b/80 (L)
  double pm = 0.0;      // 1.5 (pu_phi + pu_c) (F/L)
  double m = 0.0;       // slope of the straight part (F/L^2)
  double n = 0.0;       // exponent of the parabola
  double cbar = 0.0;    // parabola factor pm / ym^(1/n)
  double yk = 0.0;      // where the initial line k zc y meets the parabola (L)
  double kz = 0.0;      // initial modulus k zc (F/L^2)
};

// The silt's quantities at a node.
SiltNode SiltAt(const SiltInput& in);

// Soil resistance p (F/L) at y_hat (L), never above k zc y_hat.
double SiltP(const SiltNode& node, double y_hat);

// Secant modulus (F/L^2): pm p / y_hat / ym, or k zc without multipliers
// below 1e-14.
double SiltEs(const SiltNode& node, double y_hat, double pm, double ym);

// Printed deflections (L): 0, ym/12 to ym in twelve steps, yu, and yu
// increased by 5, 10 and 15 percent.
SiltLoessDeflections SiltOutputDeflections(const SiltNode& node);

// heq of a lower silt layer (L): the depth at which the silt's resistance,
// integrated from zero by the rectangle rule over 500 steps down to
// xr = (C3 - C2) b / C1, reaches f, the summed resistance of the layers
// above (F); past xr the deep resistance carries the rest.
double SiltEquivalentDepth(const SiltInput& in, double f);

// --- Loess ("KS Loess") ---

// The reference deflection of the loess curve (L): 0.117 in in USCS,
// 0.0029718 m otherwise.
double LoessReferenceDeflection(UnitSystem units);

// The number of cycles the loess curve works with: |N|, and one cycle for
// fewer than one, where the curve's cycle factor 1 + 0.24 ln N would fall to
// zero or below.
double LoessCycles(double cycles);

struct LoessNode {
  double qc = 0.0;    // cone tip resistance, reduced above the depth 2b (F/L^2)
  double pu0 = 0.0;   // 0.409 qc (F/L^2)
  double pu = 0.0;    // b pu0 / (1 + 0.24 ln Nc) (F/L)
  double ei = 0.0;    // initial modulus pu / yref (F/L^2)
  double yref = 0.0;  // reference deflection (L)
};

// The loess quantities for the cone tip resistance qc as interpolated, at
// position x along the pile with width b; `cycles` after LoessCycles.
LoessNode LoessAt(double qc, double x, double b, double cycles, double yref);

// Soil resistance p (F/L) at y_hat (L).
double LoessP(const LoessNode& node, double y_hat);

// Secant modulus (F/L^2): (pm/ym)(p/y_hat), and its limit Ei pm/ym at zero.
double LoessEs(const LoessNode& node, double y_hat, double pm, double ym);

// Printed deflections (L): yref times 0, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6,
// 8, 12, 16, 23, 30, 40, 50.
SiltLoessDeflections LoessOutputDeflections(const LoessNode& node);

// --- Piedmont residual soil ("Piedmont") ---

// The field tests that give the initial modulus.
enum class PiedmontTest : int { kNone = 0, kSpt = 1, kCpt = 2, kDmt = 3, kPmt = 4 };

// The test of a layer's test-type value (its whole number part); kNone
// outside 1 to 4.
PiedmontTest PiedmontTestOf(double type);

// The initial modulus Ei (F/L^2) from the test value v: 22 N60 (USCS) or
// 151.68466 N60 (SI); 0.118 qc, 0.076 Edmt, 0.235 Epmt. 0 in GENERAL units
// and without a test.
double PiedmontModulus(UnitSystem units, PiedmontTest test, double v);

struct PiedmontNode {
  double ei = 0.0;    // initial modulus (F/L^2)
  double b = 0.0;     // pile width (L)
  double y1 = 0.0;    // end of the linear part, 0.001 b (L)
  double yu = 0.0;    // 0.0375 b (L)
  double pmax = 0.0;  // 0.21632074 Ei b yu (F/L)
};

PiedmontNode PiedmontAt(double ei, double b);

// Soil resistance p (F/L) at y_hat (L).
double PiedmontP(const PiedmontNode& node, double y_hat);

// Secant modulus (F/L^2): (p/y_hat) pm/ym, or Ei b/ym below 1e-14.
double PiedmontEs(const PiedmontNode& node, double y_hat, double pm, double ym);

// Printed deflections (L): 0, y1, fourteen steps from y1 to yu, 1.05 yu.
SiltLoessDeflections PiedmontOutputDeflections(const PiedmontNode& node);

}  // namespace tarvex

#endif  // TARVEX_SOIL_SILT_LOESS_CURVES_HPP_
