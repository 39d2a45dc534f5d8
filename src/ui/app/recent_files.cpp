#include "ui/app/recent_files.h"

#include <algorithm>

#include "model/app_settings.h"
#include "platform/paths.h"
#include "platform/settings_store.h"

namespace veldor::ui {

void RecentFiles::Load(const SettingsStore& store) {
  entries_.clear();
  for (int i = 1; i <= kSize; ++i) {
    const std::string path =
        store.GetString(kSectionRecentFiles, kRecentFileKeyPrefix + std::to_string(i), "");
    if (!path.empty()) entries_.push_back(path);
  }
}

bool RecentFiles::Save(SettingsStore& store) const {
  SettingsStore::Entries entries;
  for (int i = 0; i < kSize; ++i) {
    entries.emplace_back(
        kRecentFileKeyPrefix + std::to_string(i + 1),
        i < static_cast<int>(entries_.size()) ? entries_[static_cast<size_t>(i)] : std::string());
  }
  return store.SetStrings(kSectionRecentFiles, entries);
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > static_cast<size_t>(kSize)) entries_.resize(kSize);
}

void RecentFiles::Remove(const std::string& path) {
  entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

std::string RecentFiles::MenuText(int i, const std::string& path) {
  return "&" + std::to_string(i + 1) + " " + FileNamePart(path);
}

}  // namespace veldor::ui
