// Cost of an interaction diagram: a 36-in drilled shaft with 12 bars by
// ACI 318 (the nominal and design curves, at least 40 points), from the cut
// section and from the pile section of the input (the section cut again).
// The counter "points" gives the points of the diagram.
#include <benchmark/benchmark.h>

#include <memory>

#include "section/interaction.hpp"

namespace {

using tarvex::PileSection;

// 36-in drilled shaft, f'c 4000 psi, 12 #9 bars (fy 60 ksi) with 3-in cover.
PileSection Shaft() {
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
  return s;
}

void Diagram(benchmark::State& state, tarvex::DesignCode code) {
  auto cs = std::make_unique<tarvex::CutSection>();
  if (tarvex::PrepareCutSection(Shaft(), tarvex::UnitSystem::kUscs, cs.get()).status !=
      tarvex::PrepareStatus::kOk) {
    state.SkipWithError("the section cannot be cut");
    return;
  }
  tarvex::InteractionSettings settings;
  settings.code = code;
  std::size_t points = 0;
  for (auto _ : state) {
    const tarvex::InteractionDiagram d = tarvex::ConcreteInteraction(*cs, settings);
    points = d.nominal.size();
    benchmark::DoNotOptimize(d.design.data());
  }
  state.counters["points"] = static_cast<double>(points);
}

void BM_Shaft12BarsAci318(benchmark::State& state) { Diagram(state, tarvex::DesignCode::kAci318); }
BENCHMARK(BM_Shaft12BarsAci318)->Unit(benchmark::kMicrosecond);

void BM_Shaft12BarsEurocode2(benchmark::State& state) {
  Diagram(state, tarvex::DesignCode::kEurocode2);
}
BENCHMARK(BM_Shaft12BarsEurocode2)->Unit(benchmark::kMicrosecond);

// The whole step of a run: the section cut into strips, then its diagram.
void BM_Shaft12BarsFromTheInput(benchmark::State& state) {
  const PileSection s = Shaft();
  tarvex::InteractionSettings settings;
  for (auto _ : state) {
    const tarvex::InteractionDiagram d =
        tarvex::SectionInteraction(s, tarvex::UnitSystem::kUscs, settings);
    benchmark::DoNotOptimize(d.design.data());
  }
}
BENCHMARK(BM_Shaft12BarsFromTheInput)->Unit(benchmark::kMicrosecond);

}  // namespace
