// Strips, bar and strand positions and the areas of every material.
#include "section/section_geometry.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "section/cut_section.hpp"

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

double Sum(const std::array<double, kSliceCount + 1>& a) {
  double s = 0.0;
  for (int i = 1; i <= kSliceCount; ++i) s += a[static_cast<std::size_t>(i)];
  return s;
}

TEST(Strips, CircleOf36InchesIsCutIntoSymmetricStripsOfItsArea) {
  SectionSlices s;
  SetStripBoundaries(18.0, 36.0, &s);
  AddCircleStripAreas(s, 36.0, 0.0, &s.concrete);
  EXPECT_DOUBLE_EQ(s.h, 0.36);
  EXPECT_DOUBLE_EQ(s.d[1], 0.18);
  EXPECT_DOUBLE_EQ(s.d[100], 35.82);
  EXPECT_DOUBLE_EQ(s.y[100], -18.0);
  for (int i = 1; i <= 50; ++i) {
    EXPECT_NEAR(s.concrete[static_cast<std::size_t>(i)],
                s.concrete[static_cast<std::size_t>(101 - i)], 1e-11)
        << "strip " << i;
  }
  EXPECT_NEAR(Sum(s.concrete), kPi * 36.0 * 36.0 / 4.0, 1e-9);
  // The middle strip is nearly a rectangle 36 x 0.36.
  EXPECT_NEAR(s.concrete[50], 36.0 * 0.36, 0.01);
}

TEST(Strips, PolygonStripsAddUpToTheOutline) {
  SectionOutline octagon;
  OctagonOutline(24.0, &octagon);
  SectionSlices s;
  SetStripBoundaries(12.0, 24.0, &s);
  AddPolygonStripAreas(s, octagon, &s.concrete);
  // Octagon of width 24 across flats, sides 0.4142 D: area D^2 (1 - 2 c^2 / D^2 ...).
  const double c = 12.0 - 0.2071 * 24.0;
  EXPECT_NEAR(PolygonArea(octagon), 24.0 * 24.0 - 2.0 * c * c, 1e-9);
  EXPECT_NEAR(Sum(s.concrete), 24.0 * 24.0 - 2.0 * c * c, 1e-9);
  // A middle strip spans the full width; a top strip is narrowed by the chamfers.
  EXPECT_NEAR(s.concrete[50], 24.0 * 0.24, 1e-9);
  EXPECT_NEAR(s.concrete[1], (2.0 * 0.2071 * 24.0 + 0.24) * 0.24, 1e-9);
}

TEST(Strips, PolygonInertiaOfASquareAndAnOctagon) {
  SectionOutline p;
  RectangleOutline(12.0, 24.0, &p);
  EXPECT_NEAR(PolygonInertia(p), 12.0 * 24.0 * 24.0 * 24.0 / 12.0, 1e-8);
  OctagonOutline(24.0, &p);
  // Regular octagon of width d across flats: I = 0.0547 d^4.
  EXPECT_NEAR(PolygonInertia(p) / std::pow(24.0, 4), 0.0547, 2e-4);
}

// Strip i holds y[i] < y <= y[i-1]: a boundary belongs to the strip below it.
TEST(Strips, FindSliceYTable) {
  SectionSlices s;
  SetStripBoundaries(18.0, 36.0, &s);
  struct Case {
    double y;
    int strip;
  } cases[] = {{18.0, 1},          {17.8, 1},     {s.y[1], 2},
               {s.y[1] - 0.01, 2}, {s.y[50], 51}, {s.y[50] + 1e-9, 50},
               {-17.9, 100},       {-18.0, 100},  {18.0001, 0},
               {-18.0001, 0}};
  for (const Case& c : cases) EXPECT_EQ(FindSliceY(s, c.y), c.strip) << "y = " << c.y;
}

TEST(Bars, EightBarsOnA30InchShaftLieOnACircleOf11Point5) {
  Reinforcement r;
  ASSERT_EQ(PlaceBarsOnCircle(30.0, 1.0, 0.79, 3.0, 8, 1, 0.0, &r), PlacementRefusal::kNone);
  ASSERT_EQ(r.count, 8);
  EXPECT_DOUBLE_EQ(r.bar[0].x, 11.5);
  EXPECT_DOUBLE_EQ(r.bar[0].y, 0.0);
  for (int i = 0; i < 8; ++i) {
    const RebarPoint& b = r.bar[static_cast<std::size_t>(i)];
    EXPECT_NEAR(std::hypot(b.x, b.y), 11.5, 1e-12);
    EXPECT_NEAR(std::atan2(b.y, b.x), std::remainder(i * kPi / 4.0, 2.0 * kPi), 1e-12);
  }
}

TEST(Bars, GroupsOfTwoAndThreeAndTheOffset) {
  Reinforcement r;
  ASSERT_EQ(PlaceBarsOnCircle(30.0, 1.0, 0.79, 3.0, 4, 3, 2.0, &r), PlacementRefusal::kNone);
  ASSERT_EQ(r.count, 12);
  // Group 0: a pair either side of the x axis, the third bar inward on the axis.
  const double half = 1.0 / (2.0 * 11.5);
  EXPECT_NEAR(r.bar[0].y, 2.0 - 11.5 * std::sin(half), 1e-12);
  EXPECT_NEAR(r.bar[1].y, 2.0 + 11.5 * std::sin(half), 1e-12);
  EXPECT_NEAR(r.bar[2].x, 11.5 - 0.8660254037844386, 1e-12);
  EXPECT_NEAR(r.bar[2].y, 2.0, 1e-12);
  // The pair's centres are close to one bar diameter apart.
  EXPECT_NEAR(std::hypot(r.bar[0].x - r.bar[1].x, r.bar[0].y - r.bar[1].y), 1.0, 1e-3);

  Reinforcement single, pair;
  PlaceBarsOnCircle(30.0, 1.0, 0.79, 3.0, 1, 1, 0.0, &single);
  PlaceBarsOnCircle(30.0, 1.0, 0.79, 3.0, 1, 2, 0.0, &pair);
  EXPECT_EQ(single.count, 1);
  EXPECT_EQ(single.bar[0].x, 0.0);
  EXPECT_EQ(single.bar[0].y, 0.0);
  EXPECT_EQ(pair.bar[0].x, -0.5);
  EXPECT_EQ(pair.bar[1].x, 0.5);
}

TEST(Bars, RefusedCircles) {
  struct Case {
    double dia, db, cover;
    int groups, per_group;
    PlacementRefusal why;
  } cases[] = {
      {0.5, 1.0, 0.1, 4, 1, PlacementRefusal::kDiameterBelowBar},
      {30.0, 1.0, 0.0, 4, 1, PlacementRefusal::kCoverNotPositive},
      {30.0, 1.0, 3.0, 0, 1, PlacementRefusal::kGroupsOutOfRange},
      {30.0, 1.0, 3.0, 301, 1, PlacementRefusal::kGroupsOutOfRange},
      {30.0, 1.0, 3.0, 4, 0, PlacementRefusal::kNoBarsInGroup},
      {10.0, 1.0, 4.5, 4, 1, PlacementRefusal::kRadiusNotPositive},
  };
  for (const Case& c : cases) {
    Reinforcement r;
    EXPECT_EQ(PlaceBarsOnCircle(c.dia, c.db, 0.79, c.cover, c.groups, c.per_group, 0.0, &r), c.why);
    EXPECT_EQ(r.count, 0);
  }
}

struct StrandCase {
  int n;
  int arrangement;
  std::vector<Point2> expected;  // leading strands, in placing order
};

TEST(Strands, AroundTheSquareOfA24InchPile) {
  // Half-side (24 - 0.5)/2 - 2 = 9.75.
  const double a = 9.75;
  const StrandCase cases[] = {
      {16,
       1,
       {{-a, -a},
        {-4.875, -a},
        {0, -a},
        {4.875, -a},
        {a, -a},
        {a, -4.875},
        {a, 0},
        {a, 4.875},
        {a, a}}},
      {16, 2, {{-a, -a}, {-4.875, -a}, {0, -a}, {4.875, -a}, {a, -a}, {a, -4.875}}},
      {10,
       1,
       {{-a, -a},
        {-3.25, -a},
        {3.25, -a},
        {a, -a},
        {a, 0},
        {a, a},
        {3.25, a},
        {-3.25, a},
        {-a, a},
        {-a, 0}}},
      {10,
       2,
       {{-a, -a},
        {0, -a},
        {a, -a},
        {a, 0},
        {a, 6.5},
        {a, a},
        {0, a},
        {-a, a},
        {-a, 0},
        {-a, -6.5}}},
      {13,
       1,
       {{-a, -a},
        {-3.25, -a},
        {3.25, -a},
        {a, -a},
        {a, 0},
        {a, 6.5},
        {a, a},
        {3.25, a},
        {-3.25, a},
        {-a, a},
        {-a, 0},
        {-a, -6.5},
        {0, 0}}},
      {1, 2, {{0, 0}}},
      {2, 2, {{-a, -a}, {a, a}}},
      {3, 1, {{-a, -a}, {a, a}, {0, 0}}},
      {3, 2, {{-a, -a}, {a, a}, {0, 0}}},
  };
  for (const StrandCase& c : cases) {
    Reinforcement r;
    ASSERT_EQ(PlaceStrandsOnSquare(24.0, 0.5, 0.153, 2.0, c.n, c.arrangement, &r),
              PlacementRefusal::kNone);
    ASSERT_EQ(r.count, c.n) << c.n << " strands, arrangement " << c.arrangement;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_NEAR(r.bar[i].x, c.expected[i].x, 1e-12)
          << c.n << "/" << c.arrangement << " strand " << i + 1;
      EXPECT_NEAR(r.bar[i].y, c.expected[i].y, 1e-12)
          << c.n << "/" << c.arrangement << " strand " << i + 1;
    }
  }
}

TEST(Strands, EveryCountIsPlacedSymmetricallyOnTheSquare) {
  // For every count and both arrangements: all strands on the square or at
  // the centre, no two at one place, and the strand centroid at the centre
  // for the arrangements that the description makes symmetric in x.
  for (int arrangement = 1; arrangement <= 2; ++arrangement) {
    for (int n = 4; n <= 60; ++n) {
      Reinforcement r;
      PlaceStrandsOnSquare(24.0, 0.5, 0.153, 2.0, n, arrangement, &r);
      ASSERT_EQ(r.count, n);
      double sx = 0.0;
      for (int i = 0; i < n; ++i) {
        const RebarPoint& p = r.bar[static_cast<std::size_t>(i)];
        const bool centre = p.x == 0.0 && p.y == 0.0;
        EXPECT_TRUE(centre || std::fabs(std::fabs(p.x) - 9.75) < 1e-12 ||
                    std::fabs(std::fabs(p.y) - 9.75) < 1e-12);
        for (int j = 0; j < i; ++j) {
          const RebarPoint& q = r.bar[static_cast<std::size_t>(j)];
          EXPECT_GT(std::hypot(p.x - q.x, p.y - q.y), 0.5) << n << " strands";
        }
        sx += p.x;
      }
      EXPECT_NEAR(sx, 0.0, 1e-9) << n << " strands, arrangement " << arrangement;
    }
  }
}

TEST(Bars, ABarKeepsItsExactAreaInsideOneStripOrAcrossSeveral) {
  // Strip 3 of a 36-in circle lies between y = 16.92 and 17.28.
  SectionSlices s;
  SetStripBoundaries(18.0, 36.0, &s);
  Reinforcement one;
  one.count = 1;
  one.bar[0] = {0.2, 0.0314, 0.0, 17.1};
  ASSERT_EQ(DistributeBars(one, &s), 0);
  EXPECT_EQ(s.bar[3], 0.0314);
  EXPECT_EQ(Sum(s.bar), 0.0314);

  // A large bar from y = -0.605 to 0.805: strips 48 to 52, most in the middle.
  SectionSlices t;
  SetStripBoundaries(18.0, 36.0, &t);
  Reinforcement big;
  big.count = 1;
  big.bar[0] = {1.41, 1.56, 0.0, 0.1};
  ASSERT_EQ(DistributeBars(big, &t), 0);
  for (int i : {47, 53}) EXPECT_EQ(t.bar[static_cast<std::size_t>(i)], 0.0);
  for (int i : {48, 52}) EXPECT_GT(t.bar[static_cast<std::size_t>(i)], 0.0);
  EXPECT_GT(t.bar[50], t.bar[48]);
  EXPECT_GT(t.bar[50], t.bar[52]);
  EXPECT_NEAR(Sum(t.bar), 1.56, 1e-14);
  EXPECT_NEAR(Sum(t.concrete), -1.56, 1e-14);  // taken out of the concrete

  // A bar reaching out of the section is reported by its number.
  Reinforcement outside;
  outside.count = 2;
  outside.bar[1] = {1.0, 0.79, 0.0, 17.8};
  EXPECT_EQ(DistributeBars(outside, &t), 2);
}

PileSection Concrete(SectionType type, double depth) {
  PileSection s;
  s.type = type;
  s.depth = depth;
  s.concrete.fc = 5000.0;
  return s;
}

void CircleBars(PileSection* s, int groups, double db, double ab, double cover) {
  s->bars.layout = BarLayout::kCircle;
  s->bars.fy = 60000.0;
  s->bars.es = 29.0e6;
  s->bars.groups = groups;
  s->bars.bars_per_group = 1;
  s->bars.diameter = db;
  s->bars.area = ab;
  s->bars.cover = cover;
}

void AutoStrands(PileSection* s, int n, int arrangement) {
  s->strands.present = true;
  s->strands.automatic = true;
  s->strands.type = 1;
  s->strands.size_index = 3;  // 0.5 in, 0.153 sq. in.
  s->strands.count = n;
  s->strands.force = 30000.0 * n;
  s->strands.loss = 0.2;
  s->strands.cover = 3.0;
  s->strands.arrangement = arrangement;
}

TEST(Strips, EveryMaterialOfEverySectionTypeAddsUpToItsArea) {
  struct Case {
    const char* name;
    PileSection s;
    double concrete, bars, casing, core, core_concrete;
  };
  const double q = kPi / 4.0;
  std::vector<Case> cases;
  {
    PileSection s = Concrete(kRectangularConcrete, 24.0);
    s.width = 18.0;
    CircleBars(&s, 6, 1.0, 0.79, 3.0);
    cases.push_back({"rectangular", s, 24.0 * 18.0 - 6 * 0.79, 6 * 0.79, 0, 0, 0});
  }
  {
    PileSection s = Concrete(kDrilledShaft, 36.0);
    CircleBars(&s, 12, 1.128, 1.0, 3.0);
    cases.push_back({"drilled shaft", s, q * 36 * 36 - 12, 12, 0, 0, 0});
  }
  {
    PileSection s = Concrete(kShaftWithCasing, 36.0);
    s.casing_thickness = 0.5;
    s.casing_fy = 36000.0;
    s.casing_e = 29.0e6;
    CircleBars(&s, 10, 1.0, 0.79, 4.0);
    const double casing = q * (36 * 36 - 35 * 35);
    cases.push_back({"cased", s, q * 35 * 35 - 7.9, 7.9, casing, 0, 0});
  }
  for (bool filled : {true, false}) {
    PileSection s = Concrete(kShaftWithCasingAndCore, 36.0);
    s.core_filled = filled;
    s.casing_thickness = 0.5;
    s.casing_fy = 36000.0;
    s.casing_e = 29.0e6;
    s.core_diameter = 12.0;
    s.core_thickness = 0.75;
    s.core_fy = 50000.0;
    s.core_e = 29.0e6;
    CircleBars(&s, 10, 1.0, 0.79, 4.0);
    const double casing = q * (36 * 36 - 35 * 35);
    const double core = q * (144.0 - 10.5 * 10.5);
    cases.push_back({filled ? "cased, filled core" : "cased, void core", s,
                     q * 35 * 35 - 7.9 - q * 144.0, 7.9, casing, core,
                     filled ? q * 10.5 * 10.5 : 0.0});
  }
  {
    PileSection s;
    s.type = kSteelPipe;
    s.depth = 24.0;
    s.casing_thickness = 0.5;
    s.casing_fy = 50000.0;
    s.casing_e = 29.0e6;
    cases.push_back({"pipe", s, 0, 0, q * (576.0 - 23.0 * 23.0), 0, 0});
  }
  {
    PileSection s = Concrete(kCircularHollowPrestressed, 36.0);
    s.void_diameter = 26.0;
    AutoStrands(&s, 16, 0);
    cases.push_back(
        {"hollow circular", s, q * (36 * 36 - 26 * 26) - 16 * 0.153, 16 * 0.153, 0, 0, 0});
  }
  {
    PileSection s = Concrete(kSquareHollowPrestressed, 24.0);
    s.void_diameter = 11.0;
    AutoStrands(&s, 16, 1);
    cases.push_back({"hollow square", s, 576.0 - q * 121.0 - 16 * 0.153, 16 * 0.153, 0, 0, 0});
  }
  {
    PileSection s = Concrete(kSquareHollowPrestressed, 24.0);
    s.void_diameter = 11.0;
    s.chamfer = 1.0;
    AutoStrands(&s, 16, 2);
    cases.push_back(
        {"hollow chamfered square", s, 576.0 - 2.0 - q * 121.0 - 16 * 0.153, 16 * 0.153, 0, 0, 0});
  }
  {
    PileSection s = Concrete(kOctagonalHollowPrestressed, 24.0);
    s.void_diameter = 11.0;
    AutoStrands(&s, 8, 0);
    const double c = 12.0 - 0.2071 * 24.0;
    cases.push_back(
        {"hollow octagon", s, 576.0 - 2.0 * c * c - q * 121.0 - 8 * 0.153, 8 * 0.153, 0, 0, 0});
  }
  auto cs = std::make_unique<CutSection>();
  for (const Case& c : cases) {
    ASSERT_EQ(PrepareCutSection(c.s, UnitSystem::kUscs, cs.get()).status, PrepareStatus::kOk)
        << c.name;
    const SectionSlices& sl = cs->slices;
    EXPECT_NEAR(sl.total_concrete, c.concrete, 1e-9) << c.name;
    EXPECT_NEAR(sl.total_bar, c.bars, 1e-12) << c.name;
    EXPECT_NEAR(sl.total_casing, c.casing, 1e-9) << c.name;
    EXPECT_NEAR(sl.total_core, c.core, 1e-9) << c.name;
    EXPECT_NEAR(sl.total_core_concrete, c.core_concrete, 1e-9) << c.name;
    for (int i = 1; i <= kSliceCount; ++i) {
      EXPECT_GE(sl.concrete[static_cast<std::size_t>(i)], -1e-12) << c.name << " strip " << i;
    }
  }
}

TEST(Strips, RectangularPileStripsAreEqual) {
  PileSection s = Concrete(kRectangularConcrete, 30.0);
  s.width = 20.0;
  auto cs = std::make_unique<CutSection>();
  ASSERT_EQ(PrepareCutSection(s, UnitSystem::kUscs, cs.get()).status, PrepareStatus::kOk);
  for (int i = 1; i <= kSliceCount; ++i) {
    EXPECT_DOUBLE_EQ(cs->slices.concrete[static_cast<std::size_t>(i)], 6.0);
  }
  EXPECT_DOUBLE_EQ(cs->slices.d[1], 0.15);
}

}  // namespace
}  // namespace tarvex
