// The section's blocks of the report: dimensions and properties, axial
// capacities, bar and strand tables, prestress, concrete properties, the
// thrust list, the moment-curvature tables and the summary of nominal
// moment capacities; and the error blocks of section analysis.
#ifndef TARVEX_SECTION_SECTION_REPORT_HPP_
#define TARVEX_SECTION_SECTION_REPORT_HPP_

#include <string_view>

#include "core/error_catalogue.hpp"
#include "core/input_model.hpp"
#include "format/record_writer.hpp"
#include "section/cut_section.hpp"
#include "section/moment_curvature_solver.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Unit labels of the section report, 8 characters each.
struct SectionUnitLabels {
  const char* length;
  const char* stress;
  const char* force;
  const char* curvature;
  const char* moment;
  const char* area;
  const char* inertia;
  const char* stiffness;
  const char* volume;
};
const SectionUnitLabels& SectionLabels(bool si);

// Dimensions and properties (with the bar, strand and prestress tables of
// the section), axial capacities, cracking load and tensile capacity.
void WriteSectionProperties(RecordWriter& out, const PileSection& s, const CutSection& cs);

// Concrete properties (not for the steel pipe).
void WriteConcreteProperties(RecordWriter& out, const PileSection& s, const CutSection& cs);

// The thrust list: EI-only runs say whether thrusts were dropped.
void WriteThrustList(RecordWriter& out, bool si, bool ei_only, bool dropped, const double* thrusts,
                     int count);

void WriteRunMessageDefinitions(RecordWriter& out, const CutSection& cs);

// The heading of one thrust's moment-curvature table and its point lines.
void WriteThrustTable(RecordWriter& out, const CutSection& cs, const ThrustCurve& curve);

// The note after a thrust whose curve took all 150 points.
void WriteFullCurveWarning(RecordWriter& out, int count);

// Summary of the nominal moment capacities of the section's thrusts.
void WriteCapacitySummary(RecordWriter& out, int section, const CutSection& cs,
                          const double* thrusts, const double* capacities, int count);

// Error blocks: axial thrust beyond the capacities (24 to 27), neutral axis
// not found (16), prestress areas (14, 15).
void WriteThrustCapacityError(RecordWriter& out, bool si, ErrorId id, int position, double thrust,
                              double capacity);

// Runtime error 45 of a stiffness-only run: no axial thrust of the input
// lies strictly between the section's tensile capacity `nt` and its
// compressive capacity `pn`, so nothing would be analysed for section n.
void WriteNoThrustInRangeError(RecordWriter& out, bool si, int n, const double* thrusts, int count,
                               double pn, double nt);
void WriteNeutralAxisError(RecordWriter& out);
void WritePrestressAreaError(RecordWriter& out, ErrorId id, double area);

}  // namespace tarvex

#endif  // TARVEX_SECTION_SECTION_REPORT_HPP_
