// Cost of the section analysis of a sliced section: properties, the
// moment-curvature curve of every thrust, the report and the plot records.
// The counter "per_thrust" gives the time of one thrust level.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "allocation_counter.hpp"
#include "report/section_report.hpp"
#include "section/section_analysis.hpp"

namespace {

using tarvex::PileSection;

// A stiffness-only run of one section over thrusts, its tables and output.
struct SectionRun {
  PileSection section;
  tarvex::Options options;
  std::vector<double> thrusts;  // kips
  tarvex::SectionTables tables;
  tarvex::SectionResult result;
  tarvex::RunOutput out;
};

// A stiffness-only run of section s over `count` thrusts from `low` to `high` kips.
std::unique_ptr<SectionRun> Model(const PileSection& s, int count, double low, double high) {
  auto m = std::make_unique<SectionRun>();
  m->section = s;
  m->options.units = tarvex::UnitSystem::kUscs;
  m->options.run_kind = tarvex::RunKind::kBendingStiffnessOnly;
  for (int t = 0; t < count; ++t) m->thrusts.push_back(low + (high - low) * t / (count - 1));
  return m;
}

void Run(benchmark::State& state, SectionRun& m, int count) {
  long long allocations = 0;
  for (auto _ : state) {
    m.out.report.Rewind();
    m.out.plot.Rewind();
    const long long before = tarvex::bench::allocations.load();
    tarvex::SectionReport report(m.out.report, m.out.plot, m.options);
    tarvex::AnalyseSection(m.section, 1, m.options, m.thrusts, m.tables, m.result, m.out, report);
    allocations = tarvex::bench::allocations.load() - before;
    if (m.out.diagnostics.error_code != 0) state.SkipWithError("section analysis failed");
    benchmark::DoNotOptimize(m.tables.curves.data());
  }
  state.counters["allocations_per_analysis"] = static_cast<double>(allocations);
  state.counters["per_thrust"] = benchmark::Counter(
      count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// 36-in drilled shaft, f'c 4000 psi, 12 #9 bars with 3-in cover, 100 thrusts
// from -600 to 3000 kips.
void BM_DrilledShaft36In12Bars100Thrusts(benchmark::State& state) {
  PileSection s;
  s.type = tarvex::kDrilledShaft;
  s.length = 360.0;
  s.depth = 36.0;
  s.concrete.fc = 4000.0;
  s.bars.layout = tarvex::BarLayout::kCircle;
  s.bars.fy = 60000.0;
  s.bars.es = 29.0e6;
  s.bars.groups = 12;
  s.bars.bars_per_group = 1;
  s.bars.diameter = 1.128;
  s.bars.area = 1.0;
  s.bars.cover = 3.0;
  auto m = Model(s, 100, -600.0, 3000.0);
  Run(state, *m, 100);
}
BENCHMARK(BM_DrilledShaft36In12Bars100Thrusts)->Unit(benchmark::kMillisecond);

// 24-in hollow octagonal prestressed pile, 11-in void, f'c 6000 psi, 16
// half-inch PCI 270 strands on a circle, 10 thrusts from -50 to 1200 kips.
void BM_HollowOctagonalPrestressed10Thrusts(benchmark::State& state) {
  PileSection s;
  s.type = tarvex::kOctagonalHollowPrestressed;
  s.length = 480.0;
  s.depth = 24.0;
  s.void_diameter = 11.0;
  s.concrete.fc = 6000.0;
  s.strands.present = true;
  s.strands.automatic = true;
  s.strands.type = 1;
  s.strands.size_index = 3;
  s.strands.count = 16;
  s.strands.force = 16 * 30980.0;
  s.strands.loss = 0.2;
  s.strands.cover = 3.0;
  s.strands.arrangement = 0;
  auto m = Model(s, 10, -50.0, 1200.0);
  Run(state, *m, 10);
}
BENCHMARK(BM_HollowOctagonalPrestressed10Thrusts)->Unit(benchmark::kMillisecond);

}  // namespace
