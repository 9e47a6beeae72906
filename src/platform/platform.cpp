#include "platform/platform.hpp"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#endif

#include <atomic>
#include <cerrno>
#include <cstring>

namespace tarvex::platform {
namespace {

std::string TooLarge(std::uintmax_t max_bytes) {
  return "it is larger than " + std::to_string(max_bytes / (1024U * 1024U)) + " MiB";
}

// Temporary files made by this process so far: with the process number, a
// name no other writer uses.
std::atomic<unsigned long> temporary_files{0};

// The temporary name of a file `name` in `folder` (empty, or ending with its
// separator): hidden, and unique to this process and call.
std::string TemporaryName(const std::string& folder, const std::string& name, unsigned long pid) {
  return folder + "." + name + ".tvx-" + std::to_string(pid) + "-" +
         std::to_string(temporary_files.fetch_add(1));
}

}  // namespace

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

// Closes a handle on every path out of a function.
class HandleCloser {
 public:
  explicit HandleCloser(HANDLE h) : h_(h) {}
  ~HandleCloser() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;
  HANDLE release() {
    const HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return h;
  }

 private:
  HANDLE h_;
};

// A file of the disk: its volume serial number and file index.
bool IdentityOf(HANDLE h, FileIdentity* identity, DWORD* attributes) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(h, &info)) return false;
  *identity = FileIdentity{info.dwVolumeSerialNumber,
                           (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  if (attributes != nullptr) *attributes = info.dwFileAttributes;
  return true;
}

// What kind of file a handle that is not a disk file leads to.
const char* KindOf(DWORD type) {
  return type == FILE_TYPE_PIPE ? "it is a pipe, not a regular file"
                                : "it is a device, not a regular file";
}

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
                   FileIdentity* identity, std::string* error) {
  // Backup semantics let a directory open too, so that it is named as such
  // below rather than reported as "access is denied".
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  HandleCloser closer(file);
  if (file == INVALID_HANDLE_VALUE) {
    *error = SystemMessage(GetLastError());
    return false;
  }
  // A console, printer port or pipe would wait for input that never comes.
  const DWORD type = GetFileType(file);
  if (type != FILE_TYPE_DISK) {
    *error = KindOf(type);
    return false;
  }
  DWORD attributes = 0;
  if (!IdentityOf(file, identity, &attributes)) {
    *error = SystemMessage(GetLastError());
    return false;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    *error = "it is a directory";
    return false;
  }
  text->clear();
  char buf[65536];
  while (true) {
    DWORD n = 0;
    if (!ReadFile(file, buf, sizeof buf, &n, nullptr)) {
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

bool IdentifyExistingFile(const std::string& path, FileIdentity* identity, bool* shareable) {
  // No access asked: only the identity is wanted.
  const HANDLE file =
      CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  HandleCloser closer(file);
  if (file == INVALID_HANDLE_VALUE) return false;
  // NUL, a console or a pipe is a stream: writing to it overwrites nothing.
  *shareable = GetFileType(file) != FILE_TYPE_DISK;
  *identity = {};
  if (!*shareable) IdentityOf(file, identity, nullptr);
  return true;
}

std::filesystem::path FollowDanglingLinks(std::filesystem::path path) { return path; }

std::string ComparablePath(const std::filesystem::path& path) {
  std::string text = path.string();
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == '/') c = '\\';
  }
  return text;
}

namespace {

// Opens `path` itself for writing, creating it when it does not exist,
// without emptying it.
std::FILE* OpenInPlace(const std::string& path, FileIdentity* identity, bool* seekable,
                       std::string* error) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  HandleCloser closer(file);
  if (file == INVALID_HANDLE_VALUE) {
    *error = SystemMessage(GetLastError());
    return nullptr;
  }
  *seekable = GetFileType(file) == FILE_TYPE_DISK;
  *identity = {};
  if (*seekable && !IdentityOf(file, identity, nullptr)) {
    *error = SystemMessage(GetLastError());
    return nullptr;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    *error = std::strerror(errno);
    return nullptr;
  }
  closer.release();  // the descriptor owns the handle now
  std::FILE* f = _fdopen(fd, "wb");
  if (f == nullptr) {
    *error = std::strerror(errno);
    _close(fd);
  }
  return f;
}

// Creates the temporary file beside `final`; nullptr when the folder takes
// no new file.
std::FILE* CreateTemporary(const std::string& final, std::string* temp) {
  const std::size_t slash = final.find_last_of("\\/:");
  const std::string folder =
      slash == std::string::npos ? std::string() : final.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? final : final.substr(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = TemporaryName(folder, name, GetCurrentProcessId());
    const HANDLE file = CreateFileA(temp->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
      CloseHandle(file);
      DeleteFileA(temp->c_str());
      return nullptr;
    }
    std::FILE* f = _fdopen(fd, "wb");
    if (f == nullptr) {
      _close(fd);
      DeleteFileA(temp->c_str());
    }
    return f;
  }
  return nullptr;
}

}  // namespace

bool OpenOutputFile(const std::string& path, OutputFile* out, std::string* error) {
  *out = OutputFile{};
  FileIdentity identity;
  bool shareable = false;
  const bool exists = IdentifyExistingFile(path, &identity, &shareable);
  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool regular = exists && !shareable && attributes != INVALID_FILE_ATTRIBUTES &&
                       (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  if (!exists || regular) {
    // A read-only file is not replaced, as it could not be written.
    if (regular && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      *error = SystemMessage(ERROR_ACCESS_DENIED);
      return false;
    }
    std::string temp;
    if (std::FILE* f = CreateTemporary(path, &temp); f != nullptr) {
      out->file = f;
      out->identity = exists ? identity : FileIdentity{};
      out->seekable = true;
      out->temp_path = temp;
      out->final_path = path;
      return true;
    }
  }
  out->file = OpenInPlace(path, &out->identity, &out->seekable, error);
  out->final_path = path;
  return out->file != nullptr;
}

bool CommitOutputFile(OutputFile* f, std::string* error) {
  bool ok = true;
  if (f->file != nullptr && std::fclose(f->file) != 0) {
    *error = std::strerror(errno);
    ok = false;
  }
  f->file = nullptr;
  if (f->temp_path.empty()) return ok;
  DeleteFileA(f->final_path.c_str());
  if (!MoveFileExA(f->temp_path.c_str(), f->final_path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    if (ok) *error = SystemMessage(GetLastError());
    DeleteFileA(f->temp_path.c_str());
    ok = false;
  }
  f->temp_path.clear();
  return ok;
}

void DiscardOutputFile(OutputFile* f) {
  if (f->file != nullptr) std::fclose(f->file);
  f->file = nullptr;
  if (!f->temp_path.empty()) DeleteFileA(f->temp_path.c_str());
  f->temp_path.clear();
}

bool EmptyOutputFile(std::FILE* file) {
  return std::fflush(file) == 0 && _chsize(_fileno(file), 0) == 0 &&
         std::fseek(file, 0, SEEK_SET) == 0;
}

#else  // POSIX

namespace {

// What kind of file a non-regular file is, for the message that refuses it.
const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a directory";
  if (S_ISFIFO(mode)) return "it is a FIFO (named pipe), not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  return "it is not a regular file";
}

}  // namespace

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
                   FileIdentity* identity, std::string* error) {
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
  if (static_cast<std::uintmax_t>(st.st_size) > max_bytes) {
    *error = TooLarge(max_bytes);
    ::close(fd);
    return false;
  }
  // A regular file never blocks; the read loop still takes what comes, in
  // case the file grows or shrinks while it is read.
  std::string& buffer = *text;
  buffer.resize(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t have = 0;
  while (true) {
    if (have == buffer.size()) {
      if (buffer.size() > max_bytes) {
        *error = TooLarge(max_bytes);
        ::close(fd);
        return false;
      }
      buffer.resize(buffer.size() + 65536);
    }
    const ssize_t n = ::read(fd, buffer.data() + have, buffer.size() - have);
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
  if (have > max_bytes) {
    *error = TooLarge(max_bytes);
    return false;
  }
  buffer.resize(have);
  *identity = FileIdentity{st.st_dev, st.st_ino};
  return true;
}

bool IdentifyExistingFile(const std::string& path, FileIdentity* identity, bool* shareable) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  *shareable = S_ISCHR(st.st_mode);
  *identity = FileIdentity{st.st_dev, st.st_ino};
  return true;
}

std::filesystem::path FollowDanglingLinks(std::filesystem::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    if (ec) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

std::string ComparablePath(const std::filesystem::path& path) { return path.string(); }

namespace {

// Opens `path` itself for writing, creating it when it does not exist,
// without emptying it.
std::FILE* OpenInPlace(const std::string& path, FileIdentity* identity, bool* seekable,
                       std::string* error) {
  // O_NONBLOCK: a FIFO without a reader fails at once (ENXIO) instead of
  // waiting for one.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) {
    *error =
        errno == ENXIO ? "it is a FIFO (named pipe) that no process reads" : std::strerror(errno);
    return nullptr;
  }
  struct stat st {};
  const int flags = ::fstat(fd, &st) == 0 ? ::fcntl(fd, F_GETFL) : -1;
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    *error = std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  std::FILE* f = ::fdopen(fd, "w");
  if (f == nullptr) {
    *error = std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  *identity = FileIdentity{st.st_dev, st.st_ino};
  *seekable = S_ISREG(st.st_mode);
  return f;
}

// Creates the temporary file beside `final`, with the permissions of the
// file it replaces (`old`, when there is one); nullptr when the folder takes
// no new file.
std::FILE* CreateTemporary(const std::filesystem::path& final, const struct stat* old,
                           std::string* temp) {
  const std::string folder = final.has_parent_path() ? final.parent_path().string() + "/" : "";
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = TemporaryName(folder, final.filename().string(), static_cast<unsigned long>(getpid()));
    const int fd = ::open(temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return nullptr;
    }
    if (old != nullptr) ::fchmod(fd, old->st_mode & 07777);
    std::FILE* f = ::fdopen(fd, "w");
    if (f == nullptr) {
      ::close(fd);
      ::unlink(temp->c_str());
    }
    return f;
  }
  return nullptr;
}

}  // namespace

bool OpenOutputFile(const std::string& path, OutputFile* out, std::string* error) {
  *out = OutputFile{};
  // A link is followed to the file it names, which is the one replaced.
  const std::filesystem::path final = FollowDanglingLinks(path);
  struct stat st {};
  const bool exists = ::stat(final.c_str(), &st) == 0;
  if (!exists || S_ISREG(st.st_mode)) {
    // A file that may not be written is not replaced either.
    if (exists && ::access(final.c_str(), W_OK) != 0) {
      *error = std::strerror(errno);
      return false;
    }
    std::string temp;
    if (std::FILE* f = CreateTemporary(final, exists ? &st : nullptr, &temp); f != nullptr) {
      out->file = f;
      out->identity = exists ? FileIdentity{st.st_dev, st.st_ino} : FileIdentity{};
      out->seekable = true;
      out->temp_path = temp;
      out->final_path = final.string();
      return true;
    }
  }
  // A device, a pipe, or a folder where no new file can be made.
  out->file = OpenInPlace(path, &out->identity, &out->seekable, error);
  out->final_path = path;
  return out->file != nullptr;
}

bool CommitOutputFile(OutputFile* f, std::string* error) {
  bool ok = true;
  if (f->file != nullptr && std::fclose(f->file) != 0) {
    *error = std::strerror(errno);
    ok = false;
  }
  f->file = nullptr;
  if (f->temp_path.empty()) return ok;
  // Removing the old file first makes the rename one into a free name.
  ::unlink(f->final_path.c_str());
  if (::rename(f->temp_path.c_str(), f->final_path.c_str()) != 0) {
    if (ok) *error = std::strerror(errno);
    ::unlink(f->temp_path.c_str());
    ok = false;
  }
  f->temp_path.clear();
  return ok;
}

void DiscardOutputFile(OutputFile* f) {
  if (f->file != nullptr) std::fclose(f->file);
  f->file = nullptr;
  if (!f->temp_path.empty()) ::unlink(f->temp_path.c_str());
  f->temp_path.clear();
}

bool EmptyOutputFile(std::FILE* file) {
  return std::fflush(file) == 0 && ftruncate(fileno(file), 0) == 0 &&
         std::fseek(file, 0, SEEK_SET) == 0;
}

#endif

bool WriteWholeFile(const std::string& path, std::string_view text, std::string* error) {
  OutputFile f;
  if (!OpenOutputFile(path, &f, error)) return false;
  if (f.temp_path.empty() && f.seekable && !EmptyOutputFile(f.file)) {
    *error = std::strerror(errno);
    DiscardOutputFile(&f);
    return false;
  }
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), f.file) != text.size() || std::fflush(f.file) != 0) {
    *error = errno != 0 ? std::strerror(errno) : "write failed";
    // What could be written takes the name, as a file written in place
    // would hold it; the caller reports the failure.
    std::string ignored;
    CommitOutputFile(&f, &ignored);
    return false;
  }
  return CommitOutputFile(&f, error);
}

bool StandardErrorIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace tarvex::platform
