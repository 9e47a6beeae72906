// The control file NAMES.DAT: four lines naming the input data file, the
// output report file, the plot output file and the runtime message file.
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/diagnostics.hpp"
#include "platform/platform.hpp"
#include "tarvex/engine.hpp"
#include "tarvex/version.h"

namespace tarvex {
namespace {

constexpr std::size_t kPathLength = 256;
// A control file is four short lines; anything near this size is not one.
constexpr std::uintmax_t kMaxControlBytes = 64U * 1024U * 1024U;

// The outcome of a run that ended at its control file: error `id` with its
// lines and the values it is about.
void ControlFileOutcome(const RunOptions& options, ErrorId id,
                        std::initializer_list<std::string> lines,
                        std::vector<DiagnosticValue> values) {
  if (options.outcome == nullptr) return;
  RunOutcome& outcome = *options.outcome;
  Diagnostic d = MakeDiagnostic(id, std::move(values));
  d.message = lines;
  outcome = RunOutcome{};
  outcome.result = d.code;
  outcome.results.engine_version = TARVEX_VERSION_STRING;
  outcome.results.result_code = d.code;
  outcome.results.outcome = Outcome::kFilesUnusable;
  outcome.results.error = std::move(d);
}

// Messages of the control-file errors go to the standard error stream: the
// message and report files are not known yet. `cause`, when given, is the
// line after the error's own text that says what is wrong with the file.
int ControlFileError(const RunOptions& options, ErrorId id, const char* text,
                     const std::string& cause, std::vector<DiagnosticValue> values) {
  const std::string heading(ErrorHeading(id));
  std::fprintf(stderr, "\n\n%s\n\n%s\n", heading.c_str(), text);
  if (!cause.empty()) std::fprintf(stderr, "%s\n", cause.c_str());
  std::fprintf(stderr, "\nThe analysis ended due to a runtime error. \n\n");
  if (cause.empty()) {
    ControlFileOutcome(options, id, {heading, text}, std::move(values));
  } else {
    ControlFileOutcome(options, id, {heading, text, cause}, std::move(values));
  }
  return ErrorRowOf(id).code;
}

// The error of a corrupted path on line i (0 to 3) of the control file.
constexpr ErrorId kCorruptedName[4] = {ErrorId::kInputNameCorrupted, ErrorId::kReportNameCorrupted,
                                       ErrorId::kPlotNameCorrupted, ErrorId::kMessageNameCorrupted};

// The control file as the cause lines name it: a relative path with the
// working directory it is read in.
std::string ControlFileName(const std::string& path) {
  if (!path.empty() && (path[0] == '/' || path[0] == '\\' || path.find(':') != std::string::npos)) {
    return path;
  }
  const std::string dir = platform::WorkingDirectory();
  return dir.empty() ? path : path + " in the working directory " + dir;
}

std::string TrimRight(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

std::string TrimLeft(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : s.substr(first);
}

}  // namespace

int run_with_control_file(const std::string& control_path, const RunOptions& options) {
  // Read whole, as a regular file only: a FIFO without a writer, a device or
  // a directory is refused at once instead of being waited on or read.
  std::string text;
  FileIdentity identity;
  std::string reason;
  if (!platform::ReadWholeFile(control_path, kMaxControlBytes, &text, &identity, &reason)) {
    return ControlFileError(
        options, ErrorId::kControlFileUnreadable, "Contents of file NAMES.DAT is corrupted.",
        ControlFileName(control_path) + " cannot be read: " + reason + ".",
        {ErrorTextValue("path", control_path), ErrorTextValue("reason", reason)});
  }

  static constexpr const char* kCorrupted[4] = {
      "The name of the input data file is corrupted.",
      "The name of the output report file is corrupted.",
      "The name of the plot output file is corrupted.",
      "Name of runtime message file is corrupted",
  };
  // A UTF-8 byte-order mark would become part of the first path, which then
  // names no file; the paths are plain text in the system's code page.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (std::string_view(text).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    return ControlFileError(options, kCorruptedName[0], kCorrupted[0],
                            "NAMES.DAT begins with a byte-order mark (the bytes EF BB BF) before "
                            "the first path; write it as plain text without one.",
                            {ErrorValue("line", 1)});
  }
  std::string paths[4];
  std::size_t next = 0;
  for (int i = 0; i < 4 && next < text.size(); ++i) {
    std::size_t end = text.find('\n', next);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(next, end - next);
    next = end + 1;
    // CR LF, or CR CR LF as a text-mode write of CR LF gives.
    while (!line.empty() && line.back() == '\r') line.pop_back();
    // Lines ended by a carriage return alone run together into one.
    if (line.find('\r') != std::string::npos) {
      return ControlFileError(options, kCorruptedName[i], kCorrupted[i],
                              "Line " + std::to_string(i + 1) +
                                  " of NAMES.DAT holds a carriage return (CR) inside it: lines "
                                  "must end with LF or CR LF, not with CR alone.",
                              {ErrorValue("line", i + 1)});
    }
    line = TrimRight(line);
    // A path longer than a record, or with a NUL byte, cannot name the file
    // meant: using a cut path could write over another file.
    if (line.find('\0') != std::string::npos) {
      return ControlFileError(options, kCorruptedName[i], kCorrupted[i],
                              "Line " + std::to_string(i + 1) + " of NAMES.DAT holds a NUL byte.",
                              {ErrorValue("line", i + 1)});
    }
    if (line.size() > kPathLength) {
      return ControlFileError(
          options, kCorruptedName[i], kCorrupted[i],
          "Line " + std::to_string(i + 1) + " of NAMES.DAT holds " + std::to_string(line.size()) +
              " characters; a path may hold at most 256.",
          {ErrorValue("line", i + 1),
           ErrorValue("path length", static_cast<double>(line.size()), "characters")});
    }
    // Blanks around a path are not part of it, at either end.
    paths[i] = TrimLeft(line);
  }

  static constexpr const char* kBlank[4] = {
      "Input data filename information corrupted. No analysis performed.",
      "Output filename information is corrupted. No analysis performed.",
      "Plot output filename information is corrupted. No analysis performed.",
      "Run message filename information is corrupted. No analysis performed.",
  };
  for (int i = 0; i < 4; ++i) {
    if (paths[i].find_first_not_of(' ') == std::string::npos) {
      const std::string heading(ErrorHeading(ErrorId::kFileNameBlank));
      std::fprintf(stderr, "%s\n\n%s\n", heading.c_str(), kBlank[i]);
      ControlFileOutcome(options, ErrorId::kFileNameBlank, {heading, kBlank[i]},
                         {ErrorValue("line", i + 1)});
      return ErrorRowOf(ErrorId::kFileNameBlank).code;
    }
  }
  return run(RunFiles{paths[0], paths[1], paths[2], paths[3]}, options);
}

}  // namespace tarvex
