// The table of engineering units every human output reads: its conversions
// against hand values in USCS and SI, GENERAL left in its own units, the
// computing units it names against those of the results, and the round-off
// that shows as zero.
#include "core/display_units.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

struct Conversion {
  UnitSystem system;
  const char* quantity;
  double computed;  // in the computing unit
  const char* unit;
  double shown;  // by hand
};

TEST(DisplayUnits, ConversionsAgainstHandValues) {
  const Conversion table[] = {
      // USCS: pounds and inches to the units of practice.
      {UnitSystem::kUscs, "depth", 480.0, "ft", 40.0},
      {UnitSystem::kUscs, "depth", 660.0, "ft", 55.0},
      {UnitSystem::kUscs, "deflection", 0.25, "in", 0.25},
      {UnitSystem::kUscs, "dimension", 36.0, "in", 36.0},
      {UnitSystem::kUscs, "force", 25000.0, "kip", 25.0},
      {UnitSystem::kUscs, "moment", 1.4379e6, "kip-ft", 119.825},
      {UnitSystem::kUscs, "moment", 240000.0, "kip-ft", 20.0},
      {UnitSystem::kUscs, "stress", 60000.0, "ksi", 60.0},
      {UnitSystem::kUscs, "unit_weight", 0.066551, "pcf", 115.000128},
      {UnitSystem::kUscs, "unit_weight", 60.0 / 1728.0, "pcf", 60.0},
      {UnitSystem::kUscs, "force_per_length", 62.5, "lb/in", 62.5},
      {UnitSystem::kUscs, "modulus", 1870.0, "lb/in^2", 1870.0},
      {UnitSystem::kUscs, "flexural_rigidity", 3.767e11, "kip-in^2", 3.767e8},
      {UnitSystem::kUscs, "rotational_stiffness", 2.0e8, "kip-in/rad", 2.0e5},
      {UnitSystem::kUscs, "lateral_stiffness", 1.0988e6, "kip/in", 1098.8},
      {UnitSystem::kUscs, "force_per_rotation", 7.9e7, "kip/rad", 7.9e4},
      {UnitSystem::kUscs, "moment_per_length", 7.9e7, "kip-in/in", 7.9e4},
      {UnitSystem::kUscs, "rotation", -0.002, "rad", -0.002},
      {UnitSystem::kUscs, "section_force", 100.0, "kip", 100.0},
      {UnitSystem::kUscs, "section_moment", 12000.0, "kip-ft", 1000.0},
      {UnitSystem::kUscs, "section_rigidity", 3.8e8, "kip-in^2", 3.8e8},
      {UnitSystem::kUscs, "section_stress", 4.0, "ksi", 4.0},
      {UnitSystem::kUscs, "curvature", 1e-4, "rad/in", 1e-4},
      {UnitSystem::kUscs, "area", 1017.876, "in^2", 1017.876},
      {UnitSystem::kUscs, "inertia", 82448.0, "in^4", 82448.0},
      // SI: kN and m to mm, MPa and the like.
      {UnitSystem::kSi, "depth", 12.5, "m", 12.5},
      {UnitSystem::kSi, "deflection", 0.0125, "mm", 12.5},
      {UnitSystem::kSi, "dimension", 0.914, "mm", 914.0},
      {UnitSystem::kSi, "force", 200.0, "kN", 200.0},
      {UnitSystem::kSi, "moment", 350.0, "kN-m", 350.0},
      {UnitSystem::kSi, "stress", 250000.0, "MPa", 250.0},
      {UnitSystem::kSi, "section_stress", 30000.0, "MPa", 30.0},
      {UnitSystem::kSi, "unit_weight", 18.5, "kN/m^3", 18.5},
      {UnitSystem::kSi, "force_per_length", 14800.0, "kN/m", 14800.0},
      {UnitSystem::kSi, "modulus", 180.0, "kN/m^2", 180.0},
      {UnitSystem::kSi, "flexural_rigidity", 5.0e5, "kN-m^2", 5.0e5},
      {UnitSystem::kSi, "lateral_stiffness", 2.0e5, "kN/m", 2.0e5},
      {UnitSystem::kSi, "rotational_stiffness", 3.0e5, "kN-m/rad", 3.0e5},
      {UnitSystem::kSi, "section_moment", 800.0, "kN-m", 800.0},
      {UnitSystem::kSi, "curvature", 0.01, "rad/m", 0.01},
      // GENERAL: the user's own units, unconverted.
      {UnitSystem::kGeneral, "depth", 480.0, "L", 480.0},
      {UnitSystem::kGeneral, "deflection", 0.25, "L", 0.25},
      {UnitSystem::kGeneral, "moment", 1.0e6, "F-L", 1.0e6},
      {UnitSystem::kGeneral, "unit_weight", 0.07, "F/L^3", 0.07},
  };
  for (const Conversion& c : table) {
    const DisplayUnits units = DisplayUnitsFor(c.system);
    const DisplayUnit* u = FindDisplayUnit(units, c.quantity);
    ASSERT_NE(u, nullptr) << units.system << " " << c.quantity;
    EXPECT_EQ(u->unit, c.unit) << units.system << " " << c.quantity;
    EXPECT_NEAR(ShownValue(c.computed, 0.0, units.round_off, u), c.shown,
                1e-12 * std::fabs(c.shown))
        << units.system << " " << c.quantity;
  }
  // Divisions, not multiplications by a rounded inverse: whole feet and
  // kips come out whole.
  const DisplayUnits uscs = DisplayUnitsFor(UnitSystem::kUscs);
  EXPECT_EQ(ShownValue(480.0, 0.0, 0.0, FindDisplayUnit(uscs, "depth")), 40.0);
  EXPECT_EQ(ShownValue(25000.0, 0.0, 0.0, FindDisplayUnit(uscs, "force")), 25.0);
  EXPECT_EQ(FindDisplayUnit(uscs, "speed"), nullptr);
}

// The computing unit each entry names is the one the results name for it,
// in every system, so that a reader of either finds the same words.
TEST(DisplayUnits, ComputingUnitsAreThoseOfTheResults) {
  for (const char* example : {"quickstart.tv6", "steel_pipe_sand_si.tv6"}) {
    const RunResults r =
        analyse(testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + example));
    ASSERT_FALSE(r.display_units.quantities.empty()) << example;
    EXPECT_EQ(r.display_units.system, r.units.system);
    for (const DisplayUnit& u : r.display_units.quantities) {
      EXPECT_EQ(u.computing, ComputingUnit(r.units, u.quantity)) << example << " " << u.quantity;
      EXPECT_GT(u.factor, 0.0);
      EXPECT_GT(u.divisor, 0.0);
    }
  }
  Units general;
  general.length = "L";
  general.force = "F";
  EXPECT_EQ(ComputingUnit(general, "unit_weight"), "F/L^3");
  EXPECT_EQ(ComputingUnit(Units{}, "depth"), "");
}

// Round-off of the solution shows as zero: below 1e-8 of the largest value
// of its kind, not at or above it.
TEST(DisplayUnits, RoundOffOfTheLargestShowsAsZero) {
  const DisplayUnits si = DisplayUnitsFor(UnitSystem::kSi);
  const DisplayUnit* moment = FindDisplayUnit(si, "moment");
  EXPECT_EQ(si.round_off, 1e-8);
  EXPECT_EQ(ShownValue(-7.73e-10, 300.0, si.round_off, moment), 0.0);
  EXPECT_EQ(ShownValue(-2.9e-6, 300.0, si.round_off, moment), 0.0);
  EXPECT_EQ(ShownValue(-3.1e-6, 300.0, si.round_off, moment), -3.1e-6);
  EXPECT_EQ(ShownValue(-7.73e-10, 0.0, si.round_off, moment), -7.73e-10);
  EXPECT_EQ(ShownValue(5e-6, 100.0, si.round_off, FindDisplayUnit(si, "deflection")), 0.005);
}

}  // namespace
}  // namespace tarvex
