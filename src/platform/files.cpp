#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace veldor {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

bool Fail(std::string* reason, const std::string& text) {
  if (reason != nullptr) *reason = text;
  return false;
}

bool FailErrno(std::string* reason, int error) {
  return Fail(reason, std::strerror(error));
}

// Closes a descriptor on every way out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports the error close gives, if any (0 when fine).
  int Close() {
    int error = 0;
    if (fd_ >= 0 && ::close(fd_) != 0) error = errno;
    fd_ = -1;
    return error;
  }

 private:
  int fd_;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Writes all of `data`; returns 0 or the errno of the failure.
int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

// Reads up to `limit` bytes of an open file; returns 0 or the errno.
int ReadUpTo(int fd, std::size_t limit, std::string& contents) {
  contents.clear();
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    contents.reserve(std::min<std::size_t>(limit, static_cast<std::size_t>(info.st_size)));
  }
  char buffer[kBlockSize];
  while (contents.size() < limit) {
    const std::size_t wanted = std::min(sizeof buffer, limit - contents.size());
    const ssize_t got = ::read(fd, buffer, wanted);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) break;
    contents.append(buffer, static_cast<std::size_t>(got));
  }
  return 0;
}

// Flushes the directory holding `path` so that a rename in it survives a crash.
void SyncDirectoryOf(const std::string& path) {
  std::string directory = DirectoryPart(path);
  if (directory.empty()) directory = ".";
  FileDescriptor fd(OpenRetrying(directory.c_str(), O_RDONLY | O_DIRECTORY));
  if (fd.valid()) ::fsync(fd.get());
}

// Creates a new file beside `path` that no one else uses, for writing.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  const std::string directory = DirectoryPart(path);
  const std::string stem = "." + FileNamePart(path) + ".tmp" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = JoinPath(directory, stem + std::to_string(counter++));
    const int fd = OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Writes a temporary file beside `path` with what `produce` writes into its
// descriptor, flushes it and renames it over `path`. `mode` (permission
// bits) is given to the new file when not negative.
template <typename Producer>
bool ReplaceFileWith(const std::string& path, long mode, std::string* reason, Producer produce) {
  if (path.empty()) return FailErrno(reason, ENOENT);
  std::string temporary;
  FileDescriptor fd(CreateTemporaryBeside(path, temporary));
  if (!fd.valid()) return FailErrno(reason, errno);
  int error = produce(fd.get());
  if (error == 0 && mode >= 0 && ::fchmod(fd.get(), static_cast<mode_t>(mode)) != 0) error = errno;
  if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
  const int closeError = fd.Close();
  if (error == 0) error = closeError;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return FailErrno(reason, error);
  }
  SyncDirectoryOf(path);
  return true;
}

bool StatPath(const std::string& path, struct stat& info) {
  return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

// The entry of `directory` whose name matches `name` without regard to
// ASCII case; the first in byte order when several do. Empty when none.
std::string FindIgnoringCase(const std::string& directory, const std::string& name) {
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return "";
  std::string best;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (EqualsIgnoreCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  ::closedir(dir);
  return best;
}

// The entry of `directory` called `name`: as written when it exists, else
// the one matching without regard to ASCII case; empty when none does.
std::string FindEntry(const std::string& directory, const std::string& name) {
  if (PathExists(JoinPath(directory, name))) return name;
  return FindIgnoringCase(directory, name);
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// pieces[from..to) joined with '\\'.
std::string JoinPieces(const std::vector<std::string>& pieces, size_t from, size_t to) {
  std::string name = pieces[from];
  for (size_t k = from + 1; k < to; ++k) name += '\\' + pieces[k];
  return name;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat info {};
  return StatPath(path, info) && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return StatPath(path, info) && S_ISDIR(info.st_mode);
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return StatPath(path, info);
}

std::string ResolvePath(const std::string& path) {
  if (path.empty() || PathExists(path)) return path;
  // '/' always separates names. '\\' is an ordinary character of a name on
  // this system: it is read as a separator only where the name holding it
  // does not exist as written.
  std::string resolved = path.front() == kNativeSeparator ? "/" : "";
  bool found = true;
  bool first = true;
  for (const std::string& component : SplitAt(path, kNativeSeparator)) {
    if (component.empty()) continue;
    if (found && component != "." && component != "..") {
      const std::string spelling = FindEntry(resolved, component);
      if (!spelling.empty()) {
        resolved = JoinPath(resolved, spelling);
        first = false;
        continue;
      }
    }
    const std::vector<std::string> pieces = SplitAt(component, '\\');
    if (first && resolved.empty() && component.front() == '\\') resolved = "/";
    first = false;
    for (size_t i = 0; i < pieces.size();) {
      if (pieces[i].empty()) {
        ++i;
        continue;
      }
      // The longest run of pieces that names an entry, "a\\b" before "a".
      size_t taken = 0;
      std::string spelling;
      for (size_t j = pieces.size(); found && j > i && taken == 0; --j) {
        const std::string name = JoinPieces(pieces, i, j);
        spelling = name == "." || name == ".." ? name : FindEntry(resolved, name);
        if (!spelling.empty()) taken = j - i;
      }
      if (taken == 0) {
        found = false;
        spelling = pieces[i];
        taken = 1;
      }
      resolved = JoinPath(resolved, spelling);
      i += taken;
    }
  }
  if (IsSeparator(path.back()) && !resolved.empty() && resolved.back() != kNativeSeparator) {
    resolved += kNativeSeparator;
  }
  return resolved;
}

bool ReadFile(const std::string& path, std::string& contents, std::string* reason) {
  return ReadFilePrefix(path, std::string::npos, contents, reason);
}

bool ReadFilePrefix(const std::string& path, std::size_t limit, std::string& contents,
                    std::string* reason) {
  contents.clear();
  if (path.empty()) return FailErrno(reason, ENOENT);
  FileDescriptor fd(OpenRetrying(path.c_str(), O_RDONLY));
  if (!fd.valid()) return FailErrno(reason, errno);
  const int error = ReadUpTo(fd.get(), limit, contents);
  if (error != 0) {
    contents.clear();
    return FailErrno(reason, error);
  }
  return true;
}

bool WriteFile(const std::string& path, const std::string& contents, std::string* reason) {
  if (path.empty()) return FailErrno(reason, ENOENT);
  FileDescriptor fd(OpenRetrying(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666));
  if (!fd.valid()) return FailErrno(reason, errno);
  int error = WriteAll(fd.get(), contents.data(), contents.size());
  const int closeError = fd.Close();
  if (error == 0) error = closeError;
  return error == 0 ? true : FailErrno(reason, error);
}

bool WriteFileDurably(const std::string& path, const std::string& contents, std::string* reason) {
  // A file that is replaced keeps its permissions; a new one gets the usual ones.
  struct stat info {};
  const long mode = StatPath(path, info) ? static_cast<long>(info.st_mode & 07777) : -1;
  return ReplaceFileWith(path, mode, reason,
                         [&](int fd) { return WriteAll(fd, contents.data(), contents.size()); });
}

bool WriteTemporaryFileDurably(const std::string& besidePath, const std::string& contents,
                               std::string& temporaryPath, std::string* reason) {
  temporaryPath.clear();
  if (besidePath.empty()) return FailErrno(reason, ENOENT);
  std::string temporary;
  FileDescriptor fd(CreateTemporaryBeside(besidePath, temporary));
  if (!fd.valid()) return FailErrno(reason, errno);
  int error = WriteAll(fd.get(), contents.data(), contents.size());
  if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
  const int closeError = fd.Close();
  if (error == 0) error = closeError;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return FailErrno(reason, error);
  }
  temporaryPath = temporary;
  return true;
}

bool DeleteFile(const std::string& path, std::string* reason) {
  if (path.empty()) return FailErrno(reason, ENOENT);
  if (::unlink(path.c_str()) != 0) return FailErrno(reason, errno);
  return true;
}

bool MoveFile(const std::string& from, const std::string& to, std::string* reason) {
  if (from.empty() || to.empty()) return FailErrno(reason, ENOENT);
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  if (errno != EXDEV) return FailErrno(reason, errno);
  // Another file system: copy, then remove the original.
  if (!CopyFile(from, to, reason)) return false;
  return DeleteFile(from, reason);
}

bool CopyFile(const std::string& from, const std::string& to, std::string* reason) {
  if (from.empty() || to.empty()) return FailErrno(reason, ENOENT);
  FileDescriptor source(OpenRetrying(from.c_str(), O_RDONLY));
  if (!source.valid()) return FailErrno(reason, errno);
  struct stat info {};
  if (::fstat(source.get(), &info) != 0) return FailErrno(reason, errno);
  if (S_ISDIR(info.st_mode)) return FailErrno(reason, EISDIR);
  // Copying a file onto itself would truncate it: it already holds the contents.
  struct stat target {};
  if (StatPath(to, target) && target.st_dev == info.st_dev && target.st_ino == info.st_ino) {
    return true;
  }
  // The copy goes to a temporary file first, so a failure leaves `to` as it was.
  return ReplaceFileWith(to, static_cast<long>(info.st_mode & 0777), reason, [&](int fd) {
    char buffer[kBlockSize];
    for (;;) {
      const ssize_t got = ::read(source.get(), buffer, sizeof buffer);
      if (got < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      if (got == 0) break;
      if (const int error = WriteAll(fd, buffer, static_cast<std::size_t>(got))) return error;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    return ::futimens(fd, times) == 0 ? 0 : errno;
  });
}

bool MakeDirectory(const std::string& path, std::string* reason) {
  if (path.empty() || DirectoryExists(path)) return true;
  if (::mkdir(path.c_str(), 0777) == 0) return true;
  const int error = errno;
  if (DirectoryExists(path)) return true;
  return FailErrno(reason, error);
}

bool MakeDirectories(const std::string& path, std::string* reason) {
  if (path.empty() || DirectoryExists(path)) return true;
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (DirectoryExists(path)) return true;
  return Fail(reason, error ? error.message() : std::strerror(ENOTDIR));
}

std::vector<DirectoryEntry> ListDirectory(const std::string& directory) {
  std::vector<DirectoryEntry> entries;
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    bool isDirectory = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
      isDirectory = DirectoryExists(JoinPath(directory, name));
    }
    entries.push_back({name, isDirectory});
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(),
            [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
  return entries;
}

std::string CurrentDirectory() {
  std::string buffer(4096, '\0');
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
      buffer.resize(std::strlen(buffer.c_str()));
      return buffer;
    }
    if (errno != ERANGE || buffer.size() > (1u << 20)) return "";
    buffer.resize(buffer.size() * 2);
  }
}

bool SetCurrentDirectory(const std::string& path, std::string* reason) {
  if (path.empty()) return FailErrno(reason, ENOENT);
  if (::chdir(path.c_str()) != 0) return FailErrno(reason, errno);
  return true;
}

int64_t FileModificationTime(const std::string& path) {
  struct stat info {};
  if (!StatPath(path, info)) return -1;
  return static_cast<int64_t>(info.st_mtime);
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& path)
    : previous_(CurrentDirectory()) {
  ok_ = SetCurrentDirectory(path);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
  if (ok_ && !previous_.empty() && ::chdir(previous_.c_str()) != 0) {
    // Nothing better to do: the previous directory has gone away.
  }
}

}  // namespace veldor
