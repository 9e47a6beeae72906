#include "engine/model.hpp"

namespace tarvex {

AnalysisModel::AnalysisModel() : labels(LabelsFor(UnitSystem::kUscs)) {
  sections.reserve(limits::kMaxSections);
  layers.reserve(limits::kMaxLayers);
  load_cases.reserve(limits::kMaxLoadCases);
  distributed_loads.reserve(limits::kMaxDistributedPoints);
  lrfd_groups.reserve(limits::kMaxLrfdGroups);
  lrfd_combinations.reserve(limits::kMaxLrfdCombinations);
  thrusts.reserve(limits::kMaxThrusts);
  tip_shear.reserve(limits::kMaxTipShearPoints);
  py_multipliers.reserve(limits::kMaxPyMultipliers);
  soil_movements.reserve(limits::kMaxSoilMovementPoints);
  py_output_depths.reserve(limits::kMaxPyOutputDepths);
  // The layering correction marks a layer's equivalent depth as unset.
  heq.fill(-10000.0);
}

}  // namespace tarvex
