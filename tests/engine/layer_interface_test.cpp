// A node on the interface of any two soil layers: every pair of criteria,
// above and below, ends as the soils themselves decide (a normal end, or
// input error 64 where massive rock holds nodes), never with the internal
// error of the strength accessor or a value that is not a number.
#include <gtest/gtest.h>

#include <string>

#include "core/soil_criteria.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

// The two value rows of a layer of each criterion (USCS), or none.
std::string Rows(int code) {
  auto twice = [](const std::string& row) { return row + "\n" + row + "\n"; };
  switch (code) {
    case 1:
      return twice("50.0 500.0 0.0");
    case 2:
      return twice("60.0 1500.0 0.0 0.0");
    case 3:
      return twice("60.0 1500.0 0.0");
    case 4:
      return twice("60.0 1500.0 0.0 0.0");
    case 5:
      return twice("60.0 32.0 0.0");
    case 6:
      return twice("60.0 32.0 0.0");
    case 7:
      return twice("60.0");
    case 8:
      return twice("140.0 500.0 50000.0 50.0 0.0005");
    case 9:
      return twice("140.0 1500.0");
    case 10:
      return twice("120.0 1 20.0 0.0 0.0 0.0");
    case 11:
      return twice("60.0 500.0 30.0 0.0 0.0");
    case 12:
      return twice("60.0 500.0");
    case 13:
      return twice("60.0 50.0");
    case 14:
      return twice("60.0 3\n0.0 0.0\n0.5 500.0\n2.0 800.0");
    case 15:
      return twice("50.0 500.0 0.0 0.5");
    default:
      return "";  // massive rock and frozen soil read no rows
  }
}

std::string Identity(const RunResults& r) { return r.error ? r.error->identity : std::string(); }

// A 36-in elastic shaft, 40 ft long in 100 increments (a node every 0.4 ft,
// so one at 10 ft), under a shear of 10 kips; layer `above` from the head to
// `interface` ft, layer `below` from there to 50 ft.
std::string PairInput(int above, int below, const std::string& interface = "10.0") {
  return "TARVEX6\nTITLE\nlayer interface\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\n"
         "ComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
         "ComputeEIOnly NO\nLoading STATIC     1\nMaxIterations 100\nMaxDeflection 10.0\n"
         "Tolerance 1.0E-4\nIncrements 100\nPrintSummaryOnly NO\nPrintIncrement 10\n"
         "PrintPYCurves NO\nComputeInteraction NO\n"
         "SECTIONS\n1\n1\n11\n40.0\n1\n36.0\n36.0\n4000000.0\n"
         "SOIL LAYERS\n2\n" +
         std::to_string(above) + " 0.0 " + interface + "\n" + Rows(above) + std::to_string(below) +
         " " + interface + " 50.0\n" + Rows(below) + "LOADING\n1\n1 1 10000.0 0.0 0.0 1\n0\nEND\n";
}

TEST(LayerInterface, EveryPairOfCriteriaWithANodeOnTheInterface) {
  for (int above = 1; above <= kFrozenSoil; ++above) {
    for (int below = 1; below <= kFrozenSoil; ++below) {
      SCOPED_TRACE(::testing::Message() << "code " << above << " over code " << below);
      const RunResults r = analyse(PairInput(above, below));
      if (above == kMassiveRock || below == kMassiveRock) {
        EXPECT_EQ(r.result_code, 164);
        EXPECT_EQ(Identity(r), "INP00064");
      } else {
        // A normal end, with warning 354 for liquefied sand below 6 m.
        EXPECT_LE(r.result_code, 0) << Identity(r);
        EXPECT_EQ(r.cases.size(), 1U);
      }
    }
  }
}

// Massive rock with nodes ends the run wherever its top falls; below the
// pile tip it is accepted.
TEST(LayerInterface, MassiveRockHoldingNodesEndsWithInputError64) {
  EXPECT_EQ(analyse(PairInput(kSoftClay, kMassiveRock, "10.1")).result_code, 164);
  EXPECT_EQ(analyse(PairInput(kMassiveRock, kSoftClay, "10.1")).result_code, 164);
  EXPECT_EQ(analyse(PairInput(kSoftClay, kMassiveRock, "45.0")).result_code, 0);
}

}  // namespace
}  // namespace tarvex
