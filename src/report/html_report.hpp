// The self-contained HTML report of a run: one page with its charting library,
// script and styles inlined, which draws the run's results data in any browser
// from disk, with no network access.
#ifndef TARVEX_REPORT_HTML_REPORT_HPP_
#define TARVEX_REPORT_HTML_REPORT_HPP_

#include <string>
#include <string_view>

#include "core/display_units.hpp"

namespace tarvex {

// Returns the page for the run whose results are `results_json` (the results
// data of the run as JSON text). The JSON goes into the page's data element
// with the blanks between its tokens dropped, numbers of more than 10
// significant digits rounded to 10 (the page shows 5), and every "<" written
// as the JSON escape "\u003c", so that no text in it can close the element or
// open a comment; a "<" can only stand inside a JSON string, where the escape
// reads back as the same character. The page opens in the units `shown`
// (its data carry them as "page_units"); a switch on the page changes them.
std::string RenderHtmlReport(std::string_view results_json,
                             ShownUnits shown = ShownUnits::kEngineering);

}  // namespace tarvex

#endif  // TARVEX_REPORT_HTML_REPORT_HPP_
