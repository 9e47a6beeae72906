// Axial force - bending moment interaction diagrams of pile sections by the
// design codes: ACI 318-19 and AASHTO LRFD (rectangular stress block,
// crushing strain 0.003, strength reduction factor phi by the net tensile
// strain, cap on axial compression), Eurocode 2 (parabola-rectangle or
// rectangular block, strain limits by concrete class, partial factors), and
// the plastic interaction of steel pipe piles (AISC 360-16 / AASHTO, or
// Eurocode 3). Pure functions of a prepared section: they return data and
// write nothing.
//
// Sign convention as in the moment-curvature analysis: compression positive,
// the moment positive when it compresses the face at +y (depth 0). Units are
// those of the cut section: kips, inches and kip-in (USCS), kN, m and kN-m (SI).
#ifndef TARVEX_SECTION_INTERACTION_HPP_
#define TARVEX_SECTION_INTERACTION_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "section/cut_section.hpp"

namespace tarvex {

// The design codes of the option line, by their codes 1 to 3.
enum class DesignCode : int { kAashto = 1, kAci318 = 2, kEurocode2 = 3 };

// Transverse reinforcement of a concrete section: ties (hoops) or a spiral.
enum class Transverse { kTied, kSpiral };

// The Eurocode 2 concrete stress distribution.
enum class Ec2Distribution { kParabolaRectangle, kRectangularBlock };

// Why a section has no diagram.
enum class InteractionCoverage {
  kCovered,
  kNoCutSection,      // elastic, elastic-plastic, user EI, micropile: no material strengths
  kNoReinforcement,   // plain concrete: no longitudinal steel
  kSlenderPipe,       // pipe wall too slender (local buckling governs)
  kConcreteClass,     // Eurocode 2: f'c beyond C90/105
  kPreparationFailed  // the section could not be cut into strips
};

struct PmPoint {
  double axial = 0.0;   // compression positive
  double moment = 0.0;  // positive: compression at the +y face
};

struct InteractionSettings {
  DesignCode code = DesignCode::kAci318;
  Transverse transverse = Transverse::kTied;
  Ec2Distribution ec2 = Ec2Distribution::kParabolaRectangle;
};

// The diagram of a section. `nominal` and `design` hold one point per strain
// state, aligned, from pure compression through pure bending to pure
// tension with positive moments; a section that is not symmetric about its
// mid-depth continues with the states of the opposite bending direction
// (negative moments) back to pure compression, so that the points go round
// the whole diagram.
struct InteractionDiagram {
  InteractionCoverage coverage = InteractionCoverage::kCovered;
  DesignCode code = DesignCode::kAci318;
  bool steel = false;        // the plastic interaction of a steel pipe
  bool prestressed = false;  // strands with their effective prestress
  bool symmetric = true;
  int section_class = 0;  // Eurocode 3 class of a steel pipe: 1 to 3
  std::vector<PmPoint> nominal;
  std::vector<PmPoint> design;  // phi Pn, phi Mn capped; Eurocode: NRd, MRd
  // Per point: the strength reduction factor (ACI 318, AASHTO concrete
  // sections; empty otherwise) and the net tensile strain of the extreme
  // tension steel, tension positive (concrete sections; empty otherwise).
  std::vector<double> phi;
  std::vector<double> net_tensile_strain;
  bool has_balanced = false;  // concrete sections with steel below the compression zone
  PmPoint balanced;           // nominal: extreme tension steel at its yield strain
  PmPoint balanced_design;
  double pure_compression = 0.0;  // nominal P0
  double pure_tension = 0.0;      // nominal, negative
  double max_compression = 0.0;   // design limit of axial compression
  double max_tension = 0.0;       // design limit of axial tension, negative
  // Eurocode partial factors and the long-term factor; 0 for the other codes.
  double gamma_c = 0.0, gamma_s = 0.0, alpha_cc = 0.0;
};

// ACI 318-19 / AASHTO: depth factor beta1 of the rectangular stress block
// and its stress factor alpha1 (0.85; AASHTO below 0.85 beyond 10 ksi), for
// f'c in the section's stress unit (ksi, or kPa in SI runs).
double Beta1(DesignCode code, double fc, bool si);
double Alpha1(DesignCode code, double fc, bool si);

// Eurocode 2 strain limits and stress-block factors of concrete of
// characteristic strength fck (MPa), EN 1992-1-1 Table 3.1 and 3.1.7(3).
struct Ec2Concrete {
  double eps_c2 = 0.0, eps_cu2 = 0.0, n = 0.0;
  double eps_c3 = 0.0, eps_cu3 = 0.0;
  double lambda = 0.0, eta = 0.0;
};
Ec2Concrete Ec2ConcreteOf(double fck_mpa);

// The strength reduction factor of ACI 318-19 (Table 21.2.2) or AASHTO LRFD
// (5.5.4.2) for net tensile strain eps_t (tension positive): compression-
// controlled at or below eps_ty, tension-controlled at or beyond eps_tl,
// linear in between.
struct PhiRule {
  double compression = 0.65;  // compression-controlled
  double tension = 0.90;      // tension-controlled
  double eps_ty = 0.002;      // compression-controlled limit
  double eps_tl = 0.005;      // tension-controlled limit
};
PhiRule PhiRuleOf(DesignCode code, Transverse transverse, bool prestressed, double fy, double es,
                  bool si);
double Phi(const PhiRule& rule, double eps_t);

// The diagram of a prepared concrete section (bars, strands, casing, core).
InteractionDiagram ConcreteInteraction(const CutSection& cs, const InteractionSettings& settings);

// The plastic interaction of a steel pipe of outer diameter d, wall t, yield
// stress fy and modulus e (section units): AISC 360-16 H1-1 for ACI runs,
// with AASHTO's resistance factors of steel pipe piles for AASHTO runs, and
// EN 1993-1-1 for Eurocode 2 runs.
InteractionDiagram SteelPipeInteraction(double d, double t, double fy, double e, bool si,
                                        DesignCode code);

// The diagram of a pile section of the input (computing units; stresses as
// input), with its coverage.
InteractionDiagram SectionInteraction(const PileSection& s, UnitSystem units,
                                      const InteractionSettings& settings);

// The transverse reinforcement a concrete section is taken to have when the
// input does not say: ties, for every section type.
Transverse DefaultTransverse(SectionType type);

// Demand over capacity along the ray from the origin through (moment,
// axial) in the (M, P) plane, against the closed design diagram; the
// demand's moment is taken as a magnitude, and both bending directions
// are checked when the diagram has points with negative moments.
struct Utilisation {
  double ratio = 0.0;  // 0 for a demand at the origin
  PmPoint capacity;    // where the ray meets the diagram
};
Utilisation RayUtilisation(const std::vector<PmPoint>& design, double axial, double moment);

}  // namespace tarvex

#endif  // TARVEX_SECTION_INTERACTION_HPP_
