// Moment-curvature tables: for every pile section and axial thrust, the
// points (moment, bending stiffness, curvature) that the pile solver reads
// its nonlinear bending stiffness from.
#ifndef TARVEX_CORE_MOMENT_CURVATURE_HPP_
#define TARVEX_CORE_MOMENT_CURVATURE_HPP_

#include <array>
#include <vector>

namespace tarvex {

// One thrust of one section. USCS: kips, kip-in, kip-in^2, rad/in (the
// nominal moment capacity in lb-in); SI: kN, kN-m, kN-m^2, rad/m.
struct MomentCurvatureCurve {
  static constexpr int kMaxPoints = 150;
  double thrust = 0.0;
  double nominal_moment = 0.0;
  int count = 0;
  std::array<double, kMaxPoints> moment = {};  // 0-based points
  std::array<double, kMaxPoints> ei = {};
  std::array<double, kMaxPoints> curvature = {};
};

// The curves of one section, one per axial thrust, ascending by thrust.
struct SectionTables {
  std::vector<MomentCurvatureCurve> curves;
};

}  // namespace tarvex

#endif  // TARVEX_CORE_MOMENT_CURVATURE_HPP_
