#include "input/input_file.hpp"

#include "engine/platform.hpp"

namespace tarvex {

bool InputFile::Open(const std::string& path, std::string* error) {
  lines_.clear();
  next_ = 0;
  size_ = 0;
  std::string text;
  if (!platform::ReadWholeFile(path, kMaxBytes, &text, error)) return false;
  size_ = text.size();
  Split(text);
  return true;
}

void InputFile::OpenText(std::string_view text) {
  lines_.clear();
  next_ = 0;
  size_ = text.size();
  Split(text);
}

void InputFile::Split(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CR LF line ends
    lines_.emplace_back(line);
    start = end + 1;
  }
}

bool InputFile::ReadLine(std::string_view* line) {
  if (next_ >= lines_.size()) return false;
  *line = lines_[next_++];
  return true;
}

void InputFile::SeekToLine(int n) {
  next_ = n <= 1 ? 0 : static_cast<std::size_t>(n - 1);
  if (next_ > lines_.size()) next_ = lines_.size();
}

}  // namespace tarvex
