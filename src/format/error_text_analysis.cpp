#include "format/error_text_parts.hpp"

namespace tarvex {

bool WriteAnalysisErrorText(ErrorId /*id*/, const ErrorValues& /*values*/, RecordWriter& /*report*/,
                            RecordWriter& /*message*/) {
  return false;
}

}  // namespace tarvex
