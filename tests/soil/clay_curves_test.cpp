#include "soil/clay_curves.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "soil/py_modifiers.hpp"

namespace tarvex {
namespace {

void ExpectClose(double actual, double expected, double rel_tol) {
  EXPECT_NEAR(actual, expected, rel_tol * std::max(1.0, std::abs(expected)));
}

// --- Default tables ---

struct TableCase {
  std::vector<SoilCriterion> criteria;
  UnitSystem units;
  std::array<float, 3> bounds;  // as printed in the table, held in single precision
  std::array<float, 4> values;
};

// Just below each bound the row above applies; at the bound the next row.
void ExpectRows(const TableCase& t, const std::function<std::optional<double>(double)>& lookup) {
  for (int k = 0; k < 3; ++k) {
    const double bound = double(t.bounds[k]);
    SCOPED_TRACE(testing::Message() << "bound " << bound);
    EXPECT_EQ(lookup(std::nextafter(bound, 0.0)), double(t.values[k]));
    EXPECT_EQ(lookup(bound), double(t.values[k + 1]));
  }
  EXPECT_EQ(lookup(0.0), double(t.values[0]));
  EXPECT_EQ(lookup(1e6), double(t.values[3]));
}

TEST(DefaultTables, Eps50BreakPoints) {
  const std::array<float, 4> soft = {0.02f, 0.01f, 0.005f, 0.004f};
  const std::array<float, 4> stiff = {0.011f, 0.007f, 0.005f, 0.004f};
  const TableCase cases[] = {
      {{kSoftClay, kSoftClayJ}, UnitSystem::kUscs, {3.4722223f, 6.9444447f, 27.777779f}, soft},
      {{kSoftClay, kSoftClayJ}, UnitSystem::kSi, {23.940128f, 47.880257f, 191.52103f}, soft},
      {{kStiffClayFreeWater}, UnitSystem::kUscs, {6.9444447f, 13.888889f, 27.777779f}, stiff},
      {{kStiffClayFreeWater}, UnitSystem::kSi, {47.880260f, 95.760521f, 191.52104f}, stiff},
      {{kStiffClayNoFreeWater, kStiffClayNoFreeWaterK},
       UnitSystem::kUscs,
       {6.94f, 13.88f, 27.78f},
       stiff},
      {{kStiffClayNoFreeWater, kStiffClayNoFreeWaterK},
       UnitSystem::kSi,
       {47.8927f, 95.7854f, 191.5708f},
       stiff},
  };
  for (const TableCase& t : cases) {
    for (SoilCriterion criterion : t.criteria) {
      SCOPED_TRACE(testing::Message()
                   << "criterion " << criterion << " units " << static_cast<int>(t.units));
      ExpectRows(t, [&](double c) { return DefaultEps50(criterion, t.units, c); });
    }
  }
}

TEST(DefaultTables, KBreakPoints) {
  const std::array<float, 3> free_water_uscs = {6.9444447f, 13.888889f, 27.777779f};
  const std::array<float, 3> free_water_si = {47.880260f, 95.760521f, 191.52104f};
  const std::array<float, 3> with_k_uscs = {6.94f, 13.88f, 27.78f};
  const std::array<float, 3> with_k_si = {47.8927f, 95.7854f, 191.5708f};
  const std::array<float, 4> cyclic_uscs = {100, 200, 400, 800};
  const std::array<float, 4> static_uscs = {250, 500, 1000, 2000};
  const std::array<float, 4> cyclic_si = {27144.7109375f, 54289.3984375f, 108578.8984375f,
                                          217157.703125f};
  const std::array<float, 4> static_si = {67861.796875f, 135723.59375f, 271447.1875f, 542894.375f};
  for (bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic ? "cyclic" : "static");
    const TableCase cases[] = {
        {{kStiffClayFreeWater},
         UnitSystem::kUscs,
         free_water_uscs,
         cyclic ? cyclic_uscs : static_uscs},
        {{kStiffClayFreeWater}, UnitSystem::kSi, free_water_si, cyclic ? cyclic_si : static_si},
        {{kStiffClayNoFreeWaterK},
         UnitSystem::kUscs,
         with_k_uscs,
         cyclic ? cyclic_uscs : static_uscs},
        {{kStiffClayNoFreeWaterK}, UnitSystem::kSi, with_k_si, cyclic ? cyclic_si : static_si},
    };
    for (const TableCase& t : cases) {
      const SoilCriterion criterion = t.criteria[0];
      SCOPED_TRACE(testing::Message()
                   << "criterion " << criterion << " units " << static_cast<int>(t.units));
      ExpectRows(t, [&](double c) { return DefaultK(criterion, t.units, c, cyclic); });
    }
  }
  // SI values are the single-precision conversions of the USCS ones.
  EXPECT_EQ(*DefaultK(kStiffClayFreeWater, UnitSystem::kSi, 0.0, false), 67861.796875);
}

TEST(DefaultTables, NoDefaultInGeneralUnitsOrOutsideTheirCriteria) {
  for (SoilCriterion criterion : {kSoftClay, kSoftClayJ, kStiffClayFreeWater, kStiffClayNoFreeWater,
                                  kStiffClayNoFreeWaterK}) {
    EXPECT_FALSE(DefaultEps50(criterion, UnitSystem::kGeneral, 5.0)) << criterion;
    EXPECT_FALSE(DefaultK(criterion, UnitSystem::kGeneral, 5.0, false)) << criterion;
  }
  EXPECT_FALSE(DefaultEps50(kSandReese, UnitSystem::kUscs, 5.0));
  EXPECT_FALSE(DefaultK(kSoftClay, UnitSystem::kUscs, 5.0, false));
  EXPECT_FALSE(DefaultK(kStiffClayNoFreeWater, UnitSystem::kUscs, 5.0, false));
}

// --- Soft clay (inches, psi, pci) ---

ClayNodeInput SoftInput(double zc) {
  return {.b = 12.0, .c = 5.0, .gamma = 0.03, .zc = zc, .eps50 = 0.01};
}

TEST(SoftClay, UltimateResistanceAndTransitionDepth) {
  struct Case {
    const char* why;
    ClayNodeInput in;
    double pu_s, pu, zr;
  } cases[] = {
      // Np = 3 at the surface.
      {"surface", SoftInput(0.0), 180.0, 180.0, 360.0 / 2.86},
      // Np = 3 + 0.03 60/5 + 0.5 60/12 = 5.86.
      {"shallow", SoftInput(60.0), 351.6, 351.6, 360.0 / 2.86},
      // Np = 3 + 1.2 + 8.3333 above 9: pu = 9cb.
      {"deep", SoftInput(200.0), (3.0 + 1.2 + 200.0 / 24.0) * 60.0, 540.0, 360.0 / 2.86},
      // The cap applies to the factored Np: 10.6267 times 0.8 is below 9.
      {"slope factor before the cap",
       {.b = 12.0, .c = 5.0, .gamma = 0.03, .zc = 160.0, .eps50 = 0.01, .f = 0.8},
       (3.0 + 0.96 + 160.0 / 24.0) * 60.0,
       (3.0 + 0.96 + 160.0 / 24.0) * 0.8 * 60.0,
       360.0 / 2.86},
      // 8.72 times 1.05 reaches 9.
      {"slope factor reaching the cap",
       {.b = 12.0, .c = 5.0, .gamma = 0.03, .zc = 120.0, .eps50 = 0.01, .f = 1.05},
       8.72 * 60.0,
       540.0,
       360.0 / 2.86},
      // 6cb/(gamma' b + Jc) = 7.2/0.41 lies below 2.5b.
      {"zr floor 2.5b",
       {.b = 12.0, .c = 0.1, .gamma = 0.03, .zc = 0.0, .eps50 = 0.01},
       3.6,
       3.6,
       30.0},
      {"J from the layer",
       {.b = 12.0, .c = 5.0, .gamma = 0.03, .zc = 60.0, .eps50 = 0.01, .j = 1.0},
       (3.0 + 0.36 + 5.0) * 60.0,
       (3.0 + 0.36 + 5.0) * 60.0,
       360.0 / 5.36},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const SoftClayNode node = SoftClayAt(c.in);
    ExpectClose(node.pu_s, c.pu_s, 1e-12);
    ExpectClose(node.pu, c.pu, 1e-12);
    ExpectClose(node.pu_d, 9.0 * c.in.c * c.in.b, 1e-12);
    ExpectClose(node.zr, c.zr, 1e-12);
    ExpectClose(node.y50, 2.5 * c.in.eps50 * c.in.b, 1e-12);
  }
}

struct CurvePoint {
  double y;  // in units of the curve's reference deflection
  double p;  // in units of the curve's reference resistance
};

TEST(SoftClay, StaticCurveRisesAsTheCubeRootToPuAtEightY50) {
  const SoftClayNode node = SoftClayAt(SoftInput(60.0));
  const CurvePoint points[] = {
      {0.0, 0.0},
      {0.5, 0.5 * std::cbrt(0.5)},
      {1.0, 0.5},
      {3.0, 0.5 * std::cbrt(3.0)},
      {7.0, 0.5 * std::cbrt(7.0)},
      {8.0, 1.0},
      {8.01, 1.0},
      {20.0, 1.0},
  };
  for (const CurvePoint& pt : points) {
    SCOPED_TRACE(pt.y);
    ExpectClose(SoftClayP(node, pt.y * node.y50) / node.pu, pt.p, 1e-7);
  }
  EXPECT_EQ(SoftClayP(node, 8.01 * node.y50), node.pu);
}

TEST(SoftClay, CyclicCurveBeyondThreeY50) {
  const double plateau = 0.5 * std::cbrt(3.0);
  // Deep (zc >= zr): flat at the plateau.
  const SoftClayNode deep =
      SoftClayAt({.b = 12.0, .c = 5.0, .gamma = 0.03, .zc = 200.0, .eps50 = 0.01, .cyclic = true});
  ASSERT_GE(deep.zc, deep.zr);
  ExpectClose(deep.pr / deep.pu, plateau, 1e-7);
  const CurvePoint deep_points[] = {{1.0, 0.5}, {3.0, plateau}, {5.0, plateau}, {100.0, plateau}};
  for (const CurvePoint& pt : deep_points) {
    SCOPED_TRACE(pt.y);
    ExpectClose(SoftClayP(deep, pt.y * deep.y50) / deep.pu, pt.p, 1e-7);
  }
  // Shallow (zc < zr): falls linearly to plateau zc/zr at 15 y50, then flat.
  const SoftClayNode shallow =
      SoftClayAt({.b = 12.0, .c = 5.0, .gamma = 0.03, .zc = 50.0, .eps50 = 0.01, .cyclic = true});
  const double ratio = 50.0 / shallow.zr;
  ASSERT_LT(ratio, 1.0);
  const CurvePoint shallow_points[] = {{1.0, 0.5},
                                       {3.0, plateau},
                                       {9.0, plateau * (1.0 + ratio) / 2.0},
                                       {13.5, plateau * (1.0 + (ratio - 1.0) * 10.5 / 12.0)},
                                       {15.0, plateau * ratio},
                                       {40.0, plateau * ratio}};
  for (const CurvePoint& pt : shallow_points) {
    SCOPED_TRACE(pt.y);
    ExpectClose(SoftClayP(shallow, pt.y * shallow.y50) / shallow.pu, pt.p, 1e-7);
  }
}

TEST(SoftClay, SmallDeflectionsTakeTheTangentAtOneHundredThousandthOfY50) {
  const SoftClayNode node = SoftClayAt(SoftInput(60.0));
  // Slope of 0.5 pu (y/y50)^(1/3) at 1e-5 y50, by central difference.
  const double y = 1e-5 * node.y50;
  const double h = 1e-4 * y;
  const auto rise = [&](double d) { return 0.5 * node.pu * std::cbrt(d / node.y50); };
  ExpectClose(node.es_small, (rise(y + h) - rise(y - h)) / (2.0 * h), 1e-6);
  EXPECT_EQ(node.y_small, y);

  const double below = 0.4 * y;
  EXPECT_EQ(SoftClayP(node, below), node.es_small * below);
  EXPECT_EQ(SoftClayEs(node, below, 0.5, 2.0), node.es_small);  // no multipliers
  // From 1e-5 y50 on, the secant with the multipliers.
  const double pm = 0.7, ym = 1.3;
  for (double yh : {y, node.y50, 10.0 * node.y50}) {
    SCOPED_TRACE(yh);
    ExpectClose(SoftClayEs(node, yh, pm, ym), pm * SoftClayP(node, yh) / (ym * yh), 1e-14);
  }
}

TEST(SoftClay, LayerResistanceIntegrand) {
  const SoftClayNode stat = SoftClayAt(SoftInput(50.0));
  EXPECT_EQ(SoftClayResistanceIntegrand(stat).r, stat.pu);
  EXPECT_FALSE(SoftClayResistanceIntegrand(stat).r_shallow);

  ClayNodeInput in = SoftInput(50.0);
  in.cyclic = true;
  const SoftClayNode shallow = SoftClayAt(in);
  const SoftClayIntegrand r = SoftClayResistanceIntegrand(shallow);
  EXPECT_EQ(r.r, shallow.pr);
  ASSERT_TRUE(r.r_shallow);
  ExpectClose(*r.r_shallow, shallow.pr * 50.0 / shallow.zr, 1e-14);

  in.zc = 200.0;
  const SoftClayNode deep = SoftClayAt(in);
  EXPECT_EQ(SoftClayResistanceIntegrand(deep).r, deep.pr);
  EXPECT_FALSE(SoftClayResistanceIntegrand(deep).r_shallow);
}

TEST(SoftClay, OutputDeflections) {
  const SoftClayNode node = SoftClayAt(SoftInput(60.0));
  const double multiples[kClayCurvePoints] = {0,   0.008, 0.25, 0.5,  0.75, 1.0, 1.25, 1.5, 1.75,
                                              2.0, 2.25,  2.5,  2.75, 3.0,  8.0, 8.2,  8.4};
  const ClayCurveDeflections y = SoftClayOutputDeflections(node);
  for (int k = 0; k < kClayCurvePoints; ++k) {
    ExpectClose(y[k], multiples[k] * node.y50, 1e-15);
  }
  EXPECT_EQ(SoftClayP(node, y[0]), 0.0);
}

// --- Stiff clay with free water (inches, psi, pci) ---

ClayNodeInput FreeWaterInput(double zc, double k, bool cyclic) {
  return {.b = 12.0,
          .c = 10.0,
          .ca = 8.0,
          .gamma = 0.02,
          .zc = zc,
          .eps50 = 0.005,
          .k = k,
          .cyclic = cyclic};
}

TEST(StiffClayFreeWater, NodeQuantities) {
  const StiffClayFreeWaterNode node = StiffClayFreeWaterAt(FreeWaterInput(24.0, 500.0, false));
  EXPECT_EQ(node.y50, 0.005 * 12.0);  // eps50 b, no factor 2.5
  ExpectClose(node.as, 0.2345 + 0.2958796 * 2 - 0.0786111 * 4 + 0.0068981 * 8, 1e-7);
  EXPECT_EQ(node.ac, double(0.3f));  // x = 2 is beyond 1.5
  ExpectClose(node.pct, 192.0 + 5.76 + 543.36, 1e-12);
  ExpectClose(node.pcd, 1320.0, 1e-12);
  EXPECT_EQ(node.pc, node.pct);
  ExpectClose(node.es0, 500.0 * 24.0, 1e-12);
  ExpectClose(node.yp, 4.1 * node.as * node.y50, 1e-12);

  ClayNodeInput sloped = FreeWaterInput(24.0, 500.0, false);
  sloped.f = 0.5;
  const StiffClayFreeWaterNode factored = StiffClayFreeWaterAt(sloped);
  ExpectClose(factored.pct, 0.5 * node.pct, 1e-12);
  EXPECT_EQ(factored.pct_unfactored, node.pct);
  EXPECT_EQ(factored.pc, factored.pct);

  // Deep: pct = 192 + 24 + 2264 exceeds 11cb.
  EXPECT_EQ(StiffClayFreeWaterAt(FreeWaterInput(100.0, 500.0, false)).pc, 11.0 * 10.0 * 12.0);
}

TEST(StiffClayFreeWater, StaticCurveAtItsBreakPoints) {
  // k large enough that the initial line does not govern.
  const StiffClayFreeWaterNode node = StiffClayFreeWaterAt(FreeWaterInput(24.0, 1e6, false));
  const double a = node.as;
  const double peak = 0.5 * std::sqrt(6.0 * a);
  const double pres = peak - 0.411 - 0.75 * a;
  ExpectClose(node.pres / node.pc, pres, 1e-12);
  const CurvePoint points[] = {
      {0.25, 0.5 * std::sqrt(0.25 * a)},
      {1.0, 0.5 * std::sqrt(a)},
      {6.0, peak - 0.055 * std::pow(5.0, 1.25)},
      {12.0, peak - 0.411 - 0.0625 * 6.0 * a},
      {18.0, pres},
      {30.0, pres},
  };
  for (const CurvePoint& pt : points) {
    SCOPED_TRACE(pt.y);
    ExpectClose(StiffClayFreeWaterP(node, pt.y * a * node.y50) / node.pc, pt.p, 1e-12);
  }
}

TEST(StiffClayFreeWater, CyclicCurveAtItsBreakPoints) {
  const StiffClayFreeWaterNode node = StiffClayFreeWaterAt(FreeWaterInput(24.0, 1e6, true));
  const double ac = node.ac;
  const double yp_y50 = node.yp / node.y50;
  const double pres = 0.936 * ac - 0.102 * yp_y50;
  ASSERT_GT(pres, 0.0);
  ExpectClose(node.pres / node.pc, pres, 1e-12);
  const CurvePoint points[] = {
      {0.0, 0.0},
      {0.45, ac},
      {0.6, ac * (1.0 - std::pow(1.0 / 3.0, 2.5))},
      {1.2, 0.936 * ac - 0.085 * 0.6 * yp_y50},
      {1.8, pres},
      {3.0, pres},
  };
  for (const CurvePoint& pt : points) {
    SCOPED_TRACE(pt.y);
    ExpectClose(StiffClayFreeWaterP(node, pt.y * node.yp) / node.pc, pt.p, 1e-12);
  }
}

TEST(StiffClayFreeWater, InitialLineLimitsTheCurveAndGivesTheSmallDeflectionModulus) {
  for (bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic ? "cyclic" : "static");
    const StiffClayFreeWaterNode soft_k = StiffClayFreeWaterAt(FreeWaterInput(24.0, 5.0, cyclic));
    const double y = 0.3 * soft_k.as * soft_k.y50;
    ExpectClose(StiffClayFreeWaterP(soft_k, y), soft_k.es0 * y, 1e-14);
    // Below 1e-14 the modulus is k zc whatever the multipliers.
    EXPECT_EQ(StiffClayFreeWaterEs(soft_k, 0.0, 0.5, 2.0), 120.0);
    EXPECT_EQ(StiffClayFreeWaterEs(soft_k, 5e-15, 0.5, 2.0), 120.0);
    ExpectClose(StiffClayFreeWaterEs(soft_k, y, 0.5, 2.0), 0.5 * soft_k.es0 / 2.0, 1e-14);
  }
}

TEST(StiffClayFreeWater, OutputDeflections) {
  const StiffClayFreeWaterNode stat = StiffClayFreeWaterAt(FreeWaterInput(24.0, 500.0, false));
  const ClayCurveDeflections ys = StiffClayFreeWaterOutputDeflections(stat);
  const double ay50 = stat.as * stat.y50;
  const double static_multiples[kClayCurvePoints] = {0,   0.5, 1,   1.5, 2,  2.5, 3,  3.5, 4,
                                                     4.5, 5,   5.5, 6,   10, 14,  18, 19};
  const StiffClayFreeWaterNode cyc = StiffClayFreeWaterAt(FreeWaterInput(24.0, 500.0, true));
  const ClayCurveDeflections yc = StiffClayFreeWaterOutputDeflections(cyc);
  const double cyclic_multiples[kClayCurvePoints] = {
      0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5, 0.55, 0.6, 1.0, 1.4, 1.8, 1.9};
  for (int k = 0; k < kClayCurvePoints; ++k) {
    ExpectClose(ys[k], static_multiples[k] * ay50, 1e-15);
    ExpectClose(yc[k], cyclic_multiples[k] * cyc.yp, 1e-15);
  }
}

// --- Stiff clay without free water (inches, psi, pci) ---

ClayNodeInput NoFreeWaterInput(bool cyclic, double n, double k = 0.0) {
  return {.b = 24.0,
          .c = 15.0,
          .gamma = 0.035,
          .zc = 36.0,
          .eps50 = 0.005,
          .k = k,
          .cyclic = cyclic,
          .n_cycles = n};
}

TEST(StiffClayNoFreeWater, NodeQuantities) {
  for (bool with_k : {false, true}) {
    SCOPED_TRACE(with_k ? "with k" : "without k");
    const StiffClayNoFreeWaterNode node =
        StiffClayNoFreeWaterAt(NoFreeWaterInput(false, 1.0), with_k);
    EXPECT_EQ(node.y50, 2.5 * 0.005 * 24.0);
    // 3cb + gamma' b zc + 0.5 c zc = 1080 + 30.24 + 270.
    ExpectClose(node.pct, 1380.24, 1e-12);
    ExpectClose(node.pcd, 3240.0, 1e-12);
    EXPECT_EQ(node.pu, node.pct);
  }
  ClayNodeInput sloped = NoFreeWaterInput(false, 1.0);
  sloped.f = 0.75;
  const StiffClayNoFreeWaterNode factored = StiffClayNoFreeWaterAt(sloped, false);
  ExpectClose(factored.pct_unfactored, 1380.24, 1e-12);
  ExpectClose(factored.pu, 0.75 * 1380.24, 1e-12);
  ClayNodeInput deep = NoFreeWaterInput(false, 1.0);
  deep.zc = 500.0;
  EXPECT_EQ(StiffClayNoFreeWaterAt(deep, false).pu, 9.0 * 15.0 * 24.0);
}

TEST(StiffClayNoFreeWater, StaticCurveReachesPuAtSixteenY50) {
  const StiffClayNoFreeWaterNode node = StiffClayNoFreeWaterAt(NoFreeWaterInput(false, 1.0), false);
  const CurvePoint points[] = {{0.5, 0.5 * std::pow(0.5, 0.25)},
                               {1.0, 0.5},
                               {8.0, 0.5 * std::pow(8.0, 0.25)},
                               {16.0, 1.0},
                               {40.0, 1.0}};
  for (const CurvePoint& pt : points) {
    SCOPED_TRACE(pt.y);
    ExpectClose(StiffClayNoFreeWaterP(node, pt.y * node.y50) / node.pu, pt.p, 1e-12);
  }
}

TEST(StiffClayNoFreeWater, CyclicCurveStretchesWithLogN) {
  for (double n : {10.0, 100.0}) {
    SCOPED_TRACE(n);
    const StiffClayNoFreeWaterNode node = StiffClayNoFreeWaterAt(NoFreeWaterInput(true, n), false);
    const double stretch = 1.0 + 0.6 * std::log10(n);
    const double y_pu = (16.0 + 9.6 * std::log10(n)) * node.y50;
    ExpectClose(StiffClayNoFreeWaterP(node, stretch * node.y50), 0.5 * node.pu, 1e-12);
    ExpectClose(StiffClayNoFreeWaterP(node, y_pu), node.pu, 1e-12);
    EXPECT_LT(StiffClayNoFreeWaterP(node, 0.99 * y_pu), 0.999 * node.pu);
    EXPECT_EQ(StiffClayNoFreeWaterP(node, 2.0 * y_pu), node.pu);
  }
  // One cycle, or fewer (raised to one), is the static curve.
  const StiffClayNoFreeWaterNode stat = StiffClayNoFreeWaterAt(NoFreeWaterInput(false, 1.0), false);
  for (double n : {1.0, 0.4}) {
    const StiffClayNoFreeWaterNode cyc = StiffClayNoFreeWaterAt(NoFreeWaterInput(true, n), false);
    for (double y : {0.0, 1e-3, 0.3, 1.0, 2.4, 4.8, 10.0}) {
      SCOPED_TRACE(testing::Message() << "N " << n << " y " << y);
      ExpectClose(StiffClayNoFreeWaterP(cyc, y), StiffClayNoFreeWaterP(stat, y), 1e-14);
    }
  }
}

TEST(StiffClayNoFreeWater, NumberOfCycles) {
  struct Case {
    double n;
    bool with_k;
    double expected;
  } cases[] = {
      {0.0, false, 1.0}, {0.5, false, 1.0},   {-3.0, false, 1.0},
      {1.0, false, 1.0}, {20.0, false, 20.0}, {0.0, true, 1.0},
      {0.5, true, 0.5},  {-3.0, true, -3.0},  {20.0, true, 20.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StiffClayNoFreeWaterCycles(c.n, c.with_k), c.expected)
        << "N " << c.n << (c.with_k ? " with k" : " without k");
    EXPECT_EQ(StiffClayNoFreeWaterAt(NoFreeWaterInput(true, c.n, 100.0), c.with_k).n_cycles,
              c.expected);
  }
}

TEST(StiffClayNoFreeWater, SmallDeflectionsWithoutKTakeTheStaticSecantAtTwoHundredThousandthsOfB) {
  for (bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic ? "cyclic" : "static");
    const StiffClayNoFreeWaterNode node =
        StiffClayNoFreeWaterAt(NoFreeWaterInput(cyclic, 50.0), false);
    const double yt = 2e-5 * 24.0;
    EXPECT_EQ(node.y_small, yt);
    ExpectClose(node.es_small * yt, 0.5 * node.pu * std::pow(yt / node.y50, 0.25), 1e-12);
    EXPECT_EQ(StiffClayNoFreeWaterP(node, 0.5 * yt), node.es_small * 0.5 * yt);
    EXPECT_EQ(StiffClayNoFreeWaterEs(node, 0.5 * yt, 0.5, 2.0), node.es_small);
    const double y = 0.7;
    ExpectClose(StiffClayNoFreeWaterEs(node, y, 0.5, 2.0),
                0.5 * StiffClayNoFreeWaterP(node, y) / y / 2.0, 1e-14);
  }
}

TEST(StiffClayNoFreeWater, WithKTheInitialLineLimitsTheRisingCurve) {
  // es0 = 20 36 = 720: the line governs below the crossing with the curve.
  for (bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic ? "cyclic" : "static");
    const StiffClayNoFreeWaterNode node =
        StiffClayNoFreeWaterAt(NoFreeWaterInput(cyclic, 1.0, 20.0), true);
    EXPECT_EQ(node.es0, 720.0);
    EXPECT_EQ(node.y_small, 1e-14);
    EXPECT_EQ(StiffClayNoFreeWaterEs(node, 0.0, 0.5, 2.0), 720.0);
    for (double y : {1e-3, 0.5, 2.0}) {
      SCOPED_TRACE(y);
      const double rise = 0.5 * node.pu * std::pow(y / node.y50, 0.25);
      ExpectClose(StiffClayNoFreeWaterP(node, y), std::min(rise, 720.0 * y), 1e-14);
    }
    EXPECT_EQ(StiffClayNoFreeWaterP(node, 1e-3), 720.0 * 1e-3);
  }
  // Static beyond 16 y50 the curve is pu even where the line lies below it.
  const StiffClayNoFreeWaterNode weak =
      StiffClayNoFreeWaterAt(NoFreeWaterInput(false, 1.0, 0.01), true);
  const double y = 17.0 * weak.y50;
  ASSERT_LT(weak.es0 * y, weak.pu);
  EXPECT_EQ(StiffClayNoFreeWaterP(weak, y), weak.pu);
}

TEST(StiffClayNoFreeWater, OutputDeflections) {
  const double fractions[14] = {0.00001, 0.00005, 0.0001, 0.0005, 0.001, 0.005, 0.01,
                                0.025,   0.05,    0.075,  0.1,    0.25,  0.5,   1.0};
  struct Case {
    bool cyclic;
    double n;
    double ye;  // in y50
  } cases[] = {{false, 1.0, 16.8}, {true, 10.0, 1.25 * 25.6}, {true, 1.0, 20.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "cyclic " << c.cyclic << " N " << c.n);
    const StiffClayNoFreeWaterNode node =
        StiffClayNoFreeWaterAt(NoFreeWaterInput(c.cyclic, c.n), false);
    const ClayCurveDeflections y = StiffClayNoFreeWaterOutputDeflections(node);
    const double yu = 16.0 * node.y50;
    EXPECT_EQ(y[0], 0.0);
    for (int k = 0; k < 14; ++k) ExpectClose(y[1 + k], fractions[k] * yu, 1e-15);
    ExpectClose(y[15], (16.0 + c.ye) / 2.0 * node.y50, 1e-13);
    ExpectClose(y[16], c.ye * node.y50, 1e-13);
  }
}

}  // namespace
}  // namespace tarvex
