#include "report/html_report.hpp"

#include <charconv>
#include <cstddef>
#include <system_error>

#include "core/number_text.hpp"
#include "report/html_report_page.hpp"

namespace tarvex {
namespace {

// Significant digits the page keeps of a number: twice what it shows, so that
// no value the page shows differs from the full number but in the rarest
// double rounding, while a run of many load cases loads a third faster.
constexpr int kPageDigits = 10;

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

// Appends one number token of the JSON, rounded to kPageDigits significant
// digits when it has more; a token that does not read as a number is copied.
void AppendNumber(std::string_view token, std::string& page) {
  int digits = 0;
  bool leading = true;
  for (const char c : token) {
    if (c == 'e' || c == 'E') break;
    if (c < '0' || c > '9') continue;
    if (c != '0') leading = false;
    if (!leading) ++digits;
  }
  if (digits > kPageDigits) {
    double value = 0;
    const char* end = token.data() + token.size();
    const auto [read_end, read_error] = NumberFromChars(token.data(), end, value);
    if (read_error == std::errc() && read_end == end) {
      char text[32];
      const auto [text_end, write_error] =
          NumberToChars(text, text + sizeof text, value, std::chars_format::general, kPageDigits);
      if (write_error == std::errc()) {
        page.append(text, text_end);
        return;
      }
    }
  }
  page += token;
}

// Appends the results JSON for the page's data element: blanks and line ends
// between tokens are dropped and long numbers shortened (a page of many load
// cases opens faster), and every "<" (which can only stand inside a string) is
// written as "\u003c".
void AppendJsonForScript(std::string_view json, std::string& page) {
  bool in_string = false;
  bool escaped = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
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
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      std::size_t end = i + 1;
      while (end < json.size() && IsNumberChar(json[end])) ++end;
      AppendNumber(json.substr(i, end - i), page);
      i = end - 1;
      continue;
    }
    if (c == '<') {
      page += "\\u003c";
    } else {
      page += c;
    }
  }
}

}  // namespace

std::string RenderHtmlReport(std::string_view results_json, ShownUnits shown) {
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
  // The units the page opens in go with the data, as the first key of its
  // object: "page_units" is no key of the results file.
  const std::size_t open = results_json.find_first_not_of(" \t\r\n");
  if (open != std::string_view::npos && results_json[open] == '{') {
    page += shown == ShownUnits::kComputing ? "{\"page_units\":\"computing\","
                                            : "{\"page_units\":\"engineering\",";
    const std::string_view rest = results_json.substr(open + 1);
    // An empty object takes no comma after the key.
    if (rest.find_first_not_of(" \t\r\n") != std::string_view::npos &&
        rest[rest.find_first_not_of(" \t\r\n")] == '}') {
      page.pop_back();
    }
    results_json = rest;
  }
  AppendJsonForScript(results_json, page);
  for (std::size_t i = 0; i < kHtmlReportTailCount; ++i) page += kHtmlReportTail[i];
  return page;
}

}  // namespace tarvex
