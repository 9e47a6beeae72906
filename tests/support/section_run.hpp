// One pile section analysed on its own as a run would analyse it: the run's
// options and thrusts, the section's tables and the output files.
#ifndef TARVEX_TESTS_SUPPORT_SECTION_RUN_HPP_
#define TARVEX_TESTS_SUPPORT_SECTION_RUN_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "core/moment_curvature.hpp"
#include "format/run_output.hpp"
#include "report/section_report.hpp"
#include "section/section_analysis.hpp"

namespace tarvex::testing {

struct SectionRun {
  Options options;
  std::vector<PileSection> sections;
  std::vector<double> thrusts;  // kips in USCS
  std::vector<SectionTables> section_tables;
  std::vector<SectionResult> results;
  RunOutput out;

  // Section analysis of section n (1-based).
  void Analyse(int n = 1) {
    section_tables.resize(sections.size());
    results.resize(sections.size());
    const auto i = static_cast<std::size_t>(n - 1);
    SectionReport report(out.report, out.plot, options);
    AnalyseSection(sections[i], n, options, thrusts, section_tables[i], results[i], out, report);
  }
  int error_code() const { return out.diagnostics.error_code; }
};

}  // namespace tarvex::testing

#endif  // TARVEX_TESTS_SUPPORT_SECTION_RUN_HPP_
