// The identity of a file on disk: its device and inode. Two paths name the
// same file when these agree, whatever links or spellings lead to it.
#ifndef TARVEX_REPORT_FILE_IDENTITY_HPP_
#define TARVEX_REPORT_FILE_IDENTITY_HPP_

#include <sys/types.h>

namespace tarvex {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

}  // namespace tarvex

#endif  // TARVEX_REPORT_FILE_IDENTITY_HPP_
