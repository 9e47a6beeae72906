// The run sequence: one call of the engine is one complete analysis.
//
//   open the files -> read the input -> report header -> input echo and unit
//   conversion -> section analysis -> for every load case: prepare the nodes,
//   iterate solver and p-y criteria, report -> summary and studies -> end of run.
//
// Every stage reports its errors through the run's output and returns; the sequence
// tests the error code after each stage and goes to the end of the run at the
// first error.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/diagnostics.hpp"
#include "engine/interaction_results.hpp"
#include "engine/model.hpp"
#include "engine/report_header.hpp"
#include "engine/results.hpp"
#include "engine/run_files.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "input/unit_conversion.hpp"
#include "pile/analysis.hpp"
#include "pile/iteration.hpp"
#include "pile/lrfd.hpp"
#include "pile/response.hpp"
#include "pile/studies.hpp"
#include "platform/platform.hpp"
#include "report/echo.hpp"
#include "report/load_case_report.hpp"
#include "report/study_report.hpp"
#include "report/summary_report.hpp"
#include "report/warning_summary.hpp"
#include "section/section_analysis.hpp"
#include "soil/py_curves.hpp"
#include "tarvex/engine.hpp"
#include "tarvex/version.h"

namespace tarvex {
namespace {

// The files of a run, in the order of the paths.
constexpr const char* kFileNames[4] = {"input data file", "output report file", "plot output file",
                                       "runtime message file"};

// A file the run cannot use: runtime error 7 (the input data file) or 8 (an
// output file). The message names the file and the system's reason; it goes
// to the standard error stream (unless the run is quiet) and to the report
// and message files that are open (in a run in memory, `in_memory`, to both).
void ReportUnusableFile(const RunContext& run, RunOutput& run_out, int number,
                        std::string_view what, std::string_view path, std::string_view reason,
                        std::string_view consequence = "No analysis performed.",
                        bool in_memory = false) {
  const ErrorId id = number == 7 ? ErrorId::kInputFileUnusable : ErrorId::kOutputFileUnusable;
  const std::string heading(ErrorHeading(id));
  const std::string line1 = std::string(what) + ": " + std::string(path);
  const std::string line2 = "Reason: " + std::string(reason) + ".  " + std::string(consequence);
  if (!run.quiet) {
    std::fprintf(stderr, "\n%s\n\n%s\n%s\n", heading.c_str(), line1.c_str(), line2.c_str());
  }
  ErrorBlock block(run_out);
  for (const std::string* line : {&heading, &line1, &line2}) block.AddShownLine(*line);
  for (RecordWriter* out : {&run_out.report, &run_out.message}) {
    if (!out->is_open() && !in_memory) continue;
    out->Write("(//A/)", {heading});
    out->Write("(A)", {line1});
    out->Write("(A)", {line2});
  }
  block.Report(id, {ErrorTextValue("path", std::string(path)),
                    ErrorTextValue("reason", std::string(reason))});
}

// Paths of the run that name one file: an output that would be written over
// the input data file or over another output. Runtime error 8, before any
// output file is created or emptied; the error goes to the report and
// message files only when they are none of those files.
bool RefuseSameFiles(const RunContext& run, const InputFile& input, bool input_ok, RunOutput& out) {
  const auto& paths = run.paths;
  const std::vector<SameFilePair> pairs = FindSameFiles(paths);
  if (pairs.empty()) return false;
  bool involved[4] = {};
  for (const SameFilePair& p : pairs) involved[p.first] = involved[p.second] = true;
  std::vector<FileIdentity> keep;
  if (input_ok) keep.push_back(input.identity());
  std::string ignored;  // a file that cannot be opened does not take the message
  if (!involved[1]) out.report.Open(paths[1], &ignored, keep);
  if (!involved[3]) out.message.Open(paths[3], &ignored, keep);
  const SameFilePair& p = pairs.front();
  const auto first = static_cast<std::size_t>(p.first);
  const auto second = static_cast<std::size_t>(p.second);
  ReportUnusableFile(
      run, out, 8, "The " + std::string(kFileNames[second]) + " cannot be used", paths[second],
      "it is the same file as the " + std::string(kFileNames[first]) + " " + paths[first]);
  return true;
}

// An empty input data file: input error 25.
bool RefuseEmptyInput(const InputFile& input, RunOutput& out) {
  if (input.size() != 0) return false;
  ErrorBlock block(out);
  out.message.Write("(//A/)", {ErrorHeading(ErrorId::kEmptyInputFile)});
  out.message.Write("(A/)", {"Size of input data file is 0 bytes.  No analysis performed."});
  block.Report(ErrorId::kEmptyInputFile, {ErrorValue("input data file size", 0.0, "bytes")});
  return true;
}

// Takes an input text given in memory as the input data file: runtime error
// 7 beyond the size limit of an input data file, input error 25 for an empty
// text. False after an error.
bool OpenInputText(const RunContext& run, std::string_view text, const std::string& name,
                   InputFile& input, RunOutput& out) {
  if (text.size() > InputFile::kMaxBytes) {
    ReportUnusableFile(run, out, 7, "The input data file cannot be read", name,
                       "it is larger than " + std::to_string(InputFile::kMaxBytes >> 20U) + " MiB",
                       "No analysis performed.", true);
    return false;
  }
  input.OpenText(text);
  return !RefuseEmptyInput(input, out);
}

// Opens the input data file and creates (or replaces) the three output files.
bool OpenFiles(const RunContext& run, InputFile& input, RunOutput& out) {
  const auto& paths = run.paths;
  std::string input_error;
  // The input is read whole before any output is touched.
  const bool input_ok = input.Open(paths[0], &input_error);
  if (RefuseSameFiles(run, input, input_ok, out)) return false;
  RecordWriter* const outputs[3] = {&out.report, &out.plot, &out.message};
  // Checked again on the open files: a path that came to name the input or
  // an earlier output in the meantime is refused without being emptied.
  std::vector<FileIdentity> keep;
  if (input_ok) keep.push_back(input.identity());
  std::string errors[3];
  bool outputs_ok = true;
  for (int i = 0; i < 3; ++i) {
    RecordWriter& w = *outputs[i];
    if (!w.Open(paths[static_cast<std::size_t>(i + 1)], &errors[i], keep)) {
      outputs_ok = false;
    } else if (w.seekable() && w.identity() != FileIdentity{}) {
      keep.push_back(w.identity());
    }
  }
  if (!input_ok) {
    ReportUnusableFile(run, out, 7, "The input data file cannot be read", paths[0], input_error);
    return false;
  }
  if (!outputs_ok) {
    for (int i = 0; i < 3; ++i) {
      if (!errors[i].empty()) {
        ReportUnusableFile(run, out, 8,
                           "The " + std::string(kFileNames[i + 1]) + " cannot be created",
                           paths[static_cast<std::size_t>(i + 1)], errors[i]);
        return false;
      }
    }
  }
  return !RefuseEmptyInput(input, out);
}

// Section analysis of every pile section, with its progress lines.
void AnalyseAllSections(AnalysisModel& model, bool announce_every_section) {
  const InputModel& input = model.input;
  RunOutput& out = model.out;
  const int count = static_cast<int>(input.sections.size());
  model.tables.section_tables.resize(input.sections.size());
  for (int n = 1; n <= count; ++n) {
    if (announce_every_section || n == 1) {
      out.message.Write("(A,I0)", {"Computing nonlinear bending stiffness of section ", n});
    }
    if (n == 1) {
      out.report.Write("(//80('-')/4X,A/80('-')/)",
                       {"Computations of Nominal Moment Capacity and Nonlinear Bending "
                        "Stiffness"});
      const char* source =
          input.options.interaction ? "Axial thrust force values were determined from input values"
          : input.options.lrfd
              ? "Axial thrust force values were determined from LRFD load combinations"
              : "Axial thrust force values were determined from pile-head loading conditions";
      out.report.Write("(A/)", {source});
      out.report.Write("(A,I0/)", {"Number of Pile Sections Analyzed = ", count});
    }
    out.report.Write("(A,I0,A/)", {"Pile Section No. ", n, ":"});
    const auto i = static_cast<std::size_t>(n - 1);
    AnalyseSection(input.sections[i], n, input.options, model.tables.thrusts,
                   model.tables.section_tables[i], model.results.sections[i], out);
    if (out.failed()) return;
    if (input.options.interaction) {
      model.results.sections[i].interaction = DescribeInteraction(input.sections[i], input.options);
    }
    out.message.Write("(A,I0/)",
                      {"Completed computing nonlinear bending stiffness of section ", n});
  }
}

void WriteSectionCount(AnalysisModel& model) {
  model.out.plot.Write("(I5,75X,A)", {static_cast<int>(model.input.sections.size()),
                                      "Line 2 : Total number of sections"});
}

// Run kind 2: nonlinear bending stiffness of the sections only.
void ComputeBendingStiffnessOnly(AnalysisModel& model) {
  WriteSectionCount(model);
  AnalyseAllSections(model, true);
}

// The load cases: pile-head load cases, or the factored LRFD combinations.
// Each case's result is computed from its last solution, then its report
// block and plot records are rendered from it.
void AnalyseLoadCases(AnalysisModel& model) {
  const InputModel& input = model.input;
  const DerivedTables& tables = model.tables;
  CaseState& state = model.state;
  RunOutput& out = model.out;
  std::vector<LoadCaseResult>& results = model.results.cases;
  const int cases = static_cast<int>(input.options.lrfd ? input.lrfd_combinations.size()
                                                        : input.load_cases.size());
  results.reserve(static_cast<std::size_t>(cases));
  for (int c = 1; c <= cases; ++c) {
    PrepareLoadCase(input, tables, c, state, out);
    if (out.failed()) return;
    out.message.Write("(A,I0)", {"Computing lateral response of pile for load number ", c});
    ResetWarningsForLoadCase(out.warnings(), c);
    state.nodes.y.fill(0.0);
    StartLoadCase(input, tables, c, model.soil, state, out);
    if (out.failed()) return;

    PileIterationStages stages(input, tables, model.soil, out);
    const CaseIteration iteration =
        IterateLoadCase(input.options, tables.layers, model.soil, state, stages, out);
    const bool deflection_and_moment =
        !input.options.lrfd &&
        input.load_cases[static_cast<std::size_t>(c - 1)].type == LoadType::kDeflectionAndMoment;
    if (iteration == CaseIteration::kFailed) return;
    // A deflection-and-moment case that did not converge still reports its
    // last iterate; its runtime error then ends the run.
    if (iteration == CaseIteration::kNotConverged && !deflection_and_moment) return;
    if (iteration == CaseIteration::kConverged) {
      out.message.Write("(A)", {"Convergence Criteria Met"});
    }
    const int code_before = out.diagnostics.error_code;
    // p-y curves are printed for load case 1 only.
    if (c == 1) {
      if (input.options.print_py_curves) {
        KeepPrintedCurves(
            PrintPyCurves(PyPass{input, tables, model.soil, state.nodes, state.pile_length, out}),
            model.results.py_curves);
        if (out.diagnostics.error_code != code_before) return;
      } else {
        out.plot.Write("(I5,75X,A)", {0, "Line 6 : number of output p-y curves"});
      }
    }
    LoadCaseResult& result = results.emplace_back();
    ComputeCaseResult(input, tables, state, result);
    result.status =
        iteration == CaseIteration::kConverged ? CaseStatus::kConverged : CaseStatus::kNotConverged;
    // A case whose response is not finite ends the run before any of its
    // lines is written, and leaves no result.
    if (const int node = FirstNonFiniteNode(result); node != 0) {
      results.pop_back();
      ReportNotFinite(out, {"The response of the pile for load case " + std::to_string(c) +
                                " is not a finite number at node " + std::to_string(node) + ".",
                            "Check the input values of the pile, the soil and the loading for "
                            "their sizes and units."});
      return;
    }
    result.head_stiffness = ComputeHeadStiffness(state, result);
    WriteLoadCaseReport(input.options, cases, result, out);
    if (out.diagnostics.error_code != code_before) return;
    // The pile-length study, never for an LRFD combination.
    if (!input.options.lrfd && input.load_cases[static_cast<std::size_t>(c - 1)].length_study) {
      out.message.Write(
          "(A,I0,A)",
          {"Computing top deflection vs. pile embedment length for load case ", c, "."});
      RunLengthStudy(input, tables, c, model.soil, state, out, result.length_study.emplace());
      if (out.diagnostics.error_code != code_before) return;
      if (!LengthStudyFinite(*result.length_study)) {
        result.length_study.reset();
        ReportNotFinite(out, {"The pile-length study of load case " + std::to_string(c) +
                                  " gave a value that is not a finite number.",
                              "Check the input values of the pile, the soil and the loading for "
                              "their sizes and units."});
        return;
      }
      WriteLengthStudy(input.options.units, result, out);
    } else {
      WriteNoLengthStudy(c, input.options.lrfd, out.plot);
    }
    out.message.Write("(A,I0/)", {"Completed Analysis ", c});
    if (out.failed()) return;
  }
}

// The summary of all load cases; for LRFD runs with the performance check of
// every combination, each failure a warning of its combination.
void WriteRunSummary(AnalysisModel& model) {
  const InputModel& input = model.input;
  RunResults& results = model.results;
  if (!input.options.lrfd) {
    WritePileHeadSummary(input.options.units, results.cases, model.out);
    return;
  }
  results.lrfd_check = CheckLrfdCombinations(input, model.tables, results.cases);
  for (const LrfdCheckRow& row : results.lrfd_check) {
    if (row.verdict == LrfdVerdict::kFail) {
      RecordWarning(model.out.warnings(), -400, row.combination);
    }
  }
  WriteLrfdSummary(input.options.units, results.cases, results.lrfd_check, model.out);
}

// The pile-head stiffness study. The input gives no reference shear or
// moment, so the defaults of 10 lb and 100 lb-in (or their SI values) set the
// load levels; the axial thrust is that of load case 1 (in an LRFD run the
// factored thrust of combination 1).
void RunHeadStiffnessStudy(AnalysisModel& model) {
  const InputModel& input = model.input;
  double axial = 0.0;
  if (input.options.lrfd) {
    if (!model.tables.lrfd_loads.empty()) axial = model.tables.lrfd_loads.front().axial;
  } else if (!input.load_cases.empty()) {
    axial = input.load_cases.front().axial;
  }
  HeadStiffnessStudy& study = model.results.stiffness.emplace();
  RunStiffnessStudy(input, model.tables, 0.0, 0.0, axial, model.soil, model.state, model.out,
                    study);
  if (model.failed()) return;
  // A head that does not move under its study load gives no finite term.
  if (!StiffnessStudyFinite(study)) {
    model.results.stiffness.reset();
    ReportNotFinite(model.out, {"The pile-head stiffness study gave a stiffness that is not a "
                                "finite number: the pile head did not move under a study load.",
                                "Check the input values of the pile, the soil and the loading "
                                "for their sizes and units."});
    return;
  }
  WriteStiffnessStudy(input.options.units, study, model.out);
}

// Run kind 3: the pile under lateral load.
void AnalysePile(AnalysisModel& model) {
  PreparePileAnalysis(model.input, model.tables);
  DescribeLayers(model.tables.layers, model.results);
  WriteSectionCount(model);
  AnalyseAllSections(model, false);
  if (model.failed()) return;
  AnalyseLoadCases(model);
  // The demands of the cases solved, also when a later case failed.
  CheckInteractionDemands(model.results.cases, model.results.sections);
  if (model.failed()) return;
  WriteRunSummary(model);
  if (model.failed()) return;
  if (model.input.options.stiffness_matrix) {
    model.out.message.Write("(A/)", {"Computing pile-head stiffness matrix components."});
    RunHeadStiffnessStudy(model);
  }
}

// The load-deflection curve of every load case, after a run that ended
// without an error: each case solved again at the levels of its head loads
// asked for. The run's files, errors and warnings are complete before it
// and untouched by it.
void ComputeLoadCurves(AnalysisModel& model) {
  constexpr int kMostSteps = 1000;
  const int steps = std::min(model.run.load_steps, kMostSteps);
  if (steps < 1 || model.failed()) return;
  if (model.input.options.run_kind != RunKind::kPileAnalysis) return;
  try {
    for (LoadCaseResult& c : model.results.cases) {
      RunLoadCurve(model.input, model.tables, c.number, steps, model.soil, model.state,
                   c.load_curve.emplace());
    }
  } catch (const std::exception&) {
    // Out of memory: the run itself stands; its curves are dropped.
    for (LoadCaseResult& c : model.results.cases) c.load_curve.reset();
  }
}

// Reading and the checks of the input as a whole: the readers, the report
// header, the input echo with its cross-checks between sections, and the one
// unit conversion. False at the first error.
bool ReadAndEchoInput(AnalysisModel& model, InputFile& file, const DateTime& now) {
  RunOutput& out = model.out;
  ReadInputData(file, model.run.paths[0], model.input, out);
  if (model.failed()) return false;
  DescribeRun(model.input, model.results);
  model.tables.thrusts = ThrustTable(model.input);
  out.message.Write("(A)", {"Input of data completed"});

  const Options& options = model.input.options;
  out.report.Rewind();  // what the readers wrote is replaced by the report proper
  WriteReportHeader(out.report, model.run.paths, now);
  out.plot.Write("(4I5,60X,A)",
                 {static_cast<int>(options.run_kind), options.iunits, options.kyl,
                  options.stiffness_matrix ? 1 : 0, "Line 1 : ICOM, IUNITS, KYL, KXX"});

  WriteInputEcho(model.input, model.tables, out);
  if (model.failed()) return false;
  ConvertToComputingUnits(model.input);
  if (model.failed()) return false;
  DescribePile(model.input, model.results);
  return true;
}

// The checks a pile analysis makes before it solves a load case, on the
// input alone: the ground surface above the pile tip. False after an error.
bool CheckBeforeLoadCases(AnalysisModel& model) {
  if (model.input.options.run_kind != RunKind::kPileAnalysis) return true;
  PreparePileAnalysis(model.input, model.tables);
  PrepareNodes(model.input, model.tables, model.input.pile_length, NodeLoads::kHeadLoadsOnly,
               model.state, model.out);
  return CheckPileReachesGround(model.input, model.state.nodes, model.out);
}

// Reading, echo and the analysis proper; returns at the first error.
void Analyse(AnalysisModel& model, InputFile& file, const DateTime& now) {
  if (!ReadAndEchoInput(model, file, now)) return;
  const Options& options = model.input.options;
  RunOutput& out = model.out;

  // From here on the input is read-only.
  if (options.run_kind == RunKind::kBendingStiffnessOnly) {
    DescribeLayers(model.input.layers, model.results);
    ComputeBendingStiffnessOnly(model);
  } else if (options.run_kind == RunKind::kPileAnalysis) {
    AnalysePile(model);
    DescribeLayerMarks(model.soil, model.results);
  }
  CheckResultsFinite(out);
  ComputeLoadCurves(model);
}

// An output file that could not be written completely (a full disk, a
// device error): runtime error 8 naming the file, unless an error ended the
// run already; then the file is still named on the standard error stream.
void ReportIncompleteFile(const RunContext& run, RunOutput& out, int index,
                          const RecordWriter& file) {
  const auto i = static_cast<std::size_t>(index);
  const std::string what = "The " + std::string(kFileNames[i]) + " could not be written completely";
  if (out.failed()) {
    if (!run.quiet) {
      std::fprintf(stderr, "\n%s: %s\nReason: %s.\n", what.c_str(), run.paths[i].c_str(),
                   file.write_error().c_str());
    }
    return;
  }
  ReportUnusableFile(run, out, 8, what, run.paths[i], file.write_error(),
                     "The file is incomplete.");
}

// Results too wide for their fields, in a run that would end normally:
// warning 371, with the block that names them (the first few of each file)
// in the report and the message file. The fields themselves stay as the
// field rules print them.
void WarnOfOverflows(RunOutput& out) {
  if (out.failed()) return;
  const std::pair<const char*, const RecordWriter*> files[2] = {{"Report", &out.report},
                                                                {"Plot file", &out.plot}};
  int total = 0;
  std::vector<std::string> named;
  for (const auto& [name, file] : files) {
    total += file->overflowed_fields();
    for (const RecordWriter::FieldOverflow& f : file->overflows()) {
      named.push_back(std::string(name) + ", line " + std::to_string(f.line) + ": " + f.quantity);
    }
  }
  if (total == 0) return;
  for (RecordWriter* w : {&out.report, &out.message}) {
    w->Write("(//A/)", {"**** Warning - Results Too Wide for Their Fields ****"});
    w->Write("(A/A/)", {"These results are too wide for their fields and are printed as "
                        "asterisks; the results",
                        "file (JSON) holds their values:"});
    for (const std::string& line : named) w->Write("(3X,A)", {line});
    const int more = total - static_cast<int>(named.size());
    if (more > 0)
      w->Write("(3X,A,I0,A)", {"and ", more, more == 1 ? " more field" : " more fields"});
    w->Write("(/A/)", {"Check the loads and the units of the input: results this large are "
                       "seldom those of a real pile."});
  }
  RecordWarning(out.warnings(), -371);
}

// The closing lines of one file: the report, or the message file.
void WriteClosingLines(RunOutput& out, RecordWriter& file, bool warned) {
  const int code = out.diagnostics.error_code;
  const char* ended = code >= 101 && code <= 199   ? "The analysis ended due to an input error. "
                      : code >= 200 && code <= 299 ? "The analysis ended due to a runtime error. "
                                                   : nullptr;
  if (ended != nullptr) file.Write("(/A/)", {ended});
  if (warned) {
    if (&file == &out.message) {
      file.Write("(//A//)", {"The analysis ended with one or more warning messages."});
    } else {
      WriteWarningSummary(out.warnings(), file);
    }
  }
  if (code == 0) file.Write("(/A/)", {"The analysis ended normally. "});
}

// The end of the run: the closing lines, and every file closed. A file that
// could not be written completely ends the run with runtime error 8, so that
// no file says the analysis ended normally when its results are not all
// there. The message file is closed last, so that it can carry the failure of
// the report or plot file.
void EndRun(const RunContext& run, RunOutput& out) {
  RecordWriter* const outputs[3] = {&out.report, &out.plot, &out.message};
  bool reported[3] = {};
  auto check = [&](int i) {
    const auto k = static_cast<std::size_t>(i);
    if (reported[k] || !outputs[k]->write_failed()) return;
    reported[k] = true;
    ReportIncompleteFile(run, out, i + 1, *outputs[k]);
  };
  for (int i = 0; i < 3; ++i) outputs[i]->Flush();
  for (int i = 0; i < 3; ++i) check(i);
  WarnOfOverflows(out);
  const bool warned = out.warnings().head > 0;
  WriteClosingLines(out, out.report, warned);
  out.report.Close();
  out.plot.Close();
  check(0);
  check(1);
  WriteClosingLines(out, out.message, warned);
  out.message.Close();
  check(2);
}

// Runs `stages`; out of memory or a fault of the engine itself ends the run
// in order with runtime error 19.
template <typename Stages>
void Guarded(RunOutput& out, Stages&& stages) {
  try {
    stages();
  } catch (const std::exception& e) {
    ErrorBlock block(out);
    for (RecordWriter* w : {&out.report, &out.message}) {
      w->Write("(//A/)", {ErrorHeading(ErrorId::kInternalError)});
      w->Write("(A,A)", {"An internal error ended the analysis: ", e.what()});
    }
    block.Report(ErrorId::kInternalError, {ErrorTextValue("fault", e.what())});
  }
}

}  // namespace

const char* version_text() { return "(" TARVEX_VERSION_STRING ")"; }

RunResults analyse(std::string_view input_text, const AnalyseOptions& options) {
  auto owned = std::make_unique<AnalysisModel>();
  AnalysisModel& model = *owned;
  const RunFiles& names = options.names;
  model.run.paths = {names.input, names.report, names.plot, names.message};
  model.run.quiet = true;  // an analysis in memory hands its error to the caller only
  model.run.load_steps = options.load_steps;

  // No file is opened: the three writers keep their lines in memory.
  RunOutput& out = model.out;
  InputFile input;
  Guarded(out, [&] {
    if (OpenInputText(model.run, input_text, names.input, input, out)) {
      Analyse(model, input, options.clock ? options.clock() : platform::LocalNow());
    }
  });
  EndRun(model.run, out);

  const int result = ResultCode(out.diagnostics);
  FinishResults(out.diagnostics, result, model.results);
  if (options.keep_texts) {
    model.results.report_text = out.report.contents();
    model.results.plot_text = out.plot.contents();
    model.results.message_text = out.message.contents();
  }
  return std::move(model.results);
}

CheckResults check(std::string_view input_text, const std::string& input_name) {
  auto owned = std::make_unique<AnalysisModel>();
  AnalysisModel& model = *owned;
  model.run.paths = {input_name, "", "", ""};
  model.run.quiet = true;  // a check hands its error to the caller only

  // The writers keep their lines in memory; only the diagnostics are kept.
  RunOutput& out = model.out;
  InputFile input;
  Guarded(out, [&] {
    if (OpenInputText(model.run, input_text, input_name, input, out) &&
        ReadAndEchoInput(model, input, DateTime{})) {
      CheckBeforeLoadCases(model);
    }
  });

  const int result = ResultCode(out.diagnostics);
  FinishResults(out.diagnostics, result, model.results);
  CheckResults checked;
  checked.result_code = result;
  checked.outcome = model.results.outcome;
  checked.error = std::move(model.results.error);
  checked.warnings = std::move(model.results.warnings);
  for (const IgnoredValues& v : model.input.ignored_values) {
    checked.ignored_lines.push_back({v.line_number, v.line, v.values});
  }
  return checked;
}

int run(const RunFiles& files, const RunOptions& options) {
  auto owned = std::make_unique<AnalysisModel>();
  AnalysisModel& model = *owned;
  model.run.paths = {files.input, files.report, files.plot, files.message};
  model.run.working_directory = platform::WorkingDirectory();
  model.run.quiet = options.quiet;
  if (options.outcome != nullptr) model.run.load_steps = options.load_steps;

  RunOutput& out = model.out;
  InputFile input;
  Guarded(out, [&] {
    if (OpenFiles(model.run, input, out)) {
      Analyse(model, input, options.clock ? options.clock() : platform::LocalNow());
    }
  });
  EndRun(model.run, out);

  const int result = ResultCode(out.diagnostics);
  if (options.outcome != nullptr) {
    FinishResults(out.diagnostics, result, model.results);
    options.outcome->result = result;
    options.outcome->results = std::move(model.results);
  }
  return result;
}

}  // namespace tarvex
