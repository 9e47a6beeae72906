// The values of a section cut into strips that the report's section blocks
// print: its dimensions, materials and derived properties, the strands and
// prestress of a prestressed pile and the concrete, formed as data of the
// section's results.
#ifndef TARVEX_SECTION_SECTION_VALUES_HPP_
#define TARVEX_SECTION_SECTION_VALUES_HPP_

#include "core/input_model.hpp"
#include "section/cut_section.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Fills the dimensions, prestress, concrete and capacities of `result` from
// section s as input and as prepared (cs).
void DescribeCutSection(const PileSection& s, const CutSection& cs, SectionResult& result);

}  // namespace tarvex

#endif  // TARVEX_SECTION_SECTION_VALUES_HPP_
