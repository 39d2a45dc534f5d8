// A small library loaded with LD_PRELOAD into veldor-cli by the tests, to
// make chosen file operations fail as a full disk or a failing device would:
//
//   VELDOR_FAIL_WRITE=name    write() into a file whose path holds `name`
//                             fails with ENOSPC (no space left on device);
//   VELDOR_FAIL_RENAME=name   rename() to a path holding `name` fails with EIO.
//
// Everything else goes to the C library unchanged.
#include <dlfcn.h>
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

namespace {

bool Matches(const char* variable, const char* path) {
  const char* wanted = getenv(variable);
  return wanted != nullptr && *wanted != '\0' && path != nullptr && strstr(path, wanted) != nullptr;
}

// The path an open descriptor names, or "" when unknown.
bool PathOfDescriptor(int fd, char* path, size_t size) {
  char link[64];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = readlink(link, path, size - 1);
  if (length < 0) return false;
  path[length] = '\0';
  return true;
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
  static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
  char path[PATH_MAX];
  if (fd > 2 && getenv("VELDOR_FAIL_WRITE") != nullptr && PathOfDescriptor(fd, path, sizeof path) &&
      Matches("VELDOR_FAIL_WRITE", path)) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, data, size);
}

extern "C" int rename(const char* from, const char* to) {
  static const auto real = Next<int (*)(const char*, const char*)>("rename");
  if (Matches("VELDOR_FAIL_RENAME", to)) {
    errno = EIO;
    return -1;
  }
  return real(from, to);
}
