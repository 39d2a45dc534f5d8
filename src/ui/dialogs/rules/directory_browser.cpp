#include "ui/dialogs/rules/directory_browser.h"

#include <filesystem>

#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {
namespace {

constexpr const char* kRootEntry = "[-/-]";

std::string Normalised(const std::string& path) {
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
  return error ? path : canonical.string();
}

}  // namespace

DirectoryBrowser::DirectoryBrowser(const std::string& start) {
  const std::string resolved = start.empty() ? "" : ResolvePath(start);
  current_ =
      Normalised(!resolved.empty() && DirectoryExists(resolved) ? resolved : CurrentDirectory());
}

std::vector<std::string> DirectoryBrowser::Entries() const {
  std::vector<std::string> entries = {kRootEntry};
  if (current_ != "/") entries.push_back("[..]");
  for (const DirectoryEntry& entry : ListDirectory(current_)) {
    if (entry.isDirectory) entries.push_back("[" + entry.name + "]");
  }
  return entries;
}

bool DirectoryBrowser::Open(const std::string& entry) {
  if (entry == kRootEntry) {
    current_.assign(1, kNativeSeparator);
    return true;
  }
  if (entry.size() < 3 || entry.front() != '[' || entry.back() != ']') return false;
  const std::string name = entry.substr(1, entry.size() - 2);
  const std::string target = name == ".." ? DirectoryPart(current_) : JoinPath(current_, name);
  if (target.empty() || !DirectoryExists(target)) return false;
  current_ = Normalised(target);
  return true;
}

bool DirectoryBrowser::Create(const std::string& name) {
  const std::string trimmed = TrimBlanks(name);
  const bool plainName = !trimmed.empty() && trimmed != "." && trimmed != ".." &&
                         trimmed.size() <= static_cast<size_t>(kNewDirectoryNameLength) &&
                         trimmed.find('/') == std::string::npos &&
                         trimmed.find('\\') == std::string::npos;
  const std::string target = JoinPath(current_, trimmed);
  if (!plainName || PathExists(target) || !MakeDirectory(target)) {
    Messages().Message("Erreur de création de répertoire", "Créer un répertoire",
                       MessageIcon::Error);
    return false;
  }
  current_ = Normalised(target);
  return true;
}

}  // namespace veldor
