// Tables derived from the input once it is read and converted: none of them
// is written back into the input, and none changes during the load cases.
#ifndef TARVEX_CORE_DERIVED_TABLES_HPP_
#define TARVEX_CORE_DERIVED_TABLES_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "core/moment_curvature.hpp"
#include "core/section_properties.hpp"
#include "core/soil_tables.hpp"

namespace tarvex {

// The pile-head loads of one LRFD combination, formed from the load groups
// and factored (after the batter transform: transverse shear, moment and axial
// force), and the position of its axial force in the thrust table (1-based).
struct LrfdFactoredLoad {
  double shear = 0.0;
  double moment = 0.0;
  double axial = 0.0;
  int thrust_index = 0;
};

struct DerivedTables {
  DerivedTables();

  // Axial thrusts of section analysis, ascending and distinct: the axial
  // loads of the load cases, or the factored axial forces of the LRFD
  // combinations; kips in USCS runs.
  std::vector<double> thrusts;
  // One per LRFD combination of the input.
  std::vector<LrfdFactoredLoad> lrfd_loads;

  // The soil layers made contiguous: the top of layer 1 at the ground
  // surface, every further top at the bottom of the layer above.
  std::vector<SoilLayer> layers;
  SoilProfile soil_profile;
  UnitWeightProfile unit_weights;

  std::vector<SectionPoint> section_points;   // the section property table
  std::vector<SectionTables> section_tables;  // one per section, from section analysis
};

}  // namespace tarvex

#endif  // TARVEX_CORE_DERIVED_TABLES_HPP_
