// The portable number conversions against the standard library's, value by
// value: the WebAssembly build, whose library lacks std::to_chars and
// std::from_chars for doubles, writes and reads every number with them.
#include "core/number_text.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tarvex {
namespace {

double FromBits(std::uint64_t bits) {
  double v = 0.0;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

std::string Std(double v) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return {buf, r.ptr};
}
std::string Portable(double v) {
  char buf[400];
  const auto r = portable::ToChars(buf, buf + sizeof buf, v);
  EXPECT_EQ(r.ec, std::errc());
  return {buf, r.ptr};
}
std::string StdScientific(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  return {buf, r.ptr};
}
std::string PortableScientific(double v) {
  char buf[64];
  const auto r = portable::ToCharsScientific(buf, buf + sizeof buf, v);
  EXPECT_EQ(r.ec, std::errc());
  return {buf, r.ptr};
}

// Every shortest form of a value, both ways.
void ExpectShortestAgree(double v) {
  ASSERT_EQ(Portable(v), Std(v)) << "bits " << std::hex << [&] {
    std::uint64_t b = 0;
    std::memcpy(&b, &v, sizeof b);
    return b;
  }();
  ASSERT_EQ(PortableScientific(v), StdScientific(v));
}

// Special values, the edges of the range, the powers of two (whose doubles
// below lie closer than those above) and the powers of ten.
TEST(NumberText, ShortestFormsOfSpecialValues) {
  const double special[] = {0.0,
                            -0.0,
                            1.0,
                            -1.0,
                            0.1,
                            0.001,
                            1e-5,
                            100000.0,
                            123456789012345680000.0,
                            9007199254740992.0,
                            9007199254740993.0,
                            4503599627370495.5,
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::epsilon(),
                            5e-324,
                            1.7976931348623157e308,
                            2.2250738585072014e-308,
                            2.2250738585072009e-308};
  for (double v : special) ExpectShortestAgree(v);
  for (int e = -1074; e <= 1023; ++e) {
    ExpectShortestAgree(std::ldexp(1.0, e));
    ExpectShortestAgree(-std::ldexp(1.0, e));
    ExpectShortestAgree(std::nextafter(std::ldexp(1.0, e), 0.0));
  }
  for (int e = -323; e <= 308; ++e) ExpectShortestAgree(std::pow(10.0, e));
  char buf[16];
  EXPECT_EQ(std::string(buf, portable::ToChars(buf, buf + 16, HUGE_VAL).ptr), "inf");
  EXPECT_EQ(std::string(buf, portable::ToChars(buf, buf + 16, -HUGE_VAL).ptr), "-inf");
  EXPECT_EQ(std::string(buf, portable::ToChars(buf, buf + 16, std::nan("")).ptr), "nan");
}

// Doubles of every magnitude (random bits), and the short decimals that
// engineering values are (a few digits times a power of ten).
TEST(NumberText, ShortestFormsOfManyValues) {
  std::mt19937_64 random(20261210);
  for (int i = 0; i < 25000; ++i) {
    const double v = FromBits(random());
    if (std::isfinite(v)) ExpectShortestAgree(v);
  }
  std::uniform_int_distribution<int> digits(1, 9999999);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 25000; ++i) {
    const double v = digits(random) * std::pow(10.0, exponent(random));
    ExpectShortestAgree(v);
    ExpectShortestAgree(-v / 7.0);
  }
}

// The forms with a precision: printf's %.*e, %.*f and %.*g, as the record
// writer, the HTML page's numbers and the messages use them.
TEST(NumberText, FormsWithAPrecision) {
  std::mt19937_64 random(6028);
  std::vector<double> values = {0.0,
                                -0.0,
                                0.5,
                                1.5,
                                2.5,
                                0.125,
                                1e-300,
                                9.995,
                                99.95,
                                1e300,
                                std::numeric_limits<double>::denorm_min()};
  for (int i = 0; i < 3000; ++i) {
    const double v = FromBits(random());
    if (std::isfinite(v)) values.push_back(v);
    values.push_back(std::ldexp(static_cast<double>(random() >> 11U), -40));
  }
  for (double v : values) {
    for (const auto format :
         {std::chars_format::scientific, std::chars_format::fixed, std::chars_format::general}) {
      for (int precision : {0, 1, 2, 3, 5, 9, 10, 16, 17, 18, 25, 60}) {
        if (format == std::chars_format::fixed && std::fabs(v) > 1e60) continue;
        char a[800];
        char b[800];
        const auto ra = std::to_chars(a, a + sizeof a, v, format, precision);
        const auto rb = portable::ToChars(b, b + sizeof b, v, format, precision);
        ASSERT_EQ(std::string(b, rb.ptr), std::string(a, ra.ptr))
            << v << " format " << static_cast<int>(format) << " precision " << precision;
      }
    }
  }
  // Every digit of the exact expansion, and zeros beyond it.
  for (double v : {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                   1.0 / 3.0, 0.1, -2.5e-300}) {
    for (const auto& [format, precision] :
         {std::pair{std::chars_format::scientific, 900}, std::pair{std::chars_format::fixed, 1100},
          std::pair{std::chars_format::general, 800}}) {
      std::string a(3000, ' ');
      std::string b(3000, ' ');
      const auto ra = std::to_chars(a.data(), a.data() + a.size(), v, format, precision);
      const auto rb = portable::ToChars(b.data(), b.data() + b.size(), v, format, precision);
      ASSERT_EQ(std::string(b.data(), rb.ptr), std::string(a.data(), ra.ptr)) << v;
    }
  }
  // A text longer than its room is refused as std::to_chars refuses it.
  char small[4];
  EXPECT_EQ(portable::ToChars(small, small + 4, 123.456, std::chars_format::fixed, 3).ec,
            std::errc::value_too_large);
}

TEST(NumberText, ReadsAsFromChars) {
  const char* texts[] = {"0",
                         "-0",
                         "1",
                         "-2.5",
                         ".5",
                         "5.",
                         "1e5",
                         "1E+05",
                         "1e-05",
                         "1e",
                         "1e+",
                         "1.5e-3x",
                         "1e-310",
                         "4.9e-324",
                         "2.4e-324",
                         "2.5e-324",
                         "1e-400",
                         "1e400",
                         "0e999",
                         "1.7976931348623157e308",
                         "1.7976931348623159e308",
                         "+1",
                         "e5",
                         ".",
                         "-",
                         "  1",
                         "0x10",
                         "inf",
                         "-Infinity",
                         "INFx",
                         "nan",
                         "nan(abc)",
                         "nanx",
                         "-nan",
                         "12345678901234567890123456789",
                         "0.1000000000000000055511151231257827"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const char* end = text + std::strlen(text);
    double a = -7.0;
    double b = -7.0;
    const auto ra = std::from_chars(text, end, a);
    const auto rb = portable::FromChars(text, end, b);
    EXPECT_EQ(rb.ec, ra.ec);
    EXPECT_EQ(rb.ptr - text, ra.ptr - text);
    if (std::isnan(a)) {
      EXPECT_TRUE(std::isnan(b));
      EXPECT_EQ(std::signbit(b), std::signbit(a));
    } else {
      EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << a << " " << b;
    }
  }
  // Digit strings of every length up to 30 and every magnitude, and the
  // exact midpoints between neighbouring doubles (a tie reads as the even
  // one), read the same both ways.
  std::mt19937_64 random(77);
  std::uniform_int_distribution<int> length(1, 30);
  std::uniform_int_distribution<int> exponent(-345, 315);
  std::uniform_int_distribution<int> digit(0, 9);
  std::vector<std::string> more;
  for (int i = 0; i < 20000; ++i) {
    std::string text = std::to_string(1 + digit(random) % 9) + ".";
    const int n = length(random);
    for (int j = 1; j < n; ++j) text.push_back(static_cast<char>('0' + digit(random)));
    more.push_back(text + "e" + std::to_string(exponent(random)));
  }
  for (int i = 0; i < 3000; ++i) {
    const double v = std::fabs(FromBits(random()));
    if (!std::isfinite(v) || v == std::numeric_limits<double>::max()) continue;
    const long double mid =
        (static_cast<long double>(v) + static_cast<long double>(std::nextafter(v, HUGE_VAL))) / 2;
    char buf[1200];
    std::snprintf(buf, sizeof buf, "%.800Le", mid);
    more.push_back(buf);
  }
  for (const std::string& text : more) {
    double a = -7.0;
    double b = -7.0;
    const auto ra = std::from_chars(text.data(), text.data() + text.size(), a);
    const auto rb = portable::FromChars(text.data(), text.data() + text.size(), b);
    ASSERT_EQ(rb.ec, ra.ec) << text;
    ASSERT_EQ(rb.ptr, ra.ptr) << text;
    ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << text;
  }
  // Every shortest text reads back.
  for (int i = 0; i < 20000; ++i) {
    const double v = FromBits(random());
    if (!std::isfinite(v)) continue;
    const std::string text = Std(v);
    double back = 0.0;
    const auto r = portable::FromChars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(r.ec, std::errc()) << text;
    ASSERT_EQ(back, v) << text;
  }
}

}  // namespace
}  // namespace tarvex
