// The input data file, read once into memory as a list of records (lines).
#ifndef TARVEX_INPUT_INPUT_FILE_HPP_
#define TARVEX_INPUT_INPUT_FILE_HPP_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class InputFile {
 public:
  // Larger input files are refused: no real input comes near this size.
  static constexpr std::uintmax_t kMaxBytes = 64U * 1024U * 1024U;

  // Reads the whole file. On failure returns false and sets *error to the reason.
  bool Open(const std::string& path, std::string* error);
  // For tests: takes the text as the file's contents.
  void OpenText(std::string_view text);

  std::uintmax_t size() const { return size_; }
  std::size_t line_count() const { return lines_.size(); }

  // The next record; false at the end of the file.
  bool ReadLine(std::string_view* line);
  bool at_end() const { return next_ >= lines_.size(); }
  // 1-based number of the record read last (0 before the first).
  int line_number() const { return static_cast<int>(next_); }
  void Rewind() { next_ = 0; }
  // Positions the file so that the next record read is record n (1-based).
  void SeekToLine(int n);

 private:
  void Split(std::string_view text);

  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::uintmax_t size_ = 0;
};

}  // namespace tarvex

#endif  // TARVEX_INPUT_INPUT_FILE_HPP_
