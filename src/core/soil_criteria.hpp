// Soil criteria: the p-y criterion codes of the soil layers and their short names.
#ifndef TARVEX_CORE_SOIL_CRITERIA_HPP_
#define TARVEX_CORE_SOIL_CRITERIA_HPP_

#include <string_view>

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

constexpr int kSoilCriterionCodes = 20;

// The short name of criterion `code`, padded with blanks to 10 characters
// ("SoftClay  ", "Sand      "); "Undefined " for codes 18 to 20 and any
// code outside 1 to 20.
std::string_view SoilShortName(int code);

// Short names are compared over their first 8 characters.
bool SameShortName(std::string_view a, std::string_view b);

}  // namespace tarvex

#endif  // TARVEX_CORE_SOIL_CRITERIA_HPP_
