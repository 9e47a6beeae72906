// tarvex::analyse: the run of tarvex::run on an input text, with the three
// files kept in memory.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "input/input_file.hpp"
#include "json/results_json.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

DateTime FixedClock() { return DateTime{2026, 12, 10, 9, 30, 0}; }

std::string Example(const std::string& name) {
  return ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
}

// What run() gives for the text: its result code, results and files.
struct FileRun {
  int result = 0;
  RunResults results;
  std::string report, plot, message;
};

FileRun RunOnFiles(const TempDir& dir, const std::string& text) {
  const RunFiles files{dir.File("pile.tv6"), dir.File("pile.out"), dir.File("pile.plt"),
                       dir.File("pile.msg")};
  WriteFile(files.input, text);
  RunOutcome outcome;
  RunOptions options;
  options.clock = FixedClock;
  options.outcome = &outcome;
  FileRun r;
  r.result = run(files, options);
  r.results = std::move(outcome.results);
  r.report = ReadFile(files.report);
  r.plot = ReadFile(files.plot);
  r.message = ReadFile(files.message);
  return r;
}

AnalyseOptions OptionsNaming(const TempDir& dir) {
  AnalyseOptions options;
  options.clock = FixedClock;
  options.keep_texts = true;
  options.names = {dir.File("pile.tv6"), dir.File("pile.out"), dir.File("pile.plt"),
                   dir.File("pile.msg")};
  return options;
}

// The same run in memory and on files, for a normal end, an LRFD run with
// warnings, a runtime error, input errors (one of an empty input) and an
// input beyond the size limit of an input file.
TEST(Analyse, GivesTheFilesAndResultsOfRun) {
  std::string no_convergence = Example("quickstart.tv6");
  no_convergence.replace(no_convergence.find("MaxIterations 100"), 17, "MaxIterations 30");
  no_convergence.replace(no_convergence.find("Tolerance 1.0E-5"), 16, "Tolerance 1.0E-20");
  const std::string inputs[] = {Example("quickstart.tv6"),
                                Example("lrfd_hpile_clays_si.tv6"),
                                no_convergence,
                                "TARVEX6\nTITLE\n",
                                "",
                                std::string(InputFile::kMaxBytes + 1, ' ')};
  for (const std::string& text : inputs) {
    TempDir files_dir;
    const FileRun expected = RunOnFiles(files_dir, text);
    const RunResults results = analyse(text, OptionsNaming(files_dir));
    SCOPED_TRACE(text.substr(0, 40));
    EXPECT_EQ(results.result_code, expected.result);
    EXPECT_EQ(results.report_text, expected.report);
    EXPECT_EQ(results.plot_text, expected.plot);
    EXPECT_EQ(results.message_text, expected.message);
    EXPECT_EQ(RenderResultsJson(results), RenderResultsJson(expected.results));
  }
}

TEST(Analyse, TouchesNoFileAndKeepsTextsOnlyWhenAsked) {
  TempDir dir;
  AnalyseOptions options = OptionsNaming(dir);
  options.keep_texts = false;
  const RunResults results = analyse(Example("quickstart.tv6"), options);
  EXPECT_EQ(results.result_code, 0);
  EXPECT_EQ(results.cases.size(), 3U);
  EXPECT_TRUE(results.report_text.empty());
  EXPECT_TRUE(results.plot_text.empty());
  for (const char* name : {"pile.tv6", "pile.out", "pile.plt", "pile.msg"}) {
    EXPECT_FALSE(FileExists(dir.File(name))) << name;
  }
}

// Two analyses at once on two threads give what each gives alone.
TEST(Analyse, TwoThreadsGiveWhatOneGives) {
  const std::string texts[2] = {Example("quickstart.tv6"), Example("lrfd_hpile_clays_si.tv6")};
  AnalyseOptions options;
  options.clock = FixedClock;
  options.keep_texts = true;
  RunResults alone[2];
  for (int i = 0; i < 2; ++i) alone[i] = analyse(texts[i], options);
  for (int round = 0; round < 2; ++round) {
    RunResults together[2];
    std::thread other([&] { together[1] = analyse(texts[1], options); });
    together[0] = analyse(texts[0], options);
    other.join();
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(together[i].report_text, alone[i].report_text) << i;
      EXPECT_EQ(together[i].plot_text, alone[i].plot_text) << i;
      EXPECT_EQ(RenderResultsJson(together[i]), RenderResultsJson(alone[i])) << i;
    }
  }
  EXPECT_FALSE(alone[0].cases.empty());
  EXPECT_FALSE(alone[1].cases.empty());
}

}  // namespace
}  // namespace tarvex
