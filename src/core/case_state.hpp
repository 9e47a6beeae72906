// The state of the load case being solved: the nodes of the finite-difference
// model, the soil read at them, the case's pile-head conditions, and the
// iteration's progress. Made once per run and set up again at the start of
// every load case.
#ifndef TARVEX_CORE_CASE_STATE_HPP_
#define TARVEX_CORE_CASE_STATE_HPP_

#include <array>
#include <vector>

#include "core/input_model.hpp"
#include "core/limits.hpp"
#include "core/node_soil.hpp"
#include "core/pile_nodes.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

struct CaseState {
  int number = 0;            // 1-based load case
  double pile_length = 0.0;  // of this solution: the input length at the start of a case
  LoadCase head;             // pile-head conditions and axial thrust of the case

  PileNodes nodes;
  // LRFD distributed loads of each load type at the nodes.
  std::array<std::array<double, PileNodes::kSlots>, limits::kLrfdLoadTypes> lrfd_type_loads = {};
  // The soil the p-y criteria read at the nodes, kept over the case's iterations.
  NodeSoilCache soil_reads;

  int iteration = 0;            // 1-based
  double top_deflection = 0.0;  // pile-head deflection after the latest iteration
  double max_change = 0.0;      // largest change of nodal deflection, last two iterations
  double tip_shear = 0.0;       // tip shear of the latest solution
  // Node whose pivot showed the latest solution's system not positive
  // definite under the axial compression (no stable equilibrium), else 0.
  int unstable_node = 0;
  // The solution's iterations among the last five before the iteration
  // limit, as the report lists them.
  std::vector<IterationRecord> last_iterations;
};

}  // namespace tarvex

#endif  // TARVEX_CORE_CASE_STATE_HPP_
