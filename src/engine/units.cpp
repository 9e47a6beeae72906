#include "engine/units.hpp"

#include "engine/model.hpp"
#include "engine/soil_criteria.hpp"

namespace tarvex {
namespace {

constexpr UnitLabels kUscsLabels{"in ", "lbs ",  "lbs",   "/",     "-",    "**", "2",  "3  ",
                                 "4",   "in-lb", "lb/in", "pcf  ", "psf ", "ft", "in", "in"};
constexpr UnitLabels kSiLabels{"m  ", "kN  ",  "kN ",   "/",     "-",    "**", "2",  "3  ",
                               "4",   "kN-m ", "kN/m ", "kN/m3", "kPa ", "m ", "mm", "m "};
constexpr UnitLabels kGeneralLabels{"L  ", "F   ",  "F  ",   "/",     "-",    "**", "2",  "3  ",
                                    "4",   "F-L  ", "F/L  ", "F/L3 ", "F/L2", "L ", "L ", "L "};

void ScaleValues(SoilValues& v, bool rock_strength) {
  if (!rock_strength) v.cohesion /= 144.0;  // psf to psi
  v.unit_weight /= 1728.0;                  // pcf to pci
}

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

void ConvertToComputingUnits(AnalysisModel& model) {
  if (model.run.units_converted) return;
  model.run.units_converted = true;
  if (model.options.units != UnitSystem::kUscs) return;  // SI and GENERAL are as read

  constexpr double kFeet = 12.0;  // feet to inches
  model.pile_length *= kFeet;
  model.ground_depth *= kFeet;
  for (PileSection& s : model.sections) {
    s.length *= kFeet;
    s.top *= kFeet;
    s.bottom *= kFeet;
  }
  for (WidthPoint& p : model.pile_widths) p.depth *= kFeet;
  for (SoilLayer& layer : model.layers) {
    layer.top *= kFeet;
    layer.bottom *= kFeet;
    const bool rock = layer.code == kWeakRock || layer.code == kVuggyLimestone;
    ScaleValues(layer.at_top, rock);
    ScaleValues(layer.at_bottom, rock);
  }
  for (DistributedLoadPoint& p : model.distributed_loads) p.depth *= kFeet;
  for (LrfdGroup& g : model.lrfd_groups) {
    for (DistributedLoadPoint& p : g.points) p.depth *= kFeet;
  }
  for (PyMultiplierPoint& p : model.py_multipliers) p.depth *= kFeet;
  for (SoilMovementPoint& p : model.soil_movements) p.depth *= kFeet;
  for (double& d : model.py_output_depths) d *= kFeet;
}

}  // namespace tarvex
