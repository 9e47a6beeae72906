// The p-y criterion codes of the soil layers. Everything else about a
// criterion (its short name, input values, units and operations) is its row
// of the criterion table, src/soil/criterion_table.hpp.
#ifndef TARVEX_CORE_SOIL_CRITERIA_HPP_
#define TARVEX_CORE_SOIL_CRITERIA_HPP_

namespace tarvex {

enum SoilCriterion : int {
  kSoftClay = 1,
  kStiffClayFreeWater = 2,
  kStiffClayNoFreeWater = 3,
  kStiffClayNoFreeWaterK = 4,
  kSandReese = 5,
  kSandApi = 6,
  kLiquefiedSand = 7,
  kWeakRock = 8,
  kVuggyLimestone = 9,
  kPiedmont = 10,
  kCementedSilt = 11,
  kLoess = 12,
  kElasticSubgrade = 13,
  kUserPy = 14,
  kSoftClayJ = 15,
  kMassiveRock = 16,
  kFrozenSoil = 17,
};

// Codes 18 to 20 name no criterion.
constexpr int kSoilCriterionCodes = 20;

}  // namespace tarvex

#endif  // TARVEX_CORE_SOIL_CRITERIA_HPP_
