// The section property table of the pile: two points per section, at its top
// and bottom depth, with the width the soil sees, the cross-section's area,
// moment of inertia and bending stiffness E*I. Properties between the points
// are interpolated in depth.
#ifndef TARVEX_CORE_SECTION_PROPERTIES_HPP_
#define TARVEX_CORE_SECTION_PROPERTIES_HPP_

#include <vector>

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

// Properties at depth d along the pile: linear between the table's points
// (E*I interpolated as a product); at a section boundary the deeper section's
// values; below the last point the last point's values.
SectionProperties PropertiesAt(const std::vector<SectionPoint>& table, double d);

}  // namespace tarvex

#endif  // TARVEX_CORE_SECTION_PROPERTIES_HPP_
