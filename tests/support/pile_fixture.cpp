#include "support/pile_fixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/run_stages.hpp"
#include "format/record_writer.hpp"
#include "input/reader.hpp"
#include "input/unit_conversion.hpp"
#include "pile/analysis.hpp"
#include "report/py_curve_report.hpp"
#include "report/section_report.hpp"
#include "section/section_analysis.hpp"

namespace tarvex::testing {

PileInputParts Parts(std::string sections, std::string layers, std::string loading,
                     int increments) {
  PileInputParts p;
  p.sections = std::move(sections);
  p.layers = std::move(layers);
  p.loading = std::move(loading);
  p.increments = increments;
  return p;
}

std::string PileInput(const PileInputParts& p) {
  std::string s = "TARVEX6\nTITLE\nTest pile\n\n\n\n\nOPTIONS\nUnits " + p.units +
                  "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
                  "UsePYModifiers NO\nComputeEIOnly NO\n";
  char loading[32];
  std::snprintf(loading, sizeof loading, "Loading %s%6g\n", p.cyclic ? "CYCLIC" : "STATIC",
                p.cycles);
  s += loading;
  s += "MaxIter 100\nMaxDefl 50.0\nTolerance " +
       std::string(p.units == "SI" ? "2.5E-7" : "1.0E-5") + "\nIncrements " +
       std::to_string(p.increments) + "\nPrintSummaryOnly NO\nPrintIncrement 5\n";
  s += p.py_depths.empty() ? "PrintPYCurves NO\n" : "PrintPYCurves YES\n";
  s += "ComputeInteraction NO\nSECTIONS\n" + p.sections + "SOIL LAYERS\n" + p.layers + "LOADING\n" +
       p.loading;
  if (!p.py_depths.empty()) {
    s += "DEPTHS OF PRINTED P-Y CURVES\n" + std::to_string(p.py_depths.size()) + "\n";
    for (std::size_t i = 0; i < p.py_depths.size(); ++i) {
      s += std::to_string(i + 1) + " " + std::to_string(p.py_depths[i]) + "\n";
    }
  }
  return s + "END\n";
}

SolvedCase SolveCase(const std::string& input, int c, bool keep_node_values) {
  SolvedCase out{std::make_unique<AnalysisModel>(), CaseIteration::kFailed};
  AnalysisModel& m = *out.model;
  InputFile file;
  file.OpenText(input);
  ReadInputData(file, "test.tv6", m.input, m.out);
  EXPECT_EQ(m.out.diagnostics.error_code, 0) << m.out.report.contents();
  if (m.failed()) return out;
  m.tables.thrusts = ThrustTable(m.input);
  ConvertToComputingUnits(m.input);
  PreparePileAnalysis(m.input, m.tables);
  m.tables.section_tables.resize(m.input.sections.size());
  m.results.sections.resize(m.input.sections.size());
  for (std::size_t n = 0; n < m.input.sections.size() && !m.failed(); ++n) {
    SectionReport report(m.out.report, m.out.plot, m.input.options);
    AnalyseSection(m.input.sections[n], static_cast<int>(n) + 1, m.input.options, m.tables.thrusts,
                   m.tables.section_tables[n], m.results.sections[n], m.out, report);
  }
  if (m.failed()) return out;
  m.state.soil_reads.keep_values = keep_node_values;
  PrepareLoadCase(m.input, m.tables, c, m.state, m.out);
  if (m.failed()) return out;
  ResetWarningsForLoadCase(m.out.warnings(), c);
  StartLoadCase(m.input, m.tables, c, m.soil, m.state, m.out);
  if (m.failed()) return out;
  PileIterationStages stages(m.input, m.tables, m.soil, m.out);
  out.iteration = IterateLoadCase(m.input.options, m.tables.layers, m.soil, m.state, stages, m.out);
  return out;
}

namespace {

// The lines of a curve's block rendered from `first` up to (not including)
// `last` of its lines.
std::vector<std::string> LinesOf(UnitSystem units, const PyCurveResult& curve, std::size_t first,
                                 std::size_t last) {
  PyCurveResult part = curve;
  part.lines.assign(curve.lines.begin() + static_cast<long>(first),
                    curve.lines.begin() + static_cast<long>(last));
  RecordWriter w;
  WritePyCurve(units, part, w);
  std::vector<std::string> lines;
  const std::string& text = w.contents();
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.emplace_back(text, start, end - start);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::vector<RenderedCurve> PrintCurves(AnalysisModel& m) {
  const std::size_t kept_before = m.results.py_curves.size();
  const std::vector<PrintedPyCurve> printed = PrintLoadCaseCurves(m);
  std::vector<RenderedCurve> rendered;
  for (std::size_t k = 0; k < printed.size(); ++k) {
    RenderedCurve& r = rendered.emplace_back();
    static_cast<PrintedPyCurve&>(r) = printed[k];
    const PyCurveResult& kept = m.results.py_curves[kept_before + k];
    std::size_t table = 0;
    while (table < kept.lines.size() && kept.lines[table].kind != CurveLineKind::kTable) ++table;
    const UnitSystem units = m.input.options.units;
    r.block = LinesOf(units, kept, 0, table);
    r.notes = LinesOf(units, kept, std::min(table + 1, kept.lines.size()), kept.lines.size());
  }
  return rendered;
}

}  // namespace tarvex::testing
