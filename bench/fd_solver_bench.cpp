// Cost of one finite-difference solution of the largest pile model: 500
// increments, uniform elastic pile in uniform elastic subgrade, free head.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "pile/fd_solver.hpp"

namespace {

void BM_SolvePile501Nodes(benchmark::State& state) {
  constexpr int kIncrements = 500;
  constexpr double kEi = 1.0e10;  // lb in^2
  constexpr double kK = 1000.0;   // lb / in^2
  const double beta = std::pow(kK / (4.0 * kEi), 0.25);
  auto nodes = std::make_unique<tarvex::PileNodes>();
  nodes->count = kIncrements + 1;
  nodes->h = 12.0 / beta / kIncrements;
  for (int k = 1; k <= nodes->count; ++k) {
    nodes->ei[tarvex::PileNodes::At(k)] = kEi;
    nodes->es[tarvex::PileNodes::At(k)] = kK;
  }
  auto ws = std::make_unique<tarvex::FdWorkspace>();
  const tarvex::FdHead head{tarvex::LoadType::kShearAndMoment, 1.0e4, 0.0};
  for (auto _ : state) {
    const tarvex::FdResult r = tarvex::SolvePile(*nodes, head, 0.0, nullptr, 0, *ws);
    benchmark::DoNotOptimize(r);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SolvePile501Nodes);

}  // namespace
