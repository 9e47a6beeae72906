// The run sequence: one call of the engine is one complete analysis.
//
//   open the files -> read the input -> checks between input sections, thrust
//   table and LRFD combinations -> report header -> input echo and unit
//   conversion -> section analysis -> for every load case: prepare the nodes,
//   iterate solver and p-y criteria, report -> summary and studies -> end of run.
//
// Every stage reports its errors through the run's output and returns; the sequence
// tests the error code after each stage and goes to the end of the run at the
// first error. The stages are in engine/run_stages.cpp, the opening and closing
// of the files in engine/run_files.cpp.
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/diagnostics.hpp"
#include "engine/interaction_results.hpp"
#include "engine/model.hpp"
#include "engine/results.hpp"
#include "engine/run_files.hpp"
#include "engine/run_stages.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "input/unit_conversion.hpp"
#include "pile/analysis.hpp"
#include "pile/input_checks.hpp"
#include "platform/platform.hpp"
#include "report/echo.hpp"
#include "report/report_header.hpp"
#include "tarvex/engine.hpp"
#include "tarvex/version.h"

namespace tarvex {
namespace {

// Run kind 3: the pile under lateral load.
void AnalysePile(AnalysisModel& model) {
  PreparePileAnalysis(model.input, model.tables);
  DescribeLayers(model.tables.layers, model.results);
  WriteSectionCount(model);
  AnalyseAllSections(model, false);
  if (model.failed()) return;
  // The load cases: pile-head load cases, or the factored LRFD combinations.
  const int cases = LoadCaseCount(model.input);
  model.results.cases.reserve(static_cast<std::size_t>(cases));
  for (int c = 1; c <= cases; ++c) {
    if (!AnalyseLoadCase(model, c, cases)) break;
  }
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

// Reading and the checks of the input as a whole: the readers, the checks
// between input sections, the warnings about the input as read, the tables
// derived from the input (thrusts, LRFD combinations), the report header, the
// input echo (ending with the error block of a failed check), and the one
// unit conversion. False at the first error.
bool ReadAndEchoInput(AnalysisModel& model, InputFile& file, const DateTime& now) {
  RunOutput& out = model.out;
  ReadInputData(file, model.run.paths[0], model.input, out);
  if (model.failed()) return false;
  DescribeRun(model.input, model.results);
  out.message.Write("(A)", {"Input of data completed"});
  const std::optional<InputCheckFault> fault = CheckInput(model.input);
  RecordInputWarnings(model.input, fault, out.warnings());
  FormInputTables(model, fault);

  const Options& options = model.input.options;
  out.report.Rewind();  // what the readers wrote is replaced by the report proper
  model.results.analysed_at = now;
  WriteReportHeader(out.report, model.results);
  WritePlotHeader(options, out.plot);

  WriteInputEcho(model.input, model.results.lrfd_loading, fault, out);
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

// Runs `stages`; out of memory or a fault of the engine itself ends the run
// in order with runtime error 19.
template <typename Stages>
void Guarded(RunOutput& out, Stages&& stages) {
  try {
    stages();
  } catch (const std::exception& e) {
    RaiseError(out, ErrorId::kInternalError, {ErrorTextValue("fault", e.what())});
  }
}

}  // namespace

const char* version_text() { return "(" TARVEX_VERSION_STRING ")"; }

RunResults analyse(std::string_view input_text, const AnalyseOptions& options) {
  auto owned = std::make_unique<AnalysisModel>();
  AnalysisModel& model = *owned;
  const RunFiles& names = options.names;
  model.run.paths = {names.input, names.report, names.plot, names.message};
  model.results.files = names;
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
  model.results.files.input = input_name;
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
  model.results.files = files;
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
