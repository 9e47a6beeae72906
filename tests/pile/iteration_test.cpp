#include "pile/iteration.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::FindLine;
using testing::SplitLines;

// Stages that play back a scripted sequence of (top deflection, largest change).
class ScriptedStages : public IterationStages {
 public:
  explicit ScriptedStages(std::function<std::pair<double, double>(int)> script)
      : script_(std::move(script)) {}
  void Solve(AnalysisModel& model) override {
    const auto [ytop, dymax] = script_(model.run.iteration);
    model.run.top_deflection = ytop;
    model.run.max_change = dymax;
  }
  void UpdateSoilModuli(AnalysisModel&) override { ++soil_updates; }
  void UpdateBendingStiffness(AnalysisModel&) override { ++stiffness_updates; }
  int soil_updates = 0;
  int stiffness_updates = 0;

 private:
  std::function<std::pair<double, double>(int)> script_;
};

// A model whose pile has no layer needing the node check.
std::unique_ptr<AnalysisModel> Model(int limit) {
  auto m = std::make_unique<AnalysisModel>();
  m->options.iteration_limit = limit;
  m->options.tolerance = 1e-5;
  m->options.max_deflection = 10.0;
  m->options.icom = 3;
  m->options.increments = 100;
  m->pile_length = 600.0;
  m->labels = LabelsFor(UnitSystem::kUscs);
  return m;
}

int CountLinesStartingWith(const std::string& text, const std::string& prefix) {
  int n = 0;
  for (const auto& line : SplitLines(text)) n += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

TEST(Iteration, ConvergesNoSoonerThanTheSixthSolution) {
  auto m = Model(100);
  ScriptedStages stages([](int) { return std::make_pair(0.5, 0.0); });
  EXPECT_EQ(IterateLoadCase(*m, stages, 1), CaseIteration::kConverged);
  EXPECT_EQ(m->run.iteration, 6);
  EXPECT_EQ(CountLinesStartingWith(m->message.contents(), "Analysis Case 1,"), 6);
  EXPECT_EQ(stages.soil_updates, 5);
  EXPECT_EQ(stages.stiffness_updates, 5);
  EXPECT_EQ(SplitLines(m->message.contents())[0],
            "Analysis Case 1,   Iteration 1,    Y(top) =   0.5000E+00, dYmax =   0.0000E+00");
  EXPECT_EQ(m->report.contents(), "");  // no iteration lines below the last five
}

TEST(Iteration, BendingStiffnessIsUpdatedOnlyForComputedStiffness) {
  auto m = Model(100);
  m->options.icom = 2;
  ScriptedStages stages([](int it) { return std::make_pair(0.5, it < 8 ? 1.0 : 0.0); });
  EXPECT_EQ(IterateLoadCase(*m, stages, 2), CaseIteration::kConverged);
  EXPECT_EQ(m->run.iteration, 8);
  EXPECT_EQ(stages.stiffness_updates, 0);
}

TEST(Iteration, NoConvergenceListsTheLastFiveIterations) {
  auto m = Model(30);
  ScriptedStages stages([](int) { return std::make_pair(0.25, 0.125); });
  EXPECT_EQ(IterateLoadCase(*m, stages, 3), CaseIteration::kNotConverged);
  const auto lines = SplitLines(m->report.contents());
  ASSERT_GE(lines.size(), 5U);
  EXPECT_EQ(lines[0], "Iteration 26,   Y(top) =   0.2500E+00, dYmax =   0.1250E+00");
  EXPECT_EQ(lines[4].substr(0, 13), "Iteration 30,");
  const std::vector<std::string> tail(lines.begin() + 5, lines.end());
  const std::vector<std::string> expected = {
      "",
      "",
      "**** Runtime Error No. 10 ****",
      "",
      "The analysis failed to converge within the limit of 30 iterations.",
      "",
      "Maximum change in deflection    =  0.125E+00 in ",
      "Specified convergence tolerance =  0.100E-04 in ",
      "",
      "",
      "",
      "Tarvex ended prematurely due to runtime error number RUN00010"};
  EXPECT_EQ(tail, expected);
  EXPECT_EQ(m->run.error_code, 210);
}

TEST(Iteration, ExcessDeflectionStopsFromTheEleventhIteration) {
  auto m = Model(100);
  // Beyond the limit from the first solution, never converging.
  ScriptedStages stages([](int) { return std::make_pair(-12.5, 1.0); });
  EXPECT_EQ(IterateLoadCase(*m, stages, 1), CaseIteration::kFailed);
  EXPECT_EQ(m->run.iteration, 11);
  EXPECT_EQ(m->run.error_code, 209);
  const auto report = SplitLines(m->report.contents());
  const int heading = FindLine(report, "**** Runtime Error No. 9 ****");
  ASSERT_GE(heading, 2);
  EXPECT_EQ(report[static_cast<std::size_t>(heading + 6)],
            "The computed deflection of the pile head is  -0.1250E+02 in ");
  EXPECT_EQ(report[static_cast<std::size_t>(heading + 8)],
            "The specified excess deflection limit is      0.1000E+02 in ");
  const auto messages = SplitLines(m->message.contents());
  const int mh = FindLine(messages, "**** Runtime Error No. 9 ****");
  ASSERT_GE(mh, 0);
  const std::vector<std::string> expected = {
      "**** Runtime Error No. 9 ****",
      "",
      "An error in the analysis was detected by the program.  ",
      "",
      "Problem:  The computed deflection is larger than the specified excess deflection limit.",
      "",
      "The computed deflection of the pile head is  -0.1250E+02 in ",
      "The specified excess deflection limit is      0.1000E+02 in ",
      "",
      "This error may be due to overloading the pile or bad input data.",
      "",
      "Solution:",
      "Please check input values for pile loading and soil properties for accuracy and/or ",
      "increase the size of the pile if necessary."};
  EXPECT_EQ(std::vector<std::string>(messages.begin() + mh, messages.end()), expected);
}

TEST(Iteration, NotANumberEndsTheRunWithCode228) {
  // NaN or an infinity in the head deflection, the largest change or any
  // node's deflection (which the largest change need not show) ends the run.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double ytop, dymax;
    int node;  // a node whose deflection becomes NaN, or 0
    const char* text;
  };
  const Case cases[] = {
      {nan, 1.0, 0, "Top deflection is Not-A-Number after iteration 3"},
      {1.0, nan, 0, "Maximum change in deflection is Not-A-Number after iteration 3"},
      {-inf, 1.0, 0, "Top deflection is infinite after iteration 3"},
      {1.0, inf, 0, "Maximum change in deflection is infinite after iteration 3"},
      {1.0, 1.0, 40, "Deflection at node 40 is not a finite number after iteration 3"}};
  for (const Case& c : cases) {
    auto m = Model(100);
    m->nodes.count = 101;
    AnalysisModel* model = m.get();
    ScriptedStages stages([&](int it) {
      if (it < 3) return std::make_pair(1.0, 1.0);
      if (c.node != 0) model->nodes.y[PileNodes::At(c.node)] = nan;
      return std::make_pair(c.ytop, c.dymax);
    });
    EXPECT_EQ(IterateLoadCase(*m, stages, 1), CaseIteration::kFailed);
    EXPECT_EQ(m->run.error_code, 228);
    EXPECT_EQ(SplitLines(m->report.contents()),
              (std::vector<std::string>{"**** Runtime Error No. 28 ****", "", c.text}));
  }
}

TEST(Iteration, LayerWithoutANodeEndsTheFirstIteration) {
  auto m = Model(100);
  // Pile of 600 in, 100 increments (h = 6 in); layer 2 is 4 in thick and
  // catches no node.
  m->nodes.count = 101;
  m->nodes.z[PileNodes::At(101)] = 600.0;
  m->layers.resize(3);
  m->layers[0].top = 0.0;
  m->layers[0].bottom = 100.0;
  m->layers[1].top = 100.0;
  m->layers[1].bottom = 104.0;
  m->layers[2].top = 104.0;
  m->layers[2].bottom = 700.0;
  m->nodes.top_node_in_layer[1] = 1;
  m->nodes.top_node_in_layer[3] = 19;
  ScriptedStages stages([](int) { return std::make_pair(0.1, 1.0); });
  EXPECT_EQ(IterateLoadCase(*m, stages, 1), CaseIteration::kFailed);
  EXPECT_EQ(m->run.error_code, 229);
  const auto report = SplitLines(m->report.contents());
  const int h = FindLine(report, "**** Runtime Error No. 29 ****");
  ASSERT_GE(h, 2);
  const std::vector<std::string> expected = {
      "**** Runtime Error No. 29 ****",
      "",
      "PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.",
      "          This layer lacks a nodal point and this prevents the correct computation of "
      "the layer's p-y curves. ",
      "          The thickness of layer 2 is     4.000 in and the pile increment length is     "
      "6.000 in",
      "          The current number of pile increments is 100.",
      "          The estimated minimum number of increments needed to get at least one nodal "
      "point in the layer is 150.",
      "",
      "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed "
      "in Tarvex.",
      "          If this error occurs with the maximum number of pile increments, you will need "
      "to combine the thinnest",
      "          soil layer with an adjacent layer.",
      "",
      ""};
  EXPECT_EQ(std::vector<std::string>(report.begin() + h, report.end()), expected);
  // The message file's copy has no empty line after the estimate.
  const auto messages = SplitLines(m->message.contents());
  const int mh = FindLine(messages, "**** Runtime Error No. 29 ****");
  ASSERT_GE(mh, 0);
  EXPECT_EQ(messages[static_cast<std::size_t>(mh + 7)].substr(0, 9), "SOLUTION:");

  // A layer whose equivalent depth is set, or that lies below a rock layer,
  // is not checked.
  for (int variant = 0; variant < 2; ++variant) {
    auto ok = Model(100);
    ok->nodes = m->nodes;
    ok->layers = m->layers;
    if (variant == 0) ok->heq[2] = 3.0;
    if (variant == 1) ok->layering_off[2] = true;
    ScriptedStages converging([](int) { return std::make_pair(0.1, 0.0); });
    EXPECT_EQ(IterateLoadCase(*ok, converging, 1), CaseIteration::kConverged) << variant;
  }
}

}  // namespace
}  // namespace tarvex
