#include "soil/criterion_table.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "soil/py_dispatch.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

bool In(int code, std::initializer_list<int> codes) {
  for (int c : codes) {
    if (c == code) return true;
  }
  return false;
}

// The rows agree with the codes, with each other and with the dispatch
// rules: every layer of a code reaches the routine, the layering group and
// the interface type its criterion has.
TEST(CriterionTable, RowsAreConsistent) {
  std::set<std::string> names;
  for (int code = 1; code <= kSoilCriterionCodes; ++code) {
    const CriterionRow& row = CriterionOf(code);
    SCOPED_TRACE(code);
    EXPECT_EQ(row.code, code);
    EXPECT_EQ(row.short_name.size(), 10U);
    EXPECT_FALSE(row.description.empty());
    // The soil summary of the echo prints the long name in 34 columns.
    EXPECT_FALSE(row.echo_title.empty());
    EXPECT_LE(row.long_name.size(), 34U);
    // Codes 18 to 20 name no criterion and are read as no layer.
    const bool defined = code <= kFrozenSoil;
    EXPECT_EQ(row.counted, defined);
    if (defined) {
      // Compared over 8 characters, the short names tell the codes apart.
      EXPECT_TRUE(names.insert(std::string(row.short_name.substr(0, 8))).second);
    } else {
      EXPECT_EQ(row.short_name, "Undefined ");
    }
    // Frozen soil and the undefined codes get no curves; massive rock prints none.
    EXPECT_EQ(row.solver, code <= kMassiveRock);
    EXPECT_EQ(row.prints_curve, row.solver && code != kMassiveRock);
    // Every criterion the dispatcher calls is built; the others have no operations.
    EXPECT_EQ(row.ops != nullptr, row.solver);
    if (row.ops != nullptr) {
      EXPECT_NE(row.ops->run_layer, nullptr);
      EXPECT_EQ(row.ops->prints, row.prints_curve);
    }
    EXPECT_EQ(row.preset, code == kVuggyLimestone);

    LayeringGroup group = LayeringGroup::kSoil;
    if (code == kWeakRock) group = LayeringGroup::kWeakRock;
    if (In(code, {kVuggyLimestone, kMassiveRock, kLoess, kPiedmont, kElasticSubgrade})) {
      group = LayeringGroup::kRockType;
    }
    if (code == kUserPy || !row.solver) group = LayeringGroup::kNone;
    EXPECT_EQ(row.group, group);

    InterfaceSoil type = InterfaceSoil::kOther;
    if (In(code, {kSoftClay, kSoftClayJ, kStiffClayFreeWater, kStiffClayNoFreeWater,
                  kStiffClayNoFreeWaterK})) {
      type = InterfaceSoil::kCohesive;
    }
    if (In(code, {kSandReese, kSandApi, kLiquefiedSand, kLoess})) {
      type = InterfaceSoil::kCohesionless;
    }
    if (In(code, {kWeakRock, kVuggyLimestone})) type = InterfaceSoil::kRock;
    if (code == kUserPy) type = InterfaceSoil::kUserCurves;
    if (code == kElasticSubgrade) type = InterfaceSoil::kSubgrade;
    if (code == kCementedSilt) type = InterfaceSoil::kCohesiveWithStrength;
    EXPECT_EQ(row.interface, type);

    // Only the rock strengths are read in psi.
    EXPECT_EQ(row.strength == StrengthUnit::kPsi, In(code, {kWeakRock, kVuggyLimestone}));
  }
  EXPECT_EQ(ShortNameOf(kSandReese), "Sand");
  EXPECT_EQ(ShortNameOf(21), "Undefined");
}

// A row's fields are read in order into distinct values, the effective unit
// weight first, and end at the first kEnd.
TEST(CriterionTable, FieldsFillDistinctValues) {
  for (const CriterionRow& row : CriterionTable()) {
    SCOPED_TRACE(row.code);
    SoilValues values;
    std::set<const double*> slots;
    bool ended = false;
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
      const SoilField field = row.fields[i];
      if (field == SoilField::kEnd) {
        ended = true;
        continue;
      }
      EXPECT_FALSE(ended) << "a field after the end";
      if (i == 0) {
        EXPECT_EQ(field, SoilField::kUnitWeight);
      }
      for (int k = 0; k < FieldInfo(field).count; ++k) {
        EXPECT_TRUE(slots.insert(&SoilFieldValue(values, field, k)).second);
      }
    }
    const bool reads_values = row.counted && row.code != kMassiveRock && row.code != kFrozenSoil;
    EXPECT_EQ(!slots.empty(), reads_values);
  }
}

// The family of a row names the colour of its layers in the HTML report's
// profile: the page takes it from the results, and its style sheet has a rule
// for every family the table uses. Criteria that differ only in their author
// or options share their family.
TEST(CriterionTable, FamiliesHaveTheirColourInThePage) {
  const std::string css =
      testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/src/report/html/report.css");
  std::set<std::string_view> families;
  for (const CriterionRow& row : CriterionTable()) {
    SCOPED_TRACE(static_cast<int>(row.code));
    families.insert(row.family);
    const std::string selector = "svg.profile .soil." + std::string(row.family);
    const bool styled = css.find(selector + " {") != std::string::npos ||
                        css.find(selector + ",\n") != std::string::npos;
    EXPECT_TRUE(styled) << selector;
    EXPECT_EQ(row.family == "other", !row.counted);
  }
  EXPECT_EQ(families.size(), 8U);
  EXPECT_EQ(CriterionOf(kSoftClay).family, CriterionOf(kSoftClayJ).family);
  EXPECT_EQ(CriterionOf(kSandReese).family, CriterionOf(kSandApi).family);
  EXPECT_EQ(CriterionOf(kWeakRock).family, CriterionOf(kMassiveRock).family);
}

}  // namespace
}  // namespace tarvex
