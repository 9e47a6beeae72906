#include "pile/fd_solver.hpp"

#include <cmath>

namespace tarvex {
namespace {

constexpr double kSmallPivot = 1e-20;

// Magnitude of the tip shear resistance at tip deflection |yt| from the
// tip-shear curve: linear through the first two points up to the second
// displacement (extended below the first), linear between neighbouring points
// beyond it, and the last shear past the last displacement. A one-point curve
// gives its shear past its displacement and `kept` (the previous evaluation)
// within it.
double TipShearMagnitude(const TipShearPoint* tip, int n, double yt, double kept) {
  if (n <= 0 || tip == nullptr) return 0.0;
  const double a = std::fabs(yt);
  if (n == 1) return a > tip[0].displacement ? tip[0].shear : kept;
  if (a <= tip[1].displacement) {
    return tip[0].shear + (tip[1].shear - tip[0].shear) * (a - tip[0].displacement) /
                              (tip[1].displacement - tip[0].displacement);
  }
  for (int i = 2; i < n; ++i) {
    if (a <= tip[i].displacement) {
      return tip[i - 1].shear + (tip[i].shear - tip[i - 1].shear) * (a - tip[i - 1].displacement) /
                                    (tip[i].displacement - tip[i - 1].displacement);
    }
  }
  return tip[n - 1].shear;
}

// Gaussian elimination of the leading n x n block of the head system in row
// order, without row exchanges. Returns the 1-based step whose pivot is under
// kSmallPivot in magnitude (f and g are then left partly reduced and yg
// untouched), or 0 after writing the solution to yg. A NaN pivot passes the
// check, so a lost solution surfaces as NaN deflections. The last pivot is
// not checked.
int SolveHeadSystem(FdWorkspace& ws, int n) {
  auto& f = ws.f;
  auto& g = ws.g;
  for (int c = 0; c + 1 < n; ++c) {
    const double pivot = f[c][c];
    if (std::fabs(pivot) < kSmallPivot) return c + 1;
    for (int r = c + 1; r < n; ++r) {
      if (f[r][c] == 0.0) continue;
      const double factor = f[r][c] / pivot;
      f[r][c] = 0.0;
      for (int j = c + 1; j < n; ++j) f[r][j] -= factor * f[c][j];
      g[r] -= factor * g[c];
    }
  }
  for (int r = n - 1; r >= 0; --r) {
    double s = g[r];
    for (int j = r + 1; j < n; ++j) s -= f[r][j] * ws.yg[j];
    ws.yg[r] = s / f[r][r];
  }
  return 0;
}

// The first of nodes 2 and 1 whose pivot is zero or negative when the head
// conditions without their loads take the place of the stations above the
// head, or 0. Nodes 3 .. t have been eliminated into the recursion (b, c);
// `ei` and `es` are indexed by station, and ei(0) = ei(1) = ei(2).
//
// The unloaded head conditions give y(0) = a1 y(1) + a2 y(2), and a zero head
// shear gives R y(-1) = R y(3) + (Q h^2 - 2R) y(2) + (2R - Q h^2) y(0). With
// the deflection prescribed, y(1) is held and node 1's equation only fixes
// y(-1), so node 2's pivot is the last. Written so, the equations of nodes 1
// and 2 are those of the energy of the pile (node 1's doubled, as the tip's
// is), and the pivots of the elimination from the tip are all positive
// exactly when that energy is positive definite.
int HeadPivotNode(const FdHead& head, const double* ei, const double* es, const double* bk,
                  const double* ck, double h, double qh2) {
  const double h2 = h * h;
  const double h4 = h2 * h2;
  const double r = ei[2];
  bool held = false;  // the head deflection is prescribed
  double a1 = 0.0;
  double a2 = 0.0;
  switch (head.type) {
    case LoadType::kShearAndMoment:  // zero moment: y(0) = 2 y(1) - y(2)
      a1 = 2.0;
      a2 = -1.0;
      break;
    case LoadType::kShearAndSlope:  // zero slope: y(0) = y(2)
      a2 = 1.0;
      break;
    case LoadType::kShearAndRotationalStiffness: {  // M = k S
      const double rh = r / h2;
      const double ks = head.condition2 / (2.0 * h);
      const double den = rh + ks;
      if (den == 0.0 || !std::isfinite(den)) return 0;
      a1 = 2.0 * rh / den;
      a2 = (ks - rh) / den;
      break;
    }
    case LoadType::kDeflectionAndMoment:  // y(1) = 0 and zero moment: y(0) = -y(2)
      held = true;
      a2 = -1.0;
      break;
    case LoadType::kDeflectionAndSlope:  // y(1) = 0 and zero slope: y(0) = y(2)
      held = true;
      a2 = 1.0;
      break;
  }
  // Node 2: R(1) y(0) + b y(1) + c y(2) + d y(3) + R(3) y(4), with y(4) and
  // y(3) replaced by their recursions as in the elimination.
  const double a = ei[1];
  const double b = -2.0 * ei[1] - 2.0 * ei[2] + qh2;
  const double c = ei[1] + 4.0 * ei[2] + ei[3] - 2.0 * qh2 + es[2] * h4;
  const double d2 = -2.0 * ei[2] - 2.0 * ei[3] + qh2 + ei[3] * bk[4];
  const double pivot2 = c + a * a2 - ei[3] * ck[4] + d2 * bk[3];
  if (pivot2 <= 0.0) return 2;
  if (held) return 0;
  const double beta = -(b + a * a1 - d2 * ck[3]) / pivot2;  // y(2) = beta y(1)
  // Node 1: R y(-1) + (Q h^2 - 4R) y(0) + (6R - 2Q h^2 + es h^4) y(1)
  // + (Q h^2 - 4R) y(2) + R y(3), R = R(0) = R(1) = R(2); with y(-1) and y(0)
  // replaced the factor of y(0) is -2R, and y(3) enters twice.
  const double c1 = 6.0 * r - 2.0 * qh2 + es[1] * h4 - 2.0 * r * a1;
  const double c2 = -6.0 * r + 2.0 * qh2 - 2.0 * r * a2;
  const double c3 = 2.0 * r;
  const double pivot1 = c1 - c3 * ck[3] + (c2 + c3 * bk[3]) * beta;
  return pivot1 <= 0.0 ? 1 : 0;
}

}  // namespace

FdResult SolvePile(PileNodes& nodes, const FdHead& head, double q, const TipShearPoint* tip,
                   int tip_count, FdWorkspace& ws) {
  const int nn = nodes.count;
  const double h = nodes.h;
  const double h2 = h * h;
  const double h3 = h2 * h;
  const double h4 = h2 * h2;
  const double qh2 = q * h2;

  // Station k of each node array is element k of these pointers (k >= -1).
  double* y = nodes.y.data() + PileNodes::kOffset;
  double* ei = nodes.ei.data() + PileNodes::kOffset;
  const double* es = nodes.es.data() + PileNodes::kOffset;
  const double* w = nodes.w.data() + PileNodes::kOffset;
  const double* ys = nodes.ys.data() + PileNodes::kOffset;
  double* bk = ws.b.data();
  double* ck = ws.c.data();
  double* dk = ws.d.data();
  double* ek = ws.e.data();

  // The three top nodes share the stiffness of node 2; above the head the
  // imaginary station 0 takes R(1), below the tip station NN+1 takes R(NN).
  ei[1] = ei[2];

  // Under an axial compression the stiffness of pile and soil can cease to be
  // positive definite (buckling, or a short pile tipped over by the thrust).
  // The pivots of the elimination from the tip tell: the equations are those
  // of the pile's energy (the tip's doubled, and exactly so where the two
  // lowest nodes have the same stiffness), so every pivot is positive exactly
  // when the energy is. Nodes 2 and 1 are checked apart with the head
  // conditions in place. Without compression nothing can make it indefinite.
  const bool compressed = q > 0.0;
  int unstable_node = 0;

  // Tip shear resistance from the previous tip deflection, signed like it.
  ws.tip_shear = TipShearMagnitude(tip, tip_count, y[nn], ws.tip_shear);
  const double vt = y[nn] < 0.0 ? -ws.tip_shear : ws.tip_shear;

  // Tip node t: zero moment, y(t+1) = 2 y(t) - y(t-1), and shear equal to Vt
  // eliminate y(t+1) and y(t+2) from its difference equation:
  //   o y(t) = w(t) h^4 - 2 Vt h^3 + 2 (R(t-1) + R(t) - Q h^2) y(t-1)
  //            - (R(t-1) + R(t)) y(t-2),   o = es(t) h^4 + R(t-1) + R(t) - 2 Q h^2.
  {
    const double rt1 = ei[nn - 1];
    const double rt = ei[nn];
    const double o = es[nn] * h4 + rt1 + rt - 2.0 * qh2;
    if (compressed && o <= 0.0) unstable_node = nn;
    bk[nn] = 2.0 * (rt1 + rt - qh2) / o;
    ck[nn] = (rt1 + rt) / o;
    dk[nn] = w[nn] * h4 / o;
    ek[nn] = -2.0 * vt * h3 / o;
  }
  // The zero-moment condition written as a recursion for station t+1, so that
  // node t-1 follows the same substitution as every node above it.
  bk[nn + 1] = 2.0;
  ck[nn + 1] = 1.0;
  dk[nn + 1] = 0.0;
  ek[nn + 1] = 0.0;

  // Nodes t-1 .. 1: the difference equation
  //   R(m-1) y(m-2) + (-2R(m-1) - 2R(m) + Q h^2) y(m-1)
  //   + (R(m-1) + 4R(m) + R(m+1) - 2Q h^2 + es(m) h^4) y(m)
  //   + (-2R(m) - 2R(m+1) + Q h^2) y(m+1) + R(m+1) y(m+2) = w(m) h^4
  // with y(m+2) and y(m+1) replaced by their recursions, divided by the
  // resulting diagonal. The division is not guarded: a zero diagonal (no
  // bending stiffness, no soil and no thrust) yields inf or NaN coefficients,
  // which carry through to NaN deflections that the iteration's
  // not-a-number check reports.
  for (int m = nn - 1; m >= 1; --m) {
    const double rm1 = m > 1 ? ei[m - 1] : ei[1];
    const double rm = ei[m];
    const double rp1 = ei[m + 1];
    const double a = rm1;
    const double b = -2.0 * rm1 - 2.0 * rm + qh2;
    const double c = rm1 + 4.0 * rm + rp1 - 2.0 * qh2 + es[m] * h4;
    const double d = -2.0 * rm - 2.0 * rp1 + qh2;
    const double e = rp1;
    const double d2 = d + e * bk[m + 2];  // coefficient of y(m+1) once y(m+2) is replaced
    const double diag = c - e * ck[m + 2] + d2 * bk[m + 1];
    if (compressed && m >= 3 && diag <= 0.0 && unstable_node == 0) unstable_node = m;
    bk[m] = (d2 * ck[m + 1] - b) / diag;
    ck[m] = a / diag;
    dk[m] = (w[m] * h4 - d2 * dk[m + 1] - e * dk[m + 2]) / diag;
    ek[m] = (-d2 * ek[m + 1] - e * ek[m + 2]) / diag;
  }

  if (compressed && unstable_node == 0 && nn >= 4) {
    unstable_node = HeadPivotNode(head, ei, es, bk, ck, h, qh2);
  }

  // Head expressions (R = R(2)):
  //   M = R [y(0) - 2y(1) + y(2)] / h^2
  //   V = R [y(3) - 2y(2) + 2y(0) - y(-1)] / (2h^3) + Q [y(2) - y(0)] / (2h)
  //   S = [y(2) - y(0)] / (2h)
  const double r = ei[2];
  const double rm = r / h2;
  const double slope = 1.0 / (2.0 * h);
  double y2 = 0.0;
  double y1 = 0.0;
  double y0 = 0.0;
  double ym1 = 0.0;
  if (head.type == LoadType::kDeflectionAndSlope) {
    // Deflection and slope given: y(0) = y(2) - 2h S closes the recursions of
    // nodes 2 and 1 directly.
    const double s = head.condition2;
    y1 = head.condition1 + ys[1];
    y2 = (dk[2] + ek[2] + bk[2] * y1 + ck[2] * (2.0 * h * s)) / (1.0 + ck[2]);
    y0 = y2 - 2.0 * h * s;
    ym1 = (dk[1] + ek[1] + bk[1] * y0 - y1) / ck[1];
  } else {
    auto& f = ws.f;
    auto& g = ws.g;
    f = {};
    g = {};
    int n = 5;
    if (head.type == LoadType::kDeflectionAndMoment) {
      // Unknowns y(2), y(1), y(0), y(-1).
      n = 4;
      f[0] = {rm, -2.0 * rm, rm, 0.0, 0.0};
      g[0] = head.condition2;
      f[1] = {0.0, 1.0, 0.0, 0.0, 0.0};
      g[1] = head.condition1;
      f[2] = {1.0, -bk[2], ck[2], 0.0, 0.0};
      g[2] = dk[2] + ek[2];
      f[3] = {0.0, 1.0, -bk[1], ck[1], 0.0};
      g[3] = dk[1] + ek[1];
    } else {
      // Unknowns y(3), y(2), y(1), y(0), y(-1): recursions of nodes 3, 2, 1,
      // then the shear and the second head condition.
      f[0] = {1.0, -bk[3], ck[3], 0.0, 0.0};
      g[0] = dk[3] + ek[3];
      f[1] = {0.0, 1.0, -bk[2], ck[2], 0.0};
      g[1] = dk[2] + ek[2];
      f[2] = {0.0, 0.0, 1.0, -bk[1], ck[1]};
      g[2] = dk[1] + ek[1];
      const double rv = r / (2.0 * h3);
      const double qv = q / (2.0 * h);
      f[3] = {rv, -2.0 * rv + qv, 0.0, 2.0 * rv - qv, -rv};
      g[3] = head.condition1;
      switch (head.type) {
        case LoadType::kShearAndSlope:
          f[4] = {0.0, slope, 0.0, -slope, 0.0};
          g[4] = head.condition2;
          break;
        case LoadType::kShearAndRotationalStiffness: {  // M = k S: moment proportional
          // to the head rotation
          const double k = head.condition2;
          f[4] = {0.0, rm - k * slope, -2.0 * rm, rm + k * slope, 0.0};
          g[4] = 0.0;
          break;
        }
        default:  // shear and moment
          f[4] = {0.0, rm, -2.0 * rm, rm, 0.0};
          g[4] = head.condition2;
          break;
      }
    }
    const int step = SolveHeadSystem(ws, n);
    if (step != 0) {
      return FdResult{y[1], 0.0, vt, true, step, f[step - 1][step - 1], unstable_node};
    }
    const int first = n == 5 ? 1 : 0;  // index of y(2) in the solution
    y2 = ws.yg[first];
    y1 = ws.yg[first + 1];
    y0 = ws.yg[first + 2];
    ym1 = ws.yg[first + 3];
  }

  // Largest change over the real nodes; a NaN change is kept so that the
  // caller sees it.
  double max_change = 0.0;
  auto track = [&max_change](double change) {
    if (change > max_change || std::isnan(change)) max_change = change;
  };
  track(std::fabs(y1 - y[1]));
  track(std::fabs(y2 - y[2]));
  y[-1] = ym1;
  y[0] = y0;
  y[1] = y1;
  y[2] = y2;

  // Forward substitution down the pile, each station from the two above it.
  for (int k = 3; k <= nn; ++k) {
    const double yk = dk[k] + ek[k] + bk[k] * y[k - 1] - ck[k] * y[k - 2];
    track(std::fabs(yk - y[k]));
    y[k] = yk;
  }
  y[nn + 1] = 2.0 * y[nn] - y[nn - 1];

  return FdResult{y[1], max_change, vt, false, 0, 0.0, unstable_node};
}

void SolveUnitHeadLoads(const PileNodes& nodes, double q, FdWorkspace& ws, FdUnitHeadResponse& sway,
                        FdUnitHeadResponse& turn) {
  sway = FdUnitHeadResponse{};
  turn = FdUnitHeadResponse{};
  const int nn = nodes.count;
  if (nn < 4) return;
  const double h = nodes.h;
  const double h2 = h * h;
  const double h3 = h2 * h;
  const double h4 = h2 * h2;
  const double qh2 = q * h2;
  const double* ei = nodes.ei.data() + PileNodes::kOffset;
  const double* es = nodes.es.data() + PileNodes::kOffset;
  double* bk = ws.b.data();
  double* ck = ws.c.data();
  // Station k's stiffness; the three top nodes share that of node 2.
  auto r_at = [ei](int k) { return k <= 2 ? ei[2] : ei[k]; };

  // The recursion of SolvePile without loads (no distributed load, soil
  // movement or tip shear): y(k) = B(k) y(k-1) - C(k) y(k-2).
  {
    const double rt1 = r_at(nn - 1);
    const double rt = r_at(nn);
    const double o = es[nn] * h4 + rt1 + rt - 2.0 * qh2;
    bk[nn] = 2.0 * (rt1 + rt - qh2) / o;
    ck[nn] = (rt1 + rt) / o;
  }
  bk[nn + 1] = 2.0;
  ck[nn + 1] = 1.0;
  for (int m = nn - 1; m >= 1; --m) {
    const double rm1 = r_at(m - 1);
    const double rm = r_at(m);
    const double rp1 = r_at(m + 1);
    const double b = -2.0 * rm1 - 2.0 * rm + qh2;
    const double c = rm1 + 4.0 * rm + rp1 - 2.0 * qh2 + es[m] * h4;
    const double d2 = -2.0 * rm - 2.0 * rp1 + qh2 + rp1 * bk[m + 2];
    const double diag = c - rp1 * ck[m + 2] + d2 * bk[m + 1];
    bk[m] = (d2 * ck[m + 1] - b) / diag;
    ck[m] = rm1 / diag;
  }

  const double r = ei[2];
  const double rm = r / h2;
  const double rv = r / (2.0 * h3);
  const double qv = q / (2.0 * h);
  const double slope = 1.0 / (2.0 * h);
  auto& f = ws.f;
  auto& g = ws.g;

  // A unit shear with zero slope: unknowns y(3), y(2), y(1), y(0), y(-1).
  f = {};
  g = {};
  f[0] = {1.0, -bk[3], ck[3], 0.0, 0.0};
  f[1] = {0.0, 1.0, -bk[2], ck[2], 0.0};
  f[2] = {0.0, 0.0, 1.0, -bk[1], ck[1]};
  f[3] = {rv, -2.0 * rv + qv, 0.0, 2.0 * rv - qv, -rv};
  g[3] = 1.0;
  f[4] = {0.0, slope, 0.0, -slope, 0.0};
  if (SolveHeadSystem(ws, 5) == 0) {
    const double y2 = ws.yg[1], y1 = ws.yg[2], y0 = ws.yg[3];
    sway.solved = true;
    sway.deflection = y1;
    sway.rotation = (y2 - y0) * slope;
    sway.shear = 1.0;
    sway.moment = rm * (y0 - 2.0 * y1 + y2);
  }

  // A unit moment with zero deflection: unknowns y(2), y(1), y(0), y(-1).
  f = {};
  g = {};
  f[0] = {rm, -2.0 * rm, rm, 0.0, 0.0};
  g[0] = 1.0;
  f[1] = {0.0, 1.0, 0.0, 0.0, 0.0};
  f[2] = {1.0, -bk[2], ck[2], 0.0, 0.0};
  f[3] = {0.0, 1.0, -bk[1], ck[1], 0.0};
  if (SolveHeadSystem(ws, 4) == 0) {
    const double y2 = ws.yg[0], y1 = ws.yg[1], y0 = ws.yg[2], ym1 = ws.yg[3];
    const double y3 = bk[3] * y2 - ck[3] * y1;
    turn.solved = true;
    turn.deflection = y1;
    turn.rotation = (y2 - y0) * slope;
    turn.shear = rv * (y3 - 2.0 * y2 + 2.0 * y0 - ym1) + qv * (y2 - y0);
    turn.moment = 1.0;
  }
}

}  // namespace tarvex
