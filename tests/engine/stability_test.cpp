// Loss of stability under the axial load: a load case that settles on an
// unstable equilibrium ends with runtime error 40, and the studies end at the
// first such solution, on the inputs of tests/engine/fixtures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

std::string Fixture(const std::string& name) {
  return testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/tests/engine/fixtures/" + name);
}

// The input with the one occurrence of `from` replaced by `to`.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

RunResults Analyse(const std::string& input) {
  AnalyseOptions options;
  options.keep_texts = true;
  return analyse(input, options);
}

// The elastic pipe in the elastic subgrade buckles at about 56.8 kips: below
// it the head moves with the shear, above it the iteration still settles, on
// a state whose head moves against the shear, and that is no result.
TEST(Stability, ElasticPipeOnBothSidesOfItsBucklingLoad) {
  const RunResults below = Analyse(Fixture("pipe_elastic_subgrade_45k.tv6"));
  ASSERT_EQ(below.result_code, 0) << below.report_text;
  ASSERT_EQ(below.cases.size(), 1U);
  EXPECT_NEAR(below.cases[0].head_deflection, 0.9188, 0.0005);

  const RunResults above = Analyse(Fixture("pipe_elastic_subgrade_68k.tv6"));
  EXPECT_EQ(above.result_code, 240);
  ASSERT_TRUE(above.error.has_value());
  EXPECT_EQ(above.error->identity, "RUN00040");
  EXPECT_EQ(above.error->kind, "runtime");
  EXPECT_TRUE(above.cases.empty());
  const std::vector<std::string> block = {
      "**** Runtime Error No. 40 ****",
      "Problem:  Load case 1 has no stable equilibrium.",
      "          Its axial load of   0.6800E+05 lbs exceeds the buckling load of the pile",
      "          in this soil, or overturns the pile: pile and soil lose their lateral",
      "          stiffness under it, and the deflections found are no result.",
      "Solution: Reduce the axial load, or use a stiffer or longer pile (a deeper",
      "          embedment for a short pile); check the soil properties and their units."};
  EXPECT_EQ(above.error->message, block);
  for (const std::string* text : {&above.report_text, &above.message_text}) {
    const auto lines = testing::SplitLines(*text);
    const int at = testing::FindLine(lines, block[0]);
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 2)], block[1]);
  }
  EXPECT_GE(testing::FindLine(testing::SplitLines(above.report_text),
                              "Tarvex ended prematurely due to runtime error number RUN00040"),
            0);
  // Just past the buckling load as well: the check does not wait for a large
  // thrust.
  const RunResults just_above =
      Analyse(Edited(Fixture("pipe_elastic_subgrade_68k.tv6"), "  68000.0  1", "  57500.0  1"));
  EXPECT_EQ(just_above.result_code, 240);
  // A prescribed head deflection, with the head free to turn or held: the
  // thrust still buckles the pile below the head.
  for (const char* head : {"1  4  0.5  0.0", "1  5  0.5  0.0"}) {
    SCOPED_TRACE(head);
    for (const char* axial : {"45400.0", "68000.0"}) {
      const RunResults r =
          Analyse(Edited(Fixture("pipe_elastic_subgrade_68k.tv6"), "1  1  100.0  0.0  68000.0",
                         std::string(head) + "  " + axial));
      EXPECT_EQ(r.result_code, std::string(axial) == "68000.0" ? 240 : 0) << axial;
    }
  }
}

// The short prestressed pile under 8 kips of shear: without much thrust the
// soil cannot hold it (excess deflection); with 60 kips the thrust tips it
// over and it settles with the head moving against the shear.
TEST(Stability, ShortPrestressedPileOverturnedByTheThrust) {
  struct Case {
    const char* axial;
    int result;
    const char* identity;
  };
  for (const Case& c : {Case{"      0.0", 209, "RUN00009"}, Case{"  20000.0", 209, "RUN00009"},
                        Case{"  60000.0", 240, "RUN00040"}}) {
    SCOPED_TRACE(c.axial);
    const RunResults r = Analyse(Edited(Fixture("prestressed_short_pile_60k.tv6"), "  60000.0  1",
                                        std::string(c.axial) + "  1"));
    EXPECT_EQ(r.result_code, c.result);
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(r.error->identity, c.identity);
  }
}

// The pile-length study of the pipe under 30 kips ends at the first length
// that the thrust buckles or tips over, as at excess deflection: no row with
// the head moving against the shear.
TEST(Stability, LengthStudyEndsAtTheFirstUnstableLength) {
  const RunResults r =
      Analyse(Edited(Fixture("pipe_elastic_subgrade_45k.tv6"), "  45400.0  1", "  30000.0  0"));
  ASSERT_EQ(r.result_code, 0) << r.report_text;
  ASSERT_TRUE(r.cases.at(0).length_study.has_value());
  const PileLengthStudy& study = *r.cases[0].length_study;
  EXPECT_EQ(study.ended_by, "loss of stability");
  // Lengths 100 ft down to 25 ft hold; 20 ft does not.
  ASSERT_EQ(study.rows.size(), 16U);
  EXPECT_EQ(study.lengths_analysed, 17);
  EXPECT_NEAR(study.rows.back().length, 25.0 * 12.0, 1e-9);
  for (const LengthStudyRow& row : study.rows) EXPECT_GT(row.head_deflection, 0.0);
}

// The short stiff pile holds 200 kips with its head held in deflection and
// slope, and in the study's shear cases (slope held), but the moment cases
// hold the deflection only: the thrust turns the pile about its head. The
// study ends there, and the report says why.
TEST(Stability, StiffnessStudyEndsAtTheFirstUnstableCase) {
  const RunResults r = Analyse(Fixture("short_pile_stiffness_study_200k.tv6"));
  ASSERT_EQ(r.result_code, 0) << r.report_text;
  ASSERT_TRUE(r.stiffness.has_value());
  EXPECT_FALSE(r.stiffness->complete);
  EXPECT_EQ(r.stiffness->cases_converged, 10);
  EXPECT_EQ(r.stiffness->ended_by, "loss of stability");
  EXPECT_TRUE(r.stiffness->rows.empty());
  const auto lines = testing::SplitLines(r.report_text);
  EXPECT_GE(testing::FindLine(lines,
                              "the pile-head stiffness study case 11 of 20 has no stable "
                              "equilibrium under the axial load."),
            0);
}

}  // namespace
}  // namespace tarvex
