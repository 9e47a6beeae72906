// A p-y curve printed at a requested depth, as data: what the report block
// and the plot records of the curve show.
#ifndef TARVEX_CORE_PRINTED_PY_CURVE_HPP_
#define TARVEX_CORE_PRINTED_PY_CURVE_HPP_

#include <string>
#include <vector>

#include "core/soil_criteria.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Lengths in the run's computing length unit (L), forces in its force unit (F).
// The block's lines, values, notes and table layout are those of the results'
// PyCurveResult, which the report renders.
struct PrintedPyCurve {
  int number = 0;             // the curve's number among the requested depths (ascending), as
                              // the plot file's "curve no." gives it
  double depth = 0.0;         // requested depth below the pile head (L)
  int layer = 0;              // 1-based soil layer
  SoilCriterion criterion{};  // the layer's criterion
  std::vector<double> y;      // deflections as printed, times the y-multiplier (L)
  std::vector<double> p;      // resistances as printed, times the p-multiplier (F/L)
  std::vector<std::string> title;
  std::vector<CurveParameter> parameters;
  std::vector<CurveText> texts;
  std::vector<CurveNote> notes;
  std::vector<CurveLine> lines;
  CurveTableHeading heading = CurveTableHeading::kSpacedP;
  CurveTableRows rows = CurveTableRows::kAdaptive;
  std::vector<int> marked_points;
  // The plot records' wording: Line 7's text (the curve number follows it),
  // the name after "y, p, for " in Line 8, and whether Line 8 gives the point
  // number in two columns after 20 blanks (else in minimal width after 50).
  std::string plot_line7;
  std::string plot_line8;
  bool narrow_point_numbers = false;
};

}  // namespace tarvex

#endif  // TARVEX_CORE_PRINTED_PY_CURVE_HPP_
