#include "engine/diagnostics.hpp"

#include <cstdlib>

#include "engine/model.hpp"

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

WarningTally::WarningTally() { text_flags.fill(true); }

void RecordWarning(WarningTally& tally, int w) {
  const int number = std::abs(w);
  if (number < 1 || number > kMaxWarningNumber) return;
  ++tally.run_counts[static_cast<std::size_t>(number)];
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

void ResetWarningsForLoadCase(WarningTally& tally) {
  if (!tally.cases_started) {
    tally.before_cases = tally.counts;
    tally.cases_started = true;
  }
  tally.counts = tally.before_cases;
  tally.text_flags.fill(true);
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

void ReportError(AnalysisModel& model, std::string_view identity, int code) {
  model.run.error_context = model.report.RecentLines();
  model.run.message_context = model.message.RecentLines();
  RecordWriter& out = model.report;
  out.Write("(/)");
  if (code >= 1 && code <= 199) {
    out.Write("(A,A)", {"Tarvex ended prematurely due to input error number ", identity});
  } else {
    out.Write("(A,A)", {"Tarvex ended prematurely due to runtime error number ", identity});
  }
  if (code == 125) {
    out.Write("(/A/)", {"**** Input Data Error No. 25 ****"});
    out.Write("(A)", {"Length of input file is 0 bytes.  No analysis can be performed."});
  }
  model.run.error_code = code;
  model.run.error_identity = std::string(identity);
}

void SetErrorCode(AnalysisModel& model, int code) {
  model.run.error_context = model.report.RecentLines();
  model.run.message_context = model.message.RecentLines();
  model.run.error_code = code;
  model.run.error_identity.clear();
}

void ReportNotFinite(AnalysisModel& model, std::initializer_list<std::string> lines) {
  for (RecordWriter* out : {&model.report, &model.message}) {
    out->Write("(//A/)", {"**** Runtime Error No. 28 ****"});
    for (const std::string& line : lines) out->Write("(A)", {line});
    out->Write("()");
  }
  SetErrorCode(model, 228);
}

void CheckResultsFinite(AnalysisModel& model) {
  if (model.failed()) return;
  const char* file = model.report.wrote_non_finite()    ? "report"
                     : model.plot.wrote_non_finite()    ? "plot file"
                     : model.message.wrote_non_finite() ? "runtime message file"
                                                        : nullptr;
  if (file == nullptr) return;
  ReportNotFinite(model, {"A computed value written to the " + std::string(file) +
                              " is not a finite number (NaN or Infinity).",
                          "The results of this analysis cannot be used.  Check the input values "
                          "for their sizes and units."});
}

void ReportStageNotBuilt(AnalysisModel& model, std::string_view stage) {
  for (RecordWriter* out : {&model.report, &model.message}) {
    out->Write("(//A/)", {"**** Runtime Error No. 12 ****"});
    out->Write("(A,A,A)", {"This build of the engine cannot yet perform the ", stage, "."});
    out->Write("(A/)", {"No results are computed for this run."});
  }
  ReportError(model, "RUN00012", 212);
}

void WriteWarningSummary(AnalysisModel& model) {
  WarningTally& tally = model.run.warnings;
  int distinct = 0;
  for (int w = 1; w <= kMaxWarningNumber; ++w) {
    if (tally.counts[static_cast<std::size_t>(w)] != 0) ++distinct;
  }
  tally.head = distinct;
  RecordWriter& out = model.report;
  if (distinct == 0) {
    out.Write("(//A/)", {"No error or warning messages were generated by this analysis."});
    return;
  }
  out.Write("(//80('-')/26X,A/80('-')/)", {"Summary of Warning Messages"});
  for (int w = 1; w <= kMaxWarningNumber; ++w) {
    const int count = tally.counts[static_cast<std::size_t>(w)];
    if (count == 0) continue;
    out.Write("(A,I0,A/)", {"The following warning was reported ", count, " times"});
    if (tally.text_flags[static_cast<std::size_t>(w)]) {
      for (std::string_view line : WarningText(w)) out.Write("(A)", {line});
      tally.text_flags[static_cast<std::size_t>(w)] = false;
    }
  }
}

int ResultCode(const AnalysisModel& model) {
  if (model.run.error_code > 0) return model.run.error_code;
  const WarningTally& tally = model.run.warnings;
  if (tally.head > 1) return -300;
  if (tally.head == 1) {
    // The one warning counted in the summary.
    for (int w = 1; w <= kMaxWarningNumber; ++w) {
      if (tally.counts[static_cast<std::size_t>(w)] != 0) return -w;
    }
  }
  return 0;
}

}  // namespace tarvex
