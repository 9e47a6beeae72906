#include "report/html_report.hpp"

#include <cstddef>

#include "report/html_report_page.hpp"

namespace tarvex {

std::string RenderHtmlReport(std::string_view results_json) {
  using internal::kHtmlReportHead;
  using internal::kHtmlReportHeadCount;
  using internal::kHtmlReportTail;
  using internal::kHtmlReportTailCount;

  std::size_t size = results_json.size();
  for (std::size_t i = 0; i < kHtmlReportHeadCount; ++i) size += kHtmlReportHead[i].size();
  for (std::size_t i = 0; i < kHtmlReportTailCount; ++i) size += kHtmlReportTail[i].size();
  std::string page;
  page.reserve(size + size / 64);

  for (std::size_t i = 0; i < kHtmlReportHeadCount; ++i) page += kHtmlReportHead[i];
  for (const char c : results_json) {
    if (c == '<') {
      page += "\\u003c";
    } else {
      page += c;
    }
  }
  for (std::size_t i = 0; i < kHtmlReportTailCount; ++i) page += kHtmlReportTail[i];
  return page;
}

}  // namespace tarvex
