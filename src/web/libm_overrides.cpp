// The WebAssembly build's sin, cos, tan, atan, asin and tanh, linked in
// place of the C library's so that every call of the engine takes them (see
// libm.hpp). Only the WebAssembly engine links this file.
#include "web/libm.hpp"

extern "C" {

double sin(double x) { return tarvex::web::libm::Sin(x); }
double cos(double x) { return tarvex::web::libm::Cos(x); }
double tan(double x) { return tarvex::web::libm::Tan(x); }
double atan(double x) { return tarvex::web::libm::Atan(x); }
double asin(double x) { return tarvex::web::libm::Asin(x); }
double tanh(double x) { return tarvex::web::libm::Tanh(x); }

// The compiler may join a sin and a cos of one argument into one call.
void sincos(double x, double* s, double* c) {
  *s = tarvex::web::libm::Sin(x);
  *c = tarvex::web::libm::Cos(x);
}

}  // extern "C"
