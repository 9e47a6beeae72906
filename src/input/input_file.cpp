#include "input/input_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace tarvex {
namespace {

// What kind of file a non-regular file is, for the message that refuses it.
const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a directory";
  if (S_ISFIFO(mode)) return "it is a FIFO (named pipe), not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  return "it is not a regular file";
}

// The UTF-8 byte-order mark that some editors put in front of a text file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool InputFile::Open(const std::string& path, std::string* error) {
  Take(std::string());
  size_ = 0;
  identity_ = {};
  // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one
  // for ever. The kind of file is checked on the descriptor itself, so that a
  // file swapped in after a look at the path cannot slip through.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int open_errno = errno;
    struct stat st {};
    *error = ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) ? KindOf(st.st_mode)
                                                                    : std::strerror(open_errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    *error = std::strerror(errno);
    ::close(fd);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    *error = KindOf(st.st_mode);
    ::close(fd);
    return false;
  }
  if (static_cast<std::uintmax_t>(st.st_size) > kMaxBytes) {
    *error = "it is larger than 64 MiB";
    ::close(fd);
    return false;
  }
  // A regular file never blocks; the read loop still takes what comes, in
  // case the file grows or shrinks while it is read.
  std::string text;
  text.resize(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t have = 0;
  while (true) {
    if (have == text.size()) {
      if (text.size() > kMaxBytes) {
        *error = "it is larger than 64 MiB";
        ::close(fd);
        return false;
      }
      text.resize(text.size() + 65536);
    }
    const ssize_t n = ::read(fd, text.data() + have, text.size() - have);
    if (n < 0) {
      if (errno == EINTR) continue;
      *error = std::strerror(errno);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (have > kMaxBytes) {
    *error = "it is larger than 64 MiB";
    return false;
  }
  text.resize(have);
  size_ = have;
  identity_ = FileIdentity{st.st_dev, st.st_ino};
  Take(std::move(text));
  return true;
}

void InputFile::OpenText(std::string_view text) {
  size_ = text.size();
  Take(std::string(text));
}

void InputFile::Take(std::string text) {
  text_ = std::move(text);
  // A byte-order mark is not part of the first record.
  if (std::string_view(text_).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text_.erase(0, kByteOrderMark.size());
  }
  Rewind();
}

bool InputFile::ReadLine(std::string_view* line) {
  if (next_ >= text_.size()) return false;
  const std::string_view rest = std::string_view(text_).substr(next_);
  std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) end = rest.size();
  std::string_view record = rest.substr(0, end);
  if (!record.empty() && record.back() == '\r') record.remove_suffix(1);  // CR LF line ends
  *line = record;
  next_ += end + 1;
  if (line_number_ < INT_MAX) ++line_number_;
  return true;
}

void InputFile::Rewind() {
  next_ = 0;
  line_number_ = 0;
}

void InputFile::SeekToLine(int n) {
  Rewind();
  std::string_view skipped;
  while (line_number_ < n - 1 && ReadLine(&skipped)) {
  }
}

}  // namespace tarvex
