#include "soil/user_py_curves.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

namespace tarvex {
namespace {

UserPyCurve Curve(std::initializer_list<std::pair<double, double>> points) {
  UserPyCurve c;
  for (const auto& [y, p] : points) {
    c.y[static_cast<std::size_t>(c.count)] = y;
    c.p[static_cast<std::size_t>(c.count)] = p;
    ++c.count;
  }
  return c;
}

// The top curve of the timber-pole example and a bottom curve of twice its
// resistance.
const UserPyCurve kTop =
    Curve({{0.0, 0.0}, {0.005, 30.0}, {0.01, 50.0}, {0.02, 75.0}, {0.04, 100.0}, {0.08, 120.0}});
const UserPyCurve kBottom =
    Curve({{0.0, 0.0}, {0.005, 60.0}, {0.01, 100.0}, {0.02, 150.0}, {0.04, 200.0}, {0.08, 240.0}});

TEST(UserPyCurve, BetweenAtAndBeyondThePoints) {
  const struct {
    double y, p;
  } cases[] = {
      {0.0, 0.0},    {0.0025, 15.0}, {0.005, 30.0}, {0.0075, 40.0}, {0.01, 50.0},  {0.03, 87.5},
      {0.04, 100.0}, {0.06, 110.0},  {0.08, 120.0}, {0.1, 120.0},   {10.0, 120.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(UserCurveP(kTop, c.y), c.p, 1e-12) << c.y;
  }
}

TEST(UserPyCurve, ShortAndOddCurves) {
  // Below a first point off the origin: the line from the origin to it.
  const UserPyCurve late = Curve({{0.01, 20.0}, {0.02, 30.0}, {0.04, 35.0}});
  EXPECT_DOUBLE_EQ(UserCurveP(late, 0.005), 10.0);
  EXPECT_EQ(UserCurveP(late, 0.01), 20.0);
  EXPECT_DOUBLE_EQ(UserCurveP(late, 0.015), 25.0);
  // One point: its p everywhere; none: 0.
  const UserPyCurve one = Curve({{0.01, 20.0}});
  EXPECT_EQ(UserCurveP(one, 0.0), 20.0);
  EXPECT_EQ(UserCurveP(one, 1.0), 20.0);
  EXPECT_EQ(UserCurveP(UserPyCurve{}, 1.0), 0.0);
  // Two points at one deflection: a step, never 0/0.
  const UserPyCurve step = Curve({{0.0, 0.0}, {0.01, 10.0}, {0.01, 20.0}, {0.02, 25.0}});
  EXPECT_EQ(UserCurveP(step, 0.01), 10.0);
  EXPECT_DOUBLE_EQ(UserCurveP(step, 0.015), 22.5);
  // The small-deflection secant is that to the second point.
  EXPECT_DOUBLE_EQ(UserCurveSecant(kTop), 6000.0);
  EXPECT_DOUBLE_EQ(UserCurveSecant(one), 2000.0);
  EXPECT_EQ(UserCurveSecant(Curve({{0.0, 0.0}})), 0.0);
  EXPECT_EQ(UserCurveSecant(UserPyCurve{}), 0.0);
}

// A node between the curves takes the resistance interpolated by its
// position; a node outside their depths gets none.
TEST(UserPyNode, InterpolatedBetweenTheCurvesByDepth) {
  const double d1 = 0.5, d2 = 1.8;
  const struct {
    double x, y, p, s, pl;
  } cases[] = {
      {0.5, 0.01, 50.0, 6000.0, 120.0},
      {1.15, 0.01, 75.0, 9000.0, 180.0},
      {1.8, 0.01, 100.0, 12000.0, 240.0},
      {1.15, 0.5, 180.0, 9000.0, 180.0},  // beyond the last points of both curves
      {1.15, 0.0025, 22.5, 9000.0, 180.0},
      {1.9, 0.01, 0.0, 0.0, 0.0},  // below the deeper curve
      {0.4, 0.01, 0.0, 0.0, 0.0},  // above the upper curve
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y);
    const UserPyNode n = UserPyAt(kTop, kBottom, d1, d2, c.x);
    EXPECT_NEAR(UserPyP(n, c.y), c.p, 1e-9);
    EXPECT_NEAR(n.s, c.s, 1e-9);
    EXPECT_NEAR(n.pl, c.pl, 1e-9);
    // The modulus: the secant with the multipliers, the small-deflection
    // modulus without them below 1e-14.
    EXPECT_NEAR(UserPyEs(n, c.y, 0.5, 2.0), c.y > 0.0 ? 0.5 * c.p / (2.0 * c.y) : c.s, 1e-9);
    EXPECT_EQ(UserPyEs(n, 0.0, 0.5, 2.0), n.s);
  }
  // Curves at one depth: the top curve's last p is the layer integrand
  // wherever the node lies.
  EXPECT_EQ(UserPyAt(kTop, kBottom, 1.0, 1.0 + 1e-7, 3.0).pl, 120.0);
  EXPECT_EQ(UserPyP(UserPyAt(kTop, kBottom, 1.0, 1.0, 1.0), 0.01), 50.0);
}

TEST(UserPyNode, PrintedDeflections) {
  const std::array<double, 17> y = UserPyOutputDeflections(0.4);
  EXPECT_EQ(y[0], 0.0);
  EXPECT_EQ(y[1], double(0.001f));
  EXPECT_EQ(y[2], 0.4 * double(0.00625f));
  EXPECT_EQ(y[13], 0.4 * double(0.075f));
  EXPECT_EQ(y[14], 0.4 * double(0.2f));
  EXPECT_EQ(y[15], 0.4 * double(0.375f));
  EXPECT_EQ(y[16], 0.2);
}

}  // namespace
}  // namespace tarvex
