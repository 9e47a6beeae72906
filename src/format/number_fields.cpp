#include "format/number_fields.hpp"

#include <array>
#include <cmath>

namespace tarvex {
namespace {

// 10^n formed in single precision, as the band limits of the adaptive field are.
constexpr float PowerOfTenSingleFormed(int n) {
  float p = 1.0f;
  for (int i = 0; i < (n < 0 ? -n : n); ++i) p *= 10.0f;
  return n < 0 ? 1.0f / p : p;
}

// The same powers for the exponents the field widths in use ask for, formed
// once by the same single-precision steps.
constexpr int kTabledPowers = 24;
constexpr std::array<float, 2 * kTabledPowers + 1> TabledPowers() {
  std::array<float, 2 * kTabledPowers + 1> p{};
  for (int n = -kTabledPowers; n <= kTabledPowers; ++n) {
    p[static_cast<std::size_t>(n + kTabledPowers)] = PowerOfTenSingleFormed(n);
  }
  return p;
}
constexpr std::array<float, 2 * kTabledPowers + 1> kSinglePowers = TabledPowers();

float PowerOfTenSingle(int n) {
  if (n < -kTabledPowers || n > kTabledPowers) return PowerOfTenSingleFormed(n);
  return kSinglePowers[static_cast<std::size_t>(n + kTabledPowers)];
}

enum class Form { kFixed, kExponent, kNotANumber };

// Chooses the form and the digits after the point for v in a field of width W.
Form ChooseForm(int width, double v, double* value, int* digits) {
  if (std::isnan(v)) return Form::kNotANumber;
  double a = std::fabs(v);
  *value = v;
  if (a < 1e-12) {
    *value = 0.0;
    a = 0.0;
  }
  const double top = static_cast<double>(PowerOfTenSingle(width - 3) - 1.0f);
  const double middle = static_cast<double>(PowerOfTenSingle(9 - width));
  const double bottom = static_cast<double>(PowerOfTenSingle(7 - width));
  if (a < 1e-25) {
    *digits = width - 8;
    return Form::kFixed;
  }
  if (a > top) {
    *digits = width - 8;
    return Form::kExponent;
  }
  if (a > 10000.0) {
    *digits = 0;
    return Form::kFixed;
  }
  if (a > middle) {
    *digits = width - 7;
    return Form::kFixed;
  }
  if (a >= bottom) {
    *digits = width - 5;
    return Form::kFixed;
  }
  *digits = width - 8;
  return Form::kExponent;
}

}  // namespace

void WriteAdaptive(RecordWriter& out, int width, double v) {
  if (!std::isfinite(v)) out.NoteNonFinite();
  // The blank and the field go straight onto the line, as AdaptiveText
  // would give them.
  double value = 0.0;
  int digits = 0;
  switch (ChooseForm(width, v, &value, &digits)) {
    case Form::kNotANumber:
      out.Text("  Not-a-Number");
      return;
    case Form::kFixed:
      out.Text(" ");
      out.Fixed(value, width - 1, digits);
      return;
    case Form::kExponent:
      out.Text(" ");
      out.Exponent(value, width - 1, digits);
      return;
  }
}

void WriteIntegerField(RecordWriter& out, int width, long long v) {
  if (width < 1 || width > 16) width = 10;
  out.Integer(v, width);
}

std::string AdaptiveText(int width, double v) {
  double value = 0.0;
  int digits = 0;
  switch (ChooseForm(width, v, &value, &digits)) {
    case Form::kNotANumber:
      return "  Not-a-Number";
    case Form::kFixed:
      return std::string(1, ' ').append(FormatFixed(value, width - 1, digits));
    case Form::kExponent:
      return std::string(1, ' ').append(FormatExponent(value, width - 1, digits));
  }
  return {};
}

}  // namespace tarvex
