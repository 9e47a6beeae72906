#include "report/html_report.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvex {
namespace {

constexpr std::string_view kDataOpen = R"(<script type="application/json" id="tarvex-results">)";

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos;
       at = text.find(what, at + what.size())) {
    ++n;
  }
  return n;
}

// The text of the page's data element.
std::string DataOf(const std::string& page) {
  const std::size_t open = page.find(kDataOpen);
  if (open == std::string::npos) return "<no data element>";
  const std::size_t start = open + kDataOpen.size();
  const std::size_t end = page.find("</script>", start);
  if (end == std::string::npos) return "<data element not closed>";
  return page.substr(start, end - start);
}

TEST(HtmlReport, PageIsOneSelfContainedDocument) {
  const std::string page = RenderHtmlReport(R"({"format":"tarvex-results"})");
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
  EXPECT_EQ(Count(page, kDataOpen), 1u);
  // The units the page opens in go first, with the results data.
  EXPECT_EQ(DataOf(page), R"({"page_units":"engineering","format":"tarvex-results"})");
  EXPECT_EQ(DataOf(RenderHtmlReport(" {}", ShownUnits::kComputing)),
            R"({"page_units":"computing"})");
  // The chart library, the report's script and its styles are inlined; the
  // page names no file or address to load.
  EXPECT_NE(page.find("uPlot"), std::string::npos);
  EXPECT_NE(page.find("window.tarvexReport"), std::string::npos);
  EXPECT_NE(page.find(".u-legend"), std::string::npos);
  EXPECT_EQ(page.find("@LIB_"), std::string::npos);
  EXPECT_EQ(page.find("@REPORT_"), std::string::npos);
  EXPECT_EQ(page.find("@RESULTS_JSON@"), std::string::npos);
  EXPECT_EQ(page.find("<script src"), std::string::npos);
  EXPECT_EQ(page.find("<link"), std::string::npos);
  EXPECT_EQ(page.find("@import"), std::string::npos);
  EXPECT_EQ(page.find("url(http"), std::string::npos);
}

TEST(HtmlReport, DataCannotLeaveItsElement) {
  struct Case {
    const char* json;
    const char* data;  // as it stands in the page
  };
  const Case cases[] = {
      // Blanks between tokens go; blanks inside strings stay.
      {"{\n  \"title\": [\"Pile  1\"],\n\t\"cases\" : [ 1, 2 ]\r\n}",
       R"({"page_units":"engineering","title":["Pile  1"],"cases":[1,2]})"},
      // A closing tag or a comment opener in a string is escaped.
      {R"({"line_text": "1 2 </script><script>alert(1)</script>"})",
       R"({"page_units":"engineering","line_text":"1 2 \u003c/script>\u003cscript>alert(1)\u003c/script>"})"},
      {R"({"a": "<!-- x", "b": "</SCRIPT >"})",
       R"({"page_units":"engineering","a":"\u003c!-- x","b":"\u003c/SCRIPT >"})"},
      // An escaped quote does not end the string: the blanks after it stay.
      {R"({"a": "say \"  hi\"  ", "b" : 1})",
       R"({"page_units":"engineering","a":"say \"  hi\"  ","b":1})"},
      {R"({"a": "ends in a backslash \\", "b" : "  "})",
       R"({"page_units":"engineering","a":"ends in a backslash \\","b":"  "})"},
      {"", ""},
      // Numbers keep 10 significant digits; shorter ones, and digits in
      // strings, stay as written.
      {R"([0.12345678901234567, -1234.5678901234567, 3.0000000000000004, 1.2345678901234567e-7])",
       R"([0.123456789,-1234.56789,3,1.23456789e-07])"},
      {R"([12, -0.5, 1e5, 600, 123456789012, 0.0001234567891, -0])",
       R"([12,-0.5,1e5,600,1.23456789e+11,0.0001234567891,-0])"},
      {R"({"v": "0.12345678901234567", "w": 1.7976931348623157e308})",
       R"({"page_units":"engineering","v":"0.12345678901234567","w":1.797693135e+308})"},
  };
  for (const Case& c : cases) {
    const std::string page = RenderHtmlReport(c.json);
    EXPECT_EQ(DataOf(page), c.data) << c.json;
    // The template's own script elements, and no more, are closed.
    EXPECT_EQ(Count(page, "</script>"), Count(RenderHtmlReport("{}"), "</script>")) << c.json;
  }
}

}  // namespace
}  // namespace tarvex
