#include "cli/cli.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::FileExists;
using testing::TempDir;
using testing::WriteFile;

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

CliResult RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), "tarvex");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  RunOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 5, 7}; };
  const int status = cli::Main(static_cast<int>(argv.size()), argv.data(), out, err, options);
  return {status, out.str(), err.str()};
}

TEST(Cli, HelpVersionAndBadArguments) {
  const CliResult help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: tarvex INPUT [-o DIR]"), std::string::npos);
  const CliResult version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "tarvex (6.0.28)\n");
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case bad[] = {{{}, "no input file given"},
                      {{"a.tv6", "b.tv6"}, "more than one input file given"},
                      {{"-x"}, "unknown option -x"},
                      {{"a.tv6", "-o"}, "option -o needs a directory"}};
  for (const Case& c : bad) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, cli::kFilesUnusable) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST(Cli, MissingInputWritesNothing) {
  TempDir d;
  const CliResult r = RunCli({d.File("absent.tv6")});
  EXPECT_EQ(r.status, cli::kFilesUnusable);
  EXPECT_NE(r.err.find("cannot read the input file"), std::string::npos);
  EXPECT_FALSE(FileExists(d.File("absent.out")));
  EXPECT_FALSE(FileExists(d.File("absent.msg")));
}

TEST(Cli, AnInputNamedLikeAnOutputIsNotWrittenOver) {
  TempDir d;
  const std::string text = "an old report, run by mistake\n";
  WriteFile(d.File("pile.out"), text);
  const CliResult r = RunCli({d.File("pile.out")});
  EXPECT_EQ(r.status, cli::kFilesUnusable);
  EXPECT_NE(r.err.find("the report " + d.File("pile.out") +
                       " would be written over the input file " + d.File("pile.out")),
            std::string::npos)
      << r.err;
  EXPECT_EQ(testing::ReadFile(d.File("pile.out")), text);
  EXPECT_FALSE(FileExists(d.File("pile.plt")));
  EXPECT_FALSE(FileExists(d.File("pile.msg")));
  // Written elsewhere, the same file is read and its error reported.
  const CliResult elsewhere = RunCli({d.File("pile.out"), "-o", d.File("runs")});
  EXPECT_EQ(elsewhere.status, cli::kInputError);
  EXPECT_EQ(testing::ReadFile(d.File("pile.out")), text);
}

TEST(Cli, InputErrorShowsIdentityAndMessage) {
  TempDir d;
  WriteFile(d.File("old.tv6"), "TARVEX5\n");
  const CliResult r = RunCli({d.File("old.tv6"), "-o", d.File("out/sub")});
  EXPECT_EQ(r.status, cli::kInputError);
  EXPECT_TRUE(FileExists(d.File("out/sub/old.out")));
  EXPECT_TRUE(FileExists(d.File("out/sub/old.plt")));
  EXPECT_TRUE(FileExists(d.File("out/sub/old.msg")));
  EXPECT_NE(r.out.find("Files written:\n  report   " + d.File("out/sub/old.out")),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Outcome: input error INP00006 (code 106)\n"
                       "  **** Input Data Error No. 6 ****\n"
                       "  Problem:  The input data file is in the older TARVEX5 format"),
            std::string::npos)
      << r.out;
}

TEST(Cli, APrintedDepthAboveTheGroundShowsInputError29) {
  // Once shown as "RUN00-77" (the printing pass's error had a code and no
  // identity); the echo now refuses the depth before any analysis.
  std::string input =
      testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6");
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"PrintPYCurves NO", "PrintPYCurves YES"},
           {"1   0.0  10.0 ", "1   2.0  10.0 "},
           {"END\n", "DEPTHS OF PRINTED P-Y CURVES\n1\n1 1.0\nEND\n"}}) {
    input.replace(input.find(from), from.size(), to);
  }
  TempDir d;
  WriteFile(d.File("above.tv6"), input);
  const CliResult r = RunCli({d.File("above.tv6")});
  EXPECT_EQ(r.status, cli::kInputError);
  EXPECT_NE(r.out.find("Outcome: input error INP00029 (code 129)\n"
                       "  **** Input Data Error No. 29 ****\n"
                       "  Problem:  A depth above the ground surface was specified for the "
                       "printing\n"),
            std::string::npos)
      << r.out;
}

TEST(Cli, ATableOfTheLoadCasesFollowsANormalEnd) {
  TempDir d;
  WriteFile(d.File("pile.tv6"), testing::ReadFile(std::string(TARVEX_SOURCE_DIR) +
                                                  "/examples/elastic_pipe_clay_uscs.tv6"));
  const CliResult r = RunCli({d.File("pile.tv6")});
  EXPECT_EQ(r.status, cli::kNormal);
  const auto lines = testing::SplitLines(r.out);
  const int table = testing::FindLine(lines, "Load cases:");
  ASSERT_GE(table, 0) << r.out;
  EXPECT_EQ(
      lines[static_cast<std::size_t>(table + 1)],
      "Case    Deflection    Rotation    Max moment   at depth     Max shear   at depth  Iter");
  EXPECT_EQ(
      lines[static_cast<std::size_t>(table + 2)],
      "                in         rad         in-lb         in            lb         in      ");
  EXPECT_EQ(lines.size(), static_cast<std::size_t>(table + 3 + 5));  // five load cases
  EXPECT_EQ(lines[static_cast<std::size_t>(table + 7)].substr(0, 4), "   5");
}

TEST(Cli, TheInstalledProgramSetsItsExitStatus) {
  TempDir d;
  WriteFile(d.File("old.tv6"), "TARVEX5\n");
  const std::string cmd = std::string(TARVEX_CLI_PATH) + " " + d.File("old.tv6") + " > " +
                          d.File("stdout.txt") + " 2>&1";
  const int raw = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_NE(testing::ReadFile(d.File("stdout.txt")).find("Outcome: input error INP00006"),
            std::string::npos);
}

}  // namespace
}  // namespace tarvex
