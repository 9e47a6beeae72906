// The printed p-y curves of the report: the section's heading, each curve's
// block (title, values, notes and the y-p table) and the blank line after the
// curves of a layer, rendered from the results.
#ifndef TARVEX_REPORT_PY_CURVE_REPORT_HPP_
#define TARVEX_REPORT_PY_CURVE_REPORT_HPP_

#include "core/units.hpp"
#include "format/record_writer.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

void WritePyCurvesHeading(RecordWriter& report);
void WritePyCurve(UnitSystem units, const PyCurveResult& curve, RecordWriter& report);
void WritePyCurveLayerEnd(RecordWriter& report);

}  // namespace tarvex

#endif  // TARVEX_REPORT_PY_CURVE_REPORT_HPP_
