// Files and directories. Every operation that can fail returns false and,
// when `reason` is given, stores the system's explanation in it (UTF-8).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

bool FileExists(const std::string& path);       // a regular file
bool DirectoryExists(const std::string& path);  // a directory
bool PathExists(const std::string& path);       // anything

// Windows file names ignore letter case. When `path` does not exist as
// written, each component is looked up without regard to ASCII case and
// separators '\' are accepted; the result is the real on-disk spelling.
// A path that cannot be resolved is returned with native separators; the
// leading directories that do exist take their on-disk spelling, so that a
// new file can be created in them ("OUT\new.txt" -> "out/new.txt" when out/ exists).
std::string ResolvePath(const std::string& path);

bool ReadFile(const std::string& path, std::string& contents, std::string* reason = nullptr);
// Reads at most `limit` bytes.
bool ReadFilePrefix(const std::string& path, std::size_t limit, std::string& contents,
                    std::string* reason = nullptr);
// Creates or replaces `path` with `contents`.
bool WriteFile(const std::string& path, const std::string& contents, std::string* reason = nullptr);
// Writes `contents` to a temporary file beside `path`, flushes it to disk
// and renames it to `path`: readers never see a half-written file.
bool WriteFileDurably(const std::string& path, const std::string& contents,
                      std::string* reason = nullptr);

// Writes `contents` to a new file of a unique name in the directory of
// `besidePath`, flushed to disk, and stores its name in `temporaryPath`.
// The caller renames or deletes it; no existing file is touched.
bool WriteTemporaryFileDurably(const std::string& besidePath, const std::string& contents,
                               std::string& temporaryPath, std::string* reason = nullptr);

bool DeleteFile(const std::string& path, std::string* reason = nullptr);
bool MoveFile(const std::string& from, const std::string& to, std::string* reason = nullptr);
// Copies contents and keeps the source's access and modification times.
// The copy is written beside `to` and renamed over it, so a failed copy
// leaves `to` as it was; copying a file onto itself changes nothing.
bool CopyFile(const std::string& from, const std::string& to, std::string* reason = nullptr);
// Creates one directory; true when it exists afterwards.
bool MakeDirectory(const std::string& path, std::string* reason = nullptr);
// Creates the directory and its missing parents.
bool MakeDirectories(const std::string& path, std::string* reason = nullptr);

struct DirectoryEntry {
  std::string name;
  bool isDirectory = false;
};
// Entries of `directory` (without "." and ".."), sorted by name.
std::vector<DirectoryEntry> ListDirectory(const std::string& directory);

std::string CurrentDirectory();
bool SetCurrentDirectory(const std::string& path, std::string* reason = nullptr);

// Modification time in seconds since 1970-01-01 UTC, or -1.
int64_t FileModificationTime(const std::string& path);

// Makes the given directory current for the lifetime of the object and
// restores the previous one afterwards.
class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::string& path);
  ~ScopedCurrentDirectory();
  bool ok() const { return ok_; }
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  std::string previous_;
  bool ok_ = false;
};

}  // namespace veldor
