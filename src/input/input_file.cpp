#include "input/input_file.hpp"

#include <climits>

#include "platform/platform.hpp"

namespace tarvex {
namespace {

// The UTF-8 byte-order mark that some editors put in front of a text file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool InputFile::Open(const std::string& path, std::string* error) {
  Take(std::string());
  size_ = 0;
  identity_ = {};
  std::string text;
  FileIdentity identity;
  if (!platform::ReadWholeFile(path, kMaxBytes, &text, &identity, error)) return false;
  size_ = text.size();
  identity_ = identity;
  Take(std::move(text));
  return true;
}

void InputFile::OpenText(std::string_view text) {
  size_ = text.size();
  Take(std::string(text));
}

void InputFile::Take(std::string text) {
  text_ = std::move(text);
  // A byte-order mark is not part of the first record.
  if (std::string_view(text_).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text_.erase(0, kByteOrderMark.size());
  }
  Rewind();
}

bool InputFile::ReadLine(std::string_view* line) {
  if (next_ >= text_.size()) return false;
  const std::string_view rest = std::string_view(text_).substr(next_);
  std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) end = rest.size();
  std::string_view record = rest.substr(0, end);
  if (!record.empty() && record.back() == '\r') record.remove_suffix(1);  // CR LF line ends
  *line = record;
  next_ += end + 1;
  if (line_number_ < INT_MAX) ++line_number_;
  return true;
}

void InputFile::Rewind() {
  next_ = 0;
  line_number_ = 0;
}

void InputFile::SeekToLine(int n) {
  Rewind();
  std::string_view skipped;
  while (line_number_ < n - 1 && ReadLine(&skipped)) {
  }
}

}  // namespace tarvex
