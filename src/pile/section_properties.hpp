// Building the section property table of the pile from its sections.
#ifndef TARVEX_PILE_SECTION_PROPERTIES_HPP_
#define TARVEX_PILE_SECTION_PROPERTIES_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "core/section_properties.hpp"

namespace tarvex {

// Two points per section, at its top and bottom depth (computing units).
std::vector<SectionPoint> BuildSectionPropertyTable(const std::vector<PileSection>& sections,
                                                    UnitSystem units);

}  // namespace tarvex

#endif  // TARVEX_PILE_SECTION_PROPERTIES_HPP_
