#include "support/test_support.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarvex::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvex-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary);
  out << contents;
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> FileLines(const std::string& path) { return SplitLines(ReadFile(path)); }

int FindLine(const std::vector<std::string>& lines, const std::string& line, int from) {
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (lines[static_cast<std::size_t>(i)] == line) return i;
  }
  return -1;
}

std::string ErrorIdentity(const RunOutcome& outcome) {
  return outcome.results.error ? outcome.results.error->identity : std::string();
}

std::vector<std::string> ErrorMessage(const RunOutcome& outcome) {
  return outcome.results.error ? outcome.results.error->message : std::vector<std::string>();
}

}  // namespace tarvex::testing
