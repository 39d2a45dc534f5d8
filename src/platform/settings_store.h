// A private-profile ("INI") settings file with the semantics of the
// Windows profile functions: sections and keys ignore letter case, an
// absent key gives the caller's default, values are text, and writing a
// key keeps the rest of the file as it was.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veldor {

class SettingsStore {
 public:
  // Opens (lazily) the file at `path`; a missing file reads as empty.
  explicit SettingsStore(std::string path);

  // The store of this user: $VELDOR_INI when set, else VELDOR.INI in
  // $XDG_CONFIG_HOME/veldor (default ~/.config/veldor).
  static std::string DefaultPath();
  // The process-wide store, opened at DefaultPath() on first use.
  static SettingsStore& Instance();
  // Re-reads the default path (tests change VELDOR_INI).
  static void ResetInstance();

  const std::string& path() const { return path_; }

  // Values are Windows-1252 text as stored in the file.
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue = "") const;
  // Like GetPrivateProfileInt: leading decimal digits (with sign), else the default
  // when the key is absent, 0 when present but not a number.
  long GetInt(const std::string& section, const std::string& key, long defaultValue) const;
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;
  std::vector<std::string> Keys(const std::string& section) const;

  // Writes the file at once, creating its directory when needed.
  bool SetString(const std::string& section, const std::string& key, const std::string& value,
                 std::string* reason = nullptr);
  bool SetInt(const std::string& section, const std::string& key, long value,
              std::string* reason = nullptr);

  // Parses INI text (for tests and fuzzing); replaces what is loaded.
  void LoadFromText(const std::string& text);
  std::string ToText() const;

 private:
  struct Line {
    std::string raw;      // the line as read, without its end
    std::string section;  // for section headers
    std::string key;      // for key lines
    std::string value;
    enum Kind { Other, Section, Key } kind = Other;
  };
  void EnsureLoaded() const;
  int FindKeyLine(const std::string& section, const std::string& key) const;

  std::string path_;
  mutable bool loaded_ = false;
  mutable std::vector<Line> lines_;
  mutable std::string lineEnd_ = "\r\n";
};

}  // namespace veldor
