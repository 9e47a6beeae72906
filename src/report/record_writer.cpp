#include "report/record_writer.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include "platform/platform.hpp"

namespace tarvex {
namespace {

// Room for any field the engine writes; wider fields are filled with asterisks.
constexpr int kMaxField = 400;

// A field's characters, built on the stack so that formatting allocates nothing.
struct FieldBuffer {
  std::array<char, kMaxField + 8> chars;
  int size = 0;
  std::string_view view() const { return {chars.data(), static_cast<std::size_t>(size)}; }
  void Push(char c) {
    if (size < kMaxField) chars[static_cast<std::size_t>(size++)] = c;
  }
  void Append(std::string_view s) {
    for (char c : s) Push(c);
  }
};

void Fill(FieldBuffer* out, int w, char c) {
  out->size = 0;
  for (int i = 0; i < w && i < kMaxField; ++i) out->Push(c);
}

// Right-aligns `text` in w columns, or fills the field with asterisks when it
// does not fit. w = 0 means as many columns as needed.
void Justify(std::string_view text, int w, FieldBuffer* out) {
  out->size = 0;
  const int len = static_cast<int>(text.size());
  if (w == 0) {
    out->Append(text);
  } else if (len > w) {
    Fill(out, w, '*');
  } else {
    for (int i = len; i < w; ++i) out->Push(' ');
    out->Append(text);
  }
}

// NaN and infinities in a numeric field.
bool FormatNonFinite(double v, int w, FieldBuffer* out) {
  if (std::isnan(v)) {
    Justify("NaN", w, out);
    return true;
  }
  if (std::isinf(v)) {
    const bool neg = v < 0;
    const int sign = neg ? 1 : 0;
    if (w == 0 || w >= 8 + sign) {
      Justify(neg ? "-Infinity" : "Infinity", w, out);
    } else {
      Justify(neg ? "-Inf" : "Inf", w, out);
    }
    return true;
  }
  return false;
}

// The significant digits of a positive finite value a: after a call,
// digits[0..n) with a ~= 0.d1 d2 ... dn x 10^exp10.
struct Significand {
  std::array<char, kMaxField + 40> digits;
  int n = 0;
  int exp10 = 0;
};

// Parses the output of std::to_chars in scientific form ("d.ddde+xx").
void ParseScientific(const char* first, const char* last, Significand* s) {
  s->n = 0;
  const char* p = first;
  for (; p < last && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') s->digits[static_cast<std::size_t>(s->n++)] = *p;
  }
  int e = 0;
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, e);
  s->exp10 = e + 1;
}

// Decimal exponent of a positive finite value: a = 0.d... x 10^result with d != 0.
// Eighteen significant digits never round across a power of ten for a double.
int ExactExponent(double a) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 17);
  Significand s;
  ParseScientific(buf, r.ptr, &s);
  return s.exp10;
}

// True when a (positive, finite) lies exactly halfway between two multiples of
// 10^-k, i.e. 2 a 10^k is an odd integer. With a = m 2^q (m odd) that holds
// when q + 1 + k = 0 and, for k < 0, 5^-k divides m.
bool IsExactTie(double a, int k) {
  int e = 0;
  const double frac = std::frexp(a, &e);
  auto m = static_cast<std::uint64_t>(std::ldexp(frac, 53));
  int q = e - 53;
  while ((m & 1U) == 0U) {
    m >>= 1U;
    ++q;
  }
  if (q + 1 + k != 0) return false;
  if (k >= 0) return true;
  if (-k > 27) return false;
  std::uint64_t p5 = 1;
  for (int i = 0; i < -k; ++i) p5 *= 5;
  return m % p5 == 0;
}

// Rounds a positive finite value to nsig >= 1 significant digits, halves away
// from zero.
void RoundSignificant(double a, int nsig, Significand* s) {
  char buf[kMaxField + 64];
  const int exact_exp = ExactExponent(a);
  const int k = nsig - exact_exp;  // decimals of the rounding position
  if (IsExactTie(a, k)) {
    // The value has exactly nsig + 1 significant digits, the last a 5: take
    // them as they are and round the magnitude up.
    auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, nsig);
    ParseScientific(buf, r.ptr, s);
    s->n = nsig;
    int i = nsig - 1;
    while (i >= 0 && s->digits[static_cast<std::size_t>(i)] == '9') {
      s->digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++s->digits[static_cast<std::size_t>(i)];
    } else {
      s->digits[0] = '1';
      for (int j = 1; j < nsig; ++j) s->digits[static_cast<std::size_t>(j)] = '0';
      ++s->exp10;
    }
    return;
  }
  // Otherwise correct rounding to nearest is unambiguous.
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, nsig - 1);
  ParseScientific(buf, r.ptr, s);
}

void FixedInto(double v, int w, int d, FieldBuffer* out) {
  if (w < 0 || d < 0 || w > kMaxField || d > kMaxField) {
    Fill(out, w < 0 ? 1 : w, '*');
    return;
  }
  if (FormatNonFinite(v, w, out)) return;
  const double a = std::fabs(v);
  const bool neg = std::signbit(v) && a != 0.0;
  // round(a * 10^d) as a digit string without leading zeros ("" for zero).
  char intdigits[kMaxField + 40];
  int len = 0;
  if (a != 0.0) {
    const int e = ExactExponent(a);  // a = 0.x * 10^e, so e integer digits
    if (w > 0 && e + 1 + d + (neg ? 1 : 0) > w + 1) {
      Fill(out, w, '*');
      return;
    }
    const int nsig = e + d;
    if (nsig >= 1) {
      Significand s;
      RoundSignificant(a, nsig, &s);
      const int count = s.n + (s.exp10 - e);  // one more digit after a carry
      for (int i = 0; i < count && len < kMaxField; ++i) {
        intdigits[len++] = i < s.n ? s.digits[static_cast<std::size_t>(i)] : '0';
      }
    } else if (nsig == 0) {
      // a < 10^-d: it rounds to one unit of the last place when a >= 0.5 x 10^-d.
      char buf[64];
      auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 17);
      Significand s;
      ParseScientific(buf, r.ptr, &s);
      if (s.digits[0] >= '5') intdigits[len++] = '1';
    }
  }
  FieldBuffer text;
  if (neg) text.Push('-');
  const int int_len = len - d;
  if (int_len > 0) {
    text.Append(std::string_view(intdigits, static_cast<std::size_t>(int_len)));
  } else {
    text.Push('0');
  }
  text.Push('.');
  for (int i = 0; i < d; ++i) {
    const int idx = int_len + i;
    text.Push(idx >= 0 ? intdigits[idx] : '0');
  }
  std::string_view t = text.view();
  if (w > 0 && static_cast<int>(t.size()) > w && d > 0) {
    // The zero before the decimal point is optional when the field is tight.
    const std::size_t zero = neg ? 1 : 0;
    if (int_len <= 0) {
      FieldBuffer tight;
      tight.Append(t.substr(0, zero));
      tight.Append(t.substr(zero + 1));
      Justify(tight.view(), w, out);
      return;
    }
  }
  Justify(t, w, out);
}

void ExponentInto(double v, int w, int d, FieldBuffer* out) {
  if (w < 0 || d < 1 || w > kMaxField || d > kMaxField) {
    Fill(out, w < 1 ? 1 : w, '*');
    return;
  }
  if (FormatNonFinite(v, w, out)) return;
  const double a = std::fabs(v);
  const bool neg = std::signbit(v) && a != 0.0;
  Significand s;
  int exponent = 0;
  if (a == 0.0) {
    s.n = d;
    for (int i = 0; i < d; ++i) s.digits[static_cast<std::size_t>(i)] = '0';
  } else {
    RoundSignificant(a, d, &s);
    exponent = s.exp10;
  }
  FieldBuffer text;
  if (neg) text.Push('-');
  text.Append("0.");
  text.Append(std::string_view(s.digits.data(), static_cast<std::size_t>(s.n)));
  const int ae = exponent < 0 ? -exponent : exponent;
  char exp_text[8];
  int exp_len = 0;
  if (ae <= 99) {
    exp_text[exp_len++] = 'E';
    exp_text[exp_len++] = exponent < 0 ? '-' : '+';
    exp_text[exp_len++] = static_cast<char>('0' + ae / 10);
    exp_text[exp_len++] = static_cast<char>('0' + ae % 10);
  } else if (ae <= 999) {
    exp_text[exp_len++] = exponent < 0 ? '-' : '+';
    exp_text[exp_len++] = static_cast<char>('0' + ae / 100);
    exp_text[exp_len++] = static_cast<char>('0' + ae / 10 % 10);
    exp_text[exp_len++] = static_cast<char>('0' + ae % 10);
  } else {
    Fill(out, w, '*');
    return;
  }
  text.Append(std::string_view(exp_text, static_cast<std::size_t>(exp_len)));
  std::string_view t = text.view();
  if (w > 0 && static_cast<int>(t.size()) > w) {
    const std::size_t zero = neg ? 1 : 0;
    FieldBuffer tight;
    tight.Append(t.substr(0, zero));
    tight.Append(t.substr(zero + 1));
    Justify(tight.view(), w, out);
    return;
  }
  Justify(t, w, out);
}

void IntegerInto(long long v, int w, int m, FieldBuffer* out) {
  if (w < 0 || w > kMaxField) {
    Fill(out, 1, '*');
    return;
  }
  if (m < 1) m = 1;
  if (m > kMaxField) m = kMaxField;
  const bool neg = v < 0;
  unsigned long long u =
      neg ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  char digits[32];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  FieldBuffer text;
  if (neg) text.Push('-');
  for (int i = n; i < m; ++i) text.Push('0');
  for (int i = n - 1; i >= 0; --i) text.Push(digits[i]);
  Justify(text.view(), w, out);
}

void TextInto(std::string_view s, int w, FieldBuffer* out) {
  out->size = 0;
  if (w <= 0) {
    out->Append(s.substr(0, kMaxField));
    return;
  }
  if (w > kMaxField) w = kMaxField;
  const int len = static_cast<int>(s.size());
  if (len >= w) {
    out->Append(s.substr(0, static_cast<std::size_t>(w)));
  } else {
    for (int i = len; i < w; ++i) out->Push(' ');
    out->Append(s);
  }
}

std::string ToString(const FieldBuffer& b) { return std::string(b.view()); }

}  // namespace

std::string FormatInteger(long long v, int w, int m) {
  FieldBuffer b;
  IntegerInto(v, w, m, &b);
  return ToString(b);
}

std::string FormatFixed(double v, int w, int d) {
  FieldBuffer b;
  FixedInto(v, w, d, &b);
  return ToString(b);
}

std::string FormatExponent(double v, int w, int d) {
  FieldBuffer b;
  ExponentInto(v, w, d, &b);
  return ToString(b);
}

std::string FormatText(std::string_view s, int w) {
  if (w <= 0) return std::string(s);
  FieldBuffer b;
  TextInto(s, w, &b);
  return ToString(b);
}

// ---------------------------------------------------------------------------
// Format interpretation.

// Parses a format into a flat program (groups refer to their closing node) and
// runs it against the values of one write. Lives on the stack: no allocation.
class FormatInterpreter {
 public:
  FormatInterpreter(RecordWriter* out, std::string_view format,
                    std::initializer_list<FieldValue> values)
      : out_(out), values_(values.begin()), count_(values.size()) {
    Parse(format);
  }

  void Run() {
    if (bad_) {
      out_->Put("**** bad format ****");
      return;
    }
    std::size_t start = 0;
    while (true) {
      const std::size_t used_before = next_;
      if (!Execute(start, size_)) return;
      if (next_ >= count_ || next_ == used_before) return;
      // Format reversion: the items are not used up, so a new line begins and
      // the format restarts at its last top-level group (or at its start).
      out_->EndRecord();
      start = last_top_group_;
    }
  }

  bool keep_open() const { return keep_open_; }

 private:
  enum class Op {
    kInteger,
    kFixed,
    kExponent,
    kText,
    kSkip,
    kTab,
    kTabLeft,
    kLiteral,
    kSlash,
    kDollar,
    kColon,
    kGroup,
    kGroupEnd
  };
  struct Node {
    Node() = default;
    explicit Node(Op o) : op(o) {}
    Op op = Op::kLiteral;
    int repeat = 1;
    int w = 0;
    int d = 0;
    std::string_view literal;
    std::size_t end = 0;  // for kGroup: index of its kGroupEnd
  };
  static constexpr std::size_t kMaxNodes = 96;

  bool Add(const Node& n) {
    if (size_ >= kMaxNodes) {
      bad_ = true;
      return false;
    }
    nodes_[size_++] = n;
    return true;
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  int ReadNumber(std::string_view f, std::size_t* i, int fallback) {
    if (*i >= f.size() || !IsDigit(f[*i])) return fallback;
    int v = 0;
    while (*i < f.size() && IsDigit(f[*i])) {
      v = v * 10 + (f[*i] - '0');
      if (v > 100000) bad_ = true;
      ++*i;
    }
    return v;
  }

  void Parse(std::string_view f) {
    // Strip blanks and the outer parentheses.
    while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
    while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
    if (f.size() >= 2 && f.front() == '(' && f.back() == ')') {
      f = f.substr(1, f.size() - 2);
    }
    std::size_t stack[16];
    int depth = 0;
    std::size_t i = 0;
    while (i < f.size() && !bad_) {
      const char c = f[i];
      if (c == ' ' || c == ',') {
        ++i;
        continue;
      }
      if (c == '\'' || c == '"') {
        const char q = c;
        const std::size_t begin = ++i;
        while (i < f.size()) {
          if (f[i] == q) {
            if (i + 1 < f.size() && f[i + 1] == q) {
              // A doubled quote stands for one; literal stored with both, see Put.
              i += 2;
              continue;
            }
            break;
          }
          ++i;
        }
        if (i >= f.size()) {
          bad_ = true;
          return;
        }
        Node n(Op::kLiteral);
        n.literal = f.substr(begin, i - begin);
        n.d = q;  // the quote character, to undouble
        Add(n);
        ++i;
        continue;
      }
      if (c == ')') {
        if (depth == 0) {
          bad_ = true;
          return;
        }
        const std::size_t open = stack[--depth];
        nodes_[open].end = size_;
        Add(Node(Op::kGroupEnd));
        ++i;
        continue;
      }
      if (c == '$') {
        Add(Node(Op::kDollar));
        keep_open_ = true;
        ++i;
        continue;
      }
      if (c == ':') {
        Add(Node(Op::kColon));
        ++i;
        continue;
      }
      const bool has_repeat = IsDigit(c);
      const int repeat = ReadNumber(f, &i, 1);
      if (i >= f.size()) {
        bad_ = true;
        return;
      }
      const char d = static_cast<char>(f[i] & ~0x20);  // upper case letters
      Node n(Op::kLiteral);
      n.repeat = repeat;
      if (f[i] == '(') {
        if (depth >= 16) {
          bad_ = true;
          return;
        }
        n.op = Op::kGroup;
        if (depth == 0) last_top_group_ = size_;
        stack[depth++] = size_;
        Add(n);
        ++i;
        continue;
      }
      if (f[i] == '/') {
        n.op = Op::kSlash;
        Add(n);
        ++i;
        continue;
      }
      ++i;
      switch (d) {
        case 'I':
          n.op = Op::kInteger;
          n.w = ReadNumber(f, &i, -1);
          if (n.w < 0) bad_ = true;
          if (i < f.size() && f[i] == '.') {
            ++i;
            n.d = ReadNumber(f, &i, 1);
          } else {
            n.d = 1;
          }
          break;
        case 'F':
        case 'E':
          n.op = d == 'F' ? Op::kFixed : Op::kExponent;
          n.w = ReadNumber(f, &i, -1);
          if (n.w < 0 || i >= f.size() || f[i] != '.') {
            bad_ = true;
            break;
          }
          ++i;
          n.d = ReadNumber(f, &i, -1);
          if (n.d < 0) bad_ = true;
          break;
        case 'A':
          n.op = Op::kText;
          n.w = ReadNumber(f, &i, 0);
          break;
        case 'X':
          n.op = Op::kSkip;
          n.w = repeat;
          n.repeat = 1;
          break;
        case 'T': {
          if (has_repeat) bad_ = true;
          n.op = Op::kTab;
          if (i < f.size() && (f[i] == 'L' || f[i] == 'l')) {
            n.op = Op::kTabLeft;
            ++i;
          } else if (i < f.size() && (f[i] == 'R' || f[i] == 'r')) {
            n.op = Op::kSkip;
            ++i;
          }
          n.w = ReadNumber(f, &i, -1);
          if (n.w < 0) bad_ = true;
          break;
        }
        default:
          bad_ = true;
      }
      if (!bad_) Add(n);
    }
    if (depth != 0) bad_ = true;
  }

  // Runs nodes [begin, end); returns false when the items ran out at a data
  // descriptor (the write then ends there).
  bool Execute(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      const Node& n = nodes_[i];
      if (n.op == Op::kGroup) {
        for (int r = 0; r < n.repeat; ++r) {
          if (!Execute(i + 1, n.end)) return false;
        }
        i = n.end;
        continue;
      }
      for (int r = 0; r < n.repeat; ++r) {
        if (!Step(n)) return false;
      }
    }
    return true;
  }

  bool Step(const Node& n) {
    FieldBuffer b;
    switch (n.op) {
      case Op::kInteger:
      case Op::kFixed:
      case Op::kExponent:
      case Op::kText: {
        if (next_ >= count_) return false;
        const FieldValue& v = values_[next_++];
        if (v.kind() == FieldValue::Kind::kReal && n.op != Op::kText && !std::isfinite(v.real())) {
          out_->NoteNonFinite();
        }
        Field(n, v, &b);
        out_->Put(b.view());
        return true;
      }
      case Op::kSkip:
        out_->pos_ += static_cast<std::size_t>(n.w);
        return true;
      case Op::kTab:
        out_->TabTo(n.w);
        return true;
      case Op::kTabLeft: {
        const std::size_t back = static_cast<std::size_t>(n.w);
        out_->pos_ = out_->pos_ - out_->base_ > back ? out_->pos_ - back : out_->base_;
        return true;
      }
      case Op::kLiteral:
        PutLiteral(n);
        return true;
      case Op::kSlash:
        out_->EndRecord();
        return true;
      case Op::kColon:
        return next_ < count_;
      case Op::kDollar:
      case Op::kGroup:
      case Op::kGroupEnd:
        return true;
    }
    return true;
  }

  void PutLiteral(const Node& n) {
    const char q = static_cast<char>(n.d);
    std::string_view s = n.literal;
    std::size_t from = 0;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
      if (s[i] == q && s[i + 1] == q) {
        out_->Put(s.substr(from, i + 1 - from));
        from = i + 2;
        ++i;
      }
    }
    out_->Put(s.substr(from));
  }

  static void Field(const Node& n, const FieldValue& v, FieldBuffer* b) {
    using K = FieldValue::Kind;
    switch (n.op) {
      case Op::kInteger:
        if (v.kind() == K::kInteger) {
          IntegerInto(v.integer(), n.w, n.d, b);
        } else {
          Fill(b, n.w == 0 ? 1 : n.w, '*');
        }
        return;
      case Op::kFixed:
      case Op::kExponent: {
        if (v.kind() == K::kText) {
          Fill(b, n.w == 0 ? 1 : n.w, '*');
          return;
        }
        const double x = v.kind() == K::kReal ? v.real() : static_cast<double>(v.integer());
        if (n.op == Op::kFixed) {
          FixedInto(x, n.w, n.d, b);
        } else {
          ExponentInto(x, n.w, n.d, b);
        }
        return;
      }
      case Op::kText:
        if (v.kind() == K::kText) {
          TextInto(v.text(), n.w, b);
        } else {
          Fill(b, n.w == 0 ? 1 : n.w, '*');
        }
        return;
      default:
        return;
    }
  }

  RecordWriter* out_;
  const FieldValue* values_;
  std::size_t count_;
  std::size_t next_ = 0;
  std::array<Node, kMaxNodes> nodes_;
  std::size_t size_ = 0;
  std::size_t last_top_group_ = 0;
  bool keep_open_ = false;
  bool bad_ = false;
};

// ---------------------------------------------------------------------------
// RecordWriter.

RecordWriter::~RecordWriter() { Close(); }

bool RecordWriter::Open(const std::string& path, std::string* error,
                        const std::vector<FileIdentity>& refused) {
  Close();
  write_failed_ = false;
  write_error_.clear();
  identity_ = {};
  FileIdentity id;
  bool seekable = false;
  std::string reason;
  // Opened without emptying it: the file is emptied only once it is known not
  // to be a file the run must keep.
  std::FILE* f = platform::OpenOutputFile(path, &id, &seekable, &reason);
  auto fail = [&](std::string why) {
    if (error != nullptr) *error = std::move(why);
    if (f != nullptr) std::fclose(f);
    return false;
  };
  if (f == nullptr) return fail(reason);
  for (const FileIdentity& keep : refused) {
    if (id == keep) return fail("it is the same file as another file of the run");
  }
  if (seekable && !platform::EmptyOutputFile(f)) return fail(std::strerror(errno));
  file_ = f;
  identity_ = id;
  seekable_ = seekable;
  return true;
}

void RecordWriter::WriteFailed() {
  if (!write_failed_) write_error_ = std::strerror(errno);
  write_failed_ = true;
}

bool RecordWriter::Flush() {
  if (file_ != nullptr && std::fflush(file_) != 0) WriteFailed();
  return !write_failed_;
}

bool RecordWriter::Close() {
  if (open_) EndLine();
  if (file_ != nullptr) {
    if (std::fclose(file_) != 0) WriteFailed();
    file_ = nullptr;
  }
  return !write_failed_;
}

void RecordWriter::Rewind() {
  non_finite_ = false;
  line_.clear();
  pos_ = base_ = 0;
  open_ = false;
  memory_.clear();
  if (file_ != nullptr) {
    if (std::fflush(file_) != 0) {
      WriteFailed();
    } else if (seekable_ && !platform::EmptyOutputFile(file_)) {
      WriteFailed();
    }
    // A device or pipe cannot take back what it was given; the new start
    // simply follows it.
  }
}

void RecordWriter::Write(std::string_view format, std::initializer_list<FieldValue> values) {
  base_ = open_ ? pos_ : 0;
  open_ = true;
  FormatInterpreter run(this, format, values);
  run.Run();
  if (!run.keep_open()) EndLine();
}

void RecordWriter::Text(std::string_view s) { Put(s); }

void RecordWriter::Integer(long long v, int w, int m) {
  FieldBuffer b;
  IntegerInto(v, w, m, &b);
  Text(b.view());
}

void RecordWriter::Fixed(double v, int w, int d) {
  if (!std::isfinite(v)) non_finite_ = true;
  FieldBuffer b;
  FixedInto(v, w, d, &b);
  Text(b.view());
}

void RecordWriter::Exponent(double v, int w, int d) {
  if (!std::isfinite(v)) non_finite_ = true;
  FieldBuffer b;
  ExponentInto(v, w, d, &b);
  Text(b.view());
}

void RecordWriter::Blanks(int n) {
  // Like nX: the blanks appear once something follows them on the line.
  open_ = true;
  if (n > 0) pos_ += static_cast<std::size_t>(n);
}

void RecordWriter::EndLine() { EndRecord(); }

void RecordWriter::Put(std::string_view chars) {
  open_ = true;
  if (line_.size() < pos_) line_.resize(pos_, ' ');
  const std::size_t overlap = std::min(chars.size(), line_.size() - pos_);
  line_.replace(pos_, overlap, chars.substr(0, overlap));
  line_.append(chars.substr(overlap));
  pos_ += chars.size();
}

void RecordWriter::TabTo(int column) {
  pos_ = base_ + static_cast<std::size_t>(column > 1 ? column - 1 : 0);
}

void RecordWriter::EndRecord() {
  if (file_ != nullptr) {
    const std::size_t length = line_.size();
    line_.append(platform::kLineEnd);
    if (std::fwrite(line_.data(), 1, line_.size(), file_) != line_.size()) WriteFailed();
    line_.resize(length);
  } else {
    memory_.append(line_);
    memory_.push_back('\n');
  }
  if (capture_ != nullptr) capture_->push_back(line_);
  line_.clear();
  pos_ = base_ = 0;
  open_ = false;
}

}  // namespace tarvex
