// The results as JSON and CSV: exact numbers, no NaN or infinity, texts
// that stay valid, and the CSV's header units and quoting.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "json/results_json.hpp"
#include "report/results_csv.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

RunResults SmallResults() {
  RunResults r;
  r.units.system = "USCS";
  r.units.length = "in";
  r.units.force = "lb";
  r.units.moment = "lb-in";
  r.units.force_per_length = "lb/in";
  r.units.stress = "psi";
  r.units.flexural_rigidity = "lb-in^2";
  r.units.rotational_stiffness = "lb-in/rad";
  LoadCaseResult& c = r.cases.emplace_back();
  c.number = 1;
  c.combination_name = "Strength I, \"max\"";
  c.head_deflection = 0.1;
  c.head_rotation = -1.0 / 3.0;
  c.max_moment = 8.650380123456789e5;
  c.max_shear = -2.5e-300;
  c.nodes.depth = {0.0, 4.8};
  c.nodes.deflection = {0.03346991, std::numeric_limits<double>::quiet_NaN()};
  c.nodes.moment = {std::numeric_limits<double>::infinity(), 1e22};
  return r;
}

TEST(ResultsJson, NumbersReadBackExactlyAndNoneIsNaNOrInfinite) {
  const RunResults r = SmallResults();
  const std::string text = RenderResultsJson(r);
  EXPECT_EQ(text.find("NaN"), std::string::npos);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
  const auto j = nlohmann::json::parse(text);
  EXPECT_EQ(j["format_version"], 1);
  const auto& c = j["cases"][0];
  EXPECT_EQ(c["head_deflection"].get<double>(), 0.1);
  EXPECT_EQ(c["head_rotation"].get<double>(), -1.0 / 3.0);
  EXPECT_EQ(c["max_moment"].get<double>(), 8.650380123456789e5);
  EXPECT_EQ(c["max_shear"].get<double>(), -2.5e-300);
  EXPECT_EQ(c["status"], "converged");
  EXPECT_EQ(c["combination_name"], "Strength I, \"max\"");
  EXPECT_EQ(c["nodes"]["deflection"][0].get<double>(), 0.03346991);
  EXPECT_TRUE(c["nodes"]["deflection"][1].is_null());
  EXPECT_TRUE(c["nodes"]["moment"][0].is_null());
  EXPECT_EQ(c["nodes"]["moment"][1].get<double>(), 1e22);
  EXPECT_TRUE(c["length_study"].is_null());
  EXPECT_TRUE(j["error"].is_null());
  EXPECT_EQ(j["outcome"], "normal");
}

TEST(ResultsJson, OptionalValuesErrorsAndTextsThatAreNotUtf8) {
  RunResults r;
  r.outcome = Outcome::kInputError;
  r.title = {"Pile \xE9tude"};  // Latin-1, as a Windows editor writes it
  LrfdCheckRow& row = r.lrfd_check.emplace_back();
  row.verdict = LrfdVerdict::kFail;
  row.fraction_mobilized = 1.25;
  Diagnostic& d = r.error.emplace();
  d.identity = "INP00099";
  d.code = 199;
  d.kind = "input";
  d.line_number = 59;
  d.line_text = "NOT A SECTION";
  const auto j = nlohmann::json::parse(RenderResultsJson(r));
  EXPECT_EQ(j["outcome"], "input_error");
  EXPECT_EQ(j["title"][0], "Pile \xEF\xBF\xBDtude");  // U+FFFD
  EXPECT_TRUE(j["lrfd_check"][0]["factored_capacity"].is_null());
  EXPECT_EQ(j["lrfd_check"][0]["fraction_mobilized"].get<double>(), 1.25);
  EXPECT_EQ(j["lrfd_check"][0]["verdict"], "fail");
  EXPECT_EQ(j["error"]["identity"], "INP00099");
  EXPECT_EQ(j["error"]["line_number"], 59);
  EXPECT_EQ(j["error"]["line_text"], "NOT A SECTION");
}

TEST(ResultsCsv, HeadersCarryUnitsAndCellsTheExactValues) {
  const RunResults r = SmallResults();
  const auto cases = testing::SplitLines(RenderCasesCsv(r, ShownUnits::kComputing));
  ASSERT_EQ(cases.size(), 2U);
  EXPECT_EQ(cases[0],
            "case,combination,load_type,axial [lb],head_shear [lb],head_moment [lb-in],"
            "head_deflection [in],head_rotation [rad],max_moment [lb-in],max_moment_depth [in],"
            "max_shear [lb],max_shear_depth [in],max_stress [psi],iterations,status,"
            "secant_lateral [lb/in],secant_rotational [lb-in/rad],k22 [lb/in],k23 [lb/rad],"
            "k32 [lb-in/in],k33 [lb-in/rad]");
  EXPECT_EQ(cases[1],
            "1,\"Strength I, \"\"max\"\"\",1,0,0,0,0.1,-0.3333333333333333,865038.0123456789,0,"
            "-2.5e-300,0,0,0,converged,,,,,,");
  const auto nodes = testing::SplitLines(RenderNodesCsv(r, r.cases[0], ShownUnits::kComputing));
  ASSERT_EQ(nodes.size(), 3U);
  EXPECT_EQ(nodes[0].substr(0, 44), "node,depth [in],deflection [in],slope [rad],");
  // Not finite: an empty cell; columns shorter than the depths: empty cells.
  EXPECT_EQ(nodes[1], "1,0,0.03346991,,,,,,,,");
  EXPECT_EQ(nodes[2], "2,4.8,,,1e+22,,,,,,");
}

// Engineering units: the table's units in the headers, the values
// converted in nine significant digits, and round-off of the case's largest
// value of a kind shown as 0.
TEST(ResultsCsv, EngineeringUnitsConvertAndDropRoundOff) {
  RunResults r;
  r.units.system = "USCS";
  r.units.length = "in";
  r.units.force = "lb";
  r.units.moment = "lb-in";
  r.display_units = DisplayUnitsFor(UnitSystem::kUscs);
  LoadCaseResult& c = r.cases.emplace_back();
  c.number = 1;
  c.axial = 100000.0;
  c.head_shear = 9999.999999990303;
  c.head_moment = -7.73e-10;  // round-off of a free head
  c.head_deflection = 0.25;
  c.max_moment = 1.4379e6;
  c.max_moment_depth = 130.0;
  c.head_stiffness.tangent =
      std::array<std::array<double, 2>, 2>{{{1.0988e6, 7.9e7}, {7.9e7, 8.6e9}}};
  c.nodes.depth = {0.0, 4.8};
  c.nodes.moment = {-7.73e-10, 1.4379e6};
  c.nodes.deflection = {0.25, 1e-12};
  const auto cases = testing::SplitLines(RenderCasesCsv(r));
  ASSERT_EQ(cases.size(), 2U);
  EXPECT_EQ(cases[0].substr(0, 77),
            "case,combination,load_type,axial [kip],head_shear [kip],head_moment [kip-ft],");
  EXPECT_NE(cases[0].find("max_moment_depth [ft]"), std::string::npos);
  EXPECT_NE(cases[0].find("k22 [kip/in],k23 [kip/rad],k32 [kip-in/in],k33 [kip-in/rad]"),
            std::string::npos);
  EXPECT_EQ(cases[1],
            "1,,1,100,10,0,0.25,0,119.825,10.8333333,0,0,0,0,converged,,,1098.8,79000,"
            "79000,8600000");
  const auto nodes = testing::SplitLines(RenderNodesCsv(r, c));
  EXPECT_EQ(nodes[1], "1,0,0.25,,0,,,,,,");
  EXPECT_EQ(nodes[2], "2,0.4,0,,119.825,,,,,,");
}

}  // namespace
}  // namespace tarvex
