#include "pile/response.hpp"

#include <algorithm>
#include <cmath>

#include "core/display_units.hpp"
#include "core/section_properties.hpp"
#include "pile/fd_solver.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

// The moment at node j from the deflections (the head takes the stiffness of
// node 2, and the tip's moment is zero through the tip condition).
double MomentAt(const PileNodes& n, int j) {
  const double r = j == 1 ? n.ei[At(2)] : n.ei[At(j)];
  return r * (n.y[At(j - 1)] - 2.0 * n.y[At(j)] + n.y[At(j + 1)]) / (n.h * n.h);
}

// Shear at the head by the central expression of the solution.
double HeadShear(const PileNodes& n, double q) {
  const double r = n.ei[At(2)];
  const double h = n.h;
  return r * (n.y[At(3)] - 2.0 * n.y[At(2)] + 2.0 * n.y[At(0)] - n.y[At(-1)]) / (2.0 * h * h * h) +
         q * (n.y[At(2)] - n.y[At(0)]) / (2.0 * h);
}

// Half the width for stresses: the pole's own width for an embedded pole.
double ExtremeFibre(const std::vector<PileSection>& sections, const PileNodes& nodes, int node,
                    const SectionProperties& p) {
  const int s = nodes.section[At(node)];
  if (s >= 1 && s <= static_cast<int>(sections.size())) {
    const PileSection& section = sections[static_cast<std::size_t>(s - 1)];
    if ((section.type == kElastic || section.type == kElasticPlastic) &&
        section.elastic.shape == kEmbeddedPoleShape) {
      return p.width / 2.0;
    }
  }
  return p.diameter / 2.0;
}

}  // namespace

void ComputeCaseResult(const InputModel& input, const DerivedTables& tables, const CaseState& state,
                       LoadCaseResult& result) {
  const PileNodes& n = state.nodes;
  const LoadCase& lc = state.head;
  const double q = lc.axial;
  const double h = n.h;
  const int nn = n.count;
  const bool movement = input.options.soil_movement && input.soil_movements.size() >= 2;
  const bool lrfd = input.options.lrfd;
  result.number = state.number;
  result.lrfd = lrfd;
  result.combination_name.clear();
  // A study case of an LRFD run (numbered 1 to 20 by the study) is no
  // combination and takes no combination's name.
  if (lrfd && state.number >= 1 &&
      static_cast<std::size_t>(state.number) <= input.lrfd_combinations.size()) {
    const std::string& name =
        input.lrfd_combinations[static_cast<std::size_t>(state.number - 1)].name;
    result.combination_name = name.substr(0, name.find_last_not_of(' ') + 1);
  }
  result.load_type = static_cast<int>(lc.type);
  result.condition1 = lc.condition1;
  result.condition2 = lc.condition2;
  result.axial = q;
  result.iterations = state.iteration;
  result.final_change = state.max_change;
  result.last_iterations = state.last_iterations;
  result.increment_length = h;
  result.max_moment = result.max_moment_depth = 0.0;
  result.max_shear = result.max_shear_depth = 0.0;
  result.max_stress = 0.0;
  result.zero_deflection_points = 0;
  result.section_max_moment.assign(input.sections.size(), 0.0);
  result.section_max_shear.assign(input.sections.size(), 0.0);

  NodeColumns& columns = result.nodes;
  for (std::vector<double>* column :
       {&columns.depth, &columns.deflection, &columns.slope, &columns.moment, &columns.shear,
        &columns.soil_reaction, &columns.es, &columns.flexural_rigidity, &columns.stress,
        &columns.distributed_load}) {
    column->clear();
    column->reserve(static_cast<std::size_t>(nn));
  }
  for (int k = 1; k <= nn; ++k) {
    double moment = 0.0, slope = 0.0, shear = 0.0;
    if (k == 1) {
      moment = MomentAt(n, 1);
      if (lc.type == LoadType::kDeflectionAndSlope) {
        const double one_sided = (4.0 * n.y[At(2)] - 3.0 * n.y[At(1)] - n.y[At(3)]) / (2.0 * h);
        shear = q * one_sided +
                (4.0 * MomentAt(n, 2) - 3.0 * MomentAt(n, 1) - MomentAt(n, 3)) / (2.0 * h);
        slope = lc.condition2;  // the prescribed slope
      } else {
        slope = (n.y[At(2)] - n.y[At(0)]) / (2.0 * h);
        shear = HeadShear(n, q);
      }
    } else if (k == nn) {
      moment = 0.0;
      slope = (n.y[At(nn)] - n.y[At(nn - 1)]) / h;
      shear = state.tip_shear;
    } else {
      moment = MomentAt(n, k);
      slope = (n.y[At(k + 1)] - n.y[At(k - 1)]) / (2.0 * h);
      shear = q * slope + (MomentAt(n, k + 1) - MomentAt(n, k - 1)) / (2.0 * h);
    }
    const double reaction = movement ? -n.es[At(k)] * (n.y[At(k)] - n.ys[At(k)]) - n.wbar[At(k)]
                                     : -n.es[At(k)] * n.y[At(k)];
    const SectionProperties p = PropertiesAt(tables.section_points, n.x[At(k)]);
    const double stress = p.area == 0.0 || p.inertia == 0.0
                              ? 0.0
                              : std::fabs(q) / p.area + std::fabs(moment) *
                                                            ExtremeFibre(input.sections, n, k, p) /
                                                            p.inertia;
    const double x = n.x[At(k)];
    columns.depth.push_back(x);
    columns.deflection.push_back(n.y[At(k)]);
    columns.slope.push_back(slope);
    columns.moment.push_back(moment);
    columns.shear.push_back(shear);
    columns.soil_reaction.push_back(reaction);
    columns.es.push_back(n.es[At(k)]);
    columns.flexural_rigidity.push_back(n.ei[At(k)]);
    columns.stress.push_back(stress);
    columns.distributed_load.push_back(n.wbar[At(k)]);

    if (std::fabs(moment) > std::fabs(result.max_moment)) {
      result.max_moment = moment;
      result.max_moment_depth = x;
    }
    if (std::fabs(shear) > std::fabs(result.max_shear)) {
      result.max_shear = shear;
      result.max_shear_depth = x;
    }
    result.max_stress = std::max(result.max_stress, stress);
    const int s = n.section[At(k)];
    if (s >= 1 && s <= static_cast<int>(result.section_max_moment.size())) {
      const auto i = static_cast<std::size_t>(s - 1);
      result.section_max_moment[i] = std::max(result.section_max_moment[i], std::fabs(moment));
      result.section_max_shear[i] = std::max(result.section_max_shear[i], std::fabs(shear));
    }
    if (k < nn && n.y[At(k)] * n.y[At(k + 1)] < 0.0) ++result.zero_deflection_points;
  }
  result.head_deflection = n.y[At(1)];
  result.head_rotation = columns.slope.front();
  result.head_shear = columns.shear.front();
  result.head_moment = columns.moment.front();

  const Imbalance b = CheckEquilibrium(state);
  result.moment_imbalance = b.moment;
  result.force_imbalance = b.force;
  result.moment_imbalance_station = b.moment_station;
  result.force_imbalance_station = b.force_station;
  const double limit = input.options.units == UnitSystem::kSi ? 1.1298e-4 : 1.0;
  result.verified = b.moment <= limit;
}

Imbalance CheckEquilibrium(const CaseState& state) {
  const PileNodes& n = state.nodes;
  const double q = state.head.axial;
  const double h = n.h;
  const int nn = n.count;
  Imbalance b;
  // The load a node takes in the solution: its load term less its spring.
  auto load = [&](int k) { return n.w[At(k)] - n.es[At(k)] * n.y[At(k)]; };
  // Shear at the middle of each increment, accumulated from the head.
  double v_half = HeadShear(n, q) + h / 2.0 * load(1);
  for (int k = 3; k <= nn + 1; ++k) {
    const int a = k - 2;  // the increment from node a to node a + 1
    const double dm = MomentAt(n, a + 1) - MomentAt(n, a);
    const double moment = std::fabs(dm - h * v_half + q * (n.y[At(a + 1)] - n.y[At(a)]));
    if (moment > b.moment) {
      b.moment = moment;
      b.moment_station = k;
    }
    const double force = std::fabs(dm / h + q * (n.y[At(a + 1)] - n.y[At(a)]) / h - v_half);
    if (force > b.force) {
      b.force = force;
      b.force_station = k;
    }
    if (a + 1 < nn) v_half += h * load(a + 1);
  }
  // At the station past the tip the shear must meet the tip shear.
  const double tip = std::fabs(v_half + h / 2.0 * load(nn) - state.tip_shear);
  if (tip > b.force) {
    b.force = tip;
    b.force_station = nn + 1;
  }
  return b;
}

namespace {

// The largest magnitude of a column.
double LargestOf(const std::vector<double>& values) {
  double largest = 0.0;
  for (double v : values) largest = std::max(largest, std::fabs(v));
  return largest;
}

// numerator / denominator, each taken as 0 within the round-off of the
// largest of its kind; absent when the denominator is 0 or the quotient is
// not finite; a zero is +0.
std::optional<double> Ratio(double numerator, double largest_numerator, double denominator,
                            double largest_denominator) {
  if (!(std::fabs(denominator) > kRoundOff * largest_denominator) || denominator == 0.0) {
    return std::nullopt;
  }
  if (std::fabs(numerator) < kRoundOff * largest_numerator) numerator = 0.0;
  const double ratio = numerator / denominator;
  if (!std::isfinite(ratio)) return std::nullopt;
  return ratio == 0.0 ? 0.0 : ratio;
}

}  // namespace

HeadStiffness ComputeHeadStiffness(const CaseState& state, const LoadCaseResult& result) {
  HeadStiffness k;
  const NodeColumns& n = result.nodes;
  k.secant.lateral =
      Ratio(result.head_shear, LargestOf(n.shear), result.head_deflection, LargestOf(n.deflection));
  // Under a rotational restraint the head moment is the restraint's reaction,
  // k theta with the input's k: no stiffness of the pile.
  if (state.head.type != LoadType::kShearAndRotationalStiffness) {
    k.secant.rotational =
        Ratio(-result.head_moment, LargestOf(n.moment), result.head_rotation, LargestOf(n.slope));
  }
  FdWorkspace ws;
  FdUnitHeadResponse sway, turn;
  SolveUnitHeadLoads(state.nodes, state.head.axial, ws, sway, turn);
  if (!sway.solved || !turn.solved) return k;
  const double k22 = sway.shear / sway.deflection;
  const double k32 = -sway.moment / sway.deflection;
  const double k23 = turn.shear / turn.rotation;
  const double k33 = -turn.moment / turn.rotation;
  for (double v : {k22, k32, k23, k33}) {
    if (!std::isfinite(v)) return k;
  }
  k.tangent = std::array<std::array<double, 2>, 2>{{{k22, k23}, {k32, k33}}};
  return k;
}

int FirstNonFiniteNode(const LoadCaseResult& result) {
  const NodeColumns& c = result.nodes;
  for (std::size_t i = 0; i < c.depth.size(); ++i) {
    for (double v : {c.depth[i], c.deflection[i], c.moment[i], c.shear[i], c.slope[i], c.stress[i],
                     c.flexural_rigidity[i], c.soil_reaction[i], c.es[i], c.distributed_load[i]}) {
      if (!std::isfinite(v)) return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

}  // namespace tarvex
