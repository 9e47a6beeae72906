// The error a run ended with, rendered again from its diagnostic in the
// results (its name and values, nothing else), must be the lines the run
// printed: a part of the report and a part of the message file, byte for
// byte. Every input of the regression corpus, the error fixtures and the
// examples that ends in an error is run; an error without a text of its own,
// a value the error was raised without, or one kept other than it was
// printed fails it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "report/error_report.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

std::vector<fs::path> Inputs() {
  std::vector<fs::path> inputs;
  for (const char* folder : {"tests/corpus", "tests/report/fixtures", "examples"}) {
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(TARVEX_SOURCE_DIR) / folder)) {
      if (e.path().extension() == ".tv6") inputs.push_back(e.path());
    }
  }
  return inputs;
}

TEST(ErrorRerender, TheErrorOfEveryFailedRunRendersAgainFromItsDiagnostic) {
  std::set<std::string> rendered;
  int failed_runs = 0;
  for (const fs::path& input : Inputs()) {
    AnalyseOptions options;
    options.keep_texts = true;
    options.names.input = input.filename().string();
    const RunResults r = analyse(ReadFile(input), options);
    if (!r.error) continue;
    ++failed_runs;
    const RenderedError again = RenderError(*r.error);
    EXPECT_TRUE(again.has_text) << input.filename() << ": error " << r.error->name
                                << " has no text in the error text catalogue";
    if (!again.has_text) continue;
    rendered.insert(r.error->name);
    EXPECT_NE(r.report_text.find(again.report), std::string::npos)
        << input.filename() << ": error " << r.error->name
        << " rendered from the results is not in the report:\n"
        << again.report;
    EXPECT_NE(r.message_text.find(again.message), std::string::npos)
        << input.filename() << ": error " << r.error->name
        << " rendered from the results is not in the message file:\n"
        << again.message;
  }
  // The corpus is mostly inputs that end in errors: the test must have
  // rendered many kinds of them, not passed by finding none.
  EXPECT_GE(failed_runs, 20);
  EXPECT_GE(rendered.size(), 12u) << "kinds of error rendered: " << rendered.size();
}

}  // namespace
}  // namespace tarvex
