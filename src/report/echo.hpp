// The input echo: the input written back into the report, with the checks
// between input sections that no single reader can make.
#ifndef TARVEX_REPORT_ECHO_HPP_
#define TARVEX_REPORT_ECHO_HPP_

#include "engine/model.hpp"

namespace tarvex {

void WriteInputEcho(AnalysisModel& model);

}  // namespace tarvex

#endif  // TARVEX_REPORT_ECHO_HPP_
