// The operating-system calls of the engine, kept in one place: the clock, the
// working directory, reading the input data file and creating, emptying and
// ending the lines of the output files. POSIX systems and Windows each have
// their own branch in platform.cpp; nothing else in the engine calls the
// operating system.
#ifndef TARVEX_ENGINE_PLATFORM_HPP_
#define TARVEX_ENGINE_PLATFORM_HPP_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "tarvex/engine.hpp"

namespace tarvex::platform {

// The end of every line of the report, plot and message files: CR LF on
// Windows, where the host and the editors of its users expect it, LF elsewhere.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

// The machine's local date and time now.
DateTime LocalNow();

// The current working directory; empty when the system cannot give it.
std::string WorkingDirectory();

// Reads the whole of an existing file into *text. Directories, devices and
// files larger than max_bytes are refused. On failure returns false and sets
// *error to the reason, in words for the user.
bool ReadWholeFile(const std::string& path, std::uintmax_t max_bytes, std::string* text,
                   std::string* error);

// Creates (or replaces) a file for writing. Lines are written as they are
// given (no conversion of line ends). On failure returns nullptr and sets
// *error to the reason.
std::FILE* CreateOutputFile(const std::string& path, std::string* error);

// Empties an open output file and puts the next write at its start. Returns
// false when the system refused.
bool EmptyOutputFile(std::FILE* file);

}  // namespace tarvex::platform

#endif  // TARVEX_ENGINE_PLATFORM_HPP_
