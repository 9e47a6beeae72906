// The results as JSON and CSV: exact numbers, no NaN or infinity, texts
// that stay valid, and the CSV's header units and quoting.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "json/results_json.hpp"
#include "report/results_csv.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

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

RunResults RunExample(const char* name) {
  AnalyseOptions options;
  options.keep_texts = false;
  RunResults r =
      analyse(testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name), options);
  EXPECT_EQ(r.result_code, 0) << name;
  return r;
}

bool HasRowEndingWith(const std::vector<std::string>& rows, const std::string& end) {
  for (const std::string& row : rows) {
    if (row.size() >= end.size() && row.compare(row.size() - end.size(), end.size(), end) == 0) {
      return true;
    }
  }
  return false;
}

// The layers' values as the input gives them: pcf, psf and pci in USCS,
// kN/m^3 and kPa in SI, back to the numbers typed; the computing units
// when asked for.
TEST(ResultsCsv, LayerValuesInTheUnitsOfTheInput) {
  const RunResults uscs = RunExample("quickstart.tv6");
  const auto rows = testing::SplitLines(RenderLayersCsv(uscs));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0],
            "layer,criterion,description,top [ft],bottom [ft],value,unit,at_top,at_bottom");
  for (const char* end : {",0,10,unit weight,pcf,60,60", ",0,10,cohesion,psf,500,800",
                          ",0,10,epsilon-50,,0.01,0.01", ",10,60,unit weight,pcf,62,62",
                          ",10,60,cohesion,psf,2000,3500", ",10,60,k,pci,1000,1000"}) {
    EXPECT_TRUE(HasRowEndingWith(rows, end)) << end << "\n" << RenderLayersCsv(uscs);
  }
  const auto computing = testing::SplitLines(RenderLayersCsv(uscs, ShownUnits::kComputing));
  EXPECT_EQ(computing[0],
            "layer,criterion,description,top [in],bottom [in],value,unit,at_top,at_bottom");
  EXPECT_TRUE(HasRowEndingWith(computing, ",120,720,k,lb/in^3,1000,1000"));
  EXPECT_NE(computing[2].find(",cohesion,psi,"), std::string::npos) << computing[2];

  const RunResults si = RunExample("lrfd_hpile_clays_si.tv6");
  const auto si_rows = testing::SplitLines(RenderLayersCsv(si));
  for (const char* end :
       {",0,3,unit weight,kN/m^3,7,7", ",0,3,cohesion,kPa,20,30", ",0,3,J,,0.25,0.25",
        ",8,25,elastic subgrade modulus,kN/m^3,30000,60000"}) {
    EXPECT_TRUE(HasRowEndingWith(si_rows, end)) << end << "\n" << RenderLayersCsv(si);
  }
}

// The LRFD forms of a battered H-pile with dead, live and a distributed
// wind load: the groups as input, the totals, the factored combinations and
// the wind's distributed loads of the combinations that factor it.
TEST(ResultsCsv, LrfdFormsAndDistributedLoadsByLoadType) {
  const RunResults r = RunExample("lrfd_hpile_clays_si.tv6");
  ASSERT_TRUE(r.lrfd_loading.has_value());
  const auto groups = testing::SplitLines(RenderLrfdGroupsCsv(r));
  ASSERT_EQ(groups.size(), 1U + 3U + 13U);  // header, groups, a total per load type
  EXPECT_EQ(groups[0], "row,group,type,type_code,groups,horizontal [kN],moment [kN-m],axial [kN]");
  EXPECT_EQ(groups[1], "group,1,1,DL,,10,10,400");
  EXPECT_EQ(groups[3], "group,3,5,W,,20,0,0");
  EXPECT_EQ(groups[4], "total,,1,DL,1,10,10,400");
  EXPECT_EQ(groups[8], "total,,5,W,1,20,0,0");

  const auto combos = testing::SplitLines(RenderLrfdCombinationsCsv(r));
  ASSERT_EQ(combos.size(), 4U);
  EXPECT_EQ(combos[0].substr(0, 53), "combination,name,factor_DL,factor_LL,factor_EQ,factor");
  EXPECT_NE(combos[0].find("head_shear [kN],head_axial [kN],thrust_level"), std::string::npos);
  // 1.25 DL + 1.75 LL: 38.75 kN, 38.75 kN-m, 937.5 kN before the batter turns them.
  EXPECT_EQ(combos[1].substr(0, 78),
            "1,Strength I,1.25,1.75,0,0,0,0,0,0,0,0,0,0,0,0.9,0.9,0.9,0.9,38.75,38.75,937.5");
  // Resistance factors not given: 0.75 used.
  EXPECT_NE(combos[3].find(",0,0,0.75,0.75,"), std::string::npos) << combos[3];

  ASSERT_TRUE(HasLrfdDistributedLoads(r));
  const auto loads = testing::SplitLines(RenderLrfdDistributedLoadsCsv(r));
  EXPECT_EQ(loads[0], "case,combination,type,type_code,depth [m],load [kN/m]");
  // The wind's 5 kN/m at the head falling to 0 at 2 m, unfactored, at the
  // nodes of every combination alike: the same rows after the case's name.
  std::vector<std::vector<std::string>> by_case(4);
  for (std::size_t k = 1; k < loads.size(); ++k) {
    const std::string& row = loads[k];
    const int number = std::stoi(row.substr(0, row.find(',')));
    ASSERT_TRUE(number >= 1 && number <= 3) << row;
    const std::string rest = row.substr(row.find(",5,W,"));
    const double depth = std::stod(rest.substr(5, rest.rfind(',') - 5));
    const double load = std::stod(rest.substr(rest.rfind(',') + 1));
    EXPECT_LE(depth, 2.0) << row;
    EXPECT_GT(load, 0.0) << row;
    EXPECT_LE(load, 5.0) << row;
    by_case[static_cast<std::size_t>(number)].push_back(rest);
  }
  EXPECT_FALSE(by_case[1].empty());
  EXPECT_EQ(by_case[1], by_case[2]);
  EXPECT_EQ(by_case[1], by_case[3]);
  EXPECT_EQ(by_case[1].front(), ",5,W,0,2.4375");  // half the head's tributary length
}

}  // namespace
}  // namespace tarvex
