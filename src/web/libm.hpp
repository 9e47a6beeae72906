// The trigonometric functions of the WebAssembly build of the engine, which
// links them in place of its C library's (src/web/libm_overrides.cpp).
//
// The engine's numbers depend on these functions in their last bit: the
// strips of a circular section are placed with atan, sin and cos, the sand
// criteria take tan of the friction angle and tanh of the curve. The native
// build's C library (glibc) rounds sin, cos, tan, atan and asin correctly for
// all but about one argument in a thousand; the WebAssembly build's (musl)
// is off by one unit in the last place often enough that a drilled shaft's
// results differ from the native ones in their eleventh digit. Here they are
// computed in double-double arithmetic (about 106 bits) and rounded once, to
// the double nearest the exact value. tanh follows the formulas of glibc's
// own over expm1, which the two libraries compute alike.
#ifndef TARVEX_WEB_LIBM_HPP_
#define TARVEX_WEB_LIBM_HPP_

namespace tarvex::web::libm {

double Sin(double x);
double Cos(double x);
double Tan(double x);
double Atan(double x);
double Asin(double x);
double Tanh(double x);

}  // namespace tarvex::web::libm

#endif  // TARVEX_WEB_LIBM_HPP_
