// Choosing the unit words of the pile reports by the run's unit system, and
// the text fields they share.
#ifndef TARVEX_REPORT_REPORT_UNITS_HPP_
#define TARVEX_REPORT_REPORT_UNITS_HPP_

#include <string>

#include "core/units.hpp"

namespace tarvex {

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

// An LRFD combination's name as it was read and is printed: a text field of
// 256 characters.
inline std::string CombinationNameField(const std::string& name) {
  std::string field = name;
  if (field.size() < 256) field.resize(256, ' ');
  return field;
}

}  // namespace tarvex

#endif  // TARVEX_REPORT_REPORT_UNITS_HPP_
