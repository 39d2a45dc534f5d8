#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

constexpr const char* kTemporaryMark = ".tmp";

// The start of the names of the temporary files written beside `path`.
std::string TemporaryPrefix(const std::string& path) {
  return "." + FileNamePart(path) + kTemporaryMark;
}

// Creates a new file beside `path` that no one else uses, for writing. Its
// name carries the process id, so that a later save can tell the files of
// a process that died from those still being written.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  const std::string directory = DirectoryPart(path);
  const std::string stem = TemporaryPrefix(path) + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = JoinPath(directory, stem + std::to_string(counter++));
    const int fd = OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// The reason given for something that is not a regular file, in the words
// of the system's own reasons.
std::string KindReason(mode_t mode) {
  if (S_ISDIR(mode)) return std::strerror(EISDIR);
  if (S_ISFIFO(mode)) return "Is a FIFO (named pipe), not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Is a device, not a regular file";
  if (S_ISSOCK(mode)) return "Is a socket, not a regular file";
  return "Not a regular file";
}

// What replacing `path` has to keep. A regular file there gives its
// permissions and owner (`existing` true); a symbolic link or nothing gives
// none; anything else refuses the replacement.
bool InspectReplaced(const std::string& path, struct stat& info, bool& existing,
                     std::string* reason, bool keepReadOnly = true) {
  existing = false;
  if (::lstat(path.c_str(), &info) != 0) return true;  // creating the file says why, if need be
  if (S_ISLNK(info.st_mode)) return true;
  if (!S_ISREG(info.st_mode)) return Fail(reason, KindReason(info.st_mode));
  // A file its owner made read-only is not replaced behind their back.
  if (keepReadOnly && ::access(path.c_str(), W_OK) != 0) return FailErrno(reason, errno);
  existing = true;
  return true;
}

// Gives the open file the permissions (and, when the system lets us, the
// owner) of the file it will replace.
int KeepOwnerAndMode(int fd, const struct stat& replaced, long mode) {
  if (replaced.st_uid != ::geteuid() || replaced.st_gid != ::getegid()) {
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
      // Only the owner can be kept by a privileged process: the file is ours.
    }
  }
  if (mode < 0) mode = static_cast<long>(replaced.st_mode & 07777);
  return ::fchmod(fd, static_cast<mode_t>(mode)) == 0 ? 0 : errno;
}

// Writes a temporary file beside `path` with what `produce` writes into its
// descriptor and renames it over `path`. `mode` (permission bits) is given
// to the new file when not negative, else the replaced file's are kept.
// With `durable`, the file and then the directory are flushed to disk.
template <typename Producer>
bool ReplaceFileWith(const std::string& path, long mode, bool durable, std::string* reason,
                     Producer produce) {
  if (path.empty()) return FailErrno(reason, ENOENT);
  struct stat replaced {};
  bool existing = false;
  if (!InspectReplaced(path, replaced, existing, reason)) return false;
  std::string temporary;
  FileDescriptor fd(CreateTemporaryBeside(path, temporary));
  if (!fd.valid()) return FailErrno(reason, errno);
  int error = produce(fd.get());
  if (error == 0 && existing) error = KeepOwnerAndMode(fd.get(), replaced, mode);
  if (error == 0 && !existing && mode >= 0 && ::fchmod(fd.get(), static_cast<mode_t>(mode)) != 0) {
    error = errno;
  }
  if (error == 0 && durable && ::fsync(fd.get()) != 0) error = errno;
  const int closeError = fd.Close();
  if (error == 0) error = closeError;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return FailErrno(reason, error);
  }
  if (durable) SyncDirectoryOf(path);
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
  // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
  FileDescriptor fd(OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) return FailErrno(reason, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return FailErrno(reason, errno);
  if (!S_ISREG(info.st_mode)) return Fail(reason, KindReason(info.st_mode));
  const int error = ReadUpTo(fd.get(), limit, contents);
  if (error != 0) {
    contents.clear();
    return FailErrno(reason, error);
  }
  return true;
}

bool WriteFile(const std::string& path, const std::string& contents, std::string* reason) {
  return ReplaceFileWith(path, -1, false, reason,
                         [&](int fd) { return WriteAll(fd, contents.data(), contents.size()); });
}

bool WriteFileDurably(const std::string& path, const std::string& contents, std::string* reason) {
  return ReplaceFileWith(path, -1, true, reason,
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

bool CommitTemporaryFile(const std::string& temporaryPath, const std::string& path,
                         std::string* reason) {
  struct stat replaced {};
  bool existing = false;
  int error = 0;
  if (!InspectReplaced(path, replaced, existing, reason)) {
    ::unlink(temporaryPath.c_str());
    return false;
  }
  if (existing) {
    FileDescriptor fd(OpenRetrying(temporaryPath.c_str(), O_RDONLY));
    error = fd.valid() ? KeepOwnerAndMode(fd.get(), replaced, -1) : errno;
  }
  if (error == 0 && ::rename(temporaryPath.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporaryPath.c_str());
    return FailErrno(reason, error);
  }
  SyncDirectoryOf(path);
  return true;
}

void RemoveStaleTemporaryFiles(const std::string& path) {
  const std::string prefix = TemporaryPrefix(path);
  const std::string directory = DirectoryPart(path);
  for (const DirectoryEntry& entry : ListDirectory(directory)) {
    if (entry.isDirectory || entry.name.compare(0, prefix.size(), prefix) != 0) continue;
    // The rest is "<process id>-<number>".
    const std::string rest = entry.name.substr(prefix.size());
    const auto dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == rest.size() ||
        rest.find_first_not_of("0123456789-") != std::string::npos ||
        rest.find('-', dash + 1) != std::string::npos || dash > 9) {
      continue;
    }
    const pid_t pid = static_cast<pid_t>(std::stol(rest.substr(0, dash)));
    if (pid == ::getpid() || pid <= 0) continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;  // its writer may still run
    ::unlink(JoinPath(directory, entry.name).c_str());
  }
}

bool CheckWritable(const std::string& path, std::string* reason) {
  if (path.empty()) return FailErrno(reason, ENOENT);
  struct stat replaced {};
  bool existing = false;
  if (!InspectReplaced(path, replaced, existing, reason)) return false;
  std::string temporary;
  FileDescriptor fd(CreateTemporaryBeside(path, temporary));
  if (!fd.valid()) return FailErrno(reason, errno);
  fd.Close();
  ::unlink(temporary.c_str());
  return true;
}

std::string FollowLinks(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  std::error_code error;
  const auto target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
}

std::string NotRegularFileReason(const std::string& path) {
  struct stat info {};
  if (!StatPath(path, info) || S_ISREG(info.st_mode)) return "";
  return KindReason(info.st_mode);
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
  FileDescriptor source(OpenRetrying(from.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY));
  if (!source.valid()) return FailErrno(reason, errno);
  struct stat info {};
  if (::fstat(source.get(), &info) != 0) return FailErrno(reason, errno);
  if (!S_ISREG(info.st_mode)) return Fail(reason, KindReason(info.st_mode));
  // Copying a file onto itself would truncate it: it already holds the contents.
  struct stat target {};
  if (StatPath(to, target) && target.st_dev == info.st_dev && target.st_ino == info.st_ino) {
    return true;
  }
  // The copy goes to a temporary file first, so a failure leaves `to` as it was.
  return ReplaceFileWith(to, static_cast<long>(info.st_mode & 0777), true, reason, [&](int fd) {
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

bool LinkOrCopyFile(const std::string& from, const std::string& to, std::string* reason) {
  if (from.empty() || to.empty()) return FailErrno(reason, ENOENT);
  struct stat replaced {};
  bool existing = false;
  // A backup is replaced whatever its permissions, as deleting it would be.
  if (!InspectReplaced(to, replaced, existing, reason, false)) return false;
  // The link gets a temporary name first and is renamed over `to`, so that
  // `to` never goes missing.
  static std::atomic<unsigned> counter{0};
  const std::string stem =
      JoinPath(DirectoryPart(to), TemporaryPrefix(to) + std::to_string(::getpid()) + "-l");
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temporary = stem + std::to_string(counter++);
    if (::link(from.c_str(), temporary.c_str()) != 0) {
      if (errno == EEXIST) continue;
      break;  // no hard links here: copy
    }
    if (::rename(temporary.c_str(), to.c_str()) != 0) {
      const int error = errno;
      ::unlink(temporary.c_str());
      return FailErrno(reason, error);
    }
    return true;
  }
  return CopyFile(from, to, reason);
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
