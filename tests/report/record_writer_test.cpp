#include "report/record_writer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

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

}  // namespace
}  // namespace tarvex
