// Curve mathematics of the sand p-y criteria: sand after Reese, Cox and Koop
// with its sloping-ground wedge, the API hyperbolic-tangent sand, liquefied
// sand after Rollins et al. (2005), the default subgrade modulus of the first
// two and the equivalent depth of a lower sand layer.
//
// Lengths are in the run's length unit (L), forces in its force unit (F):
// pounds and inches in USCS runs, kilonewtons and metres in SI runs. y_hat is
// the curve's own deflection |y - ys| / ym; the caller applies the p- and
// y-multipliers to printed points.
#ifndef TARVEX_SOIL_SAND_CURVES_HPP_
#define TARVEX_SOIL_SAND_CURVES_HPP_

#include <array>
#include <optional>

#include "core/units.hpp"

namespace tarvex {

// Number of points of every printed sand curve.
constexpr int kSandCurvePoints = 17;
using SandCurveDeflections = std::array<double, kSandCurvePoints>;

// Default initial modulus k (F/L^3) of the Reese and API sands for the
// friction angle phi (degrees) and the average effective unit weight gamma
// (F/L^3). Empty in GENERAL units, where no default exists.
std::optional<double> DefaultSandK(double phi_degrees, UnitSystem units, double gamma);

// Whether DefaultSandK takes the formula for sand above the water table: in
// SI only, for an average effective unit weight above 12.225 kN/m^3. The
// USCS formula is the same for every unit weight.
bool DefaultSandKAboveWater(UnitSystem units, double gamma);

// Reese's empirical coefficients A and B at the relative depth r = zc/b:
// linear in the table, the last value beyond r = 6, the first segment
// extended below 0.
double ReeseSandA(double r, bool cyclic);
double ReeseSandB(double r, bool cyclic);

// The friction angle's derived values (phi in radians).
struct SandAngles {
  double phi = 0.0;    // friction angle (rad)
  double alpha = 0.0;  // phi/2
  double beta = 0.0;   // pi/4 + phi/2
  double ka = 0.0;     // tan^2(pi/4 - phi/2), the flat-ground active coefficient
  double kp = 0.0;     // tan^2(beta)
  // The functions of the angles that the resistances take.
  double tan_phi = 0.0, tan_alpha = 0.0, tan_beta = 0.0;
  double sin_beta = 0.0, cos_alpha = 0.0, tan_beta_minus_phi = 0.0;
};
SandAngles SandAnglesOf(double phi_degrees);

// Active coefficient on ground sloping at the effective angle theta (rad):
// c1 (c1 - sqrt(d)) / (c1 + sqrt(d)) with c1 = cos theta, d = c1^2 - cos^2 phi.
// Empty when d < 1e-10: the slope is steeper than the friction angle.
std::optional<double> SlopingActiveCoefficient(double theta, double phi);

// The factor D of the sloping-ground wedge for the direction of the
// deflection y (L) and the effective slope theta (rad); t = tan|theta| tan(beta).
double ReeseSlopeFactor(double y, double theta, double t);
double ApiSlopeFactor(double y, double theta, double t);

// Shallow wedge resistance of sand on flat ground (F/L) with the active
// coefficient ka, the at-rest coefficient k0, at the depth zc.
double FlatWedge(const SandAngles& a, double ka, double k0, double b, double gamma, double zc);
// The wedge on ground sloping with factor d (D > 1e-20), t as above.
double SlopingWedge(const SandAngles& a, double ka, double k0, double b, double gamma, double zc,
                    double d, double t);
// Deep flow-around resistance (F/L) with the flat-ground active coefficient,
// at the depth `depth`.
double FlowAround(const SandAngles& a, double k0, double b, double gamma, double depth);

// --- Sand after Reese ("Sand") ---

struct ReeseSandInput {
  double b = 0.0;                      // pile width (L)
  double gamma = 0.0;                  // average effective unit weight (F/L^3)
  double phi = 0.0;                    // friction angle (degrees)
  const SandAngles* angles = nullptr;  // those of phi, when the caller has them
  double zc = 0.0;                     // criterion depth (L)
  double zs = 0.0;                     // depth below the ground surface (L)
  double k = 0.0;                      // initial modulus (F/L^3)
  double ka = 0.0;                     // active coefficient of the wedge, sloping ground applied
  double theta = 0.0;                  // effective slope (rad)
  double y = 0.0;                      // deflection whose sign sets the slope direction (L)
  bool cyclic = false;                 // cyclic loading
  // n, C and pk of the node above, kept where zc < 0.
  double n_above = 0.0, c_above = 0.0, pk_above = 0.0;
};

struct ReeseSandNode {
  double pst = 0.0;  // shallow wedge resistance (F/L)
  double psd = 0.0;  // deep flow-around resistance (F/L)
  double ps = 0.0;   // min(pst, psd)
  double a = 0.0;    // A coefficient
  double bc = 0.0;   // B coefficient
  double pu = 0.0;   // A ps (F/L)
  double pm = 0.0;   // B ps, resistance at ym (F/L)
  double yu = 0.0;   // 3b/80 (L)
  double ym = 0.0;   // b/60 (L)
  double m = 0.0;    // slope of the straight part (F/L^2)
  double n = 0.0;    // exponent of the parabola
  double c = 0.0;    // coefficient of the parabola
  double yk = 0.0;   // where the initial line meets the parabola (L)
  double pk = 0.0;   // (F/L)
  double kz = 0.0;   // initial modulus k zc (F/L^2)
  double b = 0.0;    // pile width (L)
  int shape = 0;     // 1 normal, 2 tri-linear, 3 bi-linear, 0 exact ties
};

ReeseSandNode ReeseSandAt(const ReeseSandInput& in);

// The curve value before the cut by the initial line kz y, and whether y lies
// on the initial line's own part (y <= yk and y < ym).
double ReeseSandCurve(const ReeseSandNode& s, double y, bool* linear = nullptr);
// p (F/L) at the curve deflection y (L): the curve cut by kz y.
double ReeseSandP(const ReeseSandNode& s, double y);
// Secant modulus (F/L^2): kz below y_hat = 1e-14, else pm p / (y_hat ym).
double ReeseSandEs(const ReeseSandNode& s, double y_hat, double pm, double ym);
// The 17 printed deflections of the node's shape (L).
SandCurveDeflections ReeseSandOutputDeflections(const ReeseSandNode& s);

// --- API sand ("API Sand") ---

struct ApiSandInput {
  double b = 0.0;
  double gamma = 0.0;
  double phi = 0.0;                    // degrees
  const SandAngles* angles = nullptr;  // those of phi, when the caller has them
  double zc = 0.0;
  double zs = 0.0;
  double k = 0.0;  // initial modulus (F/L^3), default applied
  double theta = 0.0;
  double y = 0.0;             // deflection setting the slope direction (L)
  bool layering_off = false;  // the layer lies below rock: kz = k zs
  bool cyclic = false;
};

struct ApiSandNode {
  double c1 = 0.0, c2 = 0.0, c3 = 0.0;  // coefficients of the flat-ground resistances
  double pus = 0.0;                     // shallow resistance (F/L)
  double pud = 0.0;                     // deep resistance (F/L)
  double pu = 0.0;                      // min(pus, pud)
  double a = 0.0;                       // A factor
  double k = 0.0;                       // initial modulus (F/L^3)
  double zc = 0.0;                      // criterion depth (L)
  double kz = 0.0;                      // limiting modulus of small deflections (F/L^2)
  double b = 0.0;
};

// The node's quantities; ka is the active coefficient: flat, or that of the
// sloping ground when |theta| > 1e-10.
ApiSandNode ApiSandAt(const ApiSandInput& in, double ka);
double ApiSandP(const ApiSandNode& s, double y);
double ApiSandEs(const ApiSandNode& s, double y_hat, double pm, double ym);
// The step of the 17 printed points: a sixteenth of pi A pu / (k zc).
double ApiSandOutputStep(const ApiSandNode& s, UnitSystem units);

// --- Liquefied sand ("Liq Sand") ---

struct LiquefiedSandNode {
  bool uscs = false;
  double zm = 0.0;  // depth below the ground surface in metres
  double bm = 0.0;  // pile width in metres
  double a = 0.0, bc = 0.0, c = 0.0, pd = 0.0;
  double pu = 0.0;  // upper limit (F/L)
};

// b, zs and gamma in the run's units; `first_layer` takes the true depth,
// lower layers the depth scaled by gamma / 10 kN/m^3.
LiquefiedSandNode LiquefiedSandAt(double b, double zs, double gamma, bool first_layer,
                                  UnitSystem units);
double LiquefiedSandP(const LiquefiedSandNode& s, double y);
// (pm/ym) p/y_hat; at y_hat = 0 the secant at 1e-14.
double LiquefiedSandEs(const LiquefiedSandNode& s, double y_hat, double pm, double ym);
// The 17 fixed printed deflections (inches in USCS, metres otherwise).
SandCurveDeflections LiquefiedSandOutputDeflections(bool uscs);

// --- Equivalent depth of a lower "Sand" or "API Sand" layer ---

struct SandLayeringInput {
  double b = 0.0;
  double gamma = 0.0;
  double phi = 0.0;  // degrees
  double ka = 0.0;   // the node's active coefficient
  double zs = 0.0;   // depth below the ground of the layer's first node
  double f = 0.0;    // summed resistance of the layers above (F)
  bool cyclic = false;
};
double SandEquivalentDepth(const SandLayeringInput& in);

}  // namespace tarvex

#endif  // TARVEX_SOIL_SAND_CURVES_HPP_
