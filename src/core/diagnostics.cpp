#include "core/diagnostics.hpp"

#include <cstdlib>
#include <utility>

namespace tarvex {
namespace {

// Warning texts, line by line; "" is an empty line.
std::vector<std::string_view> StiffClayFreeWater(std::string_view first, std::string_view last1,
                                                 std::string_view last2 = {}) {
  std::vector<std::string_view> t = {"",
                                     "**** Warning ****",
                                     "",
                                     first,
                                     "defined using the stiff clay with free water criteria.  "
                                     "The input value is ",
                                     last1};
  if (!last2.empty()) t.push_back(last2);
  t.push_back("");
  return t;
}

std::vector<std::string_view> StiffClayNoFreeWater(std::string_view first, std::string_view last) {
  return {"",
          "**** Warning ****",
          "",
          first,
          "defined using the stiff clay without free water criteria.  The input value is ",
          last,
          ""};
}

std::vector<std::string_view> StiffClayWithK(std::string_view bound, std::string_view advice) {
  return {"",
          "**** Warning ****",
          "",
          "An unreasonable input value for shear strength has been specified for a layer.",
          "defined using the stiff clay without free water criteria using k.",
          bound,
          advice,
          ""};
}

std::vector<std::string_view> WeakRockStrength(std::string_view first, std::string_view last) {
  return {"",
          "**** Warning ****",
          "",
          first,
          "specified for a soil defined using the weak rock criteria.  The input value",
          last,
          ""};
}

constexpr std::string_view kShearForLayer =
    "An unreasonable input value for shear strength has been specified for a layer.";
constexpr std::string_view kShearForLayerBlank =
    "An unreasonable input value for shear strength has been specified for a layer. ";
constexpr std::string_view kCheckCorrectness = "You should check your input data for correctness.";

}  // namespace

// A warning recorded from a load case's iteration must not allocate: room
// for this many distinct pairs of number and load case is made at the start.
constexpr std::size_t kReservedCaseCounts = 64;

WarningTally::WarningTally() { by_case.reserve(kReservedCaseCounts); }

void RecordWarning(WarningTally& tally, int w) { RecordWarning(tally, w, tally.load_case); }

void RecordWarning(WarningTally& tally, int w, int load_case) {
  if (tally.trace != nullptr) {
    WarningTally::Trace& t = *tally.trace;
    if (t.count < static_cast<int>(t.w.size())) {
      t.w[static_cast<std::size_t>(t.count++)] = w;
    } else {
      t.overflow = true;
    }
  }
  const int number = std::abs(w);
  if (number < 1 || number > kMaxWarningNumber) return;
  auto pair = tally.by_case.rbegin();
  while (pair != tally.by_case.rend() && (pair->number != number || pair->load_case != load_case)) {
    ++pair;
  }
  if (pair != tally.by_case.rend()) {
    ++pair->count;
  } else {
    tally.by_case.push_back({number, load_case, 1});
  }
  int c = tally.counts[static_cast<std::size_t>(number)];
  if (c >= kMaxWarningNumber) {
    tally.head = c;
    return;
  }
  ++c;
  tally.head = c;
  tally.counts[static_cast<std::size_t>(number)] = c;
  tally.list[static_cast<std::size_t>(c)] = w;
}

void RecordWarningDetail(WarningTally& tally, int w, std::string line) {
  tally.details.push_back({std::abs(w), std::move(line)});
}

std::vector<std::string_view> WarningRaisedText(int number) {
  switch (std::abs(number)) {
    case 302:  // a Reese sand friction angle outside 20 to 48 degrees, once per load case
      return {"",
              "**** Warning ****",
              "",
              "An unreasonable value for friction angle was input for a Reese sand layer. ",
              "The input value is either smaller than 20 degrees or higher than 48 degrees.",
              "The input data should be checked for correctness.",
              "",
              "The input value for friction angle was used in computations."};
    default:
      return {};
  }
}

std::vector<std::string> WarningLines(const WarningTally& tally, int number) {
  const std::vector<std::string_view> text = WarningText(number);
  std::vector<std::string> lines(text.begin(), text.end());
  const bool closing_empty = !lines.empty() && lines.back().empty();
  if (closing_empty) lines.pop_back();
  for (const WarningTally::Detail& d : tally.details) {
    if (d.number == number) lines.push_back(d.line);
  }
  if (closing_empty) lines.emplace_back();
  return lines;
}

void ResetWarningsForLoadCase(WarningTally& tally, int load_case) {
  if (!tally.cases_started) {
    tally.before_cases = tally.counts;
    tally.cases_started = true;
  }
  tally.counts = tally.before_cases;
  tally.load_case = load_case;
}

int SummarisedWarnings(const WarningTally& tally) {
  if (tally.head == 0) return 0;  // no warning was ever recorded
  int distinct = 0;
  for (int w = 1; w <= kMaxWarningNumber; ++w) {
    if (tally.counts[static_cast<std::size_t>(w)] != 0) ++distinct;
  }
  return distinct;
}

Diagnostic MakeDiagnostic(ErrorId id, std::vector<DiagnosticValue> values) {
  const ErrorRow& row = ErrorRowOf(id);
  Diagnostic d;
  d.identity = std::string(row.identity);
  d.name = std::string(row.name);
  d.code = row.code;
  d.number = row.number;
  d.kind = std::string(ErrorKindName(row.kind));
  d.values = std::move(values);
  return d;
}

DiagnosticValue ErrorValue(std::string name, double value, std::string_view unit) {
  // Units come from the report's labels, which are padded with blanks.
  const std::size_t last = unit.find_last_not_of(' ');
  const std::size_t first = unit.find_first_not_of(' ');
  DiagnosticValue v;
  v.name = std::move(name);
  v.value = value;
  if (last != std::string_view::npos) v.unit = std::string(unit.substr(first, last - first + 1));
  return v;
}

DiagnosticValue ErrorTextValue(std::string name, std::string text) {
  DiagnosticValue v;
  v.name = std::move(name);
  v.text = std::move(text);
  return v;
}

std::vector<std::string_view> WarningText(int number) {
  switch (number) {
    case 302:
      return {"",
              "**** Warning ****",
              "",
              "An unreasonable value was input for friction angle has been specified",
              "for a soil layer defined uisng the sand criteria.  The input value is",
              "either smaller than 20 degrees or higher than 48 degrees.  The input",
              "data should be checked for correctness.",
              ""};
    case 303:
      return {"**** Warning ****",
              "",
              "An unreasonable value was input for friction angle has been specified for a",
              "soil layer defined uisng the API sand criteria.  The input value is either",
              "smaller than 20 degrees or higher than 48 degrees.  The input data should",
              "be checked for correctness.",
              ""};
    case 305:
      return {"***** Warning *****",
              "",
              "Too many values were calculated for moment-curvature.",
              "This may indicate that the pile is too weak or is under-reinforced, ",
              "where all reinforcing steel has yielded.  You should examine your input ",
              "data and increase the amount of steel reinforcement if necessary."};
    case 306:
      return {"",
              "Warning - Negative values of bending moment were computed in nonlinear EI "
              "computations.",
              "This may indicate that the pile is too weak or is under-reinforced and that all "
              "reinforcing steel ",
              "has yielded.",
              "You should examine your input data and increase the amount of steel "
              "reinforcement if necessary.",
              ""};
    case 308:
      return {"",
              "**** Warning ****",
              "",
              "An unreasonable input value for uniaxial compressive strength has been ",
              "specified for a soil defined using the vuggy limestone criteria.",
              "The input value is outside of the range of 1,000 to 2,500 psi (6,895 to 17,237 "
              "kPa).",
              kCheckCorrectness,
              ""};
    case 316:
      return {"***** Warning *****",
              "",
              "The input value for k_rm used by the weak rock criteria is smaller than ",
              "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
              "You should check your input data for accuracy.",
              ""};
    case 317:
      return {"**** Warning - Possible Input Data Error ****",
              "",
              "The input value for k_rm used by the weak rock criteria is ",
              "greater than 0.0005.  This value is outside the recommended ",
              "range of 0.00005 to 0.005.  You should check your input data",
              "for accuracy.",
              ""};
    case 354:
      return {"",
              "**** Warning - Possible Modelling Error ****",
              "",
              "The depth of this liquefied sand layer is deeper than the recommended depth ",
              "limit of 6 meters for using the p-y criteria for liquefied sand.",
              "Please consult the Tarvex Technical Manual for additional background ",
              "information regarding limitations on the use of the liquefied sand criteria.",
              ""};
    case 360:
      return {"",
              "**** Warning ****",
              "",
              "p-y multipliers for group action (GROUPEFF) were read, but the option",
              "UsePYModifiers is NO: the multipliers were ignored and the p-y curves",
              "were not modified for group action.",
              ""};
    case 361:
      return {"",
              "**** Warning - Gap Between Soil Layers ****",
              "",
              "The top of a soil layer lies below the bottom of the layer above it, and",
              "nothing is given in between.  The analysis takes the lower layer from the",
              "bottom of the upper one, with the values of its top there.  Check the",
              "depths of the soil layers:",
              ""};
    case 371:
      return {"",
              "**** Warning - Results Too Wide for Their Fields ****",
              "",
              "One or more results were too wide for their fields in the report or plot file",
              "and are printed as asterisks.  The warning block before this summary names",
              "them; the results file (JSON) holds their values.",
              ""};
    case 372:
      return {"",
              "**** Warning - Input Values Ignored ****",
              "",
              "A line of the input data file held more values than are read from it, and the",
              "values left over were ignored.  The warning after the input echo names the",
              "lines and the values.",
              ""};
    case 400:
      return {"", "**** Warning - Failure for One or More LRFD Load Cases ****", "",
              "This warning message is provided to alert the user that one or more of ",
              "LRFD load cases has overloaded the structural capacity of the pile."};
    case 3041:
      return {"",
              "**** Warning ****",
              "",
              "An unreasonable input value for shear strength has been specified for a soil",
              "defined using the soft clay criteria.  The input value is greater than 8.68",
              "psi (1,250 psf).  You should check your input data for correctness.",
              ""};
    case 3042:
      return {"",
              "**** Warning ****",
              "",
              "An unreasonable input value for shear strength has been specified for a soil",
              "defined using the soft clay criteria.",
              "The input value is greater than 59.85 kN/m2. You should check your input data for "
              "correctness.",
              ""};
    case 3051:
      return StiffClayFreeWater(
          kShearForLayer,
          "less than 3.47 psi (500 psf). You should check your input data for correctness.");
    case 3052:
      return StiffClayFreeWater(
          kShearForLayer,
          "greater than 55.55 psi (8,000 psf).  You should check your input data for",
          "correctness.");
    case 3053:
      return StiffClayFreeWater(
          kShearForLayer,
          "less than 23.94 kN/m2.  You should check your input data for correctness.");
    case 3054:
      return StiffClayFreeWater(
          kShearForLayerBlank,
          "greater than 383.04 kN/m2.  You should check your input data for correctness.");
    case 3061:
      return StiffClayNoFreeWater(
          kShearForLayerBlank,
          "less than 3.47 psi (500 psf).  You should check your input data for correctness.");
    case 3062:
      return StiffClayNoFreeWater(
          kShearForLayer,
          "greater than 8,000 psf (55.55 psi).  You should check your input data for "
          "correctness.");
    case 3063:
      return StiffClayNoFreeWater(
          kShearForLayer,
          "less than 23.94 kN/m2.  You should check your input data for correctness.");
    case 3064:
      return StiffClayNoFreeWater(
          kShearForLayer,
          "greater than 383.04 kN/m2.  You should check your input data for correctness.");
    case 3071:
      return {"",
              "**** Warning ****",
              "",
              "An unreasonable input value for the compressive strength has been specified",
              "for a soil defined using the weak rock criteria.  The input value is less ",
              "than 100 psi.  You should check your input data for correctness.",
              ""};
    case 3072:
      return WeakRockStrength(
          "An unreasonable input value for unconfined compressive strength has been ",
          "is greater than 1000 psi.  You should check your input data for correctness.");
    case 3073:
      return WeakRockStrength(
          "An unreasonable input value for unconfined compressive strength has been ",
          "is less than  689.5 kN/m2.  You should check your input data for correctness.");
    case 3074:
      return WeakRockStrength(
          "An unreasonable input value for unconfined compressive strength has been",
          "is greater than 6895 kN/m2.  You should check your input data for correctness.");
    case 3261:
      return StiffClayWithK("The input value is less than 500 psf (3.47 psi).",
                            "   You should check your input data for correctness.");
    case 3262:
      return StiffClayWithK("The input value is greater than 8,000 psf (55.55 psi).",
                            kCheckCorrectness);
    case 3263:
      return StiffClayWithK("The input value is less than 23.94 kN/m2.", kCheckCorrectness);
    case 3264:
      return StiffClayWithK("The input value is greater than 383.04 kN/m2.", kCheckCorrectness);
    default:
      return {};
  }
}

}  // namespace tarvex
