// The error blocks of section analysis, written where the analysis finds
// the fault: an axial thrust beyond the capacities (24 to 27, 45), the
// neutral axis not found (16), prestress areas (14, 15).
#ifndef TARVEX_SECTION_SECTION_ERRORS_HPP_
#define TARVEX_SECTION_SECTION_ERRORS_HPP_

#include "core/error_catalogue.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

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

#endif  // TARVEX_SECTION_SECTION_ERRORS_HPP_
