#include "engine/results.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/display_units.hpp"
#include "core/soil_criteria.hpp"
#include "pile/section_properties.hpp"
#include "soil/criterion_table.hpp"
#include "tarvex/version.h"

namespace tarvex {
namespace {

std::string TrimRight(std::string_view s) {
  const std::size_t end = s.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view() : s.substr(0, end + 1));
}

Units UnitsOf(UnitSystem system) {
  switch (system) {
    case UnitSystem::kSi:
      return {"SI",     "m",        "kN", "kN-m", "kN/m",   "kPa",
              "kN-m^2", "kN-m/rad", "kN", "kN-m", "kN-m^2", "rad/m"};
    case UnitSystem::kGeneral:
      return {"GENERAL", "L",       "F", "F-L", "F/L",   "F/L^2",
              "F-L^2",   "F-L/rad", "F", "F-L", "F-L^2", "rad/L"};
    case UnitSystem::kUscs:
      break;
  }
  return {"USCS",    "in",        "lb",  "lb-in",  "lb/in",    "psi",
          "lb-in^2", "lb-in/rad", "kip", "kip-in", "kip-in^2", "rad/in"};
}

}  // namespace

const char* SectionTypeName(const PileSection& s) {
  switch (s.type) {
    case kRectangularConcrete:
      return "Rectangular Concrete Pile";
    case kDrilledShaft:
      return "Drilled Shaft (Bored Pile)";
    case kShaftWithCasing:
      return "Drilled Shaft with Permanent Casing";
    case kShaftWithCasingAndCore:
      return s.core_filled ? "Drilled Shaft with Casing and Concrete-filled Core"
                           : "Drilled Shaft with Casing and Void Core";
    case kSteelPipe:
      return "Steel Pipe Pile";
    case kCircularPrestressed:
      return "Circular Solid Prestressed Pile";
    case kCircularHollowPrestressed:
      return "Circular Hollow Prestressed Pile";
    case kSquarePrestressed:
      return "Square Solid Prestressed Pile";
    case kSquareHollowPrestressed:
      return "Square Hollow Prestressed Pile";
    case kOctagonalPrestressed:
      return "Octagonal Solid Prestressed Pile";
    case kOctagonalHollowPrestressed:
      return "Octagonal Hollow Prestressed Pile";
    case kElastic:
      return "Elastic Pile";
    case kElasticPlastic:
      return "Elastic with Specified Moment Capacity";
    case kUserEi:
      return "Pile with User-defined Nonlinear EI";
    case kMicropile:
      return "Micropile";
  }
  return "";
}

namespace {

bool Finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool Finite(const std::vector<double>& values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool Finite(const MomentCurvaturePoint& p) {
  return Finite({p.curvature, p.moment, p.ei, p.neutral_axis, p.max_compressive_strain,
                 p.max_tensile_strain, p.max_concrete_stress, p.max_steel_stress,
                 p.max_casing_stress, p.max_core_stress});
}

bool Finite(const LoadCaseResult& c) {
  const NodeColumns& n = c.nodes;
  return Finite({c.condition1, c.condition2, c.axial, c.head_shear, c.head_moment,
                 c.head_deflection, c.head_rotation, c.max_moment, c.max_moment_depth, c.max_shear,
                 c.max_shear_depth, c.max_stress, c.final_change, c.moment_imbalance,
                 c.force_imbalance, c.increment_length}) &&
         Finite(c.section_max_moment) && Finite(c.section_max_shear) && Finite(n.depth) &&
         Finite(n.deflection) && Finite(n.slope) && Finite(n.moment) && Finite(n.shear) &&
         Finite(n.soil_reaction) && Finite(n.es) && Finite(n.flexural_rigidity) &&
         Finite(n.stress) && Finite(n.distributed_load) &&
         std::all_of(
             c.lrfd_distributed_loads.begin(), c.lrfd_distributed_loads.end(),
             [](const LrfdDistributedLoads& t) { return Finite(t.depth) && Finite(t.load); });
}

bool Finite(const LrfdLoading& l) {
  for (const LrfdLoadGroup& g : l.groups) {
    if (!Finite({g.horizontal, g.moment, g.axial})) return false;
    for (const LrfdLoadPoint& p : g.points) {
      if (!Finite({p.depth, p.load})) return false;
    }
  }
  for (const LrfdTypeTotal& t : l.type_totals) {
    if (!Finite({t.horizontal, t.moment, t.axial})) return false;
  }
  for (const LrfdCombinationLoads& c : l.combinations) {
    if (!Finite(c.factors) ||
        !Finite({c.phi_flexure, c.phi_shear, c.resistance_factor_flexure, c.resistance_factor_shear,
                 c.horizontal, c.moment, c.vertical, c.shear, c.axial})) {
      return false;
    }
  }
  return Finite(l.thrusts);
}

// After an error, what the run left that is not a finite number is left out:
// a thrust's table, a printed curve, a load case, a check row or the LRFD
// loading.
void LeaveOutNonFinite(RunResults& r) {
  for (SectionResult& s : r.sections) {
    std::erase_if(s.thrusts, [](const ThrustCurve& t) {
      return !Finite({t.thrust, t.nominal_moment_capacity}) ||
             !std::all_of(t.points.begin(), t.points.end(),
                          [](const MomentCurvaturePoint& p) { return Finite(p); });
    });
  }
  std::erase_if(r.py_curves, [](const PyCurveResult& c) {
    return !Finite({c.depth}) || !Finite(c.y) || !Finite(c.p) ||
           !std::all_of(c.parameters.begin(), c.parameters.end(),
                        [](const CurveParameter& v) { return std::isfinite(v.value); });
  });
  std::erase_if(r.cases, [](const LoadCaseResult& c) { return !Finite(c); });
  if (r.lrfd_loading && !Finite(*r.lrfd_loading)) r.lrfd_loading.reset();
  std::erase_if(r.lrfd_check, [](const LrfdCheckRow& row) {
    return !Finite({row.resistance_factor, row.factored_capacity.value_or(0.0),
                    row.moment_developed, row.fraction_mobilized.value_or(0.0), row.max_shear,
                    row.head_deflection, row.head_rotation});
  });
}

Outcome OutcomeOf(int result_code, const Diagnostic& error) {
  if (result_code < 0) return Outcome::kWarnings;
  if (result_code == 0) return Outcome::kNormal;
  if (error.kind == "input") return Outcome::kInputError;
  if (error.kind == "files") return Outcome::kFilesUnusable;
  if (error.kind == "internal") return Outcome::kInternalError;
  return Outcome::kRuntimeError;
}

}  // namespace

void DescribeRun(const InputModel& input, RunResults& results) {
  results.engine_version = TARVEX_VERSION_STRING;
  results.title.clear();
  for (const std::string& line : input.title) {
    std::string text = TrimRight(line);
    if (!text.empty()) results.title.push_back(std::move(text));
  }
  results.units = UnitsOf(input.options.units);
  results.display_units = DisplayUnitsFor(input.options.units);
  results.run_kind = static_cast<int>(input.options.run_kind);
  results.lrfd = input.options.lrfd;
}

void DescribePile(const InputModel& input, RunResults& results) {
  results.pile_length = input.pile_length;
  results.ground_depth = input.ground_depth;
  const std::vector<SectionPoint> table =
      BuildSectionPropertyTable(input.sections, input.options.units);
  results.sections.assign(input.sections.size(), SectionResult{});
  for (std::size_t i = 0; i < input.sections.size(); ++i) {
    const PileSection& s = input.sections[i];
    SectionResult& r = results.sections[i];
    r.number = static_cast<int>(i) + 1;
    r.type = s.type == kShaftWithCasingAndCore && !s.core_filled ? -3 : static_cast<int>(s.type);
    r.type_name = SectionTypeName(s);
    r.top = s.top;
    r.bottom = s.bottom;
    r.length = s.length;
    const SectionProperties& top = table[2 * i].properties;
    r.width = top.diameter;
    r.area = top.area;
    r.inertia = top.inertia;
    r.flexural_rigidity = top.ei;
  }
}

namespace {

// The computing unit of a layer's input value; `units` are the run's.
std::string LayerValueUnit(SoilField field, const Units& units) {
  const bool si = units.system == "SI";
  const bool general = units.system == "GENERAL";
  const std::string per_volume = si ? "kN/m^3" : general ? "F/L^3" : "lb/in^3";
  switch (field) {
    case SoilField::kUnitWeight:
    case SoilField::kK:
    case SoilField::kElasticSubgrade:
      return per_volume;
    case SoilField::kCohesion:
    case SoilField::kCompressiveStrength:
    case SoilField::kRockMassModulus:
    case SoilField::kConeTipResistance:
    case SoilField::kTestValues:
      return units.stress;
    case SoilField::kFriction:
      return "degrees";
    case SoilField::kRqd:
      return "percent";
    case SoilField::kEps50:
    case SoilField::kJ:
    case SoilField::kKrm:
    case SoilField::kTestType:
    case SoilField::kEnd:
      break;
  }
  return {};
}

// The display units' entry a layer's input value is shown by: the one of
// the unit it is read in where that differs from the computing unit or is
// a kind of its own (pcf, psf and pci in USCS), none for the others.
std::string LayerValueQuantity(SoilField field) {
  switch (field) {
    case SoilField::kUnitWeight:
      return "unit_weight";
    case SoilField::kCohesion:
      return "soil_stress";
    case SoilField::kK:
    case SoilField::kElasticSubgrade:
      return "subgrade_modulus";
    default:
      return {};
  }
}

// The input values of `layer` in the order of its criterion's fields. The
// four field-test values of Piedmont soil are named by their test; the blow
// count is per foot (0.3 m, L), the others are stresses.
std::vector<LayerValue> LayerValuesOf(const SoilLayer& layer, const Units& units) {
  static constexpr std::string_view kTests[] = {"SPT N60", "CPT qc", "DMT Edmt", "PMT Epmt"};
  std::vector<LayerValue> values;
  for (const SoilField field : CriterionOf(static_cast<int>(layer.code)).fields) {
    if (field == SoilField::kEnd) break;
    const SoilFieldInfo& info = FieldInfo(field);
    for (int k = 0; k < info.count; ++k) {
      LayerValue& v = values.emplace_back();
      v.name = field == SoilField::kTestValues ? std::string(kTests[static_cast<std::size_t>(k)])
                                               : std::string(info.name);
      v.top = SoilFieldValue(layer.at_top, field, k);
      v.bottom = SoilFieldValue(layer.at_bottom, field, k);
      v.unit = LayerValueUnit(field, units);
      v.quantity = LayerValueQuantity(field);
      if (field == SoilField::kTestValues && k == 0) {
        v.unit = units.system == "SI"        ? "blows/0.3 m"
                 : units.system == "GENERAL" ? "blows/L"
                                             : "blows/ft";
      }
    }
  }
  return values;
}

}  // namespace

void DescribeLayers(const std::vector<SoilLayer>& layers, RunResults& results) {
  results.layers.assign(layers.size(), SoilLayerInfo{});
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const SoilLayer& l = layers[i];
    SoilLayerInfo& info = results.layers[i];
    info.number = static_cast<int>(i) + 1;
    info.criterion = l.code;
    info.short_name = TrimRight(ShortNameOf(static_cast<int>(l.code)));
    const CriterionRow& row = CriterionOf(static_cast<int>(l.code));
    info.description = std::string(row.description);
    info.family = std::string(row.family);
    info.top = l.top;
    info.bottom = l.bottom;
    info.unit_weight_top = l.at_top.unit_weight;
    info.unit_weight_bottom = l.at_bottom.unit_weight;
    info.values = LayerValuesOf(l, results.units);
  }
}

void DescribeLayerMarks(const SoilWorkingValues& soil, RunResults& results) {
  for (SoilLayerInfo& info : results.layers) {
    const auto slot = static_cast<std::size_t>(info.number);
    if (slot < soil.sand_k_above_water.size()) {
      info.default_k_above_water_table = soil.sand_k_above_water[slot];
    }
  }
}

const PyCurveResult& KeepPrintedCurve(const PrintedPyCurve& curve,
                                      std::vector<PyCurveResult>& kept) {
  PyCurveResult& k = kept.emplace_back(curve);
  k.short_name = TrimRight(ShortNameOf(k.criterion));
  return k;
}

void FinishResults(const Diagnostics& diagnostics, int result_code, RunResults& results) {
  results.result_code = result_code;
  results.outcome = OutcomeOf(result_code, diagnostics.error);
  if (diagnostics.failed()) {
    results.error = diagnostics.error;
    LeaveOutNonFinite(results);
  } else {
    results.error.reset();
  }
  std::vector<WarningTally::CaseCount> counts = diagnostics.warnings.by_case;
  std::stable_sort(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
    return a.load_case != b.load_case ? a.load_case < b.load_case : a.number < b.number;
  });
  results.warnings.clear();
  for (const WarningTally::CaseCount& c : counts) {
    WarningRecord& w = results.warnings.emplace_back();
    w.number = c.number;
    w.load_case = c.load_case;
    w.count = c.count;
    w.text = WarningLines(diagnostics.warnings, c.number);
  }
  results.warning_summary.clear();
  const WarningTally& tally = diagnostics.warnings;
  if (tally.head > 0) {
    for (int w = 1; w <= kMaxWarningNumber; ++w) {
      const int count = tally.counts[static_cast<std::size_t>(w)];
      if (count != 0) results.warning_summary.push_back({w, count});
    }
  }
}

}  // namespace tarvex
