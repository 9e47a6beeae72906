#include "pile/fd_solver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <string>

namespace tarvex {
namespace {

// The pile-head load types by their numbers.
constexpr LoadType kType1 = LoadType::kShearAndMoment;
constexpr LoadType kType2 = LoadType::kShearAndSlope;
constexpr LoadType kType3 = LoadType::kShearAndRotationalStiffness;
constexpr LoadType kType4 = LoadType::kDeflectionAndMoment;
constexpr LoadType kType5 = LoadType::kDeflectionAndSlope;

// Closed-form results are met to discretisation accuracy: with 500 increments
// over beta L = 12 the error of the difference scheme is near 1e-4.
constexpr double kRelTol = 1e-3;

// Uniform pile in uniform elastic subgrade (lb, in).
constexpr double kEi = 1.0e10;    // flexural rigidity
constexpr double kK = 1000.0;     // subgrade modulus, force per length squared
constexpr double kShear = 1.0e4;  // head shear
const double kBeta = std::pow(kK / (4.0 * kEi), 0.25);

// |actual - expected| within rel_tol of |expected|, or of `scale` where the
// expected value is zero or small beside the quantities of the problem.
void ExpectClose(double actual, double expected, double rel_tol, double scale = 0.0) {
  const double tol = rel_tol * std::max(std::fabs(expected), scale);
  EXPECT_NEAR(actual, expected, tol);
}

// A uniform pile of `increments` increments; soil modulus k at every node.
std::unique_ptr<PileNodes> UniformPile(double ei, double k, double length, int increments) {
  auto nodes = std::make_unique<PileNodes>();
  nodes->count = increments + 1;
  nodes->h = length / increments;
  for (int s = 1; s <= nodes->count; ++s) {
    nodes->x[PileNodes::At(s)] = (s - 1) * nodes->h;
    nodes->ei[PileNodes::At(s)] = ei;
    nodes->es[PileNodes::At(s)] = k;
  }
  return nodes;
}

std::unique_ptr<PileNodes> LongElasticPile() { return UniformPile(kEi, kK, 12.0 / kBeta, 500); }

double Y(const PileNodes& n, int k) { return n.y[PileNodes::At(k)]; }
double HeadSlope(const PileNodes& n) { return (Y(n, 2) - Y(n, 0)) / (2.0 * n.h); }
double Moment(const PileNodes& n, int k) {
  return n.ei[PileNodes::At(k)] * (Y(n, k - 1) - 2.0 * Y(n, k) + Y(n, k + 1)) / (n.h * n.h);
}
double HeadShear(const PileNodes& n, double q) {
  const double h = n.h;
  return n.ei[PileNodes::At(2)] * (Y(n, 3) - 2.0 * Y(n, 2) + 2.0 * Y(n, 0) - Y(n, -1)) /
             (2.0 * h * h * h) +
         q * (Y(n, 2) - Y(n, 0)) / (2.0 * h);
}

FdResult Solve(PileNodes& nodes, FdHead head, double q = 0.0) {
  FdWorkspace ws;
  return SolvePile(nodes, head, q, nullptr, 0, ws);
}

// Head state of a semi-infinite beam on elastic foundation, y = e^(-beta x)
// (A cos beta x + B sin beta x), with M = EI y'' and V = EI y''' at the head
// and a head moment M0 = kr theta0 (kr = 0: free head).
struct HeadState {
  double y0, theta0, m0, v0;
};
HeadState RestrainedHead(double kr) {
  const double b3 = kBeta * kBeta * kBeta;
  const double b = kr * kShear / (4.0 * kEi * b3 * (kEi * kBeta + kr));
  const double a = kShear / (2.0 * kEi * b3) - b;
  return {a, kBeta * (b - a), -2.0 * kEi * kBeta * kBeta * b, kShear};
}

TEST(FdSolverAccuracy, HeadConditionsReproduceBeamOnElasticFoundation) {
  const double b = kBeta;
  const HeadState free{2.0 * kShear * b / kK, -2.0 * kShear * b * b / kK, 0.0, kShear};
  const HeadState fixed{kShear * b / kK, 0.0, -kShear / (2.0 * b), kShear};
  const double m = kShear / b;  // moment alone at a free head, no shear
  const HeadState moment_only{2.0 * m * b * b / kK, -4.0 * m * b * b * b / kK, m, 0.0};
  const double kr = kEi * kBeta;  // rotational restraint between free and fixed
  struct Case {
    std::string name;
    FdHead head;
    HeadState expected;
  };
  const Case cases[] = {
      {"type 1 free head", {kType1, kShear, 0.0}, free},
      {"type 1 moment only", {kType1, 0.0, m}, moment_only},
      {"type 2 fixed head", {kType2, kShear, 0.0}, fixed},
      {"type 3 elastic restraint", {kType3, kShear, kr}, RestrainedHead(kr)},
      {"type 3 no restraint", {kType3, kShear, 0.0}, free},
      {"type 3 rigid restraint", {kType3, kShear, 1e25}, fixed},
      {"type 4 free-head deflection", {kType4, free.y0, 0.0}, free},
      {"type 4 fixed-head state", {kType4, fixed.y0, fixed.m0}, fixed},
      {"type 5 fixed-head deflection", {kType5, fixed.y0, 0.0}, fixed},
      {"type 5 free-head state", {kType5, free.y0, free.theta0}, free},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto nodes = LongElasticPile();
    const FdResult r = Solve(*nodes, c.head);
    ASSERT_FALSE(r.small_pivot);
    EXPECT_EQ(r.top_deflection, Y(*nodes, 1));
    ExpectClose(Y(*nodes, 1), c.expected.y0, kRelTol, kShear * b / kK);
    ExpectClose(HeadSlope(*nodes), c.expected.theta0, kRelTol, kShear * b * b / kK);
    ExpectClose(Moment(*nodes, 1), c.expected.m0, kRelTol, kShear / b);
    ExpectClose(HeadShear(*nodes, 0.0), c.expected.v0, kRelTol, kShear);
  }
}

TEST(FdSolverAccuracy, FreeHeadMaximumMomentAndItsDepth) {
  auto nodes = LongElasticPile();
  Solve(*nodes, {kType1, kShear, 0.0});
  int at = 1;
  for (int k = 2; k <= nodes->count; ++k) {
    if (Moment(*nodes, k) > Moment(*nodes, at)) at = k;
  }
  const double depth = std::numbers::pi / (4.0 * kBeta);
  const double peak =
      kShear / kBeta * std::exp(-std::numbers::pi / 4.0) * std::sin(std::numbers::pi / 4.0);
  ExpectClose(Moment(*nodes, at), peak, kRelTol);
  EXPECT_NEAR(nodes->x[PileNodes::At(at)], depth, nodes->h);
}

// Head deflection of the free-head semi-infinite beam-column on elastic
// foundation, EI y'''' + Q y'' + k y = 0 with M = 0 and EI y''' + Q y' = H at
// the head: y = Re(C e^(r x)) with r the decaying root of EI r^4 + Q r^2 + k.
double FreeHeadDeflectionWithThrust(double q) {
  using Complex = std::complex<double>;
  const Complex r2 = Complex(-q, std::sqrt(4.0 * kEi * kK - q * q)) / (2.0 * kEi);
  const Complex r = -std::sqrt(r2);
  const Complex r3 = r2 * r;
  // Re(C r^n) = c1 Re(r^n) - c2 Im(r^n) for C = c1 + i c2.
  const double a11 = kEi * r2.real(), a12 = -kEi * r2.imag();
  const double a21 = kEi * r3.real() + q * r.real(), a22 = -(kEi * r3.imag() + q * r.imag());
  return -kShear * a12 / (a11 * a22 - a12 * a21);  // c1 by Cramer's rule
}

// A free head buckles at Q = sqrt(k EI), half the thrust that buckles an
// infinitely long beam on the same foundation. Closer to it the discretisation
// error is amplified by about 1 / (1 - Q / Qcr).
TEST(FdSolverAxialLoad, ThrustAmplifiesHeadDeflectionAsTheClosedFormSays) {
  const double q_buckling = std::sqrt(kK * kEi);
  double previous = 0.0;
  for (double fraction : {0.0, 0.5, 0.8, 0.98}) {
    SCOPED_TRACE(fraction);
    const double q = fraction * q_buckling;
    auto nodes = LongElasticPile();
    const FdResult r = Solve(*nodes, {kType1, kShear, 0.0}, q);
    ASSERT_FALSE(r.small_pivot);
    EXPECT_EQ(r.unstable_node, 0);
    ExpectClose(r.top_deflection, FreeHeadDeflectionWithThrust(q), kRelTol / (1.0 - fraction));
    ExpectClose(HeadShear(*nodes, q), kShear, kRelTol);
    EXPECT_GT(r.top_deflection, previous);
    previous = r.top_deflection;
  }
  EXPECT_GT(previous, 30.0 * 2.0 * kShear * kBeta / kK);  // P-delta near buckling
}

// The pivots tell a stable equilibrium from an unstable one: every head type
// just below and just above the thrust that buckles the pile, or tips it
// over, in closed form.
TEST(FdSolverStability, ThrustBeyondTheBucklingLoadIsFlaggedForEveryHeadType) {
  const double qb = std::sqrt(kK * kEi);
  // Soft soil over soil a hundred times stiffer from mid-length down: the
  // head buckles first.
  auto soft_over_stiff = [] {
    auto n = LongElasticPile();
    for (int k = n->count / 2 + 1; k <= n->count; ++k) n->es[PileNodes::At(k)] = 100.0 * kK;
    return n;
  };
  // A short pile a million times stiffer than the long one turns as a rigid
  // body: the thrust Q overturns it when Q L beats the soil's moment k L^3 / 12
  // about its middle (free head), k L^3 / 3 about a pinned head, or
  // k L^3 / 12 + kr with a rotational restraint kr at the head.
  constexpr double kLength = 600.0;
  auto rigid = [] { return UniformPile(1.0e6 * kEi, kK, kLength, 100); };
  const double tip_over = kK * kLength * kLength / 12.0;
  const double kr = kEi * kBeta;
  struct Case {
    std::string name;
    std::unique_ptr<PileNodes> (*make)();
    FdHead head;
    double critical;  // thrust at which the pile loses its stability
    double margin;    // stable at (1 - margin) critical, unstable at (1 + margin)
  };
  // Over a long pile in uniform soil the free tip buckles at sqrt(k EI),
  // whatever the head. A free head buckles at the same thrust; a head held in
  // slope, in deflection or in both holds the pile up to about twice it (the
  // thrust that buckles an infinitely long beam on the foundation).
  const Case cases[] = {
      {"uniform, type 1", LongElasticPile, {kType1, kShear, 0.0}, qb, 0.01},
      {"uniform, type 2", LongElasticPile, {kType2, kShear, 0.0}, qb, 0.01},
      {"uniform, type 3", LongElasticPile, {kType3, kShear, kr}, qb, 0.01},
      {"uniform, type 4", LongElasticPile, {kType4, 0.1, 0.0}, qb, 0.01},
      {"uniform, type 5", LongElasticPile, {kType5, 0.1, 0.0}, qb, 0.01},
      {"soft over stiff, type 1", soft_over_stiff, {kType1, kShear, 0.0}, qb, 0.01},
      {"soft over stiff, type 3 free", soft_over_stiff, {kType3, kShear, 0.0}, qb, 0.01},
      {"soft over stiff, type 2", soft_over_stiff, {kType2, kShear, 0.0}, 2.3 * qb, 0.13},
      {"soft over stiff, type 3 fixed", soft_over_stiff, {kType3, kShear, 1e25}, 2.3 * qb, 0.13},
      {"soft over stiff, type 4", soft_over_stiff, {kType4, 0.1, 0.0}, 2.3 * qb, 0.13},
      {"soft over stiff, type 5", soft_over_stiff, {kType5, 0.1, 0.0}, 2.3 * qb, 0.13},
      {"rigid, type 1", rigid, {kType1, kShear, 0.0}, tip_over, 0.01},
      {"rigid, type 3", rigid, {kType3, kShear, kr}, tip_over + kr / kLength, 0.01},
      {"rigid, type 4", rigid, {kType4, 0.1, 0.0}, 4.0 * tip_over, 0.01},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto below = c.make();
    const FdResult stable = Solve(*below, c.head, (1.0 - c.margin) * c.critical);
    EXPECT_EQ(stable.unstable_node, 0);
    auto above = c.make();
    const FdResult unstable = Solve(*above, c.head, (1.0 + c.margin) * c.critical);
    EXPECT_NE(unstable.unstable_node, 0);
    EXPECT_TRUE(std::isfinite(unstable.top_deflection));  // a finite answer, but no result
  }
}

// Without compression nothing can make the system indefinite, and nothing
// is flagged: a tension of any size, and no thrust on a pile whose soil
// carries it at two nodes only.
TEST(FdSolverStability, NoCompressionIsNeverFlagged) {
  const double qb = std::sqrt(kK * kEi);
  for (double q : {0.0, -5.0 * qb}) {
    SCOPED_TRACE(q);
    for (LoadType type : {kType1, kType2, kType3, kType4, kType5}) {
      auto nodes = UniformPile(kEi, 0.0, 600.0, 100);
      nodes->es[PileNodes::At(90)] = kK;
      nodes->es[PileNodes::At(101)] = kK;
      const FdResult r = Solve(*nodes, {type, 0.1, 0.0}, q);
      EXPECT_EQ(r.unstable_node, 0) << static_cast<int>(type);
    }
  }
}

// A pile with no soil support and no thrust has a rigid-body mode: the head
// system is singular and its reduced shear row vanishes at the fourth step.
TEST(FdSolverAxialLoad, UnsupportedPileStopsAtSmallPivotAndKeepsPreviousState) {
  auto nodes = UniformPile(kEi, kK, 600.0, 100);
  FdWorkspace ws;
  ASSERT_FALSE(SolvePile(*nodes, {kType1, kShear, 0.0}, 0.0, nullptr, 0, ws).small_pivot);
  const PileNodes before = *nodes;
  const auto yg_before = ws.yg;

  for (int k = 1; k <= nodes->count; ++k) nodes->es[PileNodes::At(k)] = 0.0;
  const FdResult r = SolvePile(*nodes, {kType1, kShear, 0.0}, 0.0, nullptr, 0, ws);
  EXPECT_TRUE(r.small_pivot);
  EXPECT_EQ(r.pivot_step, 4);
  EXPECT_LT(std::fabs(r.pivot), 1e-20);
  EXPECT_EQ(r.pivot, ws.f[3][3]);
  EXPECT_EQ(r.top_deflection, Y(before, 1));
  EXPECT_EQ(nodes->y, before.y);
  EXPECT_EQ(ws.yg, yg_before);
}

// With no stiffness, no soil and no thrust the diagonals of the elimination
// from the tip are zero. The solution must end in a small pivot or in NaN,
// never in a finite answer or a trap.
TEST(FdSolverAxialLoad, ZeroStiffnessAndModulusGivesSmallPivotOrNaN) {
  struct Case {
    FdHead head;
    int pivot_step;  // 0: NaN expected
  };
  const Case cases[] = {
      {{kType1, kShear, 0.0}, 4}, {{kType2, kShear, 0.0}, 4}, {{kType3, kShear, 1e6}, 4},
      {{kType4, 0.1, 0.0}, 1},    {{kType5, 0.1, 0.0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.head.type));
    auto nodes = UniformPile(0.0, 0.0, 600.0, 100);
    const FdResult r = Solve(*nodes, c.head);
    EXPECT_EQ(r.small_pivot, c.pivot_step != 0);
    EXPECT_EQ(r.pivot_step, c.pivot_step);
    if (c.pivot_step == 0) {
      EXPECT_TRUE(std::isnan(r.max_change));
      EXPECT_TRUE(std::isnan(Y(*nodes, 2)));
    }
  }
}

// Overall equilibrium of the difference equations for uniform EI and no
// thrust: summing them over the nodes with half weight at the head and the
// tip leaves tip shear - head shear = h * sum(w - es y).
double TipShearFromEquilibrium(const PileNodes& n, double head_shear) {
  double sum = 0.0;
  for (int k = 1; k <= n.count; ++k) {
    const double weight = (k == 1 || k == n.count) ? 0.5 : 1.0;
    sum += weight * (n.w[PileNodes::At(k)] - n.es[PileNodes::At(k)] * Y(n, k));
  }
  return head_shear + n.h * sum;
}

TEST(FdSolverTipShear, CurveLookupAtThePreviousTipDeflection) {
  const TipShearPoint curve[] = {{0.1, 100.0}, {0.3, 200.0}, {0.6, 250.0}};
  struct Case {
    double tip_deflection;
    double tip_shear;
  };
  const Case cases[] = {
      {0.0, 50.0},  // first segment extended below its first point
      {0.2, 150.0},   {-0.2, -150.0}, {0.45, 225.0}, {1.0, 250.0},  // beyond the last point
      {-1.0, -250.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tip_deflection);
    auto nodes = UniformPile(kEi, kK, 600.0, 100);
    nodes->y[PileNodes::At(nodes->count)] = c.tip_deflection;
    FdWorkspace ws;
    const FdResult r = SolvePile(*nodes, {kType1, kShear, 0.0}, 0.0, curve, 3, ws);
    EXPECT_NEAR(r.tip_shear, c.tip_shear, 1e-9);
  }
}

TEST(FdSolverTipShear, CurveFromOriginGivesNoTipShearAtTheFirstSolution) {
  const TipShearPoint curve[] = {{0.0, 0.0}, {0.5, 3000.0}};
  auto with_curve = UniformPile(kEi, kK, 120.0, 40);
  auto without = UniformPile(kEi, kK, 120.0, 40);
  FdWorkspace ws;
  const FdResult r = SolvePile(*with_curve, {kType1, kShear, 0.0}, 0.0, curve, 2, ws);
  Solve(*without, {kType1, kShear, 0.0});
  EXPECT_EQ(r.tip_shear, 0.0);
  EXPECT_EQ(with_curve->y, without->y);
}

// A short stiff pile rotates: its tip moves against the head load, so the tip
// shear of the next solution takes the negative sign, and the pile carries it
// in overall equilibrium together with a distributed load.
TEST(FdSolverTipShear, ShortPileTipShearFollowsTipDeflection) {
  const TipShearPoint curve[] = {{0.0, 0.0}, {0.1, 2000.0}, {1.0, 4000.0}};
  for (double h : {kShear, -kShear}) {
    SCOPED_TRACE(h);
    auto nodes = UniformPile(kEi, kK, 120.0, 40);  // beta L = 1.5
    for (int k = 1; k <= nodes->count; ++k) nodes->w[PileNodes::At(k)] = 10.0;
    FdWorkspace ws;
    SolvePile(*nodes, {kType1, h, 0.0}, 0.0, curve, 3, ws);
    const double tip_before = Y(*nodes, nodes->count);
    ASSERT_LT(tip_before * h, 0.0);
    const FdResult r = SolvePile(*nodes, {kType1, h, 0.0}, 0.0, curve, 3, ws);
    const double a = std::fabs(tip_before);
    const double expected = std::copysign(2000.0 + 2000.0 * (a - 0.1) / 0.9, tip_before);
    EXPECT_NEAR(r.tip_shear, expected, 1e-9);
    ExpectClose(TipShearFromEquilibrium(*nodes, h), r.tip_shear, 1e-9, kShear);
  }
}

TEST(FdSolverTipShear, OnePointCurveKeepsPreviousValueUntilReset) {
  const TipShearPoint curve[] = {{0.05, 800.0}};
  auto nodes = UniformPile(kEi, kK, 600.0, 100);
  const int tip = nodes->count;
  FdWorkspace ws;
  auto solve_from_tip = [&](double tip_deflection) {
    nodes->y[PileNodes::At(tip)] = tip_deflection;
    return SolvePile(*nodes, {kType1, kShear, 0.0}, 0.0, curve, 1, ws).tip_shear;
  };
  EXPECT_EQ(solve_from_tip(0.01), 0.0);      // nothing evaluated yet
  EXPECT_EQ(solve_from_tip(0.1), 800.0);     // past the point: its shear
  EXPECT_EQ(solve_from_tip(0.01), 800.0);    // within it: kept
  EXPECT_EQ(solve_from_tip(-0.01), -800.0);  // kept, with the tip's sign
  ws.ResetTipShear();
  EXPECT_EQ(solve_from_tip(0.01), 0.0);
}

TEST(FdSolverHead, PrescribedDeflectionAddsSoilMovementOnlyForType5) {
  for (LoadType type : {kType4, kType5}) {
    SCOPED_TRACE(static_cast<int>(type));
    auto nodes = LongElasticPile();
    for (int k = 1; k <= nodes->count; ++k) nodes->ys[PileNodes::At(k)] = 0.05;
    const double y_given = 0.2;
    const FdResult r = Solve(*nodes, {type, y_given, type == kType5 ? -0.001 : 0.0});
    EXPECT_EQ(r.top_deflection, type == kType5 ? y_given + 0.05 : y_given);
    if (type == kType5) ExpectClose(HeadSlope(*nodes), -0.001, 1e-9);
  }
}

TEST(FdSolverHead, HeadNodeTakesTheStiffnessOfNode2) {
  auto uniform = UniformPile(kEi, kK, 600.0, 100);
  auto soft_head = UniformPile(kEi, kK, 600.0, 100);
  soft_head->ei[PileNodes::At(1)] = 0.1 * kEi;
  Solve(*uniform, {kType1, kShear, 0.0});
  Solve(*soft_head, {kType1, kShear, 0.0});
  EXPECT_EQ(soft_head->ei[PileNodes::At(1)], kEi);
  EXPECT_EQ(soft_head->y, uniform->y);
}

TEST(FdSolverResult, MaxChangeCoversRealNodesOnly) {
  auto nodes = UniformPile(kEi, kK, 600.0, 100);
  const int tip = nodes->count;
  Solve(*nodes, {kType1, kShear, 0.0});
  const auto solution = nodes->y;
  EXPECT_EQ(Y(*nodes, tip + 1), 2.0 * Y(*nodes, tip) - Y(*nodes, tip - 1));

  // The same state again, from previous deflections that differ by 0.3 at
  // node 17, 0.4 at the tip and far more at the imaginary stations.
  for (int k : {-1, 0, tip + 1, tip + 2}) nodes->y[PileNodes::At(k)] += 1000.0;
  nodes->y[PileNodes::At(17)] -= 0.3;
  nodes->y[PileNodes::At(tip)] += 0.4;
  const FdResult r = Solve(*nodes, {kType1, kShear, 0.0});
  EXPECT_NEAR(r.max_change, 0.4, 1e-12);
  for (int k = -1; k <= tip + 1; ++k) {
    EXPECT_NEAR(Y(*nodes, k), solution[PileNodes::At(k)], 1e-12) << "station " << k;
  }
}

}  // namespace
}  // namespace tarvex
