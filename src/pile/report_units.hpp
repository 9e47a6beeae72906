// Choosing the unit words of the pile reports by the run's unit system.
#ifndef TARVEX_PILE_REPORT_UNITS_HPP_
#define TARVEX_PILE_REPORT_UNITS_HPP_

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

}  // namespace tarvex

#endif  // TARVEX_PILE_REPORT_UNITS_HPP_
