#include "core/units.hpp"

namespace tarvex {
namespace {

constexpr UnitLabels kUscsLabels{"in ", "lbs ",  "lbs",   "/",     "-",    "**", "2",  "3  ",
                                 "4",   "in-lb", "lb/in", "pcf  ", "psf ", "ft", "in", "in"};
constexpr UnitLabels kSiLabels{"m  ", "kN  ",  "kN ",   "/",     "-",    "**", "2",  "3  ",
                               "4",   "kN-m ", "kN/m ", "kN/m3", "kPa ", "m ", "mm", "m "};
constexpr UnitLabels kGeneralLabels{"L  ", "F   ",  "F  ",   "/",     "-",    "**", "2",  "3  ",
                                    "4",   "F-L  ", "F/L  ", "F/L3 ", "F/L2", "L ", "L ", "L "};

}  // namespace

const UnitLabels& LabelsFor(UnitSystem units) {
  switch (units) {
    case UnitSystem::kSi:
      return kSiLabels;
    case UnitSystem::kGeneral:
      return kGeneralLabels;
    case UnitSystem::kUscs:
      break;
  }
  return kUscsLabels;
}

}  // namespace tarvex
