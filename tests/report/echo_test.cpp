#include "report/echo.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "input/unit_conversion.hpp"
#include "pile/input_checks.hpp"
#include "pile/lrfd.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FindLine;
using testing::SplitLines;

// A drilled shaft 50 ft long in two clay layers reaching 60 ft, one load case.
const char* const kShaft = R"(TARVEX6
TITLE
Echo test shaft
line 2
line 3
line 4
line 5
OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC     1
MaxIter 100
MaxDefl 10.0
Tolerance 1.0E-5
Increments 100
PrintSummaryOnly NO
PrintIncrement 5
PrintPYCurves NO
ComputeInteraction NO
SECTIONS
1
1
1
50.0
36.0
4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in circle
60000.0
29000000.0
12
1
1.128
1.0
3.0
0.0
SOIL LAYERS
2
1 0.0 10.0
110.0 400.0 0.0
110.0 500.0 0.0
4 10.0 60.0
120.0 2000.0 0.0 0.0
120.0 3000.0 0.0 500.0
LOADING
1
1 1 20000.0 0.0 100000.0 1
0
END
)";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "no \"" << from << "\" in the input";
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// A label line of the echo: the label, then from column 56 the rest.
std::string At56(std::string label, const std::string& rest) {
  label.resize(55, ' ');
  return label + rest;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::string BeforeEnd(const std::string& text, const std::string& lines) {
  return Replace(text, "\nEND\n", "\n" + lines + "END\n");
}

struct Echoed {
  std::unique_ptr<InputModel> model = std::make_unique<InputModel>();
  std::unique_ptr<RunOutput> out = std::make_unique<RunOutput>();
  std::optional<LrfdLoading> lrfd_loading;
  std::vector<std::string> report;
  std::vector<std::string> message;
  std::string identity() const { return out->diagnostics.error.identity; }
  int warnings(int number) const {
    return out->diagnostics.warnings.counts[static_cast<std::size_t>(number)];
  }
  bool ReportHas(const std::string& line) const { return FindLine(report, line) >= 0; }
  bool MessageHas(const std::string& line) const { return FindLine(message, line) >= 0; }
};

// Reads `text`, lets `change` alter the model as read, then writes the echo.
Echoed Echo(
    const std::string& text, const std::function<void(InputModel&)>& change = [](InputModel&) {}) {
  Echoed e;
  InputFile file;
  file.OpenText(text);
  ReadInputData(file, "/jobs/shaft.tv6", *e.model, *e.out);
  EXPECT_FALSE(e.out->failed()) << e.out->report.contents();
  e.out->report.Rewind();
  change(*e.model);
  const std::optional<InputCheckFault> fault = CheckInput(*e.model);
  RecordInputWarnings(*e.model, fault, e.out->warnings());
  if (e.model->options.lrfd && EchoReachesLrfdForms(fault)) {
    e.lrfd_loading = FormLrfdCombinations(*e.model).loading;
  }
  WriteInputEcho(*e.model, e.lrfd_loading, fault, *e.out);
  e.report = SplitLines(e.out->report.contents());
  e.message = SplitLines(e.out->message.contents());
  return e;
}

TEST(Echo, BlocksInOrderInTheUnitsOfTheInput) {
  const std::string text = BeforeEnd(
      Replace(Replace(Replace(kShaft, "UseTipShear NO", "UseTipShear YES"), "PrintPYCurves NO",
                      "PrintPYCurves YES"),
              "Loading STATIC     1", "Loading CYCLIC   100"),
      "TIP SHEAR\n2\n1 0.0 0.0\n2 0.5 1000.0\nDEPTHS OF PRINTED P-Y CURVES\n2\n1 0.0\n2 50.0\n");
  const Echoed e = Echo(text);
  ASSERT_EQ(e.identity(), "") << e.out->report.contents();
  int at = 0;
  const std::pair<int, const char*> titles[] = {
      {32, "Problem Title"},
      {31, "Program Options"},
      {20, "Pile Structural Properties and Geometry"},
      {22, "Ground Slope and Pile Batter Angles"},
      {23, "Soil and Rock Layering Information"},
      {20, "Effective Unit Weight of Soil vs. Depth"},
      {27, "Summary of Soil Properties"},
      {34, "Loading Type"},
      {15, "Pile-head Loading and Pile-head Fixity Conditions"},
      {22, "Shear Resistance Curve at Pile Tip "},
      {19, "Specified Depths for Output of p-y Curves"}};
  for (const auto& [blanks, title] : titles) {
    const int found = FindLine(e.report, Blanks(blanks) + title, at);
    EXPECT_GE(found, at) << title;
    if (found >= 0) at = found;
  }
  // Depths along the pile in feet, sizes in inches, as read.
  EXPECT_TRUE(e.ReportHas(At56("Total Pile Length", "=      50.00 ft ")));
  EXPECT_TRUE(e.ReportHas(At56("   Section Diameter", "=          36.000 in ")));
  EXPECT_TRUE(
      e.ReportHas(At56("Distance from top of pile to bottom of layer", "=       60.000 ft ")));
  EXPECT_TRUE(e.ReportHas("(Depth of lowest layer extends   10.00 ft below pile tip)"));
  EXPECT_TRUE(e.ReportHas("Number of cycles of loading = 100"));
  // The printed depth at the pile tip is kept.
  EXPECT_TRUE(e.ReportHas("  2" + Blanks(16) + "50.000" + Blanks(21) + "50.000"));
  EXPECT_GE(FindLine(e.message, "Output of input data begun"), 0);
  EXPECT_EQ(e.message.back(), "Output of input data completed");
}

TEST(Echo, LayerLinesFollowTheCriterionFields) {
  const Echoed e = Echo(kShaft);
  EXPECT_TRUE(e.ReportHas("Layer 1 is soft clay, p-y criteria by Matlock, 1970"));
  EXPECT_TRUE(
      e.ReportHas("Layer 2 is stiff clay without free water using initial selected k, 2004"));
  // k of 0 at the top of layer 2 asks for the default; soft clay has no k.
  EXPECT_EQ(FindLine(e.report,
                     "NOTE:  Internal default values for p-y subgrade modulus will be "
                     "computed for"),
            FindLine(e.report,
                     "Layer 2 is stiff clay without free water using initial selected "
                     "k, 2004") +
                4);
  EXPECT_TRUE(
      e.ReportHas(At56("p-y subgrade modulus k for bottom of soil layer", "=      500.000 pci")));
  const int summary = FindLine(e.report, Blanks(27) + "Summary of Soil Properties");
  ASSERT_GE(summary, 0);
  const std::string& row = e.report[static_cast<std::size_t>(summary + 6)];
  EXPECT_EQ(row.substr(0, 41), "    1  Soft Clay (Matlock)" + Blanks(15));
  // Soft clay has no friction angle, no k: "--"; stiff clay with k at 0: default.
  EXPECT_NE(row.find("    --    "), std::string::npos);
  EXPECT_NE(e.report[static_cast<std::size_t>(summary + 8)].find("  default "), std::string::npos);
}

// Each check of the echo from a minimal change of a valid input: the error
// it raises and a line of its message.
struct CheckCase {
  const char* name;
  std::function<std::string()> text;
  std::function<void(InputModel&)> change;
  const char* identity;
  const char* line;
};

TEST(Echo, EachCrossCheckRaisesItsError) {
  const std::string shaft = kShaft;
  auto with = [shaft](const std::string& from, const std::string& to) {
    return [=] { return Replace(shaft, from, to); };
  };
  auto none = [](InputModel&) {};
  const std::vector<CheckCase> cases = {
      {"cycles 0", with("Loading STATIC     1", "Loading CYCLIC     0"), none, "INP00028",
       "Number of cycles of loading = 0"},
      {"cycles 10000", with("Loading STATIC     1", "Loading CYCLIC 10000"), none, "INP00028",
       "are outside the valid range of 2 to 5,000."},
      {"cycles 1E30", with("Loading STATIC     1", "Loading CYCLIC  1E30"), none, "INP00028",
       "Number of cycles of loading = 1000000000000000"},
      {"tip shear not from 0",
       [shaft] {
         return BeforeEnd(Replace(shaft, "UseTipShear NO", "UseTipShear YES"),
                          "TIP SHEAR\n2\n1 0.1 0.0\n2 0.5 1000.0\n");
       },
       none, "INP00050",
       "Problem:   The input data for shear resistance at the pile tip appears to be in error at "
       "point 1."},
      {"tip shear not increasing",
       [shaft] {
         return BeforeEnd(Replace(shaft, "UseTipShear NO", "UseTipShear YES"),
                          "TIP SHEAR\n3\n1 0.0 0.0\n2 0.5 1000.0\n3 0.5 2000.0\n");
       },
       none, "INP00050",
       "Problem:   The input data for shear resistance at the pile tip appears to be in error at "
       "point 3."},
      {"printed depth below the tip",
       [shaft] {
         return BeforeEnd(Replace(shaft, "PrintPYCurves NO", "PrintPYCurves YES"),
                          "DEPTHS OF PRINTED P-Y CURVES\n2\n1 10.0\n2 50.01\n");
       },
       none, "INP00030",
       "Input Point 2 at   50.01ft  was not printed because it is below the pile tip."},
      {"printed depth above the ground",
       [shaft] {
         return BeforeEnd(Replace(Replace(shaft, "PrintPYCurves NO", "PrintPYCurves YES"),
                                  "1 0.0 10.0", "1 2.0 10.0"),
                          "DEPTHS OF PRINTED P-Y CURVES\n1\n1 1.0\n");
       },
       none, "INP00029", "of a p-y curve."},
      {"soil profile above the tip", with("4 10.0 60.0", "4 10.0 45.0"), none, "INP00018",
       "         This depth is higher than the tip of the pile at   0.5000E+02."},
      {"multipliers above the ground",
       [shaft] {
         return BeforeEnd(Replace(Replace(shaft, "UsePYModifiers NO", "UsePYModifiers YES"),
                                  "1 0.0 10.0", "1 2.0 10.0"),
                          "GROUPEFF\n2\n1 0.0 0.8 1.0\n2 60.0 0.8 1.0\n");
       },
       none, "INP00021", "          The ground surface is located at   0.2000E+01."},
      // Checks that guard tables a file cannot give: the model is changed after reading.
      {"pile-width points", [shaft] { return shaft; },
       [](InputModel& m) { m.sections.resize(21, m.sections.front()); }, "INP00017",
       "is 2 to 40, not the input value of         42"},
      {"unit weights below the ground", [shaft] { return shaft; },
       [](InputModel& m) { m.ground_depth = -1.0; }, "INP00019",
       "The ground surface is located at      -1.0000."},
      {"first layer off the ground", [shaft] { return shaft; },
       [](InputModel& m) { m.ground_depth = 1.0; }, "INP00020",
       "          The ground surface is elevation is       1.0000."},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Echoed e = Echo(c.text(), c.change);
    EXPECT_EQ(e.identity(), c.identity);
    EXPECT_TRUE(e.ReportHas(c.line)) << e.out->report.contents();
    EXPECT_TRUE(e.MessageHas(c.line));
    EXPECT_FALSE(e.MessageHas("Output of input data completed"));
  }
}

TEST(Echo, MicropileHasNoWidth) {
  const std::string text = Replace(kShaft, "0.0\nSOIL LAYERS", "0.0\n2\n14\n10.0\nSOIL LAYERS");
  const Echoed e = Echo(Replace(text, "SECTIONS\n1\n", "SECTIONS\n2\n"));
  EXPECT_EQ(e.identity(), "INP00027");
  EXPECT_TRUE(e.ReportHas(At56("   Section Type", "= Micropile")));
  EXPECT_TRUE(e.ReportHas("entered for one or more values of pile diameter."));
}

TEST(Echo, Warnings) {
  // A liquefied sand layer ending 5.9 m or 6.1 m below the ground (SI), or
  // 19.6 ft or 19.7 ft (USCS: the limit is 236.22 in).
  const std::string si_shaft = Replace(
      Replace(Replace(kShaft, "Units USCS", "Units SI"), "Tolerance 1.0E-5", "Tolerance 2.54E-7"),
      "MaxDefl 10.0", "MaxDefl 0.25");
  auto liquefied = [](std::string text, const char* bottom, const char* weight) {
    text = Replace(text, "1 0.0 10.0\n110.0 400.0 0.0\n110.0 500.0 0.0",
                   std::string("7 1.0 ") + bottom + "\n" + weight + "\n" + weight);
    return Replace(text, "4 10.0 60.0", std::string("4 ") + bottom + " 60.0");
  };
  struct {
    std::string text;
    int w354;
  } liquefied_cases[] = {
      {liquefied(si_shaft, "6.9", "9.0"), 0},
      {liquefied(si_shaft, "7.1", "9.0"), 1},
      {liquefied(kShaft, "20.6", "60.0"), 0},
      {liquefied(kShaft, "20.7", "60.0"), 1},
  };
  for (const auto& c : liquefied_cases) {
    const Echoed e = Echo(c.text);
    EXPECT_EQ(e.identity(), "");
    EXPECT_EQ(e.warnings(354), c.w354) << c.text;
    EXPECT_EQ(e.ReportHas("for using the p-y criteria for liquefied sand."), c.w354 == 1);
  }

  // Unit weights: at most 20 pcf (or at least 140) is warned about, in text only.
  const char* uscs_warning = "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)";
  const char* si_warning = "the limits of 3.15 kN/m3 or 22 kN/m3.";
  const std::string si_soil = ReplaceAll(ReplaceAll(si_shaft, "110.0 ", "9.0 "), "120.0 ", "10.0 ");
  struct {
    std::string text;
    const char* line;
    bool warned;
  } weight_cases[] = {
      {Replace(kShaft, "110.0 400.0", "20.0 400.0"), uscs_warning, true},
      {Replace(kShaft, "110.0 400.0", "20.01 400.0"), uscs_warning, false},
      {Replace(kShaft, "120.0 3000.0", "140.0 3000.0"), uscs_warning, true},
      // Unit weights in kN/m3 typed into a USCS file.
      {ReplaceAll(ReplaceAll(kShaft, "110.0 ", "17.0 "), "120.0 ", "18.0 "), uscs_warning, true},
      {Replace(si_soil, "9.0 400.0", "3.15 400.0"), si_warning, true},
      {si_soil, si_warning, false},
      // Frozen soil reads no unit weight: its zeros are not checked.
      {Replace(si_soil, "1 0.0 10.0\n9.0 400.0 0.0\n9.0 500.0 0.0", "17 0.0 10.0"), si_warning,
       false},
      {Replace(si_soil, "10.0 3000.0", "22.0 3000.0"), si_warning, true},
      {Replace(kShaft, "Units USCS", "Units GENERAL"), "general units have been selected.", true},
  };
  for (const auto& c : weight_cases) {
    const Echoed e = Echo(c.text);
    EXPECT_EQ(e.ReportHas(c.line), c.warned) << c.text;
    EXPECT_EQ(e.MessageHas(c.line), c.warned);
    EXPECT_EQ(e.out->diagnostics.warnings.head, 0);  // no warning number
  }
}

// A layer whose top lies below the bottom of the layer above: warning 361
// after its depths, in the report and the message file, with the layers and
// depths as read; the summary's text is followed by one line per gap.
TEST(Echo, GapBetweenLayersIsAWarningNamingBothLayers) {
  EXPECT_EQ(Echo(kShaft).warnings(361), 0);
  const std::string gaps =
      Replace(Replace(kShaft, "SOIL LAYERS\n2\n", "SOIL LAYERS\n3\n"), "4 10.0 60.0",
              "3 12.5 30.0\n120.0 2000.0 0.0\n120.0 3000.0 0.0\n4 35.0 60.0");
  const Echoed e = Echo(gaps);
  EXPECT_EQ(e.identity(), "");
  EXPECT_EQ(e.warnings(361), 2);
  const std::vector<std::string> block = {
      "Warning : Layer 2 begins at 12.500 ft, below the bottom of layer 1 at 10.000 ft,",
      "          and nothing is given in between: layer 2 is taken from 10.000 ft,",
      "          with the values of its top there."};
  for (const std::vector<std::string>* lines : {&e.report, &e.message}) {
    const int at = FindLine(*lines, block[0]);
    ASSERT_GE(at, 0);
    for (std::size_t k = 1; k < block.size(); ++k) {
      EXPECT_EQ((*lines)[static_cast<std::size_t>(at) + k], block[k]);
    }
    EXPECT_GE(FindLine(*lines,
                       "Warning : Layer 3 begins at 35.000 ft, below the bottom of "
                       "layer 2 at 30.000 ft,"),
              at);
  }
  const std::vector<std::string> text = WarningLines(e.out->diagnostics.warnings, 361);
  ASSERT_GE(text.size(), 4U);
  EXPECT_EQ(text[1], "**** Warning - Gap Between Soil Layers ****");
  EXPECT_EQ(text[text.size() - 3], "Layer 1 ends at 10.000 ft and layer 2 begins at 12.500 ft.");
  EXPECT_EQ(text[text.size() - 2], "Layer 2 ends at 30.000 ft and layer 3 begins at 35.000 ft.");
  EXPECT_EQ(text.back(), "");
  // A warning without details keeps its text as it is.
  const std::vector<std::string_view> plain = WarningText(360);
  EXPECT_EQ(WarningLines(e.out->diagnostics.warnings, 360),
            std::vector<std::string>(plain.begin(), plain.end()));
}

// Only general units let a negative tolerance through the reader: the echo
// says what replaces it and the unit conversion puts it in place.
TEST(Echo, NegativeToleranceIsReset) {
  const Echoed e = Echo(Replace(Replace(kShaft, "Units USCS", "Units GENERAL"), "Tolerance 1.0E-5",
                                "Tolerance -1.0"));
  EXPECT_TRUE(
      e.ReportHas("(Specified convergence tolerance of 0 reset by program to 0.2540E-07 meters)"));
  ConvertToComputingUnits(*e.model);
  EXPECT_EQ(e.model->options.tolerance, 2.54e-8);
}

TEST(Echo, GroupFactorsWithTheOptionOffAreShownAsIgnored) {
  const std::string text = BeforeEnd(kShaft, "GROUPEFF\n2\n1 0.0 0.5 1.0\n2 60.0 0.5 1.0\n");
  const Echoed off = Echo(text);
  EXPECT_EQ(off.identity(), "");
  EXPECT_EQ(off.warnings(360), 1);
  EXPECT_TRUE(off.ReportHas(
      "UsePYModifiers is NO: the multipliers are ignored and the p-y curves are not"));
  EXPECT_TRUE(off.ReportHas(
      "- Analysis does not use p-y multipliers (individual pile or shaft action only)"));
  const Echoed on = Echo(Replace(text, "UsePYModifiers NO", "UsePYModifiers YES"));
  EXPECT_EQ(on.warnings(360), 0);
  EXPECT_TRUE(on.ReportHas("- Analysis uses p-y multiplers for group action"));
  EXPECT_TRUE(on.ReportHas("  2           60.000         0.5000         1.0000"));
}

// With the option NO, GROUPEFF changes nothing in the analysis: the same
// pile-head deflection as without the table; with YES the softer soil
// deflects more.
TEST(Echo, GroupFactorsAreAppliedOnlyWithTheOptionOn) {
  testing::TempDir dir;
  auto head_deflection = [&dir](const std::string& text) {
    const std::string input = dir.File("g.tv6");
    testing::WriteFile(input, text);
    RunOutcome outcome;
    RunOptions options;
    options.outcome = &outcome;
    run({input, dir.File("g.out"), dir.File("g.plt"), dir.File("g.msg")}, options);
    EXPECT_LE(outcome.result, 0) << testing::ReadFile(dir.File("g.msg"));
    return outcome.results.cases.empty() ? 0.0 : outcome.results.cases.front().head_deflection;
  };
  const std::string table = "GROUPEFF\n2\n1 0.0 0.3 1.0\n2 60.0 0.3 1.0\n";
  const double plain = head_deflection(kShaft);
  EXPECT_EQ(head_deflection(BeforeEnd(kShaft, table)), plain);
  EXPECT_GT(
      head_deflection(BeforeEnd(Replace(kShaft, "UsePYModifiers NO", "UsePYModifiers YES"), table)),
      plain * 1.1);
}

}  // namespace
}  // namespace tarvex
