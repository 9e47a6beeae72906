// The four files of a run, seen as files on disk rather than as paths: which
// of them are one and the same file, however the paths are spelled.
#ifndef TARVEX_ENGINE_RUN_FILES_HPP_
#define TARVEX_ENGINE_RUN_FILES_HPP_

#include <span>
#include <string>
#include <vector>

#include "platform/file_identity.hpp"

namespace tarvex {

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
