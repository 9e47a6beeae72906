// What a new user meets first: the help, the starter inputs and the check
// of an input before its analysis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "engine/templates.hpp"
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

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "no \"" << from << "\" in the input";
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The help gives every option with an example of each, and the command-line
// guide prints the help as the program does.
TEST(Starter, TheHelpGivesEveryOptionWithAnExampleAsTheGuidePrintsIt) {
  const CliResult help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* form :
       {"  -o DIR, --output DIR\n", "  --json\n", "  --csv\n", "  --html\n",
        "  --units engineering|computing, --units=U\n", "  --load-steps N, --load-steps=N\n",
        "  -j N, -jN, --jobs N, --jobs=N\n", "  --summary FILE.csv\n",
        "  --template [uscs|si] [shaft|pipe]\n", "  --check INPUT...\n", "  -h, --help\n",
        "  --version\n"}) {
    const std::size_t at = help.out.find(form);
    ASSERT_NE(at, std::string::npos) << form << help.out;
    // Its example follows before the next option.
    const std::size_t example = help.out.find("      e.g. tarvex ", at);
    const std::size_t next = help.out.find("\n  -", at + 1);
    EXPECT_LT(example, next) << form;
  }
  // An example of each form of an option that has several.
  for (const char* example :
       {"e.g. tarvex pile.tv6 -o runs\n", "e.g. tarvex pile.tv6 --output runs\n",
        "--units computing\n", "--units=engineering\n", "--load-steps 10", "--load-steps=20",
        "-j 2", "-j4\n", "--jobs 4\n", "--jobs=4\n", "e.g. tarvex -h\n", "e.g. tarvex --help\n"}) {
    EXPECT_NE(help.out.find(example), std::string::npos) << example;
  }
  const std::string guide = ReadFile(std::string(TARVEX_SOURCE_DIR) + "/docs/command-line.md");
  EXPECT_NE(guide.find("```text\n$ tarvex --help\n" + help.out + "```\n"), std::string::npos)
      << "docs/command-line.md does not hold the help as printed:\n"
      << help.out;
  // A bad command line gets the ways to call the program, not the whole help.
  const CliResult bad = RunCli({"--frobnicate"});
  EXPECT_EQ(bad.status, cli::kFilesUnusable);
  EXPECT_NE(bad.err.find("unknown option --frobnicate"), std::string::npos);
  EXPECT_NE(bad.err.find("Run tarvex --help"), std::string::npos);
}

// Every starter input is a real input: it runs to a normal end without a
// warning, every load case deflects the head, and every line either
// carries its remark after its values or has a note shown beside the file.
TEST(Starter, EveryTemplateRunsToANormalEnd) {
  ASSERT_GE(InputTemplates().size(), 4U);
  for (const InputTemplate& t : InputTemplates()) {
    const std::string name = std::string(t.units) + " " + std::string(t.kind);
    const RunResults r = analyse(TemplateText(t));
    EXPECT_EQ(r.result_code, 0) << name << (r.error ? r.error->message.front() : "");
    EXPECT_EQ(r.outcome, Outcome::kNormal) << name;
    EXPECT_EQ(r.units.system, t.units == "si" ? "SI" : "USCS") << name;
    ASSERT_FALSE(r.cases.empty()) << name;
    for (const LoadCaseResult& c : r.cases) {
      EXPECT_GT(c.head_deflection, 0.0) << name << " case " << c.number;
    }
    EXPECT_EQ(check(TemplateText(t)).result_code, 0) << name;
    for (const TemplateLine& line : t.lines) {
      if (!line.note.empty()) continue;
      const std::string text(line.text);
      const std::size_t remark = text.find("  ", text.find_first_not_of(' '));
      ASSERT_NE(remark, std::string::npos) << name << ": " << text;
      EXPECT_TRUE(std::any_of(text.begin() + static_cast<std::ptrdiff_t>(remark), text.end(),
                              [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)); }))
          << name << ": a row without its remark: " << text;
    }
  }
}

TEST(Starter, TemplateWritesToTheOutputOrANewFileOnly) {
  TempDir d;
  // The default is the USCS drilled shaft, on the standard output; what its
  // lines mean on the standard error.
  const CliResult shaft = RunCli({"--template"});
  EXPECT_EQ(shaft.status, 0);
  EXPECT_EQ(shaft.out, TemplateText(*FindInputTemplate("uscs", "shaft")));
  EXPECT_NE(shaft.err.find("  line  2  TITLE"), std::string::npos) << shaft.err;
  EXPECT_NE(shaft.err.find("five title lines follow"), std::string::npos) << shaft.err;

  const CliResult pipe = RunCli({"--template", "pipe", "si", "-o", d.File("pile.tv6")});
  EXPECT_EQ(pipe.status, 0) << pipe.err;
  EXPECT_EQ(ReadFile(d.File("pile.tv6")), TemplateText(*FindInputTemplate("si", "pipe")));
  EXPECT_NE(pipe.out.find("Analyse it with: tarvex " + d.File("pile.tv6")), std::string::npos);
  // The file it wrote analyses to a normal end from the command line.
  EXPECT_EQ(RunCli({d.File("pile.tv6")}).status, 0);

  // Never over a file: the one there is kept.
  WriteFile(d.File("mine.tv6"), "my own work\n");
  const CliResult over = RunCli({"--template", "-o", d.File("mine.tv6")});
  EXPECT_EQ(over.status, cli::kFilesUnusable);
  EXPECT_NE(over.err.find("exists; a starter input is never written over a file"),
            std::string::npos);
  EXPECT_EQ(ReadFile(d.File("mine.tv6")), "my own work\n");

  const CliResult unknown = RunCli({"--template", "uscs", "sheetpile"});
  EXPECT_EQ(unknown.status, cli::kFilesUnusable);
  EXPECT_NE(unknown.err.find("no starter input of the kind \"sheetpile\"; the kinds are shaft, "
                             "pipe"),
            std::string::npos)
      << unknown.err;
  EXPECT_EQ(unknown.out, "");
}

// --check makes the checks of a run before its analysis: the same error,
// with its cause, as the run would report, and the exit status the run
// would have; it writes no file.
TEST(Starter, CheckReportsWhatTheRunWouldAndWritesNothing) {
  TempDir d;
  const std::string quickstart =
      ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6");
  const std::string title =
      "TITLE\nQuickstart: 36-in reinforced concrete drilled shaft, soft clay over stiff clay\n";
  const std::size_t title_end = quickstart.find("OPTIONS\n");
  const std::string one_line_title =
      quickstart.substr(0, quickstart.find("TITLE\n")) + title + quickstart.substr(title_end);
  struct Case {
    const char* file;
    std::string text;
    int status;
    std::vector<std::string> lines;  // lines of the standard output, in order
  };
  const Case cases[] = {
      {"quickstart.tv6",
       quickstart,
       0,
       {"Check of " + d.File("quickstart.tv6") + ": no error or warning; ready for the analysis."}},
      {"one_line_title.tv6",
       one_line_title,
       1,
       {"Check of " + d.File("one_line_title.tv6") + ": input error INP00099 (code 199)",
        "  The following line is unrecognized or is out-of-order", "  UseTipShear NO",
        "  Cause:  TITLE takes five lines; line 4 (OPTIONS) was read as title line 2, and line 8 "
        "looks like an OPTIONS line.",
        "  At line 8 of one_line_title.tv6: UseTipShear NO"}},
      {"missing_value.tv6",
       Replace(quickstart, "62.0  3500.0  0.005  1000.0   bottom", "62.0  3500.0  0.005"),
       1,
       {"Check of " + d.File("missing_value.tv6") + ": input error INP00095 (code 195)",
        "  Problem:  Line 53 of missing_value.tv6 holds \"LOADING\" where a number is expected "
        "(value 4 of the soil values at the bottom of soil layer 2 (unit weight, cohesion, "
        "epsilon-50, k)).",
        "  Cause:    Line 52 above holds only 3 of the 4 values read for the soil values at the "
        "bottom of soil layer 2 (unit weight, cohesion, epsilon-50, k); the reading went on to "
        "the next line, so a value is missing on line 52.",
        "  At line 53 of missing_value.tv6: LOADING"}},
      {"ignored_value.tv6",
       Replace(quickstart, "36.0                       shaft", "36,9 shaft"),
       0,
       {"Check of " + d.File("ignored_value.tv6") +
            ": no error; warnings as below (result code "
            "-372).",
        "Warning 372:", "  At line 30 of ignored_value.tv6: 36,9 shaft diameter, in",
        "    ignored: 9"}},
  };
  for (const Case& c : cases) WriteFile(d.File(c.file), c.text);
  const std::vector<std::string> before = Listing(d.path());
  for (const Case& c : cases) {
    const CliResult r = RunCli({"--check", d.File(c.file)});
    EXPECT_EQ(r.status, c.status) << c.file << "\n" << r.out << r.err;
    std::size_t from = 0;
    for (const std::string& line : c.lines) {
      const std::size_t at = r.out.find(line + "\n", from);
      EXPECT_NE(at, std::string::npos) << c.file << ": no line\n" << line << "\nin\n" << r.out;
      if (at != std::string::npos) from = at + line.size();
    }
  }
  // Several inputs: each checked, the worst status; a missing one is named.
  const CliResult all = RunCli(
      {"--check", d.File("quickstart.tv6"), d.File("one_line_title.tv6"), d.File("absent.tv6")});
  EXPECT_EQ(all.status, cli::kFilesUnusable);
  EXPECT_NE(all.err.find("cannot read the input file " + d.File("absent.tv6") + ": no such file"),
            std::string::npos)
      << all.err;
  EXPECT_EQ(Listing(d.path()), before);  // nothing written
}

}  // namespace
}  // namespace tarvex
