#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

#include "core/input_model.hpp"
#include "core/path_parts.hpp"
#include "format/record_writer.hpp"
#include "input/unit_conversion.hpp"
#include "report/report_header.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FileExists;
using testing::FileLines;
using testing::FindLine;
using testing::ReadFile;
using testing::SplitLines;
using testing::TempDir;
using testing::WriteFile;

RunOptions FixedClock(RunOutcome* outcome = nullptr) {
  RunOptions o;
  o.clock = [] { return DateTime{2026, 12, 10, 9, 5, 7}; };
  o.outcome = outcome;
  return o;
}

RunFiles FilesIn(const TempDir& dir) {
  return {dir.File("in.tv6"), dir.File("run.out"), dir.File("run.plt"), dir.File("run.msg")};
}

TEST(SplitPath, WindowsAndPosixPaths) {
  struct Case {
    const char* path;
    const char* drive;
    const char* directory;
    const char* name;
    const char* extension;
  };
  const Case cases[] = {
      {"C:\\Piles\\Job 7\\shaft.tv6", "C:", "\\Piles\\Job 7\\", "shaft", ".tv6"},
      {"/home/eng/run.out", "", "/home/eng/", "run", ".out"},
      {"plain", "", "", "plain", ""},
      {"a.b.c", "", "", "a.b", ".c"},
      {"d:rel/x", "d:", "rel/", "x", ""},
      {"dir.v2/file", "", "dir.v2/", "file", ""},
      {"/tmp/archive.report", "", "/tmp/", "archive", ".report"},  // nothing is cut
  };
  for (const Case& c : cases) {
    const PathParts p = SplitPath(c.path);
    EXPECT_EQ(p.drive, c.drive) << c.path;
    EXPECT_EQ(p.directory, c.directory) << c.path;
    EXPECT_EQ(p.name, c.name) << c.path;
    EXPECT_EQ(p.extension, c.extension) << c.path;
  }
}

TEST(ReportHeader, BannerFilesAndDate) {
  RecordWriter report;
  RunResults results;
  results.engine_version = "6.0.28";
  results.files = {"C:\\Piles\\Job 7\\shaft.tv6", "C:\\Piles\\Job 7\\shaft.out",
                   "C:\\Piles\\Job 7\\shaft.plt", "C:\\Piles\\Job 7\\shaft.msg"};
  results.analysed_at = DateTime{2026, 12, 10, 9, 5, 7};
  WriteReportHeader(report, results);
  const std::string eq(80, '='), dash(80, '-'), pad(15, ' ');
  const std::vector<std::string> expected = {
      eq,
      "",
      pad + "    Tarvex for Windows, Version 6 (6.0.28)",
      "",
      pad + " Analysis of Individual Piles and Drilled Shafts ",
      pad + "Subjected to Lateral Loading Using the p-y Method",
      "",
      eq,
      "",
      dash,
      std::string(28, ' ') + "Files Used for Analysis",
      dash,
      "",
      "Path to file locations:        C:\\Piles\\Job 7\\",
      "Name of input data file:       shaft.tv6",
      "Name of output report file:    shaft.out",
      "Name of plot output file:      shaft.plt",
      "Name of runtime messeage file: shaft.msg",
      "",
      dash,
      std::string(27, ' ') + "Date and Time of Analysis",
      dash,
      "",
      pad + "Date:  December 10, 2026     Time:   9:05:07"};
  EXPECT_EQ(SplitLines(report.contents()), expected);
}

TEST(UnitConversion, UscsOnceAndOnlyUscs) {
  for (UnitSystem units : {UnitSystem::kUscs, UnitSystem::kSi, UnitSystem::kGeneral}) {
    InputModel m;
    m.options.units = units;
    m.pile_length = 50.0;
    m.ground_depth = 2.0;
    PileSection shaft;
    shaft.type = kDrilledShaft;
    shaft.length = 50.0;
    shaft.bottom = 50.0;
    m.sections.push_back(shaft);
    SoilLayer clay;
    clay.code = kSoftClay;
    clay.top = 2.0;
    clay.bottom = 20.0;
    clay.at_top.cohesion = 288.0;
    clay.at_top.unit_weight = 1728.0;
    SoilLayer rock = clay;
    rock.code = kWeakRock;
    rock.at_top.cohesion = 500.0;  // compressive strength in psi: kept
    m.layers = {clay, rock};
    m.py_output_depths = {5.0};
    m.soil_movements.push_back({10.0, 0.5});
    ConvertToComputingUnits(m);
    ConvertToComputingUnits(m);  // a second call changes nothing
    const double f = units == UnitSystem::kUscs ? 12.0 : 1.0;
    EXPECT_DOUBLE_EQ(m.pile_length, 50.0 * f);
    EXPECT_DOUBLE_EQ(m.ground_depth, 2.0 * f);
    EXPECT_DOUBLE_EQ(m.sections[0].bottom, 50.0 * f);
    EXPECT_DOUBLE_EQ(m.sections[0].length, 50.0 * f);
    EXPECT_DOUBLE_EQ(m.layers[0].bottom, 20.0 * f);
    EXPECT_DOUBLE_EQ(m.layers[0].at_top.cohesion, units == UnitSystem::kUscs ? 2.0 : 288.0);
    EXPECT_DOUBLE_EQ(m.layers[0].at_top.unit_weight, units == UnitSystem::kUscs ? 1.0 : 1728.0);
    EXPECT_DOUBLE_EQ(m.layers[1].at_top.cohesion, 500.0);
    EXPECT_DOUBLE_EQ(m.py_output_depths[0], 5.0 * f);
    EXPECT_DOUBLE_EQ(m.soil_movements[0].depth, 10.0 * f);
    EXPECT_DOUBLE_EQ(m.soil_movements[0].movement, 0.5);
  }
  EXPECT_EQ(LabelsFor(UnitSystem::kGeneral).length, "L  ");
  EXPECT_EQ(LabelsFor(UnitSystem::kGeneral).force4, "F   ");
  EXPECT_EQ(LabelsFor(UnitSystem::kSi).unit_weight, "kN/m3");
}

TEST(Run, InputFilesThatCannotBeUsed) {
  TempDir dir;
  struct Case {
    const char* name;
    std::function<void(const RunFiles&)> setup;
    int result;
    const char* identity;
  };
  const Case cases[] = {
      {"missing input", [](const RunFiles&) {}, 207, "RUN00007"},
      {"input is a directory", [](const RunFiles& f) { mkdir(f.input.c_str(), 0700); }, 207,
       "RUN00007"},
      {"empty input", [](const RunFiles& f) { WriteFile(f.input, ""); }, 125, "INP00025"},
      {"older format", [](const RunFiles& f) { WriteFile(f.input, "TARVEX5\n1\n"); }, 106,
       "INP00006"},
      {"no format tag", [](const RunFiles& f) { WriteFile(f.input, "\n  ,\nTITLE\n"); }, 106,
       "INP00006"},
  };
  for (const Case& c : cases) {
    TempDir d;
    const RunFiles files = FilesIn(d);
    c.setup(files);
    RunOutcome outcome;
    EXPECT_EQ(run(files, FixedClock(&outcome)), c.result) << c.name;
    EXPECT_EQ(testing::ErrorIdentity(outcome), c.identity) << c.name;
    EXPECT_FALSE(testing::ErrorMessage(outcome).empty()) << c.name;
    EXPECT_TRUE(FileExists(files.report) && FileExists(files.message)) << c.name;
    const auto report = FileLines(files.report);
    ASSERT_FALSE(report.empty()) << c.name;
    EXPECT_EQ(report[report.size() - 2], c.result < 200
                                             ? "The analysis ended due to an input error. "
                                             : "The analysis ended due to a runtime error. ")
        << c.name;
  }
}

TEST(Run, EmptyInputFileMessages) {
  TempDir d;
  const RunFiles files = FilesIn(d);
  WriteFile(files.input, "");
  run(files, FixedClock());
  const std::vector<std::string> message = {
      "",
      "",
      "**** Input Data Error No. 25 ****",
      "",
      "Size of input data file is 0 bytes.  No analysis performed.",
      "",
      "",
      "The analysis ended due to an input error. ",
      ""};
  EXPECT_EQ(FileLines(files.message), message);
  const std::vector<std::string> report = {
      "",
      "",
      "Tarvex ended prematurely due to input error number INP00025",
      "",
      "**** Input Data Error No. 25 ****",
      "",
      "Length of input file is 0 bytes.  No analysis can be performed.",
      "",
      "The analysis ended due to an input error. ",
      ""};
  EXPECT_EQ(FileLines(files.report), report);
}

TEST(Run, MissingInputNamesTheFile) {
  TempDir d;
  const RunFiles files = FilesIn(d);
  RunOutcome outcome;
  run(files, FixedClock(&outcome));
  const auto report = FileLines(files.report);
  EXPECT_GE(FindLine(report, "The input data file cannot be read: " + files.input), 0);
  EXPECT_GE(FindLine(report, "Reason: No such file or directory.  No analysis performed."), 0);
  ASSERT_GE(testing::ErrorMessage(outcome).size(), 3U);
  EXPECT_EQ(testing::ErrorMessage(outcome)[0], "**** Runtime Error No. 7 ****");
}

TEST(Run, OutputFileThatCannotBeCreated) {
  TempDir d;
  RunFiles files = FilesIn(d);
  WriteFile(files.input, "TARVEX5\n");
  files.plot = d.File("no-such-dir/run.plt");
  RunOutcome outcome;
  EXPECT_EQ(run(files, FixedClock(&outcome)), 208);
  EXPECT_EQ(testing::ErrorIdentity(outcome), "RUN00008");
  const auto message = FileLines(files.message);
  EXPECT_GE(FindLine(message, "The plot output file cannot be created: " + files.plot), 0);
  EXPECT_FALSE(FileExists(files.plot));
}

TEST(RunWithControlFile, ControlFileErrors) {
  // Each error keeps its own text; the line after it says what is wrong
  // with the file (`cause`, a part of that line), on the standard error
  // stream and in the outcome.
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> make;  // lays out NAMES.DAT
    int result;
    const char* text;
    const char* cause;  // nullptr: the error has no cause line
  };
  auto write = [](std::string contents) {
    return [contents](const std::string& p) { WriteFile(p, contents); };
  };
  const std::string long_path(300, 'x');
  const Case cases[] = {
      {"missing", [](const std::string&) {}, 202, "Contents of file NAMES.DAT is corrupted.",
       "NAMES.DAT cannot be read: No such file or directory."},
      {"a directory", [](const std::string& p) { mkdir(p.c_str(), 0700); }, 202,
       "Contents of file NAMES.DAT is corrupted.", "NAMES.DAT cannot be read: it is a directory."},
      {"a FIFO without a writer", [](const std::string& p) { mkfifo(p.c_str(), 0600); }, 202,
       "Contents of file NAMES.DAT is corrupted.",
       "NAMES.DAT cannot be read: it is a FIFO (named pipe), not a regular file."},
      {"three lines", write("in.tv6\nrun.out\nrun.plt\n"), 217,
       "Run message filename information is corrupted. No analysis performed.", nullptr},
      {"blank first line", write("   \nrun.out\nrun.plt\nrun.msg\n"), 217,
       "Input data filename information corrupted. No analysis performed.", nullptr},
      {"empty", write(""), 217, "Input data filename information corrupted. No analysis performed.",
       nullptr},
      {"over-long report path", write("in.tv6\n" + long_path + "\nrun.plt\nrun.msg\n"), 204,
       "The name of the output report file is corrupted.",
       "Line 2 of NAMES.DAT holds 300 characters; a path may hold at most 256."},
      {"byte-order mark", write("\xEF\xBB\xBFin.tv6\nrun.out\nrun.plt\nrun.msg\n"), 203,
       "The name of the input data file is corrupted.",
       "NAMES.DAT begins with a byte-order mark (the bytes EF BB BF) before the first path"},
      {"lines ended by CR alone", write("in.tv6\rrun.out\rrun.plt\rrun.msg\r"), 203,
       "The name of the input data file is corrupted.",
       "Line 1 of NAMES.DAT holds a carriage return (CR) inside it: lines must end with LF or "
       "CR LF, not with CR alone."},
  };
  for (const Case& c : cases) {
    TempDir d;
    const std::string names = d.File("NAMES.DAT");
    c.make(names);
    RunOutcome outcome;
    std::promise<int> done;
    std::future<int> result = done.get_future();
    std::string err;
    std::thread runner([&] {
      ::testing::internal::CaptureStderr();
      const int r = run_with_control_file(names, FixedClock(&outcome));
      err = ::testing::internal::GetCapturedStderr();
      done.set_value(r);
    });
    if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
      ADD_FAILURE() << c.name << ": the run waits on NAMES.DAT";
      const int fd = open(names.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) close(fd);
    }
    runner.join();
    EXPECT_EQ(result.get(), c.result) << c.name;
    const std::vector<std::string> message = testing::ErrorMessage(outcome);
    ASSERT_GE(message.size(), 2U) << c.name;
    EXPECT_EQ(message[1], c.text) << c.name;
    EXPECT_NE(err.find(c.text), std::string::npos) << c.name << "\n" << err;
    if (c.cause == nullptr) {
      EXPECT_EQ(message.size(), 2U) << c.name;
      continue;
    }
    ASSERT_EQ(message.size(), 3U) << c.name;
    EXPECT_NE(message[2].find(c.cause), std::string::npos) << c.name << ": " << message[2];
    EXPECT_NE(err.find(message[2]), std::string::npos) << c.name << "\n" << err;
  }
}

TEST(RunWithControlFile, ReadsTheFourPathsWithWindowsLineEnds) {
  TempDir d;
  WriteFile(d.File("in.tv6"), "TARVEX5\n");
  WriteFile(d.File("NAMES.DAT"), d.File("in.tv6") + "  \r\n" + d.File("a.out") + "\r\r\n" +
                                     d.File("a.plt") + "\r\n" + d.File("a.msg") + "\r\nextra\r\n");
  EXPECT_EQ(run_with_control_file(d.File("NAMES.DAT"), FixedClock()), 106);
  EXPECT_TRUE(FileExists(d.File("a.out")));
  EXPECT_TRUE(FileExists(d.File("a.msg")));
}

TEST(Run, TwoRunsOnTwoThreadsWriteWhatEachWritesAlone) {
  // A whole analysis: reading, section tables, five load cases, printed p-y
  // curves and the summary.
  const std::string input =
      ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/elastic_pipe_clay_uscs.tv6");
  TempDir alone, a, b;
  for (const TempDir* d : {&alone, &a, &b}) WriteFile(d->File("in.tv6"), input);
  const int expected = run(FilesIn(alone), FixedClock());
  int ra = 0, rb = 0;
  std::thread ta([&] { ra = run(FilesIn(a), FixedClock()); });
  std::thread tb([&] { rb = run(FilesIn(b), FixedClock()); });
  ta.join();
  tb.join();
  EXPECT_EQ(expected, 0);
  EXPECT_EQ(ra, expected);
  EXPECT_EQ(rb, expected);
  // Every line but the one naming the directory of the input file.
  auto lines = [](const std::string& path) {
    auto all = FileLines(path);
    std::erase_if(all, [](const std::string& l) { return l.rfind("Path to file", 0) == 0; });
    return all;
  };
  for (const TempDir* d : {&a, &b}) {
    for (const char* name : {"run.out", "run.plt", "run.msg"}) {
      EXPECT_EQ(lines(d->File(name)), lines(alone.File(name))) << name;
    }
  }
}

std::string Example(const std::string& name) {
  return ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
}

// The text with the first `from` replaced by `to`.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(Run, ResultsTooWideForTheirFieldsAreAWarningThatNamesThem) {
  // An elastic pile under 1E14 lb: the run ends normally, its head shear
  // and rotation, and the echoed deflection limit of 1E20 in, print as
  // asterisks.
  AnalyseOptions options;
  options.keep_texts = true;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 5, 7}; };
  const RunResults r = analyse(ReadFile(std::string(TARVEX_SOURCE_DIR) +
                                        "/tests/corpus/results_too_wide_for_their_fields.tv6"),
                               options);
  EXPECT_EQ(r.result_code, -371);
  const std::vector<std::string> report = SplitLines(r.report_text);
  const int block = FindLine(report, "**** Warning - Results Too Wide for Their Fields ****");
  ASSERT_GE(block, 0);
  const std::vector<std::string> named(report.begin() + block + 5, report.begin() + block + 8);
  const int shear = FindLine(
      report, "Horizontal shear force at pile head                    = *************** lbs");
  ASSERT_GE(shear, 0);
  EXPECT_EQ(named[1], "   Report, line " + std::to_string(shear + 1) +
                          ": Horizontal shear force at pile head");
  EXPECT_EQ(named[0].rfind("   Report, line ", 0), 0U);
  EXPECT_NE(named[0].find(": Maximum allowable deflection"), std::string::npos);
  EXPECT_NE(named[2].find(": Rotation radians"), std::string::npos);
  EXPECT_GE(
      FindLine(SplitLines(r.message_text), "**** Warning - Results Too Wide for Their Fields ****"),
      0);
  // The same pile under 10 kips prints every field.
  const RunResults fits =
      analyse(Edited(Edited(ReadFile(std::string(TARVEX_SOURCE_DIR) +
                                     "/tests/corpus/results_too_wide_for_their_fields.tv6"),
                            "1 1 1.0e14", "1 1 1.0e4"),
                     "MaxDeflection 1e20", "MaxDeflection 10.0"),
              options);
  EXPECT_NE(fits.result_code, -371);
  EXPECT_EQ(fits.report_text.find("Too Wide"), std::string::npos);
}

// Whole runs of inputs that once crashed, ended normally with nothing or
// with numbers that are not finite, or lost a warning.
struct HostileCase {
  std::string name;
  std::string input;
  int result;
  std::string identity;
  std::string report_line;  // a line the report must hold
};

void ExpectOutcomes(const std::vector<HostileCase>& cases) {
  for (const HostileCase& c : cases) {
    TempDir d;
    const RunFiles files = FilesIn(d);
    WriteFile(files.input, c.input);
    RunOutcome outcome;
    EXPECT_EQ(run(files, FixedClock(&outcome)), c.result) << c.name;
    EXPECT_EQ(testing::ErrorIdentity(outcome), c.identity) << c.name;
    const auto report = FileLines(files.report);
    EXPECT_GE(FindLine(report, c.report_line), 0) << c.name << "\n" << ReadFile(files.report);
    for (const std::string& file : {files.report, files.plot, files.message}) {
      const std::string text = ReadFile(file);
      for (const char* word : {"NaN", "Infinity", "Not-a-Number"}) {
        EXPECT_EQ(text.find(word), std::string::npos) << c.name << ": " << word << " in " << file;
      }
    }
  }
}

TEST(Run, EveryExampleWithoutSectionsEndsWithTheMissingSection) {
  std::vector<HostileCase> cases;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(TARVEX_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".tv6") continue;
    // Drop the SECTIONS keyword and its body: every line up to the next keyword.
    std::string kept;
    bool in_sections = false;
    for (const std::string& line : SplitLines(ReadFile(entry.path().string()))) {
      const bool keyword =
          !line.empty() &&
          line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ -") == std::string::npos;
      if (keyword) in_sections = line == "SECTIONS";
      if (!in_sections) kept += line + "\n";
    }
    cases.push_back({entry.path().filename().string(), kept, 199, "INP00099",
                     std::string(10, ' ') + "SECTIONS                 the pile sections"});
  }
  ASSERT_GE(cases.size(), 6U);
  ExpectOutcomes(cases);
}

TEST(Run, NothingAnalysedIsNoNormalEnd) {
  // Without soil layers the pile used to be solved on its starting springs.
  const std::string quickstart = Example("quickstart.tv6");
  const std::size_t soil = quickstart.find("SOIL LAYERS\n");
  const std::string no_soil =
      quickstart.substr(0, soil) + quickstart.substr(quickstart.find("LOADING\n", soil));
  ExpectOutcomes({
      {"tag and END only", "TARVEX6\nEND\n", 199, "INP00099",
       "Problem:  in.tv6 ends at line 2 without sections that every analysis needs:"},
      {"no soil layers", no_soil, 199, "INP00099",
       std::string(10, ' ') + "SOIL LAYERS              the soil layers along the pile"},
  });
}

TEST(Run, AResultThatIsNotFiniteEndsTheRun) {
  // A concrete strength of 1e-15 psi leaves the section's properties without
  // meaning: runtime error 28 before any of them is printed.
  ExpectOutcomes({{"concrete of no strength",
                   Edited(Example("prestressed_pile_sections_ei_only_uscs.tv6"),
                          "\n6000.0                     f'c", "\n1e-15 f'c"),
                   228, "RUN00028",
                   "The properties computed from the dimensions and materials of Section 1 are "
                   "not finite numbers."}});
}

TEST(Run, AWarningOfSectionAnalysisReachesTheHostAndTheSummary) {
  // A 12-in shaft with almost no steel: its moment-curvature curve runs to
  // 150 points (warning 305) before the load cases begin.
  std::string input = Example("quickstart.tv6");
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"\n36.0 ", "\n12.0 "},
           {"\n1.128 ", "\n0.05 "},
           {"\n1.0                        area", "\n0.0001 area"},
           {"\n3.0                        concrete cover", "\n1.0 cover"},
           {"10000.0  240000.0  100000.0", "100.0 200.0 0.0"},
           {"10000.0       0.0  100000.0", "100.0 0.0 0.0"},
           {"0.25      0.0  100000.0", "0.001 0.0 0.0"}}) {
    input = Edited(input, from, to);
  }
  ExpectOutcomes({{"under-reinforced shaft", input, -305, "",
                   "Too many values were calculated for moment-curvature."}});
  TempDir d;
  const RunFiles files = FilesIn(d);
  WriteFile(files.input, input);
  RunOutcome outcome;
  run(files, FixedClock(&outcome));
  const auto report = FileLines(files.report);
  EXPECT_GE(FindLine(report, "The following warning was reported 1 times"), 0);
  EXPECT_EQ(FindLine(report, "No error or warning messages were generated by this analysis."), -1);
  // The results agree: one warning, before the load cases.
  const RunResults& results = outcome.results;
  EXPECT_EQ(results.outcome, Outcome::kWarnings);
  EXPECT_EQ(results.result_code, -305);
  ASSERT_EQ(results.warnings.size(), 1U);
  EXPECT_EQ(results.warnings[0].number, 305);
  EXPECT_EQ(results.warnings[0].load_case, 0);
  EXPECT_EQ(results.warnings[0].count, 1);
  EXPECT_EQ(results.warnings[0].text.at(2),
            "Too many values were calculated for moment-curvature.");
}

}  // namespace
}  // namespace tarvex
