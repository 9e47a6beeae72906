// The head of the report: banner, the files of the run and the date and time.
#ifndef TARVEX_ENGINE_REPORT_HEADER_HPP_
#define TARVEX_ENGINE_REPORT_HEADER_HPP_

#include <array>
#include <string>

#include "format/record_writer.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {

// Writes the banner, the files block (`paths`: input, report, plot and
// message file) and the date block.
void WriteReportHeader(RecordWriter& report, const std::array<std::string, 4>& paths,
                       const DateTime& now);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_REPORT_HEADER_HPP_
