#include "report/echo.hpp"

#include "pile/lrfd.hpp"

namespace tarvex {

// The echo of the input and its cross-checks are not part of this build yet;
// the LRFD block, which also forms the factored combinations, is.
void WriteInputEcho(AnalysisModel& model) {
  model.message.Write("(A)", {"Output of input data begun"});
  if (model.options.lrfd) FormLrfdCombinations(model);
  model.message.Write("(A)", {"Output of input data completed"});
}

}  // namespace tarvex
