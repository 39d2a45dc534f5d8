// The recent-file list: the four last opened or saved projects, newest
// first, kept in the settings section "Recent File List" (File1 to File4).
#pragma once

#include <string>
#include <vector>

namespace veldor {
class SettingsStore;
}

namespace veldor::ui {

class RecentFiles {
 public:
  static constexpr int kSize = 4;
  void Load(const SettingsStore& store);
  bool Save(SettingsStore& store) const;
  // Puts `path` first (an entry naming the same file moves up).
  void Add(const std::string& path);
  void Remove(const std::string& path);
  const std::vector<std::string>& Entries() const { return entries_; }
  // Menu text of entry i: "&1 NAME" with the file name alone.
  static std::string MenuText(int i, const std::string& path);

 private:
  std::vector<std::string> entries_;
};

}  // namespace veldor::ui
