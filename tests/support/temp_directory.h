// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes away.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace veldor {

class TempDirectory {
 public:
  // Throws when no directory can be made, so that a test never writes
  // beside the root of the file system instead (the test then fails).
  TempDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "veldor-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot create a temporary directory from " + pattern);
    }
    path_ = pattern;
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace veldor
