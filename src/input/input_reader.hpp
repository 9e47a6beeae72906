// Reading the records of the input data file for the section readers.
//
// Line kinds: keyword lines (compared exactly, trailing blanks ignored), text
// lines (256 characters as they stand), and free-format rows: values separated
// by blanks or commas, a slash ending the values early, text values optionally
// quoted, "r*v" standing for r copies of v; a row holding more values than are
// read has the rest ignored, one holding fewer continues on the next record.
// Every read starts a new record. Malformed input is an input error whose
// message names the line, its text and what was expected there.
#ifndef TARVEX_INPUT_INPUT_READER_HPP_
#define TARVEX_INPUT_INPUT_READER_HPP_

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "input/input_file.hpp"

namespace tarvex {

// A destination of one free-format value.
class ReadValue {
 public:
  enum class Kind { kInteger, kReal, kText };
  ReadValue(int* v) : kind_(Kind::kInteger), integer_(v) {}
  ReadValue(double* v) : kind_(Kind::kReal), real_(v) {}
  // A text value, cut to max_length characters.
  ReadValue(std::string* v, int max_length) : kind_(Kind::kText), text_(v), max_(max_length) {}

  Kind kind() const { return kind_; }
  int* integer() const { return integer_; }
  double* real() const { return real_; }
  std::string* text() const { return text_; }
  int max_length() const { return max_; }

 private:
  Kind kind_;
  int* integer_ = nullptr;
  double* real_ = nullptr;
  std::string* text_ = nullptr;
  int max_ = 0;
};

class InputReader {
 public:
  // Records longer than this are cut when read as keyword or text lines.
  static constexpr std::size_t kRecordLength = 256;

  // Reads `file` into `input`; messages name the file by the name and
  // extension of `input_path`, and errors go to `out`.
  InputReader(InputModel& input, RunOutput& out, InputFile& file, std::string_view input_path);

  InputModel& input() { return input_; }
  RunOutput& out() { return out_; }
  RecordWriter& report() { return out_.report; }
  RecordWriter& message() { return out_.message; }
  bool failed() const { return out_.failed(); }

  // One free-format read into `values`; `what` names the row for messages
  // ("the number of soil layers"). False after reporting an input error.
  bool Read(std::string_view what, std::initializer_list<ReadValue> values);
  // The same for a list of values made at run time.
  bool ReadValues(std::string_view what, std::span<const ReadValue> values);
  // A labelled line: a text label (ignored) followed by the value.
  bool ReadLabelled(std::string_view what, int* value);
  bool ReadLabelled(std::string_view what, double* value);
  // The next record as a keyword line: cut to 256 characters, trailing blanks
  // removed. False (with an input error) at the end of the file.
  bool ReadKeywordLine(std::string_view what, std::string* line);
  // The next record as a text line of 256 characters (padded with blanks).
  bool ReadTextLine(std::string_view what, std::string* line);
  // The next record unchanged, or false at the end of the file (no error).
  bool ReadRawLine(std::string_view* line);

  // A count read from the input: an input error unless min <= n <= max.
  bool CheckCount(int n, int min, int max, std::string_view what);
  // A value read from the input that `ok` says is impossible otherwise: an
  // input error naming the value, `what` it is and the `rule` it breaks
  // ("must not be negative"), about the record read last.
  bool CheckValue(bool ok, double value, std::string_view what, std::string_view rule);
  bool CheckNotNegative(double value, std::string_view what);
  bool CheckPositive(double value, std::string_view what);

  // No number of the input may exceed this in magnitude: nothing in any unit
  // system comes near it, and larger values overflow the computations.
  static constexpr double kMaxMagnitude = 1e30;
  // Nor may a value that must be positive be smaller than this: it is no
  // size, strength or stiffness in any unit system, and its products and
  // quotients underflow to zero or overflow (a modulus of 4.9e-324 once gave
  // a head deflection that was not a number).
  static constexpr double kMinPositive = 1e-30;
  static constexpr std::string_view kBelowMinPositive =
      "is below 1e-30, too small to be taken as a positive value";

  // Input error 95 (code 195) about the record read last: `problem` says what
  // is wrong, and the message shows the record; `values` are the values at
  // fault, for the error's diagnostic, which gains the file, the line and
  // the problem that its text prints.
  void Fail(std::string_view problem, std::vector<DiagnosticValue> values = {});
  // The same about record `line` (1-based), read again; for checks made
  // after the whole file is read.
  void FailAt(int line, std::string_view problem, std::vector<DiagnosticValue> values = {});
  // The same with another error of the catalogue.
  void Fail(ErrorId id, std::string_view problem, std::vector<DiagnosticValue> values = {});

  // Raises error `id` with `values` about the record read last: the error
  // names the input file, the line and its text.
  void Raise(ErrorId id, std::vector<DiagnosticValue> values);

  // 1-based number of the record read last, and its text.
  int line_number() const { return file_.line_number(); }
  // The record read last, for an error's diagnostic.
  InputLine last_record() const;
  // Name and extension of the input data file, as messages show it.
  const std::string& file_name() const { return file_name_; }
  std::string_view last_line() const { return last_line_; }

  // The line of each pile-head load case, in case order, for the checks
  // after the whole file is read.
  std::vector<int>& load_case_lines() { return load_case_lines_; }

  // The lines the last TITLE section took as its five title lines (0 before
  // any), so that a line no keyword right after them can be explained.
  void NoteTitleLines(int first, int last) {
    title_first_line_ = first;
    title_last_line_ = last;
  }
  int title_first_line() const { return title_first_line_; }
  int title_last_line() const { return title_last_line_; }

 private:
  // A free-format read that went on past its first line: the line it began
  // on, the values that line gave and the values of the read. An error on a
  // later line of the read says that a value seems missing on the first.
  struct ContinuedRead {
    int first_line = 0;
    int given = 0;
    int wanted = 0;
    std::string what;
  };

  bool Assign(const ReadValue& v, std::string_view token, bool quoted, std::string_view what,
              int position);
  // Notes the values the record read last holds beyond those read.
  void NoteIgnored(std::string values);
  void EndOfFile(std::string_view what);

  InputModel& input_;
  RunOutput& out_;
  InputFile& file_;
  std::string_view last_line_;
  std::string input_path_;
  std::string file_name_;
  std::vector<int> load_case_lines_;
  int title_first_line_ = 0;
  int title_last_line_ = 0;
  ContinuedRead continued_;  // first_line 0: the read is on its first line
};

// Parses a number of the input: an integer (optional sign and digits), or a
// real in the usual forms (1, 1., .5, 1.5e-3, 1.5D-3). False when the text is
// not such a number or the value is not finite or out of range.
bool ParseInteger(std::string_view s, int* value);
bool ParseReal(std::string_view s, double* value);

// A number as the shortest text that reads back as the same value ("-3",
// "0.25", "1e+30"), for messages about input values.
std::string ValueText(double v);

}  // namespace tarvex

#endif  // TARVEX_INPUT_INPUT_READER_HPP_
