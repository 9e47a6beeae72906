// The printed p-y curves of the report: the section's heading, each curve's
// block (title, values, notes and the y-p table) and the blank line after the
// curves of a layer, rendered from the results.
#ifndef TARVEX_REPORT_PY_CURVE_REPORT_HPP_
#define TARVEX_REPORT_PY_CURVE_REPORT_HPP_

#include <span>

#include "core/units.hpp"
#include "format/record_writer.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

void WritePyCurvesHeading(RecordWriter& report);
void WritePyCurve(UnitSystem units, const PyCurveResult& curve, RecordWriter& report);
void WritePyCurveLayerEnd(RecordWriter& report);

// The plot records of the printed curves: Line 6 with the number of curves
// (a depth in a layer whose criterion prints no curve, or below the soil
// profile, adds none), then each curve's Line 7 (depth, number of points)
// and a Line 8 per point (y, p).
void WritePyCurveRecords(std::span<const PyCurveResult> curves, RecordWriter& plot);

// The plot records of a requested depth above the ground surface: Line 6
// with the number of depths requested, and that depth's Line 7 without
// points.
void WriteCurveAboveGroundRecords(int stations, int station, double depth, RecordWriter& plot);

}  // namespace tarvex

#endif  // TARVEX_REPORT_PY_CURVE_REPORT_HPP_
