// The shared number fields of the report tables. Both continue the current
// line of the writer and leave it open; the caller writes the labels between
// fields and ends the line.
#ifndef TARVEX_FORMAT_NUMBER_FIELDS_HPP_
#define TARVEX_FORMAT_NUMBER_FIELDS_HPP_

#include <string>

#include "format/record_writer.hpp"

namespace tarvex {

// Adaptive field of width W: one blank, then v in W - 1 columns, in fixed or
// exponent form chosen by magnitude so that columns stay aligned whatever the
// size of the numbers (|v| < 1e-12 prints as zero; NaN as "  Not-a-Number").
void WriteAdaptive(RecordWriter& out, int width, double v);

// Integer field of width W (1 to 16; any other width is taken as 10).
void WriteIntegerField(RecordWriter& out, int width, long long v);

// The characters of the adaptive field, for tests and text assembly.
std::string AdaptiveText(int width, double v);

}  // namespace tarvex

#endif  // TARVEX_FORMAT_NUMBER_FIELDS_HPP_
