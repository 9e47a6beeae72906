#include "section/section_analysis.hpp"

namespace tarvex {

void AnalyseSection(AnalysisModel& model, int /*n*/) {
  ReportStageNotBuilt(model, "section analysis of the pile sections");
}

}  // namespace tarvex
