// A pile section prepared for the moment-curvature solution: its strips,
// bars or strands, material constants in the run's units (ksi and inches, or
// kPa and metres), its axial capacities and, for prestressed piles, the
// strains left by the prestress.
#ifndef TARVEX_SECTION_CUT_SECTION_HPP_
#define TARVEX_SECTION_CUT_SECTION_HPP_

#include "core/input_model.hpp"
#include "section/section_geometry.hpp"
#include "section/section_materials.hpp"

namespace tarvex {

// The prestress of a prestressed pile after losses and the capacities
// estimated from it by the PCI equations (force unit kips or kN).
struct Prestress {
  double initial = 0.0;        // Pi (kips or kN)
  double loss = 0.0;           // fraction of loss
  double effective = 0.0;      // Pe = (1 - loss) Pi
  double concrete_area = 0.0;  // Ac, net of strands and voids
  double steel_area = 0.0;     // As of the strands
  double fpc = 0.0;            // concrete stress after losses
  double fps = 0.0;            // strand stress after losses (negative: tension)
  double eps_pc = 0.0;         // concrete strain (compression)
  double eps_pi = 0.0;         // strand strain (negative: tension)
  double pn = 0.0;             // (0.85 f'c - 0.60 fpc) Ag
  double n = 0.0;              // (0.33 f'c - 0.27 fpc) Ag
  double nt = 0.0;             // -As fpu
  double mn = 0.0;             // k D As fpu
  double mn_factor = 0.0;      // k: 0.32, 0.34, 0.37 or 0.38
};

struct CutSection {
  SectionType type = kRectangularConcrete;  // of the input
  SectionKind kind = SectionKind::kRound;
  bool si = false;
  double depth = 0.0;    // D of the strips
  double width = 0.0;    // B of a rectangle, D otherwise
  double nominal = 0.0;  // the size read with the section, for the curvature step
  SectionSlices slices;
  Reinforcement reinforcement;
  std::array<double, kMaxReinforcement> bar_depth = {};  // below the compression face
  std::array<double, kSliceCount + 1> arm = {};          // strip centroid above mid-depth, D/2 - d

  // Materials, in ksi (USCS) or kPa (SI).
  bool has_concrete = true;
  ConcreteConstants concrete;
  ConcreteConstants cracking;  // with the 7.5 sqrt(f'c) modulus of rupture, for Tcr
  int law = kBarLaw;           // 2 bars, 4 to 9 strands
  double fy = 0.0;             // bar yield stress; strand fpu
  double es = 0.0;             // bar or strand modulus
  double strand_fy9 = 0.0;     // ksi, limit of law 9
  double casing_e = 0.0, casing_fy = 0.0;
  double core_e = 0.0, core_fy = 0.0;
  bool core_filled = false;
  double core_diameter = 0.0, core_thickness = 0.0;
  double casing_thickness = 0.0;

  // Areas, from the dimensions.
  double gross_area = 0.0;   // outline area (D B, pi D^2/4, polygon)
  double bar_area = 0.0;     // all bars or strands
  double casing_area = 0.0;  // casing wall, or the pipe wall
  double core_area = 0.0;    // core wall
  double void_area = 0.0;    // hollow of a void core

  // Capacities: nominal axial compression Pn, tension Nt (negative) and the
  // tensile cracking load Tcr (negative, 0 where not computed).
  double pn = 0.0, nt = 0.0, tcr = 0.0;

  bool prestressed = false;
  Prestress prestress;

  bool strands() const { return law >= kFirstStrandLaw; }
  bool pipe() const { return kind == SectionKind::kSteelPipe; }
};

// What stopped the preparation of a section.
enum class PrepareStatus {
  kOk,
  kBadValue,          // a dimension or strength that leaves nothing to analyse
  kPlacementRefused,  // bars or strands cannot be placed as asked
  kOutsideStrips,     // a bar or strand reaches outside the section
  kNoConcrete,        // prestress: concrete area not positive
  kNoSteel,           // prestress: strand area not positive
  kSteelDoesNotFit,   // bars or strands overlap, or hold more area than their concrete
};

struct PrepareResult {
  PrepareStatus status = PrepareStatus::kOk;
  PlacementRefusal refusal = PlacementRefusal::kNone;
  int bar = 0;         // first bar outside the strips; first of two that overlap
  int other_bar = 0;   // second of two bars that overlap
  double steel = 0.0;  // kSteelDoesNotFit by area: the bars' or strands' area,
  double room = 0.0;   // the area of concrete they lie in,
  double gross = 0.0;  // and the gross area of the section
  std::string reason;  // what is wrong, for kBadValue
};

// Cuts section s (computing units; stresses as input) into strips, places
// its bars or strands, sets its material constants, capacities and prestress.
PrepareResult PrepareCutSection(const PileSection& s, UnitSystem units, CutSection* cs);

// Area and moment of inertia of an elastic shape at the section's top or bottom.
void ElasticShapeProperties(const ElasticBlock& e, bool at_bottom, double* area, double* inertia);

// Gross area, moment of inertia and elastic modulus of a concrete,
// prestressed or cased section (the concrete modulus, in psi or kPa), for
// the section property table. Returns false for other section types.
bool GrossSectionProperties(const PileSection& s, UnitSystem units, double* area, double* inertia,
                            double* modulus);

}  // namespace tarvex

#endif  // TARVEX_SECTION_CUT_SECTION_HPP_
