#include "engine/platform.hpp"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#endif

#include <cerrno>
#include <cstring>

namespace tarvex::platform {
namespace {

std::string TooLarge(std::uintmax_t max_bytes) {
  return "it is larger than " + std::to_string(max_bytes / (1024U * 1024U)) + " MiB";
}

}  // namespace

std::FILE* CreateOutputFile(const std::string& path, std::string* error) {
  // Binary mode: the record writer ends each line with kLineEnd itself.
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr && error != nullptr) *error = std::strerror(errno);
  return f;
}

#ifdef _WIN32

namespace {

// The system's words for a Windows error code, without the closing period.
std::string SystemMessage(DWORD code) {
  char buf[512];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           code, 0, buf, sizeof buf, nullptr);
  while (n > 0 &&
         (buf[n - 1] == '\r' || buf[n - 1] == '\n' || buf[n - 1] == ' ' || buf[n - 1] == '.')) {
    --n;
  }
  if (n == 0) return "system error " + std::to_string(code);
  return std::string(buf, n);
}

// Closes the handle on every path out of ReadWholeFile.
class HandleCloser {
 public:
  explicit HandleCloser(HANDLE h) : h_(h) {}
  ~HandleCloser() { CloseHandle(h_); }
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;

 private:
  HANDLE h_;
};

}  // namespace

DateTime LocalNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return DateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

std::string WorkingDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);  // with the terminating NUL
  if (size == 0) return {};
  std::string dir(size, '\0');
  const DWORD n = GetCurrentDirectoryA(size, dir.data());
  if (n == 0 || n >= size) return {};
  dir.resize(n);
  return dir;
}

bool ReadWholeFile(const std::string& path, std::uintmax_t max_bytes, std::string* text,
                   std::string* error) {
  // Backup semantics let a directory open too, so that it is named as such
  // below rather than reported as "access is denied".
  const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    *error = SystemMessage(GetLastError());
    return false;
  }
  HandleCloser closer(h);
  // A console, printer port or pipe would wait for input that never comes.
  if (GetFileType(h) != FILE_TYPE_DISK) {
    *error = "it is a device or a pipe, not a file";
    return false;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(h, &info)) {
    *error = SystemMessage(GetLastError());
    return false;
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    *error = "it is a directory";
    return false;
  }
  text->clear();
  char buf[65536];
  while (true) {
    DWORD n = 0;
    if (!ReadFile(h, buf, sizeof buf, &n, nullptr)) {
      *error = SystemMessage(GetLastError());
      return false;
    }
    if (n == 0) break;
    text->append(buf, n);
    if (text->size() > max_bytes) {
      *error = TooLarge(max_bytes);
      return false;
    }
  }
  return true;
}

bool EmptyOutputFile(std::FILE* file) {
  return std::fflush(file) == 0 && _chsize(_fileno(file), 0) == 0 &&
         std::fseek(file, 0, SEEK_SET) == 0;
}

#else  // POSIX

DateTime LocalNow() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string WorkingDirectory() {
  char buf[4096];
  if (getcwd(buf, sizeof buf) == nullptr) return {};
  return buf;
}

bool ReadWholeFile(const std::string& path, std::uintmax_t max_bytes, std::string* text,
                   std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    *error = std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    *error = std::strerror(errno);
    ::close(fd);
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    *error = "it is a directory";
    ::close(fd);
    return false;
  }
  text->clear();
  char buf[65536];
  while (true) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      *error = std::strerror(errno);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    text->append(buf, static_cast<std::size_t>(n));
    if (text->size() > max_bytes) {
      *error = TooLarge(max_bytes);
      ::close(fd);
      return false;
    }
  }
  ::close(fd);
  return true;
}

bool EmptyOutputFile(std::FILE* file) {
  return std::fflush(file) == 0 && ftruncate(fileno(file), 0) == 0 &&
         std::fseek(file, 0, SEEK_SET) == 0;
}

#endif

}  // namespace tarvex::platform
