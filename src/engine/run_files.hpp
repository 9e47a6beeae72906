// The four files of a run: opening the input data file and creating the
// three output files, the end of the run that closes them, and the files seen
// as files on disk rather than as paths (which of them are one and the same
// file, however the paths are spelled).
#ifndef TARVEX_ENGINE_RUN_FILES_HPP_
#define TARVEX_ENGINE_RUN_FILES_HPP_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model.hpp"
#include "platform/file_identity.hpp"

namespace tarvex {

class InputFile;

// Opens the input data file and creates (or replaces) the three output
// files: runtime error 7 for an input data file that cannot be read, 8 for
// an output file that cannot be created or that is another of the four
// files, input error 25 for an empty input. False after an error.
bool OpenFiles(const RunContext& run, InputFile& input, RunOutput& out);

// Takes an input text given in memory as the input data file: runtime error
// 7 beyond the size limit of an input data file, input error 25 for an empty
// text. False after an error.
bool OpenInputText(const RunContext& run, std::string_view text, const std::string& name,
                   InputFile& input, RunOutput& out);

// The end of the run: the closing lines of the report and message files, and
// every file closed; a file that could not be written completely ends the
// run with runtime error 8.
void EndRun(const RunContext& run, RunOutput& out);

// Where a path leads. An existing file is known by its device and inode (the
// links are followed); a file that does not exist yet by the name it would be
// created under: the real directory that will hold it and its own name.
struct PathTarget {
  bool exists = false;
  bool shareable = false;  // a device (/dev/null, a terminal, NUL): any number may write
  FileIdentity identity;   // when it exists
  std::string created_as;  // when it does not
};

PathTarget Locate(const std::string& path);

// True when writing to `b` would write over the file `a` names.
bool SameFile(const PathTarget& a, const PathTarget& b);

// Two of the paths (input data file first, then the files a run writes:
// report, plot, message file, and the command line's further files) that
// name one file: their indices, first < second.
struct SameFilePair {
  int first = 0;
  int second = 0;
};
// Every such pair, in order of the first index, then the second.
std::vector<SameFilePair> FindSameFiles(std::span<const std::string> paths);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_RUN_FILES_HPP_
