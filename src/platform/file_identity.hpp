// The identity of a file on disk: its device and inode on POSIX systems, its
// volume serial number and file index on Windows. Two paths name the same
// file when these agree, whatever links or spellings lead to it.
#ifndef TARVEX_PLATFORM_FILE_IDENTITY_HPP_
#define TARVEX_PLATFORM_FILE_IDENTITY_HPP_

#include <cstdint>

namespace tarvex {

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

}  // namespace tarvex

#endif  // TARVEX_PLATFORM_FILE_IDENTITY_HPP_
