#include "engine/run_files.hpp"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/error_catalogue.hpp"
#include "engine/diagnostics.hpp"
#include "format/error_text.hpp"
#include "input/input_file.hpp"
#include "platform/platform.hpp"
#include "report/warning_summary.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;

// The files of a run, in the order of the paths.
constexpr const char* kFileNames[4] = {"input data file", "output report file", "plot output file",
                                       "runtime message file"};

// The lines of a text written to memory, the empty ones left out.
std::vector<std::string> ShownLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(' ') != std::string::npos) lines.push_back(std::move(line));
    begin = end + 1;
  }
  return lines;
}

// A file the run cannot use: runtime error 7 (the input data file) or 8 (an
// output file). The error names the file (`file`, one of kFileNames), what
// is wrong with it (`fault`: "cannot be read") and the system's reason; it
// goes to the standard error stream (unless the run is quiet) and to the
// report and message files that are open (in a run in memory, `in_memory`,
// to both).
void ReportUnusableFile(const RunContext& run, RunOutput& run_out, int number,
                        std::string_view file, std::string_view fault, std::string_view path,
                        std::string_view reason, bool in_memory = false) {
  const ErrorId id = number == 7 ? ErrorId::kInputFileUnusable : ErrorId::kOutputFileUnusable;
  const std::vector<DiagnosticValue> values = {
      ErrorTextValue("path", std::string(path)), ErrorTextValue("reason", std::string(reason)),
      ErrorTextValue("file", std::string(file)), ErrorTextValue("fault", std::string(fault))};
  // The heading and lines as the standard error stream shows them.
  RecordWriter shown, unused;
  WriteErrorText(id, values, shown, unused);
  const std::vector<std::string> lines = ShownLines(shown.contents());
  if (!run.quiet) {
    std::fprintf(stderr, "\n");
    for (std::size_t k = 0; k < lines.size(); ++k) {
      std::fprintf(stderr, k == 0 ? "%s\n\n" : "%s\n", lines[k].c_str());
    }
  }
  ErrorBlock block(run_out);
  for (const std::string& line : lines) block.AddShownLine(line);
  // A file that is not open takes no line.
  RecordWriter& report = run_out.report.is_open() || in_memory ? run_out.report : unused;
  RecordWriter& message = run_out.message.is_open() || in_memory ? run_out.message : unused;
  WriteErrorText(id, values, report, message);
  block.Report(id, values);
}

// Paths of the run that name one file: an output that would be written over
// the input data file or over another output. Runtime error 8, before any
// output file is created or emptied; the error goes to the report and
// message files only when they are none of those files.
bool RefuseSameFiles(const RunContext& run, const InputFile& input, bool input_ok, RunOutput& out) {
  const auto& paths = run.paths;
  const std::vector<SameFilePair> pairs = FindSameFiles(paths);
  if (pairs.empty()) return false;
  bool involved[4] = {};
  for (const SameFilePair& p : pairs) involved[p.first] = involved[p.second] = true;
  std::vector<FileIdentity> keep;
  if (input_ok) keep.push_back(input.identity());
  std::string ignored;  // a file that cannot be opened does not take the message
  if (!involved[1]) out.report.Open(paths[1], &ignored, keep);
  if (!involved[3]) out.message.Open(paths[3], &ignored, keep);
  const SameFilePair& p = pairs.front();
  const auto first = static_cast<std::size_t>(p.first);
  const auto second = static_cast<std::size_t>(p.second);
  ReportUnusableFile(
      run, out, 8, kFileNames[second], "cannot be used", paths[second],
      "it is the same file as the " + std::string(kFileNames[first]) + " " + paths[first]);
  return true;
}

// An empty input data file: input error 25.
bool RefuseEmptyInput(const InputFile& input, RunOutput& out) {
  if (input.size() != 0) return false;
  RaiseError(out, ErrorId::kEmptyInputFile, {ErrorValue("input data file size", 0.0, "bytes")});
  return true;
}

// An output file that could not be written completely (a full disk, a
// device error): runtime error 8 naming the file, unless an error ended the
// run already; then the file is still named on the standard error stream.
void ReportIncompleteFile(const RunContext& run, RunOutput& out, int index,
                          const RecordWriter& file) {
  const auto i = static_cast<std::size_t>(index);
  constexpr std::string_view kFault = "could not be written completely";
  if (out.failed()) {
    if (!run.quiet) {
      std::fprintf(stderr, "\nThe %s %s: %s\nReason: %s.\n", kFileNames[i], kFault.data(),
                   run.paths[i].c_str(), file.write_error().c_str());
    }
    return;
  }
  ReportUnusableFile(run, out, 8, kFileNames[i], kFault, run.paths[i], file.write_error());
}

// Results too wide for their fields, in a run that would end normally:
// warning 371, with the block that names them (the first few of each file)
// in the report and the message file. The fields themselves stay as the
// field rules print them.
void WarnOfOverflows(RunOutput& out) {
  if (out.failed()) return;
  const FieldOverflows overflows = CollectOverflows(out.report, out.plot);
  if (overflows.total == 0) return;
  WriteOverflowNote(overflows, out.report);
  WriteOverflowNote(overflows, out.message);
  RecordWarning(out.warnings(), -371);
}

}  // namespace

// Takes an input text given in memory as the input data file: runtime error
// 7 beyond the size limit of an input data file, input error 25 for an empty
// text. False after an error.
bool OpenInputText(const RunContext& run, std::string_view text, const std::string& name,
                   InputFile& input, RunOutput& out) {
  if (text.size() > InputFile::kMaxBytes) {
    ReportUnusableFile(run, out, 7, kFileNames[0], "cannot be read", name,
                       "it is larger than " + std::to_string(InputFile::kMaxBytes >> 20U) + " MiB",
                       true);
    return false;
  }
  input.OpenText(text);
  return !RefuseEmptyInput(input, out);
}

// Opens the input data file and creates (or replaces) the three output files.
bool OpenFiles(const RunContext& run, InputFile& input, RunOutput& out) {
  const auto& paths = run.paths;
  std::string input_error;
  // The input is read whole before any output is touched.
  const bool input_ok = input.Open(paths[0], &input_error);
  if (RefuseSameFiles(run, input, input_ok, out)) return false;
  RecordWriter* const outputs[3] = {&out.report, &out.plot, &out.message};
  // Checked again on the open files: a path that came to name the input or
  // an earlier output in the meantime is refused without being emptied.
  std::vector<FileIdentity> keep;
  if (input_ok) keep.push_back(input.identity());
  std::string errors[3];
  bool outputs_ok = true;
  for (int i = 0; i < 3; ++i) {
    RecordWriter& w = *outputs[i];
    if (!w.Open(paths[static_cast<std::size_t>(i + 1)], &errors[i], keep)) {
      outputs_ok = false;
    } else if (w.seekable() && w.identity() != FileIdentity{}) {
      keep.push_back(w.identity());
    }
  }
  if (!input_ok) {
    ReportUnusableFile(run, out, 7, kFileNames[0], "cannot be read", paths[0], input_error);
    return false;
  }
  if (!outputs_ok) {
    for (int i = 0; i < 3; ++i) {
      if (!errors[i].empty()) {
        ReportUnusableFile(run, out, 8, kFileNames[i + 1], "cannot be created",
                           paths[static_cast<std::size_t>(i + 1)], errors[i]);
        return false;
      }
    }
  }
  return !RefuseEmptyInput(input, out);
}

// The end of the run: the closing lines, and every file closed. A file that
// could not be written completely ends the run with runtime error 8, so that
// no file says the analysis ended normally when its results are not all
// there. The message file is closed last, so that it can carry the failure of
// the report or plot file.
void EndRun(const RunContext& run, RunOutput& out) {
  RecordWriter* const outputs[3] = {&out.report, &out.plot, &out.message};
  bool reported[3] = {};
  auto check = [&](int i) {
    const auto k = static_cast<std::size_t>(i);
    if (reported[k] || !outputs[k]->write_failed()) return;
    reported[k] = true;
    ReportIncompleteFile(run, out, i + 1, *outputs[k]);
  };
  for (int i = 0; i < 3; ++i) outputs[i]->Flush();
  for (int i = 0; i < 3; ++i) check(i);
  WarnOfOverflows(out);
  const bool warned = out.warnings().head > 0;
  WriteClosingLines(out.diagnostics, true, warned, out.report);
  out.report.Close();
  out.plot.Close();
  check(0);
  check(1);
  WriteClosingLines(out.diagnostics, false, warned, out.message);
  out.message.Close();
  check(2);
}

PathTarget Locate(const std::string& path) {
  PathTarget t;
  if (platform::IdentifyExistingFile(path, &t.identity, &t.shareable)) {
    t.exists = true;
    return t;
  }
  std::error_code ec;
  fs::path p = platform::FollowDanglingLinks(fs::absolute(fs::path(path), ec));
  if (ec) p = fs::path(path);
  // The directory as the system resolves it (links and "..", as far as it
  // exists), then the name the file would be created under.
  const fs::path name = p.filename();
  fs::path directory = fs::weakly_canonical(p.parent_path(), ec);
  if (ec) directory = p.parent_path().lexically_normal();
  t.created_as = platform::ComparablePath(directory / name);
  return t;
}

bool SameFile(const PathTarget& a, const PathTarget& b) {
  if (a.exists != b.exists) return false;
  if (a.exists) return a.identity == b.identity && !a.shareable;
  return a.created_as == b.created_as;
}

std::vector<SameFilePair> FindSameFiles(std::span<const std::string> paths) {
  std::vector<PathTarget> targets;
  targets.reserve(paths.size());
  for (const std::string& path : paths) targets.push_back(Locate(path));
  // The input data file counts only as an existing file: a path to nothing is
  // refused as an input of its own, and nothing can be lost by writing there.
  std::vector<SameFilePair> pairs;
  const int count = static_cast<int>(targets.size());
  for (int i = 0; i < count; ++i) {
    const PathTarget& a = targets[static_cast<std::size_t>(i)];
    if (i == 0 && !a.exists) continue;
    for (int j = i + 1; j < count; ++j) {
      if (SameFile(a, targets[static_cast<std::size_t>(j)])) pairs.push_back({i, j});
    }
  }
  return pairs;
}

}  // namespace tarvex
