// The texts of the errors of section analysis, of the pile analysis and its
// iteration, and of the run itself. Each is made from the values the error
// was raised with: the numbers as the stage printed them, and text values
// for the words that vary (bars or strands, the result that is not finite).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/units.hpp"
#include "format/error_text_parts.hpp"

namespace tarvex {
namespace {

constexpr std::string_view kIndent = "          ";

std::string_view Trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The unit of value `name`, as the error was raised with it.
std::string_view UnitOf(const ErrorValues& values, std::string_view name) {
  for (const DiagnosticValue& v : values) {
    if (v.name == name) return v.unit;
  }
  return {};
}

// The report's label, padded to its width, of the unit of value `name`: the
// values keep the unit without the padding of the report's column.
std::string_view Label(const ErrorValues& values, std::string_view name,
                       std::string_view UnitLabels::*field) {
  const std::string_view unit = UnitOf(values, name);
  for (UnitSystem u : {UnitSystem::kUscs, UnitSystem::kSi, UnitSystem::kGeneral}) {
    const std::string_view label = LabelsFor(u).*field;
    if (Trimmed(label) == unit) return label;
  }
  return unit;
}

bool TextIs(const ErrorValues& values, std::string_view name, std::string_view text) {
  return HasErrorValue(values, name) && ErrorTextOf(values, name) == text;
}

// The force label of the section's capacity lines, 8 characters.
const char* SectionForceLabel(const ErrorValues& values) {
  return TextIs(values, "units", "SI") ? " kN     " : " kips   ";
}

std::string SectionName(const ErrorValues& values) {
  return "Section " + std::to_string(ErrorInteger(values, "section"));
}

// "bars" or "strands": the reinforcement of a prestressed section is strands.
const std::string& Reinforcement(const ErrorValues& values) {
  return ErrorTextOf(values, "reinforcement");
}

// The blocks of the section's input errors, alike in both files: heading,
// problem lines, solution.
void WriteSectionInputError(ErrorId id, const std::vector<std::string>& problem,
                            const char* solution, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(//A/)", {ErrorHeading(id)});
    bool first = true;
    for (const std::string& line : problem) {
      out->Write("(A,A)", {first ? "PROBLEM:  " : kIndent, line});
      first = false;
    }
    out->Write("(/A,A/)", {"SOLUTION: ", solution});
  }
}

void WriteSectionNotAnalysable(const ErrorValues& values, RecordWriter& report,
                               RecordWriter& message) {
  const std::string name = SectionName(values);
  const ErrorId id = ErrorId::kSectionNotAnalysable;
  if (TextIs(values, "section type", "micropile")) {
    WriteSectionInputError(id,
                           {name + " is a micropile, which has no cross-section dimensions or "
                                   "materials:",
                            "its bending stiffness cannot be computed."},
                           "Describe the micropile as a steel pipe, a drilled shaft or a pile with "
                           "user-defined nonlinear EI.",
                           report, message);
  } else if (TextIs(values, "units", "general")) {
    WriteSectionInputError(id,
                           {name + " cannot be analysed in general units: the concrete, steel and "
                                   "strand laws",
                            "hold constants in ksi."},
                           "Use US customary or SI units, or describe the section as elastic or "
                           "with user-defined nonlinear EI.",
                           report, message);
  } else {
    WriteSectionInputError(
        id, {name + " cannot be analysed: " + ErrorTextOf(values, "reason") + "."},
        "Correct the dimensions and material values of the section.", report, message);
  }
}

// Why the bars or strands of a section could not be placed.
std::string RefusalText(const ErrorValues& values) {
  const std::string& refusal = ErrorTextOf(values, "refusal");
  const std::string what = Reinforcement(values) == "strands" ? "strand" : "bar";
  if (refusal == "section smaller than steel") {
    return "the section diameter is smaller than the " + what + " diameter.";
  }
  if (refusal == "cover not positive") {
    return "the concrete cover over the " + what + "s is zero or negative.";
  }
  if (refusal == "groups out of range")
    return "the number of " + what + " groups is not from 1 to 300.";
  if (refusal == "empty group") return "a group holds no " + what + ".";
  return "the " + what + " centres, at (section width - " + what +
         " diameter)/2 - cover from the centre, leave no room.";
}

void WriteBarOutsideSection(const ErrorValues& values, RecordWriter& report,
                            RecordWriter& message) {
  const bool strand = HasErrorValue(values, "Strand number");
  const std::string kind = strand ? "Strand " : "Bar ";
  const int bar = ErrorInteger(values, strand ? "Strand number" : "Bar number");
  WriteSectionInputError(
      ErrorId::kBarOutsideSection,
      {kind + std::to_string(bar) + " of " + SectionName(values) +
           " reaches outside the section: its centre is at y = " +
           FormatFixed(ErrorNumber(values, "centre y"), 0, 4) + " and its diameter is " +
           FormatFixed(ErrorNumber(values, "diameter"), 0, 4) + ",",
       "while the section extends from y = " +
           FormatFixed(ErrorNumber(values, "section bottom y"), 0, 4) +
           " to y = " + FormatFixed(ErrorNumber(values, "section top y"), 0, 4) + "."},
      "Correct the position of the bar or strand, the cover or the rebar offset.", report, message);
}

void WriteSteelDoesNotFit(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  const std::string& kind = Reinforcement(values);
  const std::string name = SectionName(values);
  if (!HasErrorValue(values, "first bar")) {
    // The steel's area beyond the concrete it lies in.
    std::string area = " ";  // appended, not " " + unit: GCC 12 at -O3 warns on that falsely
    area += UnitOf(values, "steel area");
    const int decimals = UnitOf(values, "steel area") == "sq. m" ? 6 : 3;
    const double steel = ErrorNumber(values, "steel area");
    const double gross = ErrorNumber(values, "gross area");
    WriteSectionInputError(
        ErrorId::kSteelDoesNotFit,
        {"The " + kind + " of " + name + " do not fit in it: their area, " +
             FormatFixed(steel, 0, decimals) + area + ", is more than the " +
             FormatFixed(ErrorNumber(values, "concrete area"), 0, decimals) + area + " of concrete",
         "they lie in (" + FormatFixed(100.0 * steel / gross, 0, 1) +
             " % of the gross area of the section, " + FormatFixed(gross, 0, decimals) + area +
             ")."},
        "Check the number of bars or strands, their area and the size of the section.", report,
        message);
    return;
  }
  // Two bars or strands that overlap at the given cover.
  std::string length = " ";
  length += UnitOf(values, "centre distance");
  const int decimals = UnitOf(values, "centre distance") == "m" ? 6 : 3;
  const std::string what = kind == "strands" ? "Strands " : "Bars ";
  WriteSectionInputError(
      ErrorId::kSteelDoesNotFit,
      {"The " + kind + " of " + name + " do not fit at the given cover: " + what +
           std::to_string(ErrorInteger(values, "first bar")) + " and " +
           std::to_string(ErrorInteger(values, "second bar")) + " of the " +
           std::to_string(ErrorInteger(values, "number of bars or strands")) + " overlap,",
       "their centres being " +
           FormatFixed(ErrorNumber(values, "centre distance"), 0, decimals + 1) + length +
           " apart and their diameter " +
           FormatFixed(ErrorNumber(values, "diameter"), 0, decimals + 1) + length + "."},
      "Check the number of bars or strands, their diameter, the cover and the size of the "
      "section.",
      report, message);
}

void WritePrestressAreaError(ErrorId id, const ErrorValues& values, RecordWriter& report,
                             RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(//A/)", {ErrorHeading(id)});
    out->Write("(A)", {"An error occurred in prestressing computations"});
    out->Write("(A,F15.5)", {id == ErrorId::kConcreteAreaNegative
                                 ? "The computed area of concrete in the section is less "
                                   "than 0.0 = "
                                 : "The computed area of steel in the section is less than "
                                   "0.0 = ",
                             ErrorNumber(values, "area")});
  }
}

// Errors 24 to 27: the thrust of a load case beyond the section's axial
// capacity in compression or tension.
void WriteThrustCapacityError(ErrorId id, const ErrorValues& values, RecordWriter& report,
                              RecordWriter& message) {
  const bool compression =
      id == ErrorId::kThrustOverCompression || id == ErrorId::kLrfdThrustOverCompression;
  const bool lrfd_text = id != ErrorId::kThrustOverCompression;
  const bool factored =
      id == ErrorId::kLrfdThrustOverCompression || id == ErrorId::kLrfdThrustOverTension;
  const char* force = SectionForceLabel(values);
  const char* load = factored      ? "          Factored axial thrust load     = "
                     : compression ? "          Axial thrust load                  = "
                                   : "          Axial thrust load              = ";
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(//A/)", {ErrorHeading(id)});
    out->Write("(A,I0,A)", {lrfd_text ? "PROBLEM:  The axial thrust load for LRFD load case no. "
                                      : "PROBLEM:  The axial thrust load for load case no. ",
                            ErrorInteger(values, "load case"),
                            compression ? " exceeds the axial structural capacity in compression."
                                        : " exceeds the axial structural capacity in tension."});
    out->Write("(A,F15.3,A)", {load, ErrorNumber(values, "axial thrust"), force});
    out->Write("(A,F15.3,A/)", {compression ? "          Nominal axial compressive capacity = "
                                            : "          Nominal axial tensile capacity = ",
                                ErrorNumber(values, "capacity"), force});
    out->Write("(A/)", {"SOLUTION: Change the properties of the section to increase the axial "
                        "structural capacity."});
  }
}

// Error 45 of a stiffness-only run: every thrust lies beyond a capacity.
void WriteNoThrustInRange(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  const char* force = SectionForceLabel(values);
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(//A/)", {ErrorHeading(ErrorId::kNoThrustInRange)});
    out->Write("(A,I0,A)",
               {"PROBLEM:  No axial thrust of the input lies within the axial structural "
                "capacities of section ",
                ErrorInteger(values, "section"), ":"});
    out->Write("(A)", {"          its bending stiffness would be computed for no thrust at all."});
    for (int t = 1; HasErrorValue(values, "axial thrust load " + std::to_string(t)); ++t) {
      out->Write("(A,I3,A,F15.3,A)",
                 {"          Axial thrust load", t, "               = ",
                  ErrorNumber(values, "axial thrust load " + std::to_string(t)), force});
    }
    out->Write("(A,F15.3,A)", {"          Nominal axial compressive capacity = ",
                               ErrorNumber(values, "compressive capacity"), force});
    out->Write("(A,F15.3,A/)", {"          Nominal axial tensile capacity     = ",
                                ErrorNumber(values, "tensile capacity"), force});
    out->Write("(A)", {"SOLUTION: Give axial thrusts between the two capacities, or change the "
                       "properties of the"});
    out->Write("(A/)", {"          section to increase its axial structural capacity."});
  }
}

// Error 28 found by the iteration, in the report only: which of the values
// it tests first was not a finite number.
void WriteIterationNotFinite(const ErrorValues& values, RecordWriter& report) {
  const int it = ErrorInteger(values, "iteration");
  const std::string& result = ErrorTextOf(values, "result");
  report.Write("(A/)", {ErrorHeading(ErrorId::kNotFinite)});
  if (result == "top deflection or maximum change in deflection") {
    report.Write("(A,I0)", {"Either top deflection or maximum change in deflection is not a number "
                            "after iteration ",
                            it});
  } else if (result == "deflection") {
    report.Write("(A,I0,A,I0)", {"Deflection at node ", ErrorInteger(values, "node"),
                                 " is not a finite number after iteration ", it});
  } else {
    std::string line = result + " is " + ErrorTextOf(values, "state") + " after iteration ";
    if (!line.empty() && line[0] >= 'a' && line[0] <= 'z')
      line[0] = static_cast<char>(line[0] - 32);
    report.Write("(A,I0)", {line, it});
  }
}

// Error 28 for a result that is not a finite number, in both files: where it
// arose and what to check.
void WriteResultNotFinite(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  const std::string& result = ErrorTextOf(values, "result");
  constexpr const char* kCheckSection =
      "Check the dimensions and material values of the section for their sizes and units.";
  constexpr const char* kCheckInput =
      "Check the input values of the pile, the soil and the loading for their sizes and units.";
  std::array<std::string, 2> lines;
  if (result == "bending stiffness values" || result == "section properties" ||
      result == "moment-curvature values") {
    std::string what = result == "section properties"
                           ? "properties computed from the dimensions and materials"
                           : result;
    if (HasErrorValue(values, "axial thrust number")) {
      what += " for axial thrust " + std::to_string(ErrorInteger(values, "axial thrust number"));
    }
    lines = {"The " + what + " of " + SectionName(values) + " are not finite numbers.",
             kCheckSection};
  } else if (result == "pile response") {
    std::string where;
    if (HasErrorValue(values, "node")) {
      where = " at node " + std::to_string(ErrorInteger(values, "node"));
    }
    lines = {"The response of the pile for load case " +
                 std::to_string(ErrorInteger(values, "load case")) + " is not a finite number" +
                 where + ".",
             kCheckInput};
  } else if (result == "pile-length study") {
    lines = {"The pile-length study of load case " +
                 std::to_string(ErrorInteger(values, "load case")) +
                 " gave a value that is not a finite number.",
             kCheckInput};
  } else if (result == "pile-head stiffness study") {
    lines = {
        "The pile-head stiffness study gave a stiffness that is not a finite number: the "
        "pile head did not move under a study load.",
        kCheckInput};
  } else {
    lines = {"A computed value written to the " + ErrorTextOf(values, "file") +
                 " is not a finite number (NaN or Infinity).",
             "The results of this analysis cannot be used.  Check the input values for their "
             "sizes and units."};
  }
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(ErrorId::kNotFinite)});
    for (const std::string& line : lines) w->Write("(A)", {line});
    w->Write("()");
  }
}

void WriteSmallPivot(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* out : {&report, &message}) {
    out->Write("(A/)", {ErrorHeading(ErrorId::kSmallPivot)});
    out->Write("(A)", {"Problem:  Solution failed due to small pivot value."});
    out->Write("(A,I0)", {"          Node number = ", ErrorInteger(values, "node")});
    out->Write("(A,E12.5/)", {"          Pivot value = ", ErrorNumber(values, "pivot")});
    out->Write("(A)", {"Solution: This error usually occurs when a lateral bearing capacity "
                       "failure occurs.  "});
    out->Write("(A)", {"          Reduce the load on the pile and repeat the analysis."});
    out->Write("(A)", {"          You may also consider increasing pile diameter or pile length."});
  }
}

// The ground surface below the tip of the pile: no soil supports it.
void WritePileAboveGround(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(ErrorId::kPileAboveGround)});
    w->Write("(A,E12.4,A)",
             {"Problem:  The ground surface lies ", ErrorNumber(values, "ground surface"),
              " below the pile head, below the tip of the pile,"});
    w->Write("(A/)", {"          so that no soil supports the pile."});
    w->Write("(A/)", {"Solution:  Check the depths of the soil layers and the length of the "
                      "pile."});
  }
}

// Error 9: the two files take the same sentences with their own spacing.
void WriteExcessDeflection(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  const double y = ErrorNumber(values, "head deflection");
  const double limit = ErrorNumber(values, "excess deflection limit");
  const std::string_view unit = Label(values, "head deflection", &UnitLabels::length);
  const std::string_view limit_unit = Label(values, "excess deflection limit", &UnitLabels::length);
  const char* kHeading = "An error in the analysis was detected by the program.  ";
  const char* kProblem =
      "Problem:  The computed deflection is larger than the specified excess deflection limit.";
  const char* kCause = "This error may be due to overloading the pile or bad input data.";
  const char* kCheck =
      "Please check input values for pile loading and soil properties for accuracy and/or ";
  const char* kIncrease = "increase the size of the pile if necessary.";
  RecordWriter& r = report;
  r.Write("(//A/)", {ErrorHeading(ErrorId::kExcessDeflection)});
  r.Write("(A/)", {kHeading});
  r.Write("(A/)", {kProblem});
  r.Write("(A,E12.4,1X,A/)", {"The computed deflection of the pile head is ", y, unit});
  r.Write("(A,E12.4,1X,A/)", {"The specified excess deflection limit is    ", limit, limit_unit});
  r.Write("(A//)", {kCause});
  r.Write("(A/)", {"Solution:"});
  r.Write("(A)", {kCheck});
  r.Write("(A)", {kIncrease});
  RecordWriter& m = message;
  m.Write("(//A/)", {ErrorHeading(ErrorId::kExcessDeflection)});
  m.Write("(A/)", {kHeading});
  m.Write("(A/)", {kProblem});
  m.Write("(A,E12.4,1X,A)", {"The computed deflection of the pile head is ", y, unit});
  m.Write("(A,E12.4,1X,A/)", {"The specified excess deflection limit is    ", limit, limit_unit});
  m.Write("(A/)", {kCause});
  m.Write("(A)", {"Solution:"});
  m.Write("(A)", {kCheck});
  m.Write("(A)", {kIncrease});
}

void WriteUnstable(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  const std::string_view force = Label(values, "axial load", &UnitLabels::force);
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(ErrorId::kUnstable)});
    w->Write("(A,I0,A)", {"Problem:  Load case ", ErrorInteger(values, "load case"),
                          " has no stable equilibrium."});
    w->Write("(A,E12.4,1X,A,A)", {"          Its axial load of ", ErrorNumber(values, "axial load"),
                                  force, " exceeds the buckling load of the pile"});
    w->Write("(A)", {"          in this soil, or overturns the pile: pile and soil lose their "
                     "lateral"});
    w->Write("(A/)", {"          stiffness under it, and the deflections found are no result."});
    w->Write("(A)", {"Solution: Reduce the axial load, or use a stiffer or longer pile (a deeper"});
    w->Write("(A)", {"          embedment for a short pile); check the soil properties and their "
                     "units."});
  }
}

// Error 10, in the report only.
void WriteNoConvergence(const ErrorValues& values, RecordWriter& report) {
  RecordWriter& r = report;
  r.Write("(//A/)", {ErrorHeading(ErrorId::kNoConvergence)});
  r.Write("(A,I0,A/)", {"The analysis failed to converge within the limit of ",
                        ErrorInteger(values, "iteration limit"), " iterations."});
  r.Write("(A,E10.3,1X,A)", {"Maximum change in deflection    = ",
                             ErrorNumber(values, "maximum change in deflection"),
                             Label(values, "maximum change in deflection", &UnitLabels::length)});
  r.Write("(A,E10.3,1X,A/)",
          {"Specified convergence tolerance = ", ErrorNumber(values, "convergence tolerance"),
           Label(values, "convergence tolerance", &UnitLabels::length)});
}

// Error 29: a soil layer that no node of the pile lies in.
void WriteLayerWithoutNode(const ErrorValues& values, RecordWriter& report, RecordWriter& message) {
  const int layer = ErrorInteger(values, "layer");
  for (RecordWriter* w : {&report, &message}) {
    const bool in_report = w == &report;
    w->Write("(//A/)", {ErrorHeading(ErrorId::kLayerWithoutNode)});
    w->Write("(A,I0,A)", {"PROBLEM:  The thickness of layer ", layer,
                          " was too thin to contain a nodal point."});
    w->Write("(A)", {"          This layer lacks a nodal point and this prevents the correct "
                     "computation of the layer's p-y curves. "});
    w->Write(
        "(A,I0,A,F9.3,1X,A,A,F9.3,1X,A)",
        {"          The thickness of layer ", layer, " is ", ErrorNumber(values, "layer thickness"),
         Label(values, "layer thickness", &UnitLabels::length2),
         " and the pile increment length is ", ErrorNumber(values, "pile increment length"),
         Label(values, "pile increment length", &UnitLabels::length2)});
    w->Write("(A,I0,A)", {"          The current number of pile increments is ",
                          ErrorInteger(values, "pile increments"), "."});
    w->Write(in_report ? "(A,I0,A/)" : "(A,I0,A)",
             {"          The estimated minimum number of increments needed to get at least "
              "one nodal point in the layer is ",
              static_cast<long long>(ErrorNumber(values, "increments needed")), "."});
    w->Write("(A)", {"SOLUTION: Increase the number of pile increments. Up to 500 pile "
                     "increments are allowed in Tarvex."});
    w->Write("(A)", {"          If this error occurs with the maximum number of pile "
                     "increments, you will need to combine the thinnest"});
    w->Write("(A//)", {"          soil layer with an adjacent layer."});
  }
}

}  // namespace

bool WriteAnalysisErrorText(ErrorId id, const ErrorValues& values, RecordWriter& report,
                            RecordWriter& message) {
  switch (id) {
    case ErrorId::kSectionNotAnalysable:
      WriteSectionNotAnalysable(values, report, message);
      return true;
    case ErrorId::kSteelPlacementRefused:
      WriteSectionInputError(id,
                             {"The " + Reinforcement(values) + " of " + SectionName(values) +
                              " cannot be placed: " + RefusalText(values)},
                             "Check the section size, the bar or strand diameter, the cover and "
                             "the number of bars or strands.",
                             report, message);
      return true;
    case ErrorId::kBarOutsideSection:
      WriteBarOutsideSection(values, report, message);
      return true;
    case ErrorId::kSteelDoesNotFit:
      WriteSteelDoesNotFit(values, report, message);
      return true;
    case ErrorId::kConcreteAreaNegative:
    case ErrorId::kSteelAreaNegative:
      WritePrestressAreaError(id, values, report, message);
      return true;
    case ErrorId::kThrustOverCompression:
    case ErrorId::kThrustOverTension:
    case ErrorId::kLrfdThrustOverCompression:
    case ErrorId::kLrfdThrustOverTension:
      WriteThrustCapacityError(id, values, report, message);
      return true;
    case ErrorId::kNoThrustInRange:
      WriteNoThrustInRange(values, report, message);
      return true;
    case ErrorId::kNeutralAxisNotFound:
      report.Write("(A/)", {ErrorHeading(id)});
      report.Write("(A)", {"Location of neutral axis was not found within 1,000 iterations."});
      return true;
    case ErrorId::kNotFinite:
      if (HasErrorValue(values, "iteration")) {
        WriteIterationNotFinite(values, report);
      } else {
        WriteResultNotFinite(values, report, message);
      }
      return true;
    case ErrorId::kSmallPivot:
      WriteSmallPivot(values, report, message);
      return true;
    case ErrorId::kPileAboveGround:
      WritePileAboveGround(values, report, message);
      return true;
    case ErrorId::kExcessDeflection:
      WriteExcessDeflection(values, report, message);
      return true;
    case ErrorId::kUnstable:
      WriteUnstable(values, report, message);
      return true;
    case ErrorId::kNoConvergence:
      WriteNoConvergence(values, report);
      return true;
    case ErrorId::kLayerWithoutNode:
      WriteLayerWithoutNode(values, report, message);
      return true;
    case ErrorId::kInternalError:
      for (RecordWriter* w : {&report, &message}) {
        w->Write("(//A/)", {ErrorHeading(id)});
        w->Write("(A,A)", {"An internal error ended the analysis: ", ErrorTextOf(values, "fault")});
      }
      return true;
    default:
      return false;
  }
}

}  // namespace tarvex
