// The soil profile at a depth: building the profile tables from the layers,
// and the accessors through which the p-y criteria read the soil at a node.
#ifndef TARVEX_SOIL_SOIL_PROFILE_HPP_
#define TARVEX_SOIL_SOIL_PROFILE_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "core/soil_tables.hpp"
#include "format/run_output.hpp"

namespace tarvex {

// What the soil accessors read: the contiguous soil layers and the profile
// tables built from them, the depth of the ground surface and the pile length
// of the solution, and where an error is written and reported.
struct SoilAccess {
  const std::vector<SoilLayer>& layers;
  const SoilProfile& profile;
  const UnitWeightProfile& unit_weights;
  double ground_depth;
  double pile_length;
  RunOutput& out;
};

// Fills the profile and the unit weights from the layers (in computing units,
// tops already contiguous): rows 2j-1 and 2j hold the values at the top and at
// the bottom of layer j.
void BuildSoilProfile(const std::vector<SoilLayer>& layers, SoilProfile* profile,
                      UnitWeightProfile* unit_weights);

// The accessors below take the vertical depth z below the pile head (L). On an
// error they write its block, report it and return 0; the caller tests
// out.failed().

// Undrained shear strength c (F/L^2), or qu of rock, at depth z: column 1,
// linear inside a layer, with the soil-type rules at a layer interface. Sets
// *at_node (may be null) when z lies within 1e-6 of an interior row, where the
// criteria skip their strength-range warnings. `layer` is the layer whose
// criterion reads the strength (1-based; 0 for none): at an interface of two
// soil types that the interface rule does not pair, the layer above gets its
// own bottom value and the layer below its own top value. Input error 5
// below the deepest row, 60 for a layer of zero or negative thickness;
// runtime error 24 for such a pair when `layer` names neither of the two
// layers, 999 when the interface cannot be matched to two layers.
double ShearStrengthAt(const SoilAccess& soil, double z, bool* at_node, int layer);

// Effective unit weight averaged from the top of the profile down to z (F/L^3);
// 0 above the ground surface, the first positive weight at it. Input error 15
// below the deepest point.
double AverageUnitWeight(const SoilAccess& soil, double z);

// Strength of column 1 averaged from the top of the profile down to z (F/L^2);
// 0 above the ground surface, ShearStrengthAt(z) for `layer` at it. Input
// error 3 below the deepest row.
double AverageStrength(const SoilAccess& soil, double z, int layer);

// Friction angle at z (degrees); input error 4 below the deepest row.
double FrictionAngleAt(const SoilAccess& soil, double z);

// Epsilon-50 (column 2) at z; 0 below the deepest row.
double Epsilon50At(const SoilAccess& soil, double z);

// J (column 3) at z; 0 below the deepest row.
double JAt(const SoilAccess& soil, double z);

// RQD at z (percent); input error 31 below the deepest row, 49 for a value
// outside 0 to 100.
double RqdAt(const SoilAccess& soil, double z);

// k_rm of weak rock (column 2) at z: at an interface, and at the deepest row,
// the value of the layer below, except at the pile tip; 0 below the deepest
// row.
double RockColumn2At(const SoilAccess& soil, double z);

}  // namespace tarvex

#endif  // TARVEX_SOIL_SOIL_PROFILE_HPP_
