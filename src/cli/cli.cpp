#include "cli/cli.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/batch.hpp"
#include "core/display_units.hpp"
#include "core/visible_text.hpp"
#include "engine/run_files.hpp"
#include "engine/templates.hpp"
#include "format/number_fields.hpp"
#include "format/record_writer.hpp"
#include "input/input_file.hpp"
#include "json/results_json.hpp"
#include "platform/platform.hpp"
#include "report/html_report.hpp"
#include "report/results_csv.hpp"

namespace tarvex::cli {
namespace {

namespace fs = std::filesystem;

// Every option of the command line, with an example of each form: the
// help prints this table, and docs/command-line.md holds the help as
// printed (a test keeps the two the same).
struct OptionHelp {
  const char* form;     // the option and its value
  const char* meaning;  // lines of at most 60 characters, split at '\n'
  const char* example;  // whole command lines, one for each form, split at '\n'
};

constexpr OptionHelp kOptions[] = {
    {"-o DIR, --output DIR", "write the files into DIR (made when missing), not next to\nthe input",
     "tarvex pile.tv6 -o runs\ntarvex pile.tv6 --output runs"},
    {"--json", "also <stem>.json: every result of the run (docs/results.md)",
     "tarvex pile.tv6 --json"},
    {"--csv",
     "also <stem>.cases.csv (one row per load case) and\n<stem>.case<N>.csv (one row per node "
     "of load case N); with\ninteraction diagrams <stem>.interaction.csv and\n"
     "<stem>.demands.csv",
     "tarvex pile.tv6 --csv"},
    {"--html",
     "also <stem>.html: the results as a page of tables and\ngraphs that opens in any browser "
     "(docs/html-report.md)",
     "tarvex pile.tv6 --html"},
    {"--units engineering|computing, --units=U",
     "the units of the printed table, the CSV files and the page:\nengineering (the default: ft, "
     "in, kip, kip-ft, ksi; m, mm,\nkN, kN-m, MPa) or computing (the run's own: lb and in, kN\n"
     "and m); the JSON file is always in computing units",
     "tarvex pile.tv6 --csv --units computing\ntarvex pile.tv6 --html --units=engineering"},
    {"--load-steps N, --load-steps=N",
     "also solve every load case at N levels (1 to 1000) of its\nhead loads, 1/N up to the "
     "whole: its load-deflection curve,\nin the JSON, the page and <stem>.curves.csv (with "
     "--csv)",
     "tarvex pile.tv6 --load-steps 10 --html\ntarvex pile.tv6 --load-steps=20 --csv"},
    {"-j N, -jN, --jobs N, --jobs=N",
     "a batch: analyse the inputs on N threads (1 to 1024;\ndefault: the number of cores); "
     "given several inputs, a\nbatch runs without -j too",
     "tarvex a.tv6 b.tv6 c.tv6 -j 2 -o runs\ntarvex *.tv6 -j4\ntarvex *.tv6 --jobs 4\n"
     "tarvex *.tv6 --jobs=4\ntarvex a.tv6 b.tv6"},
    {"--summary FILE.csv",
     "a batch: one CSV row per input and load case: status,\nresult code, applied loads, axial "
     "load, pile length, head\ndeflection and rotation, largest moment and shear, units",
     "tarvex *.tv6 --summary runs.csv"},
    {"--template [uscs|si] [shaft|pipe]",
     "write a starter input that runs to a normal end (default:\nuscs shaft) to the standard "
     "output, or to FILE with -o FILE\n(never over an existing file); what each line means goes\n"
     "to the standard error",
     "tarvex --template > pile.tv6\ntarvex --template si pipe -o pile.tv6"},
    {"--check INPUT...",
     "make every check of the input that a run makes before the\nanalysis; print the errors and "
     "warnings with their lines;\nwrite no file; exit with the status a run would have",
     "tarvex --check pile.tv6\ntarvex --check *.tv6"},
    {"-h, --help", "print this help", "tarvex --help\ntarvex -h"},
    {"--version", "print the engine's version", "tarvex --version"},
};

constexpr const char* kUsageHead =
    "Usage: tarvex INPUT [-o DIR] [--json] [--csv] [--html] [--units U] [--load-steps N]\n"
    "       tarvex INPUT... [-j N] [-o DIR] [--json] [--summary FILE.csv]   (a batch)\n"
    "       tarvex --template [uscs|si] [shaft|pipe] [-o FILE]\n"
    "       tarvex --check INPUT...\n"
    "       tarvex --help | --version\n"
    "\n"
    "Analyses the pile described by the TARVEX6 input file INPUT (docs/input-format.md)\n"
    "and writes <stem>.out (the report), <stem>.plt (the plot file) and <stem>.msg\n"
    "(the run messages) next to INPUT, or into DIR. Several inputs are a batch: one\n"
    "line per input and a closing count.\n"
    "\n"
    "Options:\n";

constexpr const char* kUsageTail =
    "\n"
    "Exit status: 0 normal end or warnings only, 1 input error, 2 runtime error,\n"
    "3 files unusable or bad arguments; a batch exits with the worst of its runs.\n";

}  // namespace

// `v` with `digits` significant digits: fixed-point from 0.001 to below
// 10 million, exponent form beyond; a zero is "0".
std::string Significant(double v, int digits) {
  if (!std::isfinite(v)) return "-";
  if (v == 0.0) return "0";
  char buffer[64];
  // The exponent form rounds to the digits first; its exponent decides.
  const std::to_chars_result e =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, digits - 1);
  if (e.ec != std::errc()) return "-";
  const std::string scientific(buffer, e.ptr);
  const int exponent = std::stoi(scientific.substr(scientific.find('e') + 1));
  if (exponent < -3 || exponent >= 7) return scientific;
  double rounded = v;
  std::from_chars(buffer, e.ptr, rounded);
  const int decimals = std::max(0, digits - 1 - exponent);
  const std::to_chars_result f =
      std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
  if (f.ec != std::errc()) return scientific;
  std::string fixed(buffer, f.ptr);
  if (fixed == "-0") fixed = "0";
  return fixed;
}

std::string UsageSynopsis() {
  const std::string head = kUsageHead;
  return head.substr(0, head.find("\n\n") + 1) +
         "Run tarvex --help for every option with an example.\n";
}

std::string UsageText() {
  std::string text = kUsageHead;
  for (const OptionHelp& o : kOptions) {
    text += "  ";
    text += o.form;
    text += "\n";
    std::string meaning = o.meaning;
    std::size_t begin = 0;
    while (begin <= meaning.size()) {
      const std::size_t end = std::min(meaning.find('\n', begin), meaning.size());
      text += "      " + meaning.substr(begin, end - begin) + "\n";
      begin = end + 1;
    }
    const std::string examples = o.example;
    for (std::size_t from = 0; from < examples.size();) {
      const std::size_t end = std::min(examples.find('\n', from), examples.size());
      text += "      e.g. " + examples.substr(from, end - from) + "\n";
      from = end + 1;
    }
  }
  return text + kUsageTail;
}

namespace {

struct Arguments {
  std::string input;
  std::string directory;
  bool json = false;
  bool csv = false;
  bool html = false;
  ShownUnits units = ShownUnits::kEngineering;
  int load_steps = 0;
};

// The number of load steps: a whole number from 1 to 1000.
bool ParseSteps(const std::string& text, int* steps) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < 1 || value > 1000) return false;
  *steps = value;
  return true;
}

bool Parse(int argc, const char* const* argv, Arguments* args, std::string* problem) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-o" || a == "--output") {
      if (i + 1 >= argc) {
        *problem = "option " + a + " needs a directory";
        return false;
      }
      args->directory = argv[++i];
    } else if (a == "--json") {
      args->json = true;
    } else if (a == "--csv") {
      args->csv = true;
    } else if (a == "--html") {
      args->html = true;
    } else if (a == "--units" || a.rfind("--units=", 0) == 0) {
      std::string value;
      if (a == "--units") {
        if (i + 1 >= argc) {
          *problem = "option --units needs engineering or computing";
          return false;
        }
        value = argv[++i];
      } else {
        value = a.substr(8);
      }
      if (value == "engineering") {
        args->units = ShownUnits::kEngineering;
      } else if (value == "computing") {
        args->units = ShownUnits::kComputing;
      } else {
        *problem = "option --units takes engineering or computing, not \"" + value + "\"";
        return false;
      }
    } else if (a == "--load-steps" || a.rfind("--load-steps=", 0) == 0) {
      std::string value;
      if (a == "--load-steps") {
        if (i + 1 >= argc) {
          *problem = "option --load-steps needs a number of steps from 1 to 1000";
          return false;
        }
        value = argv[++i];
      } else {
        value = a.substr(13);
      }
      if (!ParseSteps(value, &args->load_steps)) {
        *problem =
            "option --load-steps takes a number of steps from 1 to 1000, not \"" + value + "\"";
        return false;
      }
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

// The error that ended the run: every line of its message (the problem, the
// values and the advice), the input line it is about, and further advice.
void PrintError(const Diagnostic& error, std::ostream& out, const char* lead = "Outcome: ") {
  const char* kind = error.kind == "input"      ? "input error "
                     : error.kind == "internal" ? "internal error "
                     : error.kind == "files"    ? "file error "
                                                : "runtime error ";
  out << lead << kind << error.identity << " (code " << error.code << ")\n";
  constexpr std::size_t kMostLines = 40;  // the longest blocks list a table
  for (std::size_t i = 0; i < error.message.size(); ++i) {
    if (i == kMostLines) {
      out << "  ... (see the report and message files)\n";
      break;
    }
    // No byte of the input reaches the terminal as a control character.
    const std::string line = VisibleText(error.message[i]);
    out << "  " << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
  }
  if (error.line_number > 0) {
    const std::string name = fs::path(error.file).filename().string();
    out << "  At line " << error.line_number << " of " << name << ": "
        << VisibleText(error.line_text) << "\n";
  }
  if (!error.advice.empty()) out << "  Advice: " << error.advice << "\n";
}

void PrintOutcome(const RunResults& results, std::ostream& out) {
  if (results.error) {
    PrintError(*results.error, out);
    return;
  }
  // The warnings of the report's summary, with its counts, so that the two
  // never disagree; the note says what they count when the whole run
  // recorded a warning more often (in earlier load cases, or beyond 4000).
  std::map<int, int> in_run;
  for (const WarningRecord& w : results.warnings) in_run[w.number] += w.count;
  if (results.warning_summary.empty()) {
    out << "Outcome: normal end.\n";
    if (!in_run.empty()) {
      out << "  (warnings of earlier load cases, which the report's summary does not count:";
      bool first = true;
      for (const auto& [number, count] : in_run) {
        out << (first ? " " : ", ") << number << " (" << count
            << (count == 1 ? " time)" : " times)");
        first = false;
      }
      out << ")\n";
    }
    return;
  }
  out << "Outcome: normal end with warnings:";
  bool first = true;
  bool fewer = false;
  for (const RunResults::SummaryCount& w : results.warning_summary) {
    out << (first ? " " : ", ") << w.number << " (" << w.count
        << (w.count == 1 ? " time)" : " times)");
    first = false;
    fewer = fewer || in_run[w.number] != w.count;
  }
  out << "\n";
  if (fewer) {
    out << "  (times as the report's warning summary counts them: since the last load case "
           "began, at most 4000)\n";
  }
}

// Rows of cells printed in columns, each as wide as its widest cell: text
// columns left-aligned, numbers right-aligned.
void PrintColumns(const std::vector<std::vector<std::string>>& rows, const std::vector<bool>& left,
                  std::ostream& out) {
  std::vector<std::size_t> widths(left.size(), 0);
  for (const auto& row : rows) {
    for (std::size_t k = 0; k < row.size() && k < widths.size(); ++k) {
      widths[k] = std::max(widths[k], row[k].size());
    }
  }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t k = 0; k < row.size() && k < widths.size(); ++k) {
      const std::string pad(widths[k] - row[k].size(), ' ');
      if (k > 0) line += "  ";
      line += left[k] ? row[k] + pad : pad + row[k];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
}

// The verdict of an LRFD combination: "fail" when any of its sections
// fails, "pass" when one passes, "-" when the check does not apply.
std::string CombinationVerdict(const RunResults& results, int combination) {
  bool pass = false;
  for (const LrfdCheckRow& row : results.lrfd_check) {
    if (row.combination != combination) continue;
    if (row.verdict == LrfdVerdict::kFail) return "fail";
    if (row.verdict == LrfdVerdict::kPass) pass = true;
  }
  return pass ? "pass" : "-";
}

// The units of the command line's tables: the engineering units of the run's
// display table, or the computing units (a US customary moment named in-lb,
// as the report names it). A value within the round-off of the largest of
// its kind in its case shows as 0 in either.
class ShownColumns {
 public:
  ShownColumns(const RunResults& results, ShownUnits shown)
      : results_(results), engineering_(shown == ShownUnits::kEngineering) {}

  std::string Unit(const char* quantity) const {
    if (const DisplayUnit* d = Display(quantity)) return d->unit;
    const std::string unit = ComputingUnit(results_.units, quantity);
    return unit == "lb-in" ? "in-lb" : unit;
  }

  std::string Value(const char* quantity, double v, double largest, int digits = 4) const {
    return Significant(ShownValue(v, largest, results_.display_units.round_off, Display(quantity)),
                       digits);
  }

 private:
  const DisplayUnit* Display(const char* quantity) const {
    return engineering_ ? FindDisplayUnit(results_.display_units, quantity) : nullptr;
  }

  const RunResults& results_;
  bool engineering_;
};

double LargestOf(const std::vector<double>& values, double also = 0.0) {
  double largest = std::fabs(also);
  for (double v : values) {
    if (std::isfinite(v)) largest = std::max(largest, std::fabs(v));
  }
  return largest;
}

// A table of the load cases: one row per case, four significant digits per
// value; the combination and its check for LRFD runs.
void PrintCases(const RunResults& results, ShownUnits shown, std::ostream& out) {
  if (results.cases.empty()) return;
  const ShownColumns u(results, shown);
  const bool lrfd = results.lrfd;
  const bool any_unconverged =
      std::any_of(results.cases.begin(), results.cases.end(),
                  [](const LoadCaseResult& c) { return c.status != CaseStatus::kConverged; });
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> heading{"Case"}, units{""};
  std::vector<bool> left{false};
  if (lrfd) {
    heading.push_back("Combination");
    units.push_back("");
    left.push_back(true);
  }
  for (const char* h : {"Shear", "Moment", "Deflection", "Rotation", "Max moment", "at depth",
                        "Max shear", "at depth", "Iter"}) {
    heading.push_back(h);
    left.push_back(false);
  }
  for (const char* quantity :
       {"force", "moment", "deflection", "rotation", "moment", "depth", "force", "depth", ""}) {
    units.push_back(*quantity ? u.Unit(quantity) : std::string());
  }
  if (lrfd) {
    heading.push_back("Check");
    units.push_back("");
    left.push_back(true);
  }
  if (any_unconverged) {
    heading.push_back("Status");
    units.push_back("");
    left.push_back(true);
  }
  rows.push_back(heading);
  rows.push_back(units);
  for (const LoadCaseResult& c : results.cases) {
    const NodeColumns& n = c.nodes;
    const double shear = LargestOf(n.shear, c.head_shear);
    const double moment = LargestOf(n.moment, c.head_moment);
    std::vector<std::string> row{std::to_string(c.number)};
    if (lrfd) row.push_back(VisibleText(c.combination_name));  // a name as the input gives it
    row.push_back(u.Value("force", c.head_shear, shear));
    row.push_back(u.Value("moment", c.head_moment, moment));
    row.push_back(u.Value("deflection", c.head_deflection, LargestOf(n.deflection)));
    row.push_back(u.Value("rotation", c.head_rotation, LargestOf(n.slope)));
    row.push_back(u.Value("moment", c.max_moment, moment));
    row.push_back(u.Value("depth", c.max_moment_depth, 0.0));
    row.push_back(u.Value("force", c.max_shear, shear));
    row.push_back(u.Value("depth", c.max_shear_depth, 0.0));
    row.push_back(std::to_string(c.iterations));
    if (lrfd) row.push_back(CombinationVerdict(results, c.number));
    if (any_unconverged) {
      row.push_back(c.status == CaseStatus::kConverged ? "converged" : "not converged");
    }
    rows.push_back(std::move(row));
  }
  out << "Load cases:\n";
  PrintColumns(rows, left, out);
}

// The load-deflection curve of every case that has one: each level's head
// shear, head deflection and largest moment, and the error of the level
// that ended it.
void PrintLoadCurves(const RunResults& results, ShownUnits shown, std::ostream& out) {
  const ShownColumns u(results, shown);
  for (const LoadCaseResult& c : results.cases) {
    if (!c.load_curve) continue;
    const LoadCurve& curve = *c.load_curve;
    double shear = LargestOf(c.nodes.shear), deflection = LargestOf(c.nodes.deflection);
    double moment = LargestOf(c.nodes.moment);
    for (const LoadCurvePoint& p : curve.points) {
      shear = std::max(shear, std::fabs(p.head_shear));
      deflection = std::max(deflection, std::fabs(p.head_deflection));
      moment = std::max(moment, std::fabs(p.max_moment));
    }
    out << "Load-deflection curve of " << (c.lrfd ? "combination " : "load case ") << c.number
        << " (" << curve.steps << (curve.steps == 1 ? " level" : " levels") << "):\n";
    std::vector<std::vector<std::string>> rows{
        {"  Level", "Factor", "Head shear", "Head deflection", "Max moment"},
        {"", "", u.Unit("force"), u.Unit("deflection"), u.Unit("moment")}};
    for (const LoadCurvePoint& p : curve.points) {
      rows.push_back({"  " + std::to_string(p.level), Significant(p.factor, 4),
                      u.Value("force", p.head_shear, shear),
                      u.Value("deflection", p.head_deflection, deflection),
                      u.Value("moment", p.max_moment, moment)});
    }
    PrintColumns(rows, {false, false, false, false, false}, out);
    if (curve.failed_level > 0) {
      out << "  Level " << curve.failed_level << " failed";
      if (curve.failure) {
        out << ": " << curve.failure->identity;
        for (const std::string& line : curve.failure->message) {
          const std::size_t start = line.find_first_not_of(' ');
          if (start != std::string::npos && line.compare(start, 8, "Problem:") == 0) {
            out << ", " << line.substr(line.find_first_not_of(' ', start + 8));
            break;
          }
        }
      }
      out << "\n";
    }
  }
}

// The interaction diagrams: each section's highest utilisation with its
// load case and verdict, or why the section has no diagram.
void PrintInteraction(const RunResults& results, std::ostream& out) {
  std::string code;
  bool any_demand = false;
  for (const SectionResult& s : results.sections) {
    if (!s.interaction) continue;
    code = s.interaction->code;
    any_demand = any_demand || !s.interaction->demands.empty();
  }
  if (code.empty()) return;
  out << "Interaction diagrams (" << code << "):\n";
  for (const SectionResult& s : results.sections) {
    if (!s.interaction) continue;
    const InteractionResult& r = *s.interaction;
    out << "  Section " << s.number << ": ";
    if (!r.covered) {
      out << r.note << "\n";
      continue;
    }
    std::string basis = r.standard;
    if (!r.transverse.empty()) {
      basis += ", " + r.transverse + (r.transverse_source == "default" ? " by default" : "");
    }
    if (!r.max_utilisation) {
      out << "diagram by " << basis
          << (r.demands.empty() ? "; no load case to check\n" : "; no demand met the diagram\n");
      continue;
    }
    bool pass = true;
    for (const InteractionDemand& d : r.demands) pass = pass && d.passed;
    out << "highest utilisation " << Significant(*r.max_utilisation, 3) << " under "
        << (results.lrfd ? "combination " : "load case ") << r.governing_case << ", "
        << (pass ? "all pass" : "FAIL") << " (" << basis << ")\n";
  }
  if (any_demand && !results.lrfd) {
    out << "  The load cases are not factored: their demands are set against the design "
           "diagram as they are.\n";
  }
}

// Writes the whole text as the file, which takes its name only when
// complete; false, with the system's reason, when any of it could not be
// written.
bool WriteText(const std::string& path, const std::string& text, std::string* reason) {
  return platform::WriteWholeFile(path, text, reason);
}

// The node tables of load cases an earlier run of the same input had beyond
// this run's last case: left in place they would pass for this run's.
void RemoveStaleCaseFiles(const fs::path& directory, const std::string& stem, int cases) {
  std::error_code ec;
  for (int n = cases + 1;; ++n) {
    const fs::path stale = directory / (stem + ".case" + std::to_string(n) + ".csv");
    if (!fs::is_regular_file(stale, ec) || !fs::remove(stale, ec)) break;
  }
}

// What the run's own numbers say about its accuracy: a distributed load that
// starts at the pile head loses about q(0)·h/4 of its force at the head node
// (shown when that is more than half a percent of the distributed force); a
// sand's default k that took the formula for sand above the water table.
void PrintAccuracyNotes(const RunResults& results, ShownUnits shown, std::ostream& out) {
  double worst = 0.0;
  double lost = 0.0;
  for (const LoadCaseResult& c : results.cases) {
    const std::vector<double>& q = c.nodes.distributed_load;
    if (q.empty() || q.front() == 0.0) continue;
    double total = 0.0;
    for (double v : q) total += v * c.increment_length;
    // The head node's load is averaged over a whole increment, of which only
    // the lower half is on the pile: it holds q(0)/2.
    const double short_by = std::fabs(q.front() * c.increment_length / 2.0);
    if (total != 0.0 && short_by / std::fabs(total) > worst) {
      worst = short_by / std::fabs(total);
      lost = short_by;
    }
  }
  if (worst >= 0.005) {
    out << "Note: the distributed load starts at the pile head, where about "
        << ShownColumns(results, shown).Value("force", lost, 0.0, 3) << " "
        << ShownColumns(results, shown).Unit("force") << " (" << Significant(100.0 * worst, 2)
        << " %) of its force is lost; more increments reduce it in proportion "
           "(docs/accuracy.md).\n";
  }
  // SI only: a sand's default k from the formula for sand above the water
  // table, which a USCS run of the same soil never takes.
  std::string layers;
  int marked = 0;
  for (const SoilLayerInfo& l : results.layers) {
    if (!l.default_k_above_water_table) continue;
    layers += (layers.empty() ? "" : ", ") + std::to_string(l.number);
    ++marked;
  }
  if (marked > 0) {
    out << "Note: the default k of sand layer" << (marked > 1 ? "s " : " ") << layers
        << " took the formula for sand above the water table (average effective unit weight "
           "above 12.225 kN/m3); in USCS units the same soil takes the other formula "
           "(docs/accuracy.md).\n";
  }
}

// The value after an option at argv[i], or false with the problem.
bool OptionValue(int argc, const char* const* argv, int* i, const char* needs, std::string* value,
                 std::string* problem) {
  if (*i + 1 >= argc) {
    *problem = "option " + std::string(argv[*i]) + " needs " + needs;
    return false;
  }
  *value = argv[++*i];
  return true;
}

// tarvex --template [uscs|si] [shaft|pipe] [-o FILE]: the starter input on
// the standard output or into FILE, which must not exist yet; the notes of
// its lines on the standard error.
int RunTemplate(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  std::string units = "uscs", kind = "shaft", file, problem;
  bool units_given = false, kind_given = false;
  auto bad = [&](const std::string& why) {
    err << "tarvex: " << why << "\n\n" << UsageSynopsis();
    return kFilesUnusable;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--template") continue;
    if (a == "-o" || a == "--output") {
      if (!OptionValue(argc, argv, &i, "a file name", &file, &problem)) return bad(problem);
    } else if ((a == "uscs" || a == "si") && !units_given) {
      units = a;
      units_given = true;
    } else if (!a.empty() && a[0] != '-' && !kind_given && a != "uscs" && a != "si") {
      kind = a;
      kind_given = true;
    } else {
      return bad(
          "--template takes the units (uscs or si), the kind of pile and -o FILE, "
          "not \"" +
          a + "\"");
    }
  }
  const InputTemplate* t = FindInputTemplate(units, kind);
  if (t == nullptr) {
    std::string kinds;
    for (const InputTemplate& each : InputTemplates()) {
      if (kinds.find(std::string(each.kind)) == std::string::npos) {
        kinds += (kinds.empty() ? "" : ", ") + std::string(each.kind);
      }
    }
    return bad("there is no starter input of the kind \"" + kind + "\"; the kinds are " + kinds);
  }
  const std::string text = TemplateText(*t);
  if (file.empty()) {
    out << text;
  } else {
    // A starter input never takes the place of a file: that may be work.
    std::error_code ec;
    if (fs::symlink_status(file, ec).type() != fs::file_type::not_found) {
      err << "tarvex: " << file
          << " exists; a starter input is never written over a file. Give another name.\n";
      return kFilesUnusable;
    }
    std::string reason;
    if (!WriteText(file, text, &reason)) {
      err << "tarvex: cannot write " << file << ": " << reason << "\n";
      return kFilesUnusable;
    }
    out << "Starter input written: " << file << "\nAnalyse it with: tarvex " << file << "\n";
  }
  err << TemplateNotes(*t);
  return kNormal;
}

// The warnings a check found, each with its text as the report's summary
// gives it; the lines of the input that held values beyond those read
// (warning 372) follow theirs, as the echo names them.
void PrintCheckWarnings(const CheckResults& checked, const std::string& name, std::ostream& out) {
  for (const WarningRecord& w : checked.warnings) {
    out << "Warning " << w.number
        << (w.count == 1 ? "" : " (" + std::to_string(w.count) + " times)") << ":\n";
    for (const std::string& line : w.text) {
      const std::string shown = VisibleText(line);
      const std::size_t end = shown.find_last_not_of(' ');
      if (end != std::string::npos) out << "  " << shown.substr(0, end + 1) << "\n";
    }
    if (w.number != 372) continue;
    for (const CheckResults::IgnoredLine& l : checked.ignored_lines) {
      out << "  At line " << l.line_number << " of " << name << ": " << VisibleText(l.line_text)
          << "\n    ignored: " << VisibleText(l.values) << "\n";
    }
  }
}

// tarvex --check INPUT...: every check that a run makes before its analysis,
// on each input in turn; nothing is written. The exit status is the one the
// runs would have (the worst of them).
int RunCheck(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  std::vector<std::string> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--check") continue;
    if (!a.empty() && a[0] == '-' && a != "-") {
      err << "tarvex: --check takes input files only, not " << a << "\n\n" << UsageSynopsis();
      return kFilesUnusable;
    }
    inputs.push_back(a);
  }
  if (inputs.empty()) {
    err << "tarvex: --check needs an input file\n\n" << UsageSynopsis();
    return kFilesUnusable;
  }
  int worst = kNormal;
  for (const std::string& input : inputs) {
    std::string text, reason;
    FileIdentity identity;
    std::error_code ec;
    const fs::path path = fs::absolute(input, ec);
    std::string unusable = ec ? ec.message() : InputFileProblem(path);
    if (unusable.empty() &&
        !platform::ReadWholeFile(path.string(), InputFile::kMaxBytes, &text, &identity, &reason)) {
      unusable = reason;
    }
    if (!unusable.empty()) {
      err << "tarvex: cannot read the input file " << input << ": " << unusable << "\n";
      worst = std::max(worst, static_cast<int>(kFilesUnusable));
      continue;
    }
    const CheckResults checked = check(text, path.string());
    out << "Check of " << input << ": ";
    if (checked.error) {
      PrintError(*checked.error, out, "");
    } else if (checked.warnings.empty()) {
      out << "no error or warning; ready for the analysis.\n";
    } else {
      out << "no error; warnings as below (result code " << checked.result_code << ").\n";
    }
    PrintCheckWarnings(checked, path.filename().string(), out);
    RunResults outcome;
    outcome.outcome = checked.outcome;
    worst = std::max(worst, static_cast<int>(StatusOf(outcome)));
  }
  return worst;
}

// The mode the arguments ask for: "--template", "--check" or "" (an
// analysis), skipping the values of options that take one.
std::string Mode(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--template" || a == "--check") return a;
    if (a == "-o" || a == "--output" || a == "--units" || a == "--load-steps" || a == "-j" ||
        a == "--jobs" || a == "--summary") {
      ++i;
    }
  }
  return {};
}

}  // namespace

int Main(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
         const RunOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      out << UsageText();
      return kNormal;
    }
    if (a == "--version") {
      out << "tarvex " << version_text() << "\n";
      return kNormal;
    }
  }
  if (const std::string mode = Mode(argc, argv); mode == "--template") {
    return RunTemplate(argc, argv, out, err);
  } else if (mode == "--check") {
    return RunCheck(argc, argv, out, err);
  }
  if (IsBatch(argc, argv)) {
    return RunBatch(argc, argv, out, err, options,
                    &err == &std::cerr && platform::StandardErrorIsTerminal());
  }
  Arguments args;
  std::string problem;
  if (!Parse(argc, argv, &args, &problem)) {
    err << "tarvex: " << problem << "\n\n" << UsageSynopsis();
    return kFilesUnusable;
  }

  std::error_code ec;
  const fs::path input = fs::absolute(args.input, ec);
  if (const std::string unusable = ec ? ec.message() : InputFileProblem(input); !unusable.empty()) {
    err << "tarvex: cannot read the input file " << args.input << ": " << unusable << "\n";
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
  const std::string json_path = (directory / (stem + ".json")).string();
  const std::string cases_path = (directory / (stem + ".cases.csv")).string();
  const std::string html_path = (directory / (stem + ".html")).string();
  const std::string curves_path = (directory / (stem + ".curves.csv")).string();
  // The input as data: the soil layers' values and the LRFD forms.
  const std::pair<const char*, fs::path> input_tables[] = {
      {"soil layer table", directory / (stem + ".layers.csv")},
      {"LRFD load group table", directory / (stem + ".lrfd_groups.csv")},
      {"LRFD combination table", directory / (stem + ".lrfd_combinations.csv")},
      {"LRFD distributed load table", directory / (stem + ".lrfd_loads.csv")}};

  // An input named like an output (pile.out, an old report run by mistake):
  // the run would write over it. Nothing is written; the engine refuses it too.
  std::vector<std::string> paths{files.input, files.report, files.plot, files.message};
  std::vector<std::string> names{"input file", "report", "plot file", "message file"};
  if (args.json) {
    paths.push_back(json_path);
    names.emplace_back("results file");
  }
  if (args.csv) {
    paths.push_back(cases_path);
    names.emplace_back("load case table");
    paths.push_back((directory / (stem + ".interaction.csv")).string());
    names.emplace_back("interaction diagram table");
    paths.push_back((directory / (stem + ".demands.csv")).string());
    names.emplace_back("interaction demand table");
    paths.push_back(curves_path);
    names.emplace_back("load-deflection table");
    for (const auto& [name, path] : input_tables) {
      paths.push_back(path.string());
      names.emplace_back(name);
    }
  }
  if (args.html) {
    paths.push_back(html_path);
    names.emplace_back("HTML report");
  }
  const std::vector<SameFilePair> same = FindSameFiles(paths);
  if (!same.empty()) {
    const auto first = static_cast<std::size_t>(same.front().first);
    const auto second = static_cast<std::size_t>(same.front().second);
    err << "tarvex: the " << names[second] << " " << paths[second] << " would be written over the "
        << names[first] << " " << paths[first]
        << "; nothing was written.\n       Give an output directory with -o DIR.\n";
    return kFilesUnusable;
  }

  RunOutcome outcome;
  RunOptions run_options = options;
  run_options.outcome = &outcome;
  run_options.load_steps = args.load_steps;
  run(files, run_options);
  const RunResults& results = outcome.results;

  // The files for programs, rendered from the results.
  std::vector<std::pair<std::string, std::string>> extra;  // label, path
  bool extra_failed = false;
  auto write = [&](const char* label, const std::string& path, const std::string& text) {
    std::string reason;
    if (WriteText(path, text, &reason)) {
      extra.emplace_back(label, path);
    } else {
      err << "tarvex: cannot write " << path << ": " << reason << "\n";
      extra_failed = true;
    }
  };
  if (args.json || args.html) {
    const std::string json = RenderResultsJson(results);
    if (args.json) write("results ", json_path, json);
    if (args.html) write("page    ", html_path, RenderHtmlReport(json, args.units));
  }
  if (args.csv) {
    write("cases   ", cases_path, RenderCasesCsv(results, args.units));
    for (const LoadCaseResult& c : results.cases) {
      const std::string path =
          (directory / (stem + ".case" + std::to_string(c.number) + ".csv")).string();
      write("nodes   ", path, RenderNodesCsv(results, c, args.units));
    }
    RemoveStaleCaseFiles(directory, stem, static_cast<int>(results.cases.size()));
    const fs::path diagrams = directory / (stem + ".interaction.csv");
    const fs::path demands = directory / (stem + ".demands.csv");
    if (HasInteraction(results)) {
      write("diagrams", diagrams.string(), RenderInteractionCsv(results, args.units));
      write("demands ", demands.string(), RenderDemandsCsv(results, args.units));
    } else {
      // Left from an earlier run with diagrams, they would pass for this run's.
      fs::remove(diagrams, ec);
      fs::remove(demands, ec);
    }
    if (HasLoadCurves(results)) {
      write("curves  ", curves_path, RenderLoadCurvesCsv(results, args.units));
    } else {
      fs::remove(curves_path, ec);
    }
    // Each table when the run has its data; one left from an earlier run
    // would pass for this run's.
    const bool has[] = {!results.layers.empty(), results.lrfd_loading.has_value(),
                        results.lrfd_loading.has_value(), HasLrfdDistributedLoads(results)};
    const char* const labels[] = {"layers  ", "groups  ", "combos  ", "lrfdload"};
    std::string (*const render[])(const RunResults&, ShownUnits) = {
        RenderLayersCsv, RenderLrfdGroupsCsv, RenderLrfdCombinationsCsv,
        RenderLrfdDistributedLoadsCsv};
    for (std::size_t k = 0; k < std::size(input_tables); ++k) {
      const fs::path& path = input_tables[k].second;
      if (has[k]) {
        write(labels[k], path.string(), render[k](results, args.units));
      } else {
        fs::remove(path, ec);
      }
    }
  }

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
  for (const auto& [label, path] : extra) {
    if (!any) out << "Files written:\n";
    any = true;
    out << "  " << label << " " << path << "\n";
  }
  PrintOutcome(results, out);
  PrintCases(results, args.units, out);
  PrintLoadCurves(results, args.units, out);
  PrintInteraction(results, out);
  PrintAccuracyNotes(results, args.units, out);
  const ExitStatus status = StatusOf(results);
  return extra_failed && status == kNormal ? kFilesUnusable : status;
}

}  // namespace tarvex::cli
