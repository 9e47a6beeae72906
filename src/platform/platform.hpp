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

// An output file open for writing. A regular file (or one that does not
// exist yet) is written under a temporary name in its own folder and put in
// place by CommitOutputFile, so that the file under its name is always the
// whole of one run's file, whatever other runs write to the same name at the
// same time. A device or pipe, and a file in a folder where no new file can
// be made, are written in place.
struct OutputFile {
  std::FILE* file = nullptr;
  // The file the path names before the run (zeros when there is none yet):
  // what the run must not write over.
  FileIdentity identity;
  bool seekable = false;   // a regular file, which can be emptied and rewound
  std::string temp_path;   // the temporary name written to; empty: in place
  std::string final_path;  // the name it takes (symbolic links followed)
};

// Opens the output file at `path`, without emptying anything: a file
// written in place is emptied by EmptyOutputFile once the caller has checked
// its identity. A FIFO that no process reads is refused rather than waited
// on; an existing file that may not be written is refused as before. Lines
// are written as given (no conversion of line ends). On failure returns
// false and sets *error.
bool OpenOutputFile(const std::string& path, OutputFile* out, std::string* error);

// Closes the file; a file written under a temporary name then takes its
// final name. The old file is removed first and the new one renamed into a
// name that is free, which a file system such as ext4 does without writing
// the file's data out at once (renaming over an existing file, or emptying a
// file just written, makes it do so). False, with *error, when the file
// could not be closed or renamed.
bool CommitOutputFile(OutputFile* f, std::string* error);

// Closes the file and removes its temporary name; the file at the final
// name stays as it was.
void DiscardOutputFile(OutputFile* f);

// Writes `text` as the whole file at `path`, replaced as CommitOutputFile
// does. False, with the system's reason, when it could not.
bool WriteWholeFile(const std::string& path, std::string_view text, std::string* error);

// Empties an open regular output file and puts the next write at its start.
// Returns false (errno set) when the system refused.
bool EmptyOutputFile(std::FILE* file);

// True when the standard error stream is a terminal (where a progress line
// that rewrites itself can be shown).
bool StandardErrorIsTerminal();

}  // namespace tarvex::platform

#endif  // TARVEX_PLATFORM_PLATFORM_HPP_
