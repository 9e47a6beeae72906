// What a run must never do, whatever its input: end normally having analysed
// nothing, or end normally with a number in its results, its report or its
// plot file that is not finite. The fuzz target aborts on either; tests call the checks on
// made-up files and on the runs of the examples.
#ifndef TARVEX_FUZZ_RUN_CHECKS_HPP_
#define TARVEX_FUZZ_RUN_CHECKS_HPP_

#include <string>
#include <string_view>

#include "tarvex/engine.hpp"

namespace tarvex::fuzz {

// The texts of one run's files.
struct RunTexts {
  std::string input;
  std::string report;
  std::string plot;
  std::string message;
};

// Empty when the run is sound; otherwise what is wrong with it.
std::string CheckRun(int result, const RunOutcome& outcome, const RunTexts& texts);

// Empty when the report and plot file of a run, rendered whole again from
// its results and its input as read, are the files it wrote (a run that
// ended normally or with warnings, or that its readers or a check of the
// input as a whole ended; the others are not rendered whole); otherwise
// which file differs.
std::string CheckRenderedFiles(int result, const RunOutcome& outcome, const RunTexts& texts);

// Where the results hold a value that is not finite ("load case 2"), or empty.
std::string FindNonFiniteResult(const RunResults& results);

// The first line of `text` that shows a number that is not finite: NaN or
// Infinity (Inf in a narrow field). A field of asterisks is a finite value
// too wide for its field, as the field rules print it, and is not one. Lines that stand in `input`
// as they are (titles, names of load combinations) are the user's own text and are passed over.
// Empty when there is none.
std::string FindNonFiniteNumber(std::string_view text, std::string_view input);

}  // namespace tarvex::fuzz

#endif  // TARVEX_FUZZ_RUN_CHECKS_HPP_
