// tarvex::check: the reader and the checks made before the analysis, on an
// input text, with the diagnostics a run would give for them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_file.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::ReadFile;

std::string Example(const std::string& name) {
  return ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
}

// The quickstart input with one line replaced (1-based), or with lines
// inserted before line `at` when `insert` is set.
std::string Edited(int at, const std::string& text, bool insert = false) {
  const std::vector<std::string> lines = testing::SplitLines(Example("quickstart.tv6"));
  std::string out;
  for (int i = 1; i <= static_cast<int>(lines.size()); ++i) {
    if (i == at) {
      out += text + "\n";
      if (!insert) continue;
    }
    out += lines[static_cast<std::size_t>(i - 1)] + "\n";
  }
  return out;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

TEST(Check, ExamplesPassTheChecks) {
  for (const char* name : {"quickstart.tv6", "lrfd_hpile_clays_si.tv6",
                           "prestressed_pile_sections_ei_only_uscs.tv6"}) {
    const CheckResults c = check(Example(name), name);
    EXPECT_EQ(c.result_code, 0) << name;
    EXPECT_EQ(c.outcome, Outcome::kNormal) << name;
    EXPECT_FALSE(c.error.has_value()) << name;
    EXPECT_TRUE(c.warnings.empty()) << name;
  }
}

// Each fault is found by the check with the error, input line and message
// the run itself gives for it, before any section is analysed.
TEST(Check, FindsTheErrorsOfTheRunBeforeTheAnalysis) {
  struct Case {
    const char* what;
    std::string text;
    const char* identity;
    int line;             // 0: a cross-check about no one line
    const char* message;  // a line of the message
  };
  const std::vector<Case> cases = {
      {"a word for a number (reader)", Edited(17, "MaxIterations abc"), "INP00095", 17,
       "Problem:  Line 17 of shaft.tv6 holds \"abc\" where an integer is expected (value 2 of "
       "the iteration limit line (a label and an integer))."},
      {"a keyword misspelt (reader)", Edited(45, "SOIL LAYER"), "INP00099", 45, "SOIL LAYER"},
      {"a count beyond its limits (reader)", Edited(46, "41"), "INP00095", 46,
       "Problem:  Line 46 of shaft.tv6 gives 41 as the number of soil layers, which must be "
       "from 1 to 40."},
      {"soil profile above the pile tip (echo)", Edited(50, "2  10.0  30.0"), "INP00018", 0,
       "Solution: Increase the depth of the soil profile or shorten the pile length."},
      {"ground surface below the pile tip (before the load cases)",
       Replaced(Edited(47, "1  45.0  50.0"), "2  10.0  60.0", "2  50.0  60.0"), "INP00095", 0,
       "          so that no soil supports the pile."},
      {"an empty file", "", "INP00025", 0,
       "Size of input data file is 0 bytes.  No analysis performed."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string& text = c.text;
    const CheckResults checked = check(text, "shaft.tv6");
    ASSERT_TRUE(checked.error.has_value());
    const Diagnostic& e = *checked.error;
    EXPECT_EQ(e.identity, c.identity);
    EXPECT_EQ(checked.result_code, e.code);
    EXPECT_EQ(checked.outcome, Outcome::kInputError);
    EXPECT_EQ(e.line_number, c.line);
    bool found = false;
    for (const std::string& line : e.message) found = found || line == c.message;
    EXPECT_TRUE(found) << "no message line \"" << c.message << "\"";
    if (c.line > 0) {
      EXPECT_EQ(e.file, "shaft.tv6");
      EXPECT_EQ(e.line_text, testing::SplitLines(text)[static_cast<std::size_t>(c.line - 1)]);
    }

    // The run stops at the same error with the same diagnostic.
    AnalyseOptions options;
    options.names.input = "shaft.tv6";
    const RunResults run = analyse(text, options);
    ASSERT_TRUE(run.error.has_value());
    EXPECT_EQ(run.result_code, checked.result_code);
    EXPECT_EQ(run.error->identity, e.identity);
    EXPECT_EQ(run.error->message, e.message);
    EXPECT_EQ(run.error->line_number, e.line_number);
    EXPECT_EQ(run.error->line_text, e.line_text);
    EXPECT_TRUE(run.cases.empty()) << "the run analysed a load case the check let through";
  }
}

TEST(Check, ReportsTheWarningsOfTheChecks) {
  // Multipliers given while UsePYModifiers is NO: warning 360, and the run
  // goes on.
  const std::string text = Edited(59,
                                  "GROUPEFF\n"
                                  "2\n"
                                  "1  0.0  0.8  1.0\n"
                                  "2  40.0 0.8  1.0",
                                  true);
  const CheckResults checked = check(text, "shaft.tv6");
  EXPECT_FALSE(checked.error.has_value());
  ASSERT_EQ(checked.warnings.size(), 1U);
  EXPECT_EQ(checked.warnings[0].number, 360);
  EXPECT_EQ(checked.warnings[0].load_case, 0);
  EXPECT_EQ(checked.warnings[0].count, 1);
  EXPECT_FALSE(checked.warnings[0].text.empty());
  EXPECT_EQ(checked.result_code, -360);
  EXPECT_EQ(checked.outcome, Outcome::kWarnings);

  const RunResults run = analyse(text);
  ASSERT_FALSE(run.warnings.empty());
  EXPECT_EQ(run.warnings[0].number, 360);
  EXPECT_EQ(run.warnings[0].text, checked.warnings[0].text);
}

// A fault that only the analysis finds (a load the pile cannot carry) is
// beyond the checks: they pass the input, and the run ends with the error.
TEST(Check, LeavesTheAnalysisToTheRun) {
  const std::string text =
      Edited(55, "1  1  1.0E9  240000.0  100000.0  1   a shear no pile carries");
  EXPECT_FALSE(check(text).error.has_value());
  const RunResults run = analyse(text);
  ASSERT_TRUE(run.error.has_value());
  EXPECT_EQ(run.error->kind, "runtime");
}

TEST(Check, RefusesATextBeyondTheSizeLimit) {
  const std::string text(static_cast<std::size_t>(InputFile::kMaxBytes) + 1, ' ');
  const CheckResults checked = check(text, "big.tv6");
  ASSERT_TRUE(checked.error.has_value());
  EXPECT_EQ(checked.error->identity, "RUN00007");
  EXPECT_EQ(checked.outcome, Outcome::kFilesUnusable);
}

}  // namespace
}  // namespace tarvex
