#include "soil/rock_curves.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarvex {
namespace {

void ExpectRel(double actual, double expected, double rel_tol) {
  EXPECT_NEAR(actual, expected, rel_tol * std::max(1e-12, std::abs(expected)));
}

// --- Weak rock ---

WeakRockInput Rock(double xr, double rqd) { return {36.0, 800.0, rqd, 75000.0, 0.0002, xr}; }

TEST(WeakRock, ResistanceAndModulusOnBothSidesOfThreeWidths) {
  struct Case {
    double xr, rqd;
    double alpha_r, pur, kir;
  };
  const double a50 = 1.0 - 50.0 * double(0.0066666668f);
  const Case cases[] = {
      {0.0, 50.0, a50, a50 * 800.0 * 36.0, 75000.0 * 100.0},
      {54.0, 50.0, a50, a50 * 800.0 * 36.0 * (1.0 + double(1.4f) * 1.5), 75000.0 * 300.0},
      {108.0, 50.0, a50, a50 * 800.0 * 36.0 * (1.0 + double(1.4f) * 3.0), 75000.0 * 500.0},
      {200.0, 50.0, a50, double(5.2f) * a50 * 800.0 * 36.0, 75000.0 * 500.0},
      {200.0, 100.0, 1.0 - 100.0 * double(0.0066666668f),
       double(5.2f) * (1.0 - 100.0 * double(0.0066666668f)) * 800.0 * 36.0, 75000.0 * 500.0},
      {200.0, 0.0, 1.0, double(5.2f) * 800.0 * 36.0, 75000.0 * 500.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "xr " << c.xr << " rqd " << c.rqd);
    const WeakRockNode s = WeakRockAt(Rock(c.xr, c.rqd));
    ExpectRel(s.alpha_r, c.alpha_r, 1e-15);
    ExpectRel(s.pur, c.pur, 1e-12);
    ExpectRel(s.kir, c.kir, 1e-12);
  }
  EXPECT_NEAR(WeakRockAt(Rock(0.0, 100.0)).alpha_r, 1.0 / 3.0, 1e-7);
  // At three widths the two branches meet.
  const WeakRockNode at = WeakRockAt(Rock(108.0, 50.0));
  const WeakRockNode past = WeakRockAt(Rock(std::nextafter(108.0, 200.0), 50.0));
  ExpectRel(at.pur, past.pur, 1e-7);
  ExpectRel(at.kir, past.kir, 1e-12);
}

TEST(WeakRock, CurveAtItsBreakPoints) {
  const WeakRockNode s = WeakRockAt(Rock(54.0, 50.0));
  const double yrm = 0.0002 * 36.0;
  EXPECT_DOUBLE_EQ(s.yrm, yrm);
  ExpectRel(s.ya, std::pow(s.pur / (2.0 * std::pow(yrm, 0.25) * s.kir), double(1.333f)), 1e-15);
  // The initial line below yA, the quarter-power parabola above it, which
  // reaches pur at 16 yrm, and pur beyond.
  EXPECT_DOUBLE_EQ(WeakRockP(s, 0.5 * s.ya), s.kir * 0.5 * s.ya);
  EXPECT_DOUBLE_EQ(WeakRockP(s, 2.0 * s.ya), s.pur / 2.0 * std::pow(2.0 * s.ya / yrm, 0.25));
  ExpectRel(WeakRockP(s, 16.0 * yrm), s.pur, 1e-12);
  EXPECT_EQ(WeakRockP(s, 20.0 * yrm), s.pur);
  // The line and the parabola nearly meet at yA (exponent 1.333 for 4/3).
  ExpectRel(s.kir * s.ya, s.pur / 2.0 * std::pow(s.ya / yrm, 0.25), 2e-2);
  EXPECT_EQ(WeakRockEs(s, 0.5 * s.ya, 0.5, 2.0), s.kir);  // no multipliers
  EXPECT_DOUBLE_EQ(WeakRockEs(s, 8.0 * yrm, 0.5, 2.0),
                   0.5 * WeakRockP(s, 8.0 * yrm) / (8.0 * yrm) / 2.0);
  const RockCurveDeflections y = WeakRockOutputDeflections(s);
  EXPECT_EQ(y[0], 0.0);
  EXPECT_EQ(y[1], s.ya);
  EXPECT_DOUBLE_EQ(y[7], s.ya + double(0.2f) * (16.0 * yrm - s.ya));
  EXPECT_EQ(y[15], 16.0 * yrm);
  EXPECT_EQ(y[16], 20.0 * yrm);
}

// --- Vuggy limestone ---

TEST(VuggyLimestone, CurveAtItsBreakPointsAndBeyondY2) {
  const double b = 48.0, qu = 1500.0, gamma = 0.08;
  for (const double zs : {0.0, 240.0}) {
    SCOPED_TRACE(zs);
    const VuggyLimestoneNode s = VuggyLimestoneAt(b, qu, gamma, zs);
    const double su = 750.0;
    EXPECT_DOUBLE_EQ(s.y1, double(0.0004f) * b);
    ExpectRel(s.y2, 0.0024 * b, 1e-7);  // 0.8 in single precision
    EXPECT_DOUBLE_EQ(VuggyLimestoneP(s, 0.5 * s.y1), 2000.0 * su * 0.5 * s.y1);
    ExpectRel(VuggyLimestoneP(s, s.y1), double(0.8f) * b * su, 1e-12);
    ExpectRel(VuggyLimestoneP(s, s.y2), b * su, 1e-9);
    // Beyond y2 the residual 0.5 gamma' b zs, zero at the ground surface.
    EXPECT_EQ(VuggyLimestoneP(s, 1.0001 * s.y2), 0.5 * gamma * b * zs);
    EXPECT_EQ(VuggyLimestoneEs(s, 0.0, 0.5, 2.0), 2000.0 * su / 2.0);
    const RockCurveDeflections y = VuggyLimestoneOutputDeflections(s);
    EXPECT_EQ(y[0], 0.0);
    EXPECT_EQ(y[1], s.y1);
    EXPECT_DOUBLE_EQ(y[8], s.y1 + 7.0 * (s.y2 - s.y1) / 15.0);
    EXPECT_EQ(y[16], s.y2);
  }
}

// --- Massive rock ---

MassiveRockInput Massive(double zs, UnitSystem units) {
  MassiveRockInput in;
  in.b = 36.0;
  in.zs = zs;
  in.gamma = 0.09;
  in.sigci = 5000.0;
  in.ei = 2.0e6;
  in.ei_pile = 3.0e11;
  in.units = units;
  return in;
}

TEST(MassiveRock, HyperbolaAtItsBreakPoints) {
  for (const double zs : {12.0, 120.0, 600.0}) {
    SCOPED_TRACE(zs);
    const MassiveRockNode s = MassiveRockAt(Massive(zs, UnitSystem::kUscs));
    ASSERT_TRUE(std::isfinite(s.pu));
    EXPECT_GT(s.pu, 0.0);
    EXPECT_EQ(s.pu, std::min(s.pd, s.pw));
    EXPECT_GT(s.phi, 0.0);
    EXPECT_LT(s.phi, 3.141592653589793 / 2.0);
    // Slope Ki at the origin, half of pu at pu/Ki, pu approached far out.
    EXPECT_EQ(MassiveRockP(s, 0.0), 0.0);
    ExpectRel(MassiveRockP(s, 1e-9) / 1e-9, s.ki, 1e-6);
    ExpectRel(MassiveRockP(s, s.pu / s.ki), s.pu / 2.0, 1e-12);
    ExpectRel(MassiveRockP(s, 1e6 * s.pu / s.ki), s.pu, 1e-5);
    ExpectRel(s.erm, 2.0e6 / 100.0 * std::exp(double(1.9354838f)), 1e-15);
    ExpectRel(s.ki,
              s.erm * std::pow(3.0e11 / (s.erm * std::pow(36.0, 4.0)), double(0.284f)) *
                  (36.0 / 12.0) * std::exp(double(-0.8f)),
              1e-12);
    EXPECT_EQ(MassiveRockEs(s, 0.0, 0.5, 2.0), 36.0 * s.ki / 2.0);
  }
  // The deep resistance grows with depth.
  EXPECT_LT(MassiveRockAt(Massive(12.0, UnitSystem::kUscs)).pd,
            MassiveRockAt(Massive(600.0, UnitSystem::kUscs)).pd);
}

TEST(MassiveRock, GroundSurfaceTakesASmallDepth) {
  EXPECT_EQ(MassiveRockAt(Massive(0.0, UnitSystem::kUscs)).pu,
            MassiveRockAt(Massive(0.0001, UnitSystem::kUscs)).pu);
  EXPECT_EQ(MassiveRockAt(Massive(0.0, UnitSystem::kSi)).pu,
            MassiveRockAt(Massive(2.54e-6, UnitSystem::kSi)).pu);
  EXPECT_TRUE(std::isfinite(MassiveRockAt(Massive(0.0, UnitSystem::kUscs)).pu));
}

}  // namespace
}  // namespace tarvex
