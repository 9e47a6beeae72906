// The texts of the errors of the input: the input data file as read (its
// lines, values, keywords and sections), the checks of the input as a whole
// that end the echo, and the files of the run (the control file NAMES.DAT and
// the four files it names).
#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/limits.hpp"
#include "core/visible_text.hpp"
#include "format/error_text_parts.hpp"

namespace tarvex {
namespace {

std::string Number(const ErrorValues& v, std::string_view name) {
  return std::to_string(ErrorInteger(v, name));
}

// --- The input data file -------------------------------------------------

// The block of a value or line at fault: where it is (the line of the input
// data file and what is wrong there), the line as read, why when the read
// went on from a line short of values, and the solution.
void WriteLineFault(ErrorId id, const ErrorValues& v, RecordWriter& report, RecordWriter& message) {
  const std::string line = Number(v, "line");
  const std::string where = "Problem:  Line " + line + " of " + ErrorTextOf(v, "input file") + " " +
                            ErrorTextOf(v, "problem") + ".";
  const std::string shown = "          Line " + line + ": " + ErrorTextOf(v, "input line");
  // A row short of values takes the first values of the next line, where
  // the error then shows: the cause names the line above.
  std::string cause;
  if (HasErrorValue(v, "short line")) {
    const std::string first = Number(v, "short line");
    cause = "Cause:    Line " + first + " above holds only " +
            Number(v, "values on the short line") + " of the " + Number(v, "values of the read") +
            " values read for " + ErrorTextOf(v, "read") +
            "; the reading went on to the next line, so a value is missing on line " + first + ".";
  }
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(id)});
    w->Write("(A)", {where});
    if (cause.empty()) {
      w->Write("(A/)", {shown});
    } else {
      w->Write("(A/A/)", {shown, cause});
    }
    w->Write("(A/)", {"Solution:  Correct the input data file at that line."});
  }
}

// The file ends before a line the reading needs.
void WriteEndOfFile(const ErrorValues& v, RecordWriter& report, RecordWriter& message) {
  const std::string problem = "Problem:  " + ErrorTextOf(v, "input file") + " ends after line " +
                              Number(v, "line") + ", before " + ErrorTextOf(v, "expected") +
                              " was read.";
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(ErrorId::kIncompleteInput)});
    w->Write("(A/)", {problem});
    w->Write("(A)", {"Solution:  Complete the input data: every section must hold all its "
                     "lines, and the last"});
    w->Write("(A/)", {"           line of the file must be END."});
  }
}

// What each section that a run can lack gives it.
std::string_view SectionGives(std::string_view keyword, const ErrorValues& v) {
  if (keyword == "OPTIONS") return "the units and the kind of analysis";
  if (keyword == "SECTIONS") return "the pile sections";
  if (keyword == "SOIL LAYERS") return "the soil layers along the pile";
  if (keyword == "LRFD LOADS") return "the unfactored load groups of UseLRFD YES";
  if (keyword == "LRFD FACTORS AND CASES") return "the load combinations of UseLRFD YES";
  if (keyword == "LOADING") {
    return HasErrorValue(v, "pile-head load cases")
               ? "at least one pile-head load case (it holds none)"
               : "the pile-head load cases";
  }
  if (keyword == "AXIAL THRUST LOADS") return "the axial thrusts of the sections";
  if (keyword == "TIP SHEAR") return "the tip shear curve of UseTipShear YES";
  if (keyword == "GROUPEFF") return "the p-y multipliers of UsePYModifiers YES";
  if (keyword == "SOIL MOVEMENTS") return "the soil movements of UseSoilMovement YES";
  return {};
}

// The file ends (at END) without sections the run needs, one line each.
void WriteMissingSections(const ErrorValues& v, RecordWriter& report, RecordWriter& message) {
  const std::string problem = "Problem:  " + ErrorTextOf(v, "input file") + " ends at line " +
                              Number(v, "line") + " without sections that " +
                              ErrorTextOf(v, "needed by") + " needs:";
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(ErrorId::kIncompleteInput)});
    w->Write("(A)", {problem});
    for (const DiagnosticValue& s : v) {
      if (s.name != "missing section") continue;
      w->Write("(10X,A,T36,A)", {s.text, SectionGives(s.text, v)});
    }
    w->Write("(/A)", {"Solution:  Add each section named, its keyword line followed by its "
                      "data, before END."});
    w->Write("()");
  }
}

// Why a line that is no keyword came where a keyword was expected, when
// the title (five lines) is the likely cause: two lines, or none.
void TitleCause(const ErrorValues& v, std::string* first, std::string* second) {
  if (!HasErrorValue(v, "title first line")) return;
  const std::string here = "line " + Number(v, "line number");
  const bool option_line = ErrorTextOf(v, "looks like") == "an OPTIONS line";
  if (HasErrorValue(v, "title line")) {
    // A keyword or an option line was taken as a line of the title.
    const std::string looks = option_line ? here + " looks like an OPTIONS line."
                                          : here + " was read where a keyword should be.";
    *first = "Cause:  TITLE takes five lines; line " + Number(v, "title line number") + " (" +
             ErrorTextOf(v, "title line") + ") was read as title line " +
             Number(v, "title line index") + ", and " + looks;
    *second = "        Give the title five lines (blank lines may fill it).";
  } else if (option_line) {
    *first = "Cause:  " + here + " looks like an OPTIONS line, but the five title lines (lines " +
             Number(v, "title first line") + " to " + Number(v, "title last line") +
             ") are not followed by the keyword line OPTIONS.";
    *second = "        Put the line OPTIONS after the title.";
  } else {
    *first = "Cause:  TITLE takes five lines, lines " + Number(v, "title first line") + " to " +
             Number(v, "title last line") + " here; " + here +
             " after them is no keyword: a sixth title line?";
    *second = "        Give the title five lines, or check the spelling of the keyword.";
  }
}

// A line that is no keyword (or no keyword here). A line holding characters
// that do not show is shown with them spelled out, and said to hold them.
void WriteUnrecognizedLine(const ErrorValues& v, RecordWriter& report, RecordWriter& message) {
  const std::string& line = ErrorTextOf(v, "line");
  const std::string shown = VisibleText(line);
  std::string cause1, cause2;
  TitleCause(v, &cause1, &cause2);
  const bool cause = !cause1.empty();
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {"***** INPUT ERROR *****"});
    w->Write("(A/)", {"The following line is unrecognized or is out-of-order"});
    if (shown == line && !cause) {
      w->Write("(A//)", {line});
    } else if (shown == line) {
      w->Write("(A/)", {line});
    } else {
      w->Write("(A/)", {shown});
      w->Write(!cause ? "(A/A//)" : "(A/A/)",
               {"The line holds characters that print as nothing or as a blank, shown "
                "above as <U+....>",
                "(or <0x..> for a byte that is no character); type the line again."});
    }
    if (cause) w->Write("(A/A//)", {cause1, cause2});
  }
}

// The "INPUT ERROR" line of an option or a keyword line of a section that
// holds none of the words expected, by what was expected there: the line,
// and whether an empty line comes before and after it (report only).
struct UnrecognizedOption {
  std::string_view expected;
  std::string_view line;
  bool blank_before;
  bool blank_after;
};

constexpr UnrecognizedOption kUnrecognizedOptions[] = {
    {"UseLRFD YES or NO", "INPUT ERROR - Unrecognized command for LRFD analysis option", true,
     false},
    {"ComputeKmatrix YES or NO",
     "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option", true,
     false},
    {"UseTipShear YES or NO", "INPUT ERROR - Unrecognized command for tip shear option", true,
     false},
    {"UseSoilMovement YES or NO", "INPUT ERROR - Unrecognized command for soil movement option",
     true, true},
    {"UsePYModifiers YES or NO",
     "INPUT ERROR - Unrecognized command for use of p-y modifiers option", true, false},
    {"ComputeEIOnly YES or NO",
     "INPUT ERROR - Unrecognized command for compute nonlinear EI only option", true, false},
    {"PrintSummaryOnly YES or NO",
     "INPUT ERROR - Unrecognized command for print summary only option", true, false},
    {"PrintPYCurves YES or NO",
     "INPUT ERROR - Unrecognized command for p-y curve output depths option", true, false},
    {"STATIC or CYCLIC", "INPUT ERROR - Unrecognized command for loading type option", false,
     false},
    {"AASHTO, ACI318 or Eurocode2",
     "INPUT ERROR - Unrecognized command for interaction code option", true, false},
    {"ComputeInteraction YES or NO",
     "INPUT ERROR - Unrecognized command for compute interaction option", true, false},
    {"Use default concrete tensile strength or Override concrete tensile strength",
     "INPUT ERROR - Unrecognized command for concrete tensile strength option", true, false},
    {"Use internal stress-strain curve for concrete or Input stress-strain curve for concrete",
     "INPUT ERROR - Unrecognized input for concrete stress-strain option", true, false},
    {"No rebar, Rebar Arrangement Same As Section Above or Rebar Arrangement Not Same As "
     "Section Above",
     "INPUT ERROR - Unrecognized command for rebar continuation from section above option", true,
     false},
    {"Autoposition strands or Manually-positioned strands",
     "INPUT ERROR - Unrecognized input for strand no. ", false, false},
};

// Data that is not what the reader expects there (report only): an option
// line, or a row numbered out of order.
void WriteUnrecognizedData(const ErrorValues& v, RecordWriter& r) {
  if (HasErrorValue(v, "expected line number")) {
    r.Write("()");
    r.Write("(A/)", {"INPUT ERROR - Sequence error encountered when reading concrete "
                     "stress-strain curve"});
    r.Write("(A,I0,A,I0,A//)", {"Expecting line no. ", ErrorInteger(v, "expected line number"),
                                " but line no. ", ErrorInteger(v, "line number"), " was read"});
    return;
  }
  if (HasErrorValue(v, "expected strand number")) {
    r.Write("(A,I0)", {"INPUT ERROR - Input out-of-order for strand no. ",
                       ErrorInteger(v, "expected strand number")});
    return;
  }
  if (HasErrorValue(v, "expected section number")) {
    r.Write("(A/)", {"SECTION DATA OUT-OF-ORDER"});
    r.Write("(A,I0,A,I0,A)",
            {"Expecting section number ", ErrorInteger(v, "expected section number"),
             ", but section number ", ErrorInteger(v, "section number"), " was found"});
    return;
  }
  const std::string& expected = ErrorTextOf(v, "expected");
  const auto* option =
      std::find_if(std::begin(kUnrecognizedOptions), std::end(kUnrecognizedOptions),
                   [&](const UnrecognizedOption& o) { return o.expected == expected; });
  if (option == std::end(kUnrecognizedOptions)) {
    throw std::logic_error("no text for unrecognized data where \"" + expected + "\" was expected");
  }
  if (option->blank_before) r.Write("()");
  r.Write("(A)", {option->line});
  if (option->blank_after) r.Write("()");
}

// The blocks of the LRFD readers (report only): the heading, the lines, and
// an empty line.
void WriteLrfdBlock(ErrorId id, std::initializer_list<std::string> lines, RecordWriter& r) {
  r.Write("(//A/)", {ErrorHeading(id)});
  for (const std::string& line : lines) r.Write("(A)", {line});
  r.Write("(/)");
}

// An iteration limit outside its range (report only).
void WriteIterationLimit(const ErrorValues& v, RecordWriter& r) {
  const int limit = ErrorInteger(v, "iterations limit");
  const bool low = limit < limits::kMinIterations;
  r.Write("(A/)", {ErrorHeading(ErrorId::kInvalidValueStarred)});
  r.Write("(A,I0,A)",
          {"Problem: Input value for iterations limit = ", limit,
           low ? " and is less than 30 iteractions" : " and is more than 1,000 iteractions"});
  r.Write("(A//)", {"Solution:  Correct input value to be between 30 and 1000 iterations."});
}

// A convergence tolerance outside its range: the problem and the advice, in
// the message file and then the report.
void WriteTolerance(ErrorId id, std::string_view problem, std::string_view advice,
                    RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* w : {&message, &report}) {
    w->Write("(/A/)", {ErrorHeading(id)});
    w->Write("(A)", {problem});
    w->Write("(A/)", {advice});
  }
}

void WriteIncrements(ErrorId id, std::string_view problem, std::string_view solution,
                     RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* w : {&message, &report}) {
    w->Write("(A/)", {ErrorHeading(id)});
    w->Write("(A/)", {problem});
    w->Write("(A)", {solution});
  }
}

void WriteFormatRefused(const ErrorValues& v, RecordWriter& report, RecordWriter& message) {
  const std::string& tag = ErrorTextOf(v, "format tag");
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(ErrorId::kInputFormatRefused)});
    if (tag == "TARVEX5") {
      w->Write("(A)", {"Problem:  The input data file is in the older TARVEX5 format, which this "
                       "version does not read."});
    } else if (tag == "3      ") {
      w->Write("(A)", {"Problem:  The input data file holds no data."});
    } else {
      w->Write("(A,A,A)", {"Problem:  The input data file does not begin with the format tag "
                           "TARVEX6; its first word is \"",
                           tag, "\"."});
    }
    w->Write("(/A)", {"Solution:  Only the TARVEX6 input format is read.  The first line of "
                      "the file must"});
    w->Write("(A/)", {"           be TARVEX6, followed by the keyword sections of the input."});
  }
}

// --- The checks of the input as a whole ----------------------------------

// Whole cycles; a number beyond any count (up to 1e30 can be read) is held
// within the integer's range.
long long WholeCycles(double cycles) {
  return static_cast<long long>(std::clamp(cycles, -1e15, 1e15));
}

// A unit as the echo prints it beside a depth: three characters wide.
std::string UnitField(std::string unit) {
  unit.resize(std::max<std::size_t>(unit.size(), 3), ' ');
  return unit;
}

const DiagnosticValue& Value(const ErrorValues& v, std::string_view name) {
  for (const DiagnosticValue& d : v) {
    if (d.name == name) return d;
  }
  throw std::logic_error("an error's text needs the value \"" + std::string(name) +
                         "\", which it was not raised with");
}

// The lines of a failed check of the input below its heading.
void WriteCheckLines(ErrorId id, const ErrorValues& v, RecordWriter& w) {
  switch (id) {
    case ErrorId::kZeroPileWidth:
      w.Write("(A/A//A/A/)", {"Problem:  Zero values for one of the following values were ",
                              "entered for one or more values of pile diameter.",
                              "Solution:  NONE of these values may be zero.  Correct the ",
                              "pile property data in your input data."});
      return;
    case ErrorId::kCyclesOutOfRange:
      w.Write("(A/A//A/A/A,I0)",
              {"Problem:  Cyclic loading type was specified and the number of cycles of loading",
               "are outside the valid range of 2 to 5,000.",
               "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000",
               "or specify static loading.", "Number of cycles of loading = ",
               WholeCycles(ErrorNumber(v, "number of cycles of loading"))});
      return;
    case ErrorId::kTipShearCurve:
      w.Write("(A,I0,A//A)",
              {"Problem:   The input data for shear resistance at the pile tip appears to be in "
               "error at point ",
               ErrorInteger(v, "point"), ".",
               "Solution:  Check that the first point is (0,0) and that the x-values sucessively "
               "increase in deflection and magnitude."});
      return;
    case ErrorId::kPrintDepthBelowTip: {
      const DiagnosticValue& depth = Value(v, "depth");
      w.Write("(A//A//A,I0,A,F7.2,A,A)",
              {"Problem:  Printing of a p-y curve was specified below the pile tip.",
               "Solution:  Specify printing depths only for depths above the pile tip.",
               "Input Point ", ErrorInteger(v, "point"), " at ", depth.value, UnitField(depth.unit),
               " was not printed because it is below the pile tip."});
      return;
    }
    case ErrorId::kPrintDepthAboveGround:
      w.Write("(A/A//A)",
              {"Problem:  A depth above the ground surface was specified for the printing",
               "of a p-y curve.",
               "Solution:  Specify a depth between the ground surface and pile tip."});
      return;
    case ErrorId::kSectionPointCount: {
      const int points = ErrorInteger(v, "pile property points");
      w.Write("(A/A,I10)", {"The number of points to define the pile properties ",
                            "is 2 to 40, not the input value of ", points});
      if (points == 1) {
        w.Write("(A/A/A)",
                {"**** INPUT DATA ERROR ****", "The number of input values for pile diameter = 1 ",
                 "Please add the properties for the tip of the pile."});
      }
      return;
    }
    case ErrorId::kSoilProfileAbovePileTip:
      w.Write("(A,E12.4)", {"Problem: The depth at the bottom of the lowermost soil layer is ",
                            ErrorNumber(v, "lowest soil depth")});
      w.Write("(A,E12.4,A)", {"         This depth is higher than the tip of the pile at ",
                              ErrorNumber(v, "pile tip"), "."});
      w.Write("(A)",
              {"Solution: Increase the depth of the soil profile or shorten the pile length."});
      return;
    case ErrorId::kUnitWeightBelowGround:
      w.Write("(A)", {"The depth of the first point of the data for effective unit"});
      w.Write("(A,F12.4,A)", {"is located at ", ErrorNumber(v, "first unit weight depth"),
                              " below the top of the pile."});
      w.Write("(A,F12.4,A)",
              {"The ground surface is located at ", ErrorNumber(v, "ground surface"), "."});
      w.Write("(A/A)", {"The first point for the effective unit weight should be located",
                        "at the same elevation as the ground surface."});
      return;
    case ErrorId::kSoilProfileBelowGround:
      w.Write("(A,F12.4)", {"Problem:  The first depth of the soil profile is located at ",
                            ErrorNumber(v, "first soil depth")});
      w.Write("(A)", {"          below the top of the pile."});
      w.Write("(A,F12.4,A)", {"          The ground surface is elevation is ",
                              ErrorNumber(v, "ground surface"), "."});
      w.Write("(A/A)", {"Solution: Correct the input data so that the first depth of ",
                        "          the soil profile data is be located at the same elevation as "
                        "the ground surface."});
      return;
    case ErrorId::kMultipliersBelowGround:
      w.Write("(A)", {"Problem:  The depth for the first data for p-multipliers is "});
      w.Write("(A,E12.4,A)", {"          located at ", ErrorNumber(v, "first p-multiplier depth"),
                              " below the top of the pile."});
      w.Write("(A,E12.4,A)", {"          The ground surface is located at ",
                              ErrorNumber(v, "ground surface"), "."});
      w.Write("(A/A/A)", {"Solution:  Correct the input data so that the first depth for ",
                          "          the p-multiplier data is the same as the elevation as the ",
                          "          ground surface."});
      return;
    case ErrorId::kCyclicWithoutCycles:
      w.Write("(A)", {"Loading was specified as cyclic, but the number of cycles of "});
      w.Write("(A,E12.4,A)",
              {"loading was specified as ", ErrorNumber(v, "number of cycles of loading"),
               " (must be 2 or greater)."});
      return;
    default:
      return;
  }
}

bool IsInputCheck(ErrorId id) {
  switch (id) {
    case ErrorId::kZeroPileWidth:
    case ErrorId::kCyclesOutOfRange:
    case ErrorId::kTipShearCurve:
    case ErrorId::kPrintDepthBelowTip:
    case ErrorId::kPrintDepthAboveGround:
    case ErrorId::kSectionPointCount:
    case ErrorId::kSoilProfileAbovePileTip:
    case ErrorId::kUnitWeightBelowGround:
    case ErrorId::kSoilProfileBelowGround:
    case ErrorId::kMultipliersBelowGround:
    case ErrorId::kCyclicWithoutCycles:
      return true;
    default:
      return false;
  }
}

// --- The files of the run ------------------------------------------------

// A file the run cannot use: the file and what is wrong with it, and why.
void WriteUnusableFile(ErrorId id, const ErrorValues& v, RecordWriter& report,
                       RecordWriter& message) {
  const std::string& fault = ErrorTextOf(v, "fault");
  const std::string line1 =
      "The " + ErrorTextOf(v, "file") + " " + fault + ": " + ErrorTextOf(v, "path");
  const std::string line2 = "Reason: " + ErrorTextOf(v, "reason") + ".  " +
                            (fault == "could not be written completely" ? "The file is incomplete."
                                                                        : "No analysis performed.");
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(id)});
    w->Write("(A)", {line1});
    w->Write("(A)", {line2});
  }
}

// The control file NAMES.DAT cannot be read, or a line of it cannot name a
// file: the error's text, and the line that says what is wrong.
void WriteControlFile(ErrorId id, std::string_view text, const std::string& cause,
                      RecordWriter& report, RecordWriter& message) {
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(//A/)", {ErrorHeading(id)});
    w->Write("(A)", {text});
    w->Write("(A)", {cause});
  }
}

// The control file as the cause names it: a relative path with the working
// directory it was read in.
std::string ControlFileName(const ErrorValues& v) {
  const std::string& path = ErrorTextOf(v, "path");
  if (!HasErrorValue(v, "working directory")) return path;
  return path + " in the working directory " + ErrorTextOf(v, "working directory");
}

// What is wrong with a line of the control file that cannot name a file.
std::string CorruptedLineCause(const ErrorValues& v) {
  const std::string line = Number(v, "line");
  if (HasErrorValue(v, "path length")) {
    return "Line " + line + " of NAMES.DAT holds " + Number(v, "path length") +
           " characters; a path may hold at most 256.";
  }
  const std::string& fault = ErrorTextOf(v, "fault");
  if (fault == "byte-order mark") {
    return "NAMES.DAT begins with a byte-order mark (the bytes EF BB BF) before the first path; "
           "write it as plain text without one.";
  }
  if (fault == "carriage return") {
    return "Line " + line +
           " of NAMES.DAT holds a carriage return (CR) inside it: lines must end with LF or CR "
           "LF, not with CR alone.";
  }
  return "Line " + line + " of NAMES.DAT holds a NUL byte.";
}

// A blank line of the control file where a file is named.
void WriteFileNameBlank(const ErrorValues& v, RecordWriter& report, RecordWriter& message) {
  static constexpr const char* kBlank[4] = {
      "Input data filename information corrupted. No analysis performed.",
      "Output filename information is corrupted. No analysis performed.",
      "Plot output filename information is corrupted. No analysis performed.",
      "Run message filename information is corrupted. No analysis performed.",
  };
  const int line = std::clamp(ErrorInteger(v, "line"), 1, 4);
  for (RecordWriter* w : {&report, &message}) {
    w->Write("(A/)", {ErrorHeading(ErrorId::kFileNameBlank)});
    w->Write("(A)", {kBlank[line - 1]});
  }
}

}  // namespace

bool WriteInputErrorText(ErrorId id, const ErrorValues& v, RecordWriter& report,
                         RecordWriter& message) {
  if (IsInputCheck(id)) {
    // The message file takes the block first, then the report.
    for (RecordWriter* w : {&message, &report}) {
      w->Write("(//A/)", {ErrorHeading(id)});
      WriteCheckLines(id, v, *w);
    }
    return true;
  }
  switch (id) {
    case ErrorId::kInvalidValue:
      WriteLineFault(id, v, report, message);
      return true;
    case ErrorId::kIncompleteInput:
      if (HasErrorValue(v, "problem")) {
        WriteLineFault(id, v, report, message);
      } else if (HasErrorValue(v, "missing section")) {
        WriteMissingSections(v, report, message);
      } else {
        WriteEndOfFile(v, report, message);
      }
      return true;
    case ErrorId::kUnrecognizedLine:
      WriteUnrecognizedLine(v, report, message);
      return true;
    case ErrorId::kUnrecognizedData:
      WriteUnrecognizedData(v, report);
      return true;
    case ErrorId::kInvalidValueStarred:
      if (HasErrorValue(v, "iterations limit")) {
        WriteIterationLimit(v, report);
      } else {
        WriteLrfdBlock(
            id,
            {"Number of distributed load points for LRFD load number " +
                 Number(v, "LRFD load number") + " is outside of the valid range of 0 or 2 to 100.",
             "",
             "The input number of distributed load points is " +
                 Number(v, "distributed load points")},
            report);
      }
      return true;
    case ErrorId::kLrfdLoadCount:
      WriteLrfdBlock(id,
                     {"Number of LRFD loads specified is " + Number(v, "LRFD loads"),
                      "This is outside of the valid range to 1 to 100"},
                     report);
      return true;
    case ErrorId::kLrfdLoadOrder:
      WriteLrfdBlock(id,
                     {"Input appears to be out-of-order for LRFD loading",
                      "Input load number is " + Number(v, "load number") +
                          " and the expected load number is " + Number(v, "expected load number")},
                     report);
      return true;
    case ErrorId::kLrfdPointOrder:
      WriteLrfdBlock(id,
                     {"Input appears to be out-of-order for LRFD distributed load " +
                          Number(v, "LRFD load number"),
                      "", "Input distributed load point is " + Number(v, "point number"),
                      " and the expected point number is " + Number(v, "expected point number")},
                     report);
      return true;
    case ErrorId::kLrfdCombinationCount:
      WriteLrfdBlock(
          id,
          {"Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
           "Number of LRFD load combinations input is " + Number(v, "LRFD load combinations")},
          report);
      return true;
    case ErrorId::kToleranceTooSmallUscs:
      WriteTolerance(id,
                     "Input value for convergence tolerance is too small (less than 1E-20 "
                     "inches).",
                     "The recommended value for convergence tolerance is 0.00001 inches.", report,
                     message);
      return true;
    case ErrorId::kToleranceTooLargeUscs:
      WriteTolerance(
          id, "Input value for convergence tolerance is too large (more than 0.1 inches). ",
          "The recommended value for convergence tolerance is 0.00001 inches.", report, message);
      return true;
    case ErrorId::kToleranceTooSmallSi:
      WriteTolerance(id,
                     "Input value for convergence tolerance is too small (less than 2.54E-22 "
                     "meters). ",
                     "The recommended value for convergence tolerance is 2.54E-7 meters.", report,
                     message);
      return true;
    case ErrorId::kToleranceTooLargeSi:
      WriteTolerance(
          id, "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
          "The recommended value for convergence tolerance is 2.54E-7 meters.", report, message);
      return true;
    case ErrorId::kTooFewIncrements:
      WriteIncrements(id, "Problem:  The number of pile increments is less than 40.",
                      "Solution: Increase the number of pile increments to more than 40, "
                      "preferably more than 100 increments.",
                      report, message);
      return true;
    case ErrorId::kTooManyIncrements:
      WriteIncrements(id, "Problem:  The number of pile increments is more than 500.",
                      "Solution: Limit the number of pile increments to 500 or less.", report,
                      message);
      return true;
    case ErrorId::kSoilMovementPointCount:
      for (RecordWriter* w : {&message, &report}) {
        w->Write("(A/)", {ErrorHeading(id)});
        w->Write("(A,I0)", {"Number of lines specified for soil movement data = ",
                            ErrorInteger(v, "soil movement lines")});
        w->Write("(A/)", {"The number of lines of soil movement data cannot be less than 2 or "
                          "exceed 100."});
      }
      return true;
    case ErrorId::kInputFormatRefused:
      WriteFormatRefused(v, report, message);
      return true;
    case ErrorId::kEmptyInputFile:
      message.Write("(//A/)", {ErrorHeading(id)});
      message.Write("(A/)", {"Size of input data file is 0 bytes.  No analysis performed."});
      return true;
    case ErrorId::kInputFileUnusable:
    case ErrorId::kOutputFileUnusable:
      // A batch refuses an input before its run with these errors, and
      // writes no block for them.
      if (!HasErrorValue(v, "fault")) return false;
      WriteUnusableFile(id, v, report, message);
      return true;
    case ErrorId::kControlFileUnreadable:
      WriteControlFile(id, "Contents of file NAMES.DAT is corrupted.",
                       ControlFileName(v) + " cannot be read: " + ErrorTextOf(v, "reason") + ".",
                       report, message);
      return true;
    case ErrorId::kInputNameCorrupted:
      WriteControlFile(id, "The name of the input data file is corrupted.", CorruptedLineCause(v),
                       report, message);
      return true;
    case ErrorId::kReportNameCorrupted:
      WriteControlFile(id, "The name of the output report file is corrupted.",
                       CorruptedLineCause(v), report, message);
      return true;
    case ErrorId::kPlotNameCorrupted:
      WriteControlFile(id, "The name of the plot output file is corrupted.", CorruptedLineCause(v),
                       report, message);
      return true;
    case ErrorId::kMessageNameCorrupted:
      WriteControlFile(id, "Name of runtime message file is corrupted", CorruptedLineCause(v),
                       report, message);
      return true;
    case ErrorId::kFileNameBlank:
      WriteFileNameBlank(v, report, message);
      return true;
    default:
      return false;
  }
}

}  // namespace tarvex
