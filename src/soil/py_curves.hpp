// p-y curves: the soil criteria of the layers, dispatched over their nodes.
#ifndef TARVEX_SOIL_PY_CURVES_HPP_
#define TARVEX_SOIL_PY_CURVES_HPP_

#include "engine/model.hpp"

namespace tarvex {

// Prints the p-y curves at the depths the input asks for (load case 1 only).
void PrintPyCurves(AnalysisModel& model);

}  // namespace tarvex

#endif  // TARVEX_SOIL_PY_CURVES_HPP_
