#include "report/echo.hpp"

#include "pile/lrfd.hpp"

namespace tarvex {

// The echo of the input and its cross-checks are not part of this build yet;
// the LRFD block, which also forms the factored combinations, is.
void WriteInputEcho(const InputModel& input, DerivedTables& tables, RunOutput& out) {
  out.message.Write("(A)", {"Output of input data begun"});
  if (input.options.lrfd) {
    LrfdForms forms = FormLrfdCombinations(input, out.report);
    tables.lrfd_loads = std::move(forms.loads);
    tables.thrusts = std::move(forms.thrusts);
  }
  out.message.Write("(A)", {"Output of input data completed"});
}

}  // namespace tarvex
