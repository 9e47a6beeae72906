// Curve mathematics of the clay p-y criteria: soft clay (Matlock, with J fixed
// at 0.5 or given per layer), stiff clay with free water (Reese) and stiff clay
// without free water (Welch and Reese, with or without an initial modulus k).
//
// Each criterion has one function that computes the named quantities of a
// node from its soil values, a curve p(y_hat) and the secant modulus the
// solver takes. y_hat is the curve's own deflection |y - ys| / ym; the caller
// applies the p- and y-multipliers to printed points. Lengths are in the run's
// length unit (L), forces in its force unit (F): pounds and inches in USCS
// runs, kilonewtons and metres in SI runs.
#ifndef TARVEX_SOIL_CLAY_CURVES_HPP_
#define TARVEX_SOIL_CLAY_CURVES_HPP_

#include <array>
#include <optional>

#include "core/soil_criteria.hpp"
#include "core/units.hpp"

namespace tarvex {

// Matlock's J of the "SoftClay" criterion (dimensionless).
constexpr double kMatlockJ = 0.5;

// Number of points of every printed clay curve.
constexpr int kClayCurvePoints = 17;
using ClayCurveDeflections = std::array<double, kClayCurvePoints>;

// Default eps50 (dimensionless) of a clay criterion for the undrained shear
// strength c (psi in USCS, kPa in SI), used when the input value is 0 or
// less. Empty in GENERAL units, where no default exists, and for criteria
// that are not clays.
std::optional<double> DefaultEps50(SoilCriterion criterion, UnitSystem units, double c);

// Default initial modulus k (F/L^3: lb/in^3 in USCS, kN/m^3 in SI) of the
// stiff clays with k ("StfClyBW", "StfClyAK") for the strength c, by the c
// ranges of the criterion's eps50 table. Empty in GENERAL units and for the
// other criteria.
std::optional<double> DefaultK(SoilCriterion criterion, UnitSystem units, double c, bool cyclic);

// Soil values of one node, as the clay criteria take them. Each criterion
// reads the fields its comment names.
struct ClayNodeInput {
  double b = 0.0;         // pile width at the node (L)
  double c = 0.0;         // undrained shear strength at the node (F/L^2)
  double ca = 0.0;        // average undrained shear strength (F/L^2): "StfClyBW"
  double gamma = 0.0;     // average effective unit weight above the node (F/L^3)
  double zc = 0.0;        // criterion depth, equivalent depth in lower layers (L)
  double eps50 = 0.0;     // strain at half the peak deviator stress, default applied
  double j = kMatlockJ;   // Matlock's J: soft clays
  double k = 0.0;         // initial modulus (F/L^3), default applied: "StfClyBW", "StfClyAK"
  double f = 1.0;         // slope and batter factor on the shallow resistance
  bool cyclic = false;    // cyclic loading
  double n_cycles = 1.0;  // number of load cycles: stiff clays without free water
};

// --- Soft clay ("SoftClay", "SoftClyJ") ---

struct SoftClayNode {
  double np;        // bearing factor Np = 3 + gamma' zc/c + J zc/b, times F
  double pu_s;      // shallow ultimate resistance from Np before F, Np c b (F/L)
  double pu_d;      // deep ultimate resistance 9 c b (F/L)
  double pu;        // ultimate resistance: 9cb when the factored Np reaches 9 (F/L)
  double y50;       // deflection at half the ultimate resistance, 2.5 eps50 b (L)
  double zr;        // transition depth max(2.5b, 6cb/(gamma' b + Jc)) (L)
  double pr;        // cyclic plateau beyond 3 y50, 0.72112477 pu (F/L)
  double pr_zc_zr;  // cyclic residual above the transition depth, pr zc/zr (F/L)
  double zc;        // criterion depth (L)
  bool cyclic;
  double y_small;   // below this deflection the modulus is es_small: 1e-5 y50 (L)
  double es_small;  // tangent of the static curve at 1e-5 y50 (F/L^2)
};

// Quantities of a soft clay node from b, c, gamma, zc, eps50, j, f, cyclic.
SoftClayNode SoftClayAt(const ClayNodeInput& in);

// Soil resistance p (F/L) at the curve deflection y_hat (L); es_small y_hat
// below y_small.
double SoftClayP(const SoftClayNode& node, double y_hat);

// Secant modulus es (F/L^2) at y_hat: pm p / (ym y_hat), or es_small without
// multipliers below y_small.
double SoftClayEs(const SoftClayNode& node, double y_hat, double pm, double ym);

// Integrand of the layer resistance at the node (F/L): pu for static loading,
// pr for cyclic loading; for cyclic loading above the transition depth
// (zc < zr) also pr zc/zr, which the caller sums as a second trapezoid.
struct SoftClayIntegrand {
  double r;
  std::optional<double> r_shallow;
};
SoftClayIntegrand SoftClayResistanceIntegrand(const SoftClayNode& node);

// Printed deflections (L): 0, 0.008, 0.25 to 3.0 by 0.25, 8.0, 8.2 and 8.4
// times y50.
ClayCurveDeflections SoftClayOutputDeflections(const SoftClayNode& node);

// --- Stiff clay with free water ("StfClyBW") ---

struct StiffClayFreeWaterNode {
  double y50;             // eps50 b (L)
  double as;              // static coefficient As at zc/b
  double ac;              // cyclic coefficient Ac at zc/b
  double pct_unfactored;  // shallow resistance 2 ca b + gamma' b zc + 2.83 ca zc (F/L)
  double pct;             // pct_unfactored times F (F/L)
  double pcd;             // deep resistance 11 c b (F/L)
  double pc;              // min(pct, pcd) (F/L)
  double es0;             // initial modulus k zc, the limiting straight line (F/L^2)
  double yp;              // cyclic peak deflection scale 4.1 As y50 (L)
  double pres;            // residual resistance of the loading (F/L)
  bool cyclic;
  double y_small;   // below this deflection the modulus is es_small: 1e-14 (L)
  double es_small;  // es0 (F/L^2)
};

// Quantities of a stiff clay node with free water from b, c, ca, gamma, zc,
// eps50, k, f, cyclic.
StiffClayFreeWaterNode StiffClayFreeWaterAt(const ClayNodeInput& in);

// Soil resistance p (F/L) at y_hat (L), never above es0 y_hat.
double StiffClayFreeWaterP(const StiffClayFreeWaterNode& node, double y_hat);

// Secant modulus es (F/L^2): pm p / y_hat / ym, or es0 without multipliers
// below y_small.
double StiffClayFreeWaterEs(const StiffClayFreeWaterNode& node, double y_hat, double pm, double ym);

// Printed deflections (L). Static: 0 to 6 by 0.5, then 10, 14, 18 and 19,
// times As y50. Cyclic: 0 to 0.6 by 0.05, then 1.0, 1.4, 1.8 and 1.9, times yp.
ClayCurveDeflections StiffClayFreeWaterOutputDeflections(const StiffClayFreeWaterNode& node);

// --- Stiff clay without free water ("StfClyAW"; "StfClyAK" with k) ---

// The number of cycles the criterion works with: N below 1 becomes 1 without
// k; only N = 0 becomes 1 with k.
double StiffClayNoFreeWaterCycles(double n, bool with_k);

struct StiffClayNoFreeWaterNode {
  double y50;             // 2.5 eps50 b (L)
  double pct_unfactored;  // shallow resistance 3cb + gamma' b zc + 0.5 c zc (F/L)
  double pct;             // pct_unfactored times F (F/L)
  double pcd;             // deep resistance 9 c b (F/L)
  double pu;              // ultimate resistance min(pct, pcd) (F/L)
  double n_cycles;        // number of cycles after StiffClayNoFreeWaterCycles
  bool with_k;            // "StfClyAK": the curve is limited to es0 y_hat
  double es0;             // initial modulus k zc with k, else 0 (F/L^2)
  bool cyclic;
  double y_small;   // below this deflection the modulus is es_small:
                    // yt = 2e-5 b without k, 1e-14 with k (L)
  double es_small;  // without k the static secant at yt, 0.5 pu (y50/yt)^0.75 / y50;
                    // with k es0 (F/L^2)
};

// Quantities of a stiff clay node without free water from b, c, gamma, zc,
// eps50, f, cyclic, n_cycles, and k when `with_k`.
StiffClayNoFreeWaterNode StiffClayNoFreeWaterAt(const ClayNodeInput& in, bool with_k);

// Soil resistance p (F/L) at y_hat (L); without k es_small y_hat below
// y_small.
double StiffClayNoFreeWaterP(const StiffClayNoFreeWaterNode& node, double y_hat);

// Secant modulus es (F/L^2): pm p / y_hat / ym, or es_small without
// multipliers below y_small.
double StiffClayNoFreeWaterEs(const StiffClayNoFreeWaterNode& node, double y_hat, double pm,
                              double ym);

// Printed deflections (L), with yu = 16 y50: 0; yu times 0.00001, 0.00005,
// 0.0001, 0.0005, 0.001, 0.005, 0.01, 0.025, 0.05, 0.075, 0.1, 0.25, 0.5, 1;
// (yu + ye)/2 and ye, where ye = 16.8 y50 static and
// 1.25 (16 + 9.6 log10 N) y50 cyclic.
ClayCurveDeflections StiffClayNoFreeWaterOutputDeflections(const StiffClayNoFreeWaterNode& node);

}  // namespace tarvex

#endif  // TARVEX_SOIL_CLAY_CURVES_HPP_
