#include "pile/lrfd.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/distinct.hpp"
#include "pile/node_setup.hpp"

namespace tarvex {
namespace {

constexpr int kTypes = limits::kLrfdLoadTypes;

constexpr const char* kTypeCodes[kTypes] = {"DL", "LL", "EQ", "IM", "W",  "HW", "Ice",
                                            "Hs", "Lr", "Rn", "Sn", "Tm", "Sp"};

constexpr std::size_t T(int t) { return static_cast<std::size_t>(t); }

}  // namespace

double EffectiveResistanceFactor(double phi) { return phi > 0.0 ? phi : 0.75; }

namespace {

// The factored moment capacity of section s for a combination (lb-in or
// kN-m), or a negative value for an elastic section, which has none.
double FactoredCapacity(const InputModel& input, const DerivedTables& tables, int s, double phi,
                        const LrfdFactoredLoad& load) {
  const PileSection& section = input.sections[static_cast<std::size_t>(s - 1)];
  if (section.type == kElastic) return -1.0;
  if (section.type == kElasticPlastic) return phi * section.elastic.top_mp;
  if (static_cast<std::size_t>(s) > tables.section_tables.size()) return 0.0;
  const auto& curves = tables.section_tables[static_cast<std::size_t>(s - 1)].curves;
  const double scale = input.options.units == UnitSystem::kUscs ? 1000.0 : 1.0;
  const int level = CurveLevel(curves, load.axial / scale);
  if (level < 0) return 0.0;
  return phi * curves[static_cast<std::size_t>(level)].nominal_moment;
}

}  // namespace

std::vector<LrfdCheckRow> CheckLrfdCombinations(const InputModel& input,
                                                const DerivedTables& tables,
                                                const std::vector<LoadCaseResult>& cases) {
  std::vector<LrfdCheckRow> rows;
  rows.reserve(cases.size() * input.sections.size());
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const LoadCaseResult& result = cases[c];
    const LrfdCombination& lc = input.lrfd_combinations[c];
    const double phi = EffectiveResistanceFactor(lc.phi_flexure);
    for (int s = 1; s <= static_cast<int>(input.sections.size()); ++s) {
      const auto i = static_cast<std::size_t>(s - 1);
      LrfdCheckRow& row = rows.emplace_back();
      row.combination = static_cast<int>(c) + 1;
      row.section = s;
      row.name = result.combination_name;
      row.resistance_factor = phi;
      row.moment_developed = result.section_max_moment[i];
      const double capacity = FactoredCapacity(input, tables, s, phi, tables.lrfd_loads[c]);
      if (capacity < 0.0) {
        row.verdict = LrfdVerdict::kNotApplicable;
      } else {
        row.factored_capacity = capacity;
        row.fraction_mobilized = capacity > 0.0 ? row.moment_developed / capacity : 0.0;
        row.verdict = row.moment_developed <= capacity ? LrfdVerdict::kPass : LrfdVerdict::kFail;
      }
      row.max_shear = result.section_max_shear[i];
      row.head_deflection = result.head_deflection;
      row.head_rotation = result.head_rotation;
    }
  }
  return rows;
}

LrfdForms FormLrfdCombinations(const InputModel& m) {
  LrfdForms forms;
  LrfdLoading& data = forms.loading;
  data.groups.reserve(m.lrfd_groups.size());
  for (const LrfdGroup& g : m.lrfd_groups) {
    LrfdLoadGroup& group = data.groups.emplace_back();
    group.number = static_cast<int>(data.groups.size());
    group.type = g.type;
    group.type_code = kTypeCodes[T(g.type - 1)];
    group.horizontal = g.horizontal;
    group.moment = g.moment;
    group.axial = g.axial;
    for (const DistributedLoadPoint& p : g.points) group.points.push_back({p.depth, p.load});
  }
  data.type_totals.assign(T(kTypes), LrfdTypeTotal{});
  for (int t = 0; t < kTypes; ++t) {
    data.type_totals[T(t)].type = t + 1;
    data.type_totals[T(t)].type_code = kTypeCodes[T(t)];
  }
  for (const LrfdGroup& g : m.lrfd_groups) {
    LrfdTypeTotal& total = data.type_totals[T(g.type - 1)];
    ++total.groups;
    total.horizontal += g.horizontal;
    total.moment += g.moment;
    total.axial += g.axial;
  }
  const std::size_t n = m.lrfd_combinations.size();
  const double b = m.batter_angle;
  const bool battered = std::fabs(b) > 1e-6;
  if (battered)
    data.batter = LrfdBatterTransform{b * 180.0 / 3.141592653589793, std::cos(b), std::sin(b)};
  data.combinations.assign(n, LrfdCombinationLoads{});
  forms.loads.assign(n, LrfdFactoredLoad{});
  for (std::size_t c = 0; c < n; ++c) {
    const LrfdCombination& input = m.lrfd_combinations[c];
    LrfdCombinationLoads& lc = data.combinations[c];
    lc.number = static_cast<int>(c) + 1;
    lc.name = input.name;
    lc.factors.assign(input.factors.begin(), input.factors.end());
    lc.phi_flexure = input.phi_flexure;
    lc.phi_shear = input.phi_shear;
    lc.resistance_factor_flexure = EffectiveResistanceFactor(input.phi_flexure);
    lc.resistance_factor_shear = EffectiveResistanceFactor(input.phi_shear);
    for (int t = 0; t < kTypes; ++t) {
      const LrfdTypeTotal& total = data.type_totals[T(t)];
      lc.horizontal += input.factors[T(t)] * total.horizontal;
      lc.moment += input.factors[T(t)] * total.moment;
      lc.vertical += input.factors[T(t)] * total.axial;
    }
    if (battered) {
      lc.shear = std::cos(b) * lc.horizontal + std::sin(b) * lc.vertical;
      lc.axial = -std::sin(b) * lc.horizontal + std::cos(b) * lc.vertical;
    } else {
      lc.shear = lc.horizontal;
      lc.axial = lc.vertical;
    }
  }
  // The thrust levels: the distinct factored axial forces, ascending.
  std::vector<double>& thrusts = data.thrusts;
  for (const LrfdCombinationLoads& lc : data.combinations) thrusts.push_back(lc.axial);
  KeepDistinctSorted(thrusts);
  for (std::size_t c = 0; c < n; ++c) {
    LrfdCombinationLoads& lc = data.combinations[c];
    for (std::size_t i = 0; i < thrusts.size(); ++i) {
      if (thrusts[i] == lc.axial) lc.thrust = static_cast<int>(i) + 1;
    }
    forms.loads[c] = LrfdFactoredLoad{lc.shear, lc.moment, lc.axial, lc.thrust};
  }
  forms.thrusts = thrusts;
  if (m.options.units == UnitSystem::kUscs) {
    for (double& t : forms.thrusts) t /= 1000.0;  // section analysis works in kips
  }
  return forms;
}

std::vector<LrfdDistributedLoads> SetLrfdDistributedLoads(const InputModel& m, int c,
                                                          CaseState& state) {
  PileNodes& n = state.nodes;
  auto& loads = state.lrfd_type_loads;
  for (auto& type_loads : loads) type_loads.fill(0.0);
  for (const LrfdGroup& g : m.lrfd_groups) {
    if (g.points.empty()) continue;
    auto& type_loads = loads[T(g.type - 1)];
    for (int k = 1; k <= n.count; ++k) {
      const double x = n.x[PileNodes::At(k)];
      type_loads[PileNodes::At(k)] +=
          ProfileIntegral(g.points, std::max(0.0, x - n.h / 2.0), x + n.h / 2.0);
    }
  }
  for (auto& type_loads : loads) {
    for (int k = 1; k <= n.count; ++k) type_loads[PileNodes::At(k)] /= n.h;
  }

  std::vector<LrfdDistributedLoads> reported;
  for (int t = 0; t < kTypes; ++t) {
    const auto& type_loads = loads[T(t)];
    LrfdDistributedLoads type;
    for (int k = 1; k <= n.count; ++k) {
      const double w = type_loads[PileNodes::At(k)];
      if (w == 0.0) continue;
      type.depth.push_back(n.x[PileNodes::At(k)]);
      type.load.push_back(w);
    }
    if (type.depth.empty()) continue;
    type.type = t + 1;
    type.type_code = kTypeCodes[T(t)];
    reported.push_back(std::move(type));
  }

  const LrfdCombination& lc = m.lrfd_combinations[static_cast<std::size_t>(c - 1)];
  for (int k = 1; k <= n.count; ++k) {
    double w = 0.0;
    for (int t = 0; t < kTypes; ++t) w += lc.factors[T(t)] * loads[T(t)][PileNodes::At(k)];
    n.w[PileNodes::At(k)] = n.wbar[PileNodes::At(k)] = w;
  }
  return reported;
}

}  // namespace tarvex
