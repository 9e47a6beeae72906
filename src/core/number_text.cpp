#include "core/number_text.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
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

// The portable path computes every digit exactly, in integers: a double is
// f 2^e with an integer f < 2^53, and a decimal is D 10^E. The C library's
// printf and strtod would do the same, but the WebAssembly build's work in
// a software long double and take a hundred times as long.

// An unsigned integer of up to kLimbs 32-bit limbs, least significant first:
// enough for every comparison of a decimal of 800 digits with a double.
class Big {
 public:
  static constexpr int kLimbs = 140;

  Big() = default;
  explicit Big(std::uint64_t v) { Set(v); }
  // Copies only the limbs in use.
  Big(const Big& o) : size_(o.size_) {
    std::memcpy(limb_, o.limb_, static_cast<std::size_t>(size_) * sizeof limb_[0]);
  }
  Big& operator=(const Big& o) {
    size_ = o.size_;
    std::memcpy(limb_, o.limb_, static_cast<std::size_t>(size_) * sizeof limb_[0]);
    return *this;
  }
  ~Big() = default;

  void Set(std::uint64_t v) {
    size_ = 0;
    while (v != 0) {
      limb_[size_++] = static_cast<std::uint32_t>(v);
      v >>= 32U;
    }
  }

  bool IsZero() const { return size_ == 0; }

  void MulSmall(std::uint32_t m) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t t = std::uint64_t{limb_[i]} * m + carry;
      limb_[i] = static_cast<std::uint32_t>(t);
      carry = t >> 32U;
    }
    Push(carry);
  }

  // Multiplies by 10^n, n >= 0.
  void MulPow10(int n) {
    static constexpr std::uint32_t kPow10[10] = {1,      10,      100,      1000,      10000,
                                                 100000, 1000000, 10000000, 100000000, 1000000000};
    for (; n >= 9; n -= 9) MulSmall(kPow10[9]);
    if (n > 0) MulSmall(kPow10[n]);
  }

  void AddSmall(std::uint32_t a) {
    std::uint64_t carry = a;
    for (int i = 0; i < size_ && carry != 0; ++i) {
      const std::uint64_t t = std::uint64_t{limb_[i]} + carry;
      limb_[i] = static_cast<std::uint32_t>(t);
      carry = t >> 32U;
    }
    Push(carry);
  }

  // Multiplies by 2^bits, bits >= 0.
  void ShiftLeft(int bits) {
    if (size_ == 0) return;
    const int words = bits / 32;
    const auto rest = static_cast<unsigned>(bits % 32);
    if (rest != 0) {
      std::uint32_t carry = 0;
      for (int i = 0; i < size_; ++i) {
        const std::uint32_t next = limb_[i] >> (32U - rest);
        limb_[i] = (limb_[i] << rest) | carry;
        carry = next;
      }
      Push(carry);
    }
    if (words > 0) {
      const int moved = std::min(size_, kLimbs - words);
      std::memmove(limb_ + words, limb_, static_cast<std::size_t>(moved) * sizeof limb_[0]);
      std::memset(limb_, 0, static_cast<std::size_t>(words) * sizeof limb_[0]);
      size_ = moved + words;
    }
  }

  void Add(const Big& o) {
    std::uint64_t carry = 0;
    const int n = std::max(size_, o.size_);
    for (int i = 0; i < n; ++i) {
      const std::uint64_t t =
          std::uint64_t{i < size_ ? limb_[i] : 0U} + (i < o.size_ ? o.limb_[i] : 0U) + carry;
      limb_[i] = static_cast<std::uint32_t>(t);
      carry = t >> 32U;
    }
    size_ = n;
    Push(carry);
  }

  // Subtracts o <= *this.
  void Sub(const Big& o) {
    std::int64_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
      std::int64_t t = std::int64_t{limb_[i]} - (i < o.size_ ? o.limb_[i] : 0U) - borrow;
      borrow = t < 0 ? 1 : 0;
      if (t < 0) t += std::int64_t{1} << 32U;
      limb_[i] = static_cast<std::uint32_t>(t);
    }
    while (size_ > 0 && limb_[size_ - 1] == 0) --size_;
  }

  friend int Compare(const Big& a, const Big& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limb_[i] != b.limb_[i]) return a.limb_[i] < b.limb_[i] ? -1 : 1;
    }
    return 0;
  }

  // Subtracts s from *this while it is not below s, and returns how often
  // (the quotient of a digit: below 10 wherever it is used).
  int DivideDigit(const Big& s) {
    int d = 0;
    while (Compare(*this, s) >= 0) {
      Sub(s);
      ++d;
    }
    return d;
  }

 private:
  void Push(std::uint64_t carry) {
    if (carry != 0 && size_ < kLimbs) limb_[size_++] = static_cast<std::uint32_t>(carry);
  }

  std::uint32_t limb_[kLimbs];  // those from size_ on are not in use
  int size_ = 0;
};

#if defined(__SIZEOF_INT128__)
// The same operations in one 128-bit integer: the algorithms below take it
// where every value they form fits, as they do for the magnitudes engineering
// values have, and Big elsewhere.
class Small {
 public:
  __extension__ using Word = unsigned __int128;
  // Values up to this many bits leave room for the sums and tenfold values
  // the algorithms form.
  static constexpr int kFitBits = 120;

  Small() = default;
  explicit Small(std::uint64_t v) : v_(v) {}
  void Set(std::uint64_t v) { v_ = v; }
  bool IsZero() const { return v_ == 0; }
  void MulSmall(std::uint32_t m) { v_ *= m; }
  void MulPow10(int n) {
    for (; n > 0; --n) v_ *= 10U;
  }
  void AddSmall(std::uint32_t a) { v_ += a; }
  void ShiftLeft(int bits) { v_ <<= static_cast<unsigned>(bits); }
  void Add(const Small& o) { v_ += o.v_; }
  void Sub(const Small& o) { v_ -= o.v_; }
  friend int Compare(const Small& a, const Small& b) {
    return a.v_ < b.v_ ? -1 : a.v_ > b.v_ ? 1 : 0;
  }
  int DivideDigit(const Small& s) {
    int d = 0;
    while (v_ >= s.v_) {
      v_ -= s.v_;
      ++d;
    }
    return d;
  }

 private:
  Word v_ = 0;
};
#define TARVEX_SMALL_NUMBERS 1

// An upper bound of the bits of 10^n, n >= 0.
int Pow10Bits(int n) { return n <= 0 ? 0 : (n * 3322 + 999) / 1000 + 1; }
#endif

// a + b compared with c; `sum` is scratch.
template <class Int>
int CompareSum(const Int& a, const Int& b, const Int& c, Int& sum) {
  sum = a;
  sum.Add(b);
  return Compare(sum, c);
}

// A positive finite double as f 2^e, f < 2^53 (a subnormal keeps its short f).
struct Binary {
  std::uint64_t f;
  int e;
};

Binary Decompose(double a) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &a, sizeof bits);
  const auto biased = static_cast<int>((bits >> 52U) & 0x7FFU);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52U) - 1U);
  if (biased == 0) return {fraction, -1074};
  return {fraction | std::uint64_t{1} << 52U, biased - 1075};
}

constexpr std::uint64_t kHidden = std::uint64_t{1} << 52U;

// Significant digits a double can have: its exact decimal expansion ends
// within 767 digits, so that digits beyond this many are zeros.
constexpr int kMaxDigits = 800;

// Decimal digits d1 d2 ... dn of a value 0.d1d2...dn x 10^k; no digits for
// zero.
struct Decimal {
  char digits[kMaxDigits + 2];
  int n = 0;
  int k = 0;

  void Push(int d) { digits[n++] = static_cast<char>('0' + d); }
  // The digit of position i (1-based), zero beyond the digits.
  char At(int i) const { return i >= 1 && i <= n ? digits[i - 1] : '0'; }
  // Position of the last digit that is not zero; 0 when there is none.
  int LastNonZero() const {
    int i = n;
    while (i > 0 && digits[i - 1] == '0') --i;
    return i;
  }
};

// An estimate of k with 10^(k-1) <= a < 10^k, never above it.
int DecimalExponentEstimate(double a) { return static_cast<int>(std::ceil(std::log10(a) - 1e-10)); }

// The shortest digits that read back to a > 0 (between the midpoints to its
// neighbours, inclusive when f is even, as a reader rounding to even takes
// them), and of those the nearest to a, an exact tie to the even digit: the
// free-format algorithm of Steele and White as Burger and Dybvig give it.
template <class Int>
void ShortestDigitsIn(double a, const Binary& b, Decimal& out) {
  const bool even = b.f % 2 == 0;
  // The double below a lies half as far away as the one above at a power of
  // two (but not at the smallest normal, whose neighbour below is subnormal).
  const bool closer_below = b.f == kHidden && b.e > -1074;
  Int r(b.f);
  Int s(1);
  Int up(1);
  Int down(1);
  Int scratch;
  if (b.e >= 0) {
    r.ShiftLeft(b.e + (closer_below ? 2 : 1));
    s.Set(closer_below ? 4 : 2);
    up.ShiftLeft(b.e + (closer_below ? 1 : 0));
    down.ShiftLeft(b.e);
  } else {
    r.ShiftLeft(closer_below ? 2 : 1);
    s.ShiftLeft(-b.e + (closer_below ? 2 : 1));
    if (closer_below) up.Set(2);
  }
  out.n = 0;
  out.k = DecimalExponentEstimate(a);
  if (out.k >= 0) {
    s.MulPow10(out.k);
  } else {
    r.MulPow10(-out.k);
    up.MulPow10(-out.k);
    down.MulPow10(-out.k);
  }
  const int high = CompareSum(r, up, s, scratch);
  if (even ? high >= 0 : high > 0) {
    ++out.k;
  } else {
    r.MulSmall(10);
    up.MulSmall(10);
    down.MulSmall(10);
  }
  for (;;) {
    const int d = r.DivideDigit(s);
    const int low_cmp = Compare(r, down);
    const bool low = even ? low_cmp <= 0 : low_cmp < 0;
    const int high_cmp = CompareSum(r, up, s, scratch);
    const bool high_ok = even ? high_cmp >= 0 : high_cmp > 0;
    if (!low && !high_ok) {
      out.Push(d);
      r.MulSmall(10);
      up.MulSmall(10);
      down.MulSmall(10);
      continue;
    }
    int last = d;
    if (low && high_ok) {
      const int c = CompareSum(r, r, s, scratch);
      last = c < 0 ? d : c > 0 ? d + 1 : d + d % 2;
    } else if (high_ok) {
      last = d + 1;
    }
    out.Push(last);
    return;
  }
}

void ShortestDigits(double a, Decimal& out) {
  const Binary b = Decompose(a);
#if defined(TARVEX_SMALL_NUMBERS)
  // The largest values are below 20 s: s and r with their powers of ten.
  const int k = DecimalExponentEstimate(a) + 1;
  const int s_bits = (b.e >= 0 ? 3 : 3 - b.e) + Pow10Bits(k);
  const int r_bits = (b.e >= 0 ? 56 + b.e : 56) + Pow10Bits(1 - k);
  if (std::max(s_bits, r_bits) + 5 <= Small::kFitBits) {
    ShortestDigitsIn<Small>(a, b, out);
    return;
  }
#endif
  ShortestDigitsIn<Big>(a, b, out);
}

// The digits of a > 0 rounded to nearest, an exact tie to the even digit: to
// `count` significant digits, or when `fixed`, to `count` digits after the
// decimal point. No digits when a rounds to zero.
template <class Int>
void RoundedDigitsIn(double a, const Binary& b, int count, bool fixed, Decimal& out) {
  Int r(b.f);
  Int s(1);
  Int scratch;
  if (b.e >= 0) {
    r.ShiftLeft(b.e);
  } else {
    s.ShiftLeft(-b.e);
  }
  out.n = 0;
  out.k = DecimalExponentEstimate(a);
  if (out.k >= 0) {
    s.MulPow10(out.k);
  } else {
    r.MulPow10(-out.k);
  }
  // Now r / s = a / 10^k; bring it into [0.1, 1).
  while (Compare(r, s) >= 0) {
    s.MulSmall(10);
    ++out.k;
  }
  for (;;) {
    scratch = r;
    scratch.MulSmall(10);
    if (Compare(scratch, s) >= 0) break;
    r = scratch;
    --out.k;
  }
  const int n = fixed ? out.k + count : count;
  if (n < 0) return;
  // Beyond kMaxDigits the digits are zeros and the rest is zero.
  for (int i = 0; i < std::min(n, kMaxDigits); ++i) {
    r.MulSmall(10);
    out.Push(r.DivideDigit(s));
  }
  // The rest r / s of a unit of the last digit decides the rounding.
  const int c = n > kMaxDigits ? -1 : CompareSum(r, r, s, scratch);
  const bool odd = out.n > 0 && (out.digits[out.n - 1] - '0') % 2 == 1;
  if (c > 0 || (c == 0 && odd)) {
    int i = out.n - 1;
    while (i >= 0 && out.digits[i] == '9') out.digits[i--] = '0';
    if (i >= 0) {
      ++out.digits[i];
    } else {
      // 0.99..9 rounded up is 0.1 x 10^(k+1): one more digit to the left.
      std::memmove(out.digits + 1, out.digits, static_cast<std::size_t>(out.n));
      out.digits[0] = '1';
      ++out.n;
      ++out.k;
      if (!fixed) --out.n;
    }
  }
  if (out.LastNonZero() == 0) out.n = 0;
}

void RoundedDigits(double a, int count, bool fixed, Decimal& out) {
  const Binary b = Decompose(a);
#if defined(TARVEX_SMALL_NUMBERS)
  // The largest values are below 10 s, s with its power of ten and one more.
  const int k = DecimalExponentEstimate(a) + 1;
  const int s_bits = (b.e >= 0 ? 1 : 1 - b.e) + Pow10Bits(k + 1);
  const int r_bits = (b.e >= 0 ? 54 + b.e : 54) + Pow10Bits(1 - k);
  if (std::max(s_bits, r_bits) + 5 <= Small::kFitBits) {
    RoundedDigitsIn<Small>(a, b, count, fixed, out);
    return;
  }
#endif
  RoundedDigitsIn<Big>(a, b, count, fixed, out);
}

// Writes characters into first..last, noting when they do not fit.
struct Out {
  char* p;
  char* last;
  bool full = false;

  void Put(char c) {
    if (p == last) {
      full = true;
    } else {
      *p++ = c;
    }
  }
  void Put(const char* text) {
    while (*text != '\0') Put(*text++);
  }
  std::to_chars_result Result() const {
    if (full) return {last, std::errc::value_too_large};
    return {p, std::errc()};
  }
};

// d1.d2...dn e+XX, with `decimals` digits after the point.
void Scientific(const Decimal& d, int decimals, bool negative, Out& out) {
  if (negative) out.Put('-');
  out.Put(d.At(1));
  if (decimals > 0) out.Put('.');
  for (int i = 2; i <= decimals + 1; ++i) out.Put(d.At(i));
  const int exponent = d.n == 0 ? 0 : d.k - 1;
  out.Put('e');
  out.Put(exponent < 0 ? '-' : '+');
  const int e = exponent < 0 ? -exponent : exponent;
  if (e >= 100) out.Put(static_cast<char>('0' + e / 100));
  out.Put(static_cast<char>('0' + e / 10 % 10));
  out.Put(static_cast<char>('0' + e % 10));
}

// The integer digits and `decimals` digits after the point.
void Fixed(const Decimal& d, int decimals, bool negative, Out& out) {
  if (negative) out.Put('-');
  if (d.n == 0 || d.k <= 0) {
    out.Put('0');
  } else {
    for (int i = 1; i <= d.k; ++i) out.Put(d.At(i));
  }
  if (decimals > 0) out.Put('.');
  for (int i = 1; i <= decimals; ++i) out.Put(d.n == 0 ? '0' : d.At(d.k + i));
}

// "inf", "-inf", "nan" or "-nan".
std::to_chars_result NonFinite(char* first, char* last, double v) {
  Out out{first, last};
  if (std::signbit(v)) out.Put('-');
  out.Put(std::isnan(v) ? "nan" : "inf");
  return out.Result();
}

void ShortestOf(double v, Decimal& d) {
  if (v == 0.0) {
    d.n = 1;
    d.digits[0] = '0';
    d.k = 1;
    return;
  }
  ShortestDigits(std::fabs(v), d);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Matches `word` (lower case) at p, in any case.
bool Matches(const char* p, const char* last, const char* word) {
  for (; *word != '\0'; ++word, ++p) {
    if (p == last || (*p | 0x20) != *word) return false;
  }
  return true;
}

// A decimal read keeps kMaxDigits significant digits: beyond them only
// whether any digit is not zero counts. The midpoints between doubles have at
// most 767 significant digits, so that 800 decide every rounding exactly.

// The decimal D 10^E compared with f 2^e (exactly). `sticky`: digits beyond
// D that are not all zero, which make the decimal larger than D 10^E.
template <class Int>
int CompareDecimalIn(const Decimal& digits, int exponent, bool sticky, std::uint64_t f, int e) {
  Int left;
  // Nine digits at a time.
  for (int i = 0; i < digits.n; i += 9) {
    std::uint32_t chunk = 0;
    std::uint32_t scale = 1;
    for (int j = i; j < std::min(i + 9, digits.n); ++j) {
      chunk = chunk * 10U + static_cast<std::uint32_t>(digits.digits[j] - '0');
      scale *= 10U;
    }
    left.MulSmall(scale);
    left.AddSmall(chunk);
  }
  Int right(f);
  if (exponent >= 0) {
    left.MulPow10(exponent);
  } else {
    right.MulPow10(-exponent);
  }
  if (e >= 0) {
    right.ShiftLeft(e);
  } else {
    left.ShiftLeft(-e);
  }
  const int c = Compare(left, right);
  return c == 0 && sticky ? 1 : c;
}

int CompareDecimal(const Decimal& digits, int exponent, bool sticky, std::uint64_t f, int e) {
#if defined(TARVEX_SMALL_NUMBERS)
  const int left_bits = Pow10Bits(digits.n) + Pow10Bits(exponent) + (e < 0 ? -e : 0);
  const int right_bits = 56 + Pow10Bits(-exponent) + (e > 0 ? e : 0);
  if (std::max(left_bits, right_bits) <= Small::kFitBits) {
    return CompareDecimalIn<Small>(digits, exponent, sticky, f, e);
  }
#endif
  return CompareDecimalIn<Big>(digits, exponent, sticky, f, e);
}

// The double nearest D 10^E (a tie to the even one): an estimate from the
// leading digits, moved a double at a time until the decimal lies between the
// midpoints to its neighbours. Infinity above the largest double's upper
// midpoint, zero below the smallest's lower one.
double NearestDouble(const Decimal& digits, int exponent, bool sticky) {
  const int n = digits.n;
  // Exact where both factors are: up to 15 digits and 10^22.
  std::uint64_t lead = 0;
  for (int i = 0; i < std::min(n, 19); ++i) {
    lead = lead * 10U + static_cast<unsigned>(digits.digits[i] - '0');
  }
  const int lead_exponent = exponent + n - std::min(n, 19);
  if (n <= 15 && !sticky && lead_exponent >= -22 && lead_exponent <= 22) {
    static constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const auto d = static_cast<double>(lead);
    return lead_exponent >= 0 ? d * kPow10[lead_exponent] : d / kPow10[-lead_exponent];
  }
  // Within a few doubles of the result: the power of ten is split so that
  // neither factor leaves the normal range before the last product.
  double x = static_cast<double>(lead);
  if (lead_exponent < -290) {
    x = x * std::pow(10.0, lead_exponent + 290) * 1e-290;
  } else {
    x *= std::pow(10.0, lead_exponent);
  }
  if (!(x > 0.0)) x = std::numeric_limits<double>::denorm_min();
  if (!std::isfinite(x)) x = std::numeric_limits<double>::max();
  for (int step = 0; step < 100; ++step) {
    const Binary b = Decompose(x);
    const bool even = b.f % 2 == 0;
    // Upper midpoint (2f + 1) 2^(e-1).
    const int above = CompareDecimal(digits, exponent, sticky, 2 * b.f + 1, b.e - 1);
    if (above > 0 || (above == 0 && !even)) {
      if (x == std::numeric_limits<double>::max()) return HUGE_VAL;
      x = std::nextafter(x, HUGE_VAL);
      continue;
    }
    // Lower midpoint (2f - 1) 2^(e-1), or (4f - 1) 2^(e-2) where the double
    // below lies closer.
    const bool closer_below = b.f == kHidden && b.e > -1074;
    const int below = closer_below ? CompareDecimal(digits, exponent, sticky, 4 * b.f - 1, b.e - 2)
                                   : CompareDecimal(digits, exponent, sticky, 2 * b.f - 1, b.e - 1);
    if (below < 0 || (below == 0 && !even)) {
      if (x == std::numeric_limits<double>::denorm_min()) return 0.0;
      x = std::nextafter(x, 0.0);
      continue;
    }
    return x;
  }
  return x;
}

}  // namespace

std::to_chars_result ToCharsScientific(char* first, char* last, double v) {
  if (!std::isfinite(v)) return NonFinite(first, last, v);
  Decimal d;
  ShortestOf(v, d);
  Out out{first, last};
  Scientific(d, d.n - 1, std::signbit(v), out);
  return out.Result();
}

std::to_chars_result ToChars(char* first, char* last, double v) {
  if (!std::isfinite(v)) return NonFinite(first, last, v);
  Decimal d;
  ShortestOf(v, d);
  const bool negative = std::signbit(v);
  // The lengths of both forms; the fixed form's integer digits are as many
  // as k says.
  const int sign = negative ? 1 : 0;
  const int exponent = d.k - 1 < 0 ? 1 - d.k : d.k - 1;
  const int scientific = sign + d.n + (d.n > 1 ? 1 : 0) + 2 + (exponent >= 100 ? 3 : 2);
  const int fixed = sign + (d.k > 0 ? std::max(d.k, d.n) + (d.n > d.k ? 1 : 0) : 2 - d.k + d.n);
  Out out{first, last};
  if (fixed > scientific) {
    Scientific(d, d.n - 1, negative, out);
  } else if (std::fabs(v) >= 9007199254740992.0) {
    // An integer of 2^53 or more, whose shortest digits stop short of its
    // units: all its digits (%.0f).
    Decimal exact;
    RoundedDigits(std::fabs(v), 0, true, exact);
    Fixed(exact, 0, negative, out);
  } else {
    Fixed(d, std::max(0, d.n - d.k), negative, out);
  }
  return out.Result();
}

std::to_chars_result ToChars(char* first, char* last, double v, std::chars_format format,
                             int precision) {
  if (!std::isfinite(v)) return NonFinite(first, last, v);
  if (precision < 0) precision = 6;
  const bool negative = std::signbit(v);
  const double a = std::fabs(v);
  Decimal d;
  Out out{first, last};
  if (format == std::chars_format::scientific) {
    if (a != 0.0) RoundedDigits(a, precision + 1, false, d);
    Scientific(d, precision, negative, out);
  } else if (format == std::chars_format::fixed) {
    if (a != 0.0) RoundedDigits(a, precision, true, d);
    Fixed(d, precision, negative, out);
  } else {
    // General: scientific when the exponent is below -4 or not below the
    // precision, else fixed; without the trailing zeros, and without the
    // point when no digit follows it.
    const int p = precision == 0 ? 1 : precision;
    if (a != 0.0) RoundedDigits(a, p, false, d);
    const int x = d.n == 0 ? 0 : d.k - 1;
    const int last_digit = d.LastNonZero();
    if (x < -4 || x >= p) {
      Scientific(d, std::max(0, last_digit - 1), negative, out);
    } else {
      Fixed(d, std::max(0, last_digit - d.k), negative, out);
    }
  }
  return out.Result();
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
      while (q != last &&
             (IsDigit(*q) || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z') || *q == '_')) {
        ++q;
      }
      if (q != last && *q == ')') p = q + 1;
    }
    v = negative ? -std::nan("") : std::nan("");
    return {p, std::errc()};
  }
  // The significant digits (leading zeros dropped) and the power of ten of
  // the last one kept.
  Decimal digits;
  bool any = false;
  bool sticky = false;
  int exponent = 0;
  bool point = false;
  for (; p != last; ++p) {
    if (*p == '.' && !point) {
      point = true;
      continue;
    }
    if (!IsDigit(*p)) break;
    any = true;
    if (digits.n == 0 && *p == '0') {
      if (point) --exponent;
      continue;
    }
    if (digits.n < kMaxDigits) {
      digits.digits[digits.n++] = *p;
      if (point) --exponent;
    } else {
      sticky = sticky || *p != '0';
      if (!point) ++exponent;
    }
  }
  if (!any) return {first, std::errc::invalid_argument};
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    const bool minus = q != last && *q == '-';
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && IsDigit(*q)) {
      int e = 0;
      for (; q != last && IsDigit(*q); ++q) e = std::min(e * 10 + (*q - '0'), 100000);
      exponent += minus ? -e : e;
      p = q;
    }
  }
  while (digits.n > 0 && digits.digits[digits.n - 1] == '0') {
    --digits.n;
    ++exponent;
  }
  if (digits.n == 0) {
    v = negative ? -0.0 : 0.0;
    return {p, std::errc()};
  }
  // Beyond the range of doubles by far: 10^(E+n-1) <= value < 10^(E+n).
  const int magnitude = exponent + digits.n;
  if (magnitude > 310 || magnitude < -330) return {p, std::errc::result_out_of_range};
  const double value = NearestDouble(digits, exponent, sticky);
  if (std::isinf(value) || value == 0.0) return {p, std::errc::result_out_of_range};
  v = negative ? -value : value;
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
