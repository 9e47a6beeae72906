#include "core/display_units.hpp"

#include <cmath>

namespace tarvex {
namespace {

struct Row {
  const char* quantity;
  const char* uscs;
  // From pounds and inches (kip and in for the section tables): a positive
  // factor multiplies, a negative one -d divides by d.
  double uscs_factor;
  const char* si;
  double si_factor;  // from kN and m, the same way
  // The computing unit of the quantity in USCS, SI and GENERAL runs.
  const char* uscs_computing;
  const char* si_computing;
  const char* general;
};

// 1 ft = 12 in, 1 kip = 1000 lb, 1 ft^3 = 1728 in^3, 1 m = 1000 mm.
constexpr Row kRows[] = {
    {"depth", "ft", -12.0, "m", 1.0, "in", "m", "L"},
    {"deflection", "in", 1.0, "mm", 1000.0, "in", "m", "L"},
    {"dimension", "in", 1.0, "mm", 1000.0, "in", "m", "L"},
    {"area", "in^2", 1.0, "m^2", 1.0, "in^2", "m^2", "L^2"},
    {"inertia", "in^4", 1.0, "m^4", 1.0, "in^4", "m^4", "L^4"},
    {"force", "kip", -1000.0, "kN", 1.0, "lb", "kN", "F"},
    {"moment", "kip-ft", -12000.0, "kN-m", 1.0, "lb-in", "kN-m", "F-L"},
    {"force_per_length", "lb/in", 1.0, "kN/m", 1.0, "lb/in", "kN/m", "F/L"},
    {"modulus", "lb/in^2", 1.0, "kN/m^2", 1.0, "psi", "kPa", "F/L^2"},
    {"stress", "ksi", -1000.0, "MPa", -1000.0, "psi", "kPa", "F/L^2"},
    {"unit_weight", "pcf", 1728.0, "kN/m^3", 1.0, "lb/in^3", "kN/m^3", "F/L^3"},
    // The soil's strength and p-y subgrade modulus as the input gives them.
    {"soil_stress", "psf", 144.0, "kPa", 1.0, "psi", "kPa", "F/L^2"},
    {"subgrade_modulus", "pci", 1.0, "kN/m^3", 1.0, "lb/in^3", "kN/m^3", "F/L^3"},
    {"flexural_rigidity", "kip-in^2", -1000.0, "kN-m^2", 1.0, "lb-in^2", "kN-m^2", "F-L^2"},
    {"rotation", "rad", 1.0, "rad", 1.0, "rad", "rad", "rad"},
    {"rotational_stiffness", "kip-in/rad", -1000.0, "kN-m/rad", 1.0, "lb-in/rad", "kN-m/rad",
     "F-L/rad"},
    {"lateral_stiffness", "kip/in", -1000.0, "kN/m", 1.0, "lb/in", "kN/m", "F/L"},
    {"force_per_rotation", "kip/rad", -1000.0, "kN/rad", 1.0, "lb/rad", "kN/rad", "F/rad"},
    {"moment_per_length", "kip-in/in", -1000.0, "kN-m/m", 1.0, "lb-in/in", "kN-m/m", "F-L/L"},
    {"section_force", "kip", 1.0, "kN", 1.0, "kip", "kN", "F"},
    {"section_moment", "kip-ft", -12.0, "kN-m", 1.0, "kip-in", "kN-m", "F-L"},
    {"section_rigidity", "kip-in^2", 1.0, "kN-m^2", 1.0, "kip-in^2", "kN-m^2", "F-L^2"},
    {"curvature", "rad/in", 1.0, "rad/m", 1.0, "rad/in", "rad/m", "rad/L"},
    {"section_stress", "ksi", 1.0, "MPa", -1000.0, "kip/in^2", "kN/m^2", "F/L^2"},
};

void SetConversion(double factor, DisplayUnit& unit) {
  if (factor < 0.0) {
    unit.factor = 1.0;
    unit.divisor = -factor;
  } else {
    unit.factor = factor;
    unit.divisor = 1.0;
  }
}

}  // namespace

DisplayUnits DisplayUnitsFor(UnitSystem system) {
  DisplayUnits table;
  table.round_off = kRoundOff;
  table.system = system == UnitSystem::kSi        ? "SI"
                 : system == UnitSystem::kGeneral ? "GENERAL"
                                                  : "USCS";
  table.quantities.reserve(std::size(kRows));
  for (const Row& row : kRows) {
    DisplayUnit& unit = table.quantities.emplace_back();
    unit.quantity = row.quantity;
    switch (system) {
      case UnitSystem::kSi:
        unit.unit = row.si;
        SetConversion(row.si_factor, unit);
        unit.computing = row.si_computing;
        break;
      case UnitSystem::kGeneral:
        unit.unit = row.general;
        unit.factor = 1.0;
        unit.computing = row.general;
        break;
      case UnitSystem::kUscs:
        unit.unit = row.uscs;
        SetConversion(row.uscs_factor, unit);
        unit.computing = row.uscs_computing;
        break;
    }
  }
  return table;
}

const DisplayUnit* FindDisplayUnit(const DisplayUnits& table, std::string_view quantity) {
  for (const DisplayUnit& unit : table.quantities) {
    if (unit.quantity == quantity) return &unit;
  }
  return nullptr;
}

std::string ComputingUnit(const Units& units, std::string_view quantity) {
  const std::string& length = units.length;
  if (quantity == "depth" || quantity == "deflection" || quantity == "dimension") return length;
  if (quantity == "area") return length.empty() ? "" : length + "^2";
  if (quantity == "inertia") return length.empty() ? "" : length + "^4";
  if (quantity == "force") return units.force;
  if (quantity == "moment") return units.moment;
  if (quantity == "force_per_length" || quantity == "lateral_stiffness") {
    return units.force_per_length;
  }
  if (quantity == "modulus" || quantity == "stress") return units.stress;
  if (quantity == "unit_weight" || quantity == "subgrade_modulus")
    return units.force.empty() ? "" : units.force + "/" + length + "^3";
  if (quantity == "soil_stress") return units.stress;
  if (quantity == "flexural_rigidity") return units.flexural_rigidity;
  if (quantity == "rotation") return "rad";
  if (quantity == "rotational_stiffness") return units.rotational_stiffness;
  if (quantity == "force_per_rotation") return units.force.empty() ? "" : units.force + "/rad";
  if (quantity == "moment_per_length")
    return units.moment.empty() ? "" : units.moment + "/" + length;
  if (quantity == "section_force") return units.section_force;
  if (quantity == "section_moment") return units.section_moment;
  if (quantity == "section_rigidity") return units.section_rigidity;
  if (quantity == "curvature") return units.curvature;
  if (quantity == "section_stress") {
    return units.section_force.empty()
               ? ""
               : units.section_force + "/" + units.curvature.substr(units.curvature.find('/') + 1) +
                     "^2";
  }
  return "";
}

double ShownValue(double value, double largest, double round_off, const DisplayUnit* unit) {
  if (std::fabs(value) < round_off * std::fabs(largest)) value = 0.0;
  return unit == nullptr ? value : value * unit->factor / unit->divisor;
}

}  // namespace tarvex
