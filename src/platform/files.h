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

// Reads a regular file. Anything else (a directory, a FIFO, a device) is
// refused at once, without waiting for a writer, with a reason saying what
// it is.
bool ReadFile(const std::string& path, std::string& contents, std::string* reason = nullptr);
// Reads at most `limit` bytes.
bool ReadFilePrefix(const std::string& path, std::size_t limit, std::string& contents,
                    std::string* reason = nullptr);

// Every file the program writes goes through these two. `contents` goes to
// a new temporary file beside `path`, which is then renamed over `path`: the
// path names either the old complete file or the new one, never a part, and
// a failure (a full disk) leaves the old file whole and no temporary file.
// A file that is replaced keeps its permissions (and, when allowed, its
// owner). A symbolic link at `path` is replaced, never written through; a
// path that names a directory, a FIFO or a device is refused, and so is a
// file that we may not write.
bool WriteFile(const std::string& path, const std::string& contents, std::string* reason = nullptr);
// The same, flushed to disk (the file and its directory) before and after
// the rename, so that it survives a crash of the system.
bool WriteFileDurably(const std::string& path, const std::string& contents,
                      std::string* reason = nullptr);

// Writes `contents` to a new file of a unique name in the directory of
// `besidePath`, flushed to disk, and stores its name in `temporaryPath`.
// The caller renames or deletes it; no existing file is touched.
bool WriteTemporaryFileDurably(const std::string& besidePath, const std::string& contents,
                               std::string& temporaryPath, std::string* reason = nullptr);
// Renames the temporary file `temporaryPath` over `path` (with the
// permissions of the file it replaces) and flushes the directory. On
// failure the temporary file is removed.
bool CommitTemporaryFile(const std::string& temporaryPath, const std::string& path,
                         std::string* reason = nullptr);
// Removes the temporary files that writes of `path` by processes that no
// longer run have left beside it (a save killed half-way).
void RemoveStaleTemporaryFiles(const std::string& path);

// Whether a file could be written at `path` now: the directory accepts a
// new file and `path` is absent or a regular file (or a link).
bool CheckWritable(const std::string& path, std::string* reason = nullptr);
// The file a chain of symbolic links at `path` ends at; `path` itself when
// it is not a link or the chain leads nowhere.
std::string FollowLinks(const std::string& path);
// Why `path` cannot be read or replaced as a file ("Is a directory",
// ...); empty when it is a regular file or does not exist.
std::string NotRegularFileReason(const std::string& path);

bool DeleteFile(const std::string& path, std::string* reason = nullptr);
bool MoveFile(const std::string& from, const std::string& to, std::string* reason = nullptr);
// Copies contents and keeps the source's access and modification times.
// The copy is written beside `to` and renamed over it, so a failed copy
// leaves `to` as it was; copying a file onto itself changes nothing.
bool CopyFile(const std::string& from, const std::string& to, std::string* reason = nullptr);
// Makes `to` a second name of the file `from` (a hard link) when the file
// system allows it, else a copy; an existing `to` is replaced in one step.
bool LinkOrCopyFile(const std::string& from, const std::string& to, std::string* reason = nullptr);
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
