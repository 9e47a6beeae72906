#include "soil/silt_loess_curves.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "soil/sand_curves.hpp"

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

void ExpectClose(double actual, double expected, double rel_tol) {
  EXPECT_NEAR(actual, expected, rel_tol * std::max(1.0, std::abs(expected)));
}

// --- Reese sand coefficients ---

TEST(SiltReeseCoefficients, TableKnotsBetweenThemAndBeyond) {
  const struct {
    double r;
    bool cyclic;
    double a, b;
  } cases[] = {
      {0.0, false, 2.83, 2.14},  {0.5, false, 2.48, 1.83}, {2.5, false, 1.23, 0.86},
      {3.5, false, 0.98, 0.62},  {6.0, false, 0.88, 0.50}, {9.0, false, 0.88, 0.50},
      {-0.5, false, 3.18, 2.45}, {0.0, true, 0.75, 0.53},  {1.25, true, 1.09, 0.845},
      {4.5, true, 0.89, 0.55},   {20.0, true, 0.88, 0.55},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "r " << c.r << " cyclic " << c.cyclic);
    ExpectClose(ReeseSandA(c.r, c.cyclic), c.a, 1e-14);
    ExpectClose(ReeseSandB(c.r, c.cyclic), c.b, 1e-14);
  }
}

// --- Cemented silt ---

TEST(SiltDefaults, Eps50ByCohesion) {
  const struct {
    UnitSystem units;
    float bounds[4];
  } tables[] = {{UnitSystem::kUscs, {3.47222f, 6.9444f, 13.8889f, 27.8889f}},
                {UnitSystem::kSi, {23.9401f, 47.8803f, 95.7605f, 191.521f}}};
  const float values[5] = {0.02f, 0.01f, 0.005f, 0.005f, 0.004f};
  for (const auto& t : tables) {
    for (int k = 0; k < 4; ++k) {
      const double bound = double(t.bounds[k]);
      EXPECT_EQ(SiltDefaultEps50(t.units, std::nextafter(bound, 0.0), 0.0), double(values[k]));
      EXPECT_EQ(SiltDefaultEps50(t.units, bound, -1.0), double(values[k + 1]));
    }
    // A value given is kept.
    EXPECT_EQ(SiltDefaultEps50(t.units, 1.0, 0.007), 0.007);
  }
  EXPECT_EQ(SiltDefaultEps50(UnitSystem::kGeneral, 1.0, 0.0), 0.0);
}

TEST(SiltDefaults, KIsCohesiveAndFrictionalPart) {
  const struct {
    UnitSystem units;
    double c, gamma, phi;
    bool cyclic;
    double k;
  } cases[] = {
      {UnitSystem::kUscs, 1.0, 0.05, 30.0, false, 250.0 + 25.0},
      {UnitSystem::kUscs, double(6.94f), 0.04, 30.5, false, 500.0 + 60.0},
      {UnitSystem::kUscs, 20.0, 0.05, 36.0, true, 400.0 + 90.0},
      {UnitSystem::kUscs, double(27.78f), double(0.045f), 40.0, true, 800.0 + 125.0},
      {UnitSystem::kSi, 10.0, 18.0, 25.0, false, 67861.796875 + 6786.18017578125},
      {UnitSystem::kSi, 100.0, 10.0, 33.0, true, 108578.8984375 + 16286.830078125},
      {UnitSystem::kSi, 500.0, 12.5, 38.0, false, 542894.375 + 61075.6015625},
      {UnitSystem::kGeneral, 1.0, 0.05, 30.0, false, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "c " << c.c << " phi " << c.phi);
    EXPECT_EQ(SiltDefaultK(c.units, c.c, c.gamma, c.phi, c.cyclic), c.k);
  }
}

SiltInput SiltCase(double c, double phi_degrees, double zc, double k) {
  SiltInput in;
  in.b = 24.0;
  in.c = c;
  in.gamma = 0.04;
  in.k = k;
  in.zc = zc;
  in.zs = zc;
  in.angles = SiltAnglesAt(phi_degrees * kPi / 180.0, 0.0);
  return in;
}

// A silt of low cohesion 1 ft below the surface in a 2 ft pile, against the
// formulas evaluated separately: the wedge controls, Np < 9.
TEST(SiltCurve, QuantitiesOfANode) {
  const SiltNode n = SiltAt(SiltCase(0.2, 36.0, 12.0, 200.0));
  const double rel = 1e-12;
  ExpectClose(n.pst, 60.066493516454635, rel);
  ExpectClose(n.psd, 705.0315699380177, rel);
  ExpectClose(n.pu_phi, n.pst, rel);
  ExpectClose(n.pu_c, 5.65 * 0.2 * 24.0, rel);
  EXPECT_EQ(n.a, 2.48);
  EXPECT_EQ(n.b_coef, 1.83);
  ExpectClose(n.pu, 176.0849039208075, rel);
  ExpectClose(n.pm, 130.77974027468196, rel);
  ExpectClose(n.m, 90.6103272922511, rel);
  ExpectClose(n.n, 3.608301177769449, rel);
  ExpectClose(n.cbar, 168.58737888174016, rel);
  ExpectClose(n.yk, 0.025375556741118067, 1e-10);
  EXPECT_EQ(n.ym, 0.4);
  EXPECT_EQ(n.yu, 0.9);
  EXPECT_EQ(n.kz, 2400.0);
}

// The curve where its four parts meet: the initial line meets the parabola
// at yk, the parabola reaches pm' at ym', the straight part reaches pu at yu,
// and pu holds beyond.
TEST(SiltCurve, PartsMeetAtTheirBreakPoints) {
  const SiltNode n = SiltAt(SiltCase(0.2, 36.0, 12.0, 200.0));
  const struct {
    double y, p;
  } points[] = {
      {0.0, 0.0},
      {0.5 * n.yk, n.kz * 0.5 * n.yk},
      {n.yk, n.kz * n.yk},
      {n.yk * 1.001, n.cbar * std::pow(n.yk * 1.001, 1.0 / n.n)},
      {0.2, n.cbar * std::pow(0.2, 1.0 / n.n)},
      {n.ym, n.pm},
      {0.65, n.pm + n.m * 0.25},
      {n.yu, n.pu},
      {2.0, n.pu},
  };
  for (const auto& pt : points) {
    SCOPED_TRACE(testing::Message() << "y " << pt.y);
    ExpectClose(SiltP(n, pt.y), pt.p, 1e-9);
  }
  // The parabola meets the line at yk and lies below it beyond.
  ExpectClose(n.cbar * std::pow(n.yk, 1.0 / n.n), n.kz * n.yk, 1e-9);
  EXPECT_LT(SiltP(n, 0.2), n.kz * 0.2);
  // The modulus: the initial line below 1e-14, otherwise the secant with the
  // multipliers.
  EXPECT_EQ(SiltEs(n, 0.0, 0.5, 2.0), n.kz);
  ExpectClose(SiltEs(n, 0.8, 0.5, 2.0), 0.5 * SiltP(n, 0.8) / 0.8 / 2.0, 1e-15);
}

// A small k puts yk beyond yu: the curve is the line k zc y up to pu.
TEST(SiltCurve, SmallKGivesTheLineUpToPu) {
  const SiltNode n = SiltAt(SiltCase(0.2, 36.0, 12.0, 5.0));
  EXPECT_GT(n.yk, n.yu);
  ExpectClose(SiltP(n, 1.0), 60.0, 1e-12);
  ExpectClose(SiltP(n, 10.0), n.pu, 1e-12);
}

// At the ground surface the wedge and flow are zero and so is k zc: the
// curve is 0, also without cohesion at the layer top (no 0/0).
TEST(SiltCurve, GroundSurfaceAndZeroCohesion) {
  for (const double c : {0.2, 0.0}) {
    SCOPED_TRACE(testing::Message() << "c " << c);
    const SiltNode n = SiltAt(SiltCase(c, 30.0, 0.0, 200.0));
    EXPECT_EQ(n.pu_phi, 0.0);
    EXPECT_EQ(n.pu_c, c > 0.0 ? 3.0 * c * 24.0 : 0.0);
    for (const double y : SiltOutputDeflections(n)) {
      EXPECT_EQ(SiltP(n, y), 0.0) << y;
      EXPECT_FALSE(std::isnan(SiltEs(n, y, 1.0, 1.0))) << y;
    }
  }
  // Below the top without cohesion the frictional part remains.
  const SiltNode n = SiltAt(SiltCase(0.0, 30.0, 24.0, 200.0));
  EXPECT_EQ(n.pu_c, 0.0);
  EXPECT_GT(n.pu, 0.0);
  EXPECT_FALSE(std::isnan(SiltP(n, 0.5)));
}

// General units without an input k: k zc = 0 and the curve is 0.
TEST(SiltCurve, NoKGivesNoResistance) {
  const SiltNode n = SiltAt(SiltCase(0.2, 36.0, 12.0, 0.0));
  EXPECT_GT(n.pu, 0.0);
  for (const double y : SiltOutputDeflections(n)) EXPECT_EQ(SiltP(n, y), 0.0) << y;
}

TEST(SiltCurve, PrintedDeflections) {
  const SiltNode n = SiltAt(SiltCase(0.2, 36.0, 12.0, 200.0));
  const SiltLoessDeflections y = SiltOutputDeflections(n);
  EXPECT_EQ(y[0], 0.0);
  ExpectClose(y[1], 0.4 / 12.0, 1e-15);
  ExpectClose(y[12], 0.4, 1e-15);
  EXPECT_EQ(y[13], 0.9);
  EXPECT_EQ(y[14], 0.9 + double(0.05f) * 0.9);
  EXPECT_EQ(y[16], 0.9 + 3.0 * double(0.05f) * 0.9);
}

// Sloping ground: a deflection in the direction of the slope's sign takes
// the wedge with D = 1 + t and the bearing factor over 1 + tan|theta|, one
// against it D = 1 - t and 1/(1 - tan|theta|). A deflection of zero counts
// as one against a positive slope.
TEST(SiltCurve, SlopeChangesTheWedgeAndTheBearingFactorByDirection) {
  SiltInput in = SiltCase(0.2, 36.0, 12.0, 200.0);
  const double flat_pst = SiltAt(in).pst;
  const double flat_np = SiltAt(in).np;
  in.theta = 10.0 * kPi / 180.0;
  in.angles = SiltAnglesAt(36.0 * kPi / 180.0, in.theta);
  in.y = 1.0;
  const SiltNode with = SiltAt(in);
  in.y = 0.0;
  const SiltNode against = SiltAt(in);
  // The sloping wedge with D = 1 + t and 1 - t, evaluated separately.
  ExpectClose(with.pst, 41.613290415313976, 1e-12);
  ExpectClose(against.pst, 101.24862323914309, 1e-12);
  EXPECT_LT(with.np, flat_np);
  ExpectClose(with.np, flat_np / (1.0 + std::tan(in.theta)), 1e-14);
  ExpectClose(against.np,
              flat_np * std::cos(in.theta) * double(0.70710677f) / std::cos(kPi / 4.0 + in.theta),
              1e-14);
  EXPECT_NE(flat_pst, with.pst);
  // The active coefficient on the slope.
  const double c1 = std::cos(in.theta), c2 = std::cos(36.0 * kPi / 180.0);
  const double d = c1 * c1 - c2 * c2;
  ExpectClose(in.angles.ka, c1 * (c1 - std::sqrt(d)) / (c1 + std::sqrt(d)), 1e-15);
}

// The equivalent depth: no resistance above gives 0; a resistance above
// equal to the silt's own integral down to a depth gives that depth.
TEST(SiltEquivalentDepth, InvertsTheLayersOwnIntegral) {
  SiltInput in = SiltCase(0.2, 36.0, 12.0, 200.0);
  EXPECT_EQ(SiltEquivalentDepth(in, 0.0), 0.0);
  const SiltAngles& g = in.angles;
  const double tb = std::tan(g.beta), ta = std::tan(g.alpha), tp = std::tan(g.phi);
  const double c1 =
      tb * (g.kp * ta + g.k0 * (std::sin(g.beta) * (1.0 / std::cos(g.alpha) + 1.0) * tp - ta));
  const double c2 = g.kp - g.ka;
  const double c3 = g.kp * g.kp * (g.kp + g.k0 * tp) - g.ka;
  const double xr = (c3 - c2) * in.b / c1;
  const double dz = xr / 500.0;
  double s = 0.0;
  for (int i = 1; i <= 100; ++i) {
    const double z = i * dz;
    s += ((in.gamma * in.b + 0.5 * in.c) * z +
          ReeseSandA(z / in.b, false) * in.gamma * (c1 * z * z + c2 * in.b * z) +
          3.0 * in.b * in.c) *
         dz;
  }
  ExpectClose(SiltEquivalentDepth(in, s), 100 * dz, 1e-9);
  // Beyond xr the deep resistance carries the rest, linearly.
  const double big = 1e9;
  const double h1 = SiltEquivalentDepth(in, big), h2 = SiltEquivalentDepth(in, 2.0 * big);
  ExpectClose(h2 - h1, big / (0.88 * c3 * in.gamma * in.b * in.zs + 9.0 * in.b * in.c), 1e-9);
}

// --- Loess ---

// pu falls with the number of cycles by 1 + 0.24 ln N; the hyperbola at
// multiples of yref, against the formula evaluated separately.
TEST(LoessCurve, OneAndManyCycles) {
  const double yref = LoessReferenceDeflection(UnitSystem::kUscs);
  EXPECT_EQ(yref, double(0.117f));
  EXPECT_EQ(LoessReferenceDeflection(UnitSystem::kSi), double(0.0029718f));
  EXPECT_EQ(LoessReferenceDeflection(UnitSystem::kGeneral), double(0.0029718f));
  const struct {
    double cycles, pu;
    double at[4];  // p at 0.25, 1, 4 and 50 yref
  } cases[] = {
      {1.0,
       1472.4000334739685,
       {289.9635301407772, 722.9029596971147, 1176.19660337353, 1443.529444582322}},
      {10.0,
       948.3322671931754,
       {186.75751541036723, 465.60186575976593, 757.5558042540972, 929.7375168560544}},
  };
  const double multiples[4] = {0.25, 1.0, 4.0, 50.0};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "cycles " << c.cycles);
    const LoessNode n = LoessAt(300.0, 100.0, 12.0, c.cycles, yref);
    EXPECT_EQ(n.qc, 300.0);
    ExpectClose(n.pu, c.pu, 1e-14);
    ExpectClose(n.ei, c.pu / yref, 1e-14);
    for (int k = 0; k < 4; ++k) ExpectClose(LoessP(n, multiples[k] * yref), c.at[k], 1e-12);
    // The modulus at zero is the limit Ei pm/ym.
    ExpectClose(LoessEs(n, 0.0, 0.8, 2.0), 0.4 * n.ei, 1e-15);
    ExpectClose(LoessEs(n, 1e-9, 0.8, 2.0), 0.4 * n.ei, 1e-7);
    ExpectClose(LoessEs(n, yref, 0.8, 2.0), 0.4 * c.at[1] / yref, 1e-12);
  }
}

// The cone resistance runs from half at the pile head to nearly 1.5 times
// just above 2b, and is used as given from 2b down.
TEST(LoessCurve, ConeResistanceNearThePileHead) {
  const double b = 12.0;
  EXPECT_EQ(LoessAt(300.0, 0.0, b, 1.0, 0.117).qc, 150.0);
  EXPECT_EQ(LoessAt(300.0, 12.0, b, 1.0, 0.117).qc, 300.0);
  EXPECT_NEAR(LoessAt(300.0, std::nextafter(24.0, 0.0), b, 1.0, 0.117).qc, 450.0, 1e-9);
  EXPECT_EQ(LoessAt(300.0, 24.0, b, 1.0, 0.117).qc, 300.0);
  EXPECT_EQ(LoessAt(300.0, 50.0, b, 1.0, 0.117).qc, 300.0);
}

TEST(LoessCurve, CyclesBelowOneCountAsOne) {
  EXPECT_EQ(LoessCycles(0.0), 1.0);
  EXPECT_EQ(LoessCycles(0.5), 1.0);
  EXPECT_EQ(LoessCycles(-5.0), 5.0);
  EXPECT_EQ(LoessCycles(10.1), 10.1);
}

TEST(LoessCurve, PrintedDeflections) {
  const LoessNode n = LoessAt(300.0, 100.0, 12.0, 1.0, 0.5);
  const SiltLoessDeflections y = LoessOutputDeflections(n);
  const double times[17] = {0, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 23, 30, 40, 50};
  for (std::size_t k = 0; k < 17; ++k) EXPECT_EQ(y[k], 0.5 * times[k]) << k;
}

// --- Piedmont residual soil ---

TEST(PiedmontCurve, InitialModulusOfEachFieldTest) {
  const struct {
    UnitSystem units;
    double type;
    double v, ei;
  } cases[] = {
      {UnitSystem::kUscs, 1.0, 10.0, 220.0},
      {UnitSystem::kSi, 1.0, 10.0, 1516.8466186523438},
      {UnitSystem::kUscs, 2.0, 2500.0, 295.00000178813934},
      {UnitSystem::kSi, 2.0, 2500.0, 295.00000178813934},
      {UnitSystem::kUscs, 3.0, 3000.0, 227.9999926686287},
      {UnitSystem::kUscs, 4.0, 1500.0, 352.4999991059303},
      {UnitSystem::kUscs, 4.9, 1500.0, 352.4999991059303},
      {UnitSystem::kUscs, 0.0, 1500.0, 0.0},
      {UnitSystem::kUscs, 5.0, 1500.0, 0.0},
      {UnitSystem::kUscs, -1.0, 1500.0, 0.0},
      {UnitSystem::kGeneral, 1.0, 10.0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " units " << static_cast<int>(c.units));
    EXPECT_EQ(PiedmontModulus(c.units, PiedmontTestOf(c.type), c.v), c.ei);
  }
}

// The curve of each test at its break points: linear to y1, the logarithmic
// part between, pmax from yu on; against the formulas evaluated separately.
TEST(PiedmontCurve, EachTestAtItsBreakPoints) {
  const struct {
    double ei, pmax, p_mid;
  } cases[] = {
      {220.0, 1606.1815583239181, 1373.843826957126},
      {295.00000178813934, 2153.7434662619653, 1842.19968822262},
      {227.9999926686287, 1664.5881069197274, 1423.8017385184799},
      {352.4999991059303, 2573.540899423377, 2201.2724898821584},
      {1516.8466186523438, 11074.232116751762, 9472.319833983238},
  };
  const double b = 30.0;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "Ei " << c.ei);
    const PiedmontNode n = PiedmontAt(c.ei, b);
    EXPECT_EQ(n.y1, double(0.001f) * b);
    EXPECT_EQ(n.yu, double(0.0375f) * b);
    ExpectClose(n.pmax, c.pmax, 1e-14);
    const double below = std::nextafter(n.y1, 0.0);
    EXPECT_EQ(PiedmontP(n, below), c.ei * b * below);
    // Both sides of y1 agree to the rounding of the single-precision 0.001.
    ExpectClose(PiedmontP(n, n.y1), c.ei * b * n.y1, 1e-7);
    ExpectClose(PiedmontP(n, (n.y1 + n.yu) / 2.0), c.p_mid, 1e-12);
    // The logarithmic part ends close to pmax.
    ExpectClose(PiedmontP(n, std::nextafter(n.yu, 0.0)), c.pmax, 1e-3);
    EXPECT_EQ(PiedmontP(n, n.yu), n.pmax);
    EXPECT_EQ(PiedmontP(n, 10.0 * n.yu), n.pmax);
    // The modulus: Ei b / ym without the p-multiplier at zero.
    EXPECT_EQ(PiedmontEs(n, 0.0, 0.5, 2.0), c.ei * b / 2.0);
    ExpectClose(PiedmontEs(n, n.yu, 0.5, 2.0), n.pmax / n.yu * 0.5 / 2.0, 1e-15);
  }
  // No test: no resistance.
  const PiedmontNode none = PiedmontAt(0.0, b);
  EXPECT_EQ(PiedmontP(none, 0.5), 0.0);
  EXPECT_EQ(PiedmontEs(none, 0.5, 1.0, 1.0), 0.0);
}

TEST(PiedmontCurve, PrintedDeflections) {
  const PiedmontNode n = PiedmontAt(100.0, 30.0);
  const SiltLoessDeflections y = PiedmontOutputDeflections(n);
  EXPECT_EQ(y[0], 0.0);
  EXPECT_EQ(y[1], n.y1);
  ExpectClose(y[8], n.y1 + 7.0 * (n.yu - n.y1) / 14.0, 1e-15);
  ExpectClose(y[14], n.y1 + 13.0 * (n.yu - n.y1) / 14.0, 1e-15);
  EXPECT_EQ(y[15], n.yu);
  EXPECT_EQ(y[16], double(1.05f) * n.yu);
}

}  // namespace
}  // namespace tarvex
