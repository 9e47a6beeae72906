#include "pile/lrfd.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/case_state.hpp"
#include "format/record_writer.hpp"
#include "pile/node_setup.hpp"
#include "report/lrfd_report.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::FindLine;
using testing::SplitLines;

LrfdCombination Combination(std::initializer_list<std::pair<int, double>> factors, double phi,
                            const char* name) {
  LrfdCombination c;
  for (const auto& [type, f] : factors) c.factors[static_cast<std::size_t>(type - 1)] = f;
  c.phi_flexure = c.phi_shear = phi;
  c.name = name;
  c.name.resize(256, ' ');
  return c;
}

// Forms the combinations and renders their block into `out` from what they
// give, as the run does before and in the input echo.
LrfdForms FormAndWrite(const InputModel& m, RecordWriter& out) {
  LrfdForms forms = FormLrfdCombinations(m);
  WriteLrfdLoading(m.options.units, forms.loading, out);
  return forms;
}

std::unique_ptr<InputModel> Groups(UnitSystem units) {
  auto m = std::make_unique<InputModel>();
  m->options.units = units;
  m->options.lrfd = true;
  LrfdGroup dead;
  dead.type = 1;
  dead.horizontal = 1000.0;
  dead.moment = 200.0;
  dead.axial = 10000.0;
  LrfdGroup live = dead;
  live.type = 2;
  live.axial = 5000.0;
  m->lrfd_groups = {dead, live, dead};  // two dead-load groups add up
  return m;
}

TEST(Lrfd, FactoredLoadsThrustLevelsAndIndexes) {
  auto m = Groups(UnitSystem::kUscs);
  m->lrfd_combinations = {Combination({{1, 1.0}, {2, 2.0}}, 0.9, "A"),
                          Combination({{2, 1.6}}, 0.0, "Live only"),
                          Combination({{1, 1.0}, {2, 2.0}}, 0.9, "A again")};
  RecordWriter out;
  const LrfdForms forms = FormAndWrite(*m, out);
  const auto& c = forms.loads;
  ASSERT_EQ(c.size(), 3U);
  EXPECT_DOUBLE_EQ(c[0].shear, 2000.0 + 2000.0);
  EXPECT_DOUBLE_EQ(c[0].axial, 20000.0 + 10000.0);
  EXPECT_DOUBLE_EQ(c[1].moment, 1.6 * 200.0);
  // Equal factored axial forces share one thrust level.
  EXPECT_EQ(forms.thrusts, (std::vector<double>{8.0, 30.0}));  // kips
  EXPECT_EQ(c[0].thrust_index, 2);
  EXPECT_EQ(c[2].thrust_index, 2);
  EXPECT_EQ(c[1].thrust_index, 1);

  // The same loads as data, in the units the report prints them.
  const LrfdLoading& data = forms.loading;
  EXPECT_EQ(data.thrusts, (std::vector<double>{8000.0, 30000.0}));  // pounds
  ASSERT_EQ(data.type_totals.size(), 13U);
  EXPECT_EQ(data.type_totals[0].groups, 2);
  EXPECT_EQ(data.type_totals[0].type_code, "DL");
  EXPECT_DOUBLE_EQ(data.type_totals[1].axial, 5000.0);
  EXPECT_EQ(data.type_totals[12].groups, 0);
  ASSERT_EQ(data.groups.size(), 3U);
  EXPECT_EQ(data.groups[2].number, 3);
  EXPECT_EQ(data.groups[1].type_code, "LL");
  ASSERT_EQ(data.combinations.size(), 3U);
  const LrfdCombinationLoads& live = data.combinations[1];
  EXPECT_EQ(live.number, 2);
  EXPECT_EQ(live.phi_flexure, 0.0);
  EXPECT_EQ(live.resistance_factor_flexure, 0.75);
  EXPECT_DOUBLE_EQ(live.horizontal, 1.6 * 1000.0);
  EXPECT_DOUBLE_EQ(live.vertical, 1.6 * 5000.0);
  EXPECT_EQ(live.shear, live.horizontal);  // no batter
  EXPECT_EQ(live.thrust, 1);
  EXPECT_FALSE(data.batter);

  const auto report = SplitLines(out.contents());
  // No live-load dead factor: the line starts with " +".
  EXPECT_GE(FindLine(report, "Factored Load =  + 1.60*LL "), 0) << out.contents();
  EXPECT_GE(FindLine(report, "Factored Load =  1.00*DL + 2.00*LL "), 0);
  // A resistance factor of 0: 0.00 in the summary, 0.750 in the block.
  EXPECT_GE(FindLine(report, "Structural Resistance Factor for Flexure = 0.750"), 0);
  bool summary_row = false;
  for (const auto& l : report) summary_row = summary_row || l.rfind("  2 ", 0) == 0;
  EXPECT_TRUE(summary_row);
  // Types without groups: zero sums and a count of 0.
  EXPECT_GE(FindLine(report,
                     "Earthquake   (EQ)                    0.00                    0.00"
                     "                    0.00           0"),
            0);
  EXPECT_GE(FindLine(report,
                     "Dead Loads   (DL)                 2000.00                  400.00"
                     "                20000.00           2"),
            0);
  EXPECT_EQ(FindLine(report, "Factored Loads Transformed for Pile Batter by Load Combination:"),
            -1);  // no batter, no transform
  const int sorted = FindLine(report, "Number   Factored Axial Thrust");
  ASSERT_GE(sorted, 0);
  EXPECT_EQ(report[static_cast<std::size_t>(sorted + 2)], "   1        8000.000");  // in pounds
}

TEST(Lrfd, BatterTransform) {
  for (const double degrees : {0.00005, 10.0}) {
    auto m = Groups(UnitSystem::kSi);
    m->batter_angle = degrees * 3.141592653589793 / 180.0;
    m->lrfd_combinations = {Combination({{1, 1.0}}, 0.9, "Dead")};
    RecordWriter out;
    const LrfdForms forms = FormAndWrite(*m, out);
    const LrfdFactoredLoad c = forms.loads.at(0);
    const bool transformed = std::fabs(m->batter_angle) > 1e-6;
    const double b = transformed ? m->batter_angle : 0.0;
    EXPECT_NEAR(c.shear, std::cos(b) * 2000.0 + std::sin(b) * 20000.0, 1e-9) << degrees;
    EXPECT_NEAR(c.axial, -std::sin(b) * 2000.0 + std::cos(b) * 20000.0, 1e-9) << degrees;
    EXPECT_EQ(forms.loading.batter.has_value(), transformed) << degrees;
    if (transformed) {
      EXPECT_NEAR(forms.loading.batter->batter_degrees, degrees, 1e-12);
    }
    EXPECT_EQ(FindLine(SplitLines(out.contents()),
                       "Factored Loads Transformed for Pile Batter by Load Combination:") >= 0,
              transformed)
        << degrees;
  }
}

TEST(Lrfd, DistributedLoadsAtTheNodes) {
  auto m = Groups(UnitSystem::kUscs);
  m->lrfd_groups[1].points = {{0.0, 10.0}, {120.0, 10.0}};  // live load over the top 10 ft
  m->lrfd_combinations = {Combination({{2, 1.5}}, 0.9, "Live")};
  auto state = std::make_unique<CaseState>();
  SetNodeGeometry(600.0, 50, 0.0, state->nodes);  // h = 12 in
  const std::vector<LrfdDistributedLoads> loads = SetLrfdDistributedLoads(*m, 1, *state);
  RecordWriter out;
  WriteLrfdDistributedLoads(m->options.units, loads, out);
  const PileNodes& n = state->nodes;
  EXPECT_DOUBLE_EQ(n.w[PileNodes::At(1)], 1.5 * 10.0 * 6.0 / 12.0);  // half an interval at the head
  EXPECT_DOUBLE_EQ(n.w[PileNodes::At(5)], 1.5 * 10.0);
  EXPECT_DOUBLE_EQ(n.w[PileNodes::At(11)], 1.5 * 10.0 / 2.0);  // 120 in: half loaded
  EXPECT_EQ(n.w[PileNodes::At(12)], 0.0);
  // The live loads unfactored, at the loaded nodes only: 0 to 120 in.
  ASSERT_EQ(loads.size(), 1U);
  EXPECT_EQ(loads[0].type_code, "LL");
  ASSERT_EQ(loads[0].depth.size(), 11U);
  EXPECT_EQ(loads[0].depth.back(), 120.0);
  EXPECT_DOUBLE_EQ(loads[0].load[0], 10.0 * 6.0 / 12.0);
  const auto report = SplitLines(out.contents());
  const int title = FindLine(report,
                             "Sums of Distributed Lateral Load Per Unit Length due to Live "
                             "Loads                    ");
  ASSERT_GE(title, 0) << out.contents();
  EXPECT_EQ(report[static_cast<std::size_t>(title + 3)], "    in            lb/in");
  EXPECT_EQ(report[static_cast<std::size_t>(title + 5)], "      0.00         5.00");
}

}  // namespace
}  // namespace tarvex
