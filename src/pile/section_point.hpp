// A point of the section property table of the pile.
#ifndef TARVEX_PILE_SECTION_POINT_HPP_
#define TARVEX_PILE_SECTION_POINT_HPP_

namespace tarvex {

struct SectionProperties {
  double diameter = 0.0;  // width the soil sees (p-y curves)
  double width = 0.0;     // the cross-section's own width (stresses of an embedded pole)
  double area = 0.0;
  double inertia = 0.0;
  double ei = 0.0;  // E*I (lb-in^2, kN-m^2)
  double mp = 0.0;  // plastic moment of elastic-plastic sections (lb-in, kN-m)
};

struct SectionPoint {
  double depth = 0.0;
  int section = 0;  // 1-based
  SectionProperties properties;
};

}  // namespace tarvex

#endif  // TARVEX_PILE_SECTION_POINT_HPP_
