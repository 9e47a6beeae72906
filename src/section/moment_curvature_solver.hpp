// The moment-curvature solution of a cut section for one axial thrust: the
// curvature is raised step by step; at each step a Newton search finds the
// neutral-axis depth whose strip stresses balance the thrust, and their
// moment about mid-depth is the bending moment.
#ifndef TARVEX_SECTION_MOMENT_CURVATURE_SOLVER_HPP_
#define TARVEX_SECTION_MOMENT_CURVATURE_SOLVER_HPP_

#include <array>

#include "section/cut_section.hpp"

namespace tarvex {

// Single precision strain limits of the solution.
namespace limit {
constexpr double kCapacityStrain = double(0.003f);  // strain of the nominal capacity
constexpr double kTensionControlled = double(-0.005f);
constexpr double kShallowCompression = double(0.1f);  // c < 0.1 D: "Z"
}  // namespace limit

// The stresses of every strip for one trial state, and the flags it raised.
struct StripStresses {
  std::array<double, kSliceCount + 1> concrete = {};
  std::array<double, kSliceCount + 1> bar = {};
  std::array<double, kSliceCount + 1> casing = {};
  std::array<double, kSliceCount + 1> core = {};
  std::array<double, kSliceCount + 1> core_concrete = {};
  bool cracked = false;
  bool yielded = false;
};

// The state a thrust starts from: initial strains of strands and concrete,
// and whether axial tension has cracked the section through.
struct ThrustState {
  double thrust = 0.0;
  double eps_pi = 0.0;
  double eps_pc = 0.0;
  bool tension_cracked = false;
};

ThrustState StartThrust(const CutSection& cs, double thrust);

// Total axial force of the strips for neutral-axis depth c and curvature phi,
// strip strain (c - d) phi; fills the stresses.
double AxialForce(const CutSection& cs, const ThrustState& t, double c, double phi,
                  StripStresses* out);

// The trial forces of one Newton step of the neutral-axis search, at
// c - delta, c and c + delta: each the same to the last bit as AxialForce's,
// taken in one pass over the strips and without the stresses.
void TrialAxialForces(const CutSection& cs, const ThrustState& t, double c, double delta,
                      double phi, double* below, double* at, double* above);

// Moment of the stresses about mid-depth.
double BendingMoment(const CutSection& cs, const StripStresses& s);

// The base curvature step of a concrete section: 1.25e-6 rad/in per 24 in of
// size (rounded, at least 1); the pipe's follows from its yield strain.
double CurvatureStep(const CutSection& cs, double thrust);

// Newton search for the neutral-axis depth at curvature phi, from c. Returns
// false when 1000 iterations did not find it.
bool FindNeutralAxis(const CutSection& cs, const ThrustState& t, double phi, double* c);

// The curve of one thrust, point by point (0-based).
struct ThrustSolution {
  static constexpr int kMaxPoints = 150;
  int count = 0;
  std::array<double, kMaxPoints> curvature = {};
  std::array<double, kMaxPoints> moment = {};
  std::array<double, kMaxPoints> ei = {};
  std::array<double, kMaxPoints> neutral_axis = {};
  std::array<double, kMaxPoints> top_strain = {};
  std::array<double, kMaxPoints> bottom_strain = {};
  std::array<double, kMaxPoints> max_concrete = {};
  std::array<double, kMaxPoints> max_steel = {};
  std::array<double, kMaxPoints> max_casing = {};
  std::array<double, kMaxPoints> max_core = {};
  std::array<std::array<char, 3>, kMaxPoints> flags = {};
  double nominal_moment = 0.0;
  int failed_point = 0;             // point whose neutral axis was not found, or 0
  bool nonpositive_moment = false;  // stopped on a moment of zero or less
};

// Solves the curve of one thrust. Returns false when a neutral-axis search
// failed (curve->failed_point says where).
bool SolveThrust(const CutSection& cs, double thrust, ThrustSolution* curve, StripStresses* work);

// Nominal moment capacity: the moment interpolated where the top-fibre
// strain reaches 0.003, 0 when it never does; the pipe's last moment.
double NominalMoment(const CutSection& cs, const ThrustSolution& curve);

}  // namespace tarvex

#endif  // TARVEX_SECTION_MOMENT_CURVATURE_SOLVER_HPP_
