// Complete inputs for pile analyses and load cases solved through the
// engine's stages, for tests of the pile solution.
#ifndef TARVEX_TESTS_SUPPORT_PILE_FIXTURE_HPP_
#define TARVEX_TESTS_SUPPORT_PILE_FIXTURE_HPP_

#include <memory>
#include <string>
#include <vector>

#include "core/printed_py_curve.hpp"
#include "engine/model.hpp"
#include "pile/iteration.hpp"

namespace tarvex::testing {

struct PileInputParts {
  std::string sections;  // body of SECTIONS
  std::string layers;    // body of SOIL LAYERS
  std::string loading;   // body of LOADING
  int increments = 100;
  std::string units = "USCS";
  std::vector<double> py_depths;  // printed p-y curves, when given
  bool cyclic = false;
  double cycles = 100.0;  // written in six columns
};

PileInputParts Parts(std::string sections, std::string layers, std::string loading,
                     int increments = 100);

// A TARVEX6 input file of the parts (static loading, 100 iterations,
// tolerance 1e-5, allowable deflection 10).
std::string PileInput(const PileInputParts& parts);

struct SolvedCase {
  std::unique_ptr<AnalysisModel> model;
  CaseIteration iteration;
};

// Reads the input and solves load case c through the stages of a run:
// unit conversion, pile preparation, section tables, node preparation and
// the nonlinear iteration.
// With `keep_node_values` false the p-y criteria compute every value afresh
// at every pass instead of keeping what depends only on the soil.
SolvedCase SolveCase(const std::string& input, int c, bool keep_node_values = true);

// A printed p-y curve with the report lines a run renders for it: the lines
// above its y-p table (title, values, notes, heading) and those after it.
struct RenderedCurve : PrintedPyCurve {
  std::vector<std::string> block;
  std::vector<std::string> notes;
};

// The output pass of the printed p-y curves over the solved case, as a run
// makes it after load case 1 (the report gets the blocks, the results the
// curves), each curve with its lines.
std::vector<RenderedCurve> PrintCurves(AnalysisModel& m);

}  // namespace tarvex::testing

#endif  // TARVEX_TESTS_SUPPORT_PILE_FIXTURE_HPP_
