// A gap between two soil layers through a whole run: warning 361 reaches the
// result code, the warning summary, the message file and the results, and
// the analysis is that of the lower layer taken from the upper one's bottom.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

TEST(LayerGap, WarningReachesTheSummaryAndTheResultsAndTheAnalysisStays) {
  const std::string input = testing::ReadFile(std::string(TARVEX_SOURCE_DIR) +
                                              "/tests/engine/fixtures/soil_layer_gap_si.tv6");
  AnalyseOptions options;
  options.keep_texts = true;
  const RunResults gap = analyse(input, options);
  EXPECT_EQ(gap.result_code, -361);
  EXPECT_EQ(gap.outcome, Outcome::kWarnings);
  ASSERT_EQ(gap.warnings.size(), 1U);
  EXPECT_EQ(gap.warnings[0].number, 361);
  EXPECT_EQ(gap.warnings[0].load_case, 0);
  const std::string detail = "Layer 1 ends at 3.000 m and layer 2 begins at 10.000 m.";
  const std::vector<std::string>& text = gap.warnings[0].text;
  ASSERT_GE(text.size(), 2U);
  EXPECT_EQ(text[text.size() - 2], detail);
  const auto report = testing::SplitLines(gap.report_text);
  const int summary = testing::FindLine(report, "The following warning was reported 1 times");
  ASSERT_GE(summary, 0);
  EXPECT_GT(testing::FindLine(report, detail, summary), summary);
  EXPECT_GE(testing::FindLine(testing::SplitLines(gap.message_text),
                              "Warning : Layer 2 begins at 10.000 m, below the bottom of layer "
                              "1 at 3.000 m,"),
            0);

  // The same profile with the stiff clay given from 3 m: the same numbers.
  const std::size_t at = input.find("3  10.0  25.0");
  ASSERT_NE(at, std::string::npos);
  std::string closed = input;
  closed.replace(at, 13, "3   3.0  25.0");
  const RunResults same = analyse(closed, options);
  EXPECT_EQ(same.result_code, 0);
  ASSERT_EQ(gap.cases.size(), 1U);
  ASSERT_EQ(same.cases.size(), 1U);
  EXPECT_EQ(gap.cases[0].head_deflection, same.cases[0].head_deflection);
  EXPECT_EQ(gap.cases[0].max_moment, same.cases[0].max_moment);
}

}  // namespace
}  // namespace tarvex
