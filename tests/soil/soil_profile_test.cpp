#include "soil/soil_profile.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/soil_criteria.hpp"
#include "format/run_output.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

// The layers and profile tables of a test, with its output; the accessors
// take it as their SoilAccess.
struct SoilModel {
  std::vector<SoilLayer> layers;
  SoilProfile soil_profile;
  UnitWeightProfile unit_weights;
  double ground_depth = 0.0;
  double pile_length = 0.0;
  RunOutput out;

  operator SoilAccess() {
    return {layers, soil_profile, unit_weights, ground_depth, pile_length, out};
  }
  bool failed() const { return out.failed(); }
};

using Accessor = double (*)(const SoilAccess&, double);

void ExpectClose(double actual, double expected, double rel_tol) {
  EXPECT_NEAR(actual, expected, rel_tol * std::max(1.0, std::abs(expected)));
}

SoilLayer Layer(SoilCriterion code, double top, double bottom, const SoilValues& at_top,
                const SoilValues& at_bottom) {
  SoilLayer layer;
  layer.code = code;
  layer.top = top;
  layer.bottom = bottom;
  layer.at_top = at_top;
  layer.at_bottom = at_bottom;
  return layer;
}

SoilValues Strength(double c) {
  SoilValues v;
  v.cohesion = c;
  return v;
}

// Fills the model's layers, ground surface and pile length, then its profile.
void Fill(SoilModel& m, std::initializer_list<SoilLayer> layers, double pile_length) {
  m.layers.assign(layers);
  m.ground_depth = m.layers.empty() ? 0.0 : m.layers.front().top;
  m.pile_length = pile_length;
  BuildSoilProfile(m.layers, &m.soil_profile, &m.unit_weights);
}

std::vector<std::string> Lines(const RecordWriter& out) {
  return tarvex::testing::SplitLines(out.contents());
}

// --- Building the profile ---

TEST(BuildSoilProfile, TwoRowsPerLayerWithEveryColumn) {
  SoilModel m;
  SoilValues top;
  top.unit_weight = 0.04;
  top.cohesion = 1.0;
  top.eps50 = 2.0;
  top.j = 3.0;
  top.friction = 4.0;
  top.rqd = 5.0;
  top.test = {6.0, 7.0, 9.0, 10.0};
  top.test_type = 8.0;
  top.subgrade = 11.0;
  top.kpy = 99.0;  // kept per layer, not in the profile
  SoilValues bottom;
  bottom.unit_weight = 0.05;
  bottom.cohesion = 21.0;
  bottom.subgrade = 31.0;
  // A longer profile first: rebuilding must not leave its deeper rows behind.
  Fill(m,
       {Layer(kSoftClay, 0, 1, top, top), Layer(kSoftClay, 1, 2, top, top),
        Layer(kSoftClay, 2, 3, top, top)},
       3.0);
  Fill(m, {Layer(kSoftClay, 2, 12, top, bottom), Layer(kSandReese, 12, 30, bottom, top)}, 30.0);

  const SoilProfile& p = m.soil_profile;
  ASSERT_EQ(p.rows, 4);
  const double depths[] = {2, 12, 12, 30};
  for (int row = 1; row <= 4; ++row)
    EXPECT_EQ(p.depth[static_cast<std::size_t>(row)], depths[row - 1]);
  for (int col = 1; col <= kProfileColumns; ++col) {
    SCOPED_TRACE(::testing::Message() << "column " << col);
    EXPECT_EQ(p.value[1][static_cast<std::size_t>(col)], col);  // top row of layer 1 holds 1 .. 11
    EXPECT_EQ(p.value[5][static_cast<std::size_t>(col)], 0.0);  // the old fifth row is gone
  }
  EXPECT_EQ(p.value[2][kColStrength], 21.0);
  EXPECT_EQ(p.value[2][kColSubgrade], 31.0);
  EXPECT_EQ(p.value[3][kColStrength], 21.0);
  EXPECT_EQ(p.value[4][kColSubgrade], 11.0);

  const UnitWeightProfile& w = m.unit_weights;
  ASSERT_EQ(w.points, 4);
  const double weights[] = {0.04, 0.05, 0.05, 0.04};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(w.depth[static_cast<std::size_t>(k)], depths[k - 1]);
    EXPECT_EQ(w.weight[static_cast<std::size_t>(k)], weights[k - 1]);
  }
  EXPECT_EQ(w.depth[5], 0.0);
}

// --- Column accessors ---

// Three layers of 10 with the pile tip on the second interface (z = 20).
class ColumnAccessors : public ::testing::Test {
 protected:
  void SetUp() override {
    Fill(m_,
         {Layer(kWeakRock, 0, 10, Values(30, 0.01, 0.5, 40), Values(34, 0.02, 0.0, 60)),
          Layer(kWeakRock, 10, 20, Values(38, 0.0, 0.7, 80), Values(40, 0.03, 0.9, 90)),
          Layer(kWeakRock, 20, 30, Values(42, 0.05, 1.1, 70), Values(44, 0.06, 1.3, 100))},
         20.0);
  }
  static SoilValues Values(double friction, double eps50, double j, double rqd) {
    SoilValues v;
    v.friction = friction;
    v.eps50 = eps50;
    v.j = j;
    v.rqd = rqd;
    return v;
  }
  SoilModel m_;
};

TEST_F(ColumnAccessors, InterpolationInterfacesTipAndBeyond) {
  struct Case {
    Accessor at;
    const char* name;
    double z;
    double expected;
    const char* why;
  } cases[] = {
      {FrictionAngleAt, "friction", 0.0, 30.0, "first row"},
      {FrictionAngleAt, "friction", 5.0, 32.0, "inside layer 1"},
      {FrictionAngleAt, "friction", 25.0, 43.0, "inside layer 3"},
      {FrictionAngleAt, "friction", 10.0, 36.0, "interface: the mean of both"},
      {FrictionAngleAt, "friction", 20.0, 40.0, "interface at the pile tip: the upper value"},
      {FrictionAngleAt, "friction", 30.0, 44.0, "deepest row"},
      {Epsilon50At, "eps50", 2.5, 0.0125, "inside layer 1"},
      {Epsilon50At, "eps50", 10.0, 0.02, "interface, lower value absent: the upper"},
      {Epsilon50At, "eps50", 20.0, 0.03, "interface at the tip: the upper, not the mean"},
      {Epsilon50At, "eps50", 30.5, 0.0, "beyond: 0"},
      {JAt, "J", 10.0, 0.7, "interface, upper value absent: the lower"},
      {JAt, "J", 20.0, 0.9, "interface at the tip: the upper"},
      {JAt, "J", 30.5, 0.0, "beyond: 0"},
      {RqdAt, "RQD", 10.0, 70.0, "interface: the mean"},
      {RqdAt, "RQD", 20.0, 80.0, "interface at the tip: still the mean"},
      {RqdAt, "RQD", 30.0, 100.0, "deepest row, 100 is allowed"},
      {RockColumn2At, "k_rm", 5.0, 0.015, "inside layer 1"},
      {RockColumn2At, "k_rm", 10.0, 0.0, "interface: the rock below, even when 0"},
      {RockColumn2At, "k_rm", 20.0, 0.03, "interface at the tip: the upper"},
      {RockColumn2At, "k_rm", 30.0, 0.0, "deepest row, not the tip: nothing lies below"},
      {RockColumn2At, "k_rm", 30.5, 0.0, "beyond: 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.name << " at " << c.z << ": " << c.why);
    ExpectClose(c.at(m_, c.z), c.expected, 1e-14);
    EXPECT_FALSE(m_.failed());
  }
}

TEST_F(ColumnAccessors, DepthsAreComparedExactly) {
  // Just off the interface the row search interpolates instead of applying the rule.
  ExpectClose(FrictionAngleAt(m_, 10.0 - 1e-9), 34.0, 1e-9);
  ExpectClose(FrictionAngleAt(m_, 10.0 + 1e-9), 38.0, 1e-9);
  ExpectClose(RockColumn2At(m_, 10.0 - 1e-9), 0.02, 1e-9);
  EXPECT_FALSE(m_.failed());
}

TEST_F(ColumnAccessors, WeakRockTakesTheUpperValueAtTheTipWhenItIsTheDeepestRow) {
  m_.pile_length = 30.0;
  EXPECT_EQ(RockColumn2At(m_, 30.0), 0.06);
}

// --- Shear strength ---

struct PairCase {
  SoilCriterion above;
  SoilCriterion below;
  double u;  // c at the bottom of the upper layer
  double l;  // c at the top of the lower layer
  double pile_length;
  double expected;
  const char* why;
};

TEST(ShearStrengthAt, InterfaceRuleBySoilTypes) {
  const PairCase cases[] = {
      {kSoftClay, kSandReese, 5.0, 0.0, 20.0, 5.0, "clay over sand: the clay's bottom value"},
      {kSoftClay, kWeakRock, 4.0, 100.0, 20.0, 54.0, "clay over rock: (2u + l)/2"},
      {kStiffClayNoFreeWater, kWeakRock, 4.0, 4.0, 20.0, 6.0, "divisor 2: u = l gives 1.5 u"},
      {kSoftClay, kStiffClayFreeWater, 4.0, 8.0, 20.0, 6.0, "two clays: the mean"},
      {kSoftClayJ, kUserPy, 4.0, 9.0, 20.0, 4.0, "clay over user curves: u"},
      {kStiffClayNoFreeWaterK, kElasticSubgrade, 4.0, 9.0, 20.0, 4.0, "clay over subgrade: u"},
      {kSandReese, kSoftClay, 0.0, 3.0, 20.0, 3.0, "sand over clay: the lower value"},
      {kLoess, kVuggyLimestone, 0.0, 300.0, 20.0, 300.0, "loess over rock: l"},
      {kUserPy, kSoftClay, 7.0, 3.0, 20.0, 3.0, "user curves over clay: l"},
      {kElasticSubgrade, kWeakRock, 7.0, 300.0, 20.0, 300.0, "subgrade over rock: l"},
      {kWeakRock, kSoftClay, 100.0, 4.0, 20.0, 54.0, "rock over clay: (u + 2l)/2"},
      {kWeakRock, kVuggyLimestone, 100.0, 300.0, 20.0, 200.0, "two rocks: the mean"},
      {kVuggyLimestone, kSandApi, 300.0, 0.0, 20.0, 300.0, "rock over sand: u"},
      {kCementedSilt, kSandReese, 5.0, 0.0, 20.0, 5.0, "silt with c > 0 counts as clay"},
      {kCementedSilt, kSoftClay, 0.0, 3.0, 20.0, 3.0, "silt with c = 0 counts as sand"},
      {kSoftClay, kCementedSilt, 4.0, 8.0, 20.0, 6.0, "silt below with c > 0: two clays"},
      {kSoftClay, kCementedSilt, 4.0, 0.0, 20.0, 4.0, "silt below with c = 0: clay over sand"},
      {kSandReese, kSoftClay, 0.0, 3.0, 10.0, 0.0, "interface at the pile tip: u"},
      {kSoftClay, kWeakRock, 4.0, 100.0, 10.0, 4.0, "interface at the pile tip: u"},
      {kSandReese, kSandApi, 1.0, 2.0, 10.0, 1.0, "at the tip even an unexpected pair gives u"},
  };
  for (const PairCase& c : cases) {
    SCOPED_TRACE(c.why);
    SoilModel m;
    Fill(m,
         {Layer(c.above, 0, 10, Strength(1.0), Strength(c.u)),
          Layer(c.below, 10, 20, Strength(c.l), Strength(50.0))},
         c.pile_length);
    bool at_node = false;
    EXPECT_EQ(ShearStrengthAt(m, 10.0, &at_node, 1), c.expected);
    EXPECT_TRUE(at_node);
    EXPECT_FALSE(m.failed());
  }
}

// Pairs the interface rule leaves out: the criterion being evaluated takes
// its own layer's strength, the upper layer its bottom value u, the lower
// layer its top value l. At the pile tip the upper value holds for both.
TEST(ShearStrengthAt, PairsOutsideTheRuleTakeTheEvaluatedLayersOwnValue) {
  const struct {
    SoilCriterion above, below;
    const char* why;
  } pairs[] = {
      {kPiedmont, kWeakRock, "residual soil over weak rock"},
      {kFrozenSoil, kSoftClay, "frozen soil over soft clay"},
      {kStiffClayFreeWater, kMassiveRock, "a massive rock top"},
      {kMassiveRock, kVuggyLimestone, "massive rock over vuggy limestone"},
      {kSandReese, kSandApi, "two sands"},
      {kSandReese, kCementedSilt, "sand over cemented silt without cohesion"},
      {kUserPy, kElasticSubgrade, "user curves over the elastic subgrade"},
      {kLoess, kLiquefiedSand, "loess over liquefied sand"},
      {kWeakRock, kPiedmont, "weak rock over residual soil"},
  };
  for (const auto& p : pairs) {
    SCOPED_TRACE(p.why);
    SoilModel m;
    const double l = p.below == kCementedSilt ? 0.0 : 7.0;
    Fill(m,
         {Layer(p.above, 0, 10, Strength(1.0), Strength(3.0)),
          Layer(p.below, 10, 20, Strength(l), Strength(50.0))},
         20.0);
    bool at_node = false;
    EXPECT_EQ(ShearStrengthAt(m, 10.0, &at_node, 1), 3.0);
    EXPECT_TRUE(at_node);
    EXPECT_EQ(ShearStrengthAt(m, 10.0 + 5e-7, &at_node, 2), l);
    m.pile_length = 10.0;
    EXPECT_EQ(ShearStrengthAt(m, 10.0, &at_node, 2), 3.0);
    EXPECT_FALSE(m.failed());
  }
}

TEST(ShearStrengthAt, RowsToleranceAndAtNode) {
  SoilModel m;
  Fill(m,
       {Layer(kSoftClay, 0, 10, Strength(2.0), Strength(4.0)),
        Layer(kSoftClay, 10, 20, Strength(6.0), Strength(10.0))},
       20.0);
  struct Case {
    double z;
    double expected;
    bool at_node;
    const char* why;
  } cases[] = {
      {0.0, 2.0, false, "first row is not an interior row"},
      {2.5, 2.5, false, "inside layer 1"},
      {15.0, 8.0, false, "inside layer 2"},
      {10.0, 5.0, true, "interface: the mean of two clays"},
      {10.0 + 9e-7, 5.0, true, "within 1e-6 of the interface"},
      {10.0 - 9e-7, 5.0, true, "within 1e-6 above the interface"},
      {10.0 + 2e-6, 6.0 + 8e-7, false, "beyond the tolerance: interpolated in layer 2"},
      {20.0, 10.0, false, "deepest row"},
      {20.0 + 9e-7, 10.0, false, "within 1e-6 below the deepest row: its value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "z = " << c.z << ": " << c.why);
    bool at_node = !c.at_node;
    ExpectClose(ShearStrengthAt(m, c.z, &at_node, c.z < 10.0 ? 1 : 2), c.expected, 1e-12);
    EXPECT_EQ(at_node, c.at_node);
  }
  EXPECT_FALSE(m.failed());
}

// --- Averages from the top ---

TEST(AverageUnitWeight, GroundSurfaceAboveItAndBelowIt) {
  SoilModel m;
  SoilValues a, b, c, d;
  a.unit_weight = 0.0;  // a dry top with no weight given
  b.unit_weight = 0.03;
  c.unit_weight = 0.06;
  d.unit_weight = 0.08;
  Fill(m, {Layer(kSandReese, 2, 10, a, b), Layer(kSandReese, 10, 20, c, d)}, 20.0);
  // Trapezoids from the first point (the ground surface at 2) down to z.
  const double layer1 = (0.0 + 0.03) / 2 * 8;
  const double half_of_layer2 = (0.06 + 0.07) / 2 * 5;
  const double whole_layer2 = (0.06 + 0.08) / 2 * 10;
  struct Case {
    double z;
    double expected;
    const char* why;
  } cases[] = {
      {1.0, 0.0, "above the ground surface"},
      {2.0, 0.03, "at the ground surface: the first positive weight"},
      {2.0 + 5e-7, 0.03, "within 1e-6 of the ground surface"},
      {6.0, (0.0 + 0.015) / 2 * 4 / 4, "inside layer 1"},
      {10.0, layer1 / 8, "at the interface: the step adds nothing"},
      {15.0, (layer1 + half_of_layer2) / 13, "inside layer 2"},
      {20.0, (layer1 + whole_layer2) / 18, "at the deepest point"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(::testing::Message() << "z = " << t.z << ": " << t.why);
    ExpectClose(AverageUnitWeight(m, t.z), t.expected, 1e-12);
  }
  EXPECT_FALSE(m.failed());
}

TEST(AverageUnitWeight, SegmentsShorterThanTheToleranceAddNothing) {
  SoilModel m;
  SoilValues light, heavy;
  light.unit_weight = 0.04;
  heavy.unit_weight = 1e6;  // would add 0.5 over its 5e-7 thickness
  Fill(m,
       {Layer(kSandReese, 0, 10, light, light), Layer(kSandReese, 10, 10 + 5e-7, heavy, heavy),
        Layer(kSandReese, 10 + 5e-7, 20, light, light)},
       20.0);
  ExpectClose(AverageUnitWeight(m, 15.0), 0.04 * (15.0 - 5e-7) / 15.0, 1e-12);
}

TEST(AverageStrength, FromTheTopOfTheProfile) {
  SoilModel m;
  Fill(m,
       {Layer(kSoftClay, 4, 10, Strength(2.0), Strength(4.0)),
        Layer(kStiffClayNoFreeWater, 10, 20, Strength(8.0), Strength(10.0))},
       20.0);
  const struct {
    double z;
    double expected;
    const char* why;
  } cases[] = {
      {3.0, 0.0, "above the ground surface"},
      {4.0, 2.0, "at the ground surface: the strength there"},
      {7.0, (2.0 + 3.0) / 2, "inside layer 1"},
      {15.0, ((2.0 + 4.0) / 2 * 6 + (8.0 + 9.0) / 2 * 5) / 11, "inside layer 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ExpectClose(AverageStrength(m, c.z, 1), c.expected, 1e-12);
  }
  EXPECT_FALSE(m.failed());
}

// --- Errors ---

struct ErrorCase {
  const char* name;
  std::function<void(SoilModel&)> fill;
  std::function<double(SoilModel&)> call;
  const char* identity;
  int code;
  bool to_message_file;  // input errors are copied to the message file
  std::vector<std::string> block;
};

void FillThreeClays(SoilModel& m) {
  Fill(m,
       {Layer(kSoftClay, 0, 10, Strength(2.0), Strength(4.0)),
        Layer(kSoftClay, 10, 20, Strength(6.0), Strength(10.0)),
        Layer(kSoftClay, 20, 30, Strength(10.0), Strength(12.0))},
       30.0);
}

void FillWeakRock(SoilModel& m, double rqd_bottom) {
  SoilValues top, bottom;
  top.rqd = 50.0;
  bottom.rqd = rqd_bottom;
  Fill(m, {Layer(kWeakRock, 0, 10, top, bottom)}, 10.0);
}

TEST(SoilProfileErrors, BlocksIdentitiesAndCodes) {
  const std::vector<ErrorCase> cases = {
      {"strength below the deepest row",
       FillThreeClays,
       [](SoilModel& m) { return ShearStrengthAt(m, 30.5, nullptr, 1); },
       "INP00005",
       105,
       true,
       {"**** Input Data Error No. 5 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining pile embedment depth and soil ",
        "shear strength values versus depth.", "",
        "Problem:  The value for a pile station depth is   0.3050E+02",
        "This depth is below the deepest extent of the input curve for",
        "soil shear strength versus depth at     30.000", "",
        "Solution:  Please revise the input data by either extending ",
        "the maximum depth for soil shear strength or shorten the ",
        "pile to be wholly within the defined soil layers."}},
      {"strength without soil layers",
       [](SoilModel& m) { Fill(m, {}, 10.0); },
       [](SoilModel& m) { return ShearStrengthAt(m, 1.0, nullptr, 1); },
       "INP00005",
       105,
       true,
       {"**** Input Data Error No. 5 ****"}},
      {"strength in a layer of no thickness",
       [](SoilModel& m) {
         Fill(m, {Layer(kSoftClay, 10, 10, Strength(2.0), Strength(4.0))}, 10.0);
       },
       [](SoilModel& m) { return ShearStrengthAt(m, 5.0, nullptr, 1); },
       "INP00060",
       160,
       true,
       {"**** Input Data Error No. 60 ****", "",
        "An error was found in the strength of soil input data when interpolating ",
        "to obtain values of cohesion or uniaxial compressive strength.", "",
        "Problem:  The depth increment between the upper and lower soil depths in a ",
        "layer is zero.  The depth of computation is      5.000", "",
        "Solution:  Examine the program output file to find the depth in question",
        "and correct the soil layer depth values. "}},
      {"unit weight below the deepest point",
       FillThreeClays,
       [](SoilModel& m) { return AverageUnitWeight(m, 31.0); },
       "INP00015",
       115,
       true,
       {"**** Input Data Error No. 15 ****", "",
        "An error was detected related to an incompatibility between ",
        "the data defining pile embedment depth and effective unit ", "weights versus depth.", "",
        "The value for a pile station depth is   0.3100E+02",
        "This depth is below the deepest extent of the input curve for",
        "effective unit weight versus depth.", "",
        "Solution:", "Please revise the input data by either extending the maximum",
        "depth for effective unit weight or shorten the length of pile",
        "to be within the range of defined soil properties."}},
      {"average strength below the deepest row",
       FillThreeClays,
       [](SoilModel& m) { return AverageStrength(m, 31.0, 1); },
       "INP00003",
       103,
       true,
       {"**** Input Data Error No. 3 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "the maximum depth of the soil shear strength data.", "",
        "The value for a pile station depth is   0.3100E+02",
        "This depth is below the deepest extent of the input data for",
        "soil shear strength versus depth.", "",
        "Solution:", "Please revise the input data by either extending the maximum",
        "depth for soil shear strength or shorten the pile to correct", "this problem.", ""}},
      {"friction angle below the deepest row",
       FillThreeClays,
       [](SoilModel& m) { return FrictionAngleAt(m, 30.25); },
       "INP00004",
       104,
       true,
       {"**** Input Data Error No. 4 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "Problem:  The value for a pile station depth is   0.3025E+02",
        "This depth is below the deepest extent of the input data for",
        "soil friction angle versus depth.", "",
        "Solution:  Please revise the input data by either extending ",
        "the maximum depth for soil friction angle or shorten the ",
        "pile to correct this problem."}},
      {"RQD below the deepest row",
       [](SoilModel& m) { FillWeakRock(m, 60.0); },
       [](SoilModel& m) { return RqdAt(m, 10.5); },
       "INP00031",
       131,
       true,
       {"**** Input Data Error No. 31 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "Problem:  The value for a pile station depth is   0.1050E+02",
        "This depth is below the deepest extent of the input data for", "RQD versus depth.", "",
        "Solution:  Revise the input data by either extending the ",
        "maximum depth for RQD or shorten the pile to correct this ", "problem."}},
      {"RQD above 100",
       [](SoilModel& m) { FillWeakRock(m, 150.0); },
       [](SoilModel& m) { return RqdAt(m, 6.0); },
       "INP00049",
       149,
       true,
       {"**** Input Data Error No. 49 ****", "",
        "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
        "was found to be invalid because it was either less than zero or more than ",
        "100 percent.", "", "Solution:  Check your input data and revise in the data for RQD.", "",
        "The interpolated value of RQD =   0.1100E+03 %"}},
      {"RQD below 0",
       [](SoilModel& m) { FillWeakRock(m, -10.0); },
       [](SoilModel& m) { return RqdAt(m, 10.0); },
       "INP00049",
       149,
       true,
       {"**** Input Data Error No. 49 ****"}},
      // A caller that names neither layer of an uncovered pair: the guard.
      {"interface of two sands",
       [](SoilModel& m) {
         Fill(m,
              {Layer(kSandReese, 0, 10, Strength(0.0), Strength(0.0)),
               Layer(kCementedSilt, 10, 20, Strength(0.0), Strength(3.0))},
              20.0);
       },
       [](SoilModel& m) { return ShearStrengthAt(m, 10.0, nullptr, 0); },
       "RUN00024",
       230,
       false,
       {"", "", " ***** Runtime Error No. 30 *****", "",
        "Error in fn_c, please report by email to support@tarvex.example", "",
        " X value for f(c) =   0.10000000E+02",
        " Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)",
        " Soil type above        = 2", " Soil type below        = 2", " cohesionless           = 2",
        " cohesive               = 1",
        " JBOT index             = 2 = index number of strength value below depth in question",
        " At tip condition       = F, T = true, F = false", " KSOIL(JBOT/2)          = 5",
        " KSOIL(JBOT/2+1)        = 11"}},
      {"interface of a criterion without a soil type",
       [](SoilModel& m) {
         Fill(m,
              {Layer(kSoftClay, 0, 10, Strength(4.0), Strength(4.0)),
               Layer(kMassiveRock, 10, 20, Strength(500.0), Strength(500.0))},
              20.0);
       },
       [](SoilModel& m) { return ShearStrengthAt(m, 10.0, nullptr, 0); },
       "RUN00024",
       230,
       false,
       {"", "", " ***** Runtime Error No. 30 *****"}},
      {"interface rows that match no two layers",
       [](SoilModel& m) {
         Fill(m,
              {Layer(kSoftClay, 0, 10, Strength(4.0), Strength(4.0)),
               Layer(kSoftClay, 12, 20, Strength(6.0), Strength(6.0))},
              20.0);
       },
       [](SoilModel& m) { return ShearStrengthAt(m, 10.0, nullptr, 0); },
       "RUN00999",
       999,
       false,
       {"", "", "Internal error in function C (undrained shear strength)",
        "The layer interface cannot be located", "Please contact Corvane for support", "",
        "Elevation             =   0.10000000E+02", "b_AtInterface         = T",
        "b_InMiddle            = F", "b_AtTip               = F", "b_AtNode              = T",
        "Layer index above     = 1", "Layer index below     = 2",
        "DABS(X-XLayerBottom(KTOP))    =   0.00000000E+00",
        "DABS(X-XLayerTop(KBOT))    =   0.20000000E+01"}},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    SoilModel m;
    c.fill(m);
    EXPECT_EQ(c.call(m), 0.0);
    EXPECT_TRUE(m.failed());
    EXPECT_EQ(m.out.diagnostics.error_code, c.code);
    EXPECT_EQ(m.out.diagnostics.error.identity, c.identity);

    // The block, then the reporter's two lines.
    const std::vector<std::string> report = Lines(m.out.report);
    ASSERT_GE(report.size(), c.block.size() + 2);
    const std::vector<std::string> head(report.begin(),
                                        report.begin() + static_cast<long>(c.block.size()));
    EXPECT_EQ(head, c.block);
    const bool input_error = c.code < 200;
    EXPECT_EQ(report.back(), std::string("Tarvex ended prematurely due to ") +
                                 (input_error ? "input" : "runtime") + " error number " +
                                 c.identity);
    const std::vector<std::string> message = Lines(m.out.message);
    if (c.to_message_file) {
      ASSERT_GE(message.size(), c.block.size());
      EXPECT_EQ(std::vector<std::string>(message.begin(),
                                         message.begin() + static_cast<long>(c.block.size())),
                c.block);
    } else {
      EXPECT_TRUE(message.empty());
    }
  }
}

}  // namespace
}  // namespace tarvex
