#include "report/html_report.hpp"

#include <cstddef>

#include "report/html_report_page.hpp"

namespace tarvex {
namespace {

// Appends the results JSON for the page's data element: blanks and line ends
// between tokens are dropped (a page of many load cases opens faster), and
// every "<" (which can only stand inside a string) is written as "\u003c".
void AppendJsonForScript(std::string_view json, std::string& page) {
  bool in_string = false;
  bool escaped = false;
  for (const char c : json) {
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      continue;
    } else if (c == '"') {
      in_string = true;
    }
    if (c == '<') {
      page += "\\u003c";
    } else {
      page += c;
    }
  }
}

}  // namespace

std::string RenderHtmlReport(std::string_view results_json) {
  using internal::kHtmlReportHead;
  using internal::kHtmlReportHeadCount;
  using internal::kHtmlReportTail;
  using internal::kHtmlReportTailCount;

  std::size_t size = results_json.size();
  for (std::size_t i = 0; i < kHtmlReportHeadCount; ++i) size += kHtmlReportHead[i].size();
  for (std::size_t i = 0; i < kHtmlReportTailCount; ++i) size += kHtmlReportTail[i].size();
  std::string page;
  page.reserve(size);

  for (std::size_t i = 0; i < kHtmlReportHeadCount; ++i) page += kHtmlReportHead[i];
  AppendJsonForScript(results_json, page);
  for (std::size_t i = 0; i < kHtmlReportTailCount; ++i) page += kHtmlReportTail[i];
  return page;
}

}  // namespace tarvex
