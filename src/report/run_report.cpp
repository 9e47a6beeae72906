#include "report/run_report.hpp"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "core/error_catalogue.hpp"
#include "format/error_text.hpp"
#include "pile/input_checks.hpp"
#include "report/echo.hpp"
#include "report/load_case_report.hpp"
#include "report/lrfd_report.hpp"
#include "report/py_curve_report.hpp"
#include "report/report_header.hpp"
#include "report/section_report.hpp"
#include "report/study_report.hpp"
#include "report/summary_report.hpp"
#include "report/warning_summary.hpp"

namespace tarvex {
namespace {

void WriteIterationRecords(const std::vector<IterationRecord>& records, RecordWriter& report) {
  for (const IterationRecord& r : records) WriteIterationRecord(r, report);
}

// The section count record, the heading of the section analysis and each
// section's number, blocks and plot records.
void RenderSections(const RunResults& results, const Options& options, RunOutput& out) {
  const int count = static_cast<int>(results.sections.size());
  WriteSectionCountRecord(out.plot, count);
  for (const SectionResult& s : results.sections) {
    if (s.number == 1) WriteSectionsHeading(out.report, options, count);
    WriteSectionNumber(out.report, s.number);
    RenderSection(s, options, out.report, out.plot);
  }
}

// The printed p-y curves after load case 1: the heading, each layer's
// curves closed by a blank line (a layer whose depths print no curve too),
// then their plot records; the plot's count of no curve when none is asked
// for.
void RenderPrintedCurves(const RunResults& results, const Options& options, RunOutput& out) {
  if (!options.print_py_curves) {
    WritePyCurveRecords({}, out.plot);
    return;
  }
  WritePyCurvesHeading(out.report);
  for (const int layer : results.py_curve_layers) {
    for (const PyCurveResult& c : results.py_curves) {
      if (c.layer == layer) WritePyCurve(options.units, c, out.report);
    }
    WritePyCurveLayerEnd(out.report);
  }
  WritePyCurveRecords(results.py_curves, out.plot);
}

// The load cases (or LRFD combinations) with their studies, the summary and
// the pile-head stiffness study.
void RenderLoadCases(const RunResults& results, const InputModel& input, RunOutput& out) {
  const Options& options = input.options;
  const int cases =
      static_cast<int>(options.lrfd ? input.lrfd_combinations.size() : input.load_cases.size());
  for (const LoadCaseResult& c : results.cases) {
    if (options.lrfd)
      WriteLrfdDistributedLoads(options.units, c.lrfd_distributed_loads, out.report);
    WriteIterationRecords(c.last_iterations, out.report);
    if (c.number == 1) RenderPrintedCurves(results, options, out);
    WriteLoadCaseReport(options, cases, c, out);
    if (c.length_study) {
      WriteIterationRecords(c.length_study->last_iterations, out.report);
      WriteLengthStudy(options.units, c, out);
    } else {
      WriteNoLengthStudy(c.number, options.lrfd, out.plot);
    }
  }
  if (options.lrfd) {
    WriteLrfdSummary(options.units, results.cases, results.lrfd_check, out);
  } else {
    WritePileHeadSummary(options.units, results.cases, out);
  }
  if (results.stiffness) {
    WriteIterationRecords(results.stiffness->last_iterations, out.report);
    WriteStiffnessStudy(options.units, *results.stiffness, out);
  }
}

}  // namespace

void RenderSection(const SectionResult& s, const Options& options, RecordWriter& report,
                   RecordWriter& plot) {
  SectionReport blocks(report, plot, options);
  if (s.curves == SectionCurveSource::kComputed) {
    blocks.Prepared(s);
    blocks.ThrustsChosen(s);
    for (const ThrustCurve& c : s.thrusts) blocks.ThrustSolved(s, c);
    blocks.AllThrustsSolved(s);
  } else {
    blocks.TablesDerived(s);
  }
  blocks.CurvesKept(s);
}

bool RenderRunFiles(const RunResults& results, const InputModel* as_read, RunOutput& out) {
  const int code = results.error ? results.error->code : 0;
  const auto close = [&] {
    // The closing lines of the report: the block of results too wide for
    // their fields (after a normal end), then the summary of warnings.
    if (code == 0) {
      const FieldOverflows overflows = CollectOverflows(out.report, out.plot);
      if (overflows.total != 0) WriteOverflowNote(overflows, out.report);
    }
    const std::vector<SummarisedWarning> warnings = SummariseWarnings(results);
    WriteClosingLines(code, true, !results.warnings.empty(), warnings, out.report);
  };
  if (as_read == nullptr) {
    // The input did not read: the report is the readers' error block. An
    // output file the run could not write, or a fault of the engine, leaves
    // a report that is no rendering of the results.
    ErrorId id{};
    if (!results.error || !ErrorIdNamed(results.error->name, id)) return false;
    if (results.error->kind == "files" || results.error->kind == "internal") return false;
    if (!WriteErrorText(id, results.error->values, out.report, out.message)) return false;
    WriteEndedPrematurely(out.report, id);
    close();
    return true;
  }
  const Options& options = as_read->options;
  WriteReportHeader(out.report, results);
  WritePlotHeader(options, out.plot);
  // A check of the input as a whole that fails ends the echo, and the run,
  // with its error block.
  const std::optional<InputCheckFault> fault = CheckInput(*as_read);
  WriteInputEcho(*as_read, results.lrfd_loading, fault, out);
  if (fault) {
    close();
    return true;
  }
  if (results.error) return false;
  if (options.run_kind == RunKind::kBendingStiffnessOnly ||
      options.run_kind == RunKind::kPileAnalysis) {
    RenderSections(results, options, out);
  }
  if (options.run_kind == RunKind::kPileAnalysis) RenderLoadCases(results, *as_read, out);
  close();
  return true;
}

}  // namespace tarvex
