// The run sequence: one call of the engine is one complete analysis.
//
//   open the files -> read the input -> report header -> input echo and unit
//   conversion -> section analysis -> for every load case: prepare the nodes,
//   iterate solver and p-y criteria, report -> summary and studies -> end of run.
//
// Every stage reports its errors through the model and returns; the sequence
// tests the error code after each stage and goes to the end of the run at the
// first error.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "engine/model.hpp"
#include "engine/platform.hpp"
#include "engine/report_header.hpp"
#include "engine/run_files.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "pile/analysis.hpp"
#include "pile/iteration.hpp"
#include "report/echo.hpp"
#include "section/section_analysis.hpp"
#include "soil/py_curves.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

// The files of a run, in the order of the paths.
constexpr const char* kFileNames[4] = {"input data file", "output report file", "plot output file",
                                       "runtime message file"};

// A file the run cannot use: runtime error 7 (the input data file) or 8 (an
// output file). The message names the file and the system's reason; it goes
// to the standard error stream and to whichever output files are open.
void ReportUnusableFile(AnalysisModel& model, int number, std::string_view what,
                        std::string_view path, std::string_view reason,
                        std::string_view consequence = "No analysis performed.") {
  const std::string heading = "**** Runtime Error No. " + std::to_string(number) + " ****";
  const std::string line1 = std::string(what) + ": " + std::string(path);
  const std::string line2 = "Reason: " + std::string(reason) + ".  " + std::string(consequence);
  std::fprintf(stderr, "\n%s\n\n%s\n%s\n", heading.c_str(), line1.c_str(), line2.c_str());
  for (RecordWriter* out : {&model.report, &model.message}) {
    if (!out->is_open()) continue;
    out->Write("(//A/)", {heading});
    out->Write("(A)", {line1});
    out->Write("(A)", {line2});
  }
  ReportError(model, number == 7 ? "RUN00007" : "RUN00008", 200 + number);
}

// Paths of the run that name one file: an output that would be written over
// the input data file or over another output. Runtime error 8, before any
// output file is created or emptied; the error goes to the report and
// message files only when they are none of those files.
bool RefuseSameFiles(AnalysisModel& model, const InputFile& input, bool input_ok) {
  const auto& paths = model.run.paths;
  const std::vector<SameFilePair> pairs = FindSameFiles(paths);
  if (pairs.empty()) return false;
  bool involved[4] = {};
  for (const SameFilePair& p : pairs) involved[p.first] = involved[p.second] = true;
  std::vector<FileIdentity> keep;
  if (input_ok) keep.push_back(input.identity());
  std::string ignored;  // a file that cannot be opened does not take the message
  if (!involved[1]) model.report.Open(paths[1], &ignored, keep);
  if (!involved[3]) model.message.Open(paths[3], &ignored, keep);
  const SameFilePair& p = pairs.front();
  const auto first = static_cast<std::size_t>(p.first);
  const auto second = static_cast<std::size_t>(p.second);
  ReportUnusableFile(
      model, 8, "The " + std::string(kFileNames[second]) + " cannot be used", paths[second],
      "it is the same file as the " + std::string(kFileNames[first]) + " " + paths[first]);
  return true;
}

// Opens the input data file and creates (or replaces) the three output files.
bool OpenFiles(AnalysisModel& model, InputFile& input) {
  const auto& paths = model.run.paths;
  std::string input_error;
  // The input is read whole before any output is touched.
  const bool input_ok = input.Open(paths[0], &input_error);
  if (RefuseSameFiles(model, input, input_ok)) return false;
  RecordWriter* const outputs[3] = {&model.report, &model.plot, &model.message};
  // Checked again on the open files: a path that came to name the input or
  // an earlier output in the meantime is refused without being emptied.
  std::vector<FileIdentity> keep;
  if (input_ok) keep.push_back(input.identity());
  std::string errors[3];
  bool outputs_ok = true;
  for (int i = 0; i < 3; ++i) {
    RecordWriter& out = *outputs[i];
    if (!out.Open(paths[static_cast<std::size_t>(i + 1)], &errors[i], keep)) {
      outputs_ok = false;
    } else if (out.seekable()) {
      keep.push_back(out.identity());
    }
  }
  if (!input_ok) {
    ReportUnusableFile(model, 7, "The input data file cannot be read", paths[0], input_error);
    return false;
  }
  if (!outputs_ok) {
    for (int i = 0; i < 3; ++i) {
      if (!errors[i].empty()) {
        ReportUnusableFile(model, 8, "The " + std::string(kFileNames[i + 1]) + " cannot be created",
                           paths[static_cast<std::size_t>(i + 1)], errors[i]);
        return false;
      }
    }
  }
  if (input.size() == 0) {
    model.message.Write("(//A/)", {"**** Input Data Error No. 25 ****"});
    model.message.Write("(A/)", {"Size of input data file is 0 bytes.  No analysis performed."});
    ReportError(model, "INP00025", 125);
    return false;
  }
  return true;
}

// Section analysis of every pile section, with its progress lines.
void AnalyseAllSections(AnalysisModel& model, bool announce_every_section) {
  const int count = static_cast<int>(model.sections.size());
  for (int n = 1; n <= count; ++n) {
    if (announce_every_section || n == 1) {
      model.message.Write("(A,I0)", {"Computing nonlinear bending stiffness of section ", n});
    }
    if (n == 1) {
      model.report.Write("(//80('-')/4X,A/80('-')/)",
                         {"Computations of Nominal Moment Capacity and Nonlinear Bending "
                          "Stiffness"});
      const char* source =
          model.options.interaction ? "Axial thrust force values were determined from input values"
          : model.options.lrfd
              ? "Axial thrust force values were determined from LRFD load combinations"
              : "Axial thrust force values were determined from pile-head loading conditions";
      model.report.Write("(A/)", {source});
      model.report.Write("(A,I0/)", {"Number of Pile Sections Analyzed = ", count});
    }
    model.report.Write("(A,I0,A/)", {"Pile Section No. ", n, ":"});
    AnalyseSection(model, n);
    if (model.failed()) return;
    model.message.Write("(A,I0/)",
                        {"Completed computing nonlinear bending stiffness of section ", n});
  }
}

void WriteSectionCount(AnalysisModel& model) {
  model.plot.Write("(I5,75X,A)",
                   {static_cast<int>(model.sections.size()), "Line 2 : Total number of sections"});
}

// Run kind 2: nonlinear bending stiffness of the sections only.
void ComputeBendingStiffnessOnly(AnalysisModel& model) {
  WriteSectionCount(model);
  AnalyseAllSections(model, true);
}

// The load cases: pile-head load cases, or the factored LRFD combinations.
void AnalyseLoadCases(AnalysisModel& model) {
  // p-y curves are printed for load case 1 only.
  const bool print_py_curves = model.options.print_py_curves;
  model.options.print_py_curves = false;
  const int cases = static_cast<int>(model.options.lrfd ? model.lrfd_combinations.size()
                                                        : model.load_cases.size());
  for (int c = 1; c <= cases; ++c) {
    model.run.current_case = c;
    PrepareLoadCase(model, c);
    if (model.failed()) return;
    model.message.Write("(A,I0)", {"Computing lateral response of pile for load number ", c});
    ResetWarningsForLoadCase(model.run.warnings);
    model.nodes.y.fill(0.0);
    StartLoadCase(model, c);
    if (model.failed()) return;

    PileIterationStages stages;
    const CaseIteration iteration = IterateLoadCase(model, stages, c);
    const bool deflection_and_moment =
        !model.options.lrfd && model.load_cases[static_cast<std::size_t>(c - 1)].type == 4;
    if (iteration == CaseIteration::kFailed) return;
    // A deflection-and-moment case that did not converge still reports its
    // last iterate; its runtime error then ends the run.
    if (iteration == CaseIteration::kNotConverged && !deflection_and_moment) return;
    if (iteration == CaseIteration::kConverged) {
      model.message.Write("(A)", {"Convergence Criteria Met"});
    }
    const int code_before = model.run.error_code;
    if (c == 1) {
      if (print_py_curves) {
        model.options.print_py_curves = true;
        PrintPyCurves(model);
        model.options.print_py_curves = false;
        if (model.run.error_code != code_before) return;
      } else {
        model.plot.Write("(I5,75X,A)", {0, "Line 6 : number of output p-y curves"});
      }
    }
    WriteLoadCaseReport(model, c);
    if (model.run.error_code != code_before) return;
    if (model.options.lrfd) {
      model.plot.Write("('    0',75X,A,I0)",
                       {"Line 11: Num. points on Ytop vs. Length curve for LRFD load case ", c});
    } else if (model.load_cases[static_cast<std::size_t>(c - 1)].length_study) {
      model.message.Write(
          "(A,I0,A)",
          {"Computing top deflection vs. pile embedment length for load case ", c, "."});
      RunLengthStudy(model, c);
      if (model.run.error_code != code_before) return;
    } else {
      model.plot.Write("('    0',75X,A,I0)",
                       {"Line 11: Num. points on Ytop vs. Length curve for load case ", c});
    }
    model.message.Write("(A,I0/)", {"Completed Analysis ", c});
    if (model.failed()) return;
  }
}

// Run kind 3: the pile under lateral load.
void AnalysePile(AnalysisModel& model) {
  PreparePileAnalysis(model);
  WriteSectionCount(model);
  AnalyseAllSections(model, false);
  if (model.failed()) return;
  AnalyseLoadCases(model);
  if (model.failed()) return;
  WriteRunSummary(model);
  if (model.failed()) return;
  if (model.options.stiffness_matrix) {
    model.message.Write("(A/)", {"Computing pile-head stiffness matrix components."});
    // The study changes the pile-head conditions of load case 1; keep them.
    const LoadCase kept = model.load_cases.empty() ? LoadCase{} : model.load_cases.front();
    ComputeStiffnessMatrix(model);
    if (!model.load_cases.empty()) model.load_cases.front() = kept;
  }
}

// Reading, echo and the analysis proper; returns at the first error.
void Analyse(AnalysisModel& model, InputFile& input, const DateTime& now) {
  ReadInputData(model, input);
  if (model.failed()) return;
  model.message.Write("(A)", {"Input of data completed"});

  model.run.si = model.options.units == UnitSystem::kSi;
  model.labels = LabelsFor(model.options.units);
  model.report.Rewind();  // what the readers wrote is replaced by the report proper
  WriteReportHeader(model, now);
  model.plot.Write("(4I5,60X,A)",
                   {model.options.icom, model.options.iunits, model.options.kyl,
                    model.options.stiffness_matrix ? 1 : 0, "Line 1 : ICOM, IUNITS, KYL, KXX"});

  WriteInputEcho(model);
  if (model.failed()) return;
  ConvertToComputingUnits(model);
  if (model.failed()) return;

  if (model.options.icom == 2) {
    ComputeBendingStiffnessOnly(model);
  } else if (model.options.icom == 3) {
    AnalysePile(model);
  }
  CheckResultsFinite(model);
}

// An output file that could not be written completely (a full disk, a
// device error): runtime error 8 naming the file, unless an error ended the
// run already; then the file is still named on the standard error stream.
void ReportIncompleteFile(AnalysisModel& model, int index, const RecordWriter& out) {
  const auto i = static_cast<std::size_t>(index);
  const std::string what = "The " + std::string(kFileNames[i]) + " could not be written completely";
  if (model.run.error_code > 0) {
    std::fprintf(stderr, "\n%s: %s\nReason: %s.\n", what.c_str(), model.run.paths[i].c_str(),
                 out.write_error().c_str());
    return;
  }
  ReportUnusableFile(model, 8, what, model.run.paths[i], out.write_error(),
                     "The file is incomplete.");
}

// The closing lines of one file: the report, or the message file.
void WriteClosingLines(AnalysisModel& model, RecordWriter& out, bool warned) {
  const int code = model.run.error_code;
  const char* ended = code >= 101 && code <= 199   ? "The analysis ended due to an input error. "
                      : code >= 200 && code <= 299 ? "The analysis ended due to a runtime error. "
                                                   : nullptr;
  if (ended != nullptr) out.Write("(/A/)", {ended});
  if (warned) {
    if (&out == &model.message) {
      out.Write("(//A//)", {"The analysis ended with one or more warning messages."});
    } else {
      WriteWarningSummary(model);
    }
  }
  if (code == 0) out.Write("(/A/)", {"The analysis ended normally. "});
}

// The end of the run: the closing lines, and every file closed. A file that
// could not be written completely ends the run with runtime error 8, so that
// no file says the analysis ended normally when its results are not all
// there. The message file is closed last, so that it can carry the failure of
// the report or plot file.
void EndRun(AnalysisModel& model) {
  RecordWriter* const outputs[3] = {&model.report, &model.plot, &model.message};
  bool reported[3] = {};
  auto check = [&](int i) {
    const auto k = static_cast<std::size_t>(i);
    if (reported[k] || !outputs[k]->write_failed()) return;
    reported[k] = true;
    ReportIncompleteFile(model, i + 1, *outputs[k]);
  };
  for (int i = 0; i < 3; ++i) outputs[i]->Flush();
  for (int i = 0; i < 3; ++i) check(i);
  const bool warned = model.run.warnings.head > 0;
  WriteClosingLines(model, model.report, warned);
  model.report.Close();
  model.plot.Close();
  check(0);
  check(1);
  WriteClosingLines(model, model.message, warned);
  model.message.Close();
  check(2);
}

// The error's description: the block of lines written just before the error
// was reported, from its heading of asterisks (or its first line) on.
std::vector<std::string> ErrorDescription(const std::vector<std::string>& lines) {
  int end = static_cast<int>(lines.size());
  while (end > 0 &&
         lines[static_cast<std::size_t>(end - 1)].find_first_not_of(' ') == std::string::npos) {
    --end;
  }
  int begin = end;
  int blank_run = 0;
  while (begin > 0 && end - begin < 24) {
    const std::string& line = lines[static_cast<std::size_t>(begin - 1)];
    const bool blank = line.find_first_not_of(' ') == std::string::npos;
    blank_run = blank ? blank_run + 1 : 0;
    if (blank_run == 2) break;
    --begin;
    if (line.find("****") != std::string::npos || line.rfind("INPUT ERROR", 0) == 0) break;
  }
  std::vector<std::string> block;
  for (int i = begin; i < end; ++i) block.push_back(lines[static_cast<std::size_t>(i)]);
  while (!block.empty() && block.front().find_first_not_of(' ') == std::string::npos) {
    block.erase(block.begin());
  }
  return block;
}

void FillOutcome(const AnalysisModel& model, int result, RunOutcome* outcome) {
  outcome->result = result;
  outcome->error_identity.clear();
  outcome->error_message.clear();
  outcome->warnings.clear();
  const int code = model.run.error_code;
  if (code > 0) {
    outcome->error_identity = model.run.error_identity;
    if (outcome->error_identity.empty()) {
      // Codes set without the reporter: runtime error 200 + n.
      const std::string digits = std::to_string(code - 200);
      outcome->error_identity = "RUN" + std::string(5 - digits.size(), '0') + digits;
    }
    outcome->error_message = ErrorDescription(model.run.error_context);
    if (outcome->error_message.empty()) {
      outcome->error_message = ErrorDescription(model.run.message_context);
    }
  }
  for (int w = 1; w <= kMaxWarningNumber; ++w) {
    const int count = model.run.warnings.run_counts[static_cast<std::size_t>(w)];
    if (count > 0) outcome->warnings.emplace_back(w, count);
  }
  outcome->cases.clear();
  for (std::size_t c = 0; c < model.case_records.size(); ++c) {
    const CaseRecord& r = model.case_records[c];
    outcome->cases.push_back({static_cast<int>(c) + 1, r.top_deflection, r.head_slope, r.max_moment,
                              r.max_moment_depth, r.max_shear, r.max_shear_depth, r.iterations});
  }
  const UnitSystem u = model.options.units;
  outcome->length_unit = u == UnitSystem::kSi ? "m" : u == UnitSystem::kGeneral ? "L" : "in";
  outcome->force_unit = u == UnitSystem::kSi ? "kN" : u == UnitSystem::kGeneral ? "F" : "lb";
  outcome->moment_unit = u == UnitSystem::kSi        ? "kN-m"
                         : u == UnitSystem::kGeneral ? "F-L"
                                                     : "in-lb";
}

}  // namespace

const char* version_text() { return "(6.0.28)"; }

int run(const RunFiles& files, const RunOptions& options) {
  auto owned = std::make_unique<AnalysisModel>();
  AnalysisModel& model = *owned;
  model.run.paths = {files.input, files.report, files.plot, files.message};
  model.run.working_directory = platform::WorkingDirectory();

  InputFile input;
  try {
    if (OpenFiles(model, input)) {
      Analyse(model, input, options.clock ? options.clock() : platform::LocalNow());
    }
  } catch (const std::exception& e) {
    // Out of memory or a fault of the engine itself: end the run in order.
    for (RecordWriter* out : {&model.report, &model.message}) {
      out->Write("(//A/)", {"**** Runtime Error No. 19 ****"});
      out->Write("(A,A)", {"An internal error ended the analysis: ", e.what()});
    }
    ReportError(model, "RUN00019", 219);
  }
  EndRun(model);

  const int result = ResultCode(model);
  if (options.outcome != nullptr) FillOutcome(model, result, options.outcome);
  return result;
}

}  // namespace tarvex
