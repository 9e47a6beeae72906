// Capacities of the model. Arrays are sized for them once, when the model is made.
#ifndef TARVEX_CORE_LIMITS_HPP_
#define TARVEX_CORE_LIMITS_HPP_

namespace tarvex::limits {

constexpr int kMinIncrements = 40;
constexpr int kMaxIncrements = 500;
constexpr int kMaxNodes = kMaxIncrements + 1;
constexpr int kMinIterations = 30;
constexpr int kMaxIterations = 1000;
constexpr int kMaxSections = 10;
constexpr int kMaxLayers = 40;
constexpr int kMaxLoadCases = 100;
constexpr int kMaxLrfdGroups = 100;
constexpr int kMaxLrfdCombinations = 100;
constexpr int kLrfdLoadTypes = 13;
constexpr int kMaxDistributedPoints = 50;
constexpr int kMinSoilMovementPoints = 2;
constexpr int kMaxSoilMovementPoints = 100;
constexpr int kMaxThrusts = 100;
constexpr int kMaxUserPyPoints = 30;
constexpr int kMaxPyOutputDepths = 100;
constexpr int kMaxPyMultipliers = 80;
constexpr int kMaxTipShearPoints = 100;
constexpr int kMaxBars = 300;
constexpr int kMaxStrands = 300;
constexpr int kMaxStressStrainPoints = 100;
constexpr int kMaxUserEiThrusts = 100;
constexpr int kMaxUserEiPoints = 149;  // 150 with the zero point put in front
constexpr int kTitleLines = 5;
constexpr int kLineLength = 256;

}  // namespace tarvex::limits

#endif  // TARVEX_CORE_LIMITS_HPP_
