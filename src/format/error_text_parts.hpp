// The error texts by the stage that raises them; WriteErrorText asks each in
// turn. Each writes the lines of the errors it knows and returns true, or
// returns false for an error that is not its own.
#ifndef TARVEX_FORMAT_ERROR_TEXT_PARTS_HPP_
#define TARVEX_FORMAT_ERROR_TEXT_PARTS_HPP_

#include "format/error_text.hpp"

namespace tarvex {

// The input readers and the checks of the input as a whole.
bool WriteInputErrorText(ErrorId id, const ErrorValues& values, RecordWriter& report,
                         RecordWriter& message);
// The soil profile and the p-y criteria.
bool WriteSoilErrorText(ErrorId id, const ErrorValues& values, RecordWriter& report,
                        RecordWriter& message);
// The section analysis, the pile analysis and its iteration, and the run.
bool WriteAnalysisErrorText(ErrorId id, const ErrorValues& values, RecordWriter& report,
                            RecordWriter& message);

}  // namespace tarvex

#endif  // TARVEX_FORMAT_ERROR_TEXT_PARTS_HPP_
