// The control file NAMES.DAT: four lines naming the input data file, the
// output report file, the plot output file and the runtime message file.
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/platform.hpp"
#include "tarvex/engine.hpp"
#include "tarvex/version.h"

namespace tarvex {
namespace {

constexpr std::size_t kPathLength = 256;
// A control file is four short lines; anything near this size is not one.
constexpr std::uintmax_t kMaxControlBytes = 64U * 1024U * 1024U;

// The outcome of a run that ended at its control file: error `number` with
// its lines.
void ControlFileOutcome(const RunOptions& options, int number,
                        std::initializer_list<std::string> lines) {
  if (options.outcome == nullptr) return;
  RunOutcome& outcome = *options.outcome;
  const std::string digits = std::to_string(number);
  Diagnostic d;
  d.identity = "RUN" + std::string(5 - digits.size(), '0') + digits;
  d.code = 200 + number;
  d.number = number;
  d.kind = "files";
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
int ControlFileError(const RunOptions& options, int number, const char* text,
                     const std::string& cause = {}) {
  std::fprintf(stderr, "\n\n**** Runtime Error No. %d ****\n\n%s\n", number, text);
  if (!cause.empty()) std::fprintf(stderr, "%s\n", cause.c_str());
  std::fprintf(stderr, "\nThe analysis ended due to a runtime error. \n\n");
  const std::string heading = "**** Runtime Error No. " + std::to_string(number) + " ****";
  if (cause.empty()) {
    ControlFileOutcome(options, number, {heading, text});
  } else {
    ControlFileOutcome(options, number, {heading, text, cause});
  }
  return 200 + number;
}

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
    return ControlFileError(options, 2, "Contents of file NAMES.DAT is corrupted.",
                            ControlFileName(control_path) + " cannot be read: " + reason + ".");
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
    return ControlFileError(options, 3, kCorrupted[0],
                            "NAMES.DAT begins with a byte-order mark (the bytes EF BB BF) before "
                            "the first path; write it as plain text without one.");
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
      return ControlFileError(options, 3 + i, kCorrupted[i],
                              "Line " + std::to_string(i + 1) +
                                  " of NAMES.DAT holds a carriage return (CR) inside it: lines "
                                  "must end with LF or CR LF, not with CR alone.");
    }
    line = TrimRight(line);
    // A path longer than a record, or with a NUL byte, cannot name the file
    // meant: using a cut path could write over another file.
    if (line.find('\0') != std::string::npos) {
      return ControlFileError(options, 3 + i, kCorrupted[i],
                              "Line " + std::to_string(i + 1) + " of NAMES.DAT holds a NUL byte.");
    }
    if (line.size() > kPathLength) {
      return ControlFileError(options, 3 + i, kCorrupted[i],
                              "Line " + std::to_string(i + 1) + " of NAMES.DAT holds " +
                                  std::to_string(line.size()) +
                                  " characters; a path may hold at most 256.");
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
      std::fprintf(stderr, "**** Runtime Error No. 17 ****\n\n%s\n", kBlank[i]);
      ControlFileOutcome(options, 17, {"**** Runtime Error No. 17 ****", kBlank[i]});
      return 217;
    }
  }
  return run(RunFiles{paths[0], paths[1], paths[2], paths[3]}, options);
}

}  // namespace tarvex
