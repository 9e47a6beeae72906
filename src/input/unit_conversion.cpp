#include "input/unit_conversion.hpp"

#include "soil/criterion_table.hpp"

namespace tarvex {
namespace {

void ScaleValues(SoilValues& v, bool rock_strength) {
  if (!rock_strength) v.cohesion /= 144.0;  // psf to psi
  v.unit_weight /= 1728.0;                  // pcf to pci
}

}  // namespace

void ConvertToComputingUnits(InputModel& input) {
  if (input.in_computing_units) return;
  input.in_computing_units = true;
  // A negative convergence tolerance (only general units let one through the
  // reader) is replaced, as the echo says.
  if (input.options.tolerance < 0.0) {
    input.options.tolerance = input.options.units == UnitSystem::kUscs ? double(1e-6f) : 2.54e-8;
  }
  if (input.options.units != UnitSystem::kUscs) return;  // SI and GENERAL are as read

  constexpr double kFeet = 12.0;  // feet to inches
  input.pile_length *= kFeet;
  input.ground_depth *= kFeet;
  for (PileSection& s : input.sections) {
    s.length *= kFeet;
    s.top *= kFeet;
    s.bottom *= kFeet;
  }
  for (SoilLayer& layer : input.layers) {
    layer.top *= kFeet;
    layer.bottom *= kFeet;
    // The compressive strength of rock is read in psi already.
    const bool psi = CriterionOf(layer.code).strength == StrengthUnit::kPsi;
    ScaleValues(layer.at_top, psi);
    ScaleValues(layer.at_bottom, psi);
  }
  for (DistributedLoadPoint& p : input.distributed_loads) p.depth *= kFeet;
  for (LrfdGroup& g : input.lrfd_groups) {
    for (DistributedLoadPoint& p : g.points) p.depth *= kFeet;
  }
  for (PyMultiplierPoint& p : input.py_multipliers) p.depth *= kFeet;
  for (SoilMovementPoint& p : input.soil_movements) p.depth *= kFeet;
  for (double& d : input.py_output_depths) d *= kFeet;
}

}  // namespace tarvex
