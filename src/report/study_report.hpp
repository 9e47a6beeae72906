// The report blocks and plot records of the pile-length and pile-head
// stiffness studies, rendered from their results.
#ifndef TARVEX_REPORT_STUDY_REPORT_HPP_
#define TARVEX_REPORT_STUDY_REPORT_HPP_

#include "core/units.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The pile-length study of a load case: its report block (the case's head
// conditions, the table of lengths or the note that no length succeeded)
// and plot record Line 11 with one Line 12 per row. `result` holds the
// study.
void WriteLengthStudy(UnitSystem units, const LoadCaseResult& result, RunOutput& out);

// Plot record Line 11 of a load case without a pile-length study.
void WriteNoLengthStudy(int c, bool lrfd, RecordWriter& plot);

// The stiffness study: the ten Line 14 records and the tables of K22, K32,
// K23 and K33; a study that ended early leaves a note in the report and
// message files instead.
void WriteStiffnessStudy(UnitSystem units, const HeadStiffnessStudy& study, RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_REPORT_STUDY_REPORT_HPP_
