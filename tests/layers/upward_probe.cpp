// A call that reaches up on purpose: compiled as if it were part of the core,
// it calls the pile layer. The test link_layers_catches_upward_call expects the
// check of tests/layers/check_link_layers.py to name it.
#include "pile/analysis.hpp"

namespace tarvex {

void ProbeCallsUp(const InputModel& input, DerivedTables& tables) {
  PreparePileAnalysis(input, tables);
}

}  // namespace tarvex
