#include "soil/sand_curves.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

void ExpectRel(double actual, double expected, double rel_tol) {
  EXPECT_NEAR(actual, expected, rel_tol * std::max(1e-12, std::abs(expected)));
}

// --- Default k ---

TEST(DefaultSandK, PowerLawUpToFortyDegreesThenConstant) {
  struct Case {
    UnitSystem units;
    double gamma;
    double coefficient, exponent, constant;
  };
  const Case cases[] = {
      {UnitSystem::kUscs, 0.07, 1.2098290e-7, double(5.694468f), 160.54745},
      {UnitSystem::kSi, 9.0, 3.2840464e-5, double(5.694468f), 43580.148},
      {UnitSystem::kSi, 12.225, 3.2840464e-5, double(5.694468f), 43580.148},
      {UnitSystem::kSi, 12.3, 4.1417488e-6, double(6.4161181f), 78739.0078},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gamma);
    EXPECT_EQ(*DefaultSandK(30.0, c.units, c.gamma), c.coefficient * std::pow(30.0, c.exponent));
    // At 40 degrees the power law meets the constant to within 0.1 %.
    ExpectRel(*DefaultSandK(40.0, c.units, c.gamma), c.constant, 1e-3);
    EXPECT_EQ(*DefaultSandK(41.0, c.units, c.gamma), c.constant);
  }
  EXPECT_FALSE(DefaultSandK(30.0, UnitSystem::kGeneral, 0.07).has_value());
}

// --- Reese's coefficients ---

TEST(ReeseSandCoefficients, InterpolatedHeldAndExtended) {
  struct Case {
    double r;
    bool cyclic;
    double a, b;
  };
  const Case cases[] = {
      {0.0, false, 2.83, 2.14}, {0.25, false, 2.655, 1.985}, {3.5, false, 0.98, 0.62},
      {6.0, false, 0.88, 0.50}, {9.0, false, 0.88, 0.50},    {-0.5, false, 3.18, 2.45},
      {0.0, true, 0.75, 0.53},  {1.25, true, 1.09, 0.845},   {4.5, true, 0.89, 0.55},
      {20.0, true, 0.88, 0.55},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r);
    EXPECT_NEAR(ReeseSandA(c.r, c.cyclic), c.a, 1e-12);
    EXPECT_NEAR(ReeseSandB(c.r, c.cyclic), c.b, 1e-12);
  }
}

// --- Sand after Reese ---

// Wedge and flow-around resistances of flat ground written out from the
// textbook equations.
double TextbookWedge(double phi_deg, double gamma, double b, double z) {
  const double phi = phi_deg * kPi / 180.0, al = phi / 2.0, be = kPi / 4.0 + phi / 2.0;
  const double ka = std::pow(std::tan(kPi / 4.0 - phi / 2.0), 2.0), k0 = 0.4;
  return gamma * z *
         (k0 * z * std::tan(phi) * std::sin(be) / (std::tan(be - phi) * std::cos(al)) +
          std::tan(be) / std::tan(be - phi) * (b + z * std::tan(be) * std::tan(al)) +
          k0 * z * std::tan(be) * (std::tan(phi) * std::sin(be) - std::tan(al)) - ka * b);
}

double TextbookFlow(double phi_deg, double gamma, double b, double z) {
  const double phi = phi_deg * kPi / 180.0, be = kPi / 4.0 + phi / 2.0;
  const double ka = std::pow(std::tan(kPi / 4.0 - phi / 2.0), 2.0), k0 = 0.4;
  return ka * b * gamma * z * (std::pow(std::tan(be), 8.0) - 1.0) +
         k0 * b * gamma * z * std::tan(phi) * std::pow(std::tan(be), 4.0);
}

ReeseSandInput Reese(double zc, double k, bool cyclic) {
  ReeseSandInput in;
  in.b = 24.0;
  in.gamma = 0.0361;  // 62.4 pcf
  in.phi = 35.0;
  in.zc = zc;
  in.zs = zc;
  in.k = k;
  in.ka = SandAnglesOf(35.0).ka;
  in.cyclic = cyclic;
  return in;
}

// Every shape at its own points: the initial line below yk, the parabola
// from yk to ym reaching B ps, the straight part from ym to yu reaching A ps,
// the plateau beyond, and the curve never above the line kz y.
TEST(ReeseSand, FourShapesAtTheirBreakPoints) {
  struct Case {
    double zc, k;
    bool cyclic;
    int shape;
  };
  const Case cases[] = {
      {60.0, 225.0, false, 1}, {60.0, 225.0, true, 1}, {60.0, 15.0, false, 2},
      {60.0, 15.0, true, 2},   {60.0, 1.0, false, 3},  {60.0, 1.0, true, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "k " << c.k << " cyclic " << c.cyclic);
    const ReeseSandNode s = ReeseSandAt(Reese(c.zc, c.k, c.cyclic));
    ASSERT_EQ(s.shape, c.shape);
    const double pst = TextbookWedge(35.0, 0.0361, 24.0, c.zc);
    const double psd = TextbookFlow(35.0, 0.0361, 24.0, c.zc);
    ExpectRel(s.pst, pst, 1e-12);
    ExpectRel(s.psd, psd, 1e-12);
    const double ps = std::min(pst, psd);
    const double a = ReeseSandA(c.zc / 24.0, c.cyclic), b = ReeseSandB(c.zc / 24.0, c.cyclic);
    EXPECT_DOUBLE_EQ(s.yu, 0.9);
    EXPECT_DOUBLE_EQ(s.ym, 0.4);
    ExpectRel(ReeseSandCurve(s, s.ym), b * ps, 1e-12);
    ExpectRel(ReeseSandCurve(s, s.yu), a * ps, 1e-12);
    ExpectRel(ReeseSandCurve(s, 10.0), a * ps, 1e-12);
    ExpectRel(ReeseSandCurve(s, 0.5 * (s.ym + s.yu)), 0.5 * (a + b) * ps, 1e-12);
    // The parabola passes through the point where the line meets it.
    ExpectRel(s.c * std::pow(s.yk, 1.0 / s.n), c.k * c.zc * s.yk, 1e-9);
    ExpectRel(s.pk, c.k * c.zc * s.yk, 1e-9);
    for (double y : {1e-4, 0.01, 0.2, 0.4, 0.6, 0.9, 2.0}) {
      EXPECT_LE(ReeseSandP(s, y), s.kz * y * (1.0 + 1e-12));
    }
    if (c.shape == 1) {
      ExpectRel(ReeseSandP(s, 0.5 * s.yk), s.kz * 0.5 * s.yk, 1e-12);
    }
    // The printed points start at 0 and the last two go past the straight
    // part (shapes 1, 2) or the line's meeting with pu (shape 3).
    const SandCurveDeflections y = ReeseSandOutputDeflections(s);
    EXPECT_EQ(y[0], 0.0);
    if (c.shape == 1) {
      EXPECT_EQ(y[1], s.yk);
      EXPECT_EQ(y[12], s.ym);
      EXPECT_DOUBLE_EQ(y[13], 13.0 * 24.0 / 480.0);
      EXPECT_EQ(y[14], s.yu);
      EXPECT_DOUBLE_EQ(y[16], 1.05 * s.yu);
    } else if (c.shape == 2) {
      const double yi = (s.pu - s.m * s.yu) / (s.kz - s.m);
      ExpectRel(s.kz * yi, s.pm + s.m * (yi - s.ym), 1e-9);
      EXPECT_EQ(y[1], yi);
      EXPECT_EQ(y[14], s.yu);
    } else {
      EXPECT_DOUBLE_EQ(y[14], s.pu / s.kz);
      EXPECT_DOUBLE_EQ(y[16], 1.05 * s.pu / s.kz);
    }
  }
}

TEST(ReeseSand, GroundSurfaceHasNoResistance) {
  const ReeseSandNode s = ReeseSandAt(Reese(0.0, 225.0, false));
  EXPECT_EQ(s.n, 0.0);
  EXPECT_EQ(s.c, 0.0);
  EXPECT_EQ(s.yk, 0.0);
  EXPECT_EQ(s.pk, 0.0);
  for (double y : {0.0, 0.2, 0.4, 0.6, 2.0}) EXPECT_EQ(ReeseSandP(s, y), 0.0);
  EXPECT_EQ(ReeseSandEs(s, 0.0, 1.0, 1.0), 0.0);
}

// A node above the ground keeps n, C and pk of the node above and has yk = 2b.
TEST(ReeseSand, NodeAboveGroundKeepsTheValuesAbove) {
  ReeseSandInput in = Reese(-5.0, 225.0, false);
  in.n_above = 2.5;
  in.c_above = 7.0;
  in.pk_above = 9.0;
  const ReeseSandNode s = ReeseSandAt(in);
  EXPECT_EQ(s.yk, 48.0);
  EXPECT_EQ(s.n, 2.5);
  EXPECT_EQ(s.c, 7.0);
  EXPECT_EQ(s.pk, 9.0);
}

TEST(ReeseSand, ModulusAtSmallAndLargeDeflection) {
  const ReeseSandNode s = ReeseSandAt(Reese(60.0, 225.0, false));
  EXPECT_EQ(ReeseSandEs(s, 0.0, 0.5, 2.0), s.kz);  // no multipliers
  EXPECT_DOUBLE_EQ(ReeseSandEs(s, 0.6, 0.5, 2.0), ReeseSandP(s, 0.6) * 0.5 / (0.6 * 2.0));
}

TEST(SandSlope, DirectionFactors) {
  const double t = 0.25;
  struct Case {
    double y, theta, reese, api;
  };
  const Case cases[] = {
      {1.0, 0.2, 1.25, 1.25},   {1.0, -0.2, 0.75, 0.75}, {-1.0, 0.2, 0.75, 0.75},
      {-1.0, -0.2, 1.25, 1.25}, {0.0, 0.2, 0.75, 1.25},  {0.0, -0.2, 1.25, 1.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << " " << c.theta);
    EXPECT_EQ(ReeseSlopeFactor(c.y, c.theta, t), c.reese);
    EXPECT_EQ(ApiSlopeFactor(c.y, c.theta, t), c.api);
  }
}

TEST(SandSlope, ActiveCoefficientAndWedge) {
  const SandAngles a = SandAnglesOf(35.0);
  // Flat ground gives the Rankine value.
  ExpectRel(*SlopingActiveCoefficient(0.0, a.phi), a.ka, 1e-12);
  // A slope steeper than the friction angle has no active state.
  EXPECT_FALSE(SlopingActiveCoefficient(36.0 * kPi / 180.0, a.phi).has_value());
  // A slope of 1e-12 rad changes nothing; pushing downhill (D = 1 + t)
  // lowers the wedge, uphill (D = 1 - t) raises it.
  ReeseSandInput in = Reese(60.0, 225.0, false);
  const double flat = ReeseSandAt(in).pst;
  in.theta = 1e-16;
  in.y = 1.0;
  EXPECT_EQ(ReeseSandAt(in).pst, flat);
  const double theta = 10.0 * kPi / 180.0;
  in.theta = theta;
  in.ka = *SlopingActiveCoefficient(theta, a.phi);
  const double down = ReeseSandAt(in).pst;
  in.y = -1.0;
  const double up = ReeseSandAt(in).pst;
  EXPECT_LT(down, flat);
  EXPECT_GT(up, flat);
  const double t = std::tan(theta) * std::tan(a.beta);
  EXPECT_DOUBLE_EQ(down, SlopingWedge(a, in.ka, 0.4, 24.0, 0.0361, 60.0, 1.0 + t, t));
}

// --- API sand ---

ApiSandInput Api(double zc, bool cyclic) {
  ApiSandInput in;
  in.b = 24.0;
  in.gamma = 0.0361;
  in.phi = 35.0;
  in.zc = zc;
  in.zs = zc;
  in.k = 90.0;
  in.cyclic = cyclic;
  return in;
}

TEST(ApiSand, WedgeAboveAndFlowBelowTheCrossingDepth) {
  const SandAngles a = SandAnglesOf(35.0);
  const double k0 = double(0.4f);
  const double tp = std::tan(a.phi), tb = std::tan(a.beta), ta = std::tan(a.alpha);
  const double c1 =
      tb * (a.kp * ta + k0 * (tp * std::sin(a.beta) * (1.0 / std::cos(a.alpha) + 1.0) - ta));
  const double c2 = a.kp - a.ka;
  const double c3 = a.kp * a.kp * (k0 * tp + a.kp) - a.ka;
  // (C1 z + C2 b) z gamma = C3 b z gamma at z = (C3 - C2) b / C1.
  const double cross = (c3 - c2) * 24.0 / c1;
  struct Case {
    double zc;
    bool shallow;
  };
  for (const Case c : {Case{0.5 * cross, true}, Case{0.99 * cross, true}, Case{1.01 * cross, false},
                       Case{2.0 * cross, false}}) {
    SCOPED_TRACE(c.zc / cross);
    const ApiSandNode s = ApiSandAt(Api(c.zc, false), a.ka);
    const double pus = (c1 * c.zc + c2 * 24.0) * c.zc * 0.0361;
    const double pud = c3 * 24.0 * c.zc * 0.0361;
    ExpectRel(s.pus, pus, 1e-12);
    ExpectRel(s.pud, pud, 1e-12);
    ExpectRel(s.pu, c.shallow ? pus : pud, 1e-12);
    // The curve: A pu tanh(k z y / (A pu)), starting on the line k z y.
    for (double y : {0.01, 0.5, 3.0}) {
      ExpectRel(ApiSandP(s, y), s.a * s.pu * std::tanh(90.0 * c.zc * y / (s.a * s.pu)), 1e-12);
    }
    // The printed points end at 16 steps, where tanh reaches tanh(pi).
    const double dy = ApiSandOutputStep(s, UnitSystem::kUscs);
    ExpectRel(ApiSandP(s, 16.0 * dy), s.a * s.pu * std::tanh(kPi), 1e-12);
  }
}

TEST(ApiSand, FactorA) {
  struct Case {
    double zc;
    bool cyclic;
    double a;
  };
  const Case cases[] = {{0.0, false, 3.0},         {24.0, false, 3.0 - double(0.8f)},
                        {60.0, false, 1.0},        {240.0, false, double(0.9f)},
                        {0.0, true, double(0.9f)}, {60.0, true, double(0.9f)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.zc);
    EXPECT_NEAR(ApiSandAt(Api(c.zc, c.cyclic), SandAnglesOf(35.0).ka).a, c.a, 1e-7);
  }
}

TEST(ApiSand, SmallDeflectionAndGroundSurface) {
  const ApiSandNode s = ApiSandAt(Api(60.0, false), SandAnglesOf(35.0).ka);
  EXPECT_EQ(ApiSandEs(s, 0.0, 0.5, 2.0), 90.0 * 60.0);  // no multipliers
  EXPECT_DOUBLE_EQ(ApiSandEs(s, 1.0, 0.5, 2.0), 0.5 * ApiSandP(s, 1.0) / 2.0);
  const ApiSandNode top = ApiSandAt(Api(0.0, false), SandAnglesOf(35.0).ka);
  EXPECT_EQ(ApiSandP(top, 1.0), 0.0);
  EXPECT_EQ(ApiSandOutputStep(top, UnitSystem::kUscs), 0.05);
  EXPECT_EQ(ApiSandOutputStep(top, UnitSystem::kSi), 0.00127);
  // Without friction there is no resistance (and no 0/0).
  ApiSandInput none = Api(60.0, false);
  none.phi = 0.0;
  const ApiSandNode frictionless = ApiSandAt(none, SandAnglesOf(0.0).ka);
  EXPECT_NEAR(frictionless.pu, 0.0, 1e-9);
  EXPECT_EQ(ApiSandP(frictionless, 1.0), 0.0);
  EXPECT_EQ(ApiSandEs(frictionless, 1.0, 1.0, 1.0), 0.0);
  // Below rock, the small-deflection modulus takes the true depth.
  ApiSandInput in = Api(60.0, false);
  in.zs = 100.0;
  in.layering_off = true;
  EXPECT_EQ(ApiSandAt(in, SandAnglesOf(35.0).ka).kz, 90.0 * 100.0);
}

// --- Liquefied sand ---

TEST(LiquefiedSand, SiCurveAndUpperLimit) {
  const LiquefiedSandNode s = LiquefiedSandAt(0.6, 2.0, 9.0, true, UnitSystem::kSi);
  EXPECT_EQ(s.zm, 2.0);
  EXPECT_EQ(s.bm, 0.6);
  const double z1 = 3.0;
  const double a = double(3e-7f) * std::pow(z1, double(6.05f));
  const double b = double(2.80f) * std::pow(z1, double(0.11f));
  const double c = double(2.85f) * std::pow(z1, double(-0.41f));
  const double pd = double(3.81f) * std::log(0.6) + double(5.6f);
  ExpectRel(s.pu, std::min(15.0, a * pd * std::pow(150.0 * b, c)), 1e-12);
  for (double y : {0.003, 0.05, 0.15}) {
    ExpectRel(LiquefiedSandP(s, y), std::min(s.pu, a * pd * std::pow(1000.0 * b * y, c)), 1e-12);
  }
  // The upper limit is the curve at 150 mm.
  ExpectRel(LiquefiedSandP(s, 0.15), s.pu, 1e-12);
}

TEST(LiquefiedSand, UscsIsTheSiCurveInPoundsAndInches) {
  const LiquefiedSandNode si = LiquefiedSandAt(0.6096, 3.0, 9.0, true, UnitSystem::kSi);
  const LiquefiedSandNode us = LiquefiedSandAt(24.0, 3.0 / 0.0254, 0.0331, true, UnitSystem::kUscs);
  EXPECT_NEAR(us.zm, 3.0, 1e-12);
  EXPECT_NEAR(us.bm, 0.6096, 1e-12);
  for (double y_in : {0.125, 1.0, 3.0, 5.9055119, 6.2007875}) {
    SCOPED_TRACE(y_in);
    // Up to the single-precision constants of the cap.
    ExpectRel(LiquefiedSandP(us, y_in), double(5.710147f) * LiquefiedSandP(si, y_in * 0.0254),
              1e-6);
  }
  // Upper limit at 150 mm (5.9055 in), capped at 85.652214 lb/in (15 kN/m).
  ExpectRel(us.pu, LiquefiedSandP(us, 5.9055119), 1e-7);
  const LiquefiedSandNode deep = LiquefiedSandAt(48.0, 400.0, 0.0331, true, UnitSystem::kUscs);
  EXPECT_EQ(deep.pu, double(85.652214f));
  const LiquefiedSandNode deep_si = LiquefiedSandAt(1.2, 10.0, 9.0, true, UnitSystem::kSi);
  EXPECT_EQ(deep_si.pu, 15.0);
}

TEST(LiquefiedSand, LowerLayerScalesTheDepthByUnitWeight) {
  EXPECT_EQ(LiquefiedSandAt(0.6, 4.0, 10.0, false, UnitSystem::kSi).zm, 4.0);
  EXPECT_DOUBLE_EQ(LiquefiedSandAt(0.6, 4.0, 8.0, false, UnitSystem::kSi).zm, 3.2);
  // 0.0368396 pci is 10 kN/m3: the depth is unchanged.
  EXPECT_NEAR(LiquefiedSandAt(24.0, 100.0, 0.0368396, false, UnitSystem::kUscs).zm, 2.54, 1e-12);
}

TEST(LiquefiedSand, ModulusIsFiniteAtZeroDeflection) {
  const LiquefiedSandNode s = LiquefiedSandAt(0.6, 2.0, 9.0, true, UnitSystem::kSi);
  const double es0 = LiquefiedSandEs(s, 0.0, 1.0, 1.0);
  EXPECT_TRUE(std::isfinite(es0));
  EXPECT_GE(es0, 0.0);
  EXPECT_DOUBLE_EQ(LiquefiedSandEs(s, 0.01, 0.5, 2.0), 0.25 * LiquefiedSandP(s, 0.01) / 0.01);
}

// --- Equivalent depth of a lower sand layer ---

TEST(SandEquivalentDepth, IsTheDepthWhoseWedgeIntegralIsF) {
  SandLayeringInput in;
  in.b = 24.0;
  in.gamma = 0.0361;
  in.phi = 35.0;
  in.ka = SandAnglesOf(35.0).ka;
  in.zs = 300.0;
  EXPECT_EQ(SandEquivalentDepth(in), 0.0);
  // F from a fine integration of the layer's own wedge resistance down to h.
  const SandAngles a = SandAnglesOf(35.0);
  const double tp = std::tan(a.phi), tb = std::tan(a.beta), ta = std::tan(a.alpha);
  const double c1 =
      tb * (a.kp * ta + 0.4 * (std::sin(a.beta) * (1.0 / std::cos(a.alpha) + 1.0) * tp - ta));
  const double c2 = a.kp - a.ka;
  for (const bool cyclic : {false, true}) {
    const double h = 40.0;
    double f = 0.0;
    const int steps = 20000;
    for (int i = 0; i < steps; ++i) {
      const double z = (i + 0.5) * h / steps;
      f += ReeseSandA(z / 24.0, cyclic) * 0.0361 * (c1 * z * z + c2 * 24.0 * z) * h / steps;
    }
    in.f = f;
    in.cyclic = cyclic;
    EXPECT_NEAR(SandEquivalentDepth(in), h, 0.05);
  }
}

}  // namespace
}  // namespace tarvex
