#include "pile/response.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "pile/analysis.hpp"
#include "report/load_case_report.hpp"
#include "support/pile_fixture.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FindLine;
using testing::SplitLines;

constexpr std::size_t At(int k) { return PileNodes::At(k); }

testing::SolvedCase ShaftInClay(int increments = 100) {
  return testing::SolveCase(
      testing::PileInput(testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                                        "2\n1 0.0 15.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n"
                                        "3 15.0 80.0\n60.0 1500.0 0.005\n60.0 2000.0 0.005\n",
                                        "1\n1 1 30000.0 0.0 0.0 1\n0\n", increments)),
      1);
}

// The case's result and its report block and plot records, rendered anew.
LoadCaseResult Report(AnalysisModel& m) {
  LoadCaseResult result;
  ComputeCaseResult(m.input, m.tables, m.state, result);
  m.out.report.Rewind();
  m.out.plot.Rewind();
  WriteLoadCaseReport(m.input.options, 1, result, m.out);
  return result;
}

TEST(LoadCaseReport, TableEveryPrintIncrementPlotRecordsEveryNode) {
  auto solved = ShaftInClay();
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged);
  AnalysisModel& m = *solved.model;
  Report(m);
  const auto report = SplitLines(m.out.report.contents());
  const int dashes = FindLine(report,
                              "---------- ---------- ---------- ---------- ---------- "
                              "---------- ---------- ---------- ---------- ----------");
  ASSERT_GE(dashes, 0) << m.out.report.contents();
  // Nodes 1, 6, ..., 101: 21 lines; the first at depth 0, the last at 720 in.
  const int first = dashes + 1;
  EXPECT_EQ(report[static_cast<std::size_t>(first)].substr(0, 11), "      0.00 ");
  EXPECT_EQ(report[static_cast<std::size_t>(first + 20)].substr(0, 10), "   720.000");
  EXPECT_EQ(report[static_cast<std::size_t>(first + 21)], "");
  const auto plot = SplitLines(m.out.plot.contents());
  int line10 = 0;
  for (const auto& l : plot)
    line10 += l.find("): nodal depth, y, M, V, p, EI") != std::string::npos;
  EXPECT_EQ(line10, 101);
  EXPECT_EQ(plot[0].substr(0, 15), "    1  101    1");  // Line 9 for load case 1
  EXPECT_EQ(plot[1].substr(91, 11), "Line 10(  1");

  // Es*h of the head and tip nodes is half that of interior nodes.
  const PileNodes& n = m.state.nodes;
  auto spring_column = [&](int row) {
    return std::stod(report[static_cast<std::size_t>(first + row)].substr(87, 11));
  };
  EXPECT_NEAR(spring_column(0), n.es[At(1)] * n.h / 2.0, 1e-3 * n.es[At(1)] * n.h);
  EXPECT_NEAR(spring_column(20), n.es[At(101)] * n.h / 2.0, 1e-3 * n.es[At(101)] * n.h);
  EXPECT_NEAR(spring_column(1), n.es[At(6)] * n.h, 1e-3 * n.es[At(6)] * n.h);

  EXPECT_GE(FindLine(report,
                     "Output Verification: Computed forces and moments are within "
                     "specified convergence limits."),
            0);
  const int summary = FindLine(report, "Output Summary for Load Case No. 1:");
  ASSERT_GE(summary, 0);
  EXPECT_EQ(report[static_cast<std::size_t>(summary + 8)].substr(0, 35),
            "Number of iterations             = ");
  EXPECT_EQ(std::stoi(report[static_cast<std::size_t>(summary + 8)].substr(35)), m.state.iteration);
}

TEST(NodeResponses, AResponseThatIsNotFiniteIsFoundAtItsFirstNode) {
  // An overflowed stiffness at node 50 makes the shear of node 49 infinite.
  auto solved = ShaftInClay();
  AnalysisModel& m = *solved.model;
  LoadCaseResult result;
  ComputeCaseResult(m.input, m.tables, m.state, result);
  EXPECT_EQ(FirstNonFiniteNode(result), 0);
  m.state.nodes.ei[At(50)] = std::numeric_limits<double>::infinity();
  ComputeCaseResult(m.input, m.tables, m.state, result);
  EXPECT_EQ(FirstNonFiniteNode(result), 49);
}

TEST(NodeResponses, ZeroDeflectionPointsAndExtremes) {
  auto solved = ShaftInClay();
  AnalysisModel& m = *solved.model;
  PileNodes& n = m.state.nodes;
  // A shape crossing zero twice.
  for (int k = -1; k <= n.count + 1; ++k) n.y[At(k)] = std::cos(k * 0.05);  // zeros near k = 31, 94
  LoadCaseResult rec;
  ComputeCaseResult(m.input, m.tables, m.state, rec);
  EXPECT_EQ(rec.zero_deflection_points, 2);
  const std::vector<double>& moment = rec.nodes.moment;
  ASSERT_EQ(moment.size(), static_cast<std::size_t>(n.count));
  double largest = 0.0;
  for (double v : moment) largest = std::max(largest, std::fabs(v));
  EXPECT_EQ(std::fabs(rec.max_moment), largest);
  EXPECT_EQ(moment.back(), 0.0);  // the tip carries no moment
}

TEST(Verification, ASolvedCaseBalancesAndADisturbedOneWarns) {
  auto solved = ShaftInClay();
  AnalysisModel& m = *solved.model;
  const Imbalance ok = CheckEquilibrium(m.state);
  EXPECT_LT(ok.moment, 1e-3);  // round-off of a solution about 1e6 lb-in in size
  EXPECT_LT(ok.force, 1e-3);
  m.state.nodes.y[At(40)] += 1e-3;  // not a solution of the equations any more
  const Imbalance bad = CheckEquilibrium(m.state);
  EXPECT_GT(bad.moment, 1.0);
  // The disturbed node upsets the increments on either side of it.
  EXPECT_TRUE(bad.moment_station == 41 || bad.moment_station == 42) << bad.moment_station;
  EXPECT_FALSE(Report(m).verified);
  const auto report = SplitLines(m.out.report.contents());
  EXPECT_GE(FindLine(report, "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"), 0);
  const auto message = SplitLines(m.out.message.contents());
  EXPECT_GE(FindLine(message, "**** Warning - POSSIBLE SOLUTION ERROR 550 ****"), 0);
  bool named = false;
  for (const auto& l : message) {
    named = named ||
            (l.rfind("Maximum internal moment imbalance for pile solution", 0) == 0 &&
             l.find(" in-lb at node " + std::to_string(bad.moment_station)) != std::string::npos);
  }
  EXPECT_TRUE(named) << m.out.message.contents();
}

// The kind of each plot record ("Line 10(  5)" is kind 10), consecutive
// repeats collapsed.
std::vector<int> RecordKinds(const std::string& plot) {
  std::vector<int> kinds;
  for (const std::string& l : SplitLines(plot)) {
    const std::size_t at = l.find("Line ", l.size() > 60 ? 60 : 0);
    if (at == std::string::npos) continue;
    const int kind = std::atoi(l.c_str() + at + 5);
    if (kinds.empty() || kinds.back() != kind) kinds.push_back(kind);
  }
  return kinds;
}

TEST(PlotFile, RecordsInRunOrder) {
  testing::TempDir d;
  testing::WriteFile(
      d.File("in.tv6"),
      testing::PileInput(testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                                        "1\n1 0.0 80.0\n50.0 300.0 0.02\n50.0 900.0 0.01\n",
                                        "2\n1 1 30000.0 0.0 0.0 1\n2 2 30000.0 0.0 0.0 1\n0\n")));
  const RunFiles files{d.File("in.tv6"), d.File("o.out"), d.File("o.plt"), d.File("o.msg")};
  ASSERT_EQ(run(files), 0) << testing::ReadFile(files.report);
  EXPECT_EQ(RecordKinds(testing::ReadFile(files.plot)),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 10, 11, 10, 11, 13}));  // one thrust level
}

}  // namespace
}  // namespace tarvex
