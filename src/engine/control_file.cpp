// The control file NAMES.DAT: four lines naming the input data file, the
// output report file, the plot output file and the runtime message file.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/diagnostics.hpp"
#include "format/error_text.hpp"
#include "format/record_writer.hpp"
#include "platform/platform.hpp"
#include "tarvex/engine.hpp"
#include "tarvex/version.h"

namespace tarvex {
namespace {

constexpr std::size_t kPathLength = 256;
// A control file is four short lines; anything near this size is not one.
constexpr std::uintmax_t kMaxControlBytes = 64U * 1024U * 1024U;

// Messages of the control-file errors go to the standard error stream: the
// message and report files are not known yet. The outcome of the run, when
// the host asks for it, is error `id` with its lines and the values it is
// about.
int ControlFileError(const RunOptions& options, ErrorId id, std::vector<DiagnosticValue> values) {
  RecordWriter shown, unused;
  WriteErrorText(id, values, shown, unused);
  std::fputs(shown.contents().c_str(), stderr);
  // A line of the control file that names no file at all ends the run
  // without the closing line.
  if (id != ErrorId::kFileNameBlank) {
    std::fprintf(stderr, "\nThe analysis ended due to a runtime error. \n\n");
  }
  if (options.outcome != nullptr) {
    RunOutcome& outcome = *options.outcome;
    Diagnostic d = MakeDiagnostic(id, std::move(values));
    const std::string& text = shown.contents();
    std::size_t begin = 0;
    while (begin < text.size()) {
      std::size_t end = text.find('\n', begin);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(begin, end - begin);
      if (line.find_first_not_of(' ') != std::string::npos) d.message.push_back(line);
      begin = end + 1;
    }
    outcome = RunOutcome{};
    outcome.result = d.code;
    outcome.results.engine_version = TARVEX_VERSION_STRING;
    outcome.results.result_code = d.code;
    outcome.results.outcome = Outcome::kFilesUnusable;
    outcome.results.error = std::move(d);
  }
  return ErrorRowOf(id).code;
}

// The error of a corrupted path on line i (0 to 3) of the control file.
constexpr ErrorId kCorruptedName[4] = {ErrorId::kInputNameCorrupted, ErrorId::kReportNameCorrupted,
                                       ErrorId::kPlotNameCorrupted, ErrorId::kMessageNameCorrupted};

// The control file as the error names it: a relative path is read in the
// working directory, which the error names too.
std::vector<DiagnosticValue> ControlFileValues(const std::string& path, const std::string& reason) {
  std::vector<DiagnosticValue> values{ErrorTextValue("path", path),
                                      ErrorTextValue("reason", reason)};
  if (!path.empty() && (path[0] == '/' || path[0] == '\\' || path.find(':') != std::string::npos)) {
    return values;
  }
  const std::string dir = platform::WorkingDirectory();
  if (!dir.empty()) values.push_back(ErrorTextValue("working directory", dir));
  return values;
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
    return ControlFileError(options, ErrorId::kControlFileUnreadable,
                            ControlFileValues(control_path, reason));
  }

  // A UTF-8 byte-order mark would become part of the first path, which then
  // names no file; the paths are plain text in the system's code page.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (std::string_view(text).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    return ControlFileError(options, kCorruptedName[0],
                            {ErrorValue("line", 1), ErrorTextValue("fault", "byte-order mark")});
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
      return ControlFileError(
          options, kCorruptedName[i],
          {ErrorValue("line", i + 1), ErrorTextValue("fault", "carriage return")});
    }
    line = TrimRight(line);
    // A path longer than a record, or with a NUL byte, cannot name the file
    // meant: using a cut path could write over another file.
    if (line.find('\0') != std::string::npos) {
      return ControlFileError(options, kCorruptedName[i],
                              {ErrorValue("line", i + 1), ErrorTextValue("fault", "NUL byte")});
    }
    if (line.size() > kPathLength) {
      return ControlFileError(
          options, kCorruptedName[i],
          {ErrorValue("line", i + 1),
           ErrorValue("path length", static_cast<double>(line.size()), "characters")});
    }
    // Blanks around a path are not part of it, at either end.
    paths[i] = TrimLeft(line);
  }

  for (int i = 0; i < 4; ++i) {
    if (paths[i].find_first_not_of(' ') == std::string::npos) {
      return ControlFileError(options, ErrorId::kFileNameBlank, {ErrorValue("line", i + 1)});
    }
  }
  return run(RunFiles{paths[0], paths[1], paths[2], paths[3]}, options);
}

}  // namespace tarvex
