#include "format/record_writer.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace tarvex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RealCase {
  double v;
  int w;
  int d;
  const char* expected;
};

TEST(FixedField, Table) {
  const RealCase cases[] = {
      {0.0, 11, 4, "     0.0000"},
      {-0.0, 11, 4, "     0.0000"},  // negative zero prints as zero
      {123456.7, 11, 0, "    123457."},
      {-1.5, 6, 2, " -1.50"},
      {0.125, 5, 2, " 0.13"},  // an exact half rounds away from zero
      {-0.125, 6, 2, " -0.13"},
      {2.5, 3, 0, " 3."},
      {0.5, 2, 0, "1."},
      {0.4, 2, 0, "0."},
      {1.005, 6, 2, "  1.00"},  // 1.005 is held as 1.00499999...
      {0.0006, 5, 3, "0.001"},
      {0.0004, 5, 3, "0.000"},
      {-0.0004, 6, 3, "-0.000"},  // a negative value keeps its sign
      {0.5, 5, 4, ".5000"},       // the leading zero gives way when tight
      {-0.5, 6, 4, "-.5000"},
      {-0.5, 5, 4, "*****"},
      {12345.6, 6, 1, "******"},
      {99.96, 5, 1, "100.0"},  // carry into a new digit
      {99.96, 4, 1, "****"},
      {1e300, 10, 2, "**********"},
      {-12.5, 0, 3, "-12.500"},  // F0.d: as many columns as needed
      {0.05, 6, 3, " 0.050"},
      {7.0, 8, 3, "   7.000"},
      {kNaN, 8, 3, "     NaN"},
      {kInf, 8, 3, "Infinity"},
      {-kInf, 8, 3, "    -Inf"},
      {kInf, 2, 0, "**"},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(FormatFixed(c.v, c.w, c.d), c.expected) << "F" << c.w << "." << c.d << " of " << c.v;
  }
}

TEST(ExponentField, Table) {
  const RealCase cases[] = {
      {12.5, 15, 7, "  0.1250000E+02"},
      {0.0, 12, 4, "  0.0000E+00"},
      {-0.0, 12, 4, "  0.0000E+00"},
      {-3.5e-8, 11, 4, "-0.3500E-07"},
      {3.5e-8, 10, 4, "0.3500E-07"},
      {-3.5e-8, 10, 4, "-.3500E-07"},
      {-3.5e-8, 9, 4, "*********"},
      {0.99995, 12, 4, "  0.1000E+01"},  // rounding carries into the exponent
      {1.0, 12, 4, "  0.1000E+01"},
      {0.125, 10, 2, "  0.13E+00"},
      {1e100, 12, 4, "  0.1000+101"},  // three exponent digits drop the E
      {1e-100, 12, 4, "  0.1000E-99"},
      {1e-101, 12, 4, "  0.1000-100"},
      {-123456.0, 10, 3, "-0.123E+06"},
      {kNaN, 12, 4, "         NaN"},
      {-kInf, 12, 4, "   -Infinity"},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(FormatExponent(c.v, c.w, c.d), c.expected)
        << "E" << c.w << "." << c.d << " of " << c.v;
  }
}

// The exact decimal expansion of a positive double, rounded by hand, halves
// away from zero: the fixed and exponent fields must agree with it for every
// value, whichever short cut the writer takes.
std::string RoundedDigits(const std::string& exact, std::size_t keep) {
  std::string digits = exact.substr(0, keep);
  const bool up = keep < exact.size() && exact[keep] >= '5';
  if (up) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  return digits;
}

std::string ReferenceFixed(double v, int d) {
  char buf[1500];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, 1100);
  std::string text(buf, r.ptr);
  const std::size_t point = text.find('.');
  std::string all = text.substr(0, point) + text.substr(point + 1);
  std::string digits = RoundedDigits(all, point + static_cast<std::size_t>(d));
  const std::size_t int_len = digits.size() - static_cast<std::size_t>(d);
  std::string whole = digits.substr(0, int_len);
  while (whole.size() > 1 && whole[0] == '0') whole.erase(0, 1);
  return (v < 0 ? "-" : "") + whole + "." + digits.substr(int_len);
}

std::string ReferenceExponent(double v, int d) {
  char buf[1200];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 1100);
  std::string text(buf, r.ptr);
  const std::size_t e = text.find('e');
  const std::string all = text.substr(0, 1) + text.substr(2, e - 2);
  int exponent = std::stoi(text.substr(e + 1)) + 1;
  std::string digits = RoundedDigits(all, static_cast<std::size_t>(d));
  if (digits.size() > static_cast<std::size_t>(d)) {
    digits.pop_back();
    ++exponent;
  }
  const int ae = std::abs(exponent);
  std::string out = v < 0 ? "-0." : "0.";
  out.append(digits);
  if (ae > 99) {  // three exponent digits take the place of the E
    out.push_back(exponent < 0 ? '-' : '+');
    out.append(std::to_string(ae));
    return out;
  }
  out.append(exponent < 0 ? "E-" : "E+");
  out.push_back(static_cast<char>('0' + ae / 10));
  out.push_back(static_cast<char>('0' + ae % 10));
  return out;
}

// The field of w columns made from the text of the w = 0 field: right-aligned;
// when too long, without the zero before the point (if it has one and may drop
// it); asterisks when still too long.
std::string InWidth(std::string text, int w, bool may_drop_zero) {
  const auto width = static_cast<std::size_t>(w);
  const std::size_t zero = text[0] == '-' ? 1 : 0;
  if (text.size() > width && may_drop_zero && text.compare(zero, 2, "0.") == 0) {
    text.erase(zero, 1);
  }
  if (text.size() > width) return std::string(width, '*');
  return std::string(width - text.size(), ' ') + text;
}

double Parse(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// The double nearest to mantissa x 10^p.
double Scaled(const char* mantissa, int p) {
  std::string text(mantissa);
  text += 'e';
  text += std::to_string(p);
  return Parse(text);
}

TEST(FixedAndExponentFields, AgreeWithTheExactDecimalExpansion) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> decade(-12, 14);
  std::uniform_int_distribution<int> decimals(0, 12);
  std::uniform_int_distribution<std::uint64_t> bits(0, (1ULL << 52) - 1);
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    values.push_back(mantissa(random) * std::pow(10.0, decade(random)) * (i % 2 == 0 ? 1 : -1));
  }
  // Exact halves and the doubles beside them, powers of ten and the doubles
  // beside them, values that round up across a power of ten.
  for (double base : {0.125, 2.5, 0.5, 1.5, 1e-3, 0.1, 1.0, 10.0, 1e5, 1e10, 9.9999995, 0.99995,
                      1.00005, 123.4565, 3.0517578125e-5}) {
    values.push_back(base);
    values.push_back(std::nextafter(base, 0.0));
    values.push_back(std::nextafter(base, 1e300));
  }
  for (int i = 0; i < 2000; ++i) {  // random significands with few bits: many exact halves
    const double m = static_cast<double>(bits(random) >> 40);
    values.push_back(std::ldexp(m + 1.0, decade(random) - 10));
  }
  for (const double v : values) {
    for (int d = 0; d <= 12; d += 1 + decimals(random) % 3) {
      ASSERT_EQ(FormatFixed(v, 0, d), ReferenceFixed(v, d)) << "F0." << d << " of " << v;
      if (d >= 1 && d <= 16) {
        ASSERT_EQ(FormatExponent(v, 0, d), ReferenceExponent(v, d)) << "E0." << d << " of " << v;
      }
    }
  }

  // Where a value is rounded in double precision, the edges of that short cut:
  // the doubles at and beside powers of ten (the decimal exponent changes and
  // the estimate from the binary one is one short), values that round up to
  // the next power at each digit count, exact halves of both signs of k
  // (12.5 to two digits, 125e15 to two), the products near 2^51, subnormals
  // and the largest doubles. Every digit count on both sides of the short
  // cut's limits, and every width from asterisks to blanks.
  std::vector<double> edges;
  auto with_neighbours = [&edges](double x) {
    edges.push_back(x);
    edges.push_back(std::nextafter(x, 0.0));
    edges.push_back(std::nextafter(x, kInf));
  };
  for (int p = -30; p <= 30; ++p) {
    with_neighbours(Scaled("1", p));
    for (const char* m : {"2.5", "1.25", "4.5", "3.75"}) edges.push_back(Scaled(m, p));
  }
  for (std::string nines = "0.95"; nines.size() <= 20; nines.insert(2, "9")) {
    with_neighbours(Parse(nines));
  }
  for (int j = 1; j <= 40; j += 3) {
    edges.push_back(std::ldexp(1.0, -j));
    edges.push_back(std::ldexp(3.0, -j) + 7.0);
  }
  for (const double x : {0x1p51, 0x1p51 - 0.5, 0x1p50 + 0.5, 0x1p52, 0x1p53, 0x1p63}) {
    with_neighbours(x);
  }
  with_neighbours(std::numeric_limits<double>::denorm_min());
  with_neighbours(std::numeric_limits<double>::min());
  with_neighbours(Parse("1e-320"));
  with_neighbours(std::numeric_limits<double>::max());
  with_neighbours(1e308);
  for (const double x : edges) {
    // Zero (below the least subnormal) and infinity (above the largest double)
    // have their own rows in the tables above.
    if (x == 0.0 || std::isinf(x)) continue;
    for (const double v : {x, -x}) {
      for (int d = 0; d <= 24; ++d) {
        const std::string fixed = ReferenceFixed(v, d);
        ASSERT_EQ(FormatFixed(v, 0, d), fixed) << "F0." << d << " of " << v;
        if (fixed.size() < 40) {
          for (int w = 1; w <= static_cast<int>(fixed.size()) + 2; ++w) {
            ASSERT_EQ(FormatFixed(v, w, d), InWidth(fixed, w, d > 0))
                << "F" << w << "." << d << " of " << v;
          }
        }
        if (d == 0) continue;
        const std::string exponent = ReferenceExponent(v, d);
        for (int w = 0; w <= static_cast<int>(exponent.size()) + 2; ++w) {
          ASSERT_EQ(FormatExponent(v, w, d), w == 0 ? exponent : InWidth(exponent, w, true))
              << "E" << w << "." << d << " of " << v;
        }
      }
    }
  }
}

TEST(IntegerAndTextFields, Table) {
  EXPECT_EQ(FormatInteger(5, 5), "    5");
  EXPECT_EQ(FormatInteger(-42, 3), "-42");
  EXPECT_EQ(FormatInteger(-420, 3), "***");
  EXPECT_EQ(FormatInteger(123456, 5), "*****");
  EXPECT_EQ(FormatInteger(0, 0), "0");
  EXPECT_EQ(FormatInteger(7, 2, 2), "07");
  EXPECT_EQ(FormatInteger(-7, 4, 3), "-007");
  EXPECT_EQ(FormatInteger(std::numeric_limits<long long>::min(), 0), "-9223372036854775808");
  EXPECT_EQ(FormatText("abc", 5), "  abc");  // short text is right-aligned
  EXPECT_EQ(FormatText("abcdef", 3), "abc");
  EXPECT_EQ(FormatText("x", 0), "x");
}

std::string Written(std::string_view format, std::initializer_list<FieldValue> values) {
  RecordWriter out;
  out.Write(format, values);
  return out.contents();
}

TEST(FormattedWrite, DescriptorsAndPositioning) {
  EXPECT_EQ(Written("(A,T20,'= ',F8.3,1X,A)", {"Label", 1.5, "in "}),
            "Label              =    1.500 in \n");
  EXPECT_EQ(Written("(4I5,60X,A)", {2, 1, 0, 0, "Line 1 : ICOM, IUNITS, KYL, KXX"}),
            "    2    1    0    0" + std::string(60, ' ') + "Line 1 : ICOM, IUNITS, KYL, KXX\n");
  EXPECT_EQ(Written("(I5,75X)", {0}), "    0\n");  // positioning alone writes no blanks
  EXPECT_EQ(Written("('it''s',1X,\"say \"\"hi\"\"\")", {}), "it's say \"hi\"\n");
  EXPECT_EQ(Written("('abcdef',TL2,'X')", {}), "abcdXf\n");
  EXPECT_EQ(Written("('abcdef',T2,'Z')", {}), "aZcdef\n");
  EXPECT_EQ(Written("('a'/'b')", {}), "a\nb\n");
  EXPECT_EQ(Written("('x',2/,'y')", {}), "x\n\ny\n");
  EXPECT_EQ(Written("(A,/)", {"end"}), "end\n\n");
  EXPECT_EQ(Written("()", {}), "\n");
  EXPECT_EQ(Written("(I2.2,':',I2.2)", {7, 5}), "07:05\n");
  EXPECT_EQ(Written("(A4,A)", {"ab", "cdefgh"}), "  abcdefgh\n");
}

TEST(FormattedWrite, RepeatGroupsAndReversion) {
  EXPECT_EQ(Written("(3(I2,','))", {1, 2, 3}), " 1, 2, 3,\n");
  EXPECT_EQ(Written("(3F6.2)", {1.0, 2.0, 3.0}), "  1.00  2.00  3.00\n");
  // Items left over start a new line at the format's start...
  EXPECT_EQ(Written("('L',2I3)", {1, 2, 3, 4}), "L  1  2\nL  3  4\n");
  // ...or at its last top-level group.
  EXPECT_EQ(Written("('head',2(1X,I1))", {1, 2, 3, 4}), "head 1 2\n 3 4\n");
  // Items used up: the write ends at the next data descriptor.
  EXPECT_EQ(Written("('a',I3,'b',I3,'c')", {1}), "a  1b\n");
  EXPECT_EQ(Written("('a',I3,:,'b')", {1}), "a  1\n");
}

TEST(FormattedWrite, MismatchedValuesAndBadFormatsAreVisible) {
  EXPECT_EQ(Written("(I5)", {1.5}), "*****\n");
  EXPECT_EQ(Written("(F5.1)", {"text"}), "*****\n");
  EXPECT_EQ(Written("(F5.1)", {3}), "  3.0\n");  // an integer is written as its real value
  EXPECT_EQ(Written("(Q5)", {1}), "**** bad format ****\n");
  EXPECT_EQ(Written("((I5)", {1}), "**** bad format ****\n");
}

TEST(FormattedWrite, ContinuationKeepsTheLineOpenAndTabsCountFromTheWrite) {
  RecordWriter out;
  out.Write("('abc',$)");
  out.Write("(T3,'X',$)");  // column 3 of this write: two blanks after "abc"
  out.Text("!");
  out.Integer(42, 4);
  out.Blanks(2);
  out.Fixed(1.25, 5, 2);
  out.EndLine();
  out.EndLine();  // nothing open: an empty line
  out.Write("('next')");
  EXPECT_EQ(out.contents(), "abc  X!  42   1.25\n\nnext\n");
}

TEST(RecordWriter, RewindDiscardsEverythingWritten) {
  RecordWriter out;
  out.Write("('first')");
  out.Write("('partial',$)");
  out.Rewind();
  out.Write("('again')");
  EXPECT_EQ(out.contents(), "again\n");
}

TEST(RecordWriter, CapturesTheLinesEndedWhileAsked) {
  RecordWriter out;
  out.Write("('before')");
  std::vector<std::string> lines;
  out.Write("('open ',$)");
  out.Capture(&lines);
  out.Write("(I0/)", {7});  // ends the open line, then an empty one
  out.Fixed(1.5, 5, 1);
  out.EndLine();
  out.Capture(nullptr);
  out.Write("('after')");
  EXPECT_EQ(lines, (std::vector<std::string>{"open 7", "", "  1.5"}));
  EXPECT_EQ(out.contents(), "before\nopen 7\n\n  1.5\nafter\n");
}

TEST(RecordWriter, NamesTheQuantityOfEveryNumberTooWideForItsField) {
  RecordWriter out;
  out.Write("(A,T40,'= ',F12.3,' in')", {"Maximum allowable deflection", 1e20});
  out.Write("(A,T40,'= ',F12.3,' in')", {"Pile-head deflection", 0.25});  // fits
  out.Write("('  Depth      Deflection     Moment')");
  out.Write("('   in            in         in-lb')");
  out.Write("('-------    ----------   ----------')");
  out.Write("(F7.2,F14.4,E13.4)", {12.0, 1e12, 1e300});  // one F field too narrow
  out.Write("(I5,75X,A)", {123456, "Line 2 : Total number of sections"});
  out.Write("('Moment  ',A)", {"****"});  // a text of asterisks is no number
  ASSERT_EQ(out.overflowed_fields(), 3);
  const std::vector<RecordWriter::FieldOverflow>& o = out.overflows();
  ASSERT_EQ(o.size(), 3U);
  EXPECT_EQ(o[0].line, 1);
  EXPECT_EQ(o[0].quantity, "Maximum allowable deflection");
  EXPECT_EQ(o[1].line, 6);
  EXPECT_EQ(o[1].quantity, "Deflection in");
  EXPECT_EQ(o[2].line, 7);
  EXPECT_EQ(o[2].quantity, "plot record Line 2 : Total number of sections");
  out.Rewind();
  EXPECT_EQ(out.overflowed_fields(), 0);
  EXPECT_TRUE(out.overflows().empty());
}

}  // namespace
}  // namespace tarvex
