// The per-layer values the p-y criteria keep over the whole run. They live as
// long as the run: an equivalent depth stays -10000 until a criterion sets it
// and keeps its value afterwards, and a layering-off mark is never cleared,
// because the check for layers without a node and the printed curves read
// what the last solver pass left.
#ifndef TARVEX_CORE_SOIL_WORKING_VALUES_HPP_
#define TARVEX_CORE_SOIL_WORKING_VALUES_HPP_

#include <array>

#include "core/limits.hpp"

namespace tarvex {

struct SoilWorkingValues {
  // The equivalent depth of a layer before the layering correction sets it.
  static constexpr double kUnsetEquivalentDepth = -10000.0;

  SoilWorkingValues() { heq.fill(kUnsetEquivalentDepth); }

  // 1-based layers.
  std::array<double, limits::kMaxLayers + 1> heq = {};               // equivalent depth
  std::array<bool, limits::kMaxLayers + 1> layering_off = {};        // below a rock-type layer
  std::array<double, limits::kMaxLayers + 1> layer_resistance = {};  // resistance integral
  std::array<double, limits::kMaxLayers + 1> liquefied_resistance = {};
  // A sand layer whose default k took the formula for sand above the water
  // table at one of its nodes or printed curves (SI, where the average
  // effective unit weight from the surface exceeds 12.225 kN/m^3).
  std::array<bool, limits::kMaxLayers + 1> sand_k_above_water = {};
  int rock_layer_count = 0;  // of the current solver pass
};

}  // namespace tarvex

#endif  // TARVEX_CORE_SOIL_WORKING_VALUES_HPP_
