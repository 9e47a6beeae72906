// The results of a run as JSON: every member of RunResults under its own
// snake_case name, numbers written so that they read back to the same
// double. The layout is described for users in docs/results.md and by the
// schema docs/results.schema.json; kResultsFormatVersion names it.
#ifndef TARVEX_JSON_RESULTS_JSON_HPP_
#define TARVEX_JSON_RESULTS_JSON_HPP_

#include <string>

#include "tarvex/results.hpp"

namespace tarvex {

// The whole results as one JSON document, ended by a newline. A number that
// is not finite (never part of a run that ended normally) is written as null.
// The texts of the three files are left out: they are files of their own.
std::string RenderResultsJson(const RunResults& results);

}  // namespace tarvex

#endif  // TARVEX_JSON_RESULTS_JSON_HPP_
