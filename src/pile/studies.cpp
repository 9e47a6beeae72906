#include "pile/studies.hpp"

#include <cmath>
#include <memory>
#include <string>

#include "pile/analysis.hpp"
#include "pile/iteration.hpp"
#include "pile/response.hpp"

namespace tarvex {
namespace {

// One solution of a study: the nodes of a pile of the given length, the
// head conditions, and the iteration with the studies' rules. `number` is the
// case number of the iteration trace.
CaseIteration SolveStudyCase(const InputModel& input, const DerivedTables& tables, int number,
                             double length, const LoadCase& head, NodeLoads loads,
                             SoilWorkingValues& soil, CaseState& state, RunOutput& out) {
  state.number = number;
  PrepareNodes(input, tables, length, loads, state, out);
  if (out.failed()) return CaseIteration::kFailed;
  StartSolution(input, tables, head, soil, state, out);
  if (out.failed()) return CaseIteration::kFailed;
  // A new stage set: the tip shear kept from an earlier solution is cleared.
  PileIterationStages stages(input, tables, soil, out);
  return IterateLoadCase(input.options, tables.layers, soil, state, stages, out,
                         IterationKind::kStudy);
}

// The study solution's iterations near the limit, kept with the study as the
// report lists them.
void AppendLastIterations(const CaseState& state, std::vector<IterationRecord>& kept) {
  kept.insert(kept.end(), state.last_iterations.begin(), state.last_iterations.end());
}

}  // namespace

double LengthStudyFactor(int u) {
  return static_cast<double>(1.0f - 0.05f * static_cast<float>(u));
}

void RunLengthStudy(const InputModel& input, const DerivedTables& tables, int c,
                    SoilWorkingValues& soil, CaseState& state, RunOutput& out,
                    PileLengthStudy& study) {
  const Options& options = input.options;
  const double full = input.pile_length;
  const LoadCase head = input.load_cases[static_cast<std::size_t>(c - 1)];
  study = PileLengthStudy{};
  study.load_case = c;
  study.full_length = full;
  study.ended_by = "all lengths";
  study.rows.reserve(kLengthStudyLengths);
  LoadCaseResult response;
  for (int u = 0; u < kLengthStudyLengths; ++u) {
    const double length = LengthStudyFactor(u) * full;
    // A pile that would not reach 5 % of its full length below the ground
    // surface is not analysed; the shorter ones would not either.
    if (0.05 * full + input.ground_depth > length) {
      study.ended_by = "ground surface";
      break;
    }
    const CaseIteration iteration =
        SolveStudyCase(input, tables, c, length, head, NodeLoads::kLoadCase, soil, state, out);
    AppendLastIterations(state, study.last_iterations);
    if (iteration == CaseIteration::kFailed) return;
    ++study.lengths_analysed;
    if (iteration == CaseIteration::kExcessDeflection) {
      study.ended_by = "excess deflection";
      break;
    }
    if (iteration == CaseIteration::kNotConverged) {
      study.ended_by = "iteration limit";
      break;
    }
    // A length that settles on an unstable equilibrium (the thrust buckles
    // or overturns it) gives no row; the shorter ones would not either.
    if (iteration == CaseIteration::kUnstable) {
      study.ended_by = "loss of stability";
      break;
    }
    if (!(std::fabs(state.top_deflection) <= options.max_deflection) ||
        !(std::fabs(state.max_change) < options.tolerance)) {
      continue;
    }
    ComputeCaseResult(input, tables, state, response);
    study.rows.push_back(LengthStudyRow{length, response.head_deflection, response.head_shear,
                                        response.max_moment, response.max_shear});
  }
}

double StudyReferenceShear(UnitSystem units, double given) {
  if (!(std::fabs(given) < 1e-7)) return given;
  return units == UnitSystem::kSi ? 0.04448220133781433 : 10.0;
}

double StudyReferenceMoment(UnitSystem units, double given) {
  if (!(std::fabs(given) < 1e-7)) return given;
  return units == UnitSystem::kSi ? 0.011298480443656445 : 100.0;
}

std::array<double, kStiffnessLevels> StiffnessLevelFactors() {
  std::array<double, kStiffnessLevels> c{};
  c[0] = static_cast<double>(0.1f);
  for (int n = 2; n <= kStiffnessLevels; ++n) {
    c[static_cast<std::size_t>(n - 1)] = std::log10(static_cast<double>(n));
  }
  return c;
}

void RunStiffnessStudy(const InputModel& input, const DerivedTables& tables, double vref,
                       double mref, double axial, SoilWorkingValues& soil, CaseState& state,
                       RunOutput& out, HeadStiffnessStudy& study) {
  const UnitSystem units = input.options.units;
  study = HeadStiffnessStudy{};
  study.reference_shear = StudyReferenceShear(units, vref);
  study.reference_moment = StudyReferenceMoment(units, mref);
  study.axial = axial;
  const std::array<double, kStiffnessLevels> factor = StiffnessLevelFactors();

  // Head deflection, rotation, shear and moment of every study case.
  struct HeadResponse {
    double deflection, rotation, shear, moment;
  };
  std::array<HeadResponse, 2 * kStiffnessLevels> heads{};
  LoadCaseResult response;
  for (int s = 1; s <= 2 * kStiffnessLevels; ++s) {
    const bool shear_case = s <= kStiffnessLevels;
    const double level = factor[static_cast<std::size_t>((s - 1) % kStiffnessLevels)];
    const LoadCase head = shear_case ? LoadCase{LoadType::kShearAndSlope,
                                                level * study.reference_shear, 0.0, axial, false}
                                     : LoadCase{LoadType::kDeflectionAndMoment, 0.0,
                                                level * study.reference_moment, axial, false};
    const CaseIteration iteration = SolveStudyCase(input, tables, s, input.pile_length, head,
                                                   NodeLoads::kHeadLoadsOnly, soil, state, out);
    AppendLastIterations(state, study.last_iterations);
    if (iteration == CaseIteration::kFailed) return;
    if (iteration != CaseIteration::kConverged) {
      study.ended_by = iteration == CaseIteration::kExcessDeflection ? "excess deflection"
                       : iteration == CaseIteration::kUnstable       ? "loss of stability"
                                                                     : "iteration limit";
      return;
    }
    ComputeCaseResult(input, tables, state, response);
    heads[static_cast<std::size_t>(s - 1)] = {response.head_deflection, response.head_rotation,
                                              response.head_shear, response.head_moment};
    ++study.cases_converged;
  }

  study.rows.reserve(kStiffnessLevels);
  for (int n = 1; n <= kStiffnessLevels; ++n) {
    const HeadResponse& a = heads[static_cast<std::size_t>(n - 1)];
    const HeadResponse& b = heads[static_cast<std::size_t>(n - 1 + kStiffnessLevels)];
    const double c = factor[static_cast<std::size_t>(n - 1)];
    StiffnessRow row;
    row.shear_level = c * study.reference_shear;
    row.moment_level = c * study.reference_moment;
    row.deflection = a.deflection;
    row.shear_reaction_1 = a.shear;
    row.moment_reaction_1 = a.moment;
    row.rotation = b.rotation;
    row.shear_reaction_2 = b.shear;
    row.moment_reaction_2 = b.moment;
    row.k22 = a.shear / a.deflection;
    row.k32 = -a.moment / a.deflection;
    row.k23 = b.shear / b.rotation;
    row.k33 = -b.moment / b.rotation;
    study.rows.push_back(row);
  }
  study.complete = true;
  study.ended_by = "all cases";
}

void RunLoadCurve(const InputModel& input, const DerivedTables& tables, int c, int steps,
                  SoilWorkingValues& soil, CaseState& state, LoadCurve& curve) {
  curve = LoadCurve{};
  curve.steps = steps;
  if (steps < 1) return;
  const bool lrfd = input.options.lrfd;
  LoadCase full;
  if (lrfd) {
    const LrfdFactoredLoad& f = tables.lrfd_loads[static_cast<std::size_t>(c - 1)];
    full = LoadCase{LoadType::kShearAndMoment, f.shear, f.moment, f.axial, false};
  } else {
    full = input.load_cases[static_cast<std::size_t>(c - 1)];
  }
  // A rotational stiffness is the head's restraint, not a load.
  const bool second_scales = full.type != LoadType::kShearAndRotationalStiffness;
  curve.points.reserve(static_cast<std::size_t>(steps));
  LoadCaseResult response;
  for (int k = 1; k <= steps; ++k) {
    const double factor = static_cast<double>(k) / static_cast<double>(steps);
    LoadCase head = full;
    head.condition1 = full.condition1 * factor;
    if (second_scales) head.condition2 = full.condition2 * factor;
    head.length_study = false;
    // The level's own output: its lines and warnings are dropped, its error
    // is the curve's.
    auto out = std::make_unique<RunOutput>();
    PrepareLoadCase(input, tables, c, state, *out);
    ResetWarningsForLoadCase(out->warnings(), c);
    state.nodes.y.fill(0.0);
    CaseIteration iteration = CaseIteration::kFailed;
    if (!out->failed()) {
      StartSolution(input, tables, head, soil, state, *out);
      if (!out->failed()) {
        PileIterationStages stages(input, tables, soil, *out);
        iteration = IterateLoadCase(input.options, tables.layers, soil, state, stages, *out);
      }
    }
    if (iteration == CaseIteration::kConverged) {
      ComputeCaseResult(input, tables, state, response);
      if (FirstNonFiniteNode(response) == 0) {
        LoadCurvePoint& p = curve.points.emplace_back();
        p.level = k;
        p.factor = factor;
        p.condition1 = head.condition1;
        p.condition2 = head.condition2;
        p.head_shear = response.head_shear;
        p.head_moment = response.head_moment;
        p.head_deflection = response.head_deflection;
        p.head_rotation = response.head_rotation;
        p.max_moment = response.max_moment;
        p.max_moment_depth = response.max_moment_depth;
        p.max_shear = response.max_shear;
        p.iterations = response.iterations;
        continue;
      }
      ReportNotFinite(*out,
                      {ErrorTextValue("result", "pile response"), ErrorValue("load case", c)});
    }
    curve.failed_level = k;
    if (out->failed()) curve.failure = out->diagnostics.error;
    return;
  }
}

bool LengthStudyFinite(const PileLengthStudy& study) {
  for (const LengthStudyRow& r : study.rows) {
    for (double v : {r.length, r.head_deflection, r.head_shear, r.max_moment, r.max_shear}) {
      if (!std::isfinite(v)) return false;
    }
  }
  return true;
}

bool StiffnessStudyFinite(const HeadStiffnessStudy& study) {
  for (const StiffnessRow& r : study.rows) {
    for (double v :
         {r.shear_level, r.moment_level, r.deflection, r.shear_reaction_1, r.moment_reaction_1,
          r.rotation, r.shear_reaction_2, r.moment_reaction_2, r.k22, r.k23, r.k32, r.k33}) {
      if (!std::isfinite(v)) return false;
    }
  }
  return true;
}

}  // namespace tarvex
