#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

struct BatchResult {
  int status;
  std::string out;
  std::string err;
};

BatchResult Tarvex(std::vector<std::string> args) {
  args.insert(args.begin(), "tarvex");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  RunOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 5, 7}; };
  const int status = cli::Main(static_cast<int>(argv.size()), argv.data(), out, err, options);
  return {status, out.str(), err.str()};
}

std::vector<std::string> Examples() {
  std::vector<std::string> inputs;
  for (const auto& entry : fs::directory_iterator(std::string(TARVEX_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() == ".tv6") inputs.push_back(entry.path().string());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

// Every example analysed in a batch on two threads writes the same bytes as
// its single run; the exit status is the worst of the single runs'.
TEST(Batch, EveryExampleOnTwoThreadsWritesWhatItsSingleRunWrites) {
  TempDir single, batch;
  const std::vector<std::string> inputs = Examples();
  ASSERT_GE(inputs.size(), 10U);
  int worst = 0;
  for (const std::string& input : inputs) {
    worst = std::max(worst, Tarvex({input, "-o", single.File("")}).status);
  }
  std::vector<std::string> args = inputs;
  for (const char* a : {"-j", "2", "-o"}) args.push_back(a);
  args.push_back(batch.File(""));
  const BatchResult r = Tarvex(args);
  EXPECT_EQ(r.status, worst) << r.out << r.err;
  int compared = 0;
  for (const std::string& input : inputs) {
    const std::string stem = fs::path(input).stem().string();
    for (const char* ext : {".out", ".plt", ".msg"}) {
      const std::string name = stem + ext;
      ASSERT_EQ(FileExists(single.File(name)), FileExists(batch.File(name))) << name;
      if (!FileExists(single.File(name))) continue;
      EXPECT_EQ(ReadFile(single.File(name)), ReadFile(batch.File(name))) << name;
      ++compared;
    }
    // One line per input, in the order given.
    EXPECT_NE(r.out.find(input + ": "), std::string::npos) << input;
  }
  EXPECT_GE(compared, 3 * 10);
  EXPECT_NE(r.out.find(std::to_string(inputs.size()) + " inputs: "), std::string::npos) << r.out;
}

// A bad input, a missing one and two inputs that would write the same files
// do not stop the good ones; the exit status is the worst outcome, and the
// summary has a row per input and load case.
TEST(Batch, FailingInputsDoNotStopTheOthersAndSetTheExitStatus) {
  TempDir d;
  const std::string quickstart = std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6";
  WriteFile(d.File("bad.tv6"), "TARVEX6\nnot an input file\n");
  fs::create_directories(d.File("other"));
  WriteFile(d.File("other/quickstart.tv6"), ReadFile(quickstart));
  const BatchResult r =
      Tarvex({d.File("bad.tv6"), quickstart, d.File("absent.tv6"), d.File("other/quickstart.tv6"),
              "-j", "2", "-o", d.File("out"), "--summary", d.File("summary.csv"), "--json"});
  EXPECT_EQ(r.status, cli::kFilesUnusable) << r.out << r.err;
  const std::size_t bad = r.out.find(d.File("bad.tv6") + ": input error INP");
  const std::size_t good = r.out.find(quickstart + ": normal end; case 1: deflection ");
  const std::size_t absent = r.out.find(d.File("absent.tv6") + ": files unusable: ");
  const std::size_t clash =
      r.out.find(d.File("other/quickstart.tv6") +
                 ": files unusable: its output files are those of " + quickstart);
  ASSERT_NE(bad, std::string::npos) << r.out;
  ASSERT_NE(good, std::string::npos) << r.out;
  ASSERT_NE(absent, std::string::npos) << r.out;
  ASSERT_NE(clash, std::string::npos) << r.out;
  EXPECT_LT(bad, good);
  EXPECT_LT(good, absent);
  EXPECT_LT(absent, clash);
  EXPECT_NE(r.out.find("4 inputs: 1 normal end, 0 with warnings, 1 input errors, 0 runtime errors, "
                       "2 files unusable"),
            std::string::npos)
      << r.out;
  EXPECT_NE(ReadFile(d.File("out/quickstart.out")).find("The analysis ended normally."),
            std::string::npos);
  EXPECT_TRUE(FileExists(d.File("out/bad.msg")));
  // --json writes each run's results as its single run does.
  ASSERT_EQ(Tarvex({quickstart, "-o", d.File("single"), "--json"}).status, 0);
  EXPECT_EQ(ReadFile(d.File("out/quickstart.json")), ReadFile(d.File("single/quickstart.json")));
  EXPECT_NE(ReadFile(d.File("out/bad.json")).find("\"identity\""), std::string::npos);

  const std::string csv = ReadFile(d.File("summary.csv"));
  std::istringstream lines(csv);
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(lines, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 1U + 1U + 3U + 1U + 1U) << csv;  // header, bad, 3 cases, absent, clash
  EXPECT_EQ(rows[0].rfind("input,outcome,result_code,case,head_deflection,", 0), 0U);
  EXPECT_EQ(rows[2].rfind(quickstart + ",normal end,0,1,0.0334", 0), 0U) << rows[2];
  EXPECT_EQ(rows[4].rfind(quickstart + ",normal end,0,3,", 0), 0U) << rows[4];
}

TEST(Batch, BadArgumentsAnalyseNothing) {
  TempDir d;
  const std::string quickstart = std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6";
  const std::string input = ReadFile(quickstart);
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case bad[] = {
      {{quickstart, "-j", "0"}, "the number of threads must be a whole number from 1 to"},
      {{quickstart, "-jx"}, "not \"x\""},
      {{quickstart, quickstart, "--summary"}, "option --summary needs a file name"},
      {{quickstart, "-j", "2", "--summary", quickstart}, "would be written over"},
      {{quickstart, "-j", "2", "--summary", d.File("no/such/folder/s.csv")},
       "cannot write the summary"},
  };
  for (const Case& c : bad) {
    const BatchResult r = Tarvex(c.args);
    EXPECT_EQ(r.status, cli::kFilesUnusable) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << c.message;
  }
  EXPECT_EQ(ReadFile(quickstart), input);  // the summary did not take the input's place
}

}  // namespace
}  // namespace tarvex
