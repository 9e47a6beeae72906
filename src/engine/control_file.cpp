// The control file NAMES.DAT: four lines naming the input data file, the
// output report file, the plot output file and the runtime message file.
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>

#include "tarvex/engine.hpp"
#include "tarvex/version.h"

namespace tarvex {
namespace {

constexpr std::size_t kPathLength = 256;

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
// message and report files are not known yet.
int ControlFileError(const RunOptions& options, int number, const char* text) {
  std::fprintf(stderr, "\n\n**** Runtime Error No. %d ****\n\n%s\n", number, text);
  std::fprintf(stderr, "\nThe analysis ended due to a runtime error. \n\n");
  ControlFileOutcome(options, number,
                     {"**** Runtime Error No. " + std::to_string(number) + " ****", text});
  return 200 + number;
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
  std::ifstream in(control_path, std::ios::binary);
  if (!in) return ControlFileError(options, 2, "Contents of file NAMES.DAT is corrupted.");

  static constexpr const char* kCorrupted[4] = {
      "The name of the input data file is corrupted.",
      "The name of the output report file is corrupted.",
      "The name of the plot output file is corrupted.",
      "Name of runtime message file is corrupted",
  };
  std::string paths[4];
  for (int i = 0; i < 4; ++i) {
    std::string line;
    if (!std::getline(in, line)) {
      if (in.bad()) return ControlFileError(options, 3 + i, kCorrupted[i]);
      break;  // end of file: the remaining paths stay blank
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = TrimRight(line);
    // A path longer than a record, or with a NUL byte, cannot name the file
    // meant: using a cut path could write over another file.
    if (line.size() > kPathLength || line.find('\0') != std::string::npos) {
      return ControlFileError(options, 3 + i, kCorrupted[i]);
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
