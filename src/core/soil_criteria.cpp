#include "core/soil_criteria.hpp"

#include <array>

namespace tarvex {
namespace {

constexpr std::array<std::string_view, kSoilCriterionCodes + 1> kShortNames = {
    "Undefined ",  // no code 0
    "SoftClay  ", "StfClyBW  ", "StfClyAW  ", "StfClyAK  ", "Sand      ",
    "API Sand  ", "Liq Sand  ", "WeakRock  ", "Vuggy LS  ", "Piedmont  ",
    "Cem Silt  ", "KS Loess  ", "Elast SG  ", "User p-y  ", "SoftClyJ  ",
    "MassRock  ", "Frz Soil  ", "Undefined ", "Undefined ", "Undefined ",
};

}  // namespace

std::string_view SoilShortName(int code) {
  if (code < 1 || code > kSoilCriterionCodes) return kShortNames[0];
  return kShortNames[static_cast<std::size_t>(code)];
}

bool SameShortName(std::string_view a, std::string_view b) {
  return a.substr(0, 8) == b.substr(0, 8);
}

}  // namespace tarvex
