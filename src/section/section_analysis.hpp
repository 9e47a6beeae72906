// Section analysis: moment-curvature relations and bending-stiffness tables
// of the pile sections.
#ifndef TARVEX_SECTION_SECTION_ANALYSIS_HPP_
#define TARVEX_SECTION_SECTION_ANALYSIS_HPP_

#include "engine/model.hpp"

namespace tarvex {

// Analyses pile section n (1-based) for every axial thrust level and writes
// its report and plot records.
void AnalyseSection(AnalysisModel& model, int n);

}  // namespace tarvex

#endif  // TARVEX_SECTION_SECTION_ANALYSIS_HPP_
