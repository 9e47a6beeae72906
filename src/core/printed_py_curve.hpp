// A p-y curve printed at a requested depth, as data: what the report block
// and the plot records of the curve show.
#ifndef TARVEX_CORE_PRINTED_PY_CURVE_HPP_
#define TARVEX_CORE_PRINTED_PY_CURVE_HPP_

#include <string>
#include <vector>

#include "core/soil_criteria.hpp"

namespace tarvex {

// A value of a curve's report block as printed, with the unit it is printed
// in ("in", "lb/in", "ft", "degrees"; empty for numbers).
struct PrintedCurveValue {
  std::string name;  // the label, trailing blanks removed
  double value = 0.0;
  std::string unit;
};

// A note printed with a curve: its kind as a stable code, and its text.
struct PrintedCurveNote {
  std::string code;
  std::string text;
};

// Lengths in the run's computing length unit (L), forces in its force unit (F).
struct PrintedPyCurve {
  int number = 0;                  // the curve's number among the requested depths (ascending), as
                                   // the plot file's "curve no." gives it
  double depth = 0.0;              // requested depth below the pile head (L)
  int layer = 0;                   // 1-based soil layer
  SoilCriterion criterion{};       // the layer's criterion
  std::vector<double> y;           // deflections as printed, times the y-multiplier (L)
  std::vector<double> p;           // resistances as printed, times the p-multiplier (F/L)
  std::vector<std::string> block;  // the report lines above the table: title, values, heading
  std::vector<std::string> notes;  // the report lines the criterion writes after the table
  std::vector<PrintedCurveValue> values;     // the values of `block`, in printed order
  std::vector<PrintedCurveNote> note_kinds;  // the notes of the block and after the table
  // The plot records' wording: Line 7's text (the curve number follows it),
  // the name after "y, p, for " in Line 8, and whether Line 8 gives the point
  // number in two columns after 20 blanks (else in minimal width after 50).
  std::string plot_line7;
  std::string plot_line8;
  bool narrow_point_numbers = false;
};

}  // namespace tarvex

#endif  // TARVEX_CORE_PRINTED_PY_CURVE_HPP_
