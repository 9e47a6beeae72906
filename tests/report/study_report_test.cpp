// The study blocks rendered from their results: what a study that ended
// early leaves, and the head conditions of the pile-length block by load
// type.
#include "report/study_report.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tarvex {
namespace {

TEST(StiffnessStudyReport, AStudyThatEndedEarlySaysWhichCaseAndWritesNoRecord) {
  struct Case {
    const char* ended_by;
    const char* line;
  };
  const Case cases[] = {
      {"excess deflection",
       "the pile-head stiffness study case 13 of 20 passed the excess deflection limit."},
      {"iteration limit",
       "the pile-head stiffness study case 13 of 20 did not converge within the iteration "
       "limit."},
  };
  for (const Case& c : cases) {
    HeadStiffnessStudy study;
    study.cases_converged = 12;
    study.ended_by = c.ended_by;
    RunOutput out;
    WriteStiffnessStudy(UnitSystem::kUscs, study, out);
    const std::string expected =
        "\n\nPile-head stiffness matrix values were not computed:\n" + std::string(c.line) + "\n\n";
    EXPECT_EQ(out.report.contents(), expected);
    EXPECT_EQ(out.message.contents(), expected);
    EXPECT_EQ(out.plot.contents(), "");
    EXPECT_EQ(out.diagnostics.error_code, 0);
  }
}

TEST(LengthStudyReport, HeadConditionsByLoadType) {
  struct Case {
    int type;
    UnitSystem units;
    const char* lines;  // the lines after the block's heading
  };
  const Case cases[] = {
      {2, UnitSystem::kUscs,
       "Boundary Condition Type 2, Shear and Slope\n\n"
       "Shear      =           1500. lbs\n"
       "Slope      =        -0.00250 radians\n"
       "Axial Load =          25000. lbs\n"},
      {3, UnitSystem::kSi,
       "Boundary Condition Type 3, Shear and Rotational Restraint\n\n"
       "Shear      =           1500. kN \n"
       "Rot. Rest. =  -0.2500000E-02 kN-m /Radian\n"
       "Axial Load =          25000. kN \n"},
      {5, UnitSystem::kUscs,
       "Boundary Condition Type 5, Deflection and Slope\n\n"
       "Deflection =      1500.00000 in \n"
       "Slope      =        -0.00250 radians\n"
       "Axial Load =          25000. lbs\n"},
  };
  for (const Case& c : cases) {
    LoadCaseResult result;
    result.number = 4;
    result.load_type = c.type;
    result.condition1 = 1500.0;
    result.condition2 = -0.0025;
    result.axial = 25000.0;
    result.length_study.emplace();
    RunOutput out;
    WriteLengthStudy(c.units, result, out);
    const std::string heading = "\n\n" + std::string(80, '-') + "\n" + std::string(12, ' ') +
                                "Pile-head Deflection vs. Pile Length for Load Case 4\n" +
                                std::string(80, '-') + "\n\n";
    const std::string& report = out.report.contents();
    ASSERT_EQ(report.substr(0, heading.size()), heading) << c.type;
    EXPECT_EQ(report.substr(heading.size(), std::string(c.lines).size()), c.lines) << c.type;
    // No row: the note, and Line 11 with the count 0.
    EXPECT_NE(report.find("No computations for top deflection vs. pile length were successful"),
              std::string::npos);
    EXPECT_EQ(out.plot.contents(),
              "    0" + std::string(75, ' ') +
                  "Line 11: Num. points on Ytop vs. pile length curve for load case 4\n");
  }
}

}  // namespace
}  // namespace tarvex
