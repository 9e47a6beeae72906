// One linear finite-difference solution of the pile as a beam-column on
// linear springs: EI y'''' + Q y'' + Es y = w, with the secant soil moduli and
// flexural rigidities of the nodes held fixed for the solution. The nonlinear
// answer comes from repeating this solution with updated moduli.
#ifndef TARVEX_PILE_FD_SOLVER_HPP_
#define TARVEX_PILE_FD_SOLVER_HPP_

#include <array>

#include "core/input_model.hpp"
#include "core/pile_nodes.hpp"

namespace tarvex {

// Pile-head condition of one solution.
//   shear and moment:               condition1 = shear,      condition2 = moment
//   shear and slope:                condition1 = shear,      condition2 = slope
//   shear and rotational stiffness: condition1 = shear,      condition2 = moment per radian
//   deflection and moment:          condition1 = deflection, condition2 = moment
//   deflection and slope:           condition1 = deflection, condition2 = slope (the
//                                   deflection enforced is condition1 plus the soil
//                                   movement at the head node)
struct FdHead {
  LoadType type;
  double condition1;
  double condition2;
};

// Working storage of the solution, sized once for the largest pile so that a
// solution allocates nothing. Coefficient arrays are indexed by node number.
struct FdWorkspace {
  static constexpr int kCoefficientSlots = 576;

  // Recursion y(k) = D(k) + E(k) + B(k) y(k-1) - C(k) y(k-2), built from the
  // tip upward. D carries the distributed loads, E the tip shear.
  std::array<double, kCoefficientSlots> b = {};
  std::array<double, kCoefficientSlots> c = {};
  std::array<double, kCoefficientSlots> d = {};
  std::array<double, kCoefficientSlots> e = {};

  // Head system (row-major, f[row][column]): unknowns y(3), y(2), y(1), y(0),
  // y(-1) for head types 1-3 and y(2), y(1), y(0), y(-1) for type 4. After a
  // small pivot, f and g hold the partly reduced system and yg the solution
  // of the last successful solve.
  std::array<std::array<double, 5>, 5> f = {};
  std::array<double, 5> g = {};
  std::array<double, 5> yg = {};

  // Magnitude of the tip shear of the last evaluation. A one-point tip-shear
  // curve keeps it while the tip deflection stays within the curve's first
  // displacement.
  double tip_shear = 0.0;

  // Clears the kept tip shear; called at the start of each load case.
  void ResetTipShear() { tip_shear = 0.0; }
};

struct FdResult {
  double top_deflection;  // y(1) of the new solution (previous y(1) after a small pivot)
  double max_change;      // largest |y_new - y_old| over nodes 1..count (0 after a small pivot)
  double tip_shear;       // tip shear Vt used in the solution, signed like the tip deflection
  bool small_pivot;       // the head system met a pivot under 1e-20 in magnitude
  int pivot_step;         // elimination step (1-based) of the small pivot, else 0
  double pivot;           // the small pivot value, else 0
  // Under an axial compression, the first node (counted from the tip) whose
  // pivot of the elimination with the head conditions was zero or negative:
  // the stiffness of pile and soil is not positive definite, so the solution
  // is no stable equilibrium (the thrust exceeds the buckling load of the
  // pile in the soil, or tips the pile over). 0 when every pivot is positive
  // or the thrust is not a compression.
  int unstable_node;
};

// Solves the pile once. Reads nodes.count (3..501), h, ei, es, w, ys and the
// previous deflections y; sets ei(1) = ei(2) and writes the new deflections
// at stations -1 .. count + 1. `tip` holds `tip_count` points of the
// tip-shear curve (ascending displacement; tip_count 0 for no tip shear).
// `q` is the axial thrust, positive in compression. On a small pivot the
// deflections are left as they were.
FdResult SolvePile(PileNodes& nodes, const FdHead& head, double q, const TipShearPoint* tip,
                   int tip_count, FdWorkspace& ws);

// The head of the pile under a unit head load, the nodes' soil moduli and
// bending stiffness held as they are: the linear system of one solution
// without the distributed loads, the soil movement and the tip shear.
struct FdUnitHeadResponse {
  bool solved = false;  // false: the head system met a small pivot
  double deflection = 0.0;
  double rotation = 0.0;
  double shear = 0.0;
  double moment = 0.0;
};

// Solves the linear system of the nodes' present moduli (a load case's
// converged state: nodes.count, h, ei with ei(1) = ei(2), es) with axial
// thrust q twice: a unit head shear with the head slope held at zero
// (`sway`), and a unit head moment with the head deflection held at zero
// (`turn`). Only the stations at the head are solved; the nodes are not
// changed and nothing is allocated.
void SolveUnitHeadLoads(const PileNodes& nodes, double q, FdWorkspace& ws, FdUnitHeadResponse& sway,
                        FdUnitHeadResponse& turn);

}  // namespace tarvex

#endif  // TARVEX_PILE_FD_SOLVER_HPP_
