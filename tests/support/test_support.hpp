// Helpers shared by the test suites.
#ifndef TARVEX_TESTS_SUPPORT_TEST_SUPPORT_HPP_
#define TARVEX_TESTS_SUPPORT_TEST_SUPPORT_HPP_

#include <string>
#include <vector>

#include "tarvex/engine.hpp"

namespace tarvex::testing {

// A fresh directory under the system's temporary directory, removed with its
// contents when the object goes out of scope.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& contents);
bool FileExists(const std::string& path);
// Splits text into lines (the last line's '\n' ends it; no empty line after it).
std::vector<std::string> SplitLines(const std::string& text);
// The file's lines.
std::vector<std::string> FileLines(const std::string& path);
// Index of the first line equal to `line` at or after `from`, or -1.
int FindLine(const std::vector<std::string>& lines, const std::string& line, int from = 0);

// The identity and message lines of the error that ended a run; empty after
// a normal end.
std::string ErrorIdentity(const RunOutcome& outcome);
std::vector<std::string> ErrorMessage(const RunOutcome& outcome);

}  // namespace tarvex::testing

#endif  // TARVEX_TESTS_SUPPORT_TEST_SUPPORT_HPP_
