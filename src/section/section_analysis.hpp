// Section analysis: moment-curvature relations and bending-stiffness tables
// of the pile sections.
#ifndef TARVEX_SECTION_SECTION_ANALYSIS_HPP_
#define TARVEX_SECTION_SECTION_ANALYSIS_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "core/moment_curvature.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// What section analysis tells as it forms a section's results, so that the
// report prints each of the section's blocks from them where it belongs:
// before the lines of an error or warning the analysis raises after it.
class SectionProgress {
 public:
  virtual ~SectionProgress() = default;
  // The tables of an elastic, elastic-plastic or user-defined section were
  // made from its properties (before they are checked and kept).
  virtual void TablesDerived(const SectionResult& /*result*/) {}
  // A section cut into strips was prepared: its dimensions, prestress,
  // concrete and capacities are set, its thrusts not yet checked.
  virtual void Prepared(const SectionResult& /*result*/) {}
  // Its analysed thrusts are set (and whether some were dropped).
  virtual void ThrustsChosen(const SectionResult& /*result*/) {}
  // The table of one thrust is solved, or solved as far as the neutral axis
  // was found (its capacity then 0).
  virtual void ThrustSolved(const SectionResult& /*result*/, const ThrustCurve& /*curve*/) {}
  // Every thrust of the section is solved: its capacities are complete.
  virtual void AllThrustsSolved(const SectionResult& /*result*/) {}
  // The section's tables of every thrust are complete, finite and kept in
  // its results (thrust, capacity and the moment, EI and curvature of every
  // point): the plot records of its curves are rendered from them.
  virtual void CurvesKept(const SectionResult& /*result*/) {}
};

// Analyses pile section `section` (number n, 1-based) for every axial thrust
// level of `thrusts` (ascending; kips in USCS runs) into `tables` for the
// solver, and into `result` the values of its report blocks: dimensions and
// properties, capacities, the moment-curvature tables with every column;
// tells `progress` as each is formed. Writes the lines of the errors it
// raises and records its warnings. The options give the
// units, the run kind and whether the thrusts come from LRFD combinations.
void AnalyseSection(const PileSection& section, int n, const Options& options,
                    const std::vector<double>& thrusts, SectionTables& tables,
                    SectionResult& result, RunOutput& out, SectionProgress& progress);

}  // namespace tarvex

#endif  // TARVEX_SECTION_SECTION_ANALYSIS_HPP_
