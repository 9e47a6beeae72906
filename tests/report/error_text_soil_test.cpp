// The errors of the soil profile and the p-y criteria, written from the
// error's values alone: the error a run ends with renders again, byte for
// byte, from the name and values of its diagnostic, into the lines its block
// printed in the report and the message file.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/soil_criteria.hpp"
#include "format/error_text.hpp"
#include "format/error_text_parts.hpp"
#include "format/run_output.hpp"
#include "report/error_report.hpp"
#include "soil/soil_profile.hpp"
#include "support/pile_fixture.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

// A 900-mm steel pipe, 20 m long (elastic), in SI units.
constexpr const char* kSection = "1\n1\n11\n20.0\n2\n900.0\n900.0\n20.0\n20.0\n200000000.0\n";
constexpr const char* kShear = "1\n1 1 200.0 0.0 0.0 1\n0\n";
constexpr const char* kNoLoad = "1\n1 1 0.0 0.0 0.0 1\n0\n";
// Soft clay from the head to 5 m, above the layer a case is about.
constexpr const char* kSoftClayAbove = "1 0.0 5.0\n8.0 20.0 0.0\n8.0 20.0 0.0\n";
constexpr const char* kSlope35 = "PILE BATTER AND SLOPE\n35.0\n0.0\n";

// Below the soft clay, clays without strength.
const std::string kSoftClayWithoutCohesion =
    std::string("2\n") + kSoftClayAbove + "1 5.0 25.0\n8.0 0.0 0.01\n8.0 0.0 0.01\n";
const std::string kStiffClayWithKWithoutCohesion =
    std::string("2\n") + kSoftClayAbove + "4 5.0 25.0\n8.0 0.0 0.01 50000\n8.0 0.0 0.01 50000\n";
const std::string kStiffClayWithoutCohesion =
    std::string("2\n") + kSoftClayAbove + "3 5.0 25.0\n8.0 0.0 0.01\n8.0 0.0 0.01\n";

struct SoilInput {
  SoilInput(std::string layers_, std::string units_ = "SI", std::string extra_ = "",
            std::string loading_ = kShear, double cycles_ = 0.0)
      : layers(std::move(layers_)),
        units(std::move(units_)),
        extra(std::move(extra_)),
        loading(std::move(loading_)),
        cycles(cycles_) {}
  std::string layers;   // the body of SOIL LAYERS
  std::string units;    // USCS, SI or GENERAL
  std::string extra;    // sections before END
  std::string loading;  // the body of LOADING
  double cycles;        // cyclic loading with this many cycles when positive
};

std::string Input(const SoilInput& soil_input) {
  testing::PileInputParts parts = testing::Parts(kSection, soil_input.layers, soil_input.loading);
  parts.units = soil_input.units;
  if (soil_input.cycles > 0.0) {
    parts.cyclic = true;
    parts.cycles = soil_input.cycles;
  }
  std::string s = testing::PileInput(parts);
  if (!soil_input.extra.empty()) s.replace(s.rfind("END"), 3, soil_input.extra + "END");
  return s;
}

RunResults Analyse(const SoilInput& soil_input) {
  AnalyseOptions options;
  options.keep_texts = true;
  return analyse(Input(soil_input), options);
}

std::string Joined(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* line : lines) s += std::string(line) + "\n";
  return s;
}

struct RunCase {
  const char* error;  // the name of the error the run ends with
  SoilInput input;
};

TEST(SoilErrorText, TheErrorOfEachRunRendersAgainIntoItsReportAndMessageFile) {
  const RunCase cases[] = {
      {"soft_clay_zero_cohesion", {kSoftClayWithoutCohesion}},
      {"soft_clay_j_zero_cohesion",
       {std::string("2\n") + kSoftClayAbove + "15 5.0 25.0\n8.0 0.0 0.01 0.5\n8.0 0.0 0.01 0.5\n"}},
      {"stiff_clay_zero_cohesion", {kStiffClayWithoutCohesion}},
      {"stiff_clay_zero_cohesion", {kStiffClayWithKWithoutCohesion}},
      {"stiff_clay_free_water_zero_cohesion",
       {std::string("2\n") + kSoftClayAbove +
        "2 5.0 25.0\n8.0 0.0 0.01 50000\n8.0 0.0 0.01 50000\n"}},
      {"stiff_clay_missing_value",
       {"1\n4 0.0 25.0\n8.0 100.0 0.01 0.0\n8.0 100.0 0.01 0.0\n", "GENERAL"}},
      {"stiff_clay_missing_value", {"1\n3 0.0 25.0\n8.0 100.0 0.0\n8.0 100.0 0.0\n", "GENERAL"}},
      {"soft_clay_modulus_na_n", {"1\n1 0.0 25.0\n8.0 0.0 0.01\n8.0 20.0 0.01\n"}},
      {"soft_clay_small_modulus_na_n",
       {"1\n1 0.0 25.0\n8.0 0.0 0.01\n8.0 20.0 0.01\n", "SI", "", kNoLoad}},
      {"soft_clay_j_modulus_na_n", {"1\n15 0.0 25.0\n8.0 0.0 0.01 0.5\n8.0 20.0 0.01 0.5\n"}},
      {"soft_clay_j_small_modulus_na_n",
       {"1\n15 0.0 25.0\n8.0 0.0 0.01 0.5\n8.0 20.0 0.01 0.5\n", "SI", "", kNoLoad}},
      {"reese_sand_modulus_na_n", {"1\n5 0.0 25.0\n0.0 35.0 10000\n0.0 35.0 10000\n"}},
      {"no_default_sand_k", {"1\n6 0.0 25.0\n8.0 35.0 0.0\n8.0 35.0 0.0\n", "GENERAL"}},
      {"reese_sand_zero_friction", {"1\n5 0.0 25.0\n8.0 0.0 10000\n8.0 0.0 10000\n"}},
      {"api_sand_zero_friction",
       {std::string("2\n") + kSoftClayAbove + "6 5.0 25.0\n8.0 0.0 10000\n8.0 0.0 10000\n"}},
      {"reese_sand_slope_beyond_friction",
       {"1\n5 0.0 25.0\n8.0 30.0 10000\n8.0 30.0 10000\n", "SI", kSlope35}},
      {"api_sand_slope_beyond_friction",
       {"1\n6 0.0 25.0\n8.0 30.0 10000\n8.0 30.0 10000\n", "SI", kSlope35}},
      {"rock_strength_not_positive", {"1\n9 0.0 25.0\n20 0.0\n20 0.0\n"}},
      {"rock_modulus_not_positive",
       {"1\n8 0.0 25.0\n20 5000 0.0 50 0.0001\n20 5000 0.0 50 0.0001\n"}},
      {"krm_not_positive", {"1\n8 0.0 25.0\n20 5000 100000 50 0.0\n20 5000 100000 50 0.0\n"}},
      {"massive_rock_without_values", {std::string("2\n") + kSoftClayAbove + "16 5.0 25.0\n"}},
      {"silt_zero_cohesion",
       {std::string("2\n") + kSoftClayAbove +
        "11 5.0 25.0\n8.0 0.0 30.0 0.0 0.0\n8.0 0.0 30.0 0.0 0.0\n"}},
      {"silt_zero_friction", {"1\n11 0.0 25.0\n8.0 20.0 0.0 0.0 0.0\n8.0 20.0 0.0 0.0 0.0\n"}},
      {"silt_slope_beyond_friction",
       {"1\n11 0.0 25.0\n8.0 20.0 30.0 0.0 0.0\n8.0 20.0 30.0 0.0 0.0\n", "SI", kSlope35}},
      // Cohesionless at the ground surface, on a slope as steep as its
      // friction angle.
      {"cohesionless_silt_slope_beyond_friction",
       {"1\n11 0.0 25.0\n8.0 0.0 30.0 0.0 0.0\n8.0 20.0 30.0 0.0 0.0\n", "SI",
        "PILE BATTER AND SLOPE\n30.0\n0.0\n"}},
      {"loess_cycles", {"1\n12 0.0 25.0\n8.0 2000\n8.0 2000\n", "SI", "", kShear, 20.0}},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.error + std::string(": ") + c.input.layers);
    const RunResults r = Analyse(c.input);
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(r.error->name, c.error);
    const RenderedError text = RenderError(*r.error);
    EXPECT_TRUE(text.has_text);
    EXPECT_FALSE(text.report.empty() && text.message.empty());
    EXPECT_NE(r.report_text.find(text.report), std::string::npos) << text.report;
    EXPECT_NE(r.message_text.find(text.message), std::string::npos) << text.message;
  }
}

// The words of a few blocks as the report and message file have always
// printed them: which file takes which lines, and the values in their fields.
TEST(SoilErrorText, BlocksKeepTheirWordsAndFiles) {
  struct Case {
    const char* name;
    SoilInput input;
    std::string report;
    std::string message;
  };
  const std::string stiff_clay_opening = Joined({
      "**** Input Data Error No. 13 ****",
      "",
      "An error was detected in the input data.",
      "Problem:  Zero was input for cohesion of stiff clay without free water.",
      "",
  });
  const std::string soft_clay_opening = Joined({
      "**** Input Data Error No. 12 ****",
      "",
      "An error was detected that is related to an incompatibility between the input ",
      "data defining soil layering and soil shear strength values when computing a ",
      "p-y curve using the Matlock soft clay criteria.",
      "",
      "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
      "",
      "Solution:  Please compare the depth values for soil layering and soil shear ",
      "strength values and revise the input data.",
      "",
  });
  const std::string soft_clay_values =
      "Layer no. = 2, Node no. = 27, Top node in layer = 26, Elevation =      5.200, c(x) =      "
      "0.000";
  const Case cases[] = {
      {"soft clay: the report's line goes on with the pile length and the layer's nodes",
       {kSoftClayWithoutCohesion},
       soft_clay_opening + soft_clay_values + ", Pile length =     20.000\n" +
           ", ITOP = 26, IBOT = 101\n",
       soft_clay_opening + soft_clay_values + "\n"},
      {"stiff clay with an initial k: the solution on two lines",
       {kStiffClayWithKWithoutCohesion},
       stiff_clay_opening + Joined({"Solution:  Please check the values of soil shear strength "
                                    "and revise ",
                                    "the input data."}),
       stiff_clay_opening + Joined({"Solution:  Please check the values of soil shear strength "
                                    "and revise ",
                                    "the input data."})},
      {"stiff clay without k: the solution on one line",
       {kStiffClayWithoutCohesion},
       stiff_clay_opening + Joined({"Solution:  Please check the values of soil shear strength "
                                    "and revise the input data."}),
       stiff_clay_opening + Joined({"Solution:  Please check the values of soil shear strength "
                                    "and revise the input data."})},
      {"a stiff clay without k in general units: the value named",
       {"1\n4 0.0 25.0\n8.0 100.0 0.01 0.0\n8.0 100.0 0.01 0.0\n", "GENERAL"},
       Joined({"", "", "**** Input Data Error No. 95 ****", "",
               "Problem:  Soil layer 1 is a stiff clay with no input value of k at this depth,",
               "          and general units have no default values for it.", "",
               "Solution:  Give the layer a positive value at its top and bottom.", ""}),
       Joined({"", "", "**** Input Data Error No. 95 ****", "",
               "Problem:  Soil layer 1 is a stiff clay with no input value of k at this depth,",
               "          and general units have no default values for it.", "",
               "Solution:  Give the layer a positive value at its top and bottom.", ""})},
      {"API sand on a slope: the message file only",
       {"1\n6 0.0 25.0\n8.0 30.0 10000\n8.0 30.0 10000\n", "SI", kSlope35},
       "",
       Joined({"**** Input Data Error No. 2 ****", "",
               "An error was detected in the input data when computing a p-y.",
               "curve using the API criteria for sand for layer 1.", "",
               "Problem:  The angle of the ground slope can not be greater ",
               "than the internal friction angle of the sand.", "",
               "Solution:  Set the value for slope angle to be less than ",
               "the angle of friction."})},
      {"loess cycles: the report only",
       {"1\n12 0.0 25.0\n8.0 2000\n8.0 2000\n", "SI", "", kShear, 20.0},
       Joined({"", "", "**** Input Data Error No. 70 ****", "",
               "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of "
               "loading =         20.0",
               "This value is greater than 10. The soil model for loess is valid only for 1 to 10 "
               "cycles of loading. ",
               "SOLUTION: Revise the input data so that the number of cycles of loading is in the "
               "range of 1 to 10.",
               ""}),
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResults r = Analyse(c.input);
    ASSERT_TRUE(r.error.has_value());
    const RenderedError text = RenderError(*r.error);
    EXPECT_EQ(text.report, c.report);
    EXPECT_EQ(text.message, c.message);
  }
}

// The errors of the profile's data, raised through the accessors of the
// soil at a depth (no input reaches them: the input checks stop a profile
// that ends above the pile tip or has a layer of no thickness): the text
// rendered from the error's values is the block written to each file.
struct SoilModel {
  std::vector<SoilLayer> layers;
  SoilProfile soil_profile;
  UnitWeightProfile unit_weights;
  double pile_length = 0.0;
  RunOutput out;

  operator SoilAccess() {
    return {layers,      soil_profile, unit_weights, layers.empty() ? 0.0 : layers.front().top,
            pile_length, out};
  }
};

SoilLayer Layer(SoilCriterion code, double top, double bottom, double value_top,
                double value_bottom) {
  SoilLayer layer;
  layer.code = code;
  layer.top = top;
  layer.bottom = bottom;
  layer.at_top.cohesion = layer.at_top.rqd = value_top;
  layer.at_bottom.cohesion = layer.at_bottom.rqd = value_bottom;
  return layer;
}

TEST(SoilErrorText, ProfileErrorsRenderAgainIntoTheLinesWritten) {
  struct Case {
    const char* error;
    std::vector<SoilLayer> layers;
    std::function<double(SoilModel&)> call;
  };
  const std::vector<SoilLayer> clays = {Layer(kSoftClay, 0, 10, 2.0, 4.0),
                                        Layer(kSoftClay, 10, 20, 6.0, 10.0)};
  const Case cases[] = {
      {"strength_beyond_data", clays,
       [](SoilModel& m) { return ShearStrengthAt(m, 20.5, nullptr, 1); }},
      {"zero_layer_thickness",
       {Layer(kSoftClay, 10, 10, 2.0, 4.0)},
       [](SoilModel& m) { return ShearStrengthAt(m, 5.0, nullptr, 1); }},
      {"unit_weight_beyond_data", clays, [](SoilModel& m) { return AverageUnitWeight(m, 21.0); }},
      {"average_strength_beyond_data", clays,
       [](SoilModel& m) { return AverageStrength(m, 21.0, 1); }},
      {"friction_beyond_data", clays, [](SoilModel& m) { return FrictionAngleAt(m, 20.25); }},
      {"rqd_beyond_data",
       {Layer(kWeakRock, 0, 10, 50.0, 60.0)},
       [](SoilModel& m) { return RqdAt(m, 10.5); }},
      {"rqd_out_of_range",
       {Layer(kWeakRock, 0, 10, 50.0, 150.0)},
       [](SoilModel& m) { return RqdAt(m, 6.0); }},
      {"interface_soil_pair",
       {Layer(kSandReese, 0, 10, 0.0, 0.0), Layer(kCementedSilt, 10, 20, 0.0, 3.0)},
       [](SoilModel& m) { return ShearStrengthAt(m, 10.0, nullptr, 0); }},
      {"interface_not_found",
       {Layer(kSoftClay, 0, 10, 4.0, 4.0), Layer(kSoftClay, 12, 20, 6.0, 6.0)},
       [](SoilModel& m) { return ShearStrengthAt(m, 10.0, nullptr, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    SoilModel m;
    m.layers = c.layers;
    m.pile_length = c.layers.back().bottom;
    BuildSoilProfile(m.layers, &m.soil_profile, &m.unit_weights);
    c.call(m);
    ASSERT_TRUE(m.out.failed());
    const Diagnostic& error = m.out.diagnostics.error;
    EXPECT_EQ(error.name, c.error);
    const RenderedError text = RenderError(error);
    ASSERT_TRUE(text.has_text);
    // The block, then the "ended prematurely" lines.
    const std::string report = m.out.report.contents();
    EXPECT_FALSE(text.report.empty());
    EXPECT_EQ(report.compare(0, text.report.size(), text.report), 0) << report;
    EXPECT_EQ(text.message, m.out.message.contents());
    EXPECT_FALSE(error.message.empty());
  }
}

// Errors that no input reaches: a rock layer of no thickness and a weak
// rock node on an interface below the layer's top (the input refuses such
// layers), k_rm times a pile width of zero (the input refuses a width of
// zero), Reese sand with a modulus that is not a number at no deflection,
// and a printed p-y curve above the ground (checked when the input is read).
// The lines are those these errors have always printed.
TEST(SoilErrorText, ErrorsNoInputReachesKeepTheirLines) {
  struct Case {
    const char* name;
    ErrorId id;
    ErrorValues values;
    std::string report;
    std::string message;
  };
  const std::string sand_nan =
      Joined({"**** Runtime Error No 32 ****", "",
              "The computed value of soil modulus computed in Reese Sand is not-a-number for node "
              "number 7",
              "",
              "This problem is usually due to a required soil property being left equal to "
              "zero."});
  const Case cases[] = {
      {"massive rock of no thickness",
       ErrorId::kRockLayerWithoutThickness,
       {ErrorValue("layer", 3), ErrorValue("elevation", 10.0),
        ErrorTextValue("criterion", "massive rock")},
       Joined({"**** Runtime Error No. 20 ****", "",
               "Problem:  The top and bottom elevations for massive rock layer are equal.",
               "          The top and bottom elevations for layer 3 =   0.1000E+02", "",
               "Solution: Correct the input data for elevations defining the massive rock "
               "layer."}),
       ""},
      {"weak rock of no thickness",
       ErrorId::kRockLayerWithoutThickness,
       {ErrorValue("layer", 2), ErrorValue("elevation", 4.0),
        ErrorTextValue("criterion", "weak rock, Reese")},
       Joined({"**** Runtime Error No. 20 ****", "",
               "Problem:  The top and bottom elevations for weak rock layer are equal.",
               "Solution: Correct the input data for elevations defining weak rock layer."}),
       ""},
      {"weak rock without strength at an interface",
       ErrorId::kWeakRockZeroStrength,
       {ErrorValue("layer", 2), ErrorValue("compressive strength", 0.0)},
       "",
       Joined({"**** Input Data Error No. 16 ****", "",
               "An error was detected when computing the p-y curve for weak rock.",
               "Problem:   The input value for the compressive strength of a weak rock was ",
               "           input as negative or zero (0).", "",
               "Solution:  Check the depth values for soil layering and soil shear strength ",
               "           values and correct the input data."})},
      {"k_rm times the pile width",
       ErrorId::kWeakRockKrmNotPositive,
       {ErrorValue("layer", 2), ErrorValue("k_rm", 0.0001)},
       "",
       Joined({"**** Runtime Error No. 22 ****", "",
               "An error was detected when computing the p-y curve for weak rock.     ",
               "Problem:  The input value for k_rm is less than or equal to 0. ", "",
               "Solution:  Check the input values for the week rock properties in the soil "
               "layer 2"})},
      {"Reese sand modulus not a number at no deflection",
       ErrorId::kReeseSandSmallModulusNaN,
       {ErrorValue("node", 7)},
       sand_nan,
       sand_nan},
      // The unit of the ground surface keeps the report's three columns.
      {"printed curve above the ground, SI",
       ErrorId::kPrintedCurveAboveGround,
       {ErrorValue("depth", 1.5, "m  "), ErrorValue("ground surface", 3.0, "m  "),
        ErrorValue("depth number", 2)},
       Joined({"**** Input Data Error No. 23 (NON-FATAL) ****", "",
               "p-y curves cannot be generated at depth number 2",
               "This location is     1.500 m below the pile head and ",
               "is above the ground surface for this problem.", "",
               "The ground surface is     3.000 m   below the top of the pile.", ""}),
       Joined({"**** Input Data Error No. 23 (NON-FATAL) ****", "",
               "p-y curves cannot be generated at depth number 2",
               "This location is     1.500 m below the pile head and ",
               "is above the ground surface for this problem.", "",
               "The ground surface is     3.000 m   below the top of the pile.", ""})},
      {"printed curve above the ground, USCS",
       ErrorId::kPrintedCurveAboveGround,
       {ErrorValue("depth", 18.0, "in "), ErrorValue("ground surface", 36.0, "in "),
        ErrorValue("depth number", 1)},
       Joined({"**** Input Data Error No. 23 (NON-FATAL) ****", "",
               "p-y curves cannot be generated at depth number 1",
               "This location is    18.000 i below the pile head and ",
               "is above the ground surface for this problem.", "",
               "The ground surface is    36.000 in  below the top of the pile.", ""}),
       Joined({"**** Input Data Error No. 23 (NON-FATAL) ****", "",
               "p-y curves cannot be generated at depth number 1",
               "This location is    18.000 i below the pile head and ",
               "is above the ground surface for this problem.", "",
               "The ground surface is    36.000 in  below the top of the pile.", ""})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordWriter report;
    RecordWriter message;
    EXPECT_TRUE(WriteErrorText(c.id, c.values, report, message));
    EXPECT_EQ(report.contents(), c.report);
    EXPECT_EQ(message.contents(), c.message);
  }
}

// Error 95 has a row for each stage that raises it: the soil's text is only
// that of a stiff clay's missing value, not the readers' or the analysis's.
TEST(SoilErrorText, InvalidValueIsTheSoilsOnlyWithAMissingValueNamed) {
  RecordWriter report;
  RecordWriter message;
  EXPECT_FALSE(WriteSoilErrorText(
      ErrorId::kInvalidValue,
      {ErrorValue("ground surface", 30.0, "in"), ErrorValue("pile tip", 20.0, "in")}, report,
      message));
  EXPECT_TRUE(report.contents().empty());
  EXPECT_TRUE(message.contents().empty());
}

}  // namespace
}  // namespace tarvex
