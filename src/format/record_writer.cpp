#include "format/record_writer.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "core/number_text.hpp"
#include "platform/platform.hpp"

namespace tarvex {
namespace {

// Room for any field the engine writes; wider fields are filled with asterisks.
constexpr int kMaxField = 400;

// Lines kept before they are handed to the file: more than the readers write
// before the report starts again (they write there only an error, which
// ends the run), so that the fresh start costs the file nothing.
constexpr std::size_t kSpillBytes = 16 * 1024;

// A field's characters, built on the stack so that formatting allocates nothing.
struct FieldBuffer {
  std::array<char, kMaxField + 8> chars;
  int size = 0;
  std::string_view view() const { return {chars.data(), static_cast<std::size_t>(size)}; }
  void Push(char c) {
    if (size < kMaxField) chars[static_cast<std::size_t>(size++)] = c;
  }
  void Append(std::string_view s) {
    const std::size_t n = std::min(s.size(), static_cast<std::size_t>(kMaxField - size));
    if (n == 0) return;
    std::memcpy(chars.data() + size, s.data(), n);
    size += static_cast<int>(n);
  }
  void Repeat(char c, int n) {
    n = std::min(n, kMaxField - size);
    if (n <= 0) return;
    std::memset(chars.data() + size, c, static_cast<std::size_t>(n));
    size += n;
  }
};

void Fill(FieldBuffer* out, int w, char c) {
  out->size = 0;
  out->Repeat(c, w);
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
    out->Repeat(' ', w - len);
    out->Append(text);
  }
}

// NaN and infinities in a numeric field.
bool FormatNonFinite(double v, int w, FieldBuffer* out) {
  if (std::isfinite(v)) return false;
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

// Parses a double written in scientific form ("d.ddde+xx").
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
  auto r = NumberToChars(buf, buf + sizeof buf, a, std::chars_format::scientific, 17);
  Significand s;
  ParseScientific(buf, r.ptr, &s);
  return s.exp10;
}

// A positive finite value as m 2^q with an integer m < 2^53, read from its
// bits (subnormals keep their short significand).
struct Binary {
  std::uint64_t m;
  int q;
};

Binary Decompose(double a) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &a, sizeof bits);
  const auto biased = static_cast<int>(bits >> 52U);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52U) - 1U);
  if (biased == 0) return {fraction, -1074};
  return {fraction | std::uint64_t{1} << 52U, biased - 1075};
}

// The binary exponent e of a positive finite value: 2^(e-1) <= a < 2^e.
int BinaryExponent(double a) {
  const Binary b = Decompose(a);
  return b.q + 64 - std::countl_zero(b.m);
}

// True when a (positive, finite) lies exactly halfway between two multiples of
// 10^-k, i.e. 2 a 10^k is an odd integer. With a = m 2^q (m odd) that holds
// when q + 1 + k = 0 and, for k < 0, 5^-k divides m.
bool IsExactTie(double a, int k) {
  const Binary b = Decompose(a);
  std::uint64_t m = b.m;
  int q = b.q;
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

// The decimal exponent E of a positive finite value, 10^(E-1) <= a < 10^E,
// or one less: log10(a) lies in [(e2 - 1) log10(2), e2 log10(2)) for the
// binary exponent e2, and the estimate takes the lower end, so it is never
// above the true exponent.
int DecimalExponentEstimate(double a) {
  const double t = (BinaryExponent(a) - 1) * 0.30102999566398120;
  auto f = static_cast<int>(t);
  if (static_cast<double>(f) > t) --f;  // floor of a negative t
  return f + 1;
}

// Powers of ten exact in double precision and in 64-bit integers.
constexpr int kMaxExactPower = 22;
constexpr std::array<double, kMaxExactPower + 1> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr std::array<std::uint64_t, 20> IntegerPowersOfTen() {
  std::array<std::uint64_t, 20> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10U;
  return p;
}
constexpr std::array<std::uint64_t, 20> kIntegerPowersOfTen = IntegerPowersOfTen();

// "00" to "99", for writing integers two digits at a time.
constexpr std::array<char, 200> DigitPairs() {
  std::array<char, 200> p{};
  for (std::size_t i = 0; i < 100; ++i) {
    p[2 * i] = static_cast<char>('0' + i / 10);
    p[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return p;
}
constexpr std::array<char, 200> kDigitPairs = DigitPairs();

// Four digits of v < 10^4 into out[0..4) (big-endian machines only).
[[maybe_unused]] void WriteFour(std::uint32_t v, char* out) {
  const std::size_t high = v / 100U * 2U;
  const std::size_t low = v % 100U * 2U;
  out[0] = kDigitPairs[high];
  out[1] = kDigitPairs[high + 1];
  out[2] = kDigitPairs[low];
  out[3] = kDigitPairs[low + 1];
}

// Eight digits of v < 10^8 into out[0..8). On little-endian machines all
// eight at once, one digit to a byte of a 64-bit word: the two halves of four
// digits sit in 32-bit lanes, are split into pairs in 16-bit lanes (x 10486
// >> 20 divides numbers below 10^4 by 100) and into digits in 8-bit lanes
// (x 103 >> 10 divides numbers below 100 by 10); no lane carries into the next.
void WriteEight(std::uint32_t v, char* out) {
  if constexpr (std::endian::native == std::endian::little) {
    const std::uint64_t halves = v / 10000U + (static_cast<std::uint64_t>(v % 10000U) << 32U);
    const std::uint64_t hundreds = (halves * 10486U >> 20U) & 0x0000007F0000007FULL;
    const std::uint64_t pairs = hundreds + ((halves - hundreds * 100U) << 16U);
    const std::uint64_t tens = (pairs * 103U >> 10U) & 0x000F000F000F000FULL;
    const std::uint64_t digits = tens + ((pairs - tens * 10U) << 8U);
    const std::uint64_t text = digits + 0x3030303030303030ULL;
    std::memcpy(out, &text, 8);
  } else {
    WriteFour(v / 10000U, out);
    WriteFour(v % 10000U, out + 4);
  }
}

// Copies n <= 16 chars by fixed-size moves that may overlap.
void CopyShort(char* out, const char* from, int n) {
  if (n >= 8) {
    std::memcpy(out, from, 8);
    std::memcpy(out + n - 8, from + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(out, from, 4);
    std::memcpy(out + n - 4, from + n - 4, 4);
  } else if (n > 0) {
    out[0] = from[0];
    out[n / 2] = from[n / 2];
    out[n - 1] = from[n - 1];
  }
}

void CopyChars(char* out, const char* from, int n) {
  if (n <= 16) {
    CopyShort(out, from, n);
  } else {
    std::memcpy(out, from, static_cast<std::size_t>(n));
  }
}

// n blanks into out; a short run as one fixed-size store when out has room
// for 16 chars.
void PadBlanks(char* out, int n, bool room_for_16) {
  if (room_for_16 && n <= 16) {
    std::memset(out, ' ', 16);
  } else if (n > 0) {
    std::memset(out, ' ', static_cast<std::size_t>(n));
  }
}

// The n lowest decimal digits of v into out[0..n), leading zeros included;
// v < 10^16 and n <= 16, as the short forms give them.
void WriteDigits(std::uint64_t v, int n, char* out) {
  char all[16];
  const auto low = static_cast<std::uint32_t>(v % 100000000U);
  WriteEight(low, all + 8);
  if (n > 8) WriteEight(static_cast<std::uint32_t>(v / 100000000U), all);
  CopyShort(out, all + 16 - n, n);
}

// The count of decimal digits of v > 0.
int DigitCount(std::uint64_t v) {
  int n = 1;
  while (n < 20 && v >= kIntegerPowersOfTen[static_cast<std::size_t>(n)]) ++n;
  return n;
}

// round(a 10^k) for a positive finite a, halves away from zero, from the
// product y = a 10^k formed in double precision. 10^|k| is exact for
// |k| <= 22, so y carries a single rounding and lies within y 2^-53 of the
// exact product; when the fraction of y is farther than twice that from one
// half, the exact product rounds to the same integer as y does. Returns false
// otherwise (an exact tie, or a value too near one to tell) and for products
// of 2^51 and beyond; the exact arithmetic then decides.
bool RoundScaledShort(double a, int k, std::uint64_t* result) {
  if (k > kMaxExactPower || k < -kMaxExactPower) return false;
  const double y = k >= 0 ? a * kExactPowersOfTen[static_cast<std::size_t>(k)]
                          : a / kExactPowersOfTen[static_cast<std::size_t>(-k)];
  if (!(y < 0x1p51)) return false;
  const auto whole = static_cast<std::uint64_t>(static_cast<std::int64_t>(y));
  const double frac = y - static_cast<double>(whole);
  if (std::fabs(frac - 0.5) <= y * 0x1p-52) return false;
  *result = frac > 0.5 ? whole + 1U : whole;
  return true;
}

// RoundSignificant for nsig <= 15 by RoundScaledShort, on the same steps as
// the exact form below: the decimal exponent is estimated from the binary
// one and raised until round(a 10^(nsig-E)) has nsig digits; a result of
// exactly 10^nsig is 1 followed by zeros at E + 1. Returns false when any
// step cannot be decided in double precision.
bool RoundSignificantShort(double a, int nsig, Significand* s) {
  if (nsig > 15) return false;
  int exp10 = DecimalExponentEstimate(a);
  const std::uint64_t low = kIntegerPowersOfTen[static_cast<std::size_t>(nsig - 1)];
  const std::uint64_t high = kIntegerPowersOfTen[static_cast<std::size_t>(nsig)];
  std::uint64_t r = 0;
  for (int attempt = 0;; ++attempt) {
    if (attempt == 4 || !RoundScaledShort(a, nsig - exp10, &r)) return false;
    if (r < low) {
      --exp10;
    } else if (r > high) {
      ++exp10;
    } else {
      break;
    }
  }
  s->n = nsig;
  if (r == high) {
    s->digits[0] = '1';
    std::memset(s->digits.data() + 1, '0', static_cast<std::size_t>(nsig - 1));
    s->exp10 = exp10 + 1;
    return true;
  }
  WriteDigits(r, nsig, s->digits.data());
  s->exp10 = exp10;
  return true;
}

// Exact decimal rounding in 128-bit integers: the common values of a report
// are rounded without going through text. Compilers without a 128-bit type
// (32-bit targets) take the general form for every value.
#if defined(__SIZEOF_INT128__)
__extension__ using Wide = unsigned __int128;

constexpr int kMaxWidePower = 38;

constexpr std::array<Wide, kMaxWidePower + 1> WidePowersOfTen() {
  std::array<Wide, kMaxWidePower + 1> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10U;
  return p;
}
constexpr std::array<Wide, kMaxWidePower + 1> kWidePowersOfTen = WidePowersOfTen();

int BitWidth(Wide v) {
  const auto high = static_cast<std::uint64_t>(v >> 64U);
  if (high != 0) return 128 - std::countl_zero(high);
  return 64 - std::countl_zero(static_cast<std::uint64_t>(v));
}

// round(a 10^k) for a positive finite a, halves away from zero, computed
// exactly from a = m 2^q. Returns false when the numbers do not fit in 128
// bits (the caller then takes the general form).
bool RoundScaled(double a, int k, Wide* result) {
  if (k > kMaxWidePower || k < -kMaxWidePower) return false;
  const Binary b = Decompose(a);
  std::uint64_t m = b.m;
  int q = b.q;
  const int zeros = std::countr_zero(m);
  m >>= static_cast<unsigned>(zeros);
  q += zeros;
  Wide num = m;
  Wide den = 1;
  if (k >= 0) {
    if (BitWidth(num) + BitWidth(kWidePowersOfTen[static_cast<std::size_t>(k)]) > 127) return false;
    num *= kWidePowersOfTen[static_cast<std::size_t>(k)];
  } else {
    den = kWidePowersOfTen[static_cast<std::size_t>(-k)];
  }
  if (q >= 0) {
    if (q > 127 - BitWidth(num)) return false;
    num <<= static_cast<unsigned>(q);
  } else {
    if (-q > 127 - BitWidth(den)) return false;
    den <<= static_cast<unsigned>(-q);
  }
  Wide r = 0;
  Wide rest = 0;
  if (k >= 0) {
    // den is a power of two: a shift and a mask.
    const int shift = BitWidth(den) - 1;
    r = num >> static_cast<unsigned>(shift);
    rest = num - (r << static_cast<unsigned>(shift));
  } else if ((num >> 64U) == 0 && (den >> 64U) == 0) {
    const auto n64 = static_cast<std::uint64_t>(num);
    const auto d64 = static_cast<std::uint64_t>(den);
    r = n64 / d64;
    rest = n64 % d64;
  } else {
    r = num / den;
    rest = num - r * den;
  }
  if (rest >= den - rest) ++r;  // 2 rest >= den: halves away from zero
  *result = r;
  return true;
}

// The decimal digits of v > 0 into `out`; returns their count.
int WideDigits(Wide v, char* out) {
  char reversed[48];
  int count = 0;
  if (v >> 64U == 0) {
    auto u = static_cast<std::uint64_t>(v);
    while (u != 0) {
      reversed[count++] = static_cast<char>('0' + u % 10U);
      u /= 10U;
    }
  } else {
    while (v != 0) {
      reversed[count++] = static_cast<char>('0' + static_cast<int>(v % 10U));
      v /= 10U;
    }
  }
  for (int i = 0; i < count; ++i) out[i] = reversed[count - 1 - i];
  return count;
}

// RoundSignificant in integers for nsig <= 38: the decimal exponent E with
// 10^(E-1) <= a < 10^E is estimated from the binary exponent and corrected
// until round(a 10^(nsig-E)) has nsig digits. A result of exactly 10^nsig (a
// value rounding up to the next power of ten, or an estimate one too low
// for a value within half a unit of the nsig+1-th digit above a power of ten)
// is the same rounded number either way: 1 followed by zeros at E + 1.
bool RoundSignificantExact(double a, int nsig, Significand* s) {
  if (nsig > kMaxWidePower) return false;
  int exp10 = DecimalExponentEstimate(a);
  const Wide low = kWidePowersOfTen[static_cast<std::size_t>(nsig - 1)];
  const Wide high = kWidePowersOfTen[static_cast<std::size_t>(nsig)];
  Wide r = 0;
  for (int attempt = 0;; ++attempt) {
    if (attempt == 4 || !RoundScaled(a, nsig - exp10, &r)) return false;
    if (r < low) {
      --exp10;
    } else if (r > high) {
      ++exp10;
    } else {
      break;
    }
  }
  if (r == high) {
    s->digits[0] = '1';
    for (int i = 1; i < nsig; ++i) s->digits[static_cast<std::size_t>(i)] = '0';
    s->n = nsig;
    s->exp10 = exp10 + 1;
    return true;
  }
  s->n = WideDigits(r, s->digits.data());
  s->exp10 = exp10;
  return true;
}
#else
bool RoundSignificantExact(double, int, Significand*) { return false; }
#endif

// RoundSignificant where double precision cannot decide, kept out of line so
// that the short form stays light.
[[gnu::noinline]] void RoundSignificantLong(double a, int nsig, Significand* s) {
  if (RoundSignificantExact(a, nsig, s)) return;
  char buf[kMaxField + 64];
  const int exact_exp = ExactExponent(a);
  const int k = nsig - exact_exp;  // decimals of the rounding position
  if (IsExactTie(a, k)) {
    // The value has exactly nsig + 1 significant digits, the last a 5: take
    // them as they are and round the magnitude up.
    auto r = NumberToChars(buf, buf + sizeof buf, a, std::chars_format::scientific, nsig);
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
  auto r = NumberToChars(buf, buf + sizeof buf, a, std::chars_format::scientific, nsig - 1);
  ParseScientific(buf, r.ptr, s);
}

// Rounds a positive finite value to nsig >= 1 significant digits, halves away
// from zero.
void RoundSignificant(double a, int nsig, Significand* s) {
  if (!RoundSignificantShort(a, nsig, s)) RoundSignificantLong(a, nsig, s);
}

// The digits of round(a * 10^d) without leading zeros, from the exact
// integer rounding. Results of 0 and 1 are left to the general form, which
// decides the digit of a value below one unit of the last place in its own
// way; so are numbers beyond 128 bits.
#if defined(__SIZEOF_INT128__)
bool FixedDigitsExact(double a, int d, char* digits, int* len) {
  Wide r = 0;
  if (!RoundScaled(a, d, &r) || r <= 1) return false;
  *len = WideDigits(r, digits);
  return true;
}
#else
bool FixedDigitsExact(double, int, char*, int*) { return false; }
#endif

// FixedDigitsExact by RoundScaledShort, where double precision decides.
bool FixedDigitsShort(double a, int d, char* digits, int* len) {
  std::uint64_t r = 0;
  if (!RoundScaledShort(a, d, &r) || r <= 1) return false;
  *len = DigitCount(r);
  WriteDigits(r, *len, digits);
  return true;
}

// A fixed field longer than kMaxField characters (before any cut): the
// digits of round(a 10^d), int_len of them before the point.
[[gnu::noinline]] void LongFixedField(bool neg, const char* intdigits, int int_len, int d, int w,
                                      FieldBuffer* out) {
  FieldBuffer text;
  if (neg) text.Push('-');
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

void FixedInto(double v, int w, int d, FieldBuffer* out) {
  if (w < 0 || d < 0 || w > kMaxField || d > kMaxField) {
    Fill(out, w < 0 ? 1 : w, '*');
    return;
  }
  if (!std::isfinite(v) && FormatNonFinite(v, w, out)) return;
  const double a = std::fabs(v);
  const bool neg = std::signbit(v) && a != 0.0;
  // round(a * 10^d) as a digit string without leading zeros ("" for zero).
  char intdigits[kMaxField + 40];
  int len = 0;
  if (a != 0.0 &&
      (FixedDigitsShort(a, d, intdigits, &len) || FixedDigitsExact(a, d, intdigits, &len))) {
    // Digits from the exact integer arithmetic.
  } else if (a != 0.0) {
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
      auto r = NumberToChars(buf, buf + sizeof buf, a, std::chars_format::scientific, 17);
      Significand s;
      ParseScientific(buf, r.ptr, &s);
      if (s.digits[0] >= '5') intdigits[len++] = '1';
    }
  }
  const int int_len = len - d;
  // The common field, written in place: [-]digits.digits right-aligned.
  int size = (neg ? 1 : 0) + (int_len > 0 ? int_len : 1) + 1 + d;
  const bool drop_zero = w > 0 && size > w && d > 0 && int_len <= 0;
  if (drop_zero) --size;  // the zero before the decimal point gives way
  if (size <= kMaxField) {
    if (w > 0 && size > w) {
      Fill(out, w, '*');
      return;
    }
    const int pad = w > 0 ? w - size : 0;
    char* p = out->chars.data();
    PadBlanks(p, pad, true);
    p += pad;
    if (neg) *p++ = '-';
    if (int_len > 0) {
      CopyChars(p, intdigits, int_len);
      p += int_len;
      *p++ = '.';
      CopyChars(p, intdigits + int_len, d);
    } else {
      if (!drop_zero) *p++ = '0';
      *p++ = '.';
      const int zeros = std::min(-int_len, d);
      std::memset(p, '0', static_cast<std::size_t>(zeros));
      std::memcpy(p + zeros, intdigits, static_cast<std::size_t>(d - zeros));
    }
    out->size = pad + size;
    return;
  }
  LongFixedField(neg, intdigits, int_len, d, w, out);
}

// An exponent field longer than kMaxField characters (before any cut).
[[gnu::noinline]] void LongExponentField(bool neg, std::string_view digits,
                                         std::string_view exponent, int w, FieldBuffer* out) {
  FieldBuffer text;
  if (neg) text.Push('-');
  text.Append("0.");
  text.Append(digits);
  text.Append(exponent);
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

void ExponentInto(double v, int w, int d, FieldBuffer* out) {
  if (w < 0 || d < 1 || w > kMaxField || d > kMaxField) {
    Fill(out, w < 1 ? 1 : w, '*');
    return;
  }
  if (!std::isfinite(v) && FormatNonFinite(v, w, out)) return;
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
  const int ae = exponent < 0 ? -exponent : exponent;
  const char sign = exponent < 0 ? '-' : '+';
  // E+nn, or +nnn beyond two exponent digits.
  constexpr int exp_len = 4;
  char exp_text[exp_len];
  if (ae <= 99) {
    exp_text[0] = 'E';
    exp_text[1] = sign;
  } else if (ae <= 999) {
    exp_text[0] = sign;
    exp_text[1] = static_cast<char>('0' + ae / 100);
  } else {
    Fill(out, w, '*');
    return;
  }
  const auto pair = static_cast<std::size_t>(ae % 100) * 2U;
  exp_text[2] = kDigitPairs[pair];
  exp_text[3] = kDigitPairs[pair + 1];
  // The common field, written in place: [-]0.digits and the exponent,
  // right-aligned.
  int size = (neg ? 1 : 0) + 2 + s.n + exp_len;
  const bool drop_zero = w > 0 && size > w;
  if (drop_zero) --size;  // the zero before the decimal point gives way
  if (size <= kMaxField) {
    if (w > 0 && size > w) {
      Fill(out, w, '*');
      return;
    }
    const int pad = w > 0 ? w - size : 0;
    char* p = out->chars.data();
    PadBlanks(p, pad, true);
    p += pad;
    if (neg) *p++ = '-';
    if (!drop_zero) *p++ = '0';
    *p++ = '.';
    CopyChars(p, s.digits.data(), s.n);
    std::memcpy(p + s.n, exp_text, exp_len);
    out->size = pad + size;
    return;
  }
  LongExponentField(neg, std::string_view(s.digits.data(), static_cast<std::size_t>(s.n)),
                    std::string_view(exp_text, exp_len), w, out);
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
    out->Repeat(' ', w - len);
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

// A format parsed into a flat program (groups refer to their closing node).
// The literals are views of `text`, the program's own copy of the format.
class FormatProgram {
 public:
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

  FormatProgram() = default;
  FormatProgram(const FormatProgram&) = delete;
  FormatProgram& operator=(const FormatProgram&) = delete;

  // Replaces the program by that of `format`.
  void Parse(std::string_view format) {
    text_.assign(format);
    nodes_.clear();
    last_top_group_ = 0;
    keep_open_ = false;
    bad_ = false;
    ParseText(text_);
  }
  bool Holds(std::string_view format) const { return parsed_ && text_ == format; }
  void MarkParsed() { parsed_ = true; }

  const std::vector<Node>& nodes() const { return nodes_; }
  std::size_t last_top_group() const { return last_top_group_; }
  bool keep_open() const { return keep_open_; }
  bool bad() const { return bad_; }

 private:
  bool Add(const Node& n) {
    if (nodes_.size() >= kMaxNodes) {
      bad_ = true;
      return false;
    }
    nodes_.push_back(n);
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

  void ParseText(std::string_view f) {
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
        nodes_[open].end = nodes_.size();
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
        if (depth == 0) last_top_group_ = nodes_.size();
        stack[depth++] = nodes_.size();
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

  std::string text_;
  std::vector<Node> nodes_;
  std::size_t last_top_group_ = 0;
  bool keep_open_ = false;
  bool bad_ = false;
  bool parsed_ = false;
};

// The programs of the formats a writer has met, so that a format written
// again and again (a table row) is parsed once. A format is looked up by its
// address and checked by its contents, so a format text built at run time,
// or a buffer reused for another format, is never mistaken for another. Each
// writer has its own: runs on several threads share nothing.
class FormatCache {
 public:
  const FormatProgram& Find(std::string_view format) {
    const auto address = reinterpret_cast<std::uintptr_t>(format.data());
    FormatProgram& slot = slots_[(address >> 3U ^ address >> 11U ^ format.size()) % kSlots];
    if (!slot.Holds(format)) {
      slot.Parse(format);
      slot.MarkParsed();
    }
    return slot;
  }

 private:
  static constexpr std::size_t kSlots = 128;
  std::array<FormatProgram, kSlots> slots_;
};

// Runs a format's program against the values of one write.
class FormatInterpreter {
 public:
  using Op = FormatProgram::Op;
  using Node = FormatProgram::Node;

  FormatInterpreter(RecordWriter* out, const FormatProgram& program,
                    std::initializer_list<FieldValue> values)
      : out_(out),
        values_(values.begin()),
        count_(values.size()),
        nodes_(program.nodes().data()),
        size_(program.nodes().size()),
        last_top_group_(program.last_top_group()),
        bad_(program.bad()) {}

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

 private:
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
        if (n.op == Op::kText) {
          out_->Put(b.view());
        } else {
          out_->PutNumber(b.view());
        }
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
  const Node* nodes_;
  std::size_t size_;
  std::size_t last_top_group_;
  bool bad_;
};

// ---------------------------------------------------------------------------
// RecordWriter.

RecordWriter::RecordWriter() = default;

RecordWriter::~RecordWriter() { Close(); }

bool RecordWriter::Open(const std::string& path, std::string* error,
                        const std::vector<FileIdentity>& refused) {
  Close();
  write_failed_ = false;
  write_error_.clear();
  identity_ = {};
  spilled_ = false;
  pending_.clear();
  lines_ = 0;
  overflowed_ = 0;
  overflows_.clear();
  // Opened without emptying anything: a file written in place is emptied
  // only once it is known not to be a file the run must keep.
  platform::OutputFile f;
  std::string reason;
  auto fail = [&](std::string why) {
    if (error != nullptr) *error = std::move(why);
    platform::DiscardOutputFile(&f);
    return false;
  };
  if (!platform::OpenOutputFile(path, &f, &reason)) return fail(reason);
  if (f.identity != FileIdentity{}) {
    for (const FileIdentity& keep : refused) {
      if (f.identity == keep) return fail("it is the same file as another file of the run");
    }
  }
  if (f.temp_path.empty() && f.seekable && !platform::EmptyOutputFile(f.file)) {
    return fail(std::strerror(errno));
  }
  file_ = f.file;
  identity_ = f.identity;
  seekable_ = f.seekable;
  temp_path_ = std::move(f.temp_path);
  final_path_ = std::move(f.final_path);
  pending_.reserve(kSpillBytes + 512);
  return true;
}

void RecordWriter::WriteFailed() {
  if (!write_failed_) write_error_ = std::strerror(errno);
  write_failed_ = true;
}

void RecordWriter::Spill() {
  if (pending_.empty()) return;
  if (std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) WriteFailed();
  pending_.clear();
  spilled_ = true;
}

bool RecordWriter::Flush() {
  if (file_ != nullptr) {
    Spill();
    if (std::fflush(file_) != 0) WriteFailed();
  }
  return !write_failed_;
}

bool RecordWriter::Close() {
  if (open_) EndLine();
  if (file_ != nullptr) {
    Spill();
    platform::OutputFile f{file_, identity_, seekable_, std::move(temp_path_),
                           std::move(final_path_)};
    file_ = nullptr;
    temp_path_.clear();
    final_path_.clear();
    std::string reason;
    if (!platform::CommitOutputFile(&f, &reason) && !write_failed_) {
      write_error_ = reason;
      write_failed_ = true;
    }
  }
  return !write_failed_;
}

void RecordWriter::Rewind() {
  non_finite_ = false;
  lines_ = 0;
  overflowed_ = 0;
  overflows_.clear();
  number_in_line_ = false;
  number_end_ = 0;
  overflow_width_ = 0;
  line_size_ = 0;
  pos_ = base_ = 0;
  open_ = false;
  memory_.clear();
  pending_.clear();
  if (file_ != nullptr && spilled_) {
    if (std::fflush(file_) != 0) {
      WriteFailed();
    } else if (seekable_ && !platform::EmptyOutputFile(file_)) {
      WriteFailed();
    }
    spilled_ = false;
    // A device or pipe cannot take back what it was given; the new start
    // simply follows it.
  }
}

void RecordWriter::Write(std::string_view format, std::initializer_list<FieldValue> values) {
  base_ = open_ ? pos_ : 0;
  open_ = true;
  if (formats_ == nullptr) formats_ = std::make_unique<FormatCache>();
  const FormatProgram& program = formats_->Find(format);
  FormatInterpreter run(this, program, values);
  run.Run();
  if (!program.keep_open()) EndLine();
}

void RecordWriter::Text(std::string_view s) { Put(s); }

void RecordWriter::Integer(long long v, int w, int m) {
  FieldBuffer b;
  IntegerInto(v, w, m, &b);
  PutNumber(b.view());
}

void RecordWriter::Fixed(double v, int w, int d) {
  if (!std::isfinite(v)) non_finite_ = true;
  FieldBuffer b;
  FixedInto(v, w, d, &b);
  PutNumber(b.view());
}

void RecordWriter::Exponent(double v, int w, int d) {
  if (!std::isfinite(v)) non_finite_ = true;
  FieldBuffer b;
  ExponentInto(v, w, d, &b);
  PutNumber(b.view());
}

void RecordWriter::Blanks(int n) {
  // Like nX: the blanks appear once something follows them on the line.
  open_ = true;
  if (n > 0) pos_ += static_cast<std::size_t>(n);
}

void RecordWriter::EndLine() { EndRecord(); }

void RecordWriter::Put(std::string_view chars) {
  open_ = true;
  const std::size_t n = chars.size();
  if (pos_ == line_size_ && n <= 16 && pos_ + n <= line_.size()) {
    // The usual case: a field or literal at the end of the line.
    CopyShort(line_.data() + pos_, chars.data(), static_cast<int>(n));
    pos_ += n;
    line_size_ = pos_;
    return;
  }
  PutAside(chars);
}

[[gnu::noinline]] void RecordWriter::PutAside(std::string_view chars) {
  const std::size_t end = pos_ + chars.size();
  const std::size_t need = std::max(end, line_size_) + platform::kLineEnd.size();
  if (line_.size() < need) line_.resize(std::max(need, 2 * line_.size() + 64), ' ');
  char* line = line_.data();
  if (line_size_ < pos_) std::memset(line + line_size_, ' ', pos_ - line_size_);
  if (!chars.empty()) std::memcpy(line + pos_, chars.data(), chars.size());
  pos_ = end;
  line_size_ = std::max(line_size_, end);
}

void RecordWriter::TabTo(int column) {
  pos_ = base_ + static_cast<std::size_t>(column > 1 ? column - 1 : 0);
}

void RecordWriter::PutNumber(std::string_view field) {
  number_in_line_ = true;
  if (overflow_width_ == 0) {
    // No number begins with an asterisk: such a field is one too narrow.
    if (!field.empty() && field.front() == '*') {
      overflow_at_ = pos_;
      overflow_width_ = field.size();
    } else {
      number_end_ = pos_ + field.size();
    }
  }
  Put(field);
}

namespace {

bool HasLetter(std::string_view s) {
  return std::any_of(s.begin(), s.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

std::string_view Trimmed(std::string_view s, std::string_view also = {}) {
  auto drop = [also](char c) { return c == ' ' || also.find(c) != std::string_view::npos; };
  while (!s.empty() && drop(s.front())) s.remove_prefix(1);
  while (!s.empty() && drop(s.back())) s.remove_suffix(1);
  return s;
}

// The words of a heading line over columns [from, to): the column's name,
// whole, which runs between gaps of two blanks.
std::string_view HeadingOver(std::string_view heading, std::size_t from, std::size_t to) {
  to = std::min(to, heading.size());
  while (from < to && heading[from] == ' ') ++from;
  while (to > from && heading[to - 1] == ' ') --to;
  if (from >= to) return {};
  auto gap = [heading](std::size_t i) {  // a gap of two blanks starts at i
    return i + 1 >= heading.size() || (heading[i] == ' ' && heading[i + 1] == ' ');
  };
  while (from > 0 && !(from >= 2 && gap(from - 2))) --from;
  while (to < heading.size() && !gap(to)) ++to;
  return Trimmed(heading.substr(from, to - from));
}

}  // namespace

void RecordWriter::NoteOverflow() {
  ++overflowed_;
  constexpr std::size_t kNoted = 5;
  if (overflows_.size() >= kNoted) return;
  const std::string_view line(line_.data(), line_size_);
  std::string quantity;
  // A labelled value ("Maximum bending moment  = ****"), or a plot record
  // named at its end ("Line 4 : ..."), else the heading of its table.
  const std::size_t from = std::min(number_end_, overflow_at_);
  const std::string_view label = Trimmed(line.substr(from, overflow_at_ - from), "=:-");
  const std::size_t record = line.find("Line ");
  if (HasLetter(label)) {
    quantity = std::string(label);
  } else if (record != std::string_view::npos && record >= overflow_at_) {
    quantity = "plot record " + std::string(Trimmed(line.substr(record)));
  } else {
    const std::size_t to = overflow_at_ + overflow_width_;
    for (int k = 1; k <= 2; ++k) {
      const std::string_view words =
          HeadingOver(headings_[(last_heading_ + k) % 2], overflow_at_, to);
      if (words.empty() || !HasLetter(words)) continue;
      if (!quantity.empty()) quantity += ' ';
      quantity += words;
    }
    if (quantity.empty()) quantity = "a value of a table";
  }
  overflows_.push_back({lines_, std::move(quantity)});
}

void RecordWriter::EndRecord() {
  if (file_ != nullptr) {
    const std::size_t length = line_size_ + platform::kLineEnd.size();
    if (line_.size() < length) line_.resize(length, ' ');
    std::memcpy(line_.data() + line_size_, platform::kLineEnd.data(), platform::kLineEnd.size());
    pending_.append(line_.data(), length);
    if (pending_.size() >= kSpillBytes) Spill();
  } else {
    memory_.append(line_.data(), line_size_);
    memory_.push_back('\n');
  }
  if (capture_ != nullptr) capture_->emplace_back(line_.data(), line_size_);
  ++lines_;
  if (overflow_width_ != 0) {
    NoteOverflow();
  } else if (!number_in_line_ && line_size_ > 0 &&
             HasLetter(std::string_view(line_.data(), line_size_))) {
    last_heading_ = 1 - last_heading_;
    headings_[last_heading_].assign(line_.data(), line_size_);
  }
  number_in_line_ = false;
  number_end_ = 0;
  overflow_width_ = 0;
  line_size_ = 0;
  pos_ = base_ = 0;
  open_ = false;
}

}  // namespace tarvex
