// The errors of section analysis, the pile analysis and the run: a small
// input raises each, and the block the run wrote renders again, from the name
// and values of the run's diagnostic alone, as a part of its report and
// message file. The errors no input reaches are written from values and
// compared with the lines their sites wrote.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/diagnostics.hpp"
#include "format/error_text.hpp"
#include "format/error_text_parts.hpp"
#include "format/record_writer.hpp"
#include "report/error_report.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using Edits = std::vector<std::pair<std::string, std::string>>;

std::string Source(const std::string& path) {
  return testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/" + path);
}

// The text with each `from` (found once) replaced by its `to`.
std::string Edited(std::string text, const Edits& edits) {
  for (const auto& [from, to] : edits) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

// The quick-start shaft with its first load case only.
std::string Shaft(const Edits& edits = {}) {
  std::string text =
      Edited(Source("examples/quickstart.tv6"),
             {{"3                          number of load cases",
               "1                          number of "
               "load cases"},
              {"2  2  10000.0       0.0  100000.0  1   shear lb, slope rad\n", ""},
              {"3  4      0.25      0.0  100000.0  1   deflection in, moment in-lb\n", ""}});
  return Edited(text, edits);
}

RunResults Analyse(const std::string& input) {
  AnalyseOptions options;
  options.keep_texts = true;
  return analyse(input, options);
}

// The run ends with error `name`, and its block renders again from the
// diagnostic as a part of the files. Returns the rendering.
RenderedError ExpectRendersAgain(const RunResults& r, const std::string& name) {
  EXPECT_TRUE(r.error.has_value()) << r.report_text;
  if (!r.error.has_value()) return {};
  EXPECT_EQ(r.error->name, name) << r.report_text;
  const RenderedError e = RenderError(*r.error);
  EXPECT_TRUE(e.has_text) << name;
  EXPECT_FALSE(e.report.empty() && e.message.empty()) << name;
  EXPECT_NE(r.report_text.find(e.report), std::string::npos) << name << ": not in the report:\n"
                                                             << e.report;
  EXPECT_NE(r.message_text.find(e.message), std::string::npos)
      << name << ": not in the message file:\n"
      << e.message;
  EXPECT_FALSE(r.error->message.empty()) << name;
  return e;
}

TEST(AnalysisErrorText, EachErrorOfAnInputRendersAgainFromItsValues) {
  const std::string thin_layer =
      "60.0   800.0  0.01         bottom\n"
      "1  10.05  10.15\n60.0   800.0  0.01\n60.0   800.0  0.01\n";
  struct Case {
    std::string name;
    std::string input;
  };
  const std::vector<Case> cases = {
      {"thrust_over_compression", Shaft({{"240000.0  100000.0", "240000.0  1.0E8"}})},
      {"thrust_over_tension", Shaft({{"240000.0  100000.0", "240000.0  -1.0E8"}})},
      {"lrfd_thrust_over_compression",
       Source("tests/report/fixtures/lrfd_thrust_over_compression.tv6")},
      {"no_thrust_in_range", Source("tests/corpus/stiffness_only_thrust_beyond_capacity.tv6")},
      {"neutral_axis_not_found", Source("tests/report/fixtures/neutral_axis_not_found.tv6")},
      {"section_not_analysable", Shaft({{"Units USCS", "Units GENERAL"}})},
      {"steel_placement_refused", Shaft({{"3.0                        concrete cover",
                                          "0.0                        concrete cover"}})},
      {"bar_outside_section", Shaft({{"0.0                        offset of the bar circle",
                                      "20.0                       offset of the bar circle"}})},
      {"steel_does_not_fit", Shaft({{"1.0                        area of one bar",
                                     "100.0                      area of one bar"}})},
      {"steel_does_not_fit", Shaft({{"12                         number of bar groups",
                                     "100                        number of bar groups"}})},
      {"not_finite", Source("tests/report/fixtures/section_properties_not_finite.tv6")},
      {"not_finite", Source("tests/report/fixtures/top_deflection_not_a_number.tv6")},
      {"small_pivot", Shaft({{"240000.0  100000.0", "1.0E29  100000.0"}})},
      {"pile_above_ground",
       Shaft({{"1   0.0  10.0 ", "1   45.0  50.0 "}, {"2  10.0  60.0", "2  50.0  60.0"}})},
      {"excess_deflection", Shaft({{"MaxDeflection 10.0", "MaxDeflection 0.01"}})},
      {"no_convergence", Shaft({{"Tolerance 1.0E-5", "Tolerance 1.0E-19"},
                                {"MaxIterations 100", "MaxIterations 30"}})},
      {"unstable", Source("tests/engine/fixtures/pipe_elastic_subgrade_68k.tv6")},
      {"layer_without_node", Shaft({{"2                          number of layers",
                                     "3                          number of layers"},
                                    {"1   0.0  10.0 ", "1   0.0  10.05 "},
                                    {"60.0   800.0  0.01         bottom\n", thin_layer},
                                    {"2  10.0  60.0", "2  10.15  60.0"}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectRendersAgain(Analyse(c.input), c.name);
  }
}

// The exact lines of a few, so that a changed word or blank line fails.
TEST(AnalysisErrorText, BlocksKeepTheirWordsAndLayout) {
  const RenderedError tension = ExpectRendersAgain(
      Analyse(Shaft({{"240000.0  100000.0", "240000.0  -1.0E8"}})), "thrust_over_tension");
  EXPECT_EQ(tension.report,
            "\n\n**** Runtime Error No. 25 ****\n\n"
            "PROBLEM:  The axial thrust load for LRFD load case no. 1 exceeds the axial structural "
            "capacity in tension.\n"
            "          Axial thrust load              =     -100000.000 kips   \n"
            "          Nominal axial tensile capacity =        -720.000 kips   \n\n"
            "SOLUTION: Change the properties of the section to increase the axial structural "
            "capacity.\n\n");
  EXPECT_EQ(tension.message, tension.report);

  // The report's block has a blank line before its solution; the message
  // file's has none.
  const RenderedError layer = ExpectRendersAgain(
      Analyse(Shaft({{"2                          number of layers",
                      "3                          number of layers"},
                     {"1   0.0  10.0 ", "1   0.0  10.05 "},
                     {"60.0   800.0  0.01         bottom\n",
                      "60.0   800.0  0.01         bottom\n"
                      "1  10.05  10.15\n60.0   800.0  0.01\n60.0   800.0  0.01\n"},
                     {"2  10.0  60.0", "2  10.15  60.0"}})),
      "layer_without_node");
  const std::string layer_lines =
      "\n\n**** Runtime Error No. 29 ****\n\n"
      "PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.\n"
      "          This layer lacks a nodal point and this prevents the correct computation of the "
      "layer's p-y curves. \n"
      "          The thickness of layer 2 is     1.200 in and the pile increment length is     "
      "4.800 in\n"
      "          The current number of pile increments is 100.\n"
      "          The estimated minimum number of increments needed to get at least one nodal "
      "point in the layer is 399.\n";
  const std::string solution =
      "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed "
      "in Tarvex.\n"
      "          If this error occurs with the maximum number of pile increments, you will need "
      "to combine the thinnest\n"
      "          soil layer with an adjacent layer.\n\n\n";
  EXPECT_EQ(layer.message, layer_lines + solution);
  EXPECT_EQ(layer.report, layer_lines + "\n" + solution);

  // Error 10 is in the report alone; the host has its advice besides.
  const RunResults unconverged = Analyse(Shaft(
      {{"Tolerance 1.0E-5", "Tolerance 1.0E-19"}, {"MaxIterations 100", "MaxIterations 30"}}));
  const RenderedError convergence = ExpectRendersAgain(unconverged, "no_convergence");
  EXPECT_EQ(convergence.report,
            "\n\n**** Runtime Error No. 10 ****\n\n"
            "The analysis failed to converge within the limit of 30 iterations.\n\n"
            "Maximum change in deflection    =  0.811E-11 in \n"
            "Specified convergence tolerance =  0.100E-18 in \n\n");
  EXPECT_EQ(convergence.message, "");
  EXPECT_FALSE(unconverged.error->advice.empty());

  const RenderedError excess = ExpectRendersAgain(
      Analyse(Shaft({{"MaxDeflection 10.0", "MaxDeflection 0.01"}})), "excess_deflection");
  EXPECT_NE(excess.report.find("The computed deflection of the pile head is "), std::string::npos);
  EXPECT_NE(
      excess.report.find(" in \n\nThe specified excess deflection limit is      0.1000E-01 in \n"),
      std::string::npos)
      << excess.report;
  EXPECT_NE(
      excess.message.find(" in \nThe specified excess deflection limit is      0.1000E-01 in \n"),
      std::string::npos)
      << excess.message;
}

// The lines the sites of these errors wrote, and the same lines from the
// error's values.
struct Written {
  std::string report;
  std::string message;
};

Written FromValues(ErrorId id, const ErrorValues& values) {
  RecordWriter report, message;
  EXPECT_TRUE(WriteErrorText(id, values, report, message));
  return {report.contents(), message.contents()};
}

// The block of a result that is not a finite number, as its sites wrote it.
std::string NotFiniteBlock(std::initializer_list<std::string> lines) {
  RecordWriter w;
  w.Write("(//A/)", {ErrorHeading(ErrorId::kNotFinite)});
  for (const std::string& line : lines) w.Write("(A)", {line});
  w.Write("()");
  return w.contents();
}

TEST(AnalysisErrorText, ResultsNotFiniteSayWhereTheyArose) {
  const std::string check_input =
      "Check the input values of the pile, the soil and the loading for their sizes and units.";
  const std::string check_section =
      "Check the dimensions and material values of the section for their sizes and units.";
  const struct {
    ErrorValues values;
    std::string block;
  } cases[] = {
      {{ErrorTextValue("result", "pile response"), ErrorValue("load case", 2),
        ErrorValue("node", 37)},
       NotFiniteBlock(
           {"The response of the pile for load case 2 is not a finite number at node 37.",
            check_input})},
      {{ErrorTextValue("result", "pile response"), ErrorValue("load case", 3)},
       NotFiniteBlock(
           {"The response of the pile for load case 3 is not a finite number.", check_input})},
      {{ErrorTextValue("result", "pile-length study"), ErrorValue("load case", 1)},
       NotFiniteBlock(
           {"The pile-length study of load case 1 gave a value that is not a finite number.",
            check_input})},
      {{ErrorTextValue("result", "pile-head stiffness study")},
       NotFiniteBlock(
           {"The pile-head stiffness study gave a stiffness that is not a finite number: "
            "the pile head did not move under a study load.",
            check_input})},
      {{ErrorTextValue("result", "bending stiffness values"), ErrorValue("section", 2)},
       NotFiniteBlock(
           {"The bending stiffness values of Section 2 are not finite numbers.", check_section})},
      {{ErrorTextValue("result", "moment-curvature values"), ErrorValue("section", 1),
        ErrorValue("axial thrust number", 3)},
       NotFiniteBlock({"The moment-curvature values for axial thrust 3 of Section 1 are not finite "
                       "numbers.",
                       check_section})},
      {{ErrorTextValue("result", "written value"), ErrorTextValue("file", "plot file")},
       NotFiniteBlock({"A computed value written to the plot file is not a finite number (NaN or "
                       "Infinity).",
                       "The results of this analysis cannot be used.  Check the input values for "
                       "their sizes and units."})},
  };
  for (const auto& c : cases) {
    const Written w = FromValues(ErrorId::kNotFinite, c.values);
    EXPECT_EQ(w.report, c.block);
    EXPECT_EQ(w.message, c.block);
  }

  // Found by the iteration: the report alone, naming the value tested.
  const struct {
    ErrorValues values;
    std::string line;
  } iteration[] = {
      {{ErrorTextValue("result", "maximum change in deflection"),
        ErrorTextValue("state", "infinite")},
       "Maximum change in deflection is infinite after iteration 4"},
      {{ErrorTextValue("result", "top deflection or maximum change in deflection")},
       "Either top deflection or maximum change in deflection is not a number after iteration 4"},
      {{ErrorTextValue("result", "deflection")},
       "Deflection at node 12 is not a finite number after iteration 4"},
  };
  for (const auto& c : iteration) {
    ErrorValues values{ErrorValue("iteration", 4), ErrorValue("node", 12)};
    values.insert(values.end(), c.values.begin(), c.values.end());
    const Written w = FromValues(ErrorId::kNotFinite, values);
    EXPECT_EQ(w.report, "**** Runtime Error No. 28 ****\n\n" + c.line + "\n");
    EXPECT_EQ(w.message, "");
  }
}

TEST(AnalysisErrorText, ErrorsNoInputReachesKeepTheirLines) {
  // A fault of the engine itself, with what it said.
  Written w =
      FromValues(ErrorId::kInternalError, {ErrorTextValue("fault", "vector::_M_range_check")});
  EXPECT_EQ(w.report,
            "\n\n**** Runtime Error No. 19 ****\n\n"
            "An internal error ended the analysis: vector::_M_range_check\n");
  EXPECT_EQ(w.message, w.report);

  // The prestressed section's areas.
  w = FromValues(ErrorId::kSteelAreaNegative,
                 {ErrorValue("section", 1), ErrorValue("area", -0.25)});
  EXPECT_EQ(w.report,
            "\n\n**** Runtime Error No. 15 ****\n\nAn error occurred in prestressing computations\n"
            "The computed area of steel in the section is less than 0.0 =        -0.25000\n");
  EXPECT_EQ(w.message, w.report);

  // The factored thrust of an LRFD combination beyond the tensile capacity,
  // in SI units.
  w = FromValues(ErrorId::kLrfdThrustOverTension,
                 {ErrorValue("load case", 3), ErrorValue("axial thrust", -5000.0),
                  ErrorValue("capacity", -4200.5), ErrorTextValue("units", "SI")});
  EXPECT_EQ(w.report,
            "\n\n**** Runtime Error No. 27 ****\n\n"
            "PROBLEM:  The axial thrust load for LRFD load case no. 3 exceeds the axial structural "
            "capacity in tension.\n"
            "          Factored axial thrust load     =       -5000.000 kN     \n"
            "          Nominal axial tensile capacity =       -4200.500 kN     \n\n"
            "SOLUTION: Change the properties of the section to increase the axial structural "
            "capacity.\n\n");

  // A micropile has no section to cut into strips.
  w = FromValues(ErrorId::kSectionNotAnalysable,
                 {ErrorValue("section", 2), ErrorTextValue("section type", "micropile")});
  EXPECT_EQ(w.message,
            "\n\n**** Input Data Error No. 51 ****\n\n"
            "PROBLEM:  Section 2 is a micropile, which has no cross-section dimensions or "
            "materials:\n"
            "          its bending stiffness cannot be computed.\n\n"
            "SOLUTION: Describe the micropile as a steel pipe, a drilled shaft or a pile with "
            "user-defined nonlinear EI.\n\n");
}

// Error 95 has a row for each stage that raises it: the analysis writes only
// the block of a pile above the ground, and a value its text needs that the
// error lacks is a fault of the engine.
TEST(AnalysisErrorText, KnowsOnlyItsOwnBlocks) {
  RecordWriter report, message;
  EXPECT_FALSE(
      WriteAnalysisErrorText(ErrorId::kInvalidValue, {ErrorValue("layer", 2)}, report, message));
  EXPECT_EQ(report.contents(), "");
  EXPECT_THROW(WriteErrorText(ErrorId::kUnstable, {ErrorValue("load case", 1)}, report, message),
               std::logic_error);
}

}  // namespace
}  // namespace tarvex
