#include "input/reader.hpp"

namespace tarvex {

void ReadKeywordFile(AnalysisModel& model, InputFile& /*file*/) {
  ReportStageNotBuilt(model, "reading of the TARVEX6 keyword sections");
}

}  // namespace tarvex
