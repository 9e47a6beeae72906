// p-y curves: the soil criteria of the layers, dispatched over their nodes.
#ifndef TARVEX_SOIL_PY_CURVES_HPP_
#define TARVEX_SOIL_PY_CURVES_HPP_

#include "soil/py_context.hpp"

namespace tarvex {

// One solver pass: every layer that holds a node gives its nodes new secant
// soil moduli from their current deflections, in layer order; layers below a
// rock-type layer are marked so that their curves start from the ground
// surface rather than from an equivalent depth.
void UpdateSoilModuli(const PyPass& pass);

// Prints the p-y curves at the depths the input asks for (load case 1 only),
// with the equivalent depths and layer resistances the last solver pass
// left. The curves are evaluated at stations of their own; `pass.nodes`, the
// pile's nodes, are only read.
void PrintPyCurves(const PyPass& pass);

}  // namespace tarvex

#endif  // TARVEX_SOIL_PY_CURVES_HPP_
