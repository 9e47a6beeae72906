// The head of the report: banner, the files of the run and the date and time.
#ifndef TARVEX_REPORT_REPORT_HEADER_HPP_
#define TARVEX_REPORT_REPORT_HEADER_HPP_

#include "core/input_model.hpp"
#include "format/record_writer.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Writes the banner with the engine's version, the files block (the run's
// input, report, plot and message file) and the date block.
void WriteReportHeader(RecordWriter& report, const RunResults& results);

// The plot file's first record: the run kind, the units, the soil-modulus
// option and whether the pile-head stiffness study was asked for.
void WritePlotHeader(const Options& options, RecordWriter& plot);

}  // namespace tarvex

#endif  // TARVEX_REPORT_REPORT_HEADER_HPP_
