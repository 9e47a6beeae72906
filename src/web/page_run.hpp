// The engine's side of the web page: a run or a check of an input text, with
// every file the page offers rendered by the engine's own renderers (the
// report, plot and message files, the results as JSON and CSV, and the HTML
// report page that the command line's --html writes).
#ifndef TARVEX_WEB_PAGE_RUN_HPP_
#define TARVEX_WEB_PAGE_RUN_HPP_

#include <string>
#include <string_view>
#include <vector>

#include "tarvex/engine.hpp"

namespace tarvex::web {

// The files of one run, named after the input as the command line names them.
struct PageRun {
  int result_code = 0;
  std::string results_json;            // <stem>.json
  std::string report;                  // <stem>.out
  std::string plot;                    // <stem>.plt
  std::string message;                 // <stem>.msg
  std::string html;                    // <stem>.html
  std::string cases_csv;               // <stem>.cases.csv
  std::vector<std::string> case_csvs;  // <stem>.case<N>.csv, one per load case
};

// Analyses the input text as <stem>.tv6 (the report names the files
// <stem>.out, <stem>.plt and <stem>.msg), with the report's date and time `now`.
PageRun RunForPage(std::string_view input_text, const std::string& stem, const DateTime& now);

// The checks of the input text made before the analysis (tarvex::check), as
// results JSON of the same format as a run's: result_code, outcome, error
// and warnings; no pile, soil or load case. Errors name the input `file_name`.
std::string CheckForPage(std::string_view input_text, const std::string& file_name);

// The input as the reader reads it, for the page's form view: the unit
// system, the pile sections (number, type, the input line of the number,
// length and outer dimension as read), the soil layers (criterion, top,
// bottom, the values of their two rows in the order of the criterion's
// fields) and the load cases, as JSON; with the error that stopped the
// reader, if any, and what it had read before. Nothing else is checked.
std::string OutlineForPage(std::string_view input_text, const std::string& file_name);

// The p-y criteria as the reader takes their SOIL LAYERS rows, as JSON: per
// code its description, whether a layer of it is kept, whether its rows give
// user p-y curves, and its fields with their names, counts and units.
std::string CriteriaForPage();

}  // namespace tarvex::web

#endif  // TARVEX_WEB_PAGE_RUN_HPP_
