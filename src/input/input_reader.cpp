#include "input/input_reader.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "core/number_text.hpp"
#include "core/path_parts.hpp"
#include "core/visible_text.hpp"

namespace tarvex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The record as shown in messages: long records are cut (between
// characters), and characters that do not show are spelled out.
std::string Shown(std::string_view line) {
  constexpr std::size_t kShown = 100;
  std::size_t cut = std::min(line.size(), kShown);
  while (cut > 0 && cut < line.size() && (static_cast<unsigned char>(line[cut]) & 0xC0U) == 0x80U) {
    --cut;
  }
  std::string s = VisibleText(line.substr(0, cut));
  if (line.size() > cut) s += " ...";
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// One token of a free-format record.
struct Token {
  enum class Kind { kValue, kNull, kSlash };
  Kind kind = Kind::kValue;
  std::string_view text;  // quoted text without its quotes (doubled quotes kept)
  bool quoted = false;
  char quote = 0;
};

// Splits a record into tokens: values, null values (nothing between two
// commas) and a slash that ends the read.
void Tokenize(std::string_view line, std::vector<Token>* tokens) {
  tokens->clear();
  std::size_t i = 0;
  bool after_comma = false;  // a comma was the last separator
  bool at_start = true;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) return;
    const char c = line[i];
    if (c == ',') {
      if (after_comma || at_start) tokens->push_back(Token{Token::Kind::kNull, {}, false, 0});
      after_comma = true;
      at_start = false;
      ++i;
      continue;
    }
    if (c == '/') {
      tokens->push_back(Token{Token::Kind::kSlash, {}, false, 0});
      return;
    }
    Token t;
    if (c == '\'' || c == '"') {
      const std::size_t begin = ++i;
      while (i < line.size()) {
        if (line[i] == c) {
          if (i + 1 < line.size() && line[i + 1] == c) {
            i += 2;
            continue;
          }
          break;
        }
        ++i;
      }
      t.text = line.substr(begin, i - begin);
      t.quoted = true;
      t.quote = c;
      if (i < line.size()) ++i;  // closing quote
    } else {
      const std::size_t begin = i;
      while (i < line.size() && !IsBlank(line[i]) && line[i] != ',' && line[i] != '/') ++i;
      t.text = line.substr(begin, i - begin);
    }
    tokens->push_back(t);
    after_comma = false;
    at_start = false;
  }
}

std::string Undouble(std::string_view s, char quote) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    out.push_back(s[i]);
    if (quote != 0 && s[i] == quote && i + 1 < s.size() && s[i + 1] == quote) ++i;
  }
  return out;
}

// The values a read leaves over on its last record (tokens[first...]), as
// written, when they are values the line was meant to give rather than a
// comment after them: numbers with no text after them ("1 2 3" where two
// values are read), or a number joined by a comma alone to the last value
// read ("36,9" where one value is read: a decimal comma). Text after the
// values, numbers in it included ("0.5 in special"), is a comment, as the
// examples write them.
std::string LeftoverValues(std::string_view line, const std::vector<Token>& tokens,
                           std::size_t first) {
  std::string numbers;
  bool text_after = false;
  for (std::size_t k = first; k < tokens.size(); ++k) {
    const Token& t = tokens[k];
    if (t.kind == Token::Kind::kNull) continue;
    if (t.kind == Token::Kind::kSlash) break;
    std::string_view text = t.text;
    if (const std::size_t star = text.find('*'); star != std::string_view::npos) {
      text = text.substr(star + 1);  // r*v: r copies of v
    }
    double number = 0.0;
    if (t.quoted || !ParseReal(text, &number)) {
      text_after = true;
      break;
    }
    if (!numbers.empty()) numbers += ' ';
    numbers += t.text;
  }
  if (numbers.empty()) return {};
  if (!text_after) return numbers;
  // A decimal comma: the last value read, a comma and the next number with
  // nothing else between them.
  if (first == 0) return {};
  const Token& last = tokens[first - 1];
  const Token& next = tokens[first];
  if (last.kind != Token::Kind::kValue || last.quoted || next.kind != Token::Kind::kValue ||
      next.quoted) {
    return {};
  }
  const std::size_t end_of_last =
      static_cast<std::size_t>(last.text.data() - line.data()) + last.text.size();
  const std::size_t start_of_next = static_cast<std::size_t>(next.text.data() - line.data());
  if (start_of_next != end_of_last + 1 || line[end_of_last] != ',') return {};
  return std::string(next.text);
}

const char* KindName(ReadValue::Kind k) {
  switch (k) {
    case ReadValue::Kind::kInteger:
      return "an integer";
    case ReadValue::Kind::kReal:
      return "a number";
    case ReadValue::Kind::kText:
      return "a text";
  }
  return "a value";
}

}  // namespace

std::string ValueText(double v) {
  char buf[32];
  const auto r = NumberToChars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

bool ParseInteger(std::string_view s, int* value) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  long long v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
  *value = static_cast<int>(v);
  return true;
}

bool ParseReal(std::string_view s, double* value) {
  // Fortran-style exponent letters D and Q read as E; no other letters.
  char buf[128];
  if (s.empty() || s.size() >= sizeof buf) return false;
  std::size_t n = 0;
  bool digits = false;
  bool exponent = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == 'd' || c == 'D' || c == 'q' || c == 'Q' || c == 'e' || c == 'E') {
      if (exponent || !digits) return false;
      exponent = true;
      c = 'e';
    } else if (c == '+' || c == '-') {
      if (!(i == 0 || buf[n - 1] == 'e')) return false;
    } else if (c != '.') {
      return false;
    }
    buf[n++] = c;
  }
  buf[n] = '\0';
  if (!digits) return false;
  const char* begin = buf[0] == '+' ? buf + 1 : buf;
  double v = 0.0;
  const auto r = NumberFromChars(begin, buf + n, v);
  if (r.ec != std::errc() || r.ptr != buf + n || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

InputReader::InputReader(InputModel& input, RunOutput& out, InputFile& file,
                         std::string_view input_path)
    : input_(input), out_(out), file_(file), input_path_(input_path) {
  const PathParts p = SplitPath(input_path);
  file_name_ = p.name + p.extension;
}

InputLine InputReader::last_record() const {
  return {input_path_, line_number(), std::string(last_line_)};
}

bool InputReader::ReadRawLine(std::string_view* line) {
  if (!file_.ReadLine(line)) return false;
  last_line_ = *line;
  return true;
}

bool InputReader::Read(std::string_view what, std::initializer_list<ReadValue> values) {
  return ReadValues(what, std::span<const ReadValue>(values.begin(), values.size()));
}

bool InputReader::ReadValues(std::string_view what, std::span<const ReadValue> values) {
  std::vector<Token> tokens;
  const ReadValue* v = values.data();
  const ReadValue* const end = v + values.size();
  // A read that takes values from a second line is noted for the errors of
  // its later lines, and forgotten when the read ends.
  struct Forget {
    ContinuedRead& read;
    ~Forget() { read = {}; }
  } forget{continued_};
  int first_line = 0;
  while (v != end) {
    std::string_view line;
    if (!ReadRawLine(&line)) {
      EndOfFile(what);
      return false;
    }
    Tokenize(line, &tokens);
    if (!tokens.empty()) {
      if (first_line == 0) {
        first_line = line_number();
      } else if (continued_.first_line == 0) {
        continued_ = {first_line, static_cast<int>(v - values.data()),
                      static_cast<int>(values.size()), std::string(what)};
      }
    }
    for (std::size_t k = 0; k < tokens.size(); ++k) {
      const Token& t = tokens[k];
      if (v == end) {
        if (std::string ignored = LeftoverValues(line, tokens, k); !ignored.empty()) {
          NoteIgnored(std::move(ignored));
        }
        break;
      }
      if (t.kind == Token::Kind::kSlash) return true;  // the remaining values keep theirs
      if (t.kind == Token::Kind::kNull) {
        ++v;
        continue;
      }
      // r*c: r copies of c; r* alone: r null values.
      int repeat = 1;
      std::string_view text = t.text;
      if (!t.quoted) {
        const std::size_t star = text.find('*');
        if (star != std::string_view::npos && ParseInteger(text.substr(0, star), &repeat) &&
            repeat >= 1) {
          text = text.substr(star + 1);
        } else {
          repeat = 1;
        }
      }
      for (int r = 0; r < repeat && v != end; ++r, ++v) {
        if (text.empty() && !t.quoted) continue;  // "r*": null values
        const int position = static_cast<int>(v - values.data()) + 1;
        const std::string value = t.quoted ? Undouble(text, t.quote) : std::string(text);
        if (!Assign(*v, value, t.quoted, what, position)) return false;
      }
    }
  }
  return true;
}

void InputReader::NoteIgnored(std::string values) {
  input_.ignored_values.push_back(
      {file_name_, line_number(), std::string(last_line_), std::move(values)});
}

bool InputReader::Assign(const ReadValue& v, std::string_view token, bool quoted,
                         std::string_view what, int position) {
  bool ok = false;
  switch (v.kind()) {
    case ReadValue::Kind::kInteger:
      ok = !quoted && ParseInteger(token, v.integer());
      break;
    case ReadValue::Kind::kReal:
      ok = !quoted && ParseReal(token, v.real());
      if (ok && std::fabs(*v.real()) > kMaxMagnitude) {
        Fail("holds \"" + Shown(token) + "\", a number beyond " + ValueText(kMaxMagnitude) +
                 " in magnitude, which no input value may exceed (value " +
                 std::to_string(position) + " of " + std::string(what) + ")",
             {ErrorValue("value " + std::to_string(position) + " of " + std::string(what),
                         *v.real())});
        return false;
      }
      break;
    case ReadValue::Kind::kText:
      *v.text() = std::string(token.substr(0, static_cast<std::size_t>(v.max_length())));
      ok = true;
      break;
  }
  if (!ok) {
    std::string problem =
        "holds \"" + Shown(token) + "\" where " + KindName(v.kind()) + " is expected";
    problem += " (value " + std::to_string(position) + " of " + std::string(what) + ")";
    Fail(problem, {ErrorTextValue("value " + std::to_string(position) + " of " + std::string(what),
                                  Shown(token))});
  }
  return ok;
}

bool InputReader::ReadLabelled(std::string_view what, int* value) {
  std::string label;
  return Read(what, {ReadValue(&label, 16), value});
}

bool InputReader::ReadLabelled(std::string_view what, double* value) {
  std::string label;
  return Read(what, {ReadValue(&label, 16), value});
}

bool InputReader::ReadKeywordLine(std::string_view what, std::string* line) {
  std::string_view raw;
  if (!ReadRawLine(&raw)) {
    EndOfFile(what);
    return false;
  }
  *line = std::string(TrimRight(raw.substr(0, kRecordLength)));
  return true;
}

bool InputReader::ReadTextLine(std::string_view what, std::string* line) {
  std::string_view raw;
  if (!ReadRawLine(&raw)) {
    EndOfFile(what);
    return false;
  }
  // A text record is a field of 256 characters: shorter lines are padded.
  *line = std::string(raw.substr(0, kRecordLength));
  line->resize(kRecordLength, ' ');
  return true;
}

bool InputReader::CheckCount(int n, int min, int max, std::string_view what) {
  if (n >= min && n <= max) return true;
  Fail("gives " + std::to_string(n) + " as " + std::string(what) + ", which must be from " +
           std::to_string(min) + " to " + std::to_string(max),
       {ErrorValue(std::string(what), n)});
  return false;
}

bool InputReader::CheckValue(bool ok, double value, std::string_view what, std::string_view rule) {
  if (ok) return true;
  Fail("gives " + ValueText(value) + " as " + std::string(what) + ", which " + std::string(rule),
       {ErrorValue(std::string(what), value)});
  return false;
}

bool InputReader::CheckNotNegative(double value, std::string_view what) {
  return CheckValue(value >= 0.0, value, what, "must not be negative");
}

bool InputReader::CheckPositive(double value, std::string_view what) {
  return CheckValue(value > 0.0, value, what, "must be positive") &&
         CheckValue(value >= kMinPositive, value, what, kBelowMinPositive);
}

void InputReader::Fail(std::string_view problem, std::vector<DiagnosticValue> values) {
  Fail(ErrorId::kInvalidValue, problem, std::move(values));
}

void InputReader::FailAt(int line, std::string_view problem, std::vector<DiagnosticValue> values) {
  file_.SeekToLine(line);
  std::string_view record;
  ReadRawLine(&record);
  Fail(problem, std::move(values));
}

void InputReader::Fail(ErrorId id, std::string_view problem, std::vector<DiagnosticValue> values) {
  values.push_back(ErrorTextValue("input file", file_name_));
  values.push_back(ErrorValue("line", line_number()));
  values.push_back(ErrorTextValue("problem", std::string(problem)));
  values.push_back(ErrorTextValue("input line", Shown(last_line_)));
  // A row short of values takes the first values of the next line, where
  // the error then shows: the error names the line above too.
  if (continued_.first_line > 0) {
    values.push_back(ErrorValue("short line", continued_.first_line));
    values.push_back(ErrorValue("values on the short line", continued_.given));
    values.push_back(ErrorValue("values of the read", continued_.wanted));
    values.push_back(ErrorTextValue("read", continued_.what));
  }
  Raise(id, std::move(values));
}

void InputReader::EndOfFile(std::string_view what) {
  Raise(ErrorId::kIncompleteInput,
        {ErrorTextValue("expected", std::string(what)), ErrorTextValue("input file", file_name_),
         ErrorValue("line", line_number())});
}

void InputReader::Raise(ErrorId id, std::vector<DiagnosticValue> values) {
  const InputLine line = last_record();
  RaiseError(out_, id, std::move(values), &line);
}

}  // namespace tarvex
