// The errors of the input data file, of the checks of the input as a whole
// and of the run's files: each error's block in the report and the message
// file is written from the error's values alone, so that the error of a
// finished run renders again, byte for byte, from its diagnostic.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/diagnostics.hpp"
#include "format/error_text.hpp"
#include "format/record_writer.hpp"
#include "report/error_report.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

// A drilled shaft in two clays with three load cases: every case below
// changes a few of its lines.
const std::string kShaft = R"(TARVEX6
TITLE
Drilled shaft, 36 in, 40 ft
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
MaxIterations 100
MaxDeflection 10.0
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
40.0
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
1   0.0  10.0
60.0   500.0  0.01
60.0   800.0  0.01
2  10.0  60.0
62.0  2000.0  0.005  1000.0
62.0  3500.0  0.005  1000.0
LOADING
3
1  1  10000.0  240000.0  100000.0  1
2  2  10000.0       0.0  100000.0  1
3  4      0.25      0.0  100000.0  1
0
END
)";

// The load groups and combinations of an LRFD run, put in place of the
// LOADING section of the shaft.
const std::string kLrfd = R"(LRFD LOADS
2
1   1   1000.0   1000.0  40000.0   0
2   5   2000.0    0.0    0.0   2
1   0.0   5.0
2   20.0  0.0
LRFD FACTORS AND CASES
1
1  1.25 1.75 0 0 0.0 0 0 0 0 0 0 0 0  0.9  0.9
Strength I
END
)";

using Edits = std::vector<std::pair<std::string, std::string>>;

// `text` with each `from` (which must be there) replaced by its `to`.
std::string Edited(std::string text, const Edits& edits) {
  for (const auto& [from, to] : edits) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) {
      ADD_FAILURE() << "the input holds no \"" << from << "\"";
      continue;
    }
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string Shaft(const Edits& edits) { return Edited(kShaft, edits); }

const std::string kLoading =
    "LOADING\n3\n1  1  10000.0  240000.0  100000.0  1\n2  2  10000.0       0.0  100000.0  1\n"
    "3  4      0.25      0.0  100000.0  1\n0\nEND\n";

// The shaft as an LRFD run.
std::string LrfdShaft(const Edits& edits) {
  return Edited(Shaft({{"UseLRFD NO", "UseLRFD YES"}, {kLoading, kLrfd}}), edits);
}

RunResults Analyse(const std::string& text) {
  AnalyseOptions options;
  options.keep_texts = true;
  return analyse(text, options);
}

// The run ends with error `name`, whose text rendered from its diagnostic is
// a part of the report and of the message file as the run wrote them.
void ExpectRendersAgain(const RunResults& r, const std::string& name) {
  ASSERT_TRUE(r.error.has_value());
  EXPECT_EQ(r.error->name, name);
  const RenderedError again = RenderError(*r.error);
  ASSERT_TRUE(again.has_text);
  EXPECT_FALSE(again.report.empty() && again.message.empty());
  EXPECT_NE(r.report_text.find(again.report), std::string::npos) << again.report;
  EXPECT_NE(r.message_text.find(again.message), std::string::npos) << again.message;
}

struct Case {
  const char* what;
  std::string input;
  const char* error;
};

TEST(InputErrorText, EveryErrorOfTheReadersRendersAgainFromItsValues) {
  const Case cases[] = {
      {"a word for an integer", Shaft({{"MaxIterations 100", "MaxIterations many"}}),
       "invalid_value"},
      {"a row short of values", Shaft({{"2  2  10000.0       0.0  100000.0  1", "2  2  10000.0"}}),
       "invalid_value"},
      {"a value out of range", Shaft({{"2  10.0  60.0", "99  10.0  60.0"}}), "invalid_value"},
      {"a head deflection beyond the limit", Shaft({{"3  4      0.25", "3  4      25.0"}}),
       "invalid_value"},
      {"no END", Shaft({{"0\nEND\n", "0\n"}}), "incomplete_input"},
      {"no LOADING", Shaft({{kLoading, "END\n"}}), "incomplete_input"},
      {"a LOADING without load cases",
       Shaft({{kLoading, "LOADING\n0\n0\nEND\n"}, {"UseTipShear NO", "UseTipShear YES"}}),
       "incomplete_input"},
      {"a section before OPTIONS", Shaft({{"OPTIONS\n", "SOIL LAYERS\nOPTIONS\n"}}),
       "incomplete_input"},
      {"a misspelt keyword", Shaft({{"SOIL LAYERS", "SOIL LAYER"}}), "unrecognized_line"},
      {"a keyword with a no-break space", Shaft({{"SOIL LAYERS", "SOIL\u00a0LAYERS"}}),
       "unrecognized_line"},
      {"a sixth title line", Shaft({{"line 5\n", "line 5\nline 6\n"}}), "unrecognized_line"},
      {"a title of four lines", Shaft({{"line 5\n", ""}}), "unrecognized_line"},
      {"OPTIONS missing after the title", Shaft({{"OPTIONS\n", ""}}), "unrecognized_line"},
      {"a title line holding a keyword", Shaft({{"line 5\n", "SECTIONS\nline 6\n"}}),
       "unrecognized_line"},
      {"an option neither YES nor NO", Shaft({{"UseSoilMovement NO", "UseSoilMovement N"}}),
       "unrecognized_data"},
      {"an unknown loading type", Shaft({{"Loading STATIC", "Loading STATIK"}}),
       "unrecognized_data"},
      {"an unknown interaction code",
       Shaft({{"ComputeInteraction NO", "ComputeInteraction YES\nCode ACI"}}), "unrecognized_data"},
      {"an unknown tensile strength option",
       Shaft({{"Use default concrete tensile strength", "Use my tensile strength"}}),
       "unrecognized_data"},
      {"a section out of order", Shaft({{"SECTIONS\n1\n1\n", "SECTIONS\n1\n2\n"}}),
       "unrecognized_data"},
      {"too few iterations", Shaft({{"MaxIterations 100", "MaxIterations 10"}}),
       "invalid_value_starred"},
      {"a tolerance too small", Shaft({{"Tolerance 1.0E-5", "Tolerance 1.0E-25"}}),
       "tolerance_too_small_uscs"},
      {"a tolerance too large", Shaft({{"Tolerance 1.0E-5", "Tolerance 0.5"}}),
       "tolerance_too_large_uscs"},
      {"an SI tolerance too small",
       Shaft({{"Units USCS", "Units SI"}, {"Tolerance 1.0E-5", "Tolerance 1.0E-23"}}),
       "tolerance_too_small_si"},
      {"an SI tolerance too large",
       Shaft({{"Units USCS", "Units SI"}, {"Tolerance 1.0E-5", "Tolerance 0.01"}}),
       "tolerance_too_large_si"},
      {"too few increments", Shaft({{"Increments 100", "Increments 10"}}), "too_few_increments"},
      {"too many increments", Shaft({{"Increments 100", "Increments 600"}}), "too_many_increments"},
      {"one soil movement point",
       Shaft({{"UseSoilMovement NO", "UseSoilMovement YES"},
              {"0\nEND\n", "0\nSOIL MOVEMENTS\n1\n1  0.0  1.0\nEND\n"}}),
       "soil_movement_point_count"},
      {"no LRFD load group", LrfdShaft({{"LRFD LOADS\n2\n", "LRFD LOADS\n0\n"}}),
       "lrfd_load_count"},
      {"an LRFD load group out of order", LrfdShaft({{"2   5   2000.0", "3   5   2000.0"}}),
       "lrfd_load_order"},
      {"one distributed load point", LrfdShaft({{"0.0    0.0   2", "0.0    0.0   1"}}),
       "invalid_value_starred"},
      {"a distributed load point out of order", LrfdShaft({{"2   20.0  0.0", "3   20.0  0.0"}}),
       "lrfd_point_order"},
      {"no LRFD combination", LrfdShaft({{"CASES\n1\n", "CASES\n0\n"}}), "lrfd_combination_count"},
      {"an older format", Shaft({{"TARVEX6", "TARVEX5"}}), "input_format_refused"},
      {"an empty file", "", "empty_input_file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRendersAgain(Analyse(c.input), c.error);
  }
}

TEST(InputErrorText, EveryFailedCheckOfTheInputRendersAgainFromItsValues) {
  // A micropile section, whose length alone is read, has no width.
  const std::string kSection =
      "1\n40.0\n36.0\n4000.0\n0.75\nUse default concrete tensile strength\n"
      "Use internal stress-strain curve for concrete\nRebar Arrangement Not Same As Section "
      "Above\nRebar in circle\n60000.0\n29000000.0\n12\n1\n1.128\n1.0\n3.0\n0.0\n";
  const std::string kMicropile = "14\n40.0\n";
  const Case cases[] = {
      {"a pile of no width", Shaft({{kSection, kMicropile}}), "zero_pile_width"},
      {"too many cycles", Shaft({{"Loading STATIC     1", "Loading CYCLIC  9000"}}),
       "cycles_out_of_range"},
      {"a tip shear curve that does not start at zero",
       Shaft({{"UseTipShear NO", "UseTipShear YES"},
              {"0\nEND\n", "0\nTIP SHEAR\n2\n1  0.1  0.0\n2  1.0  100.0\nEND\n"}}),
       "tip_shear_curve"},
      {"a p-y curve printed below the tip",
       Shaft({{"PrintPYCurves NO", "PrintPYCurves YES"},
              {"0\nEND\n", "0\nDEPTHS OF PRINTED P-Y CURVES\n2\n1  5.0\n2  50.0\nEND\n"}}),
       "print_depth_below_tip"},
      {"a p-y curve printed above the ground",
       Shaft({{"PrintPYCurves NO", "PrintPYCurves YES"},
              {"0\nEND\n", "0\nDEPTHS OF PRINTED P-Y CURVES\n1\n1  -2.0\nEND\n"}}),
       "print_depth_above_ground"},
      {"a soil profile above the tip", Shaft({{"2  10.0  60.0", "2  10.0  30.0"}}),
       "soil_profile_above_pile_tip"},
      {"p-multipliers from above the ground",
       Shaft({{"UsePYModifiers NO", "UsePYModifiers YES"},
              {"1   0.0  10.0", "1   2.0  10.0"},
              {"0\nEND\n", "0\nGROUPEFF\n2\n1  0.0  1.0  1.0\n2  60.0  1.0  1.0\nEND\n"}}),
       "multipliers_below_ground"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRendersAgain(Analyse(c.input), c.error);
  }
}

// The exact lines of a few blocks, so that a changed word or a line moved to
// the other file shows.
TEST(InputErrorText, LinesOfTheBlocks) {
  {
    SCOPED_TRACE("a row short of values names the line above");
    const RunResults r =
        Analyse(Shaft({{"2  2  10000.0       0.0  100000.0  1", "2  2  10000.0"}}));
    const std::string block =
        "\n\n**** Input Data Error No. 95 ****\n\n"
        "Problem:  Line 57 of input.tv6 holds \"0.25\" where an integer is expected (value 6 of "
        "the row number, load type, condition 1, condition 2, axial load and study code of load "
        "case 2).\n"
        "          Line 57: 3  4      0.25      0.0  100000.0  1\n"
        "Cause:    Line 56 above holds only 3 of the 6 values read for the row number, load type, "
        "condition 1, condition 2, axial load and study code of load case 2; the reading went on "
        "to the next line, so a value is missing on line 56.\n\n"
        "Solution:  Correct the input data file at that line.\n\n";
    EXPECT_NE(r.report_text.find(block), std::string::npos) << r.report_text;
    EXPECT_NE(r.message_text.find(block), std::string::npos) << r.message_text;
  }
  {
    SCOPED_TRACE("a tolerance too large: the same block in both files");
    const RunResults r = Analyse(Shaft({{"Tolerance 1.0E-5", "Tolerance 0.5"}}));
    const std::string block =
        "\n**** Input Data Error No. 66 ****\n\n"
        "Input value for convergence tolerance is too large (more than 0.1 inches). \n"
        "The recommended value for convergence tolerance is 0.00001 inches.\n\n";
    EXPECT_NE(r.report_text.find(block), std::string::npos) << r.report_text;
    EXPECT_NE(r.message_text.find(block), std::string::npos) << r.message_text;
  }
  {
    SCOPED_TRACE("an option neither YES nor NO: one line, in the report only");
    const RunResults r = Analyse(Shaft({{"UseSoilMovement NO", "UseSoilMovement N"}}));
    const RenderedError again = RenderError(*r.error);
    EXPECT_EQ(again.report, "\nINPUT ERROR - Unrecognized command for soil movement option\n\n");
    EXPECT_EQ(again.message, "");
  }
  {
    SCOPED_TRACE("sections missing at END, one line each");
    const RunResults r =
        Analyse(Shaft({{kLoading, "LOADING\n0\n0\nEND\n"}, {"UseTipShear NO", "UseTipShear YES"}}));
    const std::string block =
        "Problem:  input.tv6 ends at line 56 without sections that a pile analysis needs:\n"
        "          LOADING                  at least one pile-head load case (it holds none)\n"
        "          TIP SHEAR                the tip shear curve of UseTipShear YES\n\n"
        "Solution:  Add each section named, its keyword line followed by its data, before END.\n";
    EXPECT_NE(r.report_text.find(block), std::string::npos) << r.report_text;
  }
  {
    SCOPED_TRACE("a title of four lines takes OPTIONS as its fifth");
    const RunResults r = Analyse(Shaft({{"line 5\n", ""}}));
    const std::string block =
        "The following line is unrecognized or is out-of-order\n\nUnits USCS\n\n"
        "Cause:  TITLE takes five lines; line 7 (OPTIONS) was read as title line 5, and line 8 "
        "looks like an OPTIONS line.\n"
        "        Give the title five lines (blank lines may fill it).\n\n";
    EXPECT_NE(r.report_text.find(block), std::string::npos) << r.report_text;
    EXPECT_NE(r.message_text.find(block), std::string::npos) << r.message_text;
  }
}

// The checks of the input that no input reaches any more (the reader or an
// earlier check refuses the input first) keep their texts: written from
// values given here.
TEST(InputErrorText, ChecksNoInputReaches) {
  struct Direct {
    ErrorId id;
    ErrorValues values;
    const char* lines;
  };
  const Direct cases[] = {
      {ErrorId::kUnitWeightBelowGround,
       {ErrorValue("first unit weight depth", 2.0), ErrorValue("ground surface", 1.0)},
       "\n\n**** Input Data Error No. 19 ****\n\n"
       "The depth of the first point of the data for effective unit\n"
       "is located at       2.0000 below the top of the pile.\n"
       "The ground surface is located at       1.0000.\n"
       "The first point for the effective unit weight should be located\n"
       "at the same elevation as the ground surface.\n"},
      {ErrorId::kSoilProfileBelowGround,
       {ErrorValue("first soil depth", 2.0), ErrorValue("ground surface", 1.0)},
       "\n\n**** Input Data Error No. 20 ****\n\n"
       "Problem:  The first depth of the soil profile is located at       2.0000\n"
       "          below the top of the pile.\n"
       "          The ground surface is elevation is       1.0000.\n"
       "Solution: Correct the input data so that the first depth of \n"
       "          the soil profile data is be located at the same elevation as the ground "
       "surface.\n"},
      {ErrorId::kCyclicWithoutCycles,
       {ErrorValue("number of cycles of loading", 1.0)},
       "\n\n**** Input Data Error No. 22 ****\n\n"
       "Loading was specified as cyclic, but the number of cycles of \n"
       "loading was specified as   0.1000E+01 (must be 2 or greater).\n"},
      {ErrorId::kSectionPointCount,
       {ErrorValue("pile property points", 1)},
       "\n\n**** Input Data Error No. 17 ****\n\n"
       "The number of points to define the pile properties \n"
       "is 2 to 40, not the input value of          1\n"
       "**** INPUT DATA ERROR ****\n"
       "The number of input values for pile diameter = 1 \n"
       "Please add the properties for the tip of the pile.\n"},
  };
  for (const Direct& c : cases) {
    SCOPED_TRACE(ErrorRowOf(c.id).name);
    RecordWriter report, message;
    ASSERT_TRUE(WriteErrorText(c.id, c.values, report, message));
    EXPECT_EQ(report.contents(), c.lines);
    EXPECT_EQ(message.contents(), c.lines);
  }
}

TEST(InputErrorText, FilesTheRunCannotUse) {
  TempDir dir;
  RunOutcome outcome;
  RunOptions options;
  options.outcome = &outcome;
  const RunFiles files{dir.File("none.tv6"), dir.File("run.out"), dir.File("run.plt"),
                       dir.File("run.msg")};
  ::testing::internal::CaptureStderr();
  run(files, options);
  const std::string shown = ::testing::internal::GetCapturedStderr();
  ASSERT_TRUE(outcome.results.error.has_value());
  EXPECT_EQ(outcome.results.error->name, "input_file_unusable");
  const std::vector<std::string>& m = outcome.results.error->message;
  ASSERT_EQ(m.size(), 3U);
  EXPECT_EQ(shown, "\n" + m[0] + "\n\n" + m[1] + "\n" + m[2] + "\n");
  const RenderedError again = RenderError(*outcome.results.error);
  ASSERT_TRUE(again.has_text);
  EXPECT_NE(again.message.find("The input data file cannot be read: " + files.input),
            std::string::npos);
  EXPECT_NE(ReadFile(files.message).find(again.message), std::string::npos);
  EXPECT_NE(ReadFile(files.report).find(again.report), std::string::npos);
}

TEST(InputErrorText, ControlFileErrorsKeepTheirLines) {
  struct Control {
    const char* what;
    std::string names;
    const char* error;
    std::vector<std::string> message;
  };
  const std::string kPaths = "a.tv6\na.out\na.plt\na.msg\n";
  const Control cases[] = {
      {"a byte-order mark",
       "\xEF\xBB\xBF" + kPaths,
       "input_name_corrupted",
       {"**** Runtime Error No. 3 ****", "The name of the input data file is corrupted.",
        "NAMES.DAT begins with a byte-order mark (the bytes EF BB BF) before the first path; "
        "write it as plain text without one."}},
      {"a NUL byte",
       std::string("a.tv6\na.out\na.p\0t\na.msg\n", 24),
       "plot_name_corrupted",
       {"**** Runtime Error No. 5 ****", "The name of the plot output file is corrupted.",
        "Line 3 of NAMES.DAT holds a NUL byte."}},
      {"a blank line",
       "a.tv6\na.out\na.plt\n   \n",
       "file_name_blank",
       {"**** Runtime Error No. 17 ****",
        "Run message filename information is corrupted. No analysis performed."}},
  };
  for (const Control& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteFile(dir.File("NAMES.DAT"), c.names);
    RunOutcome outcome;
    RunOptions options;
    options.outcome = &outcome;
    ::testing::internal::CaptureStderr();
    run_with_control_file(dir.File("NAMES.DAT"), options);
    const std::string shown = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(outcome.results.error.has_value());
    EXPECT_EQ(outcome.results.error->name, c.error);
    EXPECT_EQ(outcome.results.error->message, c.message);
    // The standard error stream shows the lines, the blank line after the
    // heading and, but for a blank name, the closing line of the run.
    const std::vector<std::string>& m = c.message;
    const std::string expected = m.size() == 2
                                     ? m[0] + "\n\n" + m[1] + "\n"
                                     : "\n\n" + m[0] + "\n\n" + m[1] + "\n" + m[2] +
                                           "\n\nThe analysis ended due to a runtime error. \n\n";
    EXPECT_EQ(shown, expected);
    const RenderedError again = RenderError(*outcome.results.error);
    EXPECT_TRUE(again.has_text);
  }
}

}  // namespace
}  // namespace tarvex
