// Loads and auxiliary data: pile-head load cases, LRFD load groups and
// combinations, axial thrusts for stiffness-only runs, tip shear, batter and
// ground slope, p-y multipliers, soil movements and printed p-y depths.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "input/section_readers.hpp"

namespace tarvex {
namespace {

std::string Row(std::string_view what, int k) {
  return std::string(what) + " " + std::to_string(k);
}

}  // namespace

void ReadLoading(InputReader& in) {
  InputModel& m = in.input();
  in.message().Write("(A)", {"Reading pile head loading data"});
  int n = 0;
  if (!in.Read("the number of pile-head load cases", {&n}) ||
      !in.CheckCount(n, 0, limits::kMaxLoadCases, "the number of pile-head load cases")) {
    return;
  }
  m.load_cases.assign(static_cast<std::size_t>(n), LoadCase{});
  in.load_case_lines().assign(static_cast<std::size_t>(n), 0);
  for (int k = 1; k <= n; ++k) {
    LoadCase& c = m.load_cases[static_cast<std::size_t>(k - 1)];
    int row = 0, type = 1, study = 1;
    if (!in.Read(Row("the row number, load type, condition 1, condition 2, axial load and study "
                     "code of load case",
                     k),
                 {&row, &type, &c.condition1, &c.condition2, &c.axial, &study}) ||
        !in.CheckCount(type, 1, 5, "the load type")) {
      return;
    }
    c.type = static_cast<LoadType>(type);
    c.length_study = study != 1;
    in.load_case_lines()[static_cast<std::size_t>(k - 1)] = in.line_number();
  }
  int points = 0;
  if (!in.Read("the number of distributed lateral load points", {&points})) return;
  m.distributed_loads.clear();
  if (points < 1) return;
  if (!in.CheckCount(points, 1, limits::kMaxDistributedPoints,
                     "the number of distributed lateral load points")) {
    return;
  }
  m.distributed_loads.assign(static_cast<std::size_t>(points), DistributedLoadPoint{});
  for (int k = 1; k <= points; ++k) {
    DistributedLoadPoint& p = m.distributed_loads[static_cast<std::size_t>(k - 1)];
    int row = 0;
    if (!in.Read(Row("the row number, depth and load of distributed load point", k),
                 {&row, &p.depth, &p.load})) {
      return;
    }
  }
}

void ReadLrfdLoads(InputReader& in) {
  InputModel& m = in.input();
  in.message().Write("(A)", {"Reading LRFD unfactored load data"});
  int n = 0;
  if (!in.Read("the number of LRFD load groups", {&n})) return;
  if (n < 1 || n > limits::kMaxLrfdGroups) {
    in.Raise(ErrorId::kLrfdLoadCount, {ErrorValue("LRFD loads", n)});
    return;
  }
  m.lrfd_groups.assign(static_cast<std::size_t>(n), LrfdGroup{});
  for (int i = 1; i <= n; ++i) {
    LrfdGroup& g = m.lrfd_groups[static_cast<std::size_t>(i - 1)];
    int number = 0, points = 0;
    if (!in.Read(Row("the load number, load type, horizontal force, moment, axial force and "
                     "number of distributed load points of LRFD load group",
                     i),
                 {&number, &g.type, &g.horizontal, &g.moment, &g.axial, &points})) {
      return;
    }
    if (number != i) {
      in.Raise(ErrorId::kLrfdLoadOrder,
               {ErrorValue("load number", number), ErrorValue("expected load number", i)});
      return;
    }
    if (!in.CheckCount(g.type, 1, limits::kLrfdLoadTypes, "the LRFD load type")) return;
    if (points == 1 || points > 100) {
      in.Raise(ErrorId::kInvalidValueStarred,
               {ErrorValue("LRFD load number", i), ErrorValue("distributed load points", points)});
      return;
    }
    // A group holds at most 50 points.
    if (!in.CheckCount(points, 0, limits::kMaxDistributedPoints,
                       "the number of distributed load points of an LRFD load group")) {
      return;
    }
    g.points.assign(static_cast<std::size_t>(points), DistributedLoadPoint{});
    for (int k = 1; k <= points; ++k) {
      DistributedLoadPoint& p = g.points[static_cast<std::size_t>(k - 1)];
      int point = 0;
      if (!in.Read(Row("the point number, depth and load of a distributed load of LRFD group", i),
                   {&point, &p.depth, &p.load})) {
        return;
      }
      if (point != k) {
        in.Raise(ErrorId::kLrfdPointOrder,
                 {ErrorValue("LRFD load number", i), ErrorValue("point number", point),
                  ErrorValue("expected point number", k)});
        return;
      }
    }
  }
}

void ReadLrfdFactors(InputReader& in) {
  InputModel& m = in.input();
  in.message().Write("(A)", {"Reading LRFD load and resistance factor data "});
  int n = 0;
  if (!in.Read("the number of LRFD load combinations", {&n})) return;
  if (n < 1 || n > limits::kMaxLrfdCombinations) {
    in.Raise(ErrorId::kLrfdCombinationCount, {ErrorValue("LRFD load combinations", n)});
    return;
  }
  m.lrfd_combinations.assign(static_cast<std::size_t>(n), LrfdCombination{});
  for (int i = 1; i <= n; ++i) {
    LrfdCombination& c = m.lrfd_combinations[static_cast<std::size_t>(i - 1)];
    int number = 0;
    auto& f = c.factors;
    if (!in.Read(Row("the number, 13 load factors and 2 resistance factors of LRFD combination", i),
                 {&number, &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8], &f[9],
                  &f[10], &f[11], &f[12], &c.phi_flexure, &c.phi_shear}) ||
        !in.ReadTextLine(Row("the name of LRFD combination", i), &c.name)) {
      return;
    }
  }
}

void ReadAxialThrustLoads(InputReader& in) {
  InputModel& m = in.input();
  int n = 0;
  // A table without a thrust is refused: it would leave the sections to be
  // analysed for a thrust nobody gave.
  if (!in.Read("the number of axial thrusts", {&n}) ||
      !in.CheckCount(n, 1, limits::kMaxLoadCases, "the number of axial thrusts")) {
    return;
  }
  in.message().Write("(A)", {"Reading axial thrust force data for EI-only computations"});
  m.load_cases.resize(static_cast<std::size_t>(n));
  for (int k = 1; k <= n; ++k) {
    int row = 0;
    if (!in.Read(Row("the row number and axial thrust", k),
                 {&row, &m.load_cases[static_cast<std::size_t>(k - 1)].axial})) {
      return;
    }
  }
  // The axial loads alone are sorted, ascending.
  auto& cases = m.load_cases;
  for (std::size_t i = 0; i + 1 < cases.size(); ++i) {
    for (std::size_t j = i + 1; j < cases.size(); ++j) {
      if (cases[i].axial > cases[j].axial) std::swap(cases[i].axial, cases[j].axial);
    }
  }
}

void ReadTipShear(InputReader& in) {
  InputModel& m = in.input();
  int n = 0;
  if (!in.Read("the number of tip shear points", {&n}) ||
      !in.CheckCount(n, 0, limits::kMaxTipShearPoints, "the number of tip shear points")) {
    return;
  }
  m.tip_shear.assign(static_cast<std::size_t>(n), TipShearPoint{});
  if (n > 0) in.message().Write("(A)", {"Reading tip shear data"});
  for (int k = 1; k <= n; ++k) {
    TipShearPoint& p = m.tip_shear[static_cast<std::size_t>(k - 1)];
    int row = 0;
    if (!in.Read(Row("the row number, displacement and shear force of tip shear point", k),
                 {&row, &p.displacement, &p.shear})) {
      return;
    }
  }
}

void ReadBatterAndSlope(InputReader& in) {
  InputModel& m = in.input();
  in.message().Write("(A)", {"Reading pile batter and ground slope angles"});
  double slope = 0.0, batter = 0.0;
  // A ground slope or batter of 90 degrees or more is a wall, or a pile
  // lying flat.
  const auto angle = [&in](double* v, const char* what) {
    return in.Read(std::string(what) + " in degrees", {v}) &&
           in.CheckValue(std::fabs(*v) < 90.0, *v, what, "must lie between -90 and 90 degrees");
  };
  if (!angle(&slope, "the ground slope angle") || !angle(&batter, "the pile batter angle")) {
    return;
  }
  constexpr double kRadiansPerDegree = 3.141592653589793 / 180.0;
  m.slope_angle = slope * kRadiansPerDegree;
  m.batter_angle = batter * kRadiansPerDegree;
  m.slope_minus_batter = m.slope_angle - m.batter_angle;
}

void ReadGroupEffects(InputReader& in) {
  InputModel& m = in.input();
  int n = 0;
  if (!in.Read("the number of p-y multiplier points", {&n}) ||
      !in.CheckCount(n, 0, limits::kMaxPyMultipliers, "the number of p-y multiplier points")) {
    return;
  }
  m.py_multiplier_count = n;
  m.py_multipliers.assign(static_cast<std::size_t>(n), PyMultiplierPoint{});
  if (n > 0) in.message().Write("(A)", {"Reading p-y multiplier data"});
  for (int k = 1; k <= n; ++k) {
    PyMultiplierPoint& p = m.py_multipliers[static_cast<std::size_t>(k - 1)];
    int row = 0;
    // The soil resistance is scaled by pm and the deflection divided by ym.
    if (!in.Read(Row("the row number, depth, p-multiplier and y-multiplier of point", k),
                 {&row, &p.depth, &p.pm, &p.ym}) ||
        !in.CheckNotNegative(p.pm, Row("the p-multiplier of point", k)) ||
        !in.CheckPositive(p.ym, Row("the y-multiplier of point", k))) {
      return;
    }
  }
}

void ReadSoilMovements(InputReader& in) {
  InputModel& m = in.input();
  if (!m.options.soil_movement) return;  // the keyword alone; the next line is a keyword line
  in.message().Write("(A)", {"Reading soil movement data"});
  int n = 0;
  if (!in.Read("the number of soil movement points", {&n})) return;
  if (n < limits::kMinSoilMovementPoints || n > limits::kMaxSoilMovementPoints) {
    in.Raise(ErrorId::kSoilMovementPointCount, {ErrorValue("soil movement lines", n)});
    return;
  }
  m.soil_movements.assign(static_cast<std::size_t>(n), SoilMovementPoint{});
  for (int k = 1; k <= n; ++k) {
    SoilMovementPoint& p = m.soil_movements[static_cast<std::size_t>(k - 1)];
    int row = 0;
    if (!in.Read(Row("the row number, depth and soil movement of point", k),
                 {&row, &p.depth, &p.movement})) {
      return;
    }
    if (m.options.units == UnitSystem::kSi) p.movement /= 1000.0;  // millimetres to metres
  }
}

void ReadPrintedPyDepths(InputReader& in) {
  InputModel& m = in.input();
  if (!m.options.print_py_curves) return;  // the keyword alone
  in.message().Write("(A)", {"Reading p-y output depths data"});
  int n = 0;
  if (!in.Read("the number of depths of printed p-y curves", {&n}) ||
      !in.CheckCount(n, 0, limits::kMaxPyOutputDepths,
                     "the number of depths of printed p-y curves")) {
    return;
  }
  m.py_output_depths.assign(static_cast<std::size_t>(n), 0.0);
  for (int k = 1; k <= n; ++k) {
    int row = 0;
    if (!in.Read(Row("the row number and depth of printed p-y curve", k),
                 {&row, &m.py_output_depths[static_cast<std::size_t>(k - 1)]})) {
      return;
    }
  }
}

}  // namespace tarvex
