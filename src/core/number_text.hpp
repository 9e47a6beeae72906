// Decimal text of doubles: the one place where the engine turns a double into
// digits or digits into a double.
//
// Each function gives exactly what std::to_chars and std::from_chars give for
// a double. Where the standard library has them for floating point they are
// used directly; where it has not (the libc++ of the WebAssembly build), the
// portable path gives the same characters from the C library's correctly
// rounded printf and strtod: the fixed-precision forms are printf's own
// conversions, and the shortest forms take the fewest digits that strtod
// reads back to the same double. Defining TARVEX_PORTABLE_NUMBERS selects the
// portable path in a build that has both, so that a native test can hold the
// two to the same files. Both paths assume the "C" locale, which the engine
// never changes.
#ifndef TARVEX_CORE_NUMBER_TEXT_HPP_
#define TARVEX_CORE_NUMBER_TEXT_HPP_

#include <charconv>

namespace tarvex {

// The shortest text that reads back to v, fixed or scientific, whichever is
// shorter (fixed on a tie): std::to_chars(first, last, v).
std::to_chars_result NumberToChars(char* first, char* last, double v);

// The shortest digits in scientific form:
// std::to_chars(first, last, v, std::chars_format::scientific).
std::to_chars_result NumberToCharsScientific(char* first, char* last, double v);

// v with `precision` digits in `format` (scientific, fixed or general), as
// printf's %.*e, %.*f and %.*g write it: std::to_chars(first, last, v,
// format, precision).
std::to_chars_result NumberToChars(char* first, char* last, double v, std::chars_format format,
                                   int precision);

// Reads a double in the general format (an optional minus sign, digits with
// an optional point, an optional exponent; "inf", "infinity" and "nan" in any
// case): std::from_chars(first, last, v). A value too large or too small in
// magnitude for a double gives result_out_of_range and leaves v unchanged.
std::from_chars_result NumberFromChars(const char* first, const char* last, double& v);

// True when this build converts with the portable path.
bool PortableNumberText();

// The portable path itself, in every build, so that a native test can compare
// it with the standard library's conversions value by value.
namespace portable {
std::to_chars_result ToChars(char* first, char* last, double v);
std::to_chars_result ToCharsScientific(char* first, char* last, double v);
std::to_chars_result ToChars(char* first, char* last, double v, std::chars_format format,
                             int precision);
std::from_chars_result FromChars(const char* first, const char* last, double& v);
}  // namespace portable

}  // namespace tarvex

#endif  // TARVEX_CORE_NUMBER_TEXT_HPP_
