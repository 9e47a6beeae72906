// The report blocks and plot records that are results as data, rendered
// again from the RunResults of a finished run: each block must be, byte for
// byte, a part of the golden report or plot file of the example. A value the
// results leave out, or one they keep other than the file printed it, makes
// a block that the golden file does not hold. Each solved load case, its
// studies and the summary are rendered from the results too, with the print
// options of the input.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/input_model.hpp"
#include "engine/run_stages.hpp"
#include "format/record_writer.hpp"
#include "format/run_output.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "report/load_case_report.hpp"
#include "report/lrfd_report.hpp"
#include "report/py_curve_report.hpp"
#include "report/run_report.hpp"
#include "report/section_report.hpp"
#include "report/study_report.hpp"
#include "report/summary_report.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

const fs::path kExamples = fs::path(TARVEX_SOURCE_DIR) / "examples";
const fs::path kExpected = fs::path(TARVEX_SOURCE_DIR) / "tests" / "golden" / "expected";

UnitSystem SystemOf(const RunResults& r) {
  if (r.units.system == "SI") return UnitSystem::kSi;
  if (r.units.system == "GENERAL") return UnitSystem::kGeneral;
  return UnitSystem::kUscs;
}

// Renders one block into memory.
std::string Render(const std::function<void(RecordWriter&)>& write) {
  RecordWriter w;
  write(w);
  return w.contents();
}

// The blocks of each kind rendered, over all examples, so that the test
// cannot pass by finding nothing to render.
using Counts = std::map<std::string, int>;

void ExpectInReport(const std::string& golden, const std::string& block, const std::string& kind,
                    const std::string& example, Counts& rendered) {
  if (block.empty()) return;
  ++rendered[kind];
  EXPECT_NE(golden.find(block), std::string::npos)
      << example << ": the " << kind << " rendered from the results is not in its golden file:\n"
      << block;
}

// The example's input as read: the print options the report of a load case
// follows (print increment, summary only, the units code of its plot record).
std::unique_ptr<InputModel> ReadExample(const std::string& example) {
  auto model = std::make_unique<InputModel>();
  RunOutput out;
  InputFile file;
  file.OpenText(ReadFile(kExamples / (example + ".tv6")));
  ReadInputData(file, example + ".tv6", *model, out);
  EXPECT_FALSE(out.failed()) << example;
  return model;
}

// The heading of the section analysis with the first section's number; each
// solved load case's block and plot records and its pile-length study,
// then, for a run that went on to them, the summary of the cases (or of the
// LRFD combinations with their check) and the pile-head stiffness study, all
// rendered from the results with the input's print options.
void RenderCasesAgain(const std::string& example, const RunResults& r, Counts& rendered) {
  const std::string golden = ReadFile(kExpected / (example + ".out"));
  const std::string golden_plot = ReadFile(kExpected / (example + ".plt"));
  const std::unique_ptr<InputModel> input = ReadExample(example);
  const UnitSystem units = input->options.units;
  const auto expect = [&](const RunOutput& out, const std::string& kind, const std::string& at) {
    ExpectInReport(golden, out.report.contents(), kind, at, rendered);
    ExpectInReport(golden_plot, out.plot.contents(), "plot records of " + kind, at, rendered);
  };
  if (!r.sections.empty()) {
    RecordWriter heading;
    WriteSectionsHeading(heading, input->options, static_cast<int>(input->sections.size()));
    WriteSectionNumber(heading, 1);
    ExpectInReport(golden, heading.contents(), "heading of the section analysis", example,
                   rendered);
  }
  for (const LoadCaseResult& c : r.cases) {
    const std::string at = example + " case " + std::to_string(c.number);
    RunOutput block;
    WriteLoadCaseReport(input->options, LoadCaseCount(*input), c, block);
    expect(block, "load case", at);
    if (c.length_study) {
      RunOutput study;
      WriteLengthStudy(units, c, study);
      expect(study, "pile-length study", at);
    }
  }
  if (r.error || r.cases.empty()) return;
  RunOutput summary;
  if (r.lrfd) {
    WriteLrfdSummary(units, r.cases, r.lrfd_check, summary);
    expect(summary, "LRFD summary and check", example);
  } else {
    WritePileHeadSummary(units, r.cases, summary);
    expect(summary, "summary of the load cases", example);
  }
  if (r.stiffness) {
    RunOutput study;
    WriteStiffnessStudy(units, *r.stiffness, study);
    expect(study, "pile-head stiffness study", example);
  }
}

void RenderAgain(const std::string& example, Counts& rendered) {
  const std::string golden = ReadFile(kExpected / (example + ".out"));
  const std::string golden_plot = ReadFile(kExpected / (example + ".plt"));
  ASSERT_FALSE(golden.empty()) << example;
  ASSERT_FALSE(golden_plot.empty()) << example;
  const RunResults r = analyse(ReadFile(kExamples / (example + ".tv6")));
  const UnitSystem units = SystemOf(r);

  // Each section's blocks and plot records in the order section analysis
  // tells the report of them: a section of computed tables has its
  // properties, thrusts, one table per thrust and the summary of capacities;
  // an elastic, elastic-plastic or user-defined one the note of how its
  // tables were derived. The plot records: the number of thrusts before the
  // first section, then each thrust's curve.
  Options options;
  options.units = units;
  options.run_kind = r.run_kind == 2 ? RunKind::kBendingStiffnessOnly : RunKind::kPileAnalysis;
  options.lrfd = r.lrfd;
  for (const SectionResult& s : r.sections) {
    const std::string at = example + " section " + std::to_string(s.number);
    const bool computed = s.curves == SectionCurveSource::kComputed;
    RecordWriter block, plot;
    RenderSection(s, options, block, plot);
    const std::string kind = computed ? "section of computed tables" : "section of derived tables";
    ExpectInReport(golden, block.contents(), kind, at, rendered);
    ExpectInReport(golden_plot, plot.contents(), "plot records of a " + kind, at, rendered);
  }
  for (const PyCurveResult& c : r.py_curves) {
    ExpectInReport(golden, Render([&](RecordWriter& w) { WritePyCurve(units, c, w); }),
                   "printed p-y curve", example + " curve " + std::to_string(c.number), rendered);
  }
  // The printed curves' plot records of a pile analysis: the number of
  // curves, then each curve's depth and points; a run that prints no curves
  // gives the number 0 alone.
  if (options.run_kind == RunKind::kPileAnalysis) {
    ExpectInReport(golden_plot,
                   Render([&](RecordWriter& w) { WritePyCurveRecords(r.py_curves, w); }),
                   r.py_curves.empty() ? "plot records of no printed p-y curve"
                                       : "plot records of printed p-y curves",
                   example, rendered);
  }
  if (r.lrfd_loading) {
    ExpectInReport(golden,
                   Render([&](RecordWriter& w) { WriteLrfdLoading(units, *r.lrfd_loading, w); }),
                   "LRFD forms", example, rendered);
  }
  for (const LoadCaseResult& c : r.cases) {
    if (c.lrfd_distributed_loads.empty()) continue;
    ExpectInReport(golden, Render([&](RecordWriter& w) {
                     WriteLrfdDistributedLoads(units, c.lrfd_distributed_loads, w);
                   }),
                   "LRFD distributed loads", example + " case " + std::to_string(c.number),
                   rendered);
  }
  RenderCasesAgain(example, r, rendered);
}

std::vector<std::string> Examples() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kExpected)) {
    if (entry.path().extension() == ".out") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RerenderFromResults, EveryBlockOfDataIsPartOfTheGoldenFiles) {
  Counts rendered;
  const std::vector<std::string> examples = Examples();
  ASSERT_GE(examples.size(), 10u);
  for (const std::string& example : examples) RenderAgain(example, rendered);
  for (const char* kind : {"section of computed tables",
                           "section of derived tables",
                           "plot records of a section of computed tables",
                           "plot records of a section of derived tables",
                           "printed p-y curve",
                           "plot records of printed p-y curves",
                           "plot records of no printed p-y curve",
                           "LRFD forms",
                           "LRFD distributed loads",
                           "load case",
                           "plot records of load case",
                           "pile-length study",
                           "plot records of pile-length study",
                           "summary of the load cases",
                           "plot records of summary of the load cases",
                           "LRFD summary and check",
                           "plot records of LRFD summary and check",
                           "pile-head stiffness study",
                           "plot records of pile-head stiffness study",
                           "heading of the section analysis"}) {
    EXPECT_GT(rendered[kind], 0) << "no example rendered a " << kind;
  }
}

}  // namespace
}  // namespace tarvex
