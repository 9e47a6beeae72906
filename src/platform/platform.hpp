// The operating-system calls of the engine, kept in one place: the clock, the
// working directory, reading the input data file, identifying files, and
// opening, emptying and ending the lines of the output files. POSIX systems
// and Windows each have their own branch in platform.cpp; nothing else in the
// engine calls the operating system.
#ifndef TARVEX_PLATFORM_PLATFORM_HPP_
#define TARVEX_PLATFORM_PLATFORM_HPP_

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_identity.hpp"
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

// Reads the whole of an existing regular file into *text and gives its
// identity. A directory, device, pipe or socket is refused without waiting
// on it, and so is a file larger than max_bytes. On failure returns false and
// sets *error to the reason, in words for the user.
bool ReadWholeFile(const std::string& path, std::uintmax_t max_bytes, std::string* text,
                   FileIdentity* identity, std::string* error);

// When something exists at `path`: true, with its identity and whether it is
// a device or stream that any number of writers may share (/dev/null, NUL).
bool IdentifyExistingFile(const std::string& path, FileIdentity* identity, bool* shareable);

// The path that writing to `path` creates: symbolic links whose targets do
// not exist yet are followed (where the system has them).
std::filesystem::path FollowDanglingLinks(std::filesystem::path path);

// The text of a path for comparing the names of files not created yet: as it
// is on POSIX systems; on Windows, whose file names ignore case, in lower
// case with "\" separators.
std::string ComparablePath(const std::filesystem::path& path);

// Opens a file for writing, creating it when it does not exist, without
// emptying it. A FIFO that no process reads is refused rather than waited on.
// Sets *identity and *seekable (a regular file, which can be emptied and
// rewound; a device or pipe cannot). Lines are written as given (no
// conversion of line ends). On failure returns nullptr and sets *error.
std::FILE* OpenOutputFile(const std::string& path, FileIdentity* identity, bool* seekable,
                          std::string* error);

// Empties an open regular output file and puts the next write at its start.
// Returns false (errno set) when the system refused.
bool EmptyOutputFile(std::FILE* file);

// True when the standard error stream is a terminal (where a progress line
// that rewrites itself can be shown).
bool StandardErrorIsTerminal();

}  // namespace tarvex::platform

#endif  // TARVEX_PLATFORM_PLATFORM_HPP_
