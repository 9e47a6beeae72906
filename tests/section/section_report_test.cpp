// The report block and plot records of a small rectangular pile, line by line.
#include "report/section_report.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "format/number_fields.hpp"
#include "section/section_analysis.hpp"
#include "support/section_run.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::FindLine;
using testing::SplitLines;

// A 24 x 24 in pile, 20 ft long, f'c 5000 psi, four #8 bars at the corners of
// an 18-in square; stiffness only, for thrusts of 0 and 100 kips.
std::unique_ptr<testing::SectionRun> SmallPile() {
  auto m = std::make_unique<testing::SectionRun>();
  m->options.units = UnitSystem::kUscs;
  m->options.run_kind = RunKind::kBendingStiffnessOnly;
  PileSection s;
  s.type = kRectangularConcrete;
  s.length = 240.0;
  s.depth = s.width = 24.0;
  s.concrete.fc = 5000.0;
  s.concrete.aggregate = 0.75;
  s.bars.layout = BarLayout::kList;
  s.bars.fy = 60000.0;
  s.bars.es = 29.0e6;
  for (double y : {9.0, -9.0}) {
    for (double x : {-9.0, 9.0}) s.bars.bars.push_back({8, 1.0, 0.79, x, y});
  }
  m->sections = {s};
  m->thrusts = {0.0, 100.0};
  return m;
}

// label, tab to 56, "= ", an adaptive field and the unit.
std::string Item(std::string label, double v, const std::string& unit, int width = 15) {
  label.resize(55, ' ');
  return label + "= " + AdaptiveText(width, v) + unit;
}

TEST(SectionReport, PropertiesCapacitiesAndThrustsOfARectangularPile) {
  auto m = SmallPile();
  m->Analyse();
  ASSERT_EQ(m->error_code(), 0);
  const auto lines = SplitLines(m->out.report.contents());
  const double ec = 57.0 * std::sqrt(5000.0);
  const double eps0 = 1.7 * 5.0 / ec;
  const double fr = -0.0075 * std::sqrt(5000.0);
  const double eps_cr = -(1.0 - std::sqrt(1.0 + fr / 5.0)) * eps0;
  std::string length = "Length of Section";
  length.resize(55, ' ');
  const std::vector<std::string> expected = {
      "",
      "Dimensions and Properties of Rectangular Concrete Pile:",
      "-------------------------------------------------------",
      "",
      length + "= " + AdaptiveText(10, 20.0) + " ft",
      Item("Depth of Section", 24.0, " in     "),
      Item("Width of Section", 24.0, " in     "),
      Item("Number of Reinforcing Bars", 4.0, ""),
      Item("Yield Stress of Reinforcing Bars", 60.0, " ksi    "),
      Item("Modulus of Elasticity of Reinforcing Bars", 29000.0, " ksi    "),
      Item("Compressive Strength of Concrete", 5.0, " ksi    "),
      Item("Modulus of Rupture of Concrete", fr, " ksi    "),
      Item("Gross Area of Pile", 576.0, " sq. in."),
      Item("Total Area of Reinforcing Steel", 3.16, " sq. in."),
      Item("Area Ratio of Steel Reinforcement", 3.16 / 576.0 * 100.0, " percent"),
      "",
      "Reinforcing Bar Details:",
      "------------------------",
      "",
      "   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar Y",
      "  Number           Index       in               sq. in.          in               in     ",
      "  ------           -----          ---------        --------          -----            -----",
      "    1                8         1.000000         0.790000        -9.000000         9.000000",
      "    2                8         1.000000         0.790000         9.000000         9.000000",
      "    3                8         1.000000         0.790000        -9.000000        -9.000000",
      "    4                8         1.000000         0.790000         9.000000        -9.000000",
      "",
      "Axial Structural Capacities:",
      "----------------------------",
      "",
      "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As    =        2624.170 kips   ",
      "Tensile Load for Cracking of Concrete                  =        -275.998 kips   ",
      "Nominal Axial Tensile Capacity                         =        -189.600 kips   ",
      "",
      "Concrete Properties:",
      "--------------------",
      "",
      Item("Compressive Strength of Concrete", 5.0, " ksi    ", 14),
      Item("Modulus of Elasticity of Concrete", ec, " ksi    ", 14),
      Item("Modulus of Rupture of Concrete", fr, " ksi    ", 14),
      Item("Compression Strain at Peak Stress", eps0, "", 14),
      Item("Tensile Strain at Fracture of Concrete", eps_cr, "", 14),
      Item("Maximum Coarse Aggregate Size", 0.75, " in     ", 14),
      "",
      "Input Axial Thrust Forces:",
      "--------------------------",
      "",
      "Number of Axial Thrust Force Values Determined from Input Data = 2",
      "",
      "   Number     Axial Thrust Force",
      "                     kips   ",
      "   ------     ------------------",
      "      1                0.000",
      "      2              100.000",
      "",
      "Definitions of Run Messages and Notes:",
      "--------------------------------------",
      "   C = concrete in section has cracked in tension.",
      "   Y = stress in reinforcing steel has reached yield stress.",
      "   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in ",
      "       reinforcement exceeds 0.005 while simultaneously compressive strain in ",
      "       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.",
      "   Z = depth of tensile zone in concrete section is less than 10 percent of section depth.",
      "",
      "Bending Stiffness (EI) = Computed Bending Moment / Curvature.",
      "Position of neutral axis is measured from edge of compression side of pile.",
      "Compressive stresses and strains are positive in sign.",
      "Tensile stresses and strains are negative in sign.",
      "",
      "",
      "Axial Thrust Force =      0.000 kips   ",
      "",
      "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max "
      "Concrete   Max Steel    Run",
      "   Curvature      Moment       Stiffness       N Axis        Strain        Strain        "
      "Stress        Stress     Msg",
      "    rad/in.       in-kip        kip-in2          in          in/in         in/in          "
      "ksi           ksi           ",
      " ------------- ------------- ------------- ------------- ------------- ------------- "
      "------------- -------------  ---  ",
  };
  ASSERT_GE(lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  }

  // The first point: curvature 1.25e-6, its moment and stiffness, uncracked.
  const MomentCurvatureCurve& c0 = m->section_tables[0].curves[0];
  const std::string& point = lines[expected.size()];
  EXPECT_EQ(point.substr(0, 42), AdaptiveText(14, 1.25e-6) + AdaptiveText(14, c0.moment[0]) +
                                     AdaptiveText(14, c0.ei[0]));
  EXPECT_EQ(point.size(), 8U * 14U + 5U);
  EXPECT_EQ(point.substr(112), "     ");
  // A cracked, yielded point further on.
  EXPECT_GE(FindLine(lines, "", static_cast<int>(expected.size())), 0);
  bool cracked_and_yielded = false;
  for (const std::string& l : lines)
    cracked_and_yielded |= l.size() == 117 && l.substr(112) == "  CY ";
  EXPECT_TRUE(cracked_and_yielded);

  // The summary of capacities.
  const int summary = FindLine(lines,
                               "   Summary of Results for Nominal (Unfactored) Moment "
                               "Capacity for Section 1");
  ASSERT_GE(summary, 1);
  const auto s = static_cast<std::size_t>(summary);
  EXPECT_EQ(lines[s - 1], std::string(80, '-'));
  EXPECT_EQ(lines[s + 3], "Moment values interpolated at maximum compressive strain = 0.003");
  EXPECT_EQ(lines[s + 6], " Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.");
  EXPECT_EQ(lines[s + 7], "  No.               kips                  in-kip               Strain");
  EXPECT_EQ(lines[s + 8], " ----         ----------------     ------------------     ------------");
  const MomentCurvatureCurve& c1 = m->section_tables[0].curves[1];
  EXPECT_EQ(lines[s + 10], "   2" + FormatFixed(100.0, 22, 3) +
                               FormatFixed(c1.nominal_moment / 1000.0, 22, 3) +
                               "           0.00300000");
  EXPECT_EQ(lines.back(), "9.3.2.2 or the value required by the design standard being followed.");
}

TEST(SectionReport, PlotRecordsOfTheCurves) {
  auto m = SmallPile();
  m->Analyse();
  const auto plot = SplitLines(m->out.plot.contents());
  const auto& curves = m->section_tables[0].curves;
  ASSERT_EQ(plot.size(), 1U + 2U + static_cast<std::size_t>(curves[0].count + curves[1].count));
  EXPECT_EQ(plot[0], "    2" + std::string(75, ' ') +
                         "Line 3 : Total number of axial thrusts for EI-only computations");
  EXPECT_EQ(plot[1],
            FormatInteger(curves[0].count, 5) + std::string(10, ' ') + FormatExponent(0.0, 15, 7) +
                FormatExponent(curves[0].nominal_moment / 1000.0, 15, 7) + std::string(35, ' ') +
                "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                "Cap. (in-kips)");
  EXPECT_EQ(plot[2], FormatExponent(curves[0].moment[0], 15, 7) +
                         FormatExponent(curves[0].ei[0], 15, 7) +
                         FormatExponent(curves[0].curvature[0], 15, 7) + std::string(35, ' ') +
                         "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for "
                         "Sect#=1, AxLd#=1, CurvPnt#=1");
  const std::size_t second = 2U + static_cast<std::size_t>(curves[0].count);
  EXPECT_EQ(plot[second].substr(15, 15), FormatExponent(100.0, 15, 7));
  EXPECT_EQ(plot[second + 2].substr(80),
            "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature "
            "(rad/in) for Sect#=1, AxLd#=2, CurvPnt#=2");
}

// What the block prints is data of the section: the values above, as numbers.
TEST(SectionReport, TheRectangularPilesPrintedValuesAreDataOfItsResults) {
  auto m = SmallPile();
  m->Analyse();
  ASSERT_EQ(m->error_code(), 0);
  const SectionResult& r = m->results[0];
  EXPECT_EQ(r.number, 1);
  EXPECT_EQ(r.curves, SectionCurveSource::kComputed);
  ASSERT_TRUE(r.dimensions && r.concrete);
  EXPECT_FALSE(r.prestress);
  const SectionDimensions& d = *r.dimensions;
  EXPECT_EQ(d.gross_area, 576.0);
  EXPECT_EQ(d.bar_count, 4);
  EXPECT_DOUBLE_EQ(d.bar_area, 3.16);
  EXPECT_EQ(FormatFixed(d.rupture_modulus, 0, 3), "-0.530");  // 7.5 sqrt(5000 psi)
  EXPECT_EQ(d.steel_ratio_percent, d.bar_area / 576.0 * 100.0);
  EXPECT_FALSE(d.edge_spacing);  // bars by position, not on a circle
  ASSERT_EQ(d.listed_bars.size(), 4U);
  EXPECT_EQ(d.listed_bars[1].index, 8);
  EXPECT_EQ(d.listed_bars[1].x, 9.0);
  ASSERT_EQ(d.bars.size(), 4U);
  EXPECT_EQ(r.concrete->compressive_strength, 5.0);
  EXPECT_EQ(r.concrete->aggregate_size, 0.75);
  EXPECT_EQ(FormatFixed(r.axial_capacity, 0, 3), "2624.170");
  EXPECT_EQ(FormatFixed(r.cracking_load, 0, 3), "-275.998");
  EXPECT_EQ(r.analysed_thrusts, (std::vector<double>{0.0, 100.0}));
  EXPECT_FALSE(r.thrusts_dropped);
  ASSERT_EQ(r.thrusts.size(), 2U);
  EXPECT_FALSE(r.thrusts[0].full_curve);
}

// The renderer prints from the results alone: a section never analysed,
// its type choosing the lines (-3, a casing with a void core).
TEST(SectionReport, RendersTheBlocksFromTheResultsAlone) {
  SectionResult r;
  r.number = 2;
  r.length = 120.0;
  r.axial_capacity = 1000.0;
  r.tensile_capacity = -500.0;
  SectionDimensions& d = r.dimensions.emplace();
  d.depth = 24.0;
  d.casing_thickness = 0.5;
  d.pipe_area = 36.91;
  d.plastic_moment = 12345.678;
  struct Case {
    int type;
    const char* heading;
    std::string line;  // a line of the block
  } cases[] = {
      {kSteelPipe, "Dimensions and Properties of Steel Pipe Pile:",
       Item("Plastic Moment Capacity = Fy Z", 12345.678, " in-kip ")},
      {-3, "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:",
       "Note that the core is assumed to be void of concrete"},
      {kShaftWithCasingAndCore,
       "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:",
       Item("Casing Wall Thickness", 0.5, " in     ")},
  };
  std::string length = "Length of Section";
  length.resize(55, ' ');
  for (const Case& c : cases) {
    r.type = c.type;
    RecordWriter out;
    WriteSectionProperties(out, false, r);
    const auto lines = SplitLines(out.contents());
    ASSERT_GE(lines.size(), 5U) << c.type;
    EXPECT_EQ(lines[1], c.heading) << c.type;
    EXPECT_EQ(lines[4], length + "= " + AdaptiveText(10, 10.0) + " ft") << c.type;
    EXPECT_GE(FindLine(lines, c.line), 0) << c.type;
    EXPECT_GE(FindLine(lines,
                       "Nominal Axial Tensile Capacity                         =        "
                       "-500.000 kips   "),
              0)
        << c.type;
  }
  // Sections whose tables come from their properties print one line.
  r.curves = SectionCurveSource::kUserDefined;
  RecordWriter out;
  WriteDerivedTablesNote(out, r);
  EXPECT_EQ(out.contents(),
            "Moment-Curvature properties for Section 2 derived from input values for nonlinear "
            "M-EI properties\n\n");
}

}  // namespace
}  // namespace tarvex
