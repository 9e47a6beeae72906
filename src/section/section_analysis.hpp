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

// Analyses pile section `section` (number n, 1-based) for every axial thrust
// level of `thrusts` (ascending; kips in USCS runs) into `tables` for the
// solver, and into `result` its moment-curvature tables with every column of
// the report and its axial capacities; writes its report and plot records.
// The options give the units, the run kind and whether the thrusts come from
// LRFD combinations.
void AnalyseSection(const PileSection& section, int n, const Options& options,
                    const std::vector<double>& thrusts, SectionTables& tables,
                    SectionResult& result, RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_SECTION_SECTION_ANALYSIS_HPP_
