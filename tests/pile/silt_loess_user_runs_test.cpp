// Cemented silt, loess, Piedmont residual soil and user-input curves in
// whole load cases: their printed curves, their errors word for word, and
// their place in the layering.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/printed_py_curve.hpp"
#include "format/record_writer.hpp"
#include "soil/curve_report.hpp"
#include "soil/py_curves.hpp"
#include "support/pile_fixture.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

// A solid elastic pile 24 in across, 60 ft long; one load case of 10 kips.
testing::PileInputParts Pile(const std::string& layers) {
  testing::PileInputParts parts = testing::Parts("1\n1\n11\n60.0\n1\n24.0\n24.0\n4000000.0\n",
                                                 layers, "1\n1 1 10000.0 0.0 0.0 1\n0\n");
  parts.cycles = 1.0;
  return parts;
}

std::vector<testing::RenderedCurve> Print(AnalysisModel& m) { return testing::PrintCurves(m); }

// A report label line: label, column 56, "= ", F12.d, and the unit.
std::string Label(const std::string& label, double v, int decimals, const std::string& unit = "") {
  std::string line =
      label + std::string(55 - label.size(), ' ') + "= " + FormatFixed(v, 12, decimals);
  return unit.empty() ? line : line + " " + unit;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return testing::FindLine(lines, line) >= 0;
}

// Loess from the pile head to 10 ft, cemented silt below it to 30 ft (with
// the default k), then Piedmont soil with SPT blow counts; curves printed in
// each.
TEST(SiltLoessPiedmont, PrintedCurves) {
  testing::PileInputParts parts = Pile(
      "3\n12 0.0 10.0\n95.0 200.0\n95.0 400.0\n"
      "11 10.0 30.0\n60.0 400.0 30.0 0.0 0.0\n60.0 500.0 32.0 0.0 0.0\n"
      "10 30.0 60.0\n110.0 1 8.0 0.0 0.0 0.0\n110.0 1 12.0 0.0 0.0 0.0\n");
  parts.py_depths = {45.0, 1.0, 20.0};
  auto solved = testing::SolveCase(testing::PileInput(parts), 1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
  AnalysisModel& m = *solved.model;
  const std::vector<testing::RenderedCurve> curves = Print(m);
  ASSERT_EQ(m.out.diagnostics.error_code, 0) << m.out.report.contents();
  ASSERT_EQ(curves.size(), 3U);
  const PyLabels u = LabelsOf(UnitSystem::kUscs);

  // Loess at 1 ft, within 2b of the pile head: qc = 220 psi scaled by
  // 12/48 + 0.5.
  EXPECT_EQ(curves[0].criterion, kLoess);
  const std::vector<std::string>& loess = curves[0].block;
  EXPECT_EQ(loess[2], "p-y Curve for Loess");
  const double qc = 220.0 * (12.0 / 48.0 + 0.5);
  const double pu = 24.0 * (double(0.409f) * qc);
  EXPECT_TRUE(Has(loess, "Soil Layer Number" + std::string(38, ' ') + "=          1"));
  EXPECT_TRUE(Has(loess, Label("Depth Adj. Cone tip resistance", qc, 3, u.stress)));
  EXPECT_TRUE(Has(loess, Label("Initial Modulus, Ei", pu / double(0.117f), 3, u.stress)));
  EXPECT_TRUE(Has(loess, Label("p_u", pu, 3, u.force_per_length)));
  EXPECT_TRUE(Has(loess, Label("Number of Cycles of Loading", 1.0, 0, "cycles")));

  // Cemented silt at 20 ft below the loess, a rock-type layer: no layering
  // correction, zc is the depth below the ground. The default k: c of
  // 450 psf is below 6.94 psi (kc 250), the average unit weight 77.5 pcf is
  // below the water table (0.045 pci) and phi is 31 degrees (ks 60).
  EXPECT_EQ(curves[1].criterion, kCementedSilt);
  EXPECT_TRUE(m.soil.layering_off[2]);
  const std::vector<std::string>& silt = curves[1].block;
  EXPECT_EQ(silt[2], "p-y Curve Computed Using the Static Criteria for Cemented Silt");
  EXPECT_TRUE(Has(silt, "Soil Layer Number" + std::string(38, ' ') + "=            2"));
  EXPECT_TRUE(Has(silt, Label("Equivalent Depth, x", 240.0, 3, u.length)));
  EXPECT_TRUE(Has(silt, Label("Angle of Friction, phi", 31.0, 3, "deg.")));
  EXPECT_TRUE(Has(silt, Label("k (interp. from input)", 310.0, 3, u.unit_weight)));
  EXPECT_TRUE(Has(silt, Label("Epsilon50 (interp.)", double(0.02f), 5)));
  EXPECT_TRUE(Has(silt, Label("x/B ratio", 10.0, 3)));
  EXPECT_TRUE(Has(silt, Label("ym = b/60", 0.4, 5, u.length)));
  EXPECT_TRUE(Has(silt, Label("yu = 3b/80", 0.9, 5, u.length)));
  EXPECT_EQ(silt.back(), "----------------    -----------------");

  // Piedmont soil at 45 ft: N60 = 10 blows/ft, Ei = 22 N60.
  EXPECT_EQ(curves[2].criterion, kPiedmont);
  const std::vector<std::string>& piedmont = curves[2].block;
  EXPECT_EQ(piedmont[2], "p-y Curve for Piedmont Residual Soil Criteria");
  EXPECT_TRUE(
      Has(piedmont, "Type of Field Test" + std::string(37, ' ') + "= Standard Penetration Test"));
  EXPECT_TRUE(Has(piedmont, "SPT  N60-value" + std::string(41, ' ') + "=       10.000 blows/ft"));
  EXPECT_TRUE(Has(piedmont, Label("Initial Modulus from Field Tests", 220.0, 3, u.stress)));

  // Every curve starts at the origin; the plot records name the criterion.
  const auto plot = testing::SplitLines(m.out.plot.contents());
  const char* line7[] = {
      "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. 1",
      "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 2",
      "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 3"};
  const char* line8[] = {"Line 8(17): y, p, for Loess", "Line 8(17): y, p, for cemented c-phi",
                         "Line 8(17): y, p, for Piedmont residual soil"};
  for (std::size_t c = 0; c < 3; ++c) {
    ASSERT_EQ(curves[c].y.size(), 17U);
    EXPECT_EQ(curves[c].y[0], 0.0);
    EXPECT_EQ(curves[c].p[0], 0.0);
    const int at = testing::FindLine(
        plot, FormatExponent(curves[c].depth, 15, 7) + "   17" + std::string(60, ' ') + line7[c]);
    ASSERT_GE(at, 0) << line7[c];
    EXPECT_EQ(plot[static_cast<std::size_t>(at) + 17].substr(80), line8[c]);
  }
}

// A silt layer below a clay starts at its equivalent depth; a top k with a
// bottom k of 0 holds through the layer.
TEST(CementedSilt, EquivalentDepthAndConstantK) {
  testing::PileInputParts parts = Pile(
      "2\n1 0.0 10.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n"
      "11 10.0 60.0\n60.0 400.0 30.0 150.0 0.005\n60.0 500.0 32.0 0.0 0.005\n");
  parts.py_depths = {15.0, 40.0};
  auto solved = testing::SolveCase(testing::PileInput(parts), 1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
  AnalysisModel& m = *solved.model;
  const std::vector<testing::RenderedCurve> curves = Print(m);
  ASSERT_EQ(curves.size(), 2U);
  const double heq = m.soil.heq[2];
  EXPECT_GT(heq, 0.0);
  EXPECT_FALSE(m.soil.layering_off[2]);
  const PyLabels u = LabelsOf(UnitSystem::kUscs);
  const double depths[] = {180.0, 480.0};
  for (std::size_t c = 0; c < 2; ++c) {
    const std::vector<std::string>& block = curves[c].block;
    EXPECT_TRUE(Has(block, Label("Equivalent Depth, x", depths[c] - 120.0 + heq, 3, u.length)))
        << c;
    EXPECT_TRUE(Has(block, Label("k (interp. from input)", 150.0, 3, u.unit_weight))) << c;
  }
}

struct ErrorCase {
  const char* name;
  const char* layers;
  bool cyclic;
  double cycles;
  double slope;  // ground slope, degrees
  int code;
  bool in_message;  // the block is also in the message file
  std::vector<std::string> lines;
};

// The errors of the silt and the loess, word for word.
TEST(SiltLoessErrors, BlocksAndCodes) {
  const ErrorCase cases[] = {
      {"zero cohesion below the layer top",
       "1\n11 0.0 60.0\n60.0 0.0 30.0 0.0 0.0\n60.0 0.0 30.0 0.0 0.0\n",
       false,
       1.0,
       0.0,
       148,
       true,
       {"**** Input Data Error No. 48 ****", "",
        "Problem: A negative or zero value of cohesion was input for ", "a soil defined as a silt.",
        "", "Layer = 1, Depth =    7.20000000, c =  0.000E+00", "",
        "Solution:  Please revise and correct the input data.  ",
        "Both cohesion and friction angle should be non-zero for silt soils."}},
      {"zero friction angle",
       "1\n11 0.0 60.0\n60.0 400.0 0.0 0.0 0.0\n60.0 400.0 0.0 0.0 0.0\n",
       false,
       1.0,
       0.0,
       110,
       true,
       {"**** Input Data Error No. 10 ****", "",
        "Problem:  A negative or zero value was input for the friction angle for a silt.", "",
        "Solution:  Please revise and correct the input data.  ",
        "Both cohesion and friction angle must be non-zero for the cemented silt soil."}},
      {"slope steeper than the friction angle",
       "1\n11 0.0 60.0\n60.0 400.0 30.0 0.0 0.0\n60.0 400.0 30.0 0.0 0.0\n",
       false,
       1.0,
       35.0,
       223,
       true,
       {"**** Runtime Error No. 23 ****", "",
        "A runtime error occurred due to the ground slope angle being",
        "greater than the friction angle for silt for layer 1.", "",
        "Problem:  The angle of the ground slope can not be greater ",
        "than the internal friction angle of silt.", "",
        "Solution:  Set the value for slope angle to be less than ",
        "the angle of friction or convert the layer into an equivalent", "strength clay layer.",
        ""}},
      {"slope equal to the friction angle of a silt without cohesion",
       "1\n11 0.0 60.0\n60.0 0.0 30.0 0.0 0.0\n60.0 400.0 30.0 0.0 0.0\n",
       false,
       1.0,
       30.0,
       111,
       true,
       {"**** Input Data Error No. 11 ****", "",
        "An error was detected in the input data when computing a p-y.",
        "curve using the criteria for silt for layer 1.", "",
        "Problem:  The angle of the ground slope can not be greater ",
        "than the internal friction angle of cohesionless silt.", "",
        "Solution:  Set the value for slope angle to be less than ", "the angle of friction.", ""}},
      {"loess with 11 cycles",
       "1\n12 0.0 60.0\n95.0 200.0\n95.0 400.0\n",
       true,
       11.0,
       0.0,
       170,
       false,
       {"", "", "**** Input Data Error No. 70 ****", "",
        "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of "
        "loading =         11.0",
        "This value is greater than 10. The soil model for loess is valid only for 1 to 10 "
        "cycles of loading. ",
        "SOLUTION: Revise the input data so that the number of cycles of loading is in the "
        "range of 1 to 10.",
        ""}},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::PileInputParts parts = Pile(c.layers);
    parts.cyclic = c.cyclic;
    parts.cycles = c.cycles;
    std::string input = testing::PileInput(parts);
    if (c.slope != 0.0) {
      input.insert(input.rfind("END\n"),
                   "PILE BATTER AND SLOPE\n" + std::to_string(c.slope) + "\n0.0\n");
    }
    auto solved = testing::SolveCase(input, 1);
    const RunOutput& out = solved.model->out;
    EXPECT_EQ(out.diagnostics.error_code, c.code) << out.report.contents();
    for (const RecordWriter* file : {&out.report, &out.message}) {
      const auto lines = testing::SplitLines(file->contents());
      const int first = testing::FindLine(lines, c.lines[0] == "" ? c.lines[2] : c.lines[0]);
      if (file == &out.message && !c.in_message) {
        EXPECT_LT(first, 0) << "the block is for the report only";
        continue;
      }
      const int start = c.lines[0] == "" ? first - 2 : first;
      ASSERT_GE(first, 0) << file->contents();
      ASSERT_LE(static_cast<std::size_t>(start) + c.lines.size(), lines.size());
      for (std::size_t k = 0; k < c.lines.size(); ++k) {
        EXPECT_EQ(lines[static_cast<std::size_t>(start) + k], c.lines[k]) << k;
      }
    }
  }
}

// Up to 10.1 cycles of loess are accepted.
TEST(Loess, TenPointOneCyclesAreAccepted) {
  testing::PileInputParts parts = Pile("1\n12 0.0 60.0\n95.0 200.0\n95.0 400.0\n");
  parts.cyclic = true;
  parts.cycles = 10.1;
  auto solved = testing::SolveCase(testing::PileInput(parts), 1);
  EXPECT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
}

// Piedmont soil in general units has no initial modulus and prints no test
// value; the elastic subgrade below carries the pile.
TEST(Piedmont, GeneralUnitsGiveNoResistance) {
  testing::PileInputParts parts = Pile(
      "2\n10 0.0 10.0\n110.0 1 8.0 0.0 0.0 0.0\n110.0 1 12.0 0.0 0.0 0.0\n"
      "13 10.0 60.0\n0.07 100.0\n0.07 100.0\n");
  parts.units = "GENERAL";
  parts.py_depths = {5.0};
  auto solved = testing::SolveCase(testing::PileInput(parts), 1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
  AnalysisModel& m = *solved.model;
  const std::vector<testing::RenderedCurve> curves = Print(m);
  ASSERT_EQ(curves.size(), 1U);
  const std::vector<std::string>& block = curves[0].block;
  EXPECT_TRUE(
      Has(block, "Type of Field Test" + std::string(37, ' ') + "= Standard Penetration Test"));
  for (const std::string& line : block) EXPECT_EQ(line.rfind("SPT", 0), std::string::npos);
  for (const double p : curves[0].p) EXPECT_EQ(p, 0.0);
  for (int k = m.state.nodes.top_node_in_layer[1]; k <= m.state.nodes.bottom_node_in_layer[1];
       ++k) {
    EXPECT_EQ(m.state.nodes.es[PileNodes::At(k)], 0.0) << k;
  }
}

}  // namespace
}  // namespace tarvex

namespace tarvex {
namespace {

// User curves in the upper 30 ft of a pile battered 20 degrees: the curves
// belong to the layer's depths and are compared with the position along the
// pile, so the nodes of the layer beyond 30 ft along the pile get no soil.
// The printed curve between the depths is interpolated by position.
TEST(UserPyCurves, BatteredPileAndPrintedCurve) {
  testing::PileInputParts parts = Pile(
      "2\n14 0.0 30.0\n60.0 4\n0.0 0.0\n0.5 500.0\n1.0 800.0\n2.0 1000.0\n"
      "60.0 4\n0.0 0.0\n0.5 1500.0\n1.0 2400.0\n2.0 3000.0\n"
      "13 30.0 60.0\n60.0 200.0\n60.0 200.0\n");
  parts.py_depths = {10.0};
  std::string input = testing::PileInput(parts);
  input.insert(input.rfind("END\n"), "PILE BATTER AND SLOPE\n0.0\n20.0\n");
  auto solved = testing::SolveCase(input, 1);
  ASSERT_EQ(solved.iteration, CaseIteration::kConverged) << solved.model->out.report.contents();
  AnalysisModel& m = *solved.model;
  const PileNodes& nodes = m.state.nodes;
  int outside = 0;
  for (int k = nodes.top_node_in_layer[1]; k <= nodes.bottom_node_in_layer[1]; ++k) {
    const std::size_t i = PileNodes::At(k);
    if (nodes.x[i] > 360.0) {
      ++outside;
      EXPECT_EQ(nodes.es[i], 0.0) << k;
    } else if (nodes.x[i] > 0.0) {
      EXPECT_GT(nodes.es[i], 0.0) << k;
    }
  }
  EXPECT_GT(outside, 0);

  const std::vector<testing::RenderedCurve> curves = Print(m);
  ASSERT_EQ(curves.size(), 1U);
  const testing::RenderedCurve& c = curves[0];
  EXPECT_EQ(c.criterion, kUserPy);
  const std::vector<std::string> heading = {
      "",
      "",
      "p-y Curve Computed by Interpolation Between User-input Curves",
      "",
      "Soil Layer Number" + std::string(38, ' ') + "=            1",
      "Depth below pile head" + std::string(34, ' ') + "=       10.000 ft",
      "Depth below ground surface" + std::string(29, ' ') + "=       10.000 ft",
      "Pile diameter" + std::string(42, ' ') + "=       24.000 in ",
      "p-multiplier" + std::string(43, ' ') + "=        1.000",
      "y-multiplier" + std::string(43, ' ') + "=        1.000",
      "",
      "      y, in             p, lbs/in ",
      "----------------    ----------------"};
  EXPECT_EQ(c.block, heading);
  // At 10 ft, a third of the way from the top curve to the bottom one; the
  // last point, 0.5 b = 12 in, is beyond both curves' last points.
  ASSERT_EQ(c.y.size(), 17U);
  EXPECT_DOUBLE_EQ(c.p[1], double(0.001f) * 1000.0 * (1.0 + 2.0 / 3.0));
  EXPECT_DOUBLE_EQ(c.p[16], 1000.0 + 2000.0 / 3.0);
  const auto report = testing::SplitLines(m.out.report.contents());
  EXPECT_GE(testing::FindLine(report, FormatFixed(double(0.001f), 15, 4) + std::string(5, ' ') +
                                          FormatFixed(c.p[1], 15, 4)),
            0);
  const auto plot = testing::SplitLines(m.out.plot.contents());
  EXPECT_GE(testing::FindLine(
                plot, FormatExponent(12.0, 15, 7) + FormatExponent(1000.0 + 2000.0 / 3.0, 15, 7) +
                          std::string(20, ' ') + "Line 8(17): y, p, for user-input p-y curve"),
            0);
}

}  // namespace
}  // namespace tarvex
