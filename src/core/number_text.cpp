#include "core/number_text.hpp"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <version>

// The standard library's conversions where it has them for floating point,
// unless the portable path is asked for.
#if defined(__cpp_lib_to_chars) && !defined(TARVEX_PORTABLE_NUMBERS)
#define TARVEX_STD_NUMBER_TEXT 1
#endif

namespace tarvex {
namespace portable {
namespace {

// Larger texts than this (fixed forms of large values, long precisions) are
// formatted on the heap.
constexpr std::size_t kSmallText = 128;

std::to_chars_result Copy(char* first, char* last, const char* text, std::size_t n) {
  if (n > static_cast<std::size_t>(last - first)) return {last, std::errc::value_too_large};
  std::memcpy(first, text, n);
  return {first + n, std::errc()};
}

// printf's conversion `spec` ('e', 'f' or 'g') of v with `precision`, into
// first..last.
std::to_chars_result Printf(char* first, char* last, char spec, int precision, double v) {
  const char format[] = {'%', '.', '*', spec, '\0'};
  char small[kSmallText];
  const int n = std::snprintf(small, sizeof small, format, precision, v);
  if (n < 0) return {last, std::errc::value_too_large};
  const auto size = static_cast<std::size_t>(n);
  if (size < sizeof small) return Copy(first, last, small, size);
  std::string big(size + 1, '\0');
  std::snprintf(big.data(), big.size(), format, precision, v);
  return Copy(first, last, big.data(), size);
}

// "inf", "-inf", "nan" or "-nan".
std::to_chars_result NonFinite(char* first, char* last, double v) {
  char text[8];
  std::size_t n = 0;
  if (std::signbit(v)) text[n++] = '-';
  std::memcpy(text + n, std::isnan(v) ? "nan" : "inf", 3);
  return Copy(first, last, text, n + 3);
}

// The shortest decimal digits d1 d2 ... dn of a positive finite value that
// read back to it, with value ~= d1.d2...dn x 10^exponent; among several of
// that length, the one nearest the value (printf's correctly rounded digits).
struct Shortest {
  char digits[20];
  int n = 0;
  int exponent = 0;
};

// The digits and exponent of printf's "d.ddde+XX".
void ParseScientific(const char* text, Shortest* s) {
  s->n = 0;
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') s->digits[s->n++] = *p;
  }
  s->exponent = std::atoi(p + 1);
}

bool ReadsBack(const Shortest& s, double a) {
  char text[40];
  std::size_t n = 0;
  text[n++] = s.digits[0];
  text[n++] = '.';
  for (int i = 1; i < s.n; ++i) text[n++] = s.digits[i];
  std::snprintf(text + n, sizeof text - n, "e%d", s.exponent);
  return std::strtod(text, nullptr) == a;
}

// True when a is a power of two: then the doubles below it lie half as far
// away as those above, and the nearest digits of a length may read back to
// the double below while the next digits above still read back to a.
bool PowerOfTwo(double a) {
  int e = 0;
  return std::frexp(a, &e) == 0.5;
}

Shortest ShortestDigits(double a) {
  Shortest s;
  char text[40];
  for (int p = 1; p <= 17; ++p) {
    std::snprintf(text, sizeof text, "%.*e", p - 1, a);
    ParseScientific(text, &s);
    if (ReadsBack(s, a)) break;
    if (PowerOfTwo(a)) {
      // The next digits of this length above the nearest.
      Shortest up = s;
      int i = up.n - 1;
      while (i >= 0 && up.digits[i] == '9') up.digits[i--] = '0';
      if (i >= 0) {
        ++up.digits[i];
      } else {
        up.digits[0] = '1';
        ++up.exponent;
      }
      if (ReadsBack(up, a)) {
        s = up;
        break;
      }
    }
  }
  while (s.n > 1 && s.digits[s.n - 1] == '0') --s.n;  // a carry leaves zeros
  return s;
}

// d1.d2...dne+XX (d1e+XX for a single digit).
std::size_t WriteScientific(const Shortest& s, bool negative, char* out) {
  std::size_t n = 0;
  if (negative) out[n++] = '-';
  out[n++] = s.digits[0];
  if (s.n > 1) {
    out[n++] = '.';
    for (int i = 1; i < s.n; ++i) out[n++] = s.digits[i];
  }
  n += static_cast<std::size_t>(std::snprintf(out + n, 8, "e%c%02d", s.exponent < 0 ? '-' : '+',
                                              std::abs(s.exponent)));
  return n;
}

// The digits placed about the decimal point, without an exponent. An integer
// of 2^53 or more is written with all its digits, exactly, as printf's %.0f.
std::to_chars_result WriteFixed(char* first, char* last, const Shortest& s, bool negative,
                                double v) {
  if (std::fabs(v) >= 9007199254740992.0) return Printf(first, last, 'f', 0, v);
  std::string text;
  if (negative) text.push_back('-');
  if (s.exponent >= 0) {
    for (int i = 0; i <= s.exponent || i < s.n; ++i) {
      if (i == s.exponent + 1) text.push_back('.');
      text.push_back(i < s.n ? s.digits[i] : '0');
    }
  } else {
    text += "0.";
    text.append(static_cast<std::size_t>(-s.exponent - 1), '0');
    text.append(s.digits, static_cast<std::size_t>(s.n));
  }
  return Copy(first, last, text.data(), text.size());
}

// Length of the fixed form of the shortest digits (the integer digits of a
// large value are as many as its exponent says).
std::size_t FixedLength(const Shortest& s, bool negative) {
  std::size_t n = negative ? 1 : 0;
  if (s.exponent >= 0) {
    n += static_cast<std::size_t>(s.exponent + 1);
    if (s.n > s.exponent + 1) n += static_cast<std::size_t>(s.n - s.exponent);  // point, decimals
  } else {
    n += 2 + static_cast<std::size_t>(-s.exponent - 1 + s.n);
  }
  return n;
}

Shortest ZeroDigits() {
  Shortest s;
  s.digits[0] = '0';
  s.n = 1;
  s.exponent = 0;
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Matches `word` (lower case) at p, in any case.
bool Matches(const char* p, const char* last, const char* word) {
  for (; *word != '\0'; ++word, ++p) {
    if (p == last || (*p | 0x20) != *word) return false;
  }
  return true;
}

}  // namespace

std::to_chars_result ToCharsScientific(char* first, char* last, double v) {
  if (!std::isfinite(v)) return NonFinite(first, last, v);
  const Shortest s = v == 0.0 ? ZeroDigits() : ShortestDigits(std::fabs(v));
  char text[40];
  return Copy(first, last, text, WriteScientific(s, std::signbit(v), text));
}

std::to_chars_result ToChars(char* first, char* last, double v) {
  if (!std::isfinite(v)) return NonFinite(first, last, v);
  const bool negative = std::signbit(v);
  const Shortest s = v == 0.0 ? ZeroDigits() : ShortestDigits(std::fabs(v));
  char text[40];
  const std::size_t scientific = WriteScientific(s, negative, text);
  if (FixedLength(s, negative) <= scientific) return WriteFixed(first, last, s, negative, v);
  return Copy(first, last, text, scientific);
}

std::to_chars_result ToChars(char* first, char* last, double v, std::chars_format format,
                             int precision) {
  if (!std::isfinite(v)) return NonFinite(first, last, v);
  if (precision < 0) precision = 6;
  const char spec = format == std::chars_format::scientific ? 'e'
                    : format == std::chars_format::fixed    ? 'f'
                                                            : 'g';
  return Printf(first, last, spec, precision, v);
}

std::from_chars_result FromChars(const char* first, const char* last, double& v) {
  const char* p = first;
  const bool negative = p != last && *p == '-';
  if (negative) ++p;
  if (Matches(p, last, "inf")) {
    p += Matches(p, last, "infinity") ? 8 : 3;
    v = negative ? -HUGE_VAL : HUGE_VAL;
    return {p, std::errc()};
  }
  if (Matches(p, last, "nan")) {
    p += 3;
    if (p != last && *p == '(') {
      const char* q = p + 1;
      while (q != last && (IsDigit(*q) || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z') || *q == '_')) {
        ++q;
      }
      if (q != last && *q == ')') p = q + 1;
    }
    v = negative ? -std::nan("") : std::nan("");
    return {p, std::errc()};
  }
  bool digits = false;
  bool nonzero = false;
  for (; p != last && IsDigit(*p); ++p) {
    digits = true;
    nonzero = nonzero || *p != '0';
  }
  if (p != last && *p == '.') {
    ++p;
    for (; p != last && IsDigit(*p); ++p) {
      digits = true;
      nonzero = nonzero || *p != '0';
    }
  }
  if (!digits) return {first, std::errc::invalid_argument};
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && IsDigit(*q)) {
      while (q != last && IsDigit(*q)) ++q;
      p = q;
    }
  }
  const auto size = static_cast<std::size_t>(p - first);
  char small[kSmallText];
  std::string big;
  char* text = small;
  if (size >= sizeof small) {
    big.assign(size + 1, '\0');
    text = big.data();
  }
  std::memcpy(text, first, size);
  text[size] = '\0';
  const double value = std::strtod(text, nullptr);
  if (std::isinf(value) || (value == 0.0 && nonzero)) return {p, std::errc::result_out_of_range};
  v = value;
  return {p, std::errc()};
}

}  // namespace portable

#if defined(TARVEX_STD_NUMBER_TEXT)

std::to_chars_result NumberToChars(char* first, char* last, double v) {
  return std::to_chars(first, last, v);
}
std::to_chars_result NumberToCharsScientific(char* first, char* last, double v) {
  return std::to_chars(first, last, v, std::chars_format::scientific);
}
std::to_chars_result NumberToChars(char* first, char* last, double v, std::chars_format format,
                                   int precision) {
  return std::to_chars(first, last, v, format, precision);
}
std::from_chars_result NumberFromChars(const char* first, const char* last, double& v) {
  return std::from_chars(first, last, v);
}
bool PortableNumberText() { return false; }

#else

std::to_chars_result NumberToChars(char* first, char* last, double v) {
  return portable::ToChars(first, last, v);
}
std::to_chars_result NumberToCharsScientific(char* first, char* last, double v) {
  return portable::ToCharsScientific(first, last, v);
}
std::to_chars_result NumberToChars(char* first, char* last, double v, std::chars_format format,
                                   int precision) {
  return portable::ToChars(first, last, v, format, precision);
}
std::from_chars_result NumberFromChars(const char* first, const char* last, double& v) {
  return portable::FromChars(first, last, v);
}
bool PortableNumberText() { return true; }

#endif

}  // namespace tarvex
