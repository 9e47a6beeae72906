// The section's blocks of the report, rendered from its results: dimensions
// and properties (with the bar, strand and prestress tables), axial
// capacities, concrete properties, the thrust list, the run-message
// definitions, the moment-curvature tables, the note of a full curve, the
// summary of nominal moment capacities, and the note of tables derived from
// section properties.
#ifndef TARVEX_REPORT_SECTION_REPORT_HPP_
#define TARVEX_REPORT_SECTION_REPORT_HPP_

#include "core/input_model.hpp"
#include "format/record_writer.hpp"
#include "section/section_analysis.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Dimensions and properties (with the bar, strand and prestress tables of
// the section), axial capacities, cracking load and tensile capacity.
void WriteSectionProperties(RecordWriter& out, bool si, const SectionResult& r);

// Concrete properties (not for the steel pipe).
void WriteConcreteProperties(RecordWriter& out, bool si, const SectionResult& r);

// The analysed thrusts: stiffness-only runs say whether thrusts were dropped.
void WriteThrustList(RecordWriter& out, bool si, bool ei_only, const SectionResult& r);

void WriteRunMessageDefinitions(RecordWriter& out, const SectionResult& r);

// The heading of one thrust's moment-curvature table and its point lines.
void WriteThrustTable(RecordWriter& out, bool si, const SectionResult& r, const ThrustCurve& curve);

// The note after a thrust whose curve took all its `count` points.
void WriteFullCurveWarning(RecordWriter& out, int count);

// Summary of the nominal moment capacities of the section's thrusts.
void WriteCapacitySummary(RecordWriter& out, bool si, const SectionResult& r);

// The heading of the section analysis, above the first section: where the
// axial thrusts came from (the input's thrust values, the LRFD
// combinations or the pile-head loads) and the number of sections.
void WriteSectionsHeading(RecordWriter& out, const Options& options, int sections);

// The line that opens the blocks of section `n`.
void WriteSectionNumber(RecordWriter& out, int n);

// How the tables of an elastic, elastic-plastic or user-defined section
// were derived.
void WriteDerivedTablesNote(RecordWriter& out, const SectionResult& r);

// The plot record of the number of axial thrusts (Line 3), written for the
// run's first section only, worded by how its tables were obtained, the run
// kind and whether the thrusts are those of LRFD combinations.
void WriteThrustCountRecord(RecordWriter& plot, const Options& options, const SectionResult& r);

// The plot records of a section's curves: per thrust Line 4 (points, thrust,
// nominal moment capacity) and a Line 5 of moment, EI and curvature per point.
void WriteSectionCurveRecords(RecordWriter& plot, bool si, const SectionResult& r);

// The plot file's record of the number of sections.
void WriteSectionCountRecord(RecordWriter& plot, int sections);

// Renders each block of a section into the report, and its plot records into
// the plot file, as section analysis forms its values.
class SectionReport final : public SectionProgress {
 public:
  SectionReport(RecordWriter& report, RecordWriter& plot, const Options& options);
  void TablesDerived(const SectionResult& result) override;
  void Prepared(const SectionResult& result) override;
  void ThrustsChosen(const SectionResult& result) override;
  void ThrustSolved(const SectionResult& result, const ThrustCurve& curve) override;
  void AllThrustsSolved(const SectionResult& result) override;
  void CurvesKept(const SectionResult& result) override;

 private:
  RecordWriter& report_;
  RecordWriter& plot_;
  const Options& options_;
  bool si_;
  bool ei_only_;
};

}  // namespace tarvex

#endif  // TARVEX_REPORT_SECTION_REPORT_HPP_
