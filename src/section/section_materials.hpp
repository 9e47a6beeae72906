// Stress-strain laws of the materials of a cut section and the constants
// derived from the concrete strength. Compressive strains and stresses are
// positive, tensile ones negative. USCS laws work in ksi, SI laws in kPa.
#ifndef TARVEX_SECTION_SECTION_MATERIALS_HPP_
#define TARVEX_SECTION_SECTION_MATERIALS_HPP_

#include <cmath>

#include "core/units.hpp"

namespace tarvex {

// Single precision values widened to double: the strain limits and
// coefficients of the concrete and strand laws.
namespace law {
constexpr double kCrushingStrain = double(0.0038f);
constexpr double kFallingDrop = double(0.15f);  // drop of stress to 0.85 f'c at crushing
constexpr double kCrushedStress = 0.001;        // token stress of crushed concrete
}  // namespace law

// ksi to kPa.
constexpr double kKsiToKpa = 6894.75732421875;

// Reinforcement law codes: 2 bars; 4 to 9 strands of types 0 to 5.
constexpr int kBarLaw = 2;
constexpr int kFirstStrandLaw = 4;

// Concrete constants in the run's stress unit (ksi or kPa).
struct ConcreteConstants {
  double fc = 0.0;      // compressive strength f'c
  double ec = 0.0;      // modulus 57 sqrt(f'c psi) ksi
  double eps0 = 0.0;    // strain at peak stress 1.7 f'c / Ec
  double fr = 0.0;      // modulus of rupture, negative
  double eps_cr = 0.0;  // cracking strain, negative
};

// From f'c as input (psi for USCS, kPa for SI). The modulus of rupture is
// 7.5 sqrt(f'c psi) for bar-reinforced concrete and 4.0 sqrt(f'c psi) for
// prestressed concrete.
ConcreteConstants ConcreteFromInput(double fc_input, UnitSystem units, bool prestressed);

// The three laws below are evaluated for every strip at every trial depth of
// the neutral-axis search: they are inline so that the strip loops need no
// call per strip.

// Concrete stress for a strain in compression (eps > 0): Hognestad's
// parabola to f'c at eps0, a straight line down to 0.85 f'c at 0.0038, and a
// token 0.001 beyond.
inline double ConcreteCompressionStress(const ConcreteConstants& c, double eps) {
  if (eps > law::kCrushingStrain) return law::kCrushedStress;
  const double x = eps / c.eps0;
  if (x < 1.0) return c.fc * (2.0 * x - x * x);
  return c.fc - law::kFallingDrop * c.fc * (eps - c.eps0) / (law::kCrushingStrain - c.eps0);
}

// The tension parabola before cracking (eps <= 0): -f'c (2x - x^2), x = |eps/eps0|.
inline double ConcreteTensionStress(const ConcreteConstants& c, double eps) {
  const double x = std::fabs(eps / c.eps0);
  return -c.fc * (2.0 * x - x * x);
}

// Elastic-perfectly-plastic steel: E eps limited to +-fy; *yielded set when
// the limit is passed (a strain of exactly fy/E is not yielded).
inline double ElasticPlasticStress(double e, double fy, double eps, bool* yielded) {
  const double s = e * eps;
  if (s > fy) {
    *yielded = true;
    return fy;
  }
  if (s < -fy) {
    *yielded = true;
    return -fy;
  }
  return s;
}

// Strand laws in ksi for law codes 4 to 9 (eps the total strand strain).
// fy9 is the limit of code 9. *yielded set when the strain leaves the
// straight line of the PCI curves (codes 4 to 6) or the stress reaches its
// limit (codes 7 to 9).
double StrandStressKsi(int code, double eps, double fy9, bool* yielded);

// Strand and bar table of the prestressed piles, by strand type 0 to 5 and
// size index: diameter (in), area (sq. in.) and fpu (psi).
struct StrandSize {
  double diameter = 0.0;
  double area = 0.0;
  double fpu_psi = 0.0;
};
bool StrandTable(int type, int size, StrandSize* out);
int StrandSizes(int type);

// Elastic modulus of strand type 0 to 5 in ksi: 28000 for the PCI strands,
// 29000 for the bars.
double StrandModulusKsi(int type);

// The code 9 limit (ksi) for a deformed-bar grade sub-code: 157 for 1, 160
// for 3 and 5, 150 otherwise.
double DeformedBarYieldKsi(int subcode);

}  // namespace tarvex

#endif  // TARVEX_SECTION_SECTION_MATERIALS_HPP_
