// The texts of the errors of the soil profile and the p-y criteria: the
// profile's data not reaching a pile station, the strength at a layer
// interface, and each criterion's checks of the soil at a node. Most blocks
// go to both files; some go only to the message file (the report then holds
// only the "ended prematurely" lines) or only to the report.
#include <string>

#include "format/error_text_parts.hpp"

namespace tarvex {
namespace {

// The soil criteria whose name chooses the wording of a shared text, as the
// criterion table describes them.
constexpr std::string_view kStiffClayWithK = "stiff clay without free water, with initial k";
constexpr std::string_view kMassiveRock = "massive rock";

constexpr std::string_view kSupportEmail = "support@tarvex.example";

// The unit of value `name` as the report prints it: a length label is three
// columns wide, blank-padded, and the value keeps it without the blanks.
std::string LengthLabel(const ErrorValues& values, std::string_view name) {
  for (const DiagnosticValue& v : values) {
    if (v.name != name) continue;
    std::string label = v.unit;
    if (label.size() < 3) label.resize(3, ' ');
    return label;
  }
  ErrorNumber(values, name);  // throws: the error was raised without the value
  return {};
}

// T or F as the interface traces print a condition.
std::string_view Flag(bool b) { return b ? "T" : "F"; }

// A soil modulus that is not a number at a node.
void ModulusNotANumber(ErrorId id, const ErrorValues& values, std::string_view criterion,
                       RecordWriter& report, RecordWriter& message) {
  const std::string opening = "The computed value of soil modulus computed in " +
                              std::string(criterion) + " is not-a-number for node number ";
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(A/)", {ErrorHeading(id)});
    w->Write("(A,I0/)", {opening, ErrorInteger(values, "node")});
    w->Write("(A)", {"This problem is usually due to a required soil property being "
                     "left equal to zero."});
  }
}

// A soft clay node below the top of its layer with a cohesion of zero or less.
void SoftClayZeroCohesion(ErrorId id, const ErrorValues& values, RecordWriter& report,
                          RecordWriter& message) {
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(id)});
    out->Write("(A)", {"An error was detected that is related to an incompatibility between the "
                       "input "});
    out->Write("(A)", {"data defining soil layering and soil shear strength values when computing "
                       "a "});
    out->Write("(A/)", {"p-y curve using the Matlock soft clay criteria."});
    out->Write("(A/)", {id == ErrorId::kSoftClayJZeroCohesion
                            ? "Problem:  A negative or zero value of cohesion was input for a "
                              "soft clay soil with J."
                            : "Problem:  A negative or zero value of cohesion was input for a "
                              "soft clay soil."});
    out->Write("(A)", {"Solution:  Please compare the depth values for soil layering and soil "
                       "shear "});
    out->Write("(A/)", {"strength values and revise the input data."});
    const bool in_report = out == &report;
    const int top_node = ErrorInteger(values, "top node in layer");
    out->Write(
        in_report ? "(A,I0,A,I0,A,I0,A,F10.3,A,F10.3,$)" : "(A,I0,A,I0,A,I0,A,F10.3,A,F10.3)",
        {"Layer no. = ", ErrorInteger(values, "layer"),
         ", Node no. = ", ErrorInteger(values, "node"), ", Top node in layer = ", top_node,
         ", Elevation = ", ErrorNumber(values, "elevation"),
         ", c(x) = ", ErrorNumber(values, "c")});
    if (in_report) {
      out->Write("(A,F10.3)", {", Pile length = ", ErrorNumber(values, "pile length")});
      out->Write("(A,I0,A,I0)", {", ITOP = ", top_node,
                                 ", IBOT = ", ErrorInteger(values, "bottom node in layer")});
    }
  }
}

void StiffClayZeroCohesion(ErrorId id, const ErrorValues& values, RecordWriter& report,
                           RecordWriter& message) {
  const bool free_water = id == ErrorId::kStiffClayFreeWaterZeroCohesion;
  const bool with_k = !free_water && ErrorTextOf(values, "criterion") == kStiffClayWithK;
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(id)});
    if (free_water) {
      out->Write("(A)", {"An error was detected in the input data used to compute p-y curves in "});
      out->Write("(A/)", {"stiff clay with free water."});
      out->Write("(A/)", {"Problem:  Zero was input for the cohesion of a stiff clay. "});
      out->Write("(A)", {"Solution:  Check and compare the values of shear strength and revise "
                         "the "});
      out->Write("(A)", {"input so that the strength values are correct for the soil types "
                         "specified."});
    } else {
      out->Write("(A)", {"An error was detected in the input data."});
      out->Write("(A/)",
                 {"Problem:  Zero was input for cohesion of stiff clay without free water."});
      if (with_k) {
        out->Write("(A)", {"Solution:  Please check the values of soil shear strength and "
                           "revise "});
        out->Write("(A)", {"the input data."});
      } else {
        out->Write("(A)", {"Solution:  Please check the values of soil shear strength and revise "
                           "the input data."});
      }
    }
  }
}

// A stiff clay layer in general units without its own epsilon-50 or k.
void MissingGeneralValue(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(//A/)", {ErrorHeading(ErrorId::kStiffClayMissingValue)});
    out->Write("(A,I0,A,A,A)", {"Problem:  Soil layer ", ErrorInteger(values, "layer"),
                                " is a stiff clay with no input value of ",
                                ErrorTextOf(values, "missing value"), " at this depth,"});
    out->Write("(A/)", {"          and general units have no default values for it."});
    out->Write("(A/)", {"Solution:  Give the layer a positive value at its top and bottom."});
  }
}

void NoDefaultSandK(RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(//A/)", {ErrorHeading(ErrorId::kNoDefaultSandK)});
    out->Write("(A)",
               {"Problem:  General units have been selected for use in computations in      "});
    out->Write("(A)",
               {"combination with default values of k for a layer classified as API sand    "});
    out->Write("(A)",
               {"criteria. This combination of data cannot be used because Tarvex cannot     "});
    out->Write("(A/)",
               {"compute default values of subgrade modulus in general units.               "});
    out->Write("(A)",
               {"Solution:  You must select either US customary for SI units for the        "});
    out->Write("(A)",
               {"units of computation to use a default value for subgrade subgrade modulus  "});
    out->Write("(A)",
               {"for the API sand criteria or enter an appropriate proper value by entering "});
    out->Write("(A)", {"a non-zero for k."});
  }
}

// The ground slope steeper than the friction angle of a sand: the API
// criteria's block goes to the message file only, Reese's to both.
void SandSlopeBeyondFriction(ErrorId id, const ErrorValues& values, RecordWriter& report,
                             RecordWriter& message) {
  const int layer = ErrorInteger(values, "layer");
  if (id == ErrorId::kApiSandSlopeBeyondFriction) {
    message.Write("(A/)", {ErrorHeading(id)});
    message.Write("(A)", {"An error was detected in the input data when computing a p-y."});
    message.Write("(A,I0,A/)", {"curve using the API criteria for sand for layer ", layer, "."});
    message.Write("(A)", {"Problem:  The angle of the ground slope can not be greater "});
    message.Write("(A/)", {"than the internal friction angle of the sand."});
    message.Write("(A)", {"Solution:  Set the value for slope angle to be less than "});
    message.Write("(A)", {"the angle of friction."});
    return;
  }
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(id)});
    out->Write("(A)", {"An error was found in the input data when computing a p-y curve using "});
    out->Write("(A,I0,A/)", {"the Reese sand criteria for layer ", layer, "."});
    out->Write("(A)", {"Problem:  The angle of the ground slope can not be greater than the "});
    out->Write("(A/)", {"internal friction angle of the sand."});
    out->Write("(A)",
               {"Solution:  Set the value for slope angle to be less than the angle of friction."});
  }
}

void ReeseSandZeroFriction(RecordWriter& message) {
  message.Write("(A/)", {ErrorHeading(ErrorId::kReeseSandZeroFriction)});
  message.Write("(A)", {"An error was detected in the input data for friction angle."});
  message.Write("(A)", {"Problem:  Zero was input for the friction angle for a sand when "
                        "computing "});
  message.Write("(A/)", {"          a p-y curve using the Reese et al. criteria."});
  message.Write("(A)", {"Solution: Check values of soil strength values and revise the "
                        "input data."});
}

void ApiSandZeroFriction(const ErrorValues& values, RecordWriter& message) {
  message.Write("(A/)", {ErrorHeading(ErrorId::kApiSandZeroFriction)});
  message.Write("(A)", {"An error was detected in the input data when computing a p-y."});
  message.Write("(A,I0,A/)", {"curve using the API sand criteria for layer ",
                              ErrorInteger(values, "layer"), "."});
  message.Write("(A/)", {"Problem:  A zero was input for the friction angle for sand."});
  message.Write("(A)", {"Solution:  Check the friction angle values and revise the "});
  message.Write("(A)", {"data to correct this problem."});
}

// A rock layer of no thickness: the block goes to the report only, after
// its "ended prematurely" lines.
void RockLayerWithoutThickness(const ErrorValues& values, RecordWriter& report) {
  report.Write("(A/)", {ErrorHeading(ErrorId::kRockLayerWithoutThickness)});
  if (ErrorTextOf(values, "criterion") == kMassiveRock) {
    report.Write("(A)", {"Problem:  The top and bottom elevations for massive rock layer are "
                         "equal."});
    report.Write("(A,I0,A,E12.4/)",
                 {"          The top and bottom elevations for layer ",
                  ErrorInteger(values, "layer"), " = ", ErrorNumber(values, "elevation")});
    report.Write("(A)", {"Solution: Correct the input data for elevations defining the "
                         "massive rock layer."});
  } else {
    report.Write("(A)", {"Problem:  The top and bottom elevations for weak rock layer are "
                         "equal."});
    report.Write("(A)", {"Solution: Correct the input data for elevations defining weak rock "
                         "layer."});
  }
}

void RockStrengthNotPositive(const ErrorValues& values, RecordWriter& message) {
  message.Write("(A/)", {ErrorHeading(ErrorId::kRockStrengthNotPositive)});
  message.Write("(A/)", {"Problem:   The input value for compressive strength is less than or "
                         "equal to zero."});
  message.Write("(A,I0)",
                {"Solution:  Check the input values for layer ", ErrorInteger(values, "layer")});
}

void RockModulusNotPositive(const ErrorValues& values, RecordWriter& report,
                            RecordWriter& message) {
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kRockModulusNotPositive)});
    out->Write("(A,A,A/)", {"Problem:   The input value for the ", ErrorTextOf(values, "modulus"),
                            " is less than or equal to zero."});
    out->Write("(A,I0)", {"Solution:  Give a positive value at the top and bottom of layer ",
                          ErrorInteger(values, "layer")});
  }
}

void MassiveRockWithoutValues(const ErrorValues& values, RecordWriter& report,
                              RecordWriter& message) {
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kMassiveRockWithoutValues)});
    out->Write("(A,I0,A)", {"Problem:   Layer ", ErrorInteger(values, "layer"),
                            " is massive rock, which has no compressive strength and no"});
    out->Write("(A/)", {"           intact-rock modulus: its p-y curves cannot be computed."});
    out->Write("(A)",
               {"Solution:  Use massive rock only below the pile tip, or describe the rock"});
    out->Write("(A)",
               {"           along the pile with the weak rock or vuggy limestone criteria."});
  }
}

void WeakRockZeroStrength(RecordWriter& message) {
  message.Write("(A/)", {ErrorHeading(ErrorId::kWeakRockZeroStrength)});
  message.Write("(A)", {"An error was detected when computing the p-y curve for weak rock."});
  message.Write("(A)", {"Problem:   The input value for the compressive strength of a weak "
                        "rock was "});
  message.Write("(A/)", {"           input as negative or zero (0)."});
  message.Write("(A)", {"Solution:  Check the depth values for soil layering and soil shear "
                        "strength "});
  message.Write("(A)", {"           values and correct the input data."});
}

void KrmNotPositive(ErrorId id, const ErrorValues& values, RecordWriter& message) {
  const int layer = ErrorInteger(values, "layer");
  message.Write("(A/)", {ErrorHeading(id)});
  if (id == ErrorId::kKrmNotPositive) {
    message.Write("(A/)", {"Problem:  The input value for k_rm for weak rock is less than or "
                           "equal to zero."});
    message.Write("(A,I0)", {"Solution: Check the input values for layer ", layer});
    return;
  }
  message.Write("(A)", {"An error was detected when computing the p-y curve for weak rock.  "
                        "   "});
  message.Write("(A/)", {"Problem:  The input value for k_rm is less than or equal to 0. "});
  message.Write("(A,I0)", {"Solution:  Check the input values for the week rock properties "
                           "in the soil layer ",
                           layer});
}

void SiltZeroCohesion(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kSiltZeroCohesion)});
    out->Write("(A)", {"Problem: A negative or zero value of cohesion was input for "});
    out->Write("(A/)", {"a soil defined as a silt."});
    out->Write("(A,I0,A,F13.8,A,E10.3/)",
               {"Layer = ", ErrorInteger(values, "layer"),
                ", Depth = ", ErrorNumber(values, "depth"), ", c = ", ErrorNumber(values, "c")});
    out->Write("(A)", {"Solution:  Please revise and correct the input data.  "});
    out->Write("(A)", {"Both cohesion and friction angle should be non-zero for silt soils."});
  }
}

void SiltZeroFriction(RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kSiltZeroFriction)});
    out->Write("(A/)",
               {"Problem:  A negative or zero value was input for the friction angle for a silt."});
    out->Write("(A)", {"Solution:  Please revise and correct the input data.  "});
    out->Write("(A)",
               {"Both cohesion and friction angle must be non-zero for the cemented silt soil."});
  }
}

// The ground slope steeper than the friction angle of a silt: of a
// cohesionless silt (an input error) or of a cemented silt (a runtime
// error, which the layer could avoid as an equivalent clay).
void SiltSlopeBeyondFriction(ErrorId id, const ErrorValues& values, RecordWriter& report,
                             RecordWriter& message) {
  const int layer = ErrorInteger(values, "layer");
  const bool cohesionless = id == ErrorId::kCohesionlessSiltSlopeBeyondFriction;
  for (RecordWriter* out : {&message, &report}) {
    out->Write("(A/)", {ErrorHeading(id)});
    if (cohesionless) {
      out->Write("(A)", {"An error was detected in the input data when computing a p-y."});
      out->Write("(A,I0,A/)", {"curve using the criteria for silt for layer ", layer, "."});
    } else {
      out->Write("(A)", {"A runtime error occurred due to the ground slope angle being"});
      out->Write("(A,I0,A/)", {"greater than the friction angle for silt for layer ", layer, "."});
    }
    out->Write("(A)", {"Problem:  The angle of the ground slope can not be greater "});
    out->Write("(A/)", {cohesionless ? "than the internal friction angle of cohesionless silt."
                                     : "than the internal friction angle of silt."});
    out->Write("(A)", {"Solution:  Set the value for slope angle to be less than "});
    if (cohesionless) {
      out->Write("(A/)", {"the angle of friction."});
    } else {
      out->Write("(A)", {"the angle of friction or convert the layer into an equivalent"});
      out->Write("(A/)", {"strength clay layer."});
    }
  }
}

void LoessCycles(const ErrorValues& values, RecordWriter& report) {
  report.Write("(//A/)", {ErrorHeading(ErrorId::kLoessCycles)});
  report.Write("(A,I0,A,F12.1)",
               {"PROBLEM: Soil layer ", ErrorInteger(values, "layer"),
                " is a loess and the input value for the number of cycles of loading = ",
                ErrorNumber(values, "number of cycles of loading")});
  report.Write("(A)",
               {"This value is greater than 10. The soil model for loess is valid only for 1 to "
                "10 cycles of loading. "});
  report.Write("(A/)", {"SOLUTION: Revise the input data so that the number of cycles of "
                        "loading is in the range of 1 to 10."});
}

// A pile station below the deepest point of a column of the soil data.
void AverageStrengthBeyondData(const ErrorValues& values, RecordWriter& report,
                               RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kAverageStrengthBeyondData)});
    out->Write("(A)", {"An error was detected that is related to an incompatibility"});
    out->Write("(A)", {"between the input data defining the embedment of the pile and"});
    out->Write("(A/)", {"the maximum depth of the soil shear strength data."});
    out->Write("(A,E12.4)", {"The value for a pile station depth is ",
                             ErrorNumber(values, "pile station depth")});
    out->Write("(A)", {"This depth is below the deepest extent of the input data for"});
    out->Write("(A/)", {"soil shear strength versus depth."});
    out->Write("(A)", {"Solution:"});
    out->Write("(A)", {"Please revise the input data by either extending the maximum"});
    out->Write("(A)", {"depth for soil shear strength or shorten the pile to correct"});
    out->Write("(A/)", {"this problem."});
  }
}

// The friction angle and RQD columns share their opening and differ in the
// quantity named.
void ColumnBeyondData(ErrorId id, const ErrorValues& values, RecordWriter& report,
                      RecordWriter& message) {
  const bool friction = id == ErrorId::kFrictionBeyondData;
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(A/)", {ErrorHeading(id)});
    out->Write("(A)", {"An error was detected that is related to an incompatibility"});
    out->Write("(A)", {"between the input data defining the embedment of the pile and"});
    out->Write("(A,E12.4)", {"Problem:  The value for a pile station depth is ",
                             ErrorNumber(values, "pile station depth")});
    out->Write("(A)", {"This depth is below the deepest extent of the input data for"});
    if (friction) {
      out->Write("(A/)", {"soil friction angle versus depth."});
      out->Write("(A)", {"Solution:  Please revise the input data by either extending "});
      out->Write("(A)", {"the maximum depth for soil friction angle or shorten the "});
      out->Write("(A)", {"pile to correct this problem."});
    } else {
      out->Write("(A/)", {"RQD versus depth."});
      out->Write("(A)", {"Solution:  Revise the input data by either extending the "});
      out->Write("(A)", {"maximum depth for RQD or shorten the pile to correct this "});
      out->Write("(A)", {"problem."});
    }
  }
}

void StrengthBeyondData(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kStrengthBeyondData)});
    out->Write("(A)", {"An error was detected that is related to an incompatibility"});
    out->Write("(A)", {"between the input data defining pile embedment depth and soil "});
    out->Write("(A/)", {"shear strength values versus depth."});
    out->Write("(A,E12.4)", {"Problem:  The value for a pile station depth is ",
                             ErrorNumber(values, "pile station depth")});
    out->Write("(A)", {"This depth is below the deepest extent of the input curve for"});
    out->Write("(A,F10.3/)",
               {"soil shear strength versus depth at ", ErrorNumber(values, "deepest strength")});
    out->Write("(A)", {"Solution:  Please revise the input data by either extending "});
    out->Write("(A)", {"the maximum depth for soil shear strength or shorten the "});
    out->Write("(A)", {"pile to be wholly within the defined soil layers."});
  }
}

void UnitWeightBeyondData(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kUnitWeightBeyondData)});
    out->Write("(A)", {"An error was detected related to an incompatibility between "});
    out->Write("(A)", {"the data defining pile embedment depth and effective unit "});
    out->Write("(A/)", {"weights versus depth."});
    out->Write("(A,E12.4)", {"The value for a pile station depth is ",
                             ErrorNumber(values, "pile station depth")});
    out->Write("(A)", {"This depth is below the deepest extent of the input curve for"});
    out->Write("(A/)", {"effective unit weight versus depth."});
    out->Write("(A)", {"Solution:"});
    out->Write("(A)", {"Please revise the input data by either extending the maximum"});
    out->Write("(A)", {"depth for effective unit weight or shorten the length of pile"});
    out->Write("(A)", {"to be within the range of defined soil properties."});
  }
}

void RqdOutOfRange(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kRqdOutOfRange)});
    out->Write("(A)",
               {"Problem:  The interpolated value of RQD used for p-y curves in weak rock "});
    out->Write("(A)",
               {"was found to be invalid because it was either less than zero or more than "});
    out->Write("(A/)", {"100 percent."});
    out->Write("(A/)", {"Solution:  Check your input data and revise in the data for RQD."});
    out->Write("(A,E12.4,A)",
               {"The interpolated value of RQD = ", ErrorNumber(values, "RQD"), " %"});
  }
}

void ZeroLayerThickness(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kZeroLayerThickness)});
    out->Write("(A)",
               {"An error was found in the strength of soil input data when interpolating "});
    out->Write("(A/)", {"to obtain values of cohesion or uniaxial compressive strength."});
    out->Write("(A)",
               {"Problem:  The depth increment between the upper and lower soil depths in a "});
    out->Write("(A,F10.3/)",
               {"layer is zero.  The depth of computation is ", ErrorNumber(values, "depth")});
    out->Write("(A)", {"Solution:  Examine the program output file to find the depth in question"});
    out->Write("(A)", {"and correct the soil layer depth values. "});
  }
}

// No two layers meet at a node the profile marks as an interface: the trace
// of the search, to the report only.
void InterfaceNotFound(const ErrorValues& values, RecordWriter& report) {
  const int above = ErrorInteger(values, "layer above");
  report.Write("(/)");
  report.Write("(A)", {"Internal error in function C (undrained shear strength)"});
  report.Write("(A)", {"The layer interface cannot be located"});
  report.Write("(A/)", {"Please contact Corvane for support"});
  report.Write("(A,E16.8)", {"Elevation             = ", ErrorNumber(values, "elevation")});
  report.Write("(2A)", {"b_AtInterface         = ", Flag(true)});
  report.Write("(2A)", {"b_InMiddle            = ", Flag(false)});
  report.Write("(2A)", {"b_AtTip               = ", ErrorTextOf(values, "at pile tip")});
  report.Write("(2A)", {"b_AtNode              = ", Flag(true)});
  report.Write("(A,I0)", {"Layer index above     = ", above});
  report.Write("(A,I0)", {"Layer index below     = ", above + 1});
  report.Write("(A,E16.8)", {"DABS(X-XLayerBottom(KTOP))    = ",
                             ErrorNumber(values, "distance to the bottom of the layer above")});
  report.Write("(A,E16.8)", {"DABS(X-XLayerTop(KBOT))    = ",
                             ErrorNumber(values, "distance to the top of the layer below")});
}

// A pair of soil types at a layer interface that the strength rule does not
// cover: the trace of the rule's inputs, to the report only.
void InterfaceSoilPair(const ErrorValues& values, RecordWriter& report) {
  report.Write("(/)");
  report.Write("(A/)", {ErrorHeading(ErrorId::kInterfaceSoilPair)});
  report.Write("(2A/)", {"Error in fn_c, please report by email to ", kSupportEmail});
  report.Write("(A,E16.8)", {" X value for f(c) = ", ErrorNumber(values, "depth")});
  report.Write("(A)", {" Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)"});
  report.Write("(A,I0)", {" Soil type above        = ", ErrorInteger(values, "soil type above")});
  report.Write("(A,I0)", {" Soil type below        = ", ErrorInteger(values, "soil type below")});
  report.Write("(A,I0)", {" cohesionless           = ", 2});
  report.Write("(A,I0)", {" cohesive               = ", 1});
  report.Write("(A,I0,A)", {" JBOT index             = ", ErrorInteger(values, "profile row"),
                            " = index number of strength value below depth in question"});
  report.Write("(3A)", {" At tip condition       = ", ErrorTextOf(values, "at pile tip"),
                        ", T = true, F = false"});
  report.Write("(A,I0)",
               {" KSOIL(JBOT/2)          = ", ErrorInteger(values, "criterion code above")});
  report.Write("(A,I0)",
               {" KSOIL(JBOT/2+1)        = ", ErrorInteger(values, "criterion code below")});
}

// A depth of a printed p-y curve above the ground surface.
void PrintedCurveAboveGround(const ErrorValues& values, RecordWriter& report,
                             RecordWriter& message) {
  const std::string depth_unit = LengthLabel(values, "depth");
  const std::string ground_unit = LengthLabel(values, "ground surface");
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(A/)", {ErrorHeading(ErrorId::kPrintedCurveAboveGround)});
    w->Write("(A,I0)", {"p-y curves cannot be generated at depth number ",
                        ErrorInteger(values, "depth number")});
    w->Write("(A,F9.3,1X,A,A)", {"This location is ", ErrorNumber(values, "depth"),
                                 depth_unit.substr(0, 1), " below the pile head and "});
    w->Write("(A/)", {"is above the ground surface for this problem."});
    w->Write("(A,F9.3,1X,A,A/)", {"The ground surface is ", ErrorNumber(values, "ground surface"),
                                  ground_unit, " below the top of the pile."});
  }
}

}  // namespace

bool WriteSoilErrorText(ErrorId id, const ErrorValues& values, RecordWriter& report,
                        RecordWriter& message) {
  switch (id) {
    case ErrorId::kSoftClayZeroCohesion:
    case ErrorId::kSoftClayJZeroCohesion:
      SoftClayZeroCohesion(id, values, report, message);
      return true;
    case ErrorId::kStiffClayZeroCohesion:
    case ErrorId::kStiffClayFreeWaterZeroCohesion:
      StiffClayZeroCohesion(id, values, report, message);
      return true;
    case ErrorId::kStiffClayMissingValue:
      MissingGeneralValue(values, report, message);
      return true;
    case ErrorId::kSoftClayModulusNaN:
    case ErrorId::kSoftClaySmallModulusNaN:
      ModulusNotANumber(id, values, "soft clay", report, message);
      return true;
    case ErrorId::kSoftClayJModulusNaN:
    case ErrorId::kSoftClayJSmallModulusNaN:
      ModulusNotANumber(id, values, "API soft clay", report, message);
      return true;
    case ErrorId::kReeseSandModulusNaN:
    case ErrorId::kReeseSandSmallModulusNaN:
      ModulusNotANumber(id, values, "Reese Sand", report, message);
      return true;
    case ErrorId::kNoDefaultSandK:
      NoDefaultSandK(report, message);
      return true;
    case ErrorId::kApiSandSlopeBeyondFriction:
    case ErrorId::kReeseSandSlopeBeyondFriction:
      SandSlopeBeyondFriction(id, values, report, message);
      return true;
    case ErrorId::kReeseSandZeroFriction:
      ReeseSandZeroFriction(message);
      return true;
    case ErrorId::kApiSandZeroFriction:
      ApiSandZeroFriction(values, message);
      return true;
    case ErrorId::kRockLayerWithoutThickness:
      RockLayerWithoutThickness(values, report);
      return true;
    case ErrorId::kRockStrengthNotPositive:
      RockStrengthNotPositive(values, message);
      return true;
    case ErrorId::kRockModulusNotPositive:
      RockModulusNotPositive(values, report, message);
      return true;
    case ErrorId::kMassiveRockWithoutValues:
      MassiveRockWithoutValues(values, report, message);
      return true;
    case ErrorId::kWeakRockZeroStrength:
      WeakRockZeroStrength(message);
      return true;
    case ErrorId::kKrmNotPositive:
    case ErrorId::kWeakRockKrmNotPositive:
      KrmNotPositive(id, values, message);
      return true;
    case ErrorId::kSiltZeroCohesion:
      SiltZeroCohesion(values, report, message);
      return true;
    case ErrorId::kSiltZeroFriction:
      SiltZeroFriction(report, message);
      return true;
    case ErrorId::kCohesionlessSiltSlopeBeyondFriction:
    case ErrorId::kSiltSlopeBeyondFriction:
      SiltSlopeBeyondFriction(id, values, report, message);
      return true;
    case ErrorId::kLoessCycles:
      LoessCycles(values, report);
      return true;
    case ErrorId::kAverageStrengthBeyondData:
      AverageStrengthBeyondData(values, report, message);
      return true;
    case ErrorId::kFrictionBeyondData:
    case ErrorId::kRqdBeyondData:
      ColumnBeyondData(id, values, report, message);
      return true;
    case ErrorId::kStrengthBeyondData:
      StrengthBeyondData(values, report, message);
      return true;
    case ErrorId::kUnitWeightBeyondData:
      UnitWeightBeyondData(values, report, message);
      return true;
    case ErrorId::kRqdOutOfRange:
      RqdOutOfRange(values, report, message);
      return true;
    case ErrorId::kZeroLayerThickness:
      ZeroLayerThickness(values, report, message);
      return true;
    case ErrorId::kInterfaceNotFound:
      InterfaceNotFound(values, report);
      return true;
    case ErrorId::kInterfaceSoilPair:
      InterfaceSoilPair(values, report);
      return true;
    case ErrorId::kPrintedCurveAboveGround:
      PrintedCurveAboveGround(values, report, message);
      return true;
    default:
      return false;
  }
}

}  // namespace tarvex
