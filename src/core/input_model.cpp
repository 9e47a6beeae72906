#include "core/input_model.hpp"

namespace tarvex {

InputModel::InputModel() {
  sections.reserve(limits::kMaxSections);
  layers.reserve(limits::kMaxLayers);
  load_cases.reserve(limits::kMaxLoadCases);
  distributed_loads.reserve(limits::kMaxDistributedPoints);
  lrfd_groups.reserve(limits::kMaxLrfdGroups);
  lrfd_combinations.reserve(limits::kMaxLrfdCombinations);
  tip_shear.reserve(limits::kMaxTipShearPoints);
  py_multipliers.reserve(limits::kMaxPyMultipliers);
  soil_movements.reserve(limits::kMaxSoilMovementPoints);
  py_output_depths.reserve(limits::kMaxPyOutputDepths);
}

bool TakesTransverseReinforcement(SectionType type) {
  switch (type) {
    case kRectangularConcrete:
    case kDrilledShaft:
    case kShaftWithCasing:
    case kShaftWithCasingAndCore:
    case kCircularPrestressed:
    case kCircularHollowPrestressed:
    case kSquarePrestressed:
    case kSquareHollowPrestressed:
    case kOctagonalPrestressed:
    case kOctagonalHollowPrestressed:
      return true;
    default:
      return false;
  }
}

}  // namespace tarvex
