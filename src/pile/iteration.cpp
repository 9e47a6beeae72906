#include "pile/iteration.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_text.hpp"
#include "format/error_text.hpp"

namespace tarvex {
namespace {

// The first node whose deflection is not a finite number, or 0.
int FirstNonFiniteDeflection(const PileNodes& n) {
  for (int k = 1; k <= n.count; ++k) {
    if (!std::isfinite(n.y[PileNodes::At(k)])) return k;
  }
  return 0;
}

// Runtime error 28: the solution has lost all meaning. NaN is named as such;
// an infinite value, or a node's deflection that the two values do not show,
// is named in the same block.
void ReportNotANumber(const CaseState& state, int node, IterationKind kind, RunOutput& out) {
  const int it = state.iteration;
  const double ytop = state.top_deflection;
  const double dymax = state.max_change;
  std::vector<DiagnosticValue> values{ErrorValue("iteration", it), ErrorValue("node", node)};
  // The first of the values tested that is not a finite number.
  if (kind == IterationKind::kStudy) {
    values.push_back(ErrorTextValue("result", "top deflection or maximum change in deflection"));
  } else if (!std::isfinite(ytop)) {
    values.push_back(ErrorTextValue("result", "top deflection"));
    values.push_back(ErrorTextValue("state", std::isnan(ytop) ? "Not-A-Number" : "infinite"));
  } else if (!std::isfinite(dymax)) {
    values.push_back(ErrorTextValue("result", "maximum change in deflection"));
    values.push_back(ErrorTextValue("state", std::isnan(dymax) ? "Not-A-Number" : "infinite"));
  } else {
    values.push_back(ErrorTextValue("result", "deflection"));
  }
  RaiseError(out, ErrorId::kNotFinite, std::move(values));
}

// Runtime error 9: the pile head has moved beyond the excess-deflection limit.
void ReportExcessDeflection(const Options& options, double y, RunOutput& out) {
  const std::string_view unit = LabelsFor(options.units).length;
  RaiseError(out, ErrorId::kExcessDeflection,
             {ErrorValue("head deflection", y, unit),
              ErrorValue("excess deflection limit", options.max_deflection, unit)});
}

// Runtime error 40: the iteration settled on a state that is no stable
// equilibrium. Under the axial thrust the stiffness of pile and soil is not
// positive definite: the thrust exceeds the buckling load of the pile in
// this soil, or a short pile is tipped over by it (the thrust times the
// rotation carries the shear, and the head moves against it).
void ReportUnstable(const Options& options, const CaseState& state, RunOutput& out) {
  const std::string_view force = LabelsFor(options.units).force;
  RaiseError(
      out, ErrorId::kUnstable,
      {ErrorValue("load case", state.number), ErrorValue("axial load", state.head.axial, force)});
}

// A length for the advice of an error: three significant digits and the unit.
std::string AdviceLength(double v, std::string_view unit) {
  char buffer[32];
  const auto [end, ec] =
      NumberToChars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 3);
  const std::size_t last = unit.find_last_not_of(' ');
  return std::string(buffer, ec == std::errc() ? end : buffer) + " " +
         std::string(unit.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

// The smallest change of deflection of a load case's iteration and when it
// came: an iteration that has not improved on it for many iterations has
// stalled (soft clays do, at a change of about 1e-6 in).
struct IterationProgress {
  double smallest_change = 0.0;
  int at_iteration = 0;
  int last_iteration = 0;
  bool stalled() const { return last_iteration - at_iteration >= 20; }
};

// What to change after runtime error 10. A stalled iteration is not helped
// by more iterations: its tolerance is below what it can reach, and the
// deflections have converged to about the smallest change.
std::string NoConvergenceAdvice(const Options& options, const IterationProgress& progress,
                                double head_deflection) {
  const std::string_view unit = LabelsFor(options.units).length;
  const double recommended = options.units == UnitSystem::kUscs ? 1.0e-5
                             : options.units == UnitSystem::kSi ? 2.54e-7
                                                                : 0.0;
  if (progress.stalled()) {
    // The next power of ten above twice the smallest change is met.
    const double reachable = std::pow(10.0, std::ceil(std::log10(2.0 * progress.smallest_change)));
    return "The change of deflection stopped falling at " +
           AdviceLength(progress.smallest_change, unit) + " after iteration " +
           std::to_string(progress.at_iteration) + ": the head deflection (" +
           AdviceLength(head_deflection, unit) + ") has converged to about that; a Tolerance of " +
           AdviceLength(std::max(reachable, recommended), unit) + " ends the iteration.";
  }
  std::string advice;
  if (options.iteration_limit < 1000) {
    advice =
        "Raise MaxIterations above " + std::to_string(options.iteration_limit) + " (at most 1000)";
  }
  if (options.tolerance < recommended) {
    advice += advice.empty() ? "Use" : ", or use";
    advice += " the recommended Tolerance of " + AdviceLength(recommended, unit);
  }
  if (advice.empty())
    advice = "Check the loading and the soil properties for their sizes and units";
  return advice + ".";
}

// Runtime error 10: no convergence within the iteration limit.
void ReportNoConvergence(const Options& options, double max_change,
                         const IterationProgress& progress, double head_deflection,
                         RunOutput& out) {
  const std::string_view unit = LabelsFor(options.units).length;
  const std::vector<DiagnosticValue> values{
      ErrorValue("iteration limit", options.iteration_limit),
      ErrorValue("maximum change in deflection", max_change, unit),
      ErrorValue("convergence tolerance", options.tolerance, unit)};
  ErrorBlock block(out);
  block.Advise(NoConvergenceAdvice(options, progress, head_deflection));
  WriteErrorText(ErrorId::kNoConvergence, values, out.report, out.message);
  block.Report(ErrorId::kNoConvergence, values);
}

}  // namespace

CaseIteration IterateLoadCase(const Options& options, const std::vector<SoilLayer>& layers,
                              const SoilWorkingValues& soil, CaseState& state,
                              IterationStages& stages, RunOutput& out, IterationKind kind) {
  const bool study = kind == IterationKind::kStudy;
  const int limit = options.iteration_limit;
  const double tolerance = options.tolerance;
  IterationProgress progress;
  state.last_iterations.clear();
  for (int it = 1; it <= limit; ++it) {
    state.iteration = it;
    stages.Solve(state);
    if (out.failed()) return CaseIteration::kFailed;
    const double ytop = state.top_deflection;
    const double dymax = state.max_change;
    if (it == 1 || dymax < progress.smallest_change) {
      progress.smallest_change = dymax;
      progress.at_iteration = it;
    }
    progress.last_iteration = it;
    const int node = FirstNonFiniteDeflection(state.nodes);
    if (!std::isfinite(ytop) || !std::isfinite(dymax) || node != 0) {
      ReportNotANumber(state, node, kind, out);
      return CaseIteration::kFailed;
    }
    out.message.Write(
        "('Analysis Case ',I0,',',T20,'Iteration ',I0,',',T36,'Y(top) = ',E12.4,"
        "', dYmax = ',E12.4)",
        {state.number, it, ytop, dymax});
    if (it > limit - 5) {
      state.last_iterations.push_back({it, ytop, dymax});
      WriteIterationRecord(state.last_iterations.back(), out.report);
    }
    // At least six solutions, so that the soil moduli have settled. A
    // solution that settles with a loaded head beyond the excess-deflection
    // limit (a pile the soil does not hold) is no result either; a head
    // deflection the case imposes is the user's own.
    if (!(dymax > tolerance) && it >= 6) {
      // A settled state that is no stable equilibrium is no result, whatever
      // its deflection: the first of the checks.
      if (state.unstable_node != 0) {
        if (study) return CaseIteration::kUnstable;
        ReportUnstable(options, state, out);
        return CaseIteration::kFailed;
      }
      const bool head_loaded = state.head.type != LoadType::kDeflectionAndMoment &&
                               state.head.type != LoadType::kDeflectionAndSlope;
      if (study || !head_loaded || !(std::fabs(ytop) >= options.max_deflection)) {
        return CaseIteration::kConverged;
      }
      ReportExcessDeflection(options, ytop, out);
      return CaseIteration::kFailed;
    }
    if (dymax > tolerance && it >= 11 && std::fabs(ytop) >= options.max_deflection) {
      if (study) return CaseIteration::kExcessDeflection;
      ReportExcessDeflection(options, ytop, out);
      return CaseIteration::kFailed;
    }
    stages.UpdateSoilModuli(state);
    if (out.failed()) return CaseIteration::kFailed;
    if (it == 1) {
      CheckLayersHaveNodes(layers, soil, state.nodes, options.increments, state.pile_length,
                           options.units, out);
      if (out.failed()) return CaseIteration::kFailed;
    }
    if (options.run_kind == RunKind::kPileAnalysis) {
      stages.UpdateBendingStiffness(state);
      if (out.failed()) return CaseIteration::kFailed;
    }
  }
  if (!study) ReportNoConvergence(options, state.max_change, progress, state.top_deflection, out);
  return CaseIteration::kNotConverged;
}

void CheckLayersHaveNodes(const std::vector<SoilLayer>& layers, const SoilWorkingValues& soil,
                          const PileNodes& nodes, int increments, double length, UnitSystem units,
                          RunOutput& out) {
  const double z_tip = nodes.z[PileNodes::At(nodes.count)];
  const double h = increments > 0 ? length / increments : 0.0;
  const std::string_view length2 = LabelsFor(units).length2;
  for (int j = 2; j <= static_cast<int>(layers.size()); ++j) {
    const SoilLayer& layer = layers[static_cast<std::size_t>(j - 1)];
    const auto slot = static_cast<std::size_t>(j);
    if (nodes.top_node_in_layer[slot] != 0 || !(layer.top < z_tip)) continue;
    if (soil.heq[slot] != SoilWorkingValues::kUnsetEquivalentDepth || soil.layering_off[slot]) {
      continue;
    }
    const double thickness = layer.bottom - layer.top;
    // Increments needed for one node in the layer; capped so that a layer of
    // no thickness cannot overflow the estimate.
    const double ratio = thickness > 0.0 ? length / thickness : 0.0;
    const long long needed = ratio < 2.0e9 ? static_cast<long long>(ratio) : 2000000000LL;
    RaiseError(
        out, ErrorId::kLayerWithoutNode,
        {ErrorValue("layer", j), ErrorValue("layer thickness", thickness, length2),
         ErrorValue("pile increment length", h, length2), ErrorValue("pile increments", increments),
         ErrorValue("increments needed", static_cast<double>(needed))});
    return;
  }
}

}  // namespace tarvex
