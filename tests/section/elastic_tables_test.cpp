#include <gtest/gtest.h>

#include "section/section_analysis.hpp"
#include "support/section_run.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::SplitLines;

std::unique_ptr<testing::SectionRun> WithSection(const PileSection& s,
                                                 std::vector<double> thrusts) {
  auto m = std::make_unique<testing::SectionRun>();
  m->options.units = UnitSystem::kUscs;
  m->sections = {s};
  m->thrusts = std::move(thrusts);
  return m;
}

PileSection Circular(SectionType type, double diameter, double modulus) {
  PileSection s;
  s.type = type;
  s.elastic.shape = kCircularShape;
  s.elastic.top_width = s.elastic.bottom_width = diameter;
  s.elastic.modulus = modulus;
  return s;
}

TEST(ElasticTables, ConstantStiffnessAtCurvaturesTenToFifteenHundred) {
  auto m = WithSection(Circular(kElastic, 12.0, 29.0e6), {0.0, 50.0});
  m->Analyse();
  ASSERT_EQ(m->error_code(), 0);
  const auto& curves = m->section_tables[0].curves;
  ASSERT_EQ(curves.size(), 2U);
  const MomentCurvatureCurve& c = curves[1];
  EXPECT_EQ(c.thrust, 50.0);
  EXPECT_EQ(c.count, 150);
  const double ei = 29.0e6 * 0.04908738521234052 * 20736.0 / 1000.0;  // kip-in^2
  EXPECT_DOUBLE_EQ(c.curvature[0], 10.0);
  EXPECT_DOUBLE_EQ(c.curvature[149], 1500.0);
  EXPECT_DOUBLE_EQ(c.ei[77], ei);
  EXPECT_DOUBLE_EQ(c.moment[149], ei * 1500.0);
  EXPECT_DOUBLE_EQ(c.nominal_moment, ei * 1500.0 * 1000.0);  // lb-in for the solver
  EXPECT_EQ(SplitLines(m->out.report.contents()),
            (std::vector<std::string>{
                "Moment-Curvature properties derived from elastic section properties", ""}));
  const auto plot = SplitLines(m->out.plot.contents());
  ASSERT_EQ(plot.size(), 1U + 2U * 151U);
  EXPECT_EQ(plot[0], "    2" + std::string(75, ' ') +
                         "Line 3 : Total number of axial thrusts for elastic section");
  EXPECT_EQ(plot[1].substr(0, 30), "  150            0.0000000E+00");
  EXPECT_NEAR(std::stod(plot[1].substr(30, 15)), ei * 1500.0, 1e-7 * ei * 1500.0);  // in-kips
  EXPECT_EQ(plot[1].substr(80),
            "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), "
            "Nom. Moment Cap. (in-kips) for linear EI pile at top of section");
  EXPECT_EQ(plot[2].substr(80),
            "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature "
            "(rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1");
}

TEST(ElasticTables, ElasticPlasticReachesMpAtThePlasticCurvature) {
  PileSection s = Circular(kElasticPlastic, 12.0, 29.0e6);
  s.elastic.top_mp = 3.0e6;  // lb-in
  auto m = WithSection(s, {0.0});
  m->Analyse();
  const MomentCurvatureCurve& c = m->section_tables[0].curves[0];
  const double ei = 29.0e6 * 0.04908738521234052 * 20736.0 / 1000.0;
  const double phi_p = 3000.0 / ei;
  EXPECT_NEAR(c.curvature[99], phi_p, 1e-15);
  EXPECT_NEAR(c.moment[99], 3000.0, 1e-9);
  EXPECT_NEAR(c.curvature[149], 11.0 * phi_p, 1e-15);
  EXPECT_DOUBLE_EQ(c.moment[149], 3000.0);
  EXPECT_DOUBLE_EQ(c.ei[149], 3000.0 / c.curvature[149]);
  EXPECT_EQ(SplitLines(m->out.plot.contents())[2].substr(80),
            "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, "
            "AxLd#=1, CurvPnt#=1");
}

TEST(ElasticTables, UserCurvesAreSubdivided) {
  PileSection s;
  s.type = kUserEi;
  s.user_ei = {{0.0, {0.0, 2.0e6}, {1.0e10, 5.0e9}},           // starts at zero moment
               {100000.0, {1.0e6, 2.0e6}, {2.0e10, 1.0e10}}};  // a zero point is put in front
  auto m = WithSection(s, {});
  m->Analyse();
  const auto& curves = m->section_tables[0].curves;
  ASSERT_EQ(curves.size(), 2U);
  EXPECT_EQ(curves[0].count, 149);                 // 148 steps of one interval, and the last point
  EXPECT_DOUBLE_EQ(curves[0].moment[74], 1000.0);  // halfway, in kip-in
  EXPECT_DOUBLE_EQ(curves[0].ei[74], 7.5e6);
  EXPECT_DOUBLE_EQ(curves[0].curvature[148], 2000.0 / 5.0e6);
  EXPECT_DOUBLE_EQ(curves[0].nominal_moment, 2.0e6);  // the largest moment, lb-in
  EXPECT_EQ(curves[1].thrust, 100.0);
  EXPECT_EQ(curves[1].count, 2 * 74 + 1);  // (150 - 2) / 2 steps in each of two intervals
  EXPECT_EQ(curves[1].moment[0], 0.0);
  EXPECT_EQ(curves[1].ei[0], 2.0e7);
  EXPECT_EQ(SplitLines(m->out.report.contents())[0],
            "Moment-Curvature properties for Section 1 derived from input values for nonlinear "
            "M-EI properties");
}

}  // namespace
}  // namespace tarvex
