#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/files.h"

namespace veldor {

namespace {

bool Fail(std::string* reason, const std::string& text) {
  if (reason != nullptr) *reason = text;
  return false;
}

}  // namespace

bool FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait,
                       std::string* reason) {
  Release();
  const std::string target = FollowLinks(path);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const int fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
      if (errno == ENOENT) return true;
      return Fail(reason, std::strerror(errno));
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
      ::close(fd);
      return Fail(reason, NotRegularFileReason(target));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // A save replaces the file by renaming a new one over it: the lock
      // counts only when it is on the file the path names now.
      struct stat current {};
      if (::stat(target.c_str(), &current) == 0 && current.st_dev == opened.st_dev &&
          current.st_ino == opened.st_ino) {
        fd_ = fd;
        return true;
      }
      ::close(fd);
      if (std::chrono::steady_clock::now() >= deadline) return Fail(reason, kFileInUseReason);
      continue;
    }
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK && error != EINTR) return Fail(reason, std::strerror(error));
    if (std::chrono::steady_clock::now() >= deadline) return Fail(reason, kFileInUseReason);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

void FileLock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace veldor
