#include "pile/input_checks.hpp"

#include <cstddef>
#include <string>
#include <utility>

#include "core/diagnostics.hpp"
#include "format/record_writer.hpp"
#include "pile/section_properties.hpp"

namespace tarvex {
namespace {

// Warning of a GROUPEFF block that the option UsePYModifiers NO leaves unused.
constexpr int kUnusedGroupFactorsWarning = -360;
// Warning of a soil layer whose top lies below the bottom of the layer above.
constexpr int kLayerGapWarning = -361;
// Warning of a liquefied-sand layer deeper than its criterion is meant for.
constexpr int kDeepLiquefiedSandWarning = -354;
// Warning of a line that held more values than were read from it.
constexpr int kIgnoredValuesWarning = -372;

using Fault = std::optional<InputCheckFault>;

Fault FaultOf(ErrorId id, EchoStop stop, std::vector<DiagnosticValue> values, int point = 0) {
  return InputCheckFault{id, stop, point, std::move(values)};
}

// The width the soil sees must be positive at both ends of every section.
Fault CheckPileWidths(const InputModel& input) {
  for (const SectionPoint& p : BuildSectionPropertyTable(input.sections, input.options.units)) {
    if (!(p.properties.diameter > 0.0)) {
      return FaultOf(ErrorId::kZeroPileWidth, EchoStop::kPile, {});
    }
  }
  return std::nullopt;
}

// Cyclic loading takes 2 to 5000 cycles.
Fault CheckCycles(const Options& o) {
  if (!o.cyclic || (o.cycles >= 2.0 && o.cycles <= 5000.0)) return std::nullopt;
  return FaultOf(ErrorId::kCyclesOutOfRange, EchoStop::kLoadingType,
                 {ErrorValue("number of cycles of loading", o.cycles)});
}

// The tip shear curve starts at zero displacement and increases.
Fault CheckTipShear(const InputModel& input) {
  if (!input.options.tip_shear) return std::nullopt;
  const auto& points = input.tip_shear;
  int bad = 0;
  if (!points.empty() && points[0].displacement != 0.0) bad = 1;
  for (std::size_t k = 1; bad == 0 && k < points.size(); ++k) {
    if (!(points[k].displacement > points[k - 1].displacement)) bad = static_cast<int>(k) + 1;
  }
  if (bad == 0) return std::nullopt;
  return FaultOf(ErrorId::kTipShearCurve, EchoStop::kTipShear, {ErrorValue("point", bad)}, bad);
}

// A printed p-y curve lies between the ground surface and the pile tip.
Fault CheckPrintedDepths(const InputModel& input) {
  if (!input.options.print_py_curves) return std::nullopt;
  const auto& depths = input.py_output_depths;
  for (std::size_t k = 0; k < depths.size(); ++k) {
    const double d = depths[k];
    const int point = static_cast<int>(k) + 1;
    if (d > input.pile_length) {
      return FaultOf(ErrorId::kPrintDepthBelowTip, EchoStop::kPrintedDepths,
                     {ErrorValue("point", point), ErrorValue("depth", d),
                      ErrorValue("pile tip", input.pile_length)},
                     point);
    }
    if (d < input.ground_depth || d < 0.0) {
      return FaultOf(ErrorId::kPrintDepthAboveGround, EchoStop::kPrintedDepths,
                     {ErrorValue("point", point), ErrorValue("depth", d),
                      ErrorValue("ground surface", input.ground_depth)},
                     point);
    }
  }
  return std::nullopt;
}

// The pile, the soil profile, the multipliers and the loading against each
// other, once every block is read.
Fault CheckAcrossBlocks(const InputModel& input) {
  constexpr EchoStop kEnd = EchoStop::kAfterAllBlocks;
  const int width_points = 2 * static_cast<int>(input.sections.size());
  if (width_points < 2 || width_points > 40) {
    return FaultOf(ErrorId::kSectionPointCount, kEnd,
                   {ErrorValue("pile property points", width_points)}, width_points);
  }
  if (input.options.run_kind == RunKind::kBendingStiffnessOnly) return std::nullopt;
  if (input.layers.empty()) return std::nullopt;  // the reader has refused the file already
  const double lowest = input.layers.back().bottom;
  if (input.pile_length > lowest) {
    return FaultOf(
        ErrorId::kSoilProfileAbovePileTip, kEnd,
        {ErrorValue("lowest soil depth", lowest), ErrorValue("pile tip", input.pile_length)});
  }
  // The unit weights are given at the layers' tops and bottoms.
  const double first_weight_depth = input.layers.front().top;
  if (first_weight_depth > input.ground_depth) {
    return FaultOf(ErrorId::kUnitWeightBelowGround, kEnd,
                   {ErrorValue("first unit weight depth", first_weight_depth),
                    ErrorValue("ground surface", input.ground_depth)});
  }
  if (input.layers.front().top != input.ground_depth) {
    return FaultOf(ErrorId::kSoilProfileBelowGround, kEnd,
                   {ErrorValue("first soil depth", input.layers.front().top),
                    ErrorValue("ground surface", input.ground_depth)});
  }
  const bool multipliers = input.options.py_modifiers && !input.py_multipliers.empty();
  if (multipliers && input.ground_depth > input.py_multipliers.front().depth) {
    return FaultOf(ErrorId::kMultipliersBelowGround, kEnd,
                   {ErrorValue("first p-multiplier depth", input.py_multipliers.front().depth),
                    ErrorValue("ground surface", input.ground_depth)});
  }
  if (input.options.cyclic && input.options.cycles < 2.0) {
    return FaultOf(ErrorId::kCyclicWithoutCycles, kEnd,
                   {ErrorValue("number of cycles of loading", input.options.cycles)});
  }
  return std::nullopt;
}

}  // namespace

std::optional<InputCheckFault> CheckInput(const InputModel& input) {
  if (Fault f = CheckPileWidths(input)) return f;
  if (input.options.run_kind != RunKind::kBendingStiffnessOnly) {
    if (Fault f = CheckCycles(input.options)) return f;
    if (Fault f = CheckTipShear(input)) return f;
    if (Fault f = CheckPrintedDepths(input)) return f;
  }
  return CheckAcrossBlocks(input);
}

bool EchoReachesLrfdForms(const std::optional<InputCheckFault>& fault) {
  return !fault || fault->stop > EchoStop::kLoadingType;
}

bool GapAboveLayer(const InputModel& input, std::size_t j) {
  return j > 0 && j < input.layers.size() && input.layers[j].top > input.layers[j - 1].bottom;
}

bool LiquefiedTooDeep(const InputModel& input, const SoilLayer& layer) {
  const double below = layer.bottom - input.ground_depth;
  switch (input.options.units) {
    case UnitSystem::kSi:
      return below > 6.0;
    case UnitSystem::kUscs:
      return below * 12.0 > 236.22;
    case UnitSystem::kGeneral:
      break;
  }
  return false;
}

void RecordInputWarnings(const InputModel& input, const std::optional<InputCheckFault>& fault,
                         WarningTally& warnings) {
  // The pile's block comes first in the echo; a stiffness-only run echoes
  // no soil.
  if (fault && fault->stop == EchoStop::kPile) return;
  if (input.options.run_kind != RunKind::kBendingStiffnessOnly) {
    // The layering block, layer by layer, then the group-action block: both
    // before the loading type, the first place a later check stops the echo.
    for (std::size_t j = 0; j < input.layers.size(); ++j) {
      const SoilLayer& layer = input.layers[j];
      if (GapAboveLayer(input, j)) {
        const SoilLayer& upper = input.layers[j - 1];
        const int n = static_cast<int>(j) + 1;
        const char* unit = input.options.units == UnitSystem::kUscs ? "ft"
                           : input.options.units == UnitSystem::kSi ? "m"
                                                                    : "L";
        RecordWriter line;
        line.Write("(A,I0,A,F0.3,1X,A,A,I0,A,F0.3,1X,2A)",
                   {"Layer ", n - 1, " ends at ", upper.bottom, unit, " and layer ", n,
                    " begins at ", layer.top, unit, "."});
        std::string detail = line.contents();
        if (!detail.empty() && detail.back() == '\n') detail.pop_back();
        RecordWarningDetail(warnings, kLayerGapWarning, std::move(detail));
        RecordWarning(warnings, kLayerGapWarning);
      }
      if (layer.code == kLiquefiedSand && LiquefiedTooDeep(input, layer)) {
        RecordWarning(warnings, kDeepLiquefiedSandWarning);
      }
    }
    if (!input.py_multipliers.empty() && !input.options.py_modifiers) {
      RecordWarning(warnings, kUnusedGroupFactorsWarning);
    }
  }
  // The values ignored follow the echo's last block: a failed check ends it
  // before them.
  if (fault) return;
  for (std::size_t k = 0; k < input.ignored_values.size(); ++k) {
    RecordWarning(warnings, kIgnoredValuesWarning);
  }
}

}  // namespace tarvex
