#include "cli/cli.hpp"

#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "engine/run_files.hpp"
#include "report/number_fields.hpp"
#include "report/record_writer.hpp"

namespace tarvex::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Usage: tarvex INPUT [-o DIR]\n"
    "       tarvex --help | --version\n"
    "\n"
    "Analyses the pile described by the TARVEX6 input file INPUT and writes\n"
    "  <stem>.out  the report\n"
    "  <stem>.plt  the plot file\n"
    "  <stem>.msg  the run messages\n"
    "next to INPUT, or into DIR (made when missing).\n"
    "\n"
    "Exit status: 0 normal end or warnings only, 1 input error, 2 runtime error,\n"
    "3 files unusable or bad arguments.\n";

struct Arguments {
  std::string input;
  std::string directory;
};

bool Parse(int argc, const char* const* argv, Arguments* args, std::string* problem) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-o" || a == "--output") {
      if (i + 1 >= argc) {
        *problem = "option " + a + " needs a directory";
        return false;
      }
      args->directory = argv[++i];
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      *problem = "unknown option " + a;
      return false;
    } else if (args->input.empty()) {
      args->input = a;
    } else {
      *problem = "more than one input file given (" + args->input + ", " + a + ")";
      return false;
    }
  }
  if (args->input.empty()) {
    *problem = "no input file given";
    return false;
  }
  return true;
}

ExitStatus StatusOf(const RunResults& results) {
  switch (results.outcome) {
    case Outcome::kNormal:
    case Outcome::kWarnings:
      return kNormal;
    case Outcome::kInputError:
      return kInputError;
    case Outcome::kFilesUnusable:
      return kFilesUnusable;
    case Outcome::kRuntimeError:
    case Outcome::kInternalError:
      break;
  }
  return kRuntimeError;
}

void PrintOutcome(const RunResults& results, std::ostream& out) {
  if (results.error) {
    const Diagnostic& error = *results.error;
    out << "Outcome: " << (error.kind == "input" ? "input error " : "runtime error ")
        << error.identity << " (code " << error.code << ")\n";
    int shown = 0;
    for (const std::string& line : error.message) {
      out << "  " << line << "\n";
      if (++shown == 8) {
        out << "  ... (see the report and message files)\n";
        break;
      }
    }
    return;
  }
  // Every warning number recorded during the run, ascending, with its count.
  std::map<int, int> warnings;
  for (const WarningRecord& w : results.warnings) warnings[w.number] += w.count;
  if (warnings.empty()) {
    out << "Outcome: normal end.\n";
    return;
  }
  out << "Outcome: normal end with warnings:";
  bool first = true;
  for (const auto& [number, count] : warnings) {
    out << (first ? " " : ", ") << number << " (" << count << (count == 1 ? " time)" : " times)");
    first = false;
  }
  out << "\n";
}

// A compact table of the load cases: one row per case.
void PrintCases(const RunResults& results, std::ostream& out) {
  if (results.cases.empty()) return;
  RecordWriter table;
  const std::string& len = results.units.length;
  // The table names a US customary moment in-lb, as the report does.
  const std::string moment = results.units.system == "USCS" ? "in-lb" : results.units.moment;
  table.Write("(/A)", {"Load cases:"});
  table.Write("(A4,A14,A12,A14,A11,A14,A11,A6)", {"Case", "Deflection", "Rotation", "Max moment",
                                                  "at depth", "Max shear", "at depth", "Iter"});
  table.Write("(A4,A14,A12,A14,A11,A14,A11,A6)",
              {"", len, "rad", moment, len, results.units.force, len, ""});
  for (const LoadCaseResult& c : results.cases) {
    table.Integer(c.number, 4);
    WriteAdaptive(table, 14, c.head_deflection);
    WriteAdaptive(table, 12, c.head_rotation);
    WriteAdaptive(table, 14, c.max_moment);
    WriteAdaptive(table, 11, c.max_moment_depth);
    WriteAdaptive(table, 14, c.max_shear);
    WriteAdaptive(table, 11, c.max_shear_depth);
    table.Integer(c.iterations, 6);
    table.EndLine();
  }
  out << table.contents();
}

}  // namespace

int Main(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
         const RunOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      out << kUsage;
      return kNormal;
    }
    if (a == "--version") {
      out << "tarvex " << version_text() << "\n";
      return kNormal;
    }
  }
  Arguments args;
  std::string problem;
  if (!Parse(argc, argv, &args, &problem)) {
    err << "tarvex: " << problem << "\n\n" << kUsage;
    return kFilesUnusable;
  }

  std::error_code ec;
  const fs::path input = fs::absolute(args.input, ec);
  if (ec || !fs::is_regular_file(input, ec)) {
    err << "tarvex: cannot read the input file " << args.input << ": "
        << (fs::exists(input, ec) ? "not a regular file" : "no such file") << "\n";
    return kFilesUnusable;
  }
  fs::path directory =
      args.directory.empty() ? input.parent_path() : fs::absolute(args.directory, ec);
  if (!args.directory.empty()) {
    fs::create_directories(directory, ec);
    if (ec || !fs::is_directory(directory)) {
      err << "tarvex: cannot use the output directory " << args.directory << ": "
          << (ec ? ec.message() : "not a directory") << "\n";
      return kFilesUnusable;
    }
  }
  const std::string stem = input.stem().string();
  const RunFiles files{input.string(), (directory / (stem + ".out")).string(),
                       (directory / (stem + ".plt")).string(),
                       (directory / (stem + ".msg")).string()};

  // An input named like an output (pile.out, an old report run by mistake):
  // the run would write over it. Nothing is written; the engine refuses it too.
  static constexpr const char* kNames[4] = {"input file", "report", "plot file", "message file"};
  const std::vector<SameFilePair> same =
      FindSameFiles({files.input, files.report, files.plot, files.message});
  if (!same.empty()) {
    const std::string* paths[4] = {&files.input, &files.report, &files.plot, &files.message};
    const auto first = static_cast<std::size_t>(same.front().first);
    const auto second = static_cast<std::size_t>(same.front().second);
    err << "tarvex: the " << kNames[second] << " " << *paths[second]
        << " would be written over the " << kNames[first] << " " << *paths[first]
        << "; nothing was written.\n       Give an output directory with -o DIR.\n";
    return kFilesUnusable;
  }

  RunOutcome outcome;
  RunOptions run_options = options;
  run_options.outcome = &outcome;
  run(files, run_options);

  out << "tarvex " << version_text() << ": " << args.input << "\n";
  const std::pair<const char*, const std::string*> written[] = {
      {"report  ", &files.report}, {"plot    ", &files.plot}, {"messages", &files.message}};
  bool any = false;
  for (const auto& [label, path] : written) {
    if (!fs::exists(*path, ec)) continue;
    if (!any) out << "Files written:\n";
    any = true;
    out << "  " << label << " " << *path << "\n";
  }
  PrintOutcome(outcome.results, out);
  PrintCases(outcome.results, out);
  return StatusOf(outcome.results);
}

}  // namespace tarvex::cli
