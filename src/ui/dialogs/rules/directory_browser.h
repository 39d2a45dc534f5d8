// The directory chooser ("Selection du chemin"): the drive and the
// subdirectories of the current directory in bracketed form, moving into
// them, and creating a directory.
#pragma once

#include <string>
#include <vector>

namespace veldor {

inline constexpr int kNewDirectoryNameLength = 128;

class DirectoryBrowser {
 public:
  // Starts in `start` when it is a directory, else in the current directory.
  explicit DirectoryBrowser(const std::string& start);

  const std::string& current() const { return current_; }
  // "[-/-]" for the root drive, "[..]" unless at the root, then "[name]" for
  // each subdirectory, sorted.
  std::vector<std::string> Entries() const;
  // Moves into the directory or drive of an entry; false when it is not one.
  bool Open(const std::string& entry);
  // Creates `name` in the current directory and moves into it; on failure
  // shows "Erreur de création de répertoire" and stays.
  bool Create(const std::string& name);

 private:
  std::string current_;
};

}  // namespace veldor
