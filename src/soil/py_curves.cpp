#include "soil/py_curves.hpp"

namespace tarvex {

void PrintPyCurves(AnalysisModel& model) {
  ReportStageNotBuilt(model, "printing of p-y curves");
}

}  // namespace tarvex
