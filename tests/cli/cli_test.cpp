#include "cli/cli.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::FileExists;
using testing::TempDir;
using testing::WriteFile;

using testing::CliResult;
using testing::RunCli;

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

std::string Example(const std::string& name) {
  return testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The lines of the load-case table: heading, units, one row per case.
std::vector<std::string> CaseTable(const std::string& out) {
  const auto lines = testing::SplitLines(out);
  const int table = testing::FindLine(lines, "Load cases:");
  if (table < 0) return {};
  return {lines.begin() + table + 1, lines.end()};
}

TEST(Cli, ATableOfTheLoadCasesFollowsANormalEnd) {
  TempDir d;
  WriteFile(d.File("pile.tv6"), Example("quickstart.tv6"));
  const CliResult r = RunCli({d.File("pile.tv6")});
  EXPECT_EQ(r.status, cli::kNormal);
  // Four significant digits in every numeric column, aligned on the right;
  // exponent form below 0.001; engineering units; the fixed head's rotation
  // of 1.8e-19 rad, round-off of its largest slope, shows as 0.
  const std::vector<std::string> engineering{
      "Case  Shear  Moment  Deflection    Rotation  Max moment  at depth  Max shear  at depth  "
      "Iter",
      "        kip  kip-ft          in         rad      kip-ft        ft        kip        ft",
      "   1  10.00   20.00     0.03347  -3.360e-04       72.09     10.00     -11.18     14.00    "
      "13",
      "   2  10.00  -51.05    0.006440           0      -51.05         0      10.00         0     "
      "9",
      "   3  34.07       0      0.2500   -0.001986       250.8     10.80      34.07         0    "
      "52"};
  EXPECT_EQ(CaseTable(r.out), engineering) << r.out;
  // The computing units on request, with the moment named as the report names it.
  const std::vector<std::string> computing{
      "Case  Shear   Moment  Deflection    Rotation  Max moment  at depth  Max shear  at depth  "
      "Iter",
      "         lb    in-lb          in         rad       in-lb        in         lb        in",
      "   1  10000   240000     0.03347  -3.360e-04      865000     120.0     -11180     168.0    "
      "13",
      "   2  10000  -612500    0.006440           0     -612500         0      10000         0     "
      "9",
      "   3  34070        0      0.2500   -0.001986     3010000     129.6      34070         0    "
      "52"};
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{d.File("pile.tv6"), "--units", "computing"},
        std::vector<std::string>{"--units=computing", d.File("pile.tv6")}}) {
    const CliResult c = RunCli(args);
    EXPECT_EQ(c.status, cli::kNormal) << c.err;
    EXPECT_EQ(CaseTable(c.out), computing) << c.out;
  }
}

// --load-steps: every case's curve in the table, the JSON and a CSV table,
// its last level the case itself; the report, plot and message files stay
// those of the run without it. Bad values of the options are refused.
TEST(Cli, LoadStepsWriteEachCasesCurve) {
  TempDir d;
  WriteFile(d.File("pile.tv6"), Example("quickstart.tv6"));
  const CliResult plain = RunCli({d.File("pile.tv6"), "-o", d.File("plain")});
  ASSERT_EQ(plain.status, cli::kNormal) << plain.err;
  const CliResult r =
      RunCli({d.File("pile.tv6"), "--load-steps", "4", "--json", "--csv", "-o", d.File("steps")});
  ASSERT_EQ(r.status, cli::kNormal) << r.err;
  // Byte for byte, but for the folder that the report's header names.
  for (const char* file : {"pile.out", "pile.plt", "pile.msg"}) {
    std::string text = testing::ReadFile(d.File(std::string("steps/") + file));
    for (std::size_t at = text.find(d.File("steps")); at != std::string::npos;
         at = text.find(d.File("steps"), at)) {
      text.replace(at, d.File("steps").size(), d.File("plain"));
    }
    EXPECT_EQ(text, testing::ReadFile(d.File(std::string("plain/") + file))) << file;
  }
  const auto lines = testing::SplitLines(r.out);
  const int at = testing::FindLine(lines, "Load-deflection curve of load case 1 (4 levels):");
  ASSERT_GE(at, 0) << r.out;
  EXPECT_EQ(lines[static_cast<std::size_t>(at + 1)],
            "  Level  Factor  Head shear  Head deflection  Max moment");
  EXPECT_EQ(lines[static_cast<std::size_t>(at + 6)],
            "      4   1.000       10.00          0.03347       72.09");
  const auto json = nlohmann::json::parse(testing::ReadFile(d.File("steps/pile.json")));
  const auto& curve = json["cases"][0]["load_curve"];
  ASSERT_EQ(curve["points"].size(), 4U);
  EXPECT_EQ(curve["points"][3]["head_deflection"], json["cases"][0]["head_deflection"]);
  const auto csv = testing::FileLines(d.File("steps/pile.curves.csv"));
  ASSERT_EQ(csv.size(), 13U);
  EXPECT_EQ(csv[0],
            "case,level,factor,head_shear [kip],head_moment [kip-ft],head_deflection [in],"
            "head_rotation [rad],max_moment [kip-ft],max_moment_depth [ft],max_shear [kip],"
            "iterations,status");
  EXPECT_EQ(csv[4].substr(0, 14), "1,4,1,10,20,0.");
  // A later run without steps removes the table.
  RunCli({d.File("pile.tv6"), "--csv", "-o", d.File("steps")});
  EXPECT_FALSE(FileExists(d.File("steps/pile.curves.csv")));

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{d.File("pile.tv6"), "--load-steps", "0"},
        std::vector<std::string>{d.File("pile.tv6"), "--load-steps", "1001"},
        std::vector<std::string>{d.File("pile.tv6"), "--load-steps=ten"},
        std::vector<std::string>{d.File("pile.tv6"), "--units", "si"},
        std::vector<std::string>{d.File("pile.tv6"), "--units"}}) {
    const CliResult e = RunCli(bad);
    EXPECT_EQ(e.status, cli::kFilesUnusable) << bad.back();
    EXPECT_NE(e.err.find("tarvex: option --"), std::string::npos) << e.err;
  }
}

TEST(Cli, AnLrfdTableNamesEachCombinationAndItsCheck) {
  TempDir d;
  WriteFile(d.File("lrfd.tv6"), Example("lrfd_hpile_clays_si.tv6"));
  const CliResult r = RunCli({d.File("lrfd.tv6")});
  EXPECT_EQ(r.status, cli::kNormal);
  const auto table = CaseTable(r.out);
  const std::vector<std::string> expected{
      "Case  Combination   Shear  Moment  Deflection  Rotation  Max moment  at depth  Max shear  "
      "at depth  Iter  Check",
      "                       kN    kN-m          mm       rad        kN-m         m         kN"
      "         m",
      "   1  Strength I    120.3   38.75       86.02  -0.02889       349.2     3.400     -176.0"
      "     5.000    33  pass",
      "   2  Strength III  83.92   12.50       43.57  -0.01538       203.8     3.200     -117.4"
      "     4.600    30  pass",
      "   3  Service I     87.53   25.00       47.54  -0.01704       219.7     3.200     -124.2"
      "     4.600    31  pass",
      // The wind group's 5 kN/m at the head, falling to 0 at 2 m, factored 1.4.
      "Note: the distributed load starts at the pile head, where about 0.341 kN (4.9 %) of its "
      "force is lost; more increments reduce it in proportion (docs/accuracy.md)."};
  EXPECT_EQ(table, expected) << r.out;
}

TEST(Cli, ARuntimeErrorShowsItsWholeMessageAndAdvice) {
  struct Case {
    std::string from, to;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      // Case 3's imposed 0.25 in made 0.005 in, within the new limit.
      {"MaxDeflection 10.0",
       "MaxDeflection 0.01",
       {"Outcome: runtime error RUN00009 (code 209)",
        "  The computed deflection of the pile head is ",
        "  The specified excess deflection limit is      0.1000E-01 in\n",
        "  increase the size of the pile if necessary."}},
      // The iteration stalls far below any tolerance that matters.
      {"Tolerance 1.0E-5",
       "Tolerance 1.0E-20",
       {"Outcome: runtime error RUN00010 (code 210)",
        "  Specified convergence tolerance =  0.100E-19 in\n",
        "  Advice: The change of deflection stopped falling at 1.62e-14 in after iteration 63: the "
        "head deflection (0.0335 in) has converged to about that; a Tolerance of 1e-05 in ends "
        "the iteration.\n"}},
      {"MaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5",
       "MaxIterations 30\nMaxDeflection 10.0\nTolerance 1.0E-20",
       {"  Advice: Raise MaxIterations above 30 (at most 1000), or use the recommended Tolerance "
        "of 1e-05 in.\n"}},
  };
  for (const Case& c : cases) {
    TempDir d;
    WriteFile(d.File("pile.tv6"), Replaced(Replaced(Example("quickstart.tv6"), c.from, c.to),
                                           "3  4      0.25 ", "3  4      0.005"));
    const CliResult r = RunCli({d.File("pile.tv6")});
    EXPECT_EQ(r.status, cli::kRuntimeError);
    for (const std::string& line : c.shown) {
      EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    }
  }
}

TEST(Cli, AnInputErrorNamesTheLineAndItsText) {
  TempDir d;
  WriteFile(d.File("pile.tv6"),
            Replaced(Example("quickstart.tv6"), "\nEND\n", "\nNOT A SECTION\nEND\n"));
  const CliResult r = RunCli({d.File("pile.tv6")});
  EXPECT_EQ(r.status, cli::kInputError);
  EXPECT_NE(r.out.find("  The following line is unrecognized or is out-of-order\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("  At line 59 of pile.tv6: NOT A SECTION\n"), std::string::npos) << r.out;
}

TEST(Cli, ADistributedLoadAtThePileHeadGetsANoteOnItsLostForce) {
  TempDir d;
  WriteFile(d.File("pile.tv6"), Replaced(Example("quickstart.tv6"),
                                         "0                          no distributed lateral load\n",
                                         "2\n1 0.0 50.0\n2 10.0 50.0\n"));
  const CliResult r = RunCli({d.File("pile.tv6")});
  EXPECT_EQ(r.status, cli::kNormal) << r.out;
  // 50 lb/in over 10 ft: 6000 lb, of which q(0) h / 4 = 50 * 4.8 / 4 lb.
  EXPECT_NE(r.out.find("\nNote: the distributed load starts at the pile head, where about "
                       "0.0600 kip (1.0 %) of its force is lost;"),
            std::string::npos)
      << r.out;
}

// The same dry sand in SI and in USCS: only the SI run's default k takes the
// formula for sand above the water table, and only that run says so.
TEST(Cli, ADefaultSandKAboveTheWaterTableGetsANote) {
  const std::string note =
      "\nNote: the default k of sand layer 1 took the formula for sand above the water table "
      "(average effective unit weight above 12.225 kN/m3); in USCS units the same soil takes the "
      "other formula (docs/accuracy.md).\n";
  const std::string fixtures = std::string(TARVEX_SOURCE_DIR) + "/tests/engine/fixtures/";
  for (const char* name : {"dry_sand_default_k_si.tv6", "dry_sand_default_k_uscs.tv6"}) {
    SCOPED_TRACE(name);
    TempDir d;
    WriteFile(d.File("pile.tv6"), testing::ReadFile(fixtures + name));
    const CliResult r = RunCli({d.File("pile.tv6")});
    EXPECT_EQ(r.status, cli::kNormal) << r.out;
    EXPECT_EQ(r.out.find(note) != std::string::npos,
              std::string(name).find("_si") != std::string::npos)
        << r.out;
  }
  // Submerged sand in SI takes the same formula as USCS: no note.
  TempDir d;
  WriteFile(d.File("pile.tv6"), Replaced(testing::ReadFile(fixtures + "dry_sand_default_k_si.tv6"),
                                         "18.8504  35.0  0.0\n18.8504", "10.0  35.0  0.0\n10.0"));
  const CliResult wet = RunCli({d.File("pile.tv6")});
  EXPECT_EQ(wet.status, cli::kNormal) << wet.out;
  EXPECT_EQ(wet.out.find("Note:"), std::string::npos) << wet.out;
}

TEST(Cli, WarningsAreCountedAsTheReportCountsThem) {
  // A soft clay of 1300 psf: warning 3041 at every node of the layer, in
  // every iteration of each of the three load cases. The report's summary
  // counts those since the last load case began; so does the command line,
  // and it says so, as the whole run recorded more.
  TempDir d;
  WriteFile(d.File("pile.tv6"),
            Replaced(Replaced(Example("quickstart.tv6"), "60.0   500.0  0.01         top",
                              "60.0   1300.0  0.01        top"),
                     "60.0   800.0  0.01         bottom", "60.0   1300.0  0.01        bottom"));
  const CliResult r = RunCli({d.File("pile.tv6")});
  EXPECT_EQ(r.status, cli::kNormal);
  const std::string report = testing::ReadFile(d.File("pile.out"));
  const std::string counted = "The following warning was reported ";
  const std::size_t at = report.find(counted);
  ASSERT_NE(at, std::string::npos);
  const std::string times = report.substr(
      at + counted.size(), report.find(' ', at + counted.size()) - at - counted.size());
  EXPECT_NE(r.out.find("Outcome: normal end with warnings: 3041 (" + times + " times)\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("  (times as the report's warning summary counts them: since the last "
                       "load case began, at most 4000)\n"),
            std::string::npos)
      << r.out;
}

TEST(Cli, NoControlCharacterOfTheInputReachesTheTerminal) {
  TempDir d;
  WriteFile(d.File("pile.tv6"),
            Replaced(Example("quickstart.tv6"), "\nLOADING\n", "\nLOADING\x1B[2J\xC2\xA0\n"));
  const CliResult r = RunCli({d.File("pile.tv6")});
  EXPECT_EQ(r.status, cli::kInputError);
  EXPECT_NE(r.out.find("  LOADING<U+001B>[2J<U+00A0>\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(": LOADING<U+001B>[2J<U+00A0>\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find('\x1B'), std::string::npos);
}

TEST(Cli, AnInputThatIsALinkLoopIsNamedAsSuch) {
  TempDir d;
  std::filesystem::create_symlink(d.File("b.tv6"), d.File("a.tv6"));
  std::filesystem::create_symlink(d.File("a.tv6"), d.File("b.tv6"));
  const CliResult r = RunCli({d.File("a.tv6")});
  EXPECT_EQ(r.status, cli::kFilesUnusable);
  EXPECT_NE(r.err.find("cannot read the input file " + d.File("a.tv6") +
                       ": Too many levels of symbolic links"),
            std::string::npos)
      << r.err;
  EXPECT_NE(RunCli({d.File("c.tv6")}).err.find(": no such file"), std::string::npos);
}

// The input as data with --csv: the layers' values always, the LRFD forms
// of an LRFD run; a later run without LRFD leaves no LRFD table behind.
TEST(Cli, LayerAndLrfdTablesWithCsv) {
  TempDir d;
  WriteFile(d.File("pile.tv6"), Example("lrfd_hpile_clays_si.tv6"));
  const char* const lrfd[] = {"pile.lrfd_groups.csv", "pile.lrfd_combinations.csv",
                              "pile.lrfd_loads.csv"};
  const CliResult r = RunCli({d.File("pile.tv6"), "--csv"});
  EXPECT_EQ(r.status, cli::kNormal) << r.err;
  EXPECT_NE(r.out.find(d.File("pile.layers.csv")), std::string::npos) << r.out;
  for (const char* name : lrfd) {
    EXPECT_TRUE(FileExists(d.File(name))) << name;
    EXPECT_NE(r.out.find(d.File(name)), std::string::npos) << name << "\n" << r.out;
  }
  WriteFile(d.File("pile.tv6"), Example("quickstart.tv6"));
  EXPECT_EQ(RunCli({d.File("pile.tv6"), "--csv"}).status, cli::kNormal);
  EXPECT_TRUE(FileExists(d.File("pile.layers.csv")));
  for (const char* name : lrfd) EXPECT_FALSE(FileExists(d.File(name))) << name;
}

TEST(Cli, JsonAndCsvFilesWhenAsked) {
  TempDir d;
  WriteFile(d.File("pile.tv6"), Example("quickstart.tv6"));
  const CliResult r = RunCli({d.File("pile.tv6"), "--json", "--csv"});
  EXPECT_EQ(r.status, cli::kNormal);
  for (const char* name : {"pile.json", "pile.cases.csv", "pile.case1.csv", "pile.case3.csv"}) {
    EXPECT_TRUE(FileExists(d.File(name))) << name;
    EXPECT_NE(r.out.find(d.File(name)), std::string::npos) << name << "\n" << r.out;
  }
  EXPECT_FALSE(FileExists(d.File("pile.case4.csv")));
  // A later run with fewer cases leaves no node table of a case it lacks.
  WriteFile(d.File("pile.tv6"),
            Replaced(Replaced(Example("quickstart.tv6"),
                              "3                          number of "
                              "load cases",
                              "2                          number of load cases"),
                     "3  4      0.25      0.0  100000.0  1   deflection in, moment in-lb\n", ""));
  EXPECT_EQ(RunCli({d.File("pile.tv6"), "--csv"}).status, cli::kNormal);
  EXPECT_TRUE(FileExists(d.File("pile.case2.csv")));
  EXPECT_FALSE(FileExists(d.File("pile.case3.csv")));
  // An input named like the results file is not written over.
  WriteFile(d.File("old.json"), "{}");
  const CliResult over = RunCli({d.File("old.json"), "--json"});
  EXPECT_EQ(over.status, cli::kFilesUnusable);
  EXPECT_NE(over.err.find("the results file " + d.File("old.json") +
                          " would be written over the input file"),
            std::string::npos)
      << over.err;
  EXPECT_EQ(testing::ReadFile(d.File("old.json")), "{}");
  // A results file that cannot be written is named, and the exit status says so.
  std::filesystem::remove(d.File("pile.json"));
  std::filesystem::create_directory(d.File("pile.json"));
  const CliResult blocked = RunCli({d.File("pile.tv6"), "--json"});
  EXPECT_EQ(blocked.status, cli::kFilesUnusable);
  EXPECT_NE(blocked.err.find("tarvex: cannot write " + d.File("pile.json") + ": "),
            std::string::npos)
      << blocked.err;
}

// With interaction diagrams: each section's highest utilisation after the
// load cases, and the tables of the diagrams and of the demands; a later run
// without diagrams leaves neither table behind.
TEST(Cli, InteractionDiagramsShowEachSectionsHighestUtilisation) {
  TempDir d;
  const std::string with = Replaced(Example("quickstart.tv6"), "ComputeInteraction NO\n",
                                    "ComputeInteraction YES\nCode ACI318\n");
  WriteFile(d.File("pile.tv6"), with);
  const CliResult r = RunCli({d.File("pile.tv6"), "--csv", "--units", "computing"});
  EXPECT_EQ(r.status, cli::kNormal) << r.err;
  const auto lines = testing::SplitLines(r.out);
  const int at = testing::FindLine(lines, "Interaction diagrams (ACI318):");
  ASSERT_GE(at, 0) << r.out;
  ASSERT_LT(static_cast<std::size_t>(at + 2), lines.size());
  EXPECT_EQ(lines[static_cast<std::size_t>(at + 1)],
            "  Section 1: highest utilisation 0.236 under load case 3, all pass (ACI 318-19, "
            "tied by default)");
  EXPECT_EQ(lines[static_cast<std::size_t>(at + 2)],
            "  The load cases are not factored: their demands are set against the design diagram "
            "as they are.");
  const auto diagram = testing::FileLines(d.File("pile.interaction.csv"));
  ASSERT_GE(diagram.size(), 41U);
  EXPECT_EQ(diagram[0],
            "section,code,point,nominal_axial [lb],nominal_moment [lb-in],factored_axial [lb],"
            "factored_moment [lb-in],phi");
  // Point 1: pure compression, P0 = 0.85 f'c (Ag - As) + fy As in pounds.
  EXPECT_EQ(diagram[1].substr(0, 11), "1,ACI318,1,");
  EXPECT_NEAR(std::stod(diagram[1].substr(11)), 4139978.467, 1e-3);
  const auto demands = testing::FileLines(d.File("pile.demands.csv"));
  ASSERT_EQ(demands.size(), 4U);
  EXPECT_EQ(demands[0],
            "section,case,combination,factored,axial [lb],moment [lb-in],utilisation,"
            "capacity_axial [lb],capacity_moment [lb-in],passed");
  EXPECT_EQ(demands[3].substr(0, 16), "1,3,,no,1e+05,30");
  EXPECT_EQ(demands[3].substr(demands[3].size() - 4), ",yes");

  WriteFile(d.File("pile.tv6"), Example("quickstart.tv6"));
  const CliResult without = RunCli({d.File("pile.tv6"), "--csv"});
  EXPECT_EQ(without.out.find("Interaction"), std::string::npos);
  EXPECT_FALSE(FileExists(d.File("pile.interaction.csv")));
  EXPECT_FALSE(FileExists(d.File("pile.demands.csv")));
}

// The page embeds the results data of the same run; an input named like the
// page is not written over.
TEST(Cli, HtmlReportWhenAsked) {
  TempDir d;
  WriteFile(d.File("pile.tv6"), Example("quickstart.tv6"));
  const CliResult r = RunCli({d.File("pile.tv6"), "--html", "--json"});
  EXPECT_EQ(r.status, cli::kNormal) << r.err;
  ASSERT_TRUE(FileExists(d.File("pile.html")));
  EXPECT_NE(r.out.find("page     " + d.File("pile.html")), std::string::npos) << r.out;
  const std::string page = testing::ReadFile(d.File("pile.html"));
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0U);
  EXPECT_EQ(page.find("<script src="), std::string::npos) << "every script is inlined";
  // The title of the run reaches the page through the results data.
  EXPECT_NE(page.find("Quickstart: 36-in reinforced concrete drilled shaft"), std::string::npos);
  WriteFile(d.File("old.html"), "<p>kept</p>");
  EXPECT_EQ(RunCli({d.File("old.html"), "--html"}).status, cli::kFilesUnusable);
  EXPECT_EQ(testing::ReadFile(d.File("old.html")), "<p>kept</p>");
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
