// The section property table of the pile: two points per section, at its top
// and bottom depth, with the width the soil sees, the cross-section's area,
// moment of inertia and bending stiffness E*I. Properties between the points
// are interpolated in depth.
#ifndef TARVEX_PILE_SECTION_PROPERTIES_HPP_
#define TARVEX_PILE_SECTION_PROPERTIES_HPP_

#include "engine/model.hpp"
#include "pile/section_point.hpp"

namespace tarvex {

// Area and moment of inertia of an elastic shape at the section's top or bottom.
void ElasticShapeProperties(const ElasticBlock& e, bool at_bottom, double* area, double* inertia);

// Builds model.section_points from the pile sections (computing units).
void BuildSectionPropertyTable(AnalysisModel& model);

// Properties at depth d along the pile: linear between the table's points
// (E*I interpolated as a product); at a section boundary the deeper section's
// values; below the last point the last point's values.
SectionProperties PropertiesAt(const AnalysisModel& model, double d);

}  // namespace tarvex

#endif  // TARVEX_PILE_SECTION_PROPERTIES_HPP_
