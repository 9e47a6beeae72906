// The record writer: the one place where report, plot and message lines are
// formatted. Lines are described in edit-descriptor notation:
//
//   Iw, Iw.m, I0   integer right-aligned in w columns (m digits at least; I0 minimal)
//   Fw.d, F0.d     fixed point, d decimals
//   Ew.d           exponent form 0.ddddE+nn (0.dddd+nnn beyond two exponent digits)
//   Aw, A          text in w columns (right-aligned when shorter, cut when longer); A whole
//   nX, Tc         n blanks; continue at column c (counted from where the write began)
//   '...' "..."    literal text
//   /              end of the line
//   n(...)         repeat group; a format that runs out of items restarts at its
//                  last top-level group on a new line (format reversion)
//   $              at the end: the line stays open for the next write
//
// A value too wide for its field fills the field with asterisks. Rounding is to
// nearest, halves away from zero, on the exact binary value.
#ifndef TARVEX_FORMAT_RECORD_WRITER_HPP_
#define TARVEX_FORMAT_RECORD_WRITER_HPP_

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_identity.hpp"

namespace tarvex {

class FormatCache;

// One value handed to a formatted write: an integer, a real or a text.
class FieldValue {
 public:
  enum class Kind { kInteger, kReal, kText };

  FieldValue(int v) : kind_(Kind::kInteger), integer_(v) {}
  FieldValue(long v) : kind_(Kind::kInteger), integer_(v) {}
  FieldValue(long long v) : kind_(Kind::kInteger), integer_(v) {}
  FieldValue(unsigned v) : kind_(Kind::kInteger), integer_(v) {}
  FieldValue(unsigned long v) : kind_(Kind::kInteger), integer_(static_cast<long long>(v)) {}
  FieldValue(float v) : kind_(Kind::kReal), real_(static_cast<double>(v)) {}
  FieldValue(double v) : kind_(Kind::kReal), real_(v) {}
  FieldValue(const char* v) : kind_(Kind::kText), text_(v) {}
  FieldValue(std::string_view v) : kind_(Kind::kText), text_(v) {}
  FieldValue(const std::string& v) : kind_(Kind::kText), text_(v) {}

  Kind kind() const { return kind_; }
  long long integer() const { return integer_; }
  double real() const { return real_; }
  std::string_view text() const { return text_; }

 private:
  Kind kind_;
  long long integer_ = 0;
  double real_ = 0.0;
  std::string_view text_;
};

// Field formatting without a line: each returns the characters of one field.
// Exposed for the number fields and for tests.
std::string FormatInteger(long long v, int w, int m = 0);
std::string FormatFixed(double v, int w, int d);
std::string FormatExponent(double v, int w, int d);
std::string FormatText(std::string_view s, int w);

// An output file of fixed-layout records: one line per record, no carriage
// control. Until Open() succeeds the lines are kept in memory (tests read them
// with contents()).
class RecordWriter {
 public:
  RecordWriter();
  ~RecordWriter();
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  // Creates or replaces the file. On failure returns false and sets *error to
  // the system's reason. A file that turns out to be one of `refused` once
  // open is left as it was and refused. A regular file is written under a
  // temporary name beside it and takes its name when closed, so that it is
  // never a mixture of two runs' lines; the file it replaces stays as it was
  // until then. Devices and pipes are written as they are: /dev/null takes
  // the output; a FIFO that no process reads is refused rather than waited
  // on.
  bool Open(const std::string& path, std::string* error,
            const std::vector<FileIdentity>& refused = {});
  // The file the path named when opened (zeros before Open() succeeds, and
  // for a file that did not exist yet).
  const FileIdentity& identity() const { return identity_; }
  // True for a regular file; false for a device or pipe.
  bool seekable() const { return seekable_; }
  // Writes out what is buffered; returns false when any write so far failed.
  bool Flush();
  // Ends an open line and closes the file, which then takes its name.
  // Returns false when any write failed or it could not take its name.
  bool Close();
  bool is_open() const { return file_ != nullptr; }
  // True once a line could not be written (disk full, device error).
  bool write_failed() const { return write_failed_; }
  // True once a numeric field held NaN or an infinity since the file began
  // (or was rewound): a result that no normal end may carry.
  bool wrote_non_finite() const { return non_finite_; }
  // Marks a field written as text by another field writer (the adaptive
  // field) as not finite.
  void NoteNonFinite() { non_finite_ = true; }
  // The system's reason for the first failed write.
  const std::string& write_error() const { return write_error_; }

  // A number too wide for its field, which the field shows as asterisks.
  struct FieldOverflow {
    int line = 0;          // 1-based line of the file
    std::string quantity;  // what the field holds, from the line's label or its table's heading
  };
  // The numbers too wide for their fields since the file began (or was
  // rewound), and the first few of them.
  int overflowed_fields() const { return overflowed_; }
  const std::vector<FieldOverflow>& overflows() const { return overflows_; }

  // Discards everything written so far; the next line is the first of the file.
  void Rewind();

  // One formatted write, e.g. Write("(A,T56,'= ',F12.3,1X,A)", {label, v, unit}).
  // Continues a line left open by an earlier write or field; ends the line
  // unless the format closes with '$'. Write("()") ends the open line, or
  // writes an empty line when none is open.
  void Write(std::string_view format, std::initializer_list<FieldValue> values = {});

  // Field primitives; each continues the current line and leaves it open.
  void Text(std::string_view s);
  void Integer(long long v, int w, int m = 0);
  void Fixed(double v, int w, int d);
  void Exponent(double v, int w, int d);
  void Blanks(int n);
  // Ends the current line (an empty line when nothing is open).
  void EndLine();

  // Memory mode: every line written, each ended by '\n'.
  const std::string& contents() const { return memory_; }
  // While `lines` is not null, every line ended is also appended to it (the
  // lines of an error's block); Capture(nullptr) stops.
  void Capture(std::vector<std::string>* lines) { capture_ = lines; }

 private:
  friend class FormatInterpreter;
  void Put(std::string_view chars);
  void PutAside(std::string_view chars);  // Put at a column before the line's end or beyond it
  void TabTo(int column);                 // 1-based, from where the current write began
  void EndRecord();
  void PutNumber(std::string_view field);  // Put, noting a field of asterisks
  void NoteOverflow();                     // at the end of a line that holds one
  void WriteFailed();
  void Spill();  // hands the lines kept in pending_ to the file

  std::FILE* file_ = nullptr;
  FileIdentity identity_;
  bool seekable_ = false;   // a regular file: Rewind() can take back what was written
  std::string temp_path_;   // written under this name until Close(); empty: in place
  std::string final_path_;  // the name it then takes
  // Lines not yet handed to the file: a rewind before the first spill costs
  // nothing, and the file is never emptied after being written (which makes
  // some file systems write its data out at once).
  std::string pending_;
  bool spilled_ = false;  // some lines have reached the file
  // Numbers too wide for their fields, and what names them: the line's own
  // label, or the words above the field in the last two lines of text only
  // (a table's heading).
  int lines_ = 0;                   // lines ended so far
  bool number_in_line_ = false;     // the line being built holds a number
  std::size_t number_end_ = 0;      // column after its last number before any overflow
  std::size_t overflow_at_ = 0;     // column of the line's first field of asterisks,
  std::size_t overflow_width_ = 0;  // and its width (0: none)
  std::string headings_[2];
  int last_heading_ = 0;
  int overflowed_ = 0;
  std::vector<FieldOverflow> overflows_;
  bool write_failed_ = false;
  bool non_finite_ = false;
  std::string write_error_;
  std::string memory_;
  std::string line_;           // room for the line being built: its first line_size_ chars
  std::size_t line_size_ = 0;  // the length of the line being built
  std::size_t pos_ = 0;        // next column (0-based) in line_
  std::size_t base_ = 0;       // column where the current write began
  bool open_ = false;          // a line has been started and not ended
  std::vector<std::string>* capture_ = nullptr;
  std::unique_ptr<FormatCache> formats_;  // the parsed formats, made at the first write
};

}  // namespace tarvex

#endif  // TARVEX_FORMAT_RECORD_WRITER_HPP_
