#include "format/number_fields.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace tarvex {
namespace {

struct AdaptiveCase {
  int width;
  double v;
  const char* expected;
};

TEST(AdaptiveField, BandsAndEdges) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const AdaptiveCase cases[] = {
      {12, 0.0, "      0.0000"},
      {12, -0.0, "      0.0000"},
      {12, 1e-13, "      0.0000"},  // below 1e-12 counts as zero
      {12, -1e-13, "      0.0000"},
      {12, 123456.7, "     123457."},  // fixed form without decimals
      {12, 3.5e-8, "  0.3500E-07"},    // exponent form, W - 8 digits
      {12, -123.456, "  -123.45600"},  // W - 7 decimals up to 10000
      {12, 10000.0, " 10000.00000"},
      {12, 10000.5, "      10001."},
      {12, 999999999.0, "  999999999."},  // up to 10^(W-3) - 1 fixed
      {12, 1.5e9, "  0.1500E+10"},
      // 10^(9-W) is formed in single precision: 0.001 lies below it and
      // takes W - 5 decimals; 0.0011 lies above it and takes W - 7.
      {12, 0.001, "   0.0010000"},
      {12, 0.0011, "     0.00110"},
      // The lower limit 10^(7-W) is 9.99999974737875e-06 in single precision.
      {12, 1e-5, "   0.0000100"},
      {12, 9.9999998e-6, "   0.0000100"},
      {12, 9.9999997e-6, "  0.1000E-04"},
      {16, 1e13, "  0.10000000E+14"},
      {16, 9999999827968.0, "  9999999827968."},
      {10, 1.0, "     1.000"},
      {14, -2.5e-11, " -0.250000E-10"},
      {10, nan, "  Not-a-Number"},
      {16, nan, "  Not-a-Number"},
      {12, std::numeric_limits<double>::infinity(), "    Infinity"},
  };
  for (const AdaptiveCase& c : cases) {
    EXPECT_EQ(AdaptiveText(c.width, c.v), c.expected) << "width " << c.width << " value " << c.v;
  }
}

TEST(AdaptiveField, ContinuesTheLine) {
  RecordWriter out;
  out.Text("Label");
  WriteAdaptive(out, 12, 0.0);
  out.Text(" in");
  WriteIntegerField(out, 4, 7);
  out.EndLine();
  EXPECT_EQ(out.contents(), "Label      0.0000 in   7\n");
}

TEST(IntegerField, WidthOutsideOneToSixteenIsTen) {
  const int widths[] = {0, 17, -3};
  for (int w : widths) {
    RecordWriter out;
    WriteIntegerField(out, w, 5);
    out.EndLine();
    EXPECT_EQ(out.contents(), "         5\n") << "width " << w;
  }
  RecordWriter out;
  WriteIntegerField(out, 16, -5);
  WriteIntegerField(out, 1, 12);
  out.EndLine();
  EXPECT_EQ(out.contents(), "              -5*\n");
}

}  // namespace
}  // namespace tarvex
