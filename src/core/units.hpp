// Unit systems and the unit labels of the report.
#ifndef TARVEX_CORE_UNITS_HPP_
#define TARVEX_CORE_UNITS_HPP_

#include <string_view>

namespace tarvex {

// IUNITS: USCS computes in pounds and inches, SI in kilonewtons and metres;
// GENERAL uses the user's own consistent units and converts nothing.
enum class UnitSystem { kUscs = 1, kSi = 2, kGeneral = 3 };

// Unit labels of the report, each padded to its fixed width.
struct UnitLabels {
  std::string_view length;  // 3 wide: "in ", "m  ", "L  "
  std::string_view force4;  // 4 wide: "lbs ", "kN  ", "F   "
  std::string_view force;   // 3 wide
  std::string_view slash;
  std::string_view dash;
  std::string_view power;  // "**"
  std::string_view exponent2;
  std::string_view exponent3;  // "3  "
  std::string_view exponent4;
  std::string_view moment;            // 5 wide: "in-lb", "kN-m ", "F-L  "
  std::string_view force_per_length;  // 5 wide: "lb/in", "kN/m ", "F/L  "
  std::string_view unit_weight;       // 5 wide: "pcf  ", "kN/m3", "F/L3 "
  std::string_view stress;            // 4 wide: "psf ", "kPa ", "F/L2"
  std::string_view depth;             // 2 wide: "ft", "m ", "L "
  std::string_view small_length;      // 2 wide: "in", "mm", "L "
  std::string_view length2;           // 2 wide: "in", "m ", "L "
};

const UnitLabels& LabelsFor(UnitSystem units);

// The text for USCS, SI or GENERAL runs.
inline const char* ByUnits(UnitSystem units, const char* uscs, const char* si,
                           const char* general) {
  switch (units) {
    case UnitSystem::kSi:
      return si;
    case UnitSystem::kGeneral:
      return general;
    case UnitSystem::kUscs:
      break;
  }
  return uscs;
}

}  // namespace tarvex

#endif  // TARVEX_CORE_UNITS_HPP_
