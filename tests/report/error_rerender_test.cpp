// The error a run ended with, rendered again from its diagnostic in the
// results (its name and values, nothing else), must be the lines the run
// printed: a part of the report and a part of the message file, byte for
// byte. Every input of the regression corpus, the error fixtures and the
// examples that ends in an error is run; an error without a text of its own,
// a value the error was raised without, or one kept other than it was
// printed fails it. A run that its readers or a check of the input as a
// whole ended renders whole again, report and plot file, from its results
// and its input as read.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "report/error_report.hpp"
#include "report/run_report.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

std::vector<fs::path> Inputs() {
  std::vector<fs::path> inputs;
  for (const char* folder : {"tests/corpus", "tests/report/fixtures", "examples"}) {
    for (const fs::directory_entry& e :
         fs::directory_iterator(fs::path(TARVEX_SOURCE_DIR) / folder)) {
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

TEST(ErrorRerender, RunsEndedByTheInputRenderWholeFromTheirResults) {
  int unread = 0, checked = 0;
  for (const fs::path& input : Inputs()) {
    const std::string text = ReadFile(input);
    AnalyseOptions options;
    options.keep_texts = true;
    options.names.input = input.filename().string();
    const RunResults r = analyse(text, options);
    if (!r.error) continue;
    InputModel as_read;
    RunOutput reading;
    InputFile file;
    file.OpenText(text);
    ReadInputData(file, r.files.input, as_read, reading);
    RunOutput again;
    if (!RenderRunFiles(r, reading.failed() ? nullptr : &as_read, again)) continue;
    ++(reading.failed() ? unread : checked);
    EXPECT_EQ(again.report.contents(), r.report_text) << input.filename() << ": " << r.error->name;
    EXPECT_EQ(again.plot.contents(), r.plot_text) << input.filename() << ": " << r.error->name;
  }
  EXPECT_GE(unread, 5) << "runs whose input did not read, rendered whole: " << unread;
  EXPECT_GE(checked, 1) << "runs a check of the input ended, rendered whole";
}

}  // namespace
}  // namespace tarvex
