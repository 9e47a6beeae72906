#include "run_checks.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "support/test_support.hpp"

namespace tarvex::fuzz {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const std::string kPileRun =
    "    3    1    0    0" + std::string(60, ' ') + "Line 1 : ICOM, IUNITS, KYL, KXX\n";
const std::string kStiffnessRun =
    "    2    1    0    0" + std::string(60, ' ') + "Line 1 : ICOM, IUNITS, KYL, KXX\n";

RunOutcome WithOneCase() {
  RunOutcome o;
  o.results.cases.push_back(LoadCaseResult{});
  o.results.cases.back().number = 1;
  return o;
}

// One load case whose soil reaction at its second node is NaN.
RunOutcome WithNaNInACase() {
  RunOutcome o = WithOneCase();
  o.results.cases.back().nodes.soil_reaction = {0.0, std::nan(""), 0.0};
  return o;
}

TEST(FuzzChecks, TheExamplesPass) {
  namespace fs = std::filesystem;
  int runs = 0;
  for (const auto& e : fs::directory_iterator(fs::path(TARVEX_SOURCE_DIR) / "examples")) {
    if (e.path().extension() != ".tv6") continue;
    TempDir d;
    const RunFiles files{e.path().string(), d.File("run.out"), d.File("run.plt"),
                         d.File("run.msg")};
    RunOutcome outcome;
    RunOptions options;
    options.clock = [] { return DateTime{2026, 1, 1, 0, 0, 0}; };
    options.outcome = &outcome;
    const int result = run(files, options);
    const RunTexts texts{ReadFile(files.input), ReadFile(files.report), ReadFile(files.plot),
                         ReadFile(files.message)};
    EXPECT_EQ(CheckRun(result, outcome, texts), "") << e.path().filename();
    EXPECT_EQ(CheckRenderedFiles(result, outcome, texts), "") << e.path().filename();
    ++runs;

    // A value of the results other than the run printed it, or a report
    // other than its results render, fails the check.
    if (result > 0 || outcome.results.cases.empty()) continue;
    RunOutcome changed = outcome;
    changed.results.cases.front().head_deflection *= 1.5;
    EXPECT_EQ(CheckRenderedFiles(result, changed, texts),
              "the report rendered from the results is not the run's report")
        << e.path().filename();
    RunTexts edited = texts;
    edited.plot += "\n";
    EXPECT_EQ(CheckRenderedFiles(result, outcome, edited),
              "the plot file rendered from the results is not the run's plot file")
        << e.path().filename();
  }
  EXPECT_GE(runs, 10);
}

TEST(FuzzChecks, NormalEndsWithoutAnAnalysisFail) {
  struct Case {
    const char* name;
    int result;
    RunOutcome outcome;
    RunTexts texts;
    const char* fault;  // "" when the run is sound
  };
  const Case cases[] = {
      {"pile run with a load case", 0, WithOneCase(), {"", "", kPileRun, ""}, ""},
      {"pile run without a load case",
       0,
       RunOutcome{},
       {"", "", kPileRun, ""},
       "a pile analysis ended normally without analysing a load case"},
      {"warnings only, no load case",
       -3041,
       RunOutcome{},
       {"", "", kPileRun, ""},
       "a pile analysis ended normally without analysing a load case"},
      {"an input error analyses nothing", 195, RunOutcome{}, {"", "", "", ""}, ""},
      {"stiffness run with a section",
       0,
       RunOutcome{},
       {"", "", kStiffnessRun, "Completed computing nonlinear bending stiffness of section 1\n"},
       ""},
      {"stiffness run without a section",
       0,
       RunOutcome{},
       {"", "", kStiffnessRun, ""},
       "a bending-stiffness run ended normally without analysing a section"},
      {"stiffness run with a section analysed for no thrust",
       0,
       RunOutcome{},
       {"", "Number of Axial Thrust Force Values Determined from Input Data = 0\n", kStiffnessRun,
        "Completed computing nonlinear bending stiffness of section 1\n"},
       "a bending-stiffness run ended normally with a section analysed for no thrust"},
      {"a value of the results that is not finite",
       0,
       WithNaNInACase(),
       {"", "", kPileRun, ""},
       "a run ended normally with a value of its results that is not finite: load case 1"},
      {"an error with a value that is not finite", 228, WithNaNInACase(), {"", "", "", ""}, ""},
      {"normal end with no plot file",
       0,
       WithOneCase(),
       {"", "", "", ""},
       "a run ended normally without the run kind in the plot file"},
      {"unknown result code",
       7,
       RunOutcome{},
       {"", "", "", ""},
       "result code 7 is none the host knows"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckRun(c.result, c.outcome, c.texts), c.fault) << c.name;
  }
}

TEST(FuzzChecks, NumbersThatAreNotFiniteAreFound) {
  struct Case {
    const char* line;
    bool found;
  };
  const Case cases[] = {
      {"    1.2345        NaN     3.0", true},
      {"  -Infinity   0.000", true},
      {"Inf", true},
      {"  0.1E+01-NaN", true},
      // A finite value too wide for its field prints as asterisks, as the
      // field rules give it: not a number that is not finite.
      {"Maximum moment              = ********** in-lbs", false},
      {"   12.500 ******** 3.25", false},
      {"    0.1234567E+03*************", false},
      {"**** Warning ****", false},
      {"***** Warning *****", false},
      {"**** Warning - Possible Input Data Error ****", false},
      {"Cohesion, c                  =        3.935 lbs/in **2", false},
      {"Factored Load =  1.25*DL + 1.75*LL ", false},
      {"Top deflection is Not-A-Number after iteration 3", false},
      {"Information on infinite piles", false},
      {"   Es*h    Lat. Load ", false},
  };
  for (const Case& c : cases) {
    const std::string text = std::string("first line\n") + c.line + "\nlast line\n";
    EXPECT_EQ(FindNonFiniteNumber(text, "TARVEX6\n"), c.found ? c.line : "") << c.line;
  }
  // The user's own text, echoed from the input, is not a computed number.
  EXPECT_EQ(FindNonFiniteNumber("  NaN ******** title\n", "TITLE\nNaN ******** title\n"), "");
}

TEST(FuzzChecks, ANonFiniteNumberFailsOnlyANormalEnd) {
  const RunTexts bad{"", "  Max moment = NaN in-lbs\n", kPileRun, ""};
  EXPECT_EQ(CheckRun(0, WithOneCase(), bad),
            "a run ended normally with a number that is not finite in the report: "
            "\"  Max moment = NaN in-lbs\"");
  EXPECT_EQ(CheckRun(228, WithOneCase(), bad), "");
  const RunTexts bad_plot{"", "", kPileRun + "  0.1E+01  NaN\n", ""};
  EXPECT_NE(CheckRun(0, WithOneCase(), bad_plot).find("in the plot file"), std::string::npos);
}

}  // namespace
}  // namespace tarvex::fuzz
