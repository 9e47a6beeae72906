#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "support/cli_run.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

using testing::CliResult;
using testing::RunCli;

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
    worst = std::max(worst, RunCli({input, "-o", single.File("")}).status);
  }
  std::vector<std::string> args = inputs;
  for (const char* a : {"-j", "2", "-o"}) args.push_back(a);
  args.push_back(batch.File(""));
  const CliResult r = RunCli(args);
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
  const CliResult r =
      RunCli({d.File("bad.tv6"), quickstart, d.File("absent.tv6"), d.File("other/quickstart.tv6"),
              "-j", "2", "-o", d.File("out"), "--summary", d.File("summary.csv"), "--json"});
  EXPECT_EQ(r.status, cli::kFilesUnusable) << r.out << r.err;
  const std::size_t bad = r.out.find(d.File("bad.tv6") + ": input error INP");
  // A short line: four significant digits in the units an engineer reads.
  const std::size_t good =
      r.out.find(quickstart +
                 ": normal end; case 1: deflection 0.03347 in, max moment 72.09 kip-ft; case 2: ");
  // A refused input has the identity and code of the file error the engine
  // reports for it: 7 for an input it cannot read, 8 for outputs it cannot use.
  const std::size_t absent = r.out.find(d.File("absent.tv6") +
                                        ": file error RUN00007 (code 207): cannot read the input "
                                        "file: no such file\n");
  const std::size_t clash =
      r.out.find(d.File("other/quickstart.tv6") +
                 ": file error RUN00008 (code 208): its output files are those of " + quickstart);
  ASSERT_NE(bad, std::string::npos) << r.out;
  ASSERT_NE(good, std::string::npos) << r.out;
  ASSERT_NE(absent, std::string::npos) << r.out;
  ASSERT_NE(clash, std::string::npos) << r.out;
  EXPECT_LT(bad, good);
  EXPECT_LT(good, absent);
  EXPECT_LT(absent, clash);
  EXPECT_NE(r.out.find("4 inputs: 1 normal end, 0 with warnings, 1 input errors, 0 runtime errors, "
                       "2 file errors"),
            std::string::npos)
      << r.out;
  EXPECT_NE(ReadFile(d.File("out/quickstart.out")).find("The analysis ended normally."),
            std::string::npos);
  EXPECT_TRUE(FileExists(d.File("out/bad.msg")));
  // --json writes each run's results as its single run does, but for the
  // folder of its output files.
  ASSERT_EQ(RunCli({quickstart, "-o", d.File("single"), "--json"}).status, 0);
  nlohmann::json batch = nlohmann::json::parse(ReadFile(d.File("out/quickstart.json")));
  nlohmann::json single = nlohmann::json::parse(ReadFile(d.File("single/quickstart.json")));
  EXPECT_EQ(batch["files"]["input"], quickstart);
  EXPECT_EQ(batch["files"]["report"], d.File("out/quickstart.out"));
  EXPECT_EQ(single["files"]["report"], d.File("single/quickstart.out"));
  batch.erase("files");
  single.erase("files");
  EXPECT_EQ(batch, single);
  EXPECT_NE(ReadFile(d.File("out/bad.json")).find("\"identity\""), std::string::npos);

  // The summary: a row per input and load case with the status, the real
  // result code (never 0 for a failure), the loads applied, the axial load
  // and the pile length, in the run's computing units.
  const std::string csv = ReadFile(d.File("summary.csv"));
  std::istringstream lines(csv);
  std::string line;
  std::vector<std::vector<std::string>> rows;
  while (std::getline(lines, line)) {
    std::vector<std::string> cells;
    std::istringstream cell_stream(line);
    std::string cell;
    while (std::getline(cell_stream, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    rows.push_back(cells);
  }
  ASSERT_EQ(rows.size(), 1U + 1U + 3U + 1U + 1U) << csv;  // header, bad, 3 cases, absent, clash
  const std::vector<std::string> header{"input",
                                        "status",
                                        "outcome",
                                        "result_code",
                                        "case",
                                        "load_type",
                                        "applied_shear",
                                        "applied_moment",
                                        "applied_deflection",
                                        "applied_slope",
                                        "applied_rotational_stiffness",
                                        "axial_load",
                                        "pile_length",
                                        "head_deflection",
                                        "head_rotation",
                                        "max_moment",
                                        "max_moment_depth",
                                        "max_shear",
                                        "max_shear_depth",
                                        "iterations",
                                        "length_unit",
                                        "force_unit",
                                        "moment_unit"};
  EXPECT_EQ(rows[0], header);
  for (const auto& row : rows) EXPECT_EQ(row.size(), header.size()) << csv;
  auto cell = [&](std::size_t row, const char* column) {
    const auto at = std::find(header.begin(), header.end(), column) - header.begin();
    return rows[row][static_cast<std::size_t>(at)];
  };
  EXPECT_EQ(cell(1, "status"), "input error");
  EXPECT_EQ(cell(1, "result_code"), "199");
  // Case 1: shear and moment; case 2: shear and slope; case 3: deflection
  // and moment; 100 kips axial; a 40-ft pile (480 in).
  EXPECT_EQ(cell(2, "status"), "normal end");
  EXPECT_EQ(cell(2, "result_code"), "0");
  EXPECT_EQ(cell(2, "applied_shear"), "10000");
  EXPECT_EQ(cell(2, "applied_moment"), "240000");
  EXPECT_EQ(cell(2, "applied_slope"), "");
  EXPECT_EQ(cell(2, "axial_load"), "1e+05");  // the shortest form that reads back
  EXPECT_EQ(cell(2, "pile_length"), "480");
  EXPECT_EQ(cell(2, "head_deflection").rfind("0.0334699", 0), 0U) << cell(2, "head_deflection");
  EXPECT_EQ(cell(3, "applied_slope"), "0");
  EXPECT_EQ(cell(3, "applied_moment"), "");
  EXPECT_EQ(cell(4, "applied_shear"), "");
  EXPECT_EQ(cell(4, "applied_deflection"), "0.25");
  EXPECT_EQ(cell(4, "length_unit"), "in");
  EXPECT_EQ(cell(5, "status"), "file error");
  EXPECT_EQ(cell(5, "outcome"), "file error RUN00007 (code 207)");
  EXPECT_EQ(cell(5, "result_code"), "207");
  EXPECT_EQ(cell(6, "result_code"), "208");
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
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, cli::kFilesUnusable) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << c.message;
  }
  EXPECT_EQ(ReadFile(quickstart), input);  // the summary did not take the input's place
}

}  // namespace
}  // namespace tarvex
