// A p-y curve printed at a requested depth, as data: what the report block
// and the plot records of the curve show.
#ifndef TARVEX_CORE_PRINTED_PY_CURVE_HPP_
#define TARVEX_CORE_PRINTED_PY_CURVE_HPP_

#include "core/soil_criteria.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The curve as the criterion forms it is the results' PyCurveResult: its
// number among the requested depths (ascending), as the plot file's "curve
// no." gives it, the requested depth below the pile head, the 1-based soil
// layer and its criterion code, the points as printed (times the y- and
// p-multipliers), the report block's lines, values, notes and table layout,
// and the plot records' wording. Lengths are in the run's computing length
// unit, forces in its force unit. The short name is added when the run keeps
// the curve.
using PrintedPyCurve = PyCurveResult;

}  // namespace tarvex

#endif  // TARVEX_CORE_PRINTED_PY_CURVE_HPP_
