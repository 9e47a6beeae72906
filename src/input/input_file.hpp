// The input data file, read once into one buffer and handed out record by
// record (line by line). The records are views into the buffer: memory stays
// at the size of the file however many lines it holds.
#ifndef TARVEX_INPUT_INPUT_FILE_HPP_
#define TARVEX_INPUT_INPUT_FILE_HPP_

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_identity.hpp"

namespace tarvex {

class InputFile {
 public:
  // Larger input files are refused: no real input comes near this size.
  static constexpr std::uintmax_t kMaxBytes = 64U * 1024U * 1024U;

  // Reads the whole file, which must be a regular file: a FIFO, device,
  // socket or directory is refused without waiting on it. On failure returns
  // false and sets *error to the reason.
  bool Open(const std::string& path, std::string* error);
  // For tests: takes the text as the file's contents.
  void OpenText(std::string_view text);

  // Size of the file in bytes, as read.
  std::uintmax_t size() const { return size_; }
  // The file read by Open().
  const FileIdentity& identity() const { return identity_; }

  // The next record; false at the end of the file.
  bool ReadLine(std::string_view* line);
  bool at_end() const { return next_ >= text_.size(); }
  // 1-based number of the record read last (0 before the first).
  int line_number() const { return line_number_; }
  void Rewind();
  // Positions the file so that the next record read is record n (1-based).
  void SeekToLine(int n);

 private:
  void Take(std::string text);

  std::string text_;      // the file's contents, less a leading byte-order mark
  std::size_t next_ = 0;  // offset of the next record in text_
  int line_number_ = 0;
  std::uintmax_t size_ = 0;
  FileIdentity identity_;
};

}  // namespace tarvex

#endif  // TARVEX_INPUT_INPUT_FILE_HPP_
