// The analysis model: the state of one run, made at the start of the run and
// dropped at its end. Its parts have one owner and one lifetime each:
//
//   input         filled by the readers, converted once to computing units,
//                 then read-only
//   tables        derived once from the input (thrusts, LRFD loads, the
//                 contiguous layers, soil profile, section properties and
//                 moment-curvature tables)
//   soil          the p-y criteria's per-layer values, kept over the run
//   state         the load case being solved: nodes, head conditions, iteration
//   results       the numbers of the run as data, filled as the run goes; the
//                 report and plot blocks of the load cases and the summary
//                 are rendered from them
//   run           the files of the run
//   out           the three output files and the error and warning record
#ifndef TARVEX_ENGINE_MODEL_HPP_
#define TARVEX_ENGINE_MODEL_HPP_

#include <array>
#include <string>
#include <vector>

#include "core/case_state.hpp"
#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "core/soil_working_values.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The files of the run.
struct RunContext {
  std::array<std::string, 4> paths;  // input, report, plot, message
  std::string working_directory;
  bool quiet = false;  // nothing on the standard error stream
  int load_steps = 0;  // levels of the load-deflection curves; 0: none
};

class AnalysisModel {
 public:
  AnalysisModel();

  InputModel input;
  DerivedTables tables;
  SoilWorkingValues soil;
  CaseState state;
  RunResults results;
  RunContext run;
  RunOutput out;

  bool failed() const { return out.failed(); }
};

// Defined apart from its declaration, so that making a model runs the
// members' own initializers only and does not first zero the whole model.
inline AnalysisModel::AnalysisModel() = default;

}  // namespace tarvex

#endif  // TARVEX_ENGINE_MODEL_HPP_
