// Whole load cases through the pile stages: node preparation, the iteration
// of solver and p-y criteria, checked against closed-form results and the
// clay curves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/printed_py_curve.hpp"
#include "input/reader.hpp"
#include "pile/analysis.hpp"
#include "pile/node_setup.hpp"
#include "section/section_analysis.hpp"
#include "soil/py_curves.hpp"
#include "support/pile_fixture.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

// A steel pile 24 in across (solid, E = 29e6 psi), 100 ft long, in an elastic
// subgrade of 100 pci; 500 increments.
std::string ElasticPileInput(const std::string& loading) {
  return testing::PileInput(testing::Parts("1\n1\n11\n100.0\n1\n24.0\n24.0\n29000000.0\n",
                                           "1\n13 0.0 120.0\n60.0 100.0\n60.0 100.0\n", loading,
                                           500));
}

void ExpectClose(double actual, double expected, double rel_tol, const char* what) {
  EXPECT_NEAR(actual, expected, rel_tol * std::fabs(expected)) << what;
}

TEST(PileSolution, ElasticPileInElasticSubgradeMatchesTheClosedForm) {
  const double ei = 29.0e6 * 3.141592653589793 * std::pow(24.0, 4) / 64.0;
  const double k = 100.0 * 24.0;  // subgrade modulus times width, lb/in^2
  const double beta = std::pow(k / (4.0 * ei), 0.25);
  const double shear = 10000.0;
  constexpr double kTol = 2e-3;  // discretisation error of 500 increments

  // Free head: shear only.
  auto free_head = testing::SolveCase(ElasticPileInput("1\n1 1 10000.0 0.0 0.0 1\n0\n"), 1);
  ASSERT_EQ(free_head.iteration, CaseIteration::kConverged)
      << free_head.model->out.report.contents();
  const PileNodes& f = free_head.model->state.nodes;
  ExpectClose(f.y[At(1)], 2.0 * shear * beta / k, kTol, "free-head deflection");
  const double slope = (f.y[At(2)] - f.y[At(0)]) / (2.0 * f.h);
  ExpectClose(std::fabs(slope), 2.0 * shear * beta * beta / k, kTol, "free-head slope");
  double max_moment = 0.0, depth = 0.0;
  for (int i = 1; i <= f.count; ++i) {
    const double m = std::fabs(NodeMoment(f, i));
    if (m > max_moment) {
      max_moment = m;
      depth = f.x[At(i)];
    }
  }
  ExpectClose(max_moment, 0.3224 * shear / beta, kTol, "maximum moment");
  EXPECT_NEAR(depth, 3.141592653589793 / (4.0 * beta), 2.0 * f.h);
  EXPECT_GE(free_head.model->state.iteration, 6);  // a linear soil still takes six solutions

  // Fixed head: shear and zero slope.
  auto fixed = testing::SolveCase(ElasticPileInput("1\n1 2 10000.0 0.0 0.0 1\n0\n"), 1);
  ASSERT_EQ(fixed.iteration, CaseIteration::kConverged);
  const PileNodes& x = fixed.model->state.nodes;
  ExpectClose(x.y[At(1)], shear * beta / k, kTol, "fixed-head deflection");
  ExpectClose(std::fabs(NodeMoment(x, 1)), shear / (2.0 * beta), kTol, "fixed-head moment");
}

// Soft clay over stiff clay with a reinforced elastic pile: the moduli the
// criteria gave the nodes are the secants of their curves at the converged
// deflections.
TEST(PileSolution, ClayModuliAreCurveSecantsAtConvergence) {
  auto solved = testing::SolveCase(
      testing::PileInput(testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                                        "2\n1 0.0 15.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n"
                                        "3 15.0 80.0\n60.0 1500.0 0.005\n60.0 2000.0 0.005\n",
                                        "1\n1 1 30000.0 0.0 0.0 1\n0\n", 100)),
      1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
  const AnalysisModel& m = *solved.model;
  EXPECT_GT(m.state.nodes.y[At(1)], 0.0);
  // Node 3 (1.2 ft deep) in soft clay: static Matlock curve, c = 300 psf at
  // the top rising to 400 psf at 15 ft, gamma' 50 pcf, eps50 0.02.
  const double z = m.state.nodes.z[At(3)];
  const double c = (300.0 + 100.0 * z / 180.0) / 144.0;
  const double gamma = 50.0 / 1728.0;
  const double b = 36.0;
  const double np = 3.0 + gamma * z / c + 0.5 * z / b;
  const double pu = std::min(np, 9.0) * c * b;
  const double y50 = 2.5 * 0.02 * b;
  // The iteration ends with the moduli of the previous deflections; compare
  // the secant at the node's last deflection within the tolerance's reach.
  const double y = std::fabs(m.state.nodes.y[At(3)]);
  const double p = 0.5 * pu * std::pow(y / y50, double(0.33333334f));
  EXPECT_NEAR(m.state.nodes.es[At(3)], p / y, 1e-3 * p / y);
  EXPECT_EQ(m.out.diagnostics.error_code, 0);
}

TEST(PileSolution, AllFiveLoadTypesConverge) {
  const char* loadings[] = {"1 1 20000.0 100000.0 50000.0 1", "1 2 20000.0 0.0 50000.0 1",
                            "1 3 20000.0 1.0e9 50000.0 1", "1 4 0.25 0.0 50000.0 1",
                            "1 5 0.25 0.0 50000.0 1"};
  for (const char* row : loadings) {
    auto solved = testing::SolveCase(
        testing::PileInput(testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                                          "2\n1 0.0 15.0\n50.0 300.0 0.0\n50.0 400.0 0.0\n"
                                          "2 15.0 80.0\n60.0 1500.0 0.0 0.0\n60.0 2000.0 0.0 0.0\n",
                                          std::string("1\n") + row + "\n0\n", 100)),
        1);
    EXPECT_EQ(solved.iteration, CaseIteration::kConverged) << row << "\n"
                                                           << solved.model->out.report.contents();
    if (std::string(row).substr(2, 1) == "4" || std::string(row).substr(2, 1) == "5") {
      EXPECT_NEAR(solved.model->state.nodes.y[At(1)], 0.25, 1e-12) << row;
    }
  }
}

TEST(PileSolution, PrintedCurvesAtRequestedDepths) {
  testing::PileInputParts parts = testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                                                 "2\n1 0.0 15.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n"
                                                 "13 15.0 80.0\n60.0 200.0\n60.0 200.0\n",
                                                 "1\n1 1 30000.0 0.0 0.0 1\n0\n");
  parts.py_depths = {20.0, 5.0, 20.0};
  auto solved = testing::SolveCase(testing::PileInput(parts), 1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged);
  AnalysisModel& m = *solved.model;
  const std::vector<testing::RenderedCurve> curves = testing::PrintCurves(m);
  ASSERT_EQ(m.out.diagnostics.error_code, 0) << m.out.report.contents();
  const auto plot = testing::SplitLines(m.out.plot.contents());
  // Line 6 with two curves (the repeated depth once), in ascending order.
  const int line6 = testing::FindLine(
      plot, "    2" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
  ASSERT_GE(line6, 0);
  EXPECT_EQ(plot[static_cast<std::size_t>(line6 + 1)].substr(0, 20), "  0.6000000E+02   17");
  EXPECT_EQ(plot[static_cast<std::size_t>(line6 + 1)].substr(80),
            "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1");
  EXPECT_EQ(plot[static_cast<std::size_t>(line6 + 19)].substr(80),
            "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 2");
  const auto report = testing::SplitLines(m.out.report.contents());
  // Static loading with 100 cycles: the title follows the number of cycles,
  // the curve the loading type (no cyclic drop beyond 3 y50).
  const int title = testing::FindLine(
      report, "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions");
  ASSERT_GE(title, 0) << m.out.report.contents();
  EXPECT_EQ(report[static_cast<std::size_t>(title + 20)],
            "Number of cycles of loading =         100.");
  EXPECT_EQ(report[static_cast<std::size_t>(title + 41)], "       15.12000        381.94444");
  EXPECT_EQ(report[static_cast<std::size_t>(title + 2)],
            "Soil Layer Number" + std::string(38, ' ') + "=            1");
  EXPECT_EQ(report[static_cast<std::size_t>(title + 3)],
            "Depth below pile head" + std::string(34, ' ') + "=        5.000 ft");
  // The nodes of the pile are back after the printing.
  EXPECT_EQ(m.state.nodes.count, 101);
  EXPECT_EQ(m.state.nodes.x[At(101)], 720.0);

  // The curves as data: what the plot records and the report show.
  ASSERT_EQ(curves.size(), 2U);
  const struct {
    int layer;
    SoilCriterion criterion;
    double depth;
    const char* dashes;
  } expected[] = {{1, kSoftClay, 60.0, "----------------    -----------------"},
                  {2, kElasticSubgrade, 240.0, "---------------   ---------------"}};
  for (std::size_t c = 0; c < 2; ++c) {
    const testing::RenderedCurve& curve = curves[c];
    EXPECT_EQ(curve.number, static_cast<int>(c) + 1);
    EXPECT_EQ(curve.layer, expected[c].layer);
    EXPECT_EQ(curve.criterion, expected[c].criterion);
    EXPECT_EQ(curve.depth, expected[c].depth);
    ASSERT_EQ(curve.y.size(), 17U);
    ASSERT_EQ(curve.p.size(), 17U);
    const int header = line6 + 1 + 18 * static_cast<int>(c);
    for (std::size_t k = 0; k < 17; ++k) {
      const std::string& record = plot[static_cast<std::size_t>(header) + 1 + k];
      EXPECT_EQ(FormatExponent(curve.y[k], 15, 7), record.substr(0, 15)) << c << " " << k;
      EXPECT_EQ(FormatExponent(curve.p[k], 15, 7), record.substr(15, 15)) << c << " " << k;
    }
    // The block's lines stand in the report just above the curve's table.
    ASSERT_FALSE(curve.block.empty());
    EXPECT_EQ(curve.block.back(), expected[c].dashes);
    EXPECT_NE(std::search(report.begin(), report.end(), curve.block.begin(), curve.block.end()),
              report.end());
  }
  EXPECT_EQ(curves[0].block[2],
            "p-y Curve Computed Using the Soft Clay Criteria for Cyclic "
            "Loading Conditions");
  EXPECT_TRUE(curves[0].notes.empty());
}

// The report lines of the printed curve whose title is `title`, up to the
// next curve.
std::vector<std::string> CurveBlock(const std::string& report, const std::string& title) {
  const auto lines = testing::SplitLines(report);
  const int first = testing::FindLine(lines, title);
  if (first < 0) return {};
  int last = first + 1;
  while (last < static_cast<int>(lines.size()) &&
         lines[static_cast<std::size_t>(last)].rfind("p-y Curve", 0) != 0) {
    ++last;
  }
  return {lines.begin() + first, lines.begin() + last};
}

// A stiff clay without free water takes fewer than one cycle as one cycle.
// That is its own rule: the printed curve of a stiff clay with free water
// above it must be the same whatever criterion the layer below follows.
// What the output pass hands its sink, in order: the heading before any
// station, each curve complete (title, values, points) when it is handed on,
// and the end of every layer with stations, also of one whose criterion
// prints no curves (frozen soil).
TEST(PileSolution, PrintedCurvesReachTheSinkInPrintedOrder) {
  testing::PileInputParts parts =
      testing::Parts("1\n1\n11\n60.0\n1\n24.0\n24.0\n4000000.0\n",
                     "3\n1 0.0 20.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n17 20.0 40.0\n"
                     "13 40.0 60.0\n60.0 200.0\n60.0 200.0\n",
                     "1\n1 1 10000.0 0.0 0.0 1\n0\n");
  parts.py_depths = {50.0, 10.0, 30.0, 5.0};
  auto solved = testing::SolveCase(testing::PileInput(parts), 1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
  AnalysisModel& m = *solved.model;
  struct Recorder : PrintedCurveSink {
    std::vector<std::string> events;
    void Start() override { events.push_back("start"); }
    void Curve(const PrintedPyCurve& c) override {
      const bool complete = !c.title.empty() && !c.parameters.empty() && c.y.size() == c.p.size() &&
                            !c.y.empty() && c.lines.back().kind != CurveLineKind::kTitle;
      events.push_back("curve " + std::to_string(c.number) + " in layer " +
                       std::to_string(c.layer) + (complete ? "" : " incomplete"));
    }
    void LayerDone(int layer) override {
      events.push_back("layer " + std::to_string(layer) + " done");
    }
    void Done() override { events.push_back("done"); }
    void AboveGround(int, int, double) override { events.push_back("above ground"); }
  } recorder;
  m.out.report.Rewind();
  m.out.plot.Rewind();
  const std::vector<PrintedPyCurve> curves = PrintPyCurves(
      PyPass{m.input, m.tables, m.soil, m.state.nodes, m.state.pile_length, m.out}, recorder);
  ASSERT_EQ(m.out.diagnostics.error_code, 0) << m.out.report.contents();
  const std::vector<std::string> expected = {
      "start",        "curve 1 in layer 1", "curve 2 in layer 1", "layer 1 done",
      "layer 2 done", "curve 4 in layer 3", "layer 3 done",       "done"};
  EXPECT_EQ(recorder.events, expected);
  EXPECT_EQ(curves.size(), 3U);
  // The pass itself writes nothing to the report or the plot file: the sink
  // renders.
  EXPECT_EQ(m.out.report.contents(), "");
  EXPECT_EQ(m.out.plot.contents(), "");
}

TEST(PileSolution, AStiffClayWithoutFreeWaterKeepsItsNumberOfCyclesToItself) {
  const std::string free_water = "2 0.0 15.0\n60.0 1500.0 0.005 0.0\n60.0 2000.0 0.005 0.0\n";
  auto printed = [&](const std::string& lower_layer) {
    testing::PileInputParts parts =
        testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                       "2\n" + free_water + lower_layer, "1\n1 1 30000.0 0.0 0.0 1\n0\n");
    parts.cyclic = true;
    parts.cycles = 0.4;
    parts.py_depths = {5.0, 40.0};
    auto solved = testing::SolveCase(testing::PileInput(parts), 1);
    EXPECT_EQ(solved.iteration, CaseIteration::kConverged);
    AnalysisModel& m = *solved.model;
    m.out.report.Rewind();
    testing::PrintCurves(m);
    EXPECT_EQ(m.out.diagnostics.error_code, 0) << m.out.report.contents();
    return m.out.report.contents();
  };
  const std::string with_no_free_water =
      printed("3 15.0 80.0\n60.0 1500.0 0.005\n60.0 2000.0 0.005\n");
  const std::string with_free_water =
      printed("2 15.0 80.0\n60.0 1500.0 0.005 0.0\n60.0 2000.0 0.005 0.0\n");

  const std::string upper =
      "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water";
  const std::vector<std::string> block = CurveBlock(with_no_free_water, upper);
  ASSERT_FALSE(block.empty()) << with_no_free_water;
  EXPECT_EQ(block, CurveBlock(with_free_water, upper));
  EXPECT_GE(testing::FindLine(
                block, "Number of Cycles of Loading" + std::string(28, ' ') + "=           0."),
            0);
  // The lower layer prints the number it used.
  const std::vector<std::string> lower =
      CurveBlock(with_no_free_water,
                 "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water");
  EXPECT_GE(testing::FindLine(
                lower, "Number of cycles of loading" + std::string(28, ' ') + "=           1."),
            0)
      << with_no_free_water;
}

}  // namespace
}  // namespace tarvex

namespace tarvex {
namespace {

TEST(PileSolution, LayeringSwitchAndEquivalentDepth) {
  // Soft clay over stiff clay: the lower layer starts from an equivalent
  // depth. Below an elastic subgrade layer it does not (layering switched off).
  const std::string sections = "1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n";
  const std::string loading = "1\n1 1 30000.0 0.0 0.0 1\n0\n";
  auto clays =
      testing::SolveCase(testing::PileInput(testing::Parts(
                             sections,
                             "2\n1 0.0 15.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n3 15.0 80.0\n"
                             "60.0 1500.0 0.005\n60.0 2000.0 0.005\n",
                             loading)),
                         1);
  ASSERT_EQ(clays.iteration, CaseIteration::kConverged);
  EXPECT_GT(clays.model->soil.heq[2], 0.0);
  EXPECT_GT(clays.model->soil.layer_resistance[1], 0.0);
  EXPECT_FALSE(clays.model->soil.layering_off[2]);

  auto below_subgrade = testing::SolveCase(
      testing::PileInput(testing::Parts(sections,
                                        "2\n13 0.0 15.0\n50.0 100.0\n50.0 100.0\n3 15.0 80.0\n"
                                        "60.0 1500.0 0.005\n60.0 2000.0 0.005\n",
                                        loading)),
      1);
  ASSERT_EQ(below_subgrade.iteration, CaseIteration::kConverged);
  EXPECT_TRUE(below_subgrade.model->soil.layering_off[2]);
  EXPECT_EQ(below_subgrade.model->soil.heq[2], -10000.0);
}

// The soil read at the nodes is kept between the solver passes of a load
// case. Nodes that move, as when the pile-length study shortens the pile,
// read the soil again: their moduli are those of a pass that reads afresh.
TEST(PileSolution, KeptSoilFollowsTheNodes) {
  auto solved = testing::SolveCase(
      testing::PileInput(testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                                        "2\n1 0.0 15.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n"
                                        "2 15.0 80.0\n60.0 1500.0 0.0 0.0\n60.0 2000.0 0.0 0.0\n",
                                        "1\n1 1 30000.0 0.0 0.0 1\n0\n", 100)),
      1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged);
  AnalysisModel& m = *solved.model;
  m.state.pile_length *= 0.8;
  SetNodeGeometry(m.state.pile_length, m.input.options.increments, m.input.batter_angle,
                  m.state.nodes);
  SetNodeProperties(m.input, m.tables, true, m.state.nodes, m.out.report);
  auto fresh = std::make_unique<PileNodes>(m.state.nodes);
  UpdateSoilModuli(PyPass{m.input, m.tables, m.soil, m.state.nodes, m.state.pile_length, m.out,
                          &m.state.soil_reads});
  UpdateSoilModuli(PyPass{m.input, m.tables, m.soil, *fresh, m.state.pile_length, m.out});
  ASSERT_EQ(m.out.diagnostics.error_code, 0) << m.out.report.contents();
  for (int k = 1; k <= fresh->count; ++k) {
    ASSERT_EQ(m.state.nodes.es[At(k)], fresh->es[At(k)]) << "node " << k;
  }
}

TEST(PileSolution, SoilMovementAndMultipliers) {
  std::string input = testing::PileInput(
      testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                     "1\n13 0.0 80.0\n60.0 100.0\n60.0 100.0\n", "1\n1 1 0.0 0.0 0.0 1\n0\n"));
  input.replace(input.find("UseSoilMovement NO"), 18, "UseSoilMovement YES");
  input.replace(input.find("UsePYModifiers NO"), 17, "UsePYModifiers YES");
  input.replace(input.find("END\n"), 4,
                "SOIL MOVEMENTS\n2\n1 0.0 1.0\n2 10.0 0.0\nGROUPEFF\n2\n1 0.0 0.5 2.0\n2 60.0 0.5 "
                "2.0\nEND\n");
  auto solved = testing::SolveCase(input, 1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
  const PileNodes& n = solved.model->state.nodes;
  // Node 11 at 6 ft: the movement 1 in at the head falls linearly to 0 at 10 ft.
  EXPECT_DOUBLE_EQ(n.ys[At(11)], 1.0 - 72.0 / 120.0);
  const double es = 0.5 * 100.0 * 36.0 / 2.0;  // pm Es b / ym
  EXPECT_DOUBLE_EQ(n.es[At(11)], es);
  EXPECT_DOUBLE_EQ(n.w[At(11)], es * n.ys[At(11)]);
  EXPECT_GT(n.y[At(1)], 0.0);  // the moving soil pushes the free pile along
}

TEST(PileSolution, APileAboveTheGroundIsRefused) {
  // The soil starts below the pile tip: no spring would hold the pile.
  auto solved = testing::SolveCase(
      testing::PileInput(testing::Parts("1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n",
                                        "1\n13 70.0 120.0\n60.0 100.0\n60.0 100.0\n",
                                        "1\n1 1 1000.0 0.0 0.0 1\n0\n")),
      1);
  EXPECT_EQ(solved.model->out.diagnostics.error_code, 195);
  EXPECT_GE(testing::FindLine(testing::SplitLines(solved.model->out.report.contents()),
                              "          so that no soil supports the pile."),
            0);
}

TEST(PileSolution, SmallPivotBlock) {
  RunOutput m;
  FdWorkspace ws;
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j)
      ws.f[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = 10 * i + j;
    ws.g[static_cast<std::size_t>(i)] = i;
  }
  FdResult r{};
  r.small_pivot = true;
  r.pivot_step = 4;
  r.pivot = 1e-21;
  ReportSmallPivot(m, r, ws);
  EXPECT_EQ(m.diagnostics.error_code, 211);
  const auto report = testing::SplitLines(m.report.contents());
  const std::vector<std::string> head = {
      "**** Runtime Error No. 11 ****",
      "",
      "Problem:  Solution failed due to small pivot value.",
      "          Node number = 4",
      "          Pivot value =  0.10000E-20",
      "",
      "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ",
      "          Reduce the load on the pile and repeat the analysis.",
      "          You may also consider increasing pile diameter or pile length.",
      "",
      "",
      "F Matrix ",
      "  0.0000E+00  0.1000E+02  0.2000E+02  0.3000E+02  0.4000E+02"};  // a column of F
  EXPECT_EQ(std::vector<std::string>(report.begin(), report.begin() + 13), head);
  EXPECT_EQ(testing::SplitLines(m.message.contents())[0], "**** Runtime Error No. 11 ****");
}

}  // namespace
}  // namespace tarvex
