// Cost of one whole converged load case: a 36-inch elastic pile, 60 ft long,
// in soft clay or in Reese sand over API sand, 500 increments, free head under
// shear; node preparation and the nonlinear iteration of solver and p-y
// curves until convergence. Then the two studies on the soft-clay pile under
// 3000 lb: the pile-length study of the case (20 lengths, the shortest 3 ft
// long) and the pile-head stiffness study (20 solutions).
#include <benchmark/benchmark.h>

#include <memory>

#include "allocation_counter.hpp"
#include "pile/analysis.hpp"
#include "pile/studies.hpp"
#include "support/pile_fixture.hpp"

namespace {

void RunLoadCase(benchmark::State& state, const char* soil) {
  const std::string input = tarvex::testing::PileInput(tarvex::testing::Parts(
      "1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n", soil, "1\n1 1 30000.0 0.0 0.0 1\n0\n", 500));
  tarvex::testing::SolvedCase solved = tarvex::testing::SolveCase(input, 1);
  tarvex::AnalysisModel& m = *solved.model;
  if (solved.iteration != tarvex::CaseIteration::kConverged) {
    state.SkipWithError("the load case did not converge");
    return;
  }
  std::string error;
  m.out.message.Open("/dev/null", &error);  // progress lines are written, not kept
  m.out.report.Open("/dev/null", &error);
  int iterations = 0;
  long long allocations = 0;
  for (auto _ : state) {
    tarvex::PrepareLoadCase(m.input, m.tables, 1, m.state, m.out);
    tarvex::StartLoadCase(m.input, m.tables, 1, m.soil, m.state, m.out);
    tarvex::PileIterationStages stages(m.input, m.tables, m.soil, m.out);
    const long long before = tarvex::bench::allocations.load();
    const tarvex::CaseIteration r =
        tarvex::IterateLoadCase(m.input.options, m.tables.layers, m.soil, m.state, stages, m.out);
    allocations = tarvex::bench::allocations.load() - before;
    if (r != tarvex::CaseIteration::kConverged) state.SkipWithError("no convergence");
    iterations = m.state.iteration;
    benchmark::DoNotOptimize(m.state.nodes.y);
  }
  state.counters["iterations"] = iterations;
  state.counters["allocations_in_iteration"] = static_cast<double>(allocations);
}

void BM_LoadCaseInSoftClay500Increments(benchmark::State& state) {
  RunLoadCase(state, "1\n1 0.0 80.0\n50.0 300.0 0.02\n50.0 900.0 0.01\n");
}
BENCHMARK(BM_LoadCaseInSoftClay500Increments)->Unit(benchmark::kMicrosecond);

// Reese sand with its default k over API sand: the lower layer starts at
// its equivalent depth.
void BM_LoadCaseInSand500Increments(benchmark::State& state) {
  RunLoadCase(state,
              "2\n5 0.0 20.0\n60.0 32.0 0.0\n60.0 34.0 0.0\n6 20.0 80.0\n62.0 36.0 "
              "90.0\n62.0 38.0 120.0\n");
}
BENCHMARK(BM_LoadCaseInSand500Increments)->Unit(benchmark::kMicrosecond);

std::string SoftClayPile() {
  return tarvex::testing::PileInput(tarvex::testing::Parts(
      "1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
      "1\n1 0.0 80.0\n50.0 300.0 0.02\n50.0 900.0 0.01\n", "1\n1 1 3000.0 0.0 0.0 0\n0\n", 500));
}

// The model of the soft-clay pile with its load case solved, its progress
// lines going nowhere; null after an error.
std::unique_ptr<tarvex::AnalysisModel> SolvedSoftClayPile(benchmark::State& state) {
  tarvex::testing::SolvedCase solved = tarvex::testing::SolveCase(SoftClayPile(), 1);
  if (solved.iteration != tarvex::CaseIteration::kConverged) {
    state.SkipWithError("the load case did not converge");
    return nullptr;
  }
  std::string error;
  solved.model->out.message.Open("/dev/null", &error);
  solved.model->out.report.Open("/dev/null", &error);
  return std::move(solved.model);
}

void BM_LengthStudyInSoftClay500Increments(benchmark::State& state) {
  auto model = SolvedSoftClayPile(state);
  if (!model) return;
  tarvex::AnalysisModel& m = *model;
  tarvex::PileLengthStudy study;
  for (auto _ : state) {
    tarvex::RunLengthStudy(m.input, m.tables, 1, m.soil, m.state, m.out, study);
    if (m.failed() || study.lengths_analysed != tarvex::kLengthStudyLengths) {
      state.SkipWithError("the study did not analyse every length");
    }
    benchmark::DoNotOptimize(study.rows.data());
  }
  state.counters["lengths"] = study.lengths_analysed;
  state.counters["rows"] = static_cast<double>(study.rows.size());
}
BENCHMARK(BM_LengthStudyInSoftClay500Increments)->Unit(benchmark::kMillisecond);

void BM_StiffnessStudyInSoftClay500Increments(benchmark::State& state) {
  auto model = SolvedSoftClayPile(state);
  if (!model) return;
  tarvex::AnalysisModel& m = *model;
  tarvex::HeadStiffnessStudy study;
  for (auto _ : state) {
    tarvex::RunStiffnessStudy(m.input, m.tables, 0.0, 0.0, 0.0, m.soil, m.state, m.out, study);
    if (m.failed() || !study.complete) state.SkipWithError("the study failed");
    benchmark::DoNotOptimize(study.rows.data());
  }
  state.counters["cases"] = study.cases_converged;
}
BENCHMARK(BM_StiffnessStudyInSoftClay500Increments)->Unit(benchmark::kMillisecond);

}  // namespace
