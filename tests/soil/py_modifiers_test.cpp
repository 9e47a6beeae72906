#include "soil/py_modifiers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tarvex {
namespace {

void ExpectClose(double actual, double expected, double rel_tol) {
  EXPECT_NEAR(actual, expected, rel_tol * std::max(1.0, std::abs(expected)));
}

struct CoefficientCase {
  double x;
  double expected;
  const char* why;
};

TEST(StiffClayCoefficients, StaticFollowsTheCubicUpToItsCap) {
  const CoefficientCase cases[] = {
      {0.0, 0.2345, "surface"},
      {1.0, 0.2345 + 0.2958796 - 0.0786111 + 0.0068981, "cubic"},
      {2.9, 0.2345 + 0.2958796 * 2.9 - 0.0786111 * 8.41 + 0.0068981 * 24.389,
       "cubic just below 0.6"},
      {3.0, 0.6, "cubic already above 0.6 before x = 3.3"},
      {3.31, 0.6, "beyond x = 3.3"},
      {4.163, 0.6, "cubic's local minimum, still above 0.6"},
      {20.0, 0.6, "deep"},
  };
  for (const CoefficientCase& c : cases) {
    SCOPED_TRACE(c.why);
    ExpectClose(StaticCoefficient(c.x), c.expected, 1e-7);
  }
  EXPECT_EQ(StaticCoefficient(0.0), double(0.2345f));  // constants held in single precision
  EXPECT_EQ(StaticCoefficient(5.0), double(0.6f));
}

TEST(StiffClayCoefficients, CyclicFollowsTheCubicUpToItsCap) {
  const CoefficientCase cases[] = {
      {0.0, 0.2, "surface"},
      {1.0, 0.2 + 0.153333 - 0.075 + 0.011667, "cubic"},
      {1.4, 0.2 + 0.153333 * 1.4 - 0.075 * 1.96 + 0.011667 * 2.744, "cubic just below 0.3"},
      {1.45, 0.3, "cubic above 0.3 before x = 1.5"},
      // Between 2.2 and 3 the cubic dips below 0.3 again; only the bound on x holds Ac.
      {2.6, 0.3, "beyond x = 1.5 where the cubic is below 0.3"},
  };
  for (const CoefficientCase& c : cases) {
    SCOPED_TRACE(c.why);
    ExpectClose(CyclicCoefficient(c.x), c.expected, 1e-7);
  }
  EXPECT_EQ(CyclicCoefficient(0.0), double(0.2f));
  EXPECT_EQ(CyclicCoefficient(2.6), double(0.3f));
}

TEST(SlopeBatterFactor, SignsOfSlopeAndDeflectionSelectTheBranch) {
  const double theta = 0.2;
  const double downhill = 1.0 / (1.0 + std::tan(theta));
  const double uphill = 1.0 / (1.0 - std::tan(theta));
  struct Case {
    double theta, y, expected;
  } cases[] = {
      {theta, 0.5, downhill}, {-theta, -0.5, downhill},  // same sign
      {theta, -0.5, uphill},  {-theta, 0.5, uphill},     // opposite signs
      {0.0, 0.5, 1.0},        {theta, 0.0, 1.0},         // either zero
      {1e-21, 0.5, 1.0},      {theta, -1e-21, 1.0},      // within 1e-20 of zero
      {-theta, 1e-21, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "theta " << c.theta << " y " << c.y);
    EXPECT_NEAR(SlopeBatterFactor(c.theta, c.y, false), c.expected, 1e-14);
    EXPECT_NEAR(SlopeBatterFactor(c.theta, c.y, true), c.expected, 1e-7);
  }
}

TEST(SlopeBatterFactor, SinglePrecisionCos45ScalesOnlyTheUphillBranch) {
  const double ratio = double(0.70710677f) / (std::numbers::sqrt2 / 2.0);
  EXPECT_NEAR(SlopeBatterFactor(0.3, -1.0, true) / SlopeBatterFactor(0.3, -1.0, false), ratio,
              1e-15);
  EXPECT_NE(ratio, 1.0);
  EXPECT_EQ(SlopeBatterFactor(0.3, 1.0, true), SlopeBatterFactor(0.3, 1.0, false));
}

// The equivalent depth is where the layer's own resistance, integrated from
// zero depth, equals the resistance F of the layers above. The integrals here
// are written in closed form from the curves' ultimate resistance.

// Soft clay with J = 0.5 (inches, psi, pci).
constexpr double kB = 12.0, kC = 5.0, kGamma = 0.03;

double SoftShallowPu(double z) { return 3.0 * kC * kB + (kGamma * kB + 0.5 * kC) * z; }
double SoftTransition() { return 6.0 * kC * kB / (kGamma * kB + 0.5 * kC); }

double SoftStaticIntegral(double h) {
  const double xr = SoftTransition();
  const double shallow = [](double d) {
    return 3.0 * kC * kB * d + (kGamma * kB + 0.5 * kC) * d * d / 2.0;
  }(std::min(h, xr));
  return h <= xr ? shallow : shallow + 9.0 * kC * kB * (h - xr);
}

// Cyclic: 0.72 pu zc/xr above xr, 0.72 of 9cb below.
double SoftCyclicIntegral(double h) {
  const double xr = SoftTransition();
  const double d = std::min(h, xr);
  const double shallow =
      0.72 / xr * (3.0 * kC * kB * d * d / 2.0 + (kGamma * kB + 0.5 * kC) * d * d * d / 3.0);
  return h <= xr ? shallow : shallow + 0.72 * 9.0 * kC * kB * (h - xr);
}

TEST(SoftClayEquivalentDepth, IntegratesTheStaticResistanceToF) {
  const double xr = SoftTransition();
  ASSERT_NEAR(SoftShallowPu(xr), 9.0 * kC * kB, 1e-9);
  const double at_xr = SoftStaticIntegral(xr);
  for (double f : {0.0, 0.3 * at_xr, at_xr, 1.05 * at_xr, 4.0 * at_xr}) {
    SCOPED_TRACE(f);
    const double heq = SoftClayEquivalentDepth(
        {.b = kB, .c = kC, .gamma = kGamma, .j = 0.5, .f = f, .cyclic = false});
    ExpectClose(SoftStaticIntegral(heq), f, 1e-12);
    EXPECT_EQ(heq > xr + 1e-9, f > at_xr * (1 + 1e-12));
  }
}

TEST(SoftClayEquivalentDepth, CyclicUsesTheCyclicIntegralOnlyBeyondTheTransition) {
  const double xr = SoftTransition();
  const double at_xr = SoftCyclicIntegral(xr);
  const double beyond = 3.0 * at_xr;
  const double heq_beyond = SoftClayEquivalentDepth(
      {.b = kB, .c = kC, .gamma = kGamma, .j = 0.5, .f = beyond, .cyclic = true});
  EXPECT_GT(heq_beyond, xr);
  ExpectClose(SoftCyclicIntegral(heq_beyond), beyond, 1e-12);
  // Within the transition depth the static quadratic is solved for cyclic
  // loading too.
  const double within = 0.5 * at_xr;
  const double heq_within = SoftClayEquivalentDepth(
      {.b = kB, .c = kC, .gamma = kGamma, .j = 0.5, .f = within, .cyclic = true});
  ExpectClose(SoftStaticIntegral(heq_within), within, 1e-12);
}

TEST(SoftClayEquivalentDepth, JEntersTheTransitionDepthAndTheShallowIntegral) {
  // With J other than 0.5 the shallow integral is [(3c + J xr gamma') b + 0.25 xr c] xr.
  const double j = 0.25;
  const double xr = 6.0 * kB * kC / (j * kC + kB * kGamma);
  const double fr = ((3.0 * kC + j * xr * kGamma) * kB + 0.25 * xr * kC) * xr;
  const double f = 2.0 * fr;
  ExpectClose(
      SoftClayEquivalentDepth({.b = kB, .c = kC, .gamma = kGamma, .j = j, .f = f, .cyclic = false}),
      xr + (f - fr) / (9.0 * kC * kB), 1e-12);
}

TEST(StiffClayNoFreeWaterEquivalentDepth, IntegratesTheShallowResistanceToF) {
  const double b = 24.0, c = 20.0, ca = 14.0, gamma = 0.04;
  const double xr = (9.0 * c - 3.0 * ca) * b / (0.5 * ca + gamma * b);
  const double slope = gamma * b + 0.5 * ca;
  ASSERT_NEAR(3.0 * ca * b + slope * xr, 9.0 * c * b, 1e-9);  // pct reaches pcd at xr
  const auto integral = [&](double h) {
    const double d = std::min(h, xr);
    return 3.0 * ca * b * d + slope * d * d / 2.0 + 9.0 * c * b * std::max(0.0, h - xr);
  };
  const double at_xr = integral(xr);
  for (double f : {0.0, 0.4 * at_xr, at_xr, 1.05 * at_xr, 2.5 * at_xr}) {
    SCOPED_TRACE(f);
    const double heq =
        StiffClayNoFreeWaterEquivalentDepth({.b = b, .c = c, .ca = ca, .gamma = gamma, .f = f});
    ExpectClose(integral(heq), f, 1e-12);
    EXPECT_EQ(heq > xr + 1e-9, f > at_xr * (1 + 1e-12));
  }
}

// Stiff clay with free water: the partial sums S_i of the 50-step
// integration, each step adding delta r(As, Ac at z_i/b) times the shallow pct.
std::vector<double> FreeWaterSums(const LayeringInput& in, double xr) {
  const double delta = xr / 50.0;
  std::vector<double> s{0.0};
  for (int i = 1; i <= 50; ++i) {
    const double z = i * delta;
    const double as = StaticCoefficient(z / in.b);
    const double r = in.cyclic ? 0.936 * CyclicCoefficient(z / in.b) - 0.102 * 4.1 * as
                               : 0.5 * std::sqrt(6.0 * as) - 0.411 - 0.75 * as;
    s.push_back(s.back() +
                delta * r * (2.0 * in.ca * in.b + in.gamma * in.b * z + 2.83 * in.ca * z));
  }
  return s;
}

TEST(StiffClayFreeWaterEquivalentDepth, InterpolatesWithinAStepAndExtendsBeyondXr) {
  for (bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic ? "cyclic" : "static");
    LayeringInput in{.b = 12.0, .c = 10.0, .ca = 8.0, .gamma = 0.02, .cyclic = cyclic};
    const double xr = (11.0 * in.c - 2.0 * in.ca) * in.b / (in.gamma * in.b + 2.83 * in.ca);
    const double delta = xr / 50.0;
    const std::vector<double> s = FreeWaterSums(in, xr);

    in.f = 0.0;
    EXPECT_NEAR(StiffClayFreeWaterEquivalentDepth(in), 0.0, 1e-12);
    for (int k : {1, 17, 50}) {  // halfway through step k lies at (k - 1/2) delta
      in.f = 0.5 * (s[k - 1] + s[k]);
      ExpectClose(StiffClayFreeWaterEquivalentDepth(in), (k - 0.5) * delta, 1e-11);
    }
    // Beyond xr the deep residual 11 c b r, with r at xr, carries the rest.
    const double as = StaticCoefficient(xr / in.b);
    const double r = cyclic ? 0.936 * CyclicCoefficient(xr / in.b) - 0.4182 * as
                            : 0.5 * std::sqrt(6.0 * as) - 0.411 - 0.75 * as;
    in.f = s[50] + 11.0 * in.c * r * in.b * 7.0;
    ExpectClose(StiffClayFreeWaterEquivalentDepth(in), xr + 7.0, 1e-11);
  }
}

}  // namespace
}  // namespace tarvex
