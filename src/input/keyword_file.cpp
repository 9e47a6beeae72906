// The TARVEX6 keyword file: a sequence of sections, each opened by its keyword
// line and closed by the next one, ended by a line "END".
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/distinct.hpp"
#include "input/input_reader.hpp"
#include "input/reader.hpp"
#include "input/section_readers.hpp"

namespace tarvex {
namespace {

// The INPUT ERROR block of a line that is no keyword (or no keyword here),
// with the values that say why it came where a keyword was expected, when
// the title is the likely cause (TitleCause).
void Unrecognized(InputReader& in, std::string_view line, std::vector<DiagnosticValue> cause = {}) {
  std::vector<DiagnosticValue> values{ErrorTextValue("line", std::string(line))};
  for (DiagnosticValue& v : cause) values.push_back(std::move(v));
  in.Raise(ErrorId::kUnrecognizedLine, std::move(values));
}

// The first words of the lines of OPTIONS that are keyword lines.
constexpr std::string_view kOptionWords[] = {
    "Units",          "UseLRFD",       "ComputeKmatrix",   "UseTipShear",   "UseSoilMovement",
    "UsePYModifiers", "ComputeEIOnly", "PrintSummaryOnly", "PrintPYCurves", "ComputeInteraction"};

std::string_view FirstWord(std::string_view line) {
  const std::size_t begin = line.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  const std::size_t end = line.find_first_of(" \t", begin);
  return line.substr(begin, end == std::string_view::npos ? end : end - begin);
}

// An option line of OPTIONS: one of its keyword lines, or the loading line
// with STATIC or CYCLIC in columns 9 to 14.
bool LooksLikeOptionLine(std::string_view line) {
  const std::string_view word = FirstWord(line);
  for (std::string_view w : kOptionWords) {
    if (word == w) return true;
  }
  return line.size() >= 14 && (line.substr(8, 6) == "STATIC" || line.substr(8, 6) == "CYCLIC");
}

// An option line of the form "<keyword> YES" or "<keyword> NO".
bool ReadYesNo(InputReader& in, std::string_view keyword, bool* flag) {
  std::string line;
  const std::string what = "the option line " + std::string(keyword) + " YES or NO";
  if (!in.ReadKeywordLine(what, &line)) return false;
  if (line == std::string(keyword) + " YES") {
    *flag = true;
    return true;
  }
  if (line == std::string(keyword) + " NO") {
    *flag = false;
    return true;
  }
  in.Raise(ErrorId::kUnrecognizedData,
           {ErrorTextValue("expected", std::string(keyword) + " YES or NO"),
            ErrorTextValue("line", line)});
  return false;
}

// Why a line that is no keyword comes right after the title, when the title
// is the likely cause: TITLE takes five lines, so a title of fewer takes
// the keyword after it (OPTIONS, as a rule) and the lines after that as its
// own, and a title of more leaves its sixth line where a keyword must be; a
// title of five lines followed by an option line lacks OPTIONS. The values
// of the error that say so: the title's lines, whether the line looks like
// an option line, and the title line that holds a keyword or an option line,
// if one does. None when the line does not follow the title.
std::vector<DiagnosticValue> TitleCause(InputReader& in, std::string_view line,
                                        const std::vector<std::string_view>& keywords) {
  const int first = in.title_first_line();
  const int last = in.title_last_line();
  const int at = in.line_number();
  if (first == 0 || at != last + 1) return {};
  std::vector<DiagnosticValue> values{
      ErrorValue("line number", at), ErrorValue("title first line", first),
      ErrorValue("title last line", last),
      ErrorTextValue("looks like", LooksLikeOptionLine(line) ? "an OPTIONS line" : "no keyword")};
  const auto& title = in.input().title;
  for (std::size_t k = 0; k < title.size(); ++k) {
    std::string_view text = title[k];
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    const bool keyword =
        std::find(keywords.begin(), keywords.end(), text) != keywords.end() && !text.empty();
    if (!keyword && !LooksLikeOptionLine(text)) continue;
    values.push_back(ErrorValue("title line number", first + static_cast<int>(k)));
    values.push_back(ErrorValue("title line index", static_cast<int>(k) + 1));
    values.push_back(ErrorTextValue("title line", std::string(text)));
    break;
  }
  return values;
}

void ReadTitle(InputReader& in) {
  in.message().Write("(A)", {"Reading title data"});
  const int first = in.line_number() + 1;
  for (std::string& line : in.input().title) {
    if (!in.ReadTextLine("the five lines of the title", &line)) return;
  }
  in.NoteTitleLines(first, in.line_number());
}

// A convergence tolerance outside the range of its units.
void ToleranceError(InputReader& in, ErrorId id) {
  const Options& o = in.input().options;
  in.Raise(id, {ErrorValue("convergence tolerance", o.tolerance,
                           o.units == UnitSystem::kSi ? "m" : "in")});
}

void ReadOptions(InputReader& in) {
  InputModel& m = in.input();
  Options& o = m.options;
  in.message().Write("(A)", {"Reading analysis options"});

  std::string line;
  if (!in.ReadKeywordLine("the units line (Units USCS, Units SI or Units GENERAL)", &line)) return;
  if (line == "Units USCS") {
    o.units = UnitSystem::kUscs;
  } else if (line == "Units SI") {
    o.units = UnitSystem::kSi;
  } else if (line == "Units GENERAL") {
    o.units = UnitSystem::kGeneral;
  } else {
    Unrecognized(in, line);
    return;
  }
  o.iunits = static_cast<int>(o.units);

  if (!ReadYesNo(in, "UseLRFD", &o.lrfd) || !ReadYesNo(in, "ComputeKmatrix", &o.stiffness_matrix) ||
      !ReadYesNo(in, "UseTipShear", &o.tip_shear) ||
      !ReadYesNo(in, "UseSoilMovement", &o.soil_movement) ||
      !ReadYesNo(in, "UsePYModifiers", &o.py_modifiers)) {
    return;
  }
  m.py_multiplier_count = o.py_modifiers ? 1 : 0;
  bool ei_only = false;
  if (!ReadYesNo(in, "ComputeEIOnly", &ei_only)) {
    return;
  }
  o.run_kind = ei_only ? RunKind::kBendingStiffnessOnly : RunKind::kPileAnalysis;

  // Loading type in fixed columns: 1-8 a label, 9-14 CYCLIC or STATIC,
  // 15-20 the number of cycles.
  std::string record;
  if (!in.ReadTextLine("the loading type line (STATIC or CYCLIC)", &record)) return;
  record.resize(std::max<std::size_t>(record.size(), 20), ' ');
  o.loading_label = record.substr(0, 8);
  const std::string word = record.substr(8, 6);
  if (word == "CYCLIC") {
    o.cyclic = true;
  } else if (word == "STATIC") {
    o.cyclic = false;
  } else {
    in.Raise(ErrorId::kUnrecognizedData, {ErrorTextValue("expected", "STATIC or CYCLIC"),
                                          ErrorTextValue("loading type", word)});
    return;
  }
  // The number of cycles ends in column 20: a longer number would be cut.
  if (record.find_first_not_of(' ', 20) != std::string::npos) {
    in.Fail(
        "holds text after column 20, where the number of cycles of loading (columns 15 to 20) "
        "must end");
    return;
  }
  std::string cycles;
  for (char c : record.substr(14, 6)) {
    if (c != ' ') cycles.push_back(c);  // blanks inside a number field are ignored
  }
  o.cycles = 0.0;
  if (!cycles.empty() && !ParseReal(cycles, &o.cycles)) {
    in.Fail("holds \"" + record.substr(14, 6) +
                "\" in columns 15 to 20, where the number of cycles of loading is expected",
            {ErrorTextValue("number of cycles of loading", record.substr(14, 6))});
    return;
  }
  if (std::fabs(o.cycles) > InputReader::kMaxMagnitude) {
    in.Fail("holds \"" + cycles + "\", a number beyond " + ValueText(InputReader::kMaxMagnitude) +
                " in magnitude, which no input value may exceed (the number of cycles of loading)",
            {ErrorValue("number of cycles of loading", o.cycles)});
    return;
  }

  if (!in.ReadLabelled("the iteration limit line (a label and an integer)", &o.iteration_limit)) {
    return;
  }
  if (o.iteration_limit < limits::kMinIterations || o.iteration_limit > limits::kMaxIterations) {
    in.Raise(ErrorId::kInvalidValueStarred, {ErrorValue("iterations limit", o.iteration_limit)});
    return;
  }

  if (!in.ReadLabelled("the maximum allowable deflection line (a label and a number)",
                       &o.max_deflection) ||
      !in.CheckNotNegative(o.max_deflection, "the maximum allowable deflection") ||
      !in.ReadLabelled("the convergence tolerance line (a label and a number)", &o.tolerance)) {
    return;
  }
  if (o.units == UnitSystem::kUscs) {
    if (o.tolerance < 1e-20) {
      ToleranceError(in, ErrorId::kToleranceTooSmallUscs);
      return;
    }
    if (o.tolerance > double(0.1f)) {
      ToleranceError(in, ErrorId::kToleranceTooLargeUscs);
      return;
    }
  } else if (o.units == UnitSystem::kSi) {
    if (o.tolerance < 2.54e-22) {
      ToleranceError(in, ErrorId::kToleranceTooSmallSi);
      return;
    }
    if (o.tolerance > 0.00254) {
      ToleranceError(in, ErrorId::kToleranceTooLargeSi);
      return;
    }
  }

  if (!in.ReadLabelled("the number of pile increments line (a label and an integer)",
                       &o.increments)) {
    return;
  }
  if (o.increments < limits::kMinIncrements || o.increments > limits::kMaxIncrements) {
    const bool low = o.increments < limits::kMinIncrements;
    const ErrorId id = low ? ErrorId::kTooFewIncrements : ErrorId::kTooManyIncrements;
    in.Raise(id, {ErrorValue("pile increments", o.increments)});
    return;
  }

  if (!ReadYesNo(in, "PrintSummaryOnly", &o.print_summary_only) ||
      !in.ReadLabelled("the printing increment line (a label and an integer)",
                       &o.print_increment)) {
    return;
  }
  // The report prints every n-th node: n must be at least 1.
  if (o.print_increment < 1) {
    in.Fail("gives " + std::to_string(o.print_increment) +
                " as the printing increment, which must be 1 or more",
            {ErrorValue("printing increment", o.print_increment)});
    return;
  }
  if (!ReadYesNo(in, "PrintPYCurves", &o.print_py_curves)) {
    return;
  }
  o.py_print_flag = o.print_py_curves ? 1 : 0;

  if (!in.ReadKeywordLine("the line ComputeInteraction YES or NO", &line)) return;
  if (line == "ComputeInteraction YES") {
    o.interaction = true;
    std::string label, code;
    if (!in.Read("the interaction diagram line (a label and the code AASHTO, ACI318 or "
                 "Eurocode2)",
                 {ReadValue(&label, 11), ReadValue(&code, 11)})) {
      return;
    }
    if (code == "AASHTO") {
      o.interaction_code = 1;
    } else if (code == "ACI318") {
      o.interaction_code = 2;
    } else if (code == "Eurocode2") {
      o.interaction_code = 3;
    } else {
      in.Raise(ErrorId::kUnrecognizedData,
               {ErrorTextValue("expected", "AASHTO, ACI318 or Eurocode2"),
                ErrorTextValue("interaction code", code)});
    }
  } else if (line == "ComputeInteraction NO") {
    o.interaction = false;
  } else {
    in.Raise(
        ErrorId::kUnrecognizedData,
        {ErrorTextValue("expected", "ComputeInteraction YES or NO"), ErrorTextValue("line", line)});
  }
}

// After END: every section that the kind of run and its options need must
// have been given, or nothing (or the wrong thing) would be analysed. Input
// error 99 lists the keywords of the sections missing.
bool CheckNeededSections(InputReader& in, const std::vector<std::string_view>& given) {
  auto has = [&given](std::string_view keyword) {
    return std::find(given.begin(), given.end(), keyword) != given.end();
  };
  const InputModel& m = in.input();
  const Options& o = m.options;
  const bool pile = o.run_kind == RunKind::kPileAnalysis;
  std::vector<std::string_view> missing;  // their keywords
  bool empty_loading = false;
  if (!has("OPTIONS")) {
    missing.push_back("OPTIONS");
  } else {
    if (!has("SECTIONS")) missing.push_back("SECTIONS");
    if (pile && !has("SOIL LAYERS")) {
      missing.push_back("SOIL LAYERS");
    }
    if (o.lrfd) {
      if (!has("LRFD LOADS")) {
        missing.push_back("LRFD LOADS");
      }
      if (!has("LRFD FACTORS AND CASES")) {
        missing.push_back("LRFD FACTORS AND CASES");
      }
    } else if (pile) {
      if (!has("LOADING")) {
        missing.push_back("LOADING");
      } else if (m.load_cases.empty()) {
        missing.push_back("LOADING");
        empty_loading = true;
      }
    } else if (!has("AXIAL THRUST LOADS") && !has("LOADING")) {
      missing.push_back("AXIAL THRUST LOADS");
    }
    if (pile && o.tip_shear && !has("TIP SHEAR")) {
      missing.push_back("TIP SHEAR");
    }
    if (pile && o.py_modifiers && !has("GROUPEFF") && !has("GROUP EFFECT FACTORS")) {
      missing.push_back("GROUPEFF");
    }
    if (pile && o.soil_movement && !has("SOIL MOVEMENTS")) {
      missing.push_back("SOIL MOVEMENTS");
    }
  }
  if (missing.empty()) return true;
  const std::string needed_by = !has("OPTIONS") ? "every analysis"
                                : pile          ? "a pile analysis"
                                                : "a run with ComputeEIOnly YES";
  std::vector<DiagnosticValue> values;
  for (std::string_view keyword : missing) {
    values.push_back(ErrorTextValue("missing section", std::string(keyword)));
  }
  values.push_back(ErrorTextValue("needed by", needed_by));
  values.push_back(ErrorTextValue("input file", in.file_name()));
  values.push_back(ErrorValue("line", in.line_number()));
  // A LOADING section that holds no load case is named for that.
  if (empty_loading) {
    values.push_back(ErrorValue("pile-head load cases", 0));
  }
  in.Raise(ErrorId::kIncompleteInput, std::move(values));
  return false;
}

// After END, when the options and the load cases are both known: a head
// condition that no pile can take. An imposed head deflection beyond the
// maximum allowable deflection is one the iteration would refuse only while
// unsettled, and a head slope or rotation beyond one radian (57 degrees)
// lies outside the small-deflection theory of the analysis; both once ended
// normally with results printed as asterisks.
bool CheckHeadConditions(InputReader& in) {
  const InputModel& m = in.input();
  if (m.options.run_kind != RunKind::kPileAnalysis || m.options.lrfd) return true;
  for (std::size_t k = 0; k < m.load_cases.size(); ++k) {
    const LoadCase& c = m.load_cases[k];
    const int line = k < in.load_case_lines().size() ? in.load_case_lines()[k] : 0;
    if (line == 0) continue;
    const std::string which = " of load case " + std::to_string(k + 1);
    const bool deflection =
        c.type == LoadType::kDeflectionAndMoment || c.type == LoadType::kDeflectionAndSlope;
    const bool slope =
        c.type == LoadType::kShearAndSlope || c.type == LoadType::kDeflectionAndSlope;
    if (deflection && std::fabs(c.condition1) > m.options.max_deflection) {
      in.FailAt(line,
                "gives " + ValueText(c.condition1) + " as the pile-head deflection" + which +
                    ", which must not exceed the maximum allowable deflection (" +
                    ValueText(m.options.max_deflection) + ", MaxDeflection) in magnitude",
                {ErrorValue("pile-head deflection", c.condition1),
                 ErrorValue("maximum allowable deflection", m.options.max_deflection)});
      return false;
    }
    if (slope && !(std::fabs(c.condition2) <= 1.0)) {
      in.FailAt(line,
                "gives " + ValueText(c.condition2) + " as the pile-head slope" + which +
                    ", which must lie between -1 and 1 radian (57 degrees)",
                {ErrorValue("pile-head slope", c.condition2, "rad")});
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<double> ThrustTable(const InputModel& input) {
  std::vector<double> t;
  if (input.sections.empty()) return t;
  t.reserve(limits::kMaxThrusts);
  if (input.options.lrfd) {
    for (const LrfdGroup& g : input.lrfd_groups) t.push_back(g.axial);
  } else {
    // The axial loads of the pile-head load cases, or the axial thrusts of
    // AXIAL THRUST LOADS, which are held in the same place.
    for (const LoadCase& c : input.load_cases) t.push_back(c.axial);
  }
  if (input.options.units == UnitSystem::kUscs) {
    for (double& v : t) v /= 1000.0;  // pounds to kips
  }
  KeepDistinctSorted(t);
  return t;
}

void ReadKeywordFile(InputFile& file, std::string_view input_path, InputModel& input,
                     RunOutput& out) {
  InputReader in(input, out, file, input_path);
  struct Section {
    const char* keyword;
    void (*read)(InputReader&);
  };
  static constexpr Section kSections[] = {
      {"TITLE", ReadTitle},
      {"OPTIONS", ReadOptions},
      {"SECTIONS", ReadSections},
      {"AXIAL THRUST LOADS", ReadAxialThrustLoads},
      {"SOIL LAYERS", ReadSoilLayers},
      {"TIP SHEAR", ReadTipShear},
      {"PILE BATTER AND SLOPE", ReadBatterAndSlope},
      {"GROUPEFF", ReadGroupEffects},
      {"LRFD LOADS", ReadLrfdLoads},
      {"LRFD FACTORS AND CASES", ReadLrfdFactors},
      {"LOADING", ReadLoading},
      {"SOIL MOVEMENTS", ReadSoilMovements},
      {"GROUP EFFECT FACTORS", ReadGroupEffects},
      {"DEPTHS OF PRINTED P-Y CURVES", ReadPrintedPyDepths},
      {"TRANSVERSE REINFORCEMENT", ReadTransverseReinforcement},
  };
  std::vector<std::string_view> given;
  bool options_read = false;
  bool data_read = false;
  UnitSystem units = UnitSystem::kUscs;
  while (true) {
    std::string line;
    if (!in.ReadKeywordLine("the line END", &line)) return;
    const Section* match = nullptr;
    for (const Section& s : kSections) {
      if (line == s.keyword) {
        match = &s;
        break;
      }
    }
    if (match == nullptr) {
      if (line == "END") break;
      std::vector<std::string_view> keywords{"END"};
      for (const Section& s : kSections) keywords.emplace_back(s.keyword);
      Unrecognized(in, line, TitleCause(in, line, keywords));
      return;
    }
    // The readers convert SI millimetres and read some sections only under
    // options already read: the options must come first and keep their units.
    const std::string_view keyword = match->keyword;
    given.push_back(keyword);
    if (keyword == "OPTIONS") {
      match->read(in);
      if (out.failed()) return;
      if (options_read && data_read && input.options.units != units) {
        in.Fail(ErrorId::kIncompleteInput,
                "ends an OPTIONS section that changes the unit system after sections were read "
                "in the first units");
        return;
      }
      options_read = true;
      units = input.options.units;
      continue;
    }
    if (keyword != "TITLE") {
      if (!options_read) {
        in.Fail(ErrorId::kIncompleteInput,
                "opens the section " + std::string(keyword) +
                    " before OPTIONS; the options must come before every section but TITLE",
                {ErrorTextValue("section", std::string(keyword))});
        return;
      }
      data_read = true;
    }
    // The rows of TRANSVERSE REINFORCEMENT name the sections of SECTIONS by
    // number: SECTIONS comes first, once.
    const bool transverse_given =
        std::find(given.begin(), given.end() - 1, "TRANSVERSE REINFORCEMENT") != given.end() - 1;
    const bool sections_given =
        std::find(given.begin(), given.end() - 1, "SECTIONS") != given.end() - 1;
    if (keyword == "TRANSVERSE REINFORCEMENT" && !sections_given) {
      in.Fail(ErrorId::kIncompleteInput,
              "opens TRANSVERSE REINFORCEMENT before SECTIONS; its rows name the sections by "
              "number, so SECTIONS must come first");
      return;
    }
    if (keyword == "SECTIONS" && transverse_given) {
      in.Fail(ErrorId::kIncompleteInput,
              "opens SECTIONS after TRANSVERSE REINFORCEMENT, whose rows name the sections "
              "read before; give SECTIONS once, before TRANSVERSE REINFORCEMENT");
      return;
    }
    match->read(in);
    if (out.failed()) return;
  }
  if (!CheckNeededSections(in, given)) return;
  CheckHeadConditions(in);
}

}  // namespace tarvex
