#include "soil/soil_profile.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/model.hpp"
#include "engine/soil_criteria.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using Accessor = double (*)(AnalysisModel&, double);

void ExpectClose(double actual, double expected, double rel_tol) {
  EXPECT_NEAR(actual, expected, rel_tol * std::max(1.0, std::abs(expected)));
}

SoilLayer Layer(int code, double top, double bottom, const SoilValues& at_top,
                const SoilValues& at_bottom) {
  SoilLayer layer;
  layer.code = code;
  layer.top = top;
  layer.bottom = bottom;
  layer.at_top = at_top;
  layer.at_bottom = at_bottom;
  return layer;
}

// Fills the model's layers, ground surface and pile length, then its profile.
void Fill(AnalysisModel& m, std::initializer_list<SoilLayer> layers, double pile_length) {
  m.layers.assign(layers);
  m.ground_depth = m.layers.empty() ? 0.0 : m.layers.front().top;
  m.pile_length = pile_length;
  BuildSoilProfile(m);
}

std::vector<std::string> Lines(const RecordWriter& out) {
  return tarvex::testing::SplitLines(out.contents());
}

// --- Building the profile ---

TEST(BuildSoilProfile, TwoRowsPerLayerWithEveryColumn) {
  AnalysisModel m;
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
  AnalysisModel m_;
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

// --- Errors ---

struct ErrorCase {
  const char* name;
  std::function<void(AnalysisModel&)> fill;
  std::function<double(AnalysisModel&)> call;
  const char* identity;
  int code;
  bool to_message_file;  // input errors are copied to the message file
  std::vector<std::string> block;
};

void FillWeakRock(AnalysisModel& m, double rqd_bottom) {
  SoilValues top, bottom;
  top.rqd = 50.0;
  bottom.rqd = rqd_bottom;
  Fill(m, {Layer(kWeakRock, 0, 10, top, bottom)}, 10.0);
}

TEST(SoilProfileErrors, BlocksIdentitiesAndCodes) {
  const std::vector<ErrorCase> cases = {
      {"friction angle below the deepest row",
       [](AnalysisModel& m) { FillWeakRock(m, 60.0); },
       [](AnalysisModel& m) { return FrictionAngleAt(m, 10.25); },
       "INP00004",
       104,
       true,
       {"**** Input Data Error No. 4 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "Problem:  The value for a pile station depth is   0.1025E+02",
        "This depth is below the deepest extent of the input data for",
        "soil friction angle versus depth.", "",
        "Solution:  Please revise the input data by either extending ",
        "the maximum depth for soil friction angle or shorten the ",
        "pile to correct this problem."}},
      {"RQD below the deepest row",
       [](AnalysisModel& m) { FillWeakRock(m, 60.0); },
       [](AnalysisModel& m) { return RqdAt(m, 10.5); },
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
       [](AnalysisModel& m) { FillWeakRock(m, 150.0); },
       [](AnalysisModel& m) { return RqdAt(m, 6.0); },
       "INP00049",
       149,
       true,
       {"**** Input Data Error No. 49 ****", "",
        "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
        "was found to be invalid because it was either less than zero or more than ",
        "100 percent.", "", "Solution:  Check your input data and revise in the data for RQD.", "",
        "The interpolated value of RQD =   0.1100E+03 %"}},
      {"RQD below 0",
       [](AnalysisModel& m) { FillWeakRock(m, -10.0); },
       [](AnalysisModel& m) { return RqdAt(m, 10.0); },
       "INP00049",
       149,
       true,
       {"**** Input Data Error No. 49 ****"}},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel m;
    c.fill(m);
    EXPECT_EQ(c.call(m), 0.0);
    EXPECT_TRUE(m.failed());
    EXPECT_EQ(m.run.error_code, c.code);
    EXPECT_EQ(m.run.error_identity, c.identity);

    // The block, then the reporter's two lines.
    const std::vector<std::string> report = Lines(m.report);
    ASSERT_GE(report.size(), c.block.size() + 2);
    const std::vector<std::string> head(report.begin(),
                                        report.begin() + static_cast<long>(c.block.size()));
    EXPECT_EQ(head, c.block);
    const bool input_error = c.code < 200;
    EXPECT_EQ(report.back(), std::string("Tarvex ended prematurely due to ") +
                                 (input_error ? "input" : "runtime") + " error number " +
                                 c.identity);
    const std::vector<std::string> message = Lines(m.message);
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
