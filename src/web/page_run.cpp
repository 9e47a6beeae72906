#include "web/page_run.hpp"

#include <utility>

#include "report/html_report.hpp"
#include "report/results_csv.hpp"
#include "report/results_json.hpp"

namespace tarvex::web {

PageRun RunForPage(std::string_view input_text, const std::string& stem, const DateTime& now) {
  AnalyseOptions options;
  options.clock = [now] { return now; };
  options.keep_texts = true;
  options.names = {stem + ".tv6", stem + ".out", stem + ".plt", stem + ".msg"};
  RunResults results = analyse(input_text, options);

  PageRun page;
  page.result_code = results.result_code;
  page.report = std::move(results.report_text);
  page.plot = std::move(results.plot_text);
  page.message = std::move(results.message_text);
  page.results_json = RenderResultsJson(results);
  page.html = RenderHtmlReport(page.results_json);
  page.cases_csv = RenderCasesCsv(results);
  for (const LoadCaseResult& c : results.cases) {
    page.case_csvs.push_back(RenderNodesCsv(results, c));
  }
  return page;
}

std::string CheckForPage(std::string_view input_text, const std::string& file_name) {
  CheckResults checked = check(input_text, file_name);
  RunResults results;
  results.result_code = checked.result_code;
  results.outcome = checked.outcome;
  results.error = std::move(checked.error);
  results.warnings = std::move(checked.warnings);
  return RenderResultsJson(results);
}

}  // namespace tarvex::web
