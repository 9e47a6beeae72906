#include "web/libm.hpp"

#include <cmath>

namespace tarvex::web::libm {
namespace {

// A double-double: the unevaluated sum hi + lo with |lo| <= half an ulp of
// hi, about 106 bits. The operations are Dekker's and Knuth's exact sums and
// products (no fused multiply-add: WebAssembly has none).
struct DD {
  double hi;
  double lo;
};

DD QuickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

DD TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

void Split(double a, double& hi, double& lo) {
  const double t = 134217729.0 * a;  // 2^27 + 1
  hi = t - (t - a);
  lo = a - hi;
}

DD TwoProd(double a, double b) {
  const double p = a * b;
  double ah = 0;
  double al = 0;
  double bh = 0;
  double bl = 0;
  Split(a, ah, al);
  Split(b, bh, bl);
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD Add(DD x, DD y) {
  DD s = TwoSum(x.hi, y.hi);
  const DD t = TwoSum(x.lo, y.lo);
  s.lo += t.hi;
  s = QuickTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return QuickTwoSum(s.hi, s.lo);
}

DD Neg(DD x) { return {-x.hi, -x.lo}; }
DD Sub(DD x, DD y) { return Add(x, Neg(y)); }

DD Mul(DD x, DD y) {
  DD p = TwoProd(x.hi, y.hi);
  p.lo += x.hi * y.lo + x.lo * y.hi;
  return QuickTwoSum(p.hi, p.lo);
}

DD Mul(DD x, double y) {
  DD p = TwoProd(x.hi, y);
  p.lo += x.lo * y;
  return QuickTwoSum(p.hi, p.lo);
}

DD Div(DD x, DD y) {
  const double q1 = x.hi / y.hi;
  DD r = Sub(x, Mul(y, q1));
  const double q2 = r.hi / y.hi;
  r = Sub(r, Mul(y, q2));
  const double q3 = r.hi / y.hi;
  return Add(QuickTwoSum(q1, q2), DD{q3, 0.0});
}

// Square root: the double's root refined by one Newton step.
DD Sqrt(DD x) {
  if (x.hi <= 0.0) return {0.0, 0.0};
  const double r = std::sqrt(x.hi);
  const DD e = Sub(x, TwoProd(r, r));
  return QuickTwoSum(r, e.hi / (2.0 * r));
}

DD Dd(double a) { return {a, 0.0}; }

// pi/2 in three parts.
constexpr double kPio2[3] = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110};
constexpr DD kPio2Dd = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

// 1/n! and 1/n for n = 0 .. 51, computed once.
struct Factorials {
  DD inverse[52];
  DD reciprocal[52];
  Factorials() {
    inverse[0] = Dd(1.0);
    reciprocal[0] = Dd(0.0);
    for (int n = 1; n < 52; ++n) {
      inverse[n] = Div(inverse[n - 1], Dd(n));
      reciprocal[n] = Div(Dd(1.0), Dd(n));
    }
  }
};
const Factorials& Inverse() {
  static const Factorials f;
  return f;
}

// sin r and cos r for |r| <= pi/4 + a little, by their Taylor series to
// r^29 (the terms beyond lie below 2^-110 of the sum).
DD SinSeries(DD r) {
  const DD r2 = Mul(r, r);
  const Factorials& f = Inverse();
  // r (1 - r^2 (1/3! - r^2 (1/5! - ...)))
  DD sum = f.inverse[27];
  for (int n = 25; n >= 1; n -= 2) sum = Sub(f.inverse[n], Mul(r2, sum));
  return Mul(sum, r);
}

DD CosSeries(DD r) {
  const DD r2 = Mul(r, r);
  const Factorials& f = Inverse();
  // 1 - r^2 (1/2! - r^2 (1/4! - ...))
  DD sum = f.inverse[28];
  for (int n = 26; n >= 0; n -= 2) sum = Sub(f.inverse[n], Mul(r2, sum));
  return sum;
}

// Arguments beyond this are left to the long double functions: the engine
// takes the sine of angles, not of large numbers.
constexpr double kMaxReduced = 1048576.0;

// x = k pi/2 + r with |r| <= about pi/4; returns r and k mod 4.
DD Reduce(double x, int& quadrant) {
  const double k = std::nearbyint(x / kPio2[0]);
  DD r = Sub(Dd(x), TwoProd(k, kPio2[0]));
  r = Sub(r, TwoProd(k, kPio2[1]));
  r = Sub(r, Dd(k * kPio2[2]));
  quadrant = static_cast<int>(static_cast<long long>(k) & 3);
  return r;
}

// sin x (want_sin) or cos x, as double-double.
DD SinCos(double x, bool want_sin) {
  int q = 0;
  const DD r = Reduce(x, q);
  if (!want_sin) q = (q + 1) & 3;  // cos x = sin(x + pi/2)
  switch (q) {
    case 0:
      return SinSeries(r);
    case 1:
      return CosSeries(r);
    case 2:
      return Neg(SinSeries(r));
    default:
      return Neg(CosSeries(r));
  }
}

// atan t by its Taylor series after halving the angle three times
// (atan t = 2 atan(t / (1 + sqrt(1 + t^2)))), so that |t| <= 0.1.
DD AtanDd(DD t) {
  int doubled = 0;
  while (std::fabs(t.hi) > 0.1) {
    t = Div(t, Add(Dd(1.0), Sqrt(Add(Dd(1.0), Mul(t, t)))));
    ++doubled;
  }
  // t (1 - t^2 (1/3 - t^2 (1/5 - ...))), to t^51 (0.1^52 / 53 < 2^-110)
  const DD t2 = Mul(t, t);
  const Factorials& f = Inverse();
  DD sum = f.reciprocal[51];
  for (int n = 49; n >= 1; n -= 2) sum = Sub(f.reciprocal[n], Mul(t2, sum));
  DD a = Mul(sum, t);
  for (int i = 0; i < doubled; ++i) a = Mul(a, 2.0);
  return a;
}

double Round(DD v) { return v.hi + v.lo; }

}  // namespace

double Sin(double x) {
  if (!std::isfinite(x) || std::fabs(x) > kMaxReduced) {
    return static_cast<double>(std::sin(static_cast<long double>(x)));
  }
  if (std::fabs(x) < 0x1p-27) return x;
  return Round(SinCos(x, true));
}

double Cos(double x) {
  if (!std::isfinite(x) || std::fabs(x) > kMaxReduced) {
    return static_cast<double>(std::cos(static_cast<long double>(x)));
  }
  if (std::fabs(x) < 0x1p-27) return 1.0;
  return Round(SinCos(x, false));
}

double Tan(double x) {
  if (!std::isfinite(x) || std::fabs(x) > kMaxReduced) {
    return static_cast<double>(std::tan(static_cast<long double>(x)));
  }
  if (std::fabs(x) < 0x1p-27) return x;
  return Round(Div(SinCos(x, true), SinCos(x, false)));
}

double Atan(double x) {
  if (std::isnan(x)) return x;
  if (std::fabs(x) < 0x1p-27) return x;
  if (std::fabs(x) > 0x1p60) return std::copysign(kPio2Dd.hi, x);
  if (std::fabs(x) <= 1.0) return Round(AtanDd(Dd(x)));
  // atan x = pi/2 - atan(1/x) for x > 1.
  const DD inverse = AtanDd(Div(Dd(1.0), Dd(std::fabs(x))));
  const DD a = Sub(kPio2Dd, inverse);
  return Round(x < 0.0 ? Neg(a) : a);
}

double Asin(double x) {
  if (std::isnan(x) || std::fabs(x) > 1.0) return std::nan("");
  if (std::fabs(x) < 0x1p-27) return x;
  if (std::fabs(x) == 1.0) return std::copysign(kPio2Dd.hi, x);
  // asin x = atan(x / sqrt(1 - x^2)), 1 - x^2 = (1 - x)(1 + x) exactly.
  const DD one_minus = Mul(Sub(Dd(1.0), Dd(x)), Add(Dd(1.0), Dd(x)));
  DD t = Div(Dd(x), Sqrt(one_minus));
  const bool negative = t.hi < 0.0;
  if (negative) t = Neg(t);
  const DD a = t.hi <= 1.0 ? AtanDd(t) : Sub(kPio2Dd, AtanDd(Div(Dd(1.0), t)));
  return Round(negative ? Neg(a) : a);
}

// The formulas of glibc's tanh (those of Sun's fdlibm): x (1 + x) below
// 2^-55, -t / (t + 2) with t = expm1(-2|x|) below 1, 1 - 2 / (expm1(2|x|) + 2)
// up to 22, and 1 beyond.
double Tanh(double x) {
  if (std::isnan(x)) return x;
  const double a = std::fabs(x);
  double z = 1.0;
  if (a < 0x1p-55) {
    z = a * (1.0 + a);
  } else if (a < 1.0) {
    const double t = std::expm1(-2.0 * a);
    z = -t / (t + 2.0);
  } else if (a <= 22.0) {
    z = 1.0 - 2.0 / (std::expm1(2.0 * a) + 2.0);
  }
  return std::copysign(z, x);
}

}  // namespace tarvex::web::libm
