#include "platform/settings_store.h"

#include <climits>
#include <cstdlib>
#include <memory>
#include <unordered_set>

#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

namespace {

constexpr const char* kBlanks = " \t\r\v\f";

std::string Trim(const std::string& text) {
  return TrimBlanks(text, kBlanks);
}

bool HasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

bool Refuse(std::string* reason, const std::string& text) {
  if (reason != nullptr) *reason = text;
  return false;
}

// Why `section`, `key` and `value` cannot be written so that they read back
// the same; empty when they can.
std::string InvalidEntry(const std::string& section, const std::string& key,
                         const std::string& value) {
  if (section.empty()) return "empty section name";
  if (key.empty()) return "empty key name";
  if (HasLineBreak(section) || section.find(']') != std::string::npos) {
    return "invalid section name \"" + section + "\"";
  }
  if (HasLineBreak(key) || key.find('=') != std::string::npos || key.front() == '[' ||
      key.front() == ';') {
    return "invalid key name \"" + key + "\"";
  }
  if (HasLineBreak(value)) return "the value of \"" + key + "\" holds a line break";
  return "";
}

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  return home != nullptr ? home : "";
}

std::unique_ptr<SettingsStore>& InstanceHolder() {
  static std::unique_ptr<SettingsStore> instance;
  return instance;
}

}  // namespace

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {}

std::string SettingsStore::DefaultPath() {
  const char* explicitPath = std::getenv("VELDOR_INI");
  if (explicitPath != nullptr && *explicitPath != '\0') return explicitPath;
  std::string configHome;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  // Relative values are to be ignored, says the base-directory convention.
  if (xdg != nullptr && xdg[0] == '/') {
    configHome = xdg;
  } else {
    configHome = JoinPath(HomeDirectory(), ".config");
  }
  return JoinPath(JoinPath(configHome, "veldor"), "VELDOR.INI");
}

SettingsStore& SettingsStore::Instance() {
  auto& instance = InstanceHolder();
  if (!instance) instance = std::make_unique<SettingsStore>(DefaultPath());
  return *instance;
}

void SettingsStore::ResetInstance() {
  InstanceHolder().reset();
}

SettingsStore::Line SettingsStore::ParseLine(std::string raw, std::string end) {
  Line line;
  line.raw = std::move(raw);
  line.end = std::move(end);
  const auto start = line.raw.find_first_not_of(kBlanks);
  if (start == std::string::npos) return line;
  if (line.raw[start] == '[') {
    const auto close = line.raw.find(']', start + 1);
    if (close != std::string::npos) {
      line.kind = Line::Section;
      line.section = Trim(line.raw.substr(start + 1, close - start - 1));
    }
    return line;
  }
  if (line.raw[start] == ';') return line;  // a comment
  const auto equals = line.raw.find('=', start);
  if (equals == std::string::npos) return line;
  std::string key = Trim(line.raw.substr(start, equals - start));
  if (key.empty()) return line;
  line.kind = Line::Key;
  line.key = std::move(key);
  line.value = Trim(line.raw.substr(equals + 1));
  return line;
}

void SettingsStore::LoadFromText(const std::string& text) {
  lines_.clear();
  loaded_ = true;
  loadError_.clear();
  lineEnd_ = "\r\n";
  bool endKnown = false;
  std::size_t start = 0;
  while (start < text.size()) {
    auto newline = text.find('\n', start);
    std::string end;
    std::size_t next;
    if (newline == std::string::npos) {
      newline = text.size();
      next = text.size();
    } else {
      next = newline + 1;
      if (newline > start && text[newline - 1] == '\r') {
        --newline;
        end = "\r\n";
      } else {
        end = "\n";
      }
      if (!endKnown) {
        lineEnd_ = end;
        endKnown = true;
      }
    }
    std::string raw = text.substr(start, newline - start);
    Line line;
    // A byte-order mark before the first line is kept but not part of it.
    if (start == 0 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) {
      line = ParseLine(raw.substr(3), end);
      line.raw = std::move(raw);
    } else {
      line = ParseLine(std::move(raw), std::move(end));
    }
    lines_.push_back(std::move(line));
    start = next;
  }
}

std::string SettingsStore::ToText() const {
  EnsureLoaded();
  std::size_t size = 0;
  for (const Line& line : lines_) size += line.raw.size() + line.end.size();
  std::string text;
  text.reserve(size);
  for (const Line& line : lines_) {
    text += line.raw;
    text += line.end;
  }
  return text;
}

void SettingsStore::EnsureLoaded() const {
  if (loaded_) return;
  std::string text;
  std::string reason;
  auto* self = const_cast<SettingsStore*>(this);
  if (path_.empty() || !PathExists(path_)) {
    self->LoadFromText("");
  } else if (!ReadFilePrefix(path_, kMaxFileSize + 1, text, &reason)) {
    self->LoadFromText("");
    loadError_ = path_ + ": " + reason;
  } else if (text.size() > kMaxFileSize) {
    self->LoadFromText("");
    loadError_ =
        path_ + ": le fichier de paramètres dépasse " + std::to_string(kMaxFileSize / 1024) + " Ko";
  } else {
    self->LoadFromText(text);
  }
}

const std::string& SettingsStore::LoadError() const {
  EnsureLoaded();
  return loadError_;
}

int SettingsStore::FindKeyLine(const std::string& section, const std::string& key) const {
  EnsureLoaded();
  return FindKeyLine(lines_, section, key);
}

int SettingsStore::FindKeyLine(const std::vector<Line>& lines, const std::string& section,
                               const std::string& key) {
  const std::string wantedSection = Trim(section);
  const std::string wantedKey = Trim(key);
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    if (line.kind == Line::Section) {
      inSection = EqualsIgnoreCase(line.section, wantedSection);
    } else if (inSection && line.kind == Line::Key && EqualsIgnoreCase(line.key, wantedKey)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::optional<std::string> SettingsStore::Find(const std::string& section,
                                               const std::string& key) const {
  const int index = FindKeyLine(section, key);
  if (index < 0) return std::nullopt;
  return lines_[index].value;
}

std::string SettingsStore::GetString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
  auto value = Find(section, key);
  return value ? *value : defaultValue;
}

long SettingsStore::GetInt(const std::string& section, const std::string& key,
                           long defaultValue) const {
  const auto value = Find(section, key);
  if (!value || value->empty()) return defaultValue;
  std::size_t pos = 0;
  bool negative = false;
  if ((*value)[0] == '+' || (*value)[0] == '-') {
    negative = (*value)[0] == '-';
    pos = 1;
  }
  long result = 0;
  for (; pos < value->size() && (*value)[pos] >= '0' && (*value)[pos] <= '9'; ++pos) {
    const int digit = (*value)[pos] - '0';
    if (negative) {
      result = result < (LONG_MIN + digit) / 10 ? LONG_MIN : result * 10 - digit;
    } else {
      result = result > (LONG_MAX - digit) / 10 ? LONG_MAX : result * 10 + digit;
    }
  }
  return result;
}

std::vector<std::string> SettingsStore::Keys(const std::string& section) const {
  EnsureLoaded();
  const std::string wanted = Trim(section);
  std::vector<std::string> keys;
  std::unordered_set<std::string> seen;
  bool inSection = false;
  for (const Line& line : lines_) {
    if (line.kind == Line::Section) {
      inSection = EqualsIgnoreCase(line.section, wanted);
    } else if (inSection && line.kind == Line::Key) {
      if (seen.insert(AsciiUpper(line.key)).second) keys.push_back(line.key);
    }
  }
  return keys;
}

bool SettingsStore::SetString(const std::string& section, const std::string& key,
                              const std::string& value, std::string* reason) {
  return SetStrings(section, {{key, value}}, reason);
}

bool SettingsStore::SetStrings(const std::string& sectionName, const Entries& entries,
                               std::string* reason) {
  const std::string section = Trim(sectionName);
  Entries valid;
  std::string firstInvalid;
  for (const auto& [keyName, value] : entries) {
    std::string key = Trim(keyName);
    if (const std::string invalid = InvalidEntry(section, key, value); !invalid.empty()) {
      if (firstInvalid.empty()) firstInvalid = path_ + ": " + invalid;
    } else {
      valid.emplace_back(std::move(key), value);
    }
  }
  if (!valid.empty()) {
    EnsureLoaded();
    if (!loadError_.empty()) return Refuse(reason, loadError_);
    std::vector<Line> lines = lines_;
    for (const auto& [key, value] : valid) PutEntry(lines, section, key, value);
    if (!Commit(std::move(lines), reason)) return false;
  }
  return firstInvalid.empty() ? true : Refuse(reason, firstInvalid);
}

void SettingsStore::PutEntry(std::vector<Line>& lines, const std::string& section,
                             const std::string& key, const std::string& value) const {
  // Gives the line before a new one its end when it had none (end of file).
  auto endLine = [&](std::size_t index) {
    if (lines[index].end.empty()) lines[index].end = lineEnd_;
  };
  const int existing = FindKeyLine(lines, section, key);
  if (existing >= 0) {
    // Only the value changes; the key as spelled and the blanks around '=' stay.
    Line& line = lines[existing];
    const auto valueStart = line.raw.find_first_not_of(" \t", line.raw.find('=') + 1);
    line.raw =
        line.raw.substr(0, valueStart == std::string::npos ? line.raw.size() : valueStart) + value;
    line.value = Trim(value);
  } else {
    // A new key goes after the last key of the first block of its section.
    int header = -1;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].kind != Line::Section) {
        if (header >= 0 && lines[i].kind == Line::Key) insertAt = i + 1;
        continue;
      }
      if (header >= 0) break;
      if (EqualsIgnoreCase(lines[i].section, section)) {
        header = static_cast<int>(i);
        insertAt = i + 1;
      }
    }
    std::vector<Line> added;
    if (header < 0) {
      if (!lines.empty()) {
        endLine(lines.size() - 1);
        if (lines.back().raw.find_first_not_of(kBlanks) != std::string::npos) {
          added.push_back(ParseLine("", lineEnd_));
        }
      }
      added.push_back(ParseLine("[" + section + "]", lineEnd_));
    } else {
      endLine(insertAt - 1);
    }
    added.push_back(ParseLine(key + "=" + value, lineEnd_));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(), added.end());
  }
}

bool SettingsStore::Commit(std::vector<Line> lines, std::string* reason) {
  if (path_.empty()) {  // held in memory only
    lines_ = std::move(lines);
    return true;
  }
  std::string text;
  for (const Line& line : lines) {
    text += line.raw;
    text += line.end;
  }
  // A settings file that is a link to another file is written through the link.
  const std::string target = FollowLinks(path_);
  std::string why;
  if (!MakeDirectories(DirectoryPart(target), &why) || !WriteFileDurably(target, text, &why)) {
    return Refuse(reason, target + ": " + why);
  }
  lines_ = std::move(lines);
  return true;
}

bool SettingsStore::SetInt(const std::string& section, const std::string& key, long value,
                           std::string* reason) {
  return SetString(section, key, std::to_string(value), reason);
}

}  // namespace veldor
