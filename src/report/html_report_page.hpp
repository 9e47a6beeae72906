// The text of the HTML report page, built from src/report/html and the chart
// library by cmake/embed_html_report.cmake: the page up to the run's results
// data (head) and after it (tail), each in pieces that concatenate in order.
#ifndef TARVEX_REPORT_HTML_REPORT_PAGE_HPP_
#define TARVEX_REPORT_HTML_REPORT_PAGE_HPP_

#include <cstddef>
#include <string_view>

namespace tarvex::internal {

extern const std::string_view kHtmlReportHead[];
extern const std::size_t kHtmlReportHeadCount;
extern const std::string_view kHtmlReportTail[];
extern const std::size_t kHtmlReportTailCount;

}  // namespace tarvex::internal

#endif  // TARVEX_REPORT_HTML_REPORT_PAGE_HPP_
