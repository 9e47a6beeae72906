// Curve mathematics of the rock p-y criteria: weak rock (Reese), vuggy
// limestone (a strong rock) and massive rock (Liang et al. 2009, with the
// Hoek-Brown strength of a rock mass of fixed quality).
//
// Lengths are in the run's length unit (L), forces in its force unit (F).
// y_hat is the curve's own deflection; the caller applies the p- and
// y-multipliers to printed points.
#ifndef TARVEX_SOIL_ROCK_CURVES_HPP_
#define TARVEX_SOIL_ROCK_CURVES_HPP_

#include <array>

#include "core/units.hpp"

namespace tarvex {

constexpr int kRockCurvePoints = 17;
using RockCurveDeflections = std::array<double, kRockCurvePoints>;

// --- Weak rock ("WeakRock") ---

struct WeakRockInput {
  double b = 0.0;    // pile width (L)
  double qu = 0.0;   // uniaxial compressive strength (F/L^2)
  double rqd = 0.0;  // percent
  double eir = 0.0;  // initial rock mass modulus (F/L^2)
  double krm = 0.0;  // k_rm (dimensionless)
  double xr = 0.0;   // depth into the rock (L)
};

struct WeakRockNode {
  double alpha_r = 0.0;  // strength reduction 1 - RQD/150
  double pur = 0.0;      // ultimate resistance (F/L)
  double kir = 0.0;      // initial modulus (F/L^2)
  double yrm = 0.0;      // k_rm b (L)
  double ya = 0.0;       // end of the initial line (L)
};

WeakRockNode WeakRockAt(const WeakRockInput& in);
double WeakRockP(const WeakRockNode& s, double y_hat);
double WeakRockEs(const WeakRockNode& s, double y_hat, double pm, double ym);
RockCurveDeflections WeakRockOutputDeflections(const WeakRockNode& s);

// --- Vuggy limestone ("Vuggy LS") ---

struct VuggyLimestoneNode {
  double su = 0.0;        // half the compressive strength (F/L^2)
  double y1 = 0.0;        // end of the initial line, 0.0004 b (L)
  double p1 = 0.0;        // 0.8 b su (F/L)
  double y2 = 0.0;        // end of the second line, 0.0024 b (L)
  double residual = 0.0;  // 0.5 gamma' b zs beyond y2 (F/L)
};

VuggyLimestoneNode VuggyLimestoneAt(double b, double qu, double gamma, double zs);
double VuggyLimestoneP(const VuggyLimestoneNode& s, double y_hat);
double VuggyLimestoneEs(const VuggyLimestoneNode& s, double y_hat, double pm, double ym);
RockCurveDeflections VuggyLimestoneOutputDeflections(const VuggyLimestoneNode& s);

// --- Massive rock ("MassRock") ---

struct MassiveRockInput {
  double b = 0.0;
  double zs = 0.0;       // depth below the ground surface (L); 0 is taken as a small depth
  double gamma = 0.0;    // average effective unit weight (F/L^3)
  double sigci = 0.0;    // intact-rock compressive strength (F/L^2)
  double ei = 0.0;       // intact-rock modulus (F/L^2)
  double ei_pile = 0.0;  // the pile's flexural rigidity at the node (F L^2)
  UnitSystem units = UnitSystem::kUscs;
};

struct MassiveRockNode {
  double phi = 0.0;  // equivalent friction angle (rad)
  double c = 0.0;    // equivalent cohesion (F/L^2)
  double pw = 0.0;   // wedge resistance (F/L)
  double pd = 0.0;   // deep resistance (F/L)
  double pu = 0.0;   // min(pd, pw)
  double erm = 0.0;  // rock-mass modulus (F/L^2)
  double ki = 0.0;   // initial slope (F/L^2)
  double b = 0.0;
};

MassiveRockNode MassiveRockAt(const MassiveRockInput& in);
double MassiveRockP(const MassiveRockNode& s, double y_hat);
double MassiveRockEs(const MassiveRockNode& s, double y_hat, double pm, double ym);

}  // namespace tarvex

#endif  // TARVEX_SOIL_ROCK_CURVES_HPP_
