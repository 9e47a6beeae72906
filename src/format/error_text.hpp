// The texts of the run's errors. For each error of the catalogue that has a
// text of its own, the lines its block prints in the report and message
// files, made from the values the error is raised with: a stage raises the
// error by its id and values (RaiseError, format/run_output.hpp) and writes
// none of its lines itself, and the error of a finished run renders again,
// byte for byte, from the name and values its diagnostic carries.
#ifndef TARVEX_FORMAT_ERROR_TEXT_HPP_
#define TARVEX_FORMAT_ERROR_TEXT_HPP_

#include <string>
#include <string_view>
#include <vector>

#include "core/error_catalogue.hpp"
#include "format/record_writer.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The values an error is raised with, in the order its text names them.
using ErrorValues = std::vector<DiagnosticValue>;

// The value named `name` of an error: as a number, as a whole number (a
// count, a line, a section), or as a text. An error text that asks for a
// value the error was not raised with is a fault of the engine: these throw
// std::logic_error, which ends the run with the internal error.
double ErrorNumber(const ErrorValues& values, std::string_view name);
int ErrorInteger(const ErrorValues& values, std::string_view name);
const std::string& ErrorTextOf(const ErrorValues& values, std::string_view name);
// Whether the error was raised with a value named `name` (a text that
// prints a line only in some cases).
bool HasErrorValue(const ErrorValues& values, std::string_view name);

// Writes the lines of error `id`, raised with `values`, to the report and
// the message file (each error's text says which file takes which lines).
// False, writing nothing, for an error without a text of its own.
bool WriteErrorText(ErrorId id, const ErrorValues& values, RecordWriter& report,
                    RecordWriter& message);

// One of the last five iterations before the iteration limit, as the report
// lists them as the solution goes (before error 10 when the limit ends it).
void WriteIterationRecord(const IterationRecord& record, RecordWriter& report);

}  // namespace tarvex

#endif  // TARVEX_FORMAT_ERROR_TEXT_HPP_
