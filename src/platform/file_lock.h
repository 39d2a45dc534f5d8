// An advisory lock on a file, held by the changes that read, modify and
// write it back (a project opened for a change and saved), so that two
// programs changing the same file one after the other do not lose a change.
// Readers that change nothing take no lock: saves replace files in one
// step, so a reader always sees a complete file.
#pragma once

#include <chrono>
#include <string>

namespace veldor {

// The text of the reason given when another program holds the lock.
inline constexpr const char* kFileInUseReason = "le fichier est utilisé par un autre programme";

class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock of the file at `path` (its final target when it is a
  // link), waiting up to `wait` for another holder to release it. True when
  // held, or when there is no file yet (nothing to protect). False, with
  // kFileInUseReason or the system's reason, when it stays held by another
  // or the file cannot be opened.
  bool Acquire(const std::string& path, std::chrono::milliseconds wait = kDefaultWait,
               std::string* reason = nullptr);
  void Release();
  bool held() const { return fd_ >= 0; }

  static constexpr std::chrono::milliseconds kDefaultWait{3000};

 private:
  int fd_ = -1;
};

}  // namespace veldor
