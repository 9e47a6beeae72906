// The sand and rock criteria in whole runs: their errors and warnings, and
// what their printed curves say about the depth they use.
#include <gtest/gtest.h>

#include <string>

#include "support/pile_fixture.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FileLines;
using testing::FindLine;
using testing::TempDir;
using testing::WriteFile;

// A 36-in elastic pile, 60 ft long, under a head shear of 30 kips.
constexpr const char* kSection = "1\n1\n11\n60.0\n1\n36.0\n36.0\n4000000.0\n";
constexpr const char* kLoading = "1\n1 1 30000.0 0.0 0.0 1\n0\n";

struct Ran {
  int result = 0;
  RunOutcome outcome;
  std::vector<std::string> report, message;
};

Ran RunInput(const std::string& input) {
  TempDir dir;
  WriteFile(dir.File("in.tv6"), input);
  const RunFiles files{dir.File("in.tv6"), dir.File("in.out"), dir.File("in.plt"),
                       dir.File("in.msg")};
  Ran r;
  RunOptions options;
  options.outcome = &r.outcome;
  r.result = run(files, options);
  r.report = FileLines(files.report);
  r.message = FileLines(files.message);
  return r;
}

std::string Input(const std::string& layers, const std::string& units = "USCS",
                  const std::string& extra = "") {
  testing::PileInputParts parts = testing::Parts(kSection, layers, kLoading);
  parts.units = units;
  std::string s = testing::PileInput(parts);
  if (!extra.empty()) s.replace(s.rfind("END"), 3, extra + "END");
  return s;
}

const std::string kSlope40 = "PILE BATTER AND SLOPE\n40.0\n0.0\n";

TEST(SandRockCriteria, ErrorsEndTheRunWithTheirBlock) {
  struct Case {
    const char* name;
    std::string input;
    int result;
    const char* line;  // a line of the block in the message file
  };
  const Case cases[] = {
      {"Reese sand without friction", Input("1\n5 0.0 80.0\n60.0 0.0 90.0\n60.0 0.0 90.0\n"), 108,
       "Problem:  Zero was input for the friction angle for a sand when computing "},
      {"Reese sand on a slope steeper than phi",
       Input("1\n5 0.0 80.0\n60.0 35.0 90.0\n60.0 35.0 90.0\n", "USCS", kSlope40), 109,
       "the Reese sand criteria for layer 1."},
      {"Reese sand below clay on a slope steeper than phi",
       Input("2\n1 0.0 10.0\n60.0 500.0 0.01\n60.0 500.0 0.01\n5 10.0 80.0\n60.0 35.0 "
             "90.0\n60.0 35.0 90.0\n",
             "USCS", kSlope40),
       109, "the Reese sand criteria for layer 2."},
      {"API sand without friction", Input("1\n6 0.0 80.0\n60.0 0.0 90.0\n60.0 0.0 90.0\n"), 101,
       "curve using the API sand criteria for layer 1."},
      {"API sand on a slope steeper than phi",
       Input("1\n6 0.0 80.0\n60.0 35.0 90.0\n60.0 35.0 90.0\n", "USCS", kSlope40), 102,
       "curve using the API criteria for sand for layer 1."},
      {"API sand default k in general units",
       Input("1\n6 0.0 80.0\n0.03 35.0 0.0\n0.03 35.0 0.0\n", "GENERAL"), 213,
       "combination with default values of k for a layer classified as API sand    "},
      {"weak rock without strength",
       Input("1\n8 0.0 80.0\n130.0 0.0 75000.0 50.0 0.0002\n130.0 0.0 75000.0 50.0 0.0002\n"), 162,
       "Problem:   The input value for compressive strength is less than or equal to zero."},
      {"weak rock without k_rm",
       Input("1\n8 0.0 80.0\n130.0 500.0 75000.0 50.0 0.0\n130.0 500.0 75000.0 50.0 0.0\n"), 163,
       "Problem:  The input value for k_rm for weak rock is less than or equal to zero."},
      {"weak rock without a modulus",
       Input("1\n8 0.0 80.0\n130.0 500.0 0.0 50.0 0.0002\n130.0 500.0 0.0 50.0 0.0002\n"), 164,
       "Problem:   The input value for the initial rock mass modulus of a weak rock is less than "
       "or equal to zero."},
      {"vuggy limestone without strength", Input("1\n9 0.0 80.0\n130.0 0.0\n130.0 0.0\n"), 162,
       "Solution:  Check the input values for layer 1"},
      {"massive rock along the pile",
       Input("2\n1 0.0 20.0\n60.0 500.0 0.01\n60.0 800.0 0.01\n16 20.0 80.0\n"), 164,
       "Problem:   Layer 2 is massive rock, which has no compressive strength and no"},
      // The soft clay's modulus that is not a number: its block goes to the
      // message file too and is the error's message (it once had none).
      {"soft clay without cohesion at its top",
       Input("1\n1 0.0 80.0\n60.0 0.0 0.01\n60.0 500.0 0.01\n"), 234,
       "This problem is usually due to a required soil property being left equal to zero."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Ran r = RunInput(c.input);
    EXPECT_EQ(r.result, c.result);
    EXPECT_GE(FindLine(r.message, c.line), 0);
    ASSERT_TRUE(r.outcome.results.error.has_value());
    EXPECT_FALSE(r.outcome.results.error->message.empty());
  }
}

TEST(SandRockCriteria, ASoftClayWithoutEpsilon50InGeneralUnitsSaysSoToTheHost) {
  // No default exists in general units; the report stays as it was (no
  // block), and the error's message says what is missing.
  const Ran r = RunInput(Input("1\n1 0.0 80.0\n0.03 0.1 0.0\n0.03 0.1 0.0\n", "GENERAL"));
  EXPECT_EQ(r.result, 237);
  ASSERT_TRUE(r.outcome.results.error.has_value());
  const std::vector<std::string>& message = r.outcome.results.error->message;
  ASSERT_EQ(message.size(), 3U);
  EXPECT_EQ(message[0], "**** Runtime Error No. 37 ****");
  EXPECT_EQ(message[1].rfind("Soil layer 1 is a soft clay with no input value of epsilon-50", 0),
            0U);
  EXPECT_LT(FindLine(r.report, message[0]), 0);
}

TEST(SandRockCriteria, RangeWarningsAreCountedAndTheRunGoesOn) {
  struct Case {
    const char* name;
    std::string input;
    int warning;
  };
  const Case cases[] = {
      {"Reese sand at 50 degrees", Input("1\n5 0.0 80.0\n60.0 50.0 90.0\n60.0 50.0 90.0\n"), 302},
      {"API sand at 18 degrees", Input("1\n6 0.0 80.0\n60.0 18.0 90.0\n60.0 18.0 90.0\n"), 303},
      {"weak rock at 50 psi",
       Input("1\n8 0.0 80.0\n130.0 50.0 75000.0 50.0 0.0002\n130.0 50.0 75000.0 50.0 0.0002\n"),
       3071},
      {"weak rock at 1500 psi",
       Input("1\n8 0.0 80.0\n130.0 1500.0 75000.0 50.0 0.0002\n130.0 1500.0 75000.0 50.0 "
             "0.0002\n"),
       3072},
      {"weak rock with a small k_rm",
       Input("1\n8 0.0 80.0\n130.0 500.0 75000.0 50.0 0.00001\n130.0 500.0 75000.0 50.0 "
             "0.00001\n"),
       316},
      {"vuggy limestone at 500 psi", Input("1\n9 0.0 80.0\n130.0 500.0\n130.0 500.0\n"), 308},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Ran r = RunInput(c.input);
    EXPECT_LT(r.result, 0);
    bool found = false;
    for (const WarningRecord& w : r.outcome.results.warnings) found |= w.number == c.warning;
    EXPECT_TRUE(found);
  }
  // The Reese sand block is written to the message file once per load case,
  // not at every node of every iteration.
  const Ran r = RunInput(Input("1\n5 0.0 80.0\n60.0 50.0 90.0\n60.0 50.0 90.0\n"));
  int blocks = 0;
  for (const std::string& line : r.message) {
    blocks += line == "An unreasonable value for friction angle was input for a Reese sand layer. ";
  }
  EXPECT_EQ(blocks, 1);
}

// Below rock the sand's curve takes the true depth; below soil, the
// equivalent depth of the layering correction.
TEST(SandRockCriteria, SandBelowRockUsesTheTrueDepth) {
  const std::string below_rock =
      "2\n8 0.0 10.0\n130.0 500.0 75000.0 50.0 0.0002\n130.0 500.0 75000.0 50.0 0.0002\n"
      "5 10.0 80.0\n60.0 35.0 90.0\n60.0 35.0 90.0\n";
  const std::string below_clay =
      "2\n1 0.0 10.0\n60.0 500.0 0.01\n60.0 500.0 0.01\n5 10.0 80.0\n60.0 35.0 90.0\n60.0 35.0 "
      "90.0\n";
  for (const bool rock : {true, false}) {
    SCOPED_TRACE(rock ? "below rock" : "below clay");
    testing::PileInputParts parts =
        testing::Parts(kSection, rock ? below_rock : below_clay, kLoading);
    parts.py_depths = {20.0};
    const Ran r = RunInput(testing::PileInput(parts));
    ASSERT_LE(r.result, 0);
    const int note = FindLine(r.report, "This p-y curve is computed using the equivalent depth.");
    const int rock_note =
        FindLine(r.report, "This layer is below one or more layers of rock.  In this case, the ");
    EXPECT_EQ(note >= 0, !rock);
    EXPECT_EQ(rock_note >= 0, rock);
    const std::string label = "Equivalent Depth (see note)";
    const int line =
        FindLine(r.report, label + std::string(55 - label.size(), ' ') + "=      240.000 in ");
    EXPECT_EQ(line >= 0, rock);
  }
}

}  // namespace
}  // namespace tarvex

namespace tarvex {
namespace {

// The depth into weak rock counts from the top of the uppermost weak rock or
// vuggy limestone layer directly above; below sand it starts at the layer top.
TEST(SandRockCriteria, DepthIntoWeakRockCountsThroughRockLayersAbove) {
  const std::string rock = "130.0 500.0 75000.0 50.0 0.0002\n130.0 500.0 75000.0 50.0 0.0002\n";
  struct Case {
    const char* name;
    std::string upper;
    const char* xr;
  };
  const Case cases[] = {
      {"below weak rock", "8 0.0 10.0\n" + rock, "     240.000"},
      {"below vuggy limestone", "9 0.0 10.0\n130.0 1500.0\n130.0 1500.0\n", "     240.000"},
      {"below sand", "5 0.0 10.0\n60.0 35.0 90.0\n60.0 35.0 90.0\n", "     120.000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::PileInputParts parts =
        testing::Parts(kSection, "2\n" + c.upper + "8 10.0 80.0\n" + rock, kLoading);
    parts.py_depths = {20.0};
    const Ran r = RunInput(testing::PileInput(parts));
    ASSERT_LE(r.result, 0);
    EXPECT_GE(FindLine(r.report, "Xr" + std::string(53, ' ') + "= " + c.xr + " in "), 0);
  }
}

}  // namespace
}  // namespace tarvex
