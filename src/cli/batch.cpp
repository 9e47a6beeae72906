#include "cli/batch.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// MinGW's C++ library in its win32 thread model has no std::thread: there the
// inputs of a batch run one after the other.
#if !defined(__GLIBCXX__) || defined(_GLIBCXX_HAS_GTHREADS)
#define TARVEX_BATCH_THREADS 1
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#else
#define TARVEX_BATCH_THREADS 0
#endif

#include "cli/cli.hpp"
#include "core/display_units.hpp"
#include "core/error_catalogue.hpp"
#include "core/visible_text.hpp"
#include "engine/run_files.hpp"
#include "format/number_fields.hpp"
#include "json/results_json.hpp"
#include "platform/platform.hpp"
#include "report/results_csv.hpp"

namespace tarvex::cli {

std::string InputFileProblem(const std::filesystem::path& input) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(input, ec);
  if (status.type() == std::filesystem::file_type::not_found) return "no such file";
  if (ec) return ec.message();
  if (!std::filesystem::is_regular_file(status)) return "not a regular file";
  return {};
}

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// More threads than this are refused as a mistake of the command line.
constexpr int kMaxJobs = 1024;

struct BatchArguments {
  std::vector<std::string> inputs;
  std::string directory;
  std::string summary;
  int jobs = 0;  // 0: the number of cores
  bool json = false;
};

bool ParseJobs(const std::string& text, int* jobs) {
  int n = 0;
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, n);
  if (r.ec != std::errc() || r.ptr != end || n < 1 || n > kMaxJobs) return false;
  *jobs = n;
  return true;
}

bool ParseBatch(int argc, const char* const* argv, BatchArguments* args, std::string* problem) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string* v) {
      if (i + 1 >= argc) {
        *problem = "option " + a + " needs " +
                   (a == "-o" || a == "--output" ? "a directory"
                    : a == "--summary"           ? "a file name"
                                                 : "a number of threads");
        return false;
      }
      *v = argv[++i];
      return true;
    };
    std::string jobs_text;
    bool jobs_given = false;
    if (a == "-o" || a == "--output") {
      if (!value(&args->directory)) return false;
    } else if (a == "--summary") {
      if (!value(&args->summary)) return false;
    } else if (a == "--json") {
      args->json = true;
    } else if (a == "-j" || a == "--jobs") {
      if (!value(&jobs_text)) return false;
      jobs_given = true;
    } else if (a.rfind("--jobs=", 0) == 0) {
      jobs_text = a.substr(7);
      jobs_given = true;
    } else if (a.size() > 2 && a.rfind("-j", 0) == 0) {
      jobs_text = a.substr(2);
      jobs_given = true;
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      *problem = "unknown option " + a;
      return false;
    } else {
      args->inputs.push_back(a);
    }
    if (jobs_given && !ParseJobs(jobs_text, &args->jobs)) {
      *problem = "the number of threads must be a whole number from 1 to " +
                 std::to_string(kMaxJobs) + ", not \"" + jobs_text + "\"";
      return false;
    }
  }
  if (args->inputs.empty()) {
    *problem = "no input file given";
    return false;
  }
  return true;
}

// The numbers of one load case that the batch prints and summarises, in
// the run's computing units.
struct CaseLine {
  int number = 0;
  int load_type = 1;
  double condition1 = 0.0;  // shear or deflection, as applied
  double condition2 = 0.0;  // moment, slope or rotational stiffness, as applied
  double axial = 0.0;
  double head_deflection = 0.0;
  double head_rotation = 0.0;
  double max_moment = 0.0;
  double max_moment_depth = 0.0;
  double max_shear = 0.0;
  double max_shear_depth = 0.0;
  int iterations = 0;
};

// What is kept of one input's run once it has ended: the full results are
// dropped at once, so that a long batch holds little per input.
struct Item {
  std::string input;  // as given on the command line
  RunFiles files;
  bool runnable = false;
  int status = kNormal;
  int result_code = 0;
  std::string outcome;  // "normal end", "input error INP00095 (code 195)", ...
  std::string detail;   // the first line of the error's message, or why files were refused
  std::vector<int> warnings;
  std::vector<CaseLine> cases;
  std::string shown_cases;  // the cases as the line shows them, in engineering units
  double pile_length = 0.0;
  std::string length_unit, force_unit, moment_unit;
};

// The status column: what kind of end the run had.
std::string StatusText(const Item& item) {
  switch (item.status) {
    case kNormal:
      return "normal end";
    case kInputError:
      return "input error";
    case kRuntimeError:
      return "runtime error";
    default:
      return "file error";
  }
}

// An input the batch refuses before any run, with the result code and
// identity of the file error the engine reports for it: runtime error 7 for
// an input data file that cannot be read, 8 for output files that cannot be
// used (written over the input or over another input's).
void Refuse(Item* item, ErrorId id, std::string detail) {
  const ErrorRow& error = ErrorRowOf(id);
  item->status = kFilesUnusable;
  item->result_code = error.code;
  item->outcome =
      "file error " + std::string(error.identity) + " (code " + std::to_string(error.code) + ")";
  item->detail = std::move(detail);
}

int StatusOfResults(const RunResults& results) {
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

void KeepOutcome(const RunResults& results, Item* item) {
  item->status = StatusOfResults(results);
  item->result_code = results.result_code;
  if (results.error) {
    const Diagnostic& e = *results.error;
    const char* kind = e.kind == "input"      ? "input error "
                       : e.kind == "files"    ? "file error "
                       : e.kind == "internal" ? "internal error "
                                              : "runtime error ";
    item->outcome = kind + e.identity + " (code " + std::to_string(e.code) + ")";
    // The problem in words: the first line after the error's heading.
    for (const std::string& line : e.message) {
      const std::size_t first = line.find_first_not_of(' ');
      if (first == std::string::npos || line.compare(first, 4, "****") == 0) continue;
      item->detail = VisibleText(line.substr(first));
      break;
    }
  } else {
    std::map<int, int> warnings;
    for (const WarningRecord& w : results.warnings) warnings[w.number] += w.count;
    for (const auto& entry : warnings) item->warnings.push_back(entry.first);
    item->outcome = warnings.empty() ? "normal end" : "normal end with warnings";
  }
  for (const LoadCaseResult& c : results.cases) {
    item->cases.push_back({c.number, c.load_type, c.condition1, c.condition2, c.axial,
                           c.head_deflection, c.head_rotation, c.max_moment, c.max_moment_depth,
                           c.max_shear, c.max_shear_depth, c.iterations});
    // Four significant digits in the units an engineer reads (in, kip-ft;
    // mm, kN-m); a value within the round-off of the case's largest is 0.
    const DisplayUnit* deflection = FindDisplayUnit(results.display_units, "deflection");
    const DisplayUnit* moment = FindDisplayUnit(results.display_units, "moment");
    double largest_deflection = 0.0, largest_moment = std::fabs(c.head_moment);
    for (double v : c.nodes.deflection)
      largest_deflection = std::max(largest_deflection, std::fabs(v));
    for (double v : c.nodes.moment) largest_moment = std::max(largest_moment, std::fabs(v));
    const double round_off = results.display_units.round_off;
    item->shown_cases +=
        "; case " + std::to_string(c.number) + ": deflection " +
        Significant(ShownValue(c.head_deflection, largest_deflection, round_off, deflection), 4) +
        " " + (deflection ? deflection->unit : results.units.length) + ", max moment " +
        Significant(ShownValue(c.max_moment, largest_moment, round_off, moment), 4) + " " +
        (moment ? moment->unit : results.units.moment);
  }
  item->pile_length = results.pile_length;
  item->length_unit = results.units.length;
  item->force_unit = results.units.force;
  // Named in-lb in US customary units, as the table of a single run does.
  item->moment_unit = results.units.system == "USCS" ? "in-lb" : results.units.moment;
}

// The run's results as JSON beside its report: <stem>.json.
void WriteJson(const RunResults& results, Item* item) {
  const std::string path = fs::path(item->files.report).replace_extension(".json").string();
  std::string reason;
  if (!platform::WriteWholeFile(path, RenderResultsJson(results), &reason)) {
    // A file the engine could not write is its runtime error 8: the code of
    // the item, which is never 0 for a failure.
    item->status = std::max(item->status, static_cast<int>(kFilesUnusable));
    item->result_code = 208;
    item->detail = "cannot write " + path + ": " + reason;
  }
}

void RunItem(const RunOptions& options, bool json, Item* item) {
  try {
    RunOutcome outcome;
    RunOptions run_options = options;
    run_options.outcome = &outcome;
    run(item->files, run_options);
    KeepOutcome(outcome.results, item);
    if (json) WriteJson(outcome.results, item);
  } catch (const std::exception& e) {
    // Nothing of one run may end the others.
    item->status = kRuntimeError;
    // An internal error, as the engine reports one that escapes.
    const ErrorRow& error = ErrorRowOf(ErrorId::kInternalError);
    item->result_code = error.code;
    item->outcome = "internal error " + std::string(error.identity) + " (code " +
                    std::to_string(error.code) + ")";
    item->detail = e.what();
  }
}

std::string Line(const Item& item) {
  std::string line = item.input + ": " + item.outcome;
  for (std::size_t i = 0; i < item.warnings.size(); ++i) {
    line += (i == 0 ? " " : ", ") + std::to_string(item.warnings[i]);
  }
  if (!item.detail.empty()) line += ": " + item.detail;
  return line + item.shown_cases;
}

// The applied loads of a case by the kind of head condition: shear,
// moment, deflection, slope, rotational stiffness (empty where the load type
// does not apply it).
std::array<std::optional<double>, 5> AppliedLoads(const CaseLine& c) {
  std::array<std::optional<double>, 5> applied;
  const bool shear = c.load_type <= 3;
  applied[shear ? 0 : 2] = c.condition1;
  switch (c.load_type) {
    case 2:
    case 5:
      applied[3] = c.condition2;
      break;
    case 3:
      applied[4] = c.condition2;
      break;
    default:
      applied[1] = c.condition2;
  }
  return applied;
}

void WriteSummary(const std::vector<Item>& items, std::ostream& csv) {
  csv << "input,status,outcome,result_code,case,load_type,applied_shear,applied_moment,"
         "applied_deflection,applied_slope,applied_rotational_stiffness,axial_load,pile_length,"
         "head_deflection,head_rotation,max_moment,max_moment_depth,max_shear,max_shear_depth,"
         "iterations,length_unit,force_unit,moment_unit\n";
  for (const Item& item : items) {
    std::string head;
    AppendCsvText(head, item.input);
    head += ',';
    AppendCsvText(head, StatusText(item));
    head += ',';
    AppendCsvText(head, item.outcome);
    head += ',';
    head += std::to_string(item.result_code);
    head += ',';
    std::string units;
    for (const std::string* unit : {&item.length_unit, &item.force_unit, &item.moment_unit}) {
      units += ',';
      AppendCsvText(units, *unit);
    }
    units += '\n';
    if (item.cases.empty()) {
      // No load case: the pile length when the run came to know it.
      std::string row = head + ",,,,,,,,";
      if (item.pile_length > 0.0) AppendCsvNumber(row, item.pile_length);
      csv << row << ",,,,,,," << units;
      continue;
    }
    for (const CaseLine& c : item.cases) {
      std::string row = head + std::to_string(c.number) + ',' + std::to_string(c.load_type);
      for (const std::optional<double>& v : AppliedLoads(c)) {
        row += ',';
        if (v) AppendCsvNumber(row, *v);
      }
      for (double v : {c.axial, item.pile_length, c.head_deflection, c.head_rotation, c.max_moment,
                       c.max_moment_depth, c.max_shear, c.max_shear_depth}) {
        row += ',';
        AppendCsvNumber(row, v);
      }
      csv << row << ',' << c.iterations << units;
    }
  }
}

// Works out the four files of every input; refuses an input that cannot be
// read, whose files would be written over one another, or whose output
// files another input of the batch writes too (same stem into one folder).
void PrepareItems(const BatchArguments& args, const fs::path& directory, std::vector<Item>* items) {
  std::map<std::string, std::size_t> claimed;  // an output path and the input that writes it
  for (const std::string& given : args.inputs) {
    Item item;
    item.input = given;
    std::error_code ec;
    const fs::path input = fs::absolute(given, ec);
    if (const std::string problem = ec ? ec.message() : InputFileProblem(input); !problem.empty()) {
      Refuse(&item, ErrorId::kInputFileUnusable, "cannot read the input file: " + problem);
      items->push_back(std::move(item));
      continue;
    }
    const fs::path folder = directory.empty() ? input.parent_path() : directory;
    const std::string stem = input.stem().string();
    item.files = {input.string(), (folder / (stem + ".out")).string(),
                  (folder / (stem + ".plt")).string(), (folder / (stem + ".msg")).string()};
    const std::vector<std::string> paths = {item.files.input, item.files.report, item.files.plot,
                                            item.files.message};
    const std::vector<SameFilePair> same = FindSameFiles(paths);
    std::string clash;
    for (const std::string* path : {&item.files.report, &item.files.plot, &item.files.message}) {
      const std::string key = platform::ComparablePath(fs::weakly_canonical(*path, ec));
      const auto [at, fresh] = claimed.emplace(key, items->size());
      if (!fresh && clash.empty()) clash = (*items)[at->second].input;
    }
    if (!same.empty()) {
      Refuse(&item, ErrorId::kOutputFileUnusable,
             "an output file would be written over the input file; nothing was written");
    } else if (!clash.empty()) {
      Refuse(&item, ErrorId::kOutputFileUnusable,
             "its output files are those of " + clash + "; nothing was written");
    } else {
      item.runnable = true;
    }
    items->push_back(std::move(item));
  }
}

std::string Seconds(double s) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, s, std::chars_format::fixed, s < 10 ? 2 : 0);
  return std::string(buf, r.ptr) + " s";
}

}  // namespace

bool IsBatch(int argc, const char* const* argv) {
  int inputs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-o" || a == "--output" || a == "-j" || a == "--jobs" || a == "--summary") {
      if (a != "-o" && a != "--output") return true;
      ++i;  // the directory
      continue;
    }
    if (a == "--units" || a == "--load-steps") {
      ++i;  // their value, no input
      continue;
    }
    if (a.rfind("-j", 0) == 0 || a.rfind("--jobs=", 0) == 0) return true;
    if (a.empty() || a[0] != '-' || a == "-") ++inputs;
  }
  return inputs > 1;
}

int RunBatch(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
             const RunOptions& options, bool progress) {
  BatchArguments args;
  std::string problem;
  if (!ParseBatch(argc, argv, &args, &problem)) {
    err << "tarvex: " << problem << "\n\n" << UsageSynopsis();
    return kFilesUnusable;
  }
  std::error_code ec;
  fs::path directory;
  if (!args.directory.empty()) {
    directory = fs::absolute(args.directory, ec);
    fs::create_directories(directory, ec);
    if (ec || !fs::is_directory(directory)) {
      err << "tarvex: cannot use the output directory " << args.directory << ": "
          << (ec ? ec.message() : "not a directory") << "\n";
      return kFilesUnusable;
    }
  }
  std::vector<Item> items;
  PrepareItems(args, directory, &items);

  // The summary is opened before any run, so that a path that cannot be
  // written stops the batch before hours of analyses; it may not be any file
  // of the batch.
  std::ofstream summary;
  if (!args.summary.empty()) {
    const std::string key = platform::ComparablePath(fs::weakly_canonical(args.summary, ec));
    for (const Item& item : items) {
      for (const std::string* path :
           {&item.files.input, &item.files.report, &item.files.plot, &item.files.message}) {
        if (!path->empty() && platform::ComparablePath(fs::weakly_canonical(*path, ec)) == key) {
          err << "tarvex: the summary " << args.summary << " would be written over " << *path
              << "; nothing was written.\n";
          return kFilesUnusable;
        }
      }
    }
    summary.open(args.summary, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!summary) {
      err << "tarvex: cannot write the summary " << args.summary << "; nothing was analysed.\n";
      return kFilesUnusable;
    }
  }

  const std::size_t total = items.size();
  std::vector<std::size_t> queue;
  for (std::size_t i = 0; i < total; ++i) {
    if (items[i].runnable) queue.push_back(i);
  }
#if TARVEX_BATCH_THREADS
  unsigned jobs = args.jobs > 0 ? static_cast<unsigned>(args.jobs)
                                : std::max(1U, std::thread::hardware_concurrency());
  jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(queue.size(), 1)));

  std::mutex mutex;
  std::condition_variable changed;
  std::vector<char> done(total, 0);
  for (std::size_t i = 0; i < total; ++i) done[i] = items[i].runnable ? 0 : 1;
  std::atomic<std::size_t> next{0};
  auto worker = [&] {
    for (std::size_t k = next++; k < queue.size(); k = next++) {
      Item& item = items[queue[k]];
      RunItem(options, args.json, &item);
      {
        const std::lock_guard<std::mutex> lock(mutex);
        done[queue[k]] = 1;
      }
      changed.notify_one();
    }
  };
  const Clock::time_point start = Clock::now();
  std::vector<std::thread> threads;
  threads.reserve(jobs);
  for (unsigned t = 0; t < jobs && !queue.empty(); ++t) threads.emplace_back(worker);

  // Prints the lines in the order of the inputs, as soon as each is known;
  // the progress line on a terminal after the first second.
  std::size_t printed = 0;
  std::size_t failures = 0;
  bool progress_shown = false;
  auto clear_progress = [&] {
    if (progress_shown) err << "\r" << std::string(72, ' ') << "\r" << std::flush;
    progress_shown = false;
  };
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (true) {
      std::size_t finished = 0;
      for (char d : done) finished += d != 0 ? 1 : 0;
      bool wrote = false;
      while (printed < total && done[printed] != 0) {
        if (!wrote) clear_progress();
        wrote = true;
        const Item& item = items[printed];
        if (item.status != kNormal) ++failures;
        out << Line(item) << "\n";
        ++printed;
      }
      if (wrote) out.flush();
      const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
      if (progress && printed < total && elapsed > 1.0 && finished > 0) {
        const double left =
            elapsed / static_cast<double>(finished) * static_cast<double>(total - finished);
        std::string line = std::to_string(finished) + " of " + std::to_string(total) + " done, " +
                           std::to_string(failures) + " failed so far, about " + Seconds(left) +
                           " left";
        line.resize(std::max<std::size_t>(line.size(), 72), ' ');
        err << "\r" << line << std::flush;
        progress_shown = true;
      }
      if (printed == total) break;
      changed.wait_for(lock, std::chrono::milliseconds(250));
    }
  }
  for (std::thread& t : threads) t.join();
  clear_progress();
#else
  const unsigned jobs = 1;
  const Clock::time_point start = Clock::now();
  (void)progress;
  for (Item& item : items) {
    if (item.runnable) RunItem(options, args.json, &item);
    out << Line(item) << "\n" << std::flush;
  }
#endif

  int worst = kNormal;
  std::size_t normal = 0, warned = 0, input_errors = 0, runtime_errors = 0, unusable = 0;
  for (const Item& item : items) {
    worst = std::max(worst, item.status);
    switch (item.status) {
      case kNormal:
        ++(item.warnings.empty() ? normal : warned);
        break;
      case kInputError:
        ++input_errors;
        break;
      case kRuntimeError:
        ++runtime_errors;
        break;
      default:
        ++unusable;
    }
  }
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  out << total << (total == 1 ? " input: " : " inputs: ") << normal << " normal end, " << warned
      << " with warnings, " << input_errors << " input errors, " << runtime_errors
      << " runtime errors, " << unusable << " file errors (" << jobs
      << (jobs == 1 ? " thread, " : " threads, ") << Seconds(elapsed) << ")\n";

  if (summary.is_open()) {
    WriteSummary(items, summary);
    summary.close();
    if (!summary) {
      err << "tarvex: the summary " << args.summary << " could not be written completely.\n";
      worst = std::max(worst, static_cast<int>(kFilesUnusable));
    }
  }
  return worst;
}

}  // namespace tarvex::cli
