#include "support/pile_fixture.hpp"

#include <gtest/gtest.h>

#include "input/reader.hpp"
#include "pile/analysis.hpp"
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
  std::snprintf(loading, sizeof loading, "Loading %s%6d\n", p.cyclic ? "CYCLIC" : "STATIC",
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

SolvedCase SolveCase(const std::string& input, int c) {
  SolvedCase out{std::make_unique<AnalysisModel>(), CaseIteration::kFailed};
  AnalysisModel& m = *out.model;
  m.run.paths[0] = "test.tv6";
  InputFile file;
  file.OpenText(input);
  ReadInputData(m, file);
  EXPECT_EQ(m.run.error_code, 0) << m.report.contents();
  if (m.failed()) return out;
  m.labels = LabelsFor(m.options.units);
  ConvertToComputingUnits(m);
  PreparePileAnalysis(m);
  for (int n = 1; n <= static_cast<int>(m.sections.size()) && !m.failed(); ++n) {
    AnalyseSection(m, n);
  }
  if (m.failed()) return out;
  PrepareLoadCase(m, c);
  if (m.failed()) return out;
  ResetWarningsForLoadCase(m.run.warnings);
  StartLoadCase(m, c);
  if (m.failed()) return out;
  PileIterationStages stages;
  out.iteration = IterateLoadCase(m, stages, c);
  return out;
}

}  // namespace tarvex::testing
