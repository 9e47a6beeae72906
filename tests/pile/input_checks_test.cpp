#include "pile/input_checks.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

// The quick-start shaft (40 ft in two clay layers to 60 ft), read, then
// changed by `change`.
std::unique_ptr<InputModel> Shaft(const std::function<void(InputModel&)>& change) {
  auto model = std::make_unique<InputModel>();
  RunOutput out;
  InputFile file;
  file.OpenText(testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6"));
  ReadInputData(file, "quickstart.tv6", *model, out);
  EXPECT_FALSE(out.failed()) << out.report.contents();
  change(*model);
  return model;
}

struct FaultCase {
  const char* name;
  std::function<void(InputModel&)> change;
  ErrorId id;
  EchoStop stop;
  int point;
  std::vector<std::pair<std::string, double>> values;  // name and number, in order
};

// Each check from a minimal change of the shaft: the error, the echo's place
// for it, the point at fault and the values it names.
TEST(InputChecks, EachCheckNamesItsErrorPlaceAndValues) {
  const std::vector<FaultCase> cases = {
      {"zero width",
       [](InputModel& m) { m.sections[0].depth = 0.0; },
       ErrorId::kZeroPileWidth,
       EchoStop::kPile,
       0,
       {}},
      {"cycles 1",
       [](InputModel& m) {
         m.options.cyclic = true;
         m.options.cycles = 1.0;
       },
       ErrorId::kCyclesOutOfRange,
       EchoStop::kLoadingType,
       0,
       {{"number of cycles of loading", 1.0}}},
      {"tip shear not increasing",
       [](InputModel& m) {
         m.options.tip_shear = true;
         m.tip_shear = {{0.0, 0.0}, {0.5, 10.0}, {0.4, 20.0}};
       },
       ErrorId::kTipShearCurve,
       EchoStop::kTipShear,
       3,
       {{"point", 3.0}}},
      {"second printed depth below the tip",
       [](InputModel& m) {
         m.options.print_py_curves = true;
         m.py_output_depths = {5.0, 41.0};
       },
       ErrorId::kPrintDepthBelowTip,
       EchoStop::kPrintedDepths,
       2,
       {{"point", 2.0}, {"depth", 41.0}, {"pile tip", 40.0}}},
      {"printed depth above the ground",
       [](InputModel& m) {
         m.options.print_py_curves = true;
         m.py_output_depths = {-1.0};
       },
       ErrorId::kPrintDepthAboveGround,
       EchoStop::kPrintedDepths,
       1,
       {{"point", 1.0}, {"depth", -1.0}, {"ground surface", 0.0}}},
      {"21 sections",
       [](InputModel& m) { m.sections.resize(21, m.sections.front()); },
       ErrorId::kSectionPointCount,
       EchoStop::kAfterAllBlocks,
       42,
       {{"pile property points", 42.0}}},
      {"soil above the tip",
       [](InputModel& m) { m.layers.back().bottom = 30.0; },
       ErrorId::kSoilProfileAbovePileTip,
       EchoStop::kAfterAllBlocks,
       0,
       {{"lowest soil depth", 30.0}, {"pile tip", 40.0}}},
      {"unit weights from below the ground",
       [](InputModel& m) { m.ground_depth = -2.0; },
       ErrorId::kUnitWeightBelowGround,
       EchoStop::kAfterAllBlocks,
       0,
       {{"first unit weight depth", 0.0}, {"ground surface", -2.0}}},
      {"soil from above the ground",
       [](InputModel& m) { m.ground_depth = 2.0; },
       ErrorId::kSoilProfileBelowGround,
       EchoStop::kAfterAllBlocks,
       0,
       {{"first soil depth", 0.0}, {"ground surface", 2.0}}},
      {"multipliers from above the ground",
       [](InputModel& m) {
         m.options.py_modifiers = true;
         m.py_multipliers = {{-1.0, 0.8, 1.0}, {60.0, 0.8, 1.0}};
       },
       ErrorId::kMultipliersBelowGround,
       EchoStop::kAfterAllBlocks,
       0,
       {{"first p-multiplier depth", -1.0}, {"ground surface", 0.0}}},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto model = Shaft(c.change);
    const std::optional<InputCheckFault> fault = CheckInput(*model);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->id, c.id);
    EXPECT_EQ(fault->stop, c.stop);
    EXPECT_EQ(fault->point, c.point);
    ASSERT_EQ(fault->values.size(), c.values.size());
    for (std::size_t k = 0; k < c.values.size(); ++k) {
      EXPECT_EQ(fault->values[k].name, c.values[k].first);
      EXPECT_EQ(fault->values[k].value, c.values[k].second);
    }
  }
}

TEST(InputChecks, FirstFailureInEchoOrderAndNoneForAValidShaft) {
  EXPECT_FALSE(CheckInput(*Shaft([](InputModel&) {})).has_value());
  // A zero width and too few cycles: the pile comes first in the echo.
  const auto both = Shaft([](InputModel& m) {
    m.sections[0].depth = 0.0;
    m.options.cyclic = true;
    m.options.cycles = 0.0;
  });
  EXPECT_EQ(CheckInput(*both)->id, ErrorId::kZeroPileWidth);
  // Printed depths come before the soil profile against the tip.
  const auto later = Shaft([](InputModel& m) {
    m.layers.back().bottom = 30.0;
    m.options.print_py_curves = true;
    m.py_output_depths = {50.0};
  });
  EXPECT_EQ(CheckInput(*later)->id, ErrorId::kPrintDepthBelowTip);
}

TEST(InputChecks, StiffnessOnlyRunChecksThePileAlone) {
  const auto model = Shaft([](InputModel& m) {
    m.options.run_kind = RunKind::kBendingStiffnessOnly;
    m.options.cyclic = true;
    m.options.cycles = 0.0;
    m.layers.back().bottom = 30.0;
  });
  EXPECT_FALSE(CheckInput(*model).has_value());
  const auto no_tip = Shaft([](InputModel& m) {
    m.options.run_kind = RunKind::kBendingStiffnessOnly;
    m.sections.clear();
  });
  EXPECT_EQ(CheckInput(*no_tip)->id, ErrorId::kSectionPointCount);
}

// The LRFD block follows the loading type: a fault there or before it ends
// the echo before the combinations, which are then not formed.
TEST(InputChecks, LrfdFormsOnlyWhenTheEchoReachesThem) {
  auto at = [](EchoStop stop) {
    InputCheckFault fault;
    fault.stop = stop;
    return std::optional<InputCheckFault>(fault);
  };
  EXPECT_TRUE(EchoReachesLrfdForms(std::nullopt));
  EXPECT_FALSE(EchoReachesLrfdForms(at(EchoStop::kPile)));
  EXPECT_FALSE(EchoReachesLrfdForms(at(EchoStop::kLoadingType)));
  EXPECT_TRUE(EchoReachesLrfdForms(at(EchoStop::kTipShear)));
  EXPECT_TRUE(EchoReachesLrfdForms(at(EchoStop::kAfterAllBlocks)));
}

}  // namespace
}  // namespace tarvex
