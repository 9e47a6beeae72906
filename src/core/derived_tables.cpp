#include "core/derived_tables.hpp"

namespace tarvex {

DerivedTables::DerivedTables() {
  thrusts.reserve(limits::kMaxThrusts);
  lrfd_loads.reserve(limits::kMaxLrfdCombinations);
  layers.reserve(limits::kMaxLayers);
  section_points.reserve(2 * limits::kMaxSections);
  section_tables.reserve(limits::kMaxSections);
}

}  // namespace tarvex
