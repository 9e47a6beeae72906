// The stages of a run that the run sequence (engine/run.cpp) calls in order:
// section analysis, one load case, the summary, the pile-head stiffness
// study and the load-deflection curves.
#include "engine/run_stages.hpp"

#include <algorithm>
#include <exception>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/interaction_results.hpp"
#include "engine/results.hpp"
#include "input/reader.hpp"
#include "pile/analysis.hpp"
#include "pile/iteration.hpp"
#include "pile/lrfd.hpp"
#include "pile/response.hpp"
#include "pile/studies.hpp"
#include "report/load_case_report.hpp"
#include "report/lrfd_report.hpp"
#include "report/py_curve_report.hpp"
#include "report/section_report.hpp"
#include "report/study_report.hpp"
#include "report/summary_report.hpp"
#include "section/section_analysis.hpp"
#include "soil/py_curves.hpp"

namespace tarvex {
namespace {

// The printed p-y curves of load case 1 as the output pass forms them: each
// kept in the results and its block rendered in the report at once, so that
// an error a later station raises stands below the curves before it; their
// plot records, which open with the number of curves, once the pass is over.
class PrintedCurveReport : public PrintedCurveSink {
 public:
  PrintedCurveReport(UnitSystem units, RecordWriter& report, RecordWriter& plot,
                     std::vector<PyCurveResult>& kept, std::vector<int>& layers)
      : units_(units),
        report_(report),
        plot_(plot),
        kept_(kept),
        layers_(layers),
        first_(kept.size()) {}
  void Start() override { WritePyCurvesHeading(report_); }
  void Curve(const PrintedPyCurve& curve) override {
    WritePyCurve(units_, KeepPrintedCurve(curve, kept_), report_);
  }
  void LayerDone(int layer) override {
    layers_.push_back(layer);
    WritePyCurveLayerEnd(report_);
  }
  void Done() override { WritePyCurveRecords(std::span(kept_).subspan(first_), plot_); }
  void AboveGround(int stations, int station, double depth) override {
    WriteCurveAboveGroundRecords(stations, station, depth, plot_);
  }

 private:
  UnitSystem units_;
  RecordWriter& report_;
  RecordWriter& plot_;
  std::vector<PyCurveResult>& kept_;
  std::vector<int>& layers_;
  std::size_t first_;  // the first curve of this pass in `kept_`
};

}  // namespace

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
    if (n == 1) WriteSectionsHeading(out.report, input.options, count);
    WriteSectionNumber(out.report, n);
    const auto i = static_cast<std::size_t>(n - 1);
    SectionReport report(out.report, out.plot, input.options);
    AnalyseSection(input.sections[i], n, input.options, model.tables.thrusts,
                   model.tables.section_tables[i], model.results.sections[i], out, report);
    if (out.failed()) return;
    if (input.options.interaction) {
      model.results.sections[i].interaction = DescribeInteraction(input.sections[i], input.options);
    }
    out.message.Write("(A,I0/)",
                      {"Completed computing nonlinear bending stiffness of section ", n});
  }
}

void FormInputTables(AnalysisModel& model, const std::optional<InputCheckFault>& fault) {
  model.tables.thrusts = ThrustTable(model.input);
  if (!model.input.options.lrfd || !EchoReachesLrfdForms(fault)) return;
  LrfdForms forms = FormLrfdCombinations(model.input);
  model.tables.lrfd_loads = std::move(forms.loads);
  model.tables.thrusts = std::move(forms.thrusts);
  model.results.lrfd_loading = std::move(forms.loading);
}

void WriteSectionCount(AnalysisModel& model) {
  WriteSectionCountRecord(model.out.plot, static_cast<int>(model.input.sections.size()));
}

// Run kind 2: nonlinear bending stiffness of the sections only.
void ComputeBendingStiffnessOnly(AnalysisModel& model) {
  WriteSectionCount(model);
  AnalyseAllSections(model, true);
}

std::vector<PrintedPyCurve> PrintLoadCaseCurves(AnalysisModel& model) {
  PrintedCurveReport report(model.input.options.units, model.out.report, model.out.plot,
                            model.results.py_curves, model.results.py_curve_layers);
  return PrintPyCurves(PyPass{model.input, model.tables, model.soil, model.state.nodes,
                              model.state.pile_length, model.out},
                       report);
}

// One load case c of `cases`: its nodes, the iteration of solver and p-y
// criteria, its result computed from the last solution, then its report
// block and plot records rendered from it, and its pile-length study. False
// when the run ends with this case (an error, or a case that did not
// converge).
bool AnalyseLoadCase(AnalysisModel& model, int c, int cases) {
  const InputModel& input = model.input;
  const DerivedTables& tables = model.tables;
  CaseState& state = model.state;
  RunOutput& out = model.out;
  std::vector<LoadCaseResult>& results = model.results.cases;
  std::vector<LrfdDistributedLoads> distributed = PrepareLoadCase(input, tables, c, state, out);
  if (input.options.lrfd) WriteLrfdDistributedLoads(input.options.units, distributed, out.report);
  if (out.failed()) return false;
  out.message.Write("(A,I0)", {"Computing lateral response of pile for load number ", c});
  ResetWarningsForLoadCase(out.warnings(), c);
  state.nodes.y.fill(0.0);
  StartLoadCase(input, tables, c, model.soil, state, out);
  if (out.failed()) return false;

  PileIterationStages stages(input, tables, model.soil, out);
  const CaseIteration iteration =
      IterateLoadCase(input.options, tables.layers, model.soil, state, stages, out);
  const bool deflection_and_moment =
      !input.options.lrfd &&
      input.load_cases[static_cast<std::size_t>(c - 1)].type == LoadType::kDeflectionAndMoment;
  if (iteration == CaseIteration::kFailed) return false;
  // A deflection-and-moment case that did not converge still reports its
  // last iterate; its runtime error then ends the run.
  if (iteration == CaseIteration::kNotConverged && !deflection_and_moment) return false;
  if (iteration == CaseIteration::kConverged) {
    out.message.Write("(A)", {"Convergence Criteria Met"});
  }
  const int code_before = out.diagnostics.error_code;
  // p-y curves are printed for load case 1 only.
  if (c == 1) {
    if (input.options.print_py_curves) {
      PrintLoadCaseCurves(model);
      if (out.diagnostics.error_code != code_before) return false;
    } else {
      WritePyCurveRecords({}, out.plot);
    }
  }
  LoadCaseResult& result = results.emplace_back();
  ComputeCaseResult(input, tables, state, result);
  result.lrfd_distributed_loads = std::move(distributed);
  result.status =
      iteration == CaseIteration::kConverged ? CaseStatus::kConverged : CaseStatus::kNotConverged;
  // A case whose response is not finite ends the run before any of its
  // lines is written, and leaves no result.
  if (const int node = FirstNonFiniteNode(result); node != 0) {
    results.pop_back();
    ReportNotFinite(out, {ErrorTextValue("result", "pile response"), ErrorValue("load case", c),
                          ErrorValue("node", node)});
    return false;
  }
  result.head_stiffness = ComputeHeadStiffness(state, result);
  WriteLoadCaseReport(input.options, cases, result, out);
  if (out.diagnostics.error_code != code_before) return false;
  // The pile-length study, never for an LRFD combination.
  if (!input.options.lrfd && input.load_cases[static_cast<std::size_t>(c - 1)].length_study) {
    out.message.Write(
        "(A,I0,A)", {"Computing top deflection vs. pile embedment length for load case ", c, "."});
    RunLengthStudy(input, tables, c, model.soil, state, out, result.length_study.emplace());
    if (out.diagnostics.error_code != code_before) return false;
    if (!LengthStudyFinite(*result.length_study)) {
      result.length_study.reset();
      ReportNotFinite(out,
                      {ErrorTextValue("result", "pile-length study"), ErrorValue("load case", c)});
      return false;
    }
    WriteLengthStudy(input.options.units, result, out);
  } else {
    WriteNoLengthStudy(c, input.options.lrfd, out.plot);
  }
  out.message.Write("(A,I0/)", {"Completed Analysis ", c});
  return !out.failed();
}

int LoadCaseCount(const InputModel& input) {
  return static_cast<int>(input.options.lrfd ? input.lrfd_combinations.size()
                                             : input.load_cases.size());
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
    // The pile head did not move under a study load.
    ReportNotFinite(model.out, {ErrorTextValue("result", "pile-head stiffness study")});
    return;
  }
  WriteStiffnessStudy(input.options.units, study, model.out);
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

}  // namespace tarvex
