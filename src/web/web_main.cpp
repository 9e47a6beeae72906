// The entry points of the WebAssembly engine, called by the page's worker
// (web/worker.js). A call leaves its files in the module's memory, where the
// worker copies them out before the next call:
//
//   tarvex_web_run(input, size, stem, year, month, day, hour, minute, second)
//       analyses the input; files 0 to 5 are the results JSON, the report,
//       plot and message files, the HTML report page and the load-case CSV,
//       then one node CSV per load case. Returns the run's result code.
//   tarvex_web_check(input, size, name)
//       the checks before the analysis; file 0 is their results JSON (its
//       result_code, error and warnings). Returns 0.
//   tarvex_web_outline(input, size, name)
//       the input as the reader reads it, for the form view: file 0 is its
//       JSON. Returns 0.
//   tarvex_web_criteria()
//       file 0 is the JSON of the p-y criteria's SOIL LAYERS rows. Returns 0.
//   tarvex_web_file_count(), tarvex_web_file(k), tarvex_web_file_size(k)
//       the files of the last call.
//
// An internal failure (the memory of the page exhausted outside the run's
// own guard) returns 1000 with no file.
#include <emscripten/emscripten.h>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "web/page_run.hpp"

namespace {

std::vector<std::string>& Files() {
  static std::vector<std::string> files;
  return files;
}

constexpr int kInternalFailure = 1000;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int tarvex_web_run(const char* input, int size, const char* stem, int year,
                                        int month, int day, int hour, int minute, int second) {
  std::vector<std::string>& files = Files();
  files.clear();
  try {
    const tarvex::DateTime now{year, month, day, hour, minute, second};
    tarvex::web::PageRun run =
        tarvex::web::RunForPage(std::string_view(input, static_cast<std::size_t>(size)), stem, now);
    files.push_back(std::move(run.results_json));
    files.push_back(std::move(run.report));
    files.push_back(std::move(run.plot));
    files.push_back(std::move(run.message));
    files.push_back(std::move(run.html));
    files.push_back(std::move(run.cases_csv));
    for (std::string& csv : run.case_csvs) files.push_back(std::move(csv));
    return run.result_code;
  } catch (const std::exception&) {
    files.clear();
    return kInternalFailure;
  }
}

EMSCRIPTEN_KEEPALIVE int tarvex_web_check(const char* input, int size, const char* name) {
  std::vector<std::string>& files = Files();
  files.clear();
  try {
    files.push_back(
        tarvex::web::CheckForPage(std::string_view(input, static_cast<std::size_t>(size)), name));
    return 0;
  } catch (const std::exception&) {
    files.clear();
    return kInternalFailure;
  }
}

EMSCRIPTEN_KEEPALIVE int tarvex_web_outline(const char* input, int size, const char* name) {
  std::vector<std::string>& files = Files();
  files.clear();
  try {
    files.push_back(
        tarvex::web::OutlineForPage(std::string_view(input, static_cast<std::size_t>(size)), name));
    return 0;
  } catch (const std::exception&) {
    files.clear();
    return kInternalFailure;
  }
}

EMSCRIPTEN_KEEPALIVE int tarvex_web_criteria() {
  std::vector<std::string>& files = Files();
  files.clear();
  try {
    files.push_back(tarvex::web::CriteriaForPage());
    return 0;
  } catch (const std::exception&) {
    files.clear();
    return kInternalFailure;
  }
}

EMSCRIPTEN_KEEPALIVE int tarvex_web_file_count() { return static_cast<int>(Files().size()); }

EMSCRIPTEN_KEEPALIVE const char* tarvex_web_file(int k) {
  return Files()[static_cast<std::size_t>(k)].data();
}

EMSCRIPTEN_KEEPALIVE int tarvex_web_file_size(int k) {
  return static_cast<int>(Files()[static_cast<std::size_t>(k)].size());
}

}  // extern "C"
