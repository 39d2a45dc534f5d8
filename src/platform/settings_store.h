// A private-profile ("INI") settings file with the semantics of the
// Windows profile functions: sections and keys ignore letter case, an
// absent key gives the caller's default, values are text, and writing a
// key keeps the rest of the file as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace veldor {

class SettingsStore {
 public:
  // Opens (lazily) the file at `path`; a missing file reads as empty. An
  // empty `path` makes a store held in memory only, which writes nothing.
  explicit SettingsStore(std::string path);

  // The store of this user: $VELDOR_INI when set, else VELDOR.INI in
  // $XDG_CONFIG_HOME/veldor (default ~/.config/veldor).
  static std::string DefaultPath();
  // The process-wide store, opened at DefaultPath() on first use.
  static SettingsStore& Instance();
  // Re-reads the default path (tests change VELDOR_INI).
  static void ResetInstance();

  const std::string& path() const { return path_; }

  // Settings files larger than this are not read: each line costs memory
  // many times its size, and the program writes a few kilobytes.
  static constexpr std::size_t kMaxFileSize = 128 * 1024;
  // Why the file exists but could not be read (too large, not a regular
  // file, no permission), naming it; empty when it was read or is absent.
  // Reads then give the defaults and writes are refused.
  const std::string& LoadError() const;

  // Values are Windows-1252 text as stored in the file.
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue = "") const;
  // Like GetPrivateProfileInt: leading decimal digits (with sign), else the default
  // when the key is absent or its value empty, 0 when present but not a number.
  // Values beyond the range of long are clamped.
  long GetInt(const std::string& section, const std::string& key, long defaultValue) const;
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;
  // The keys of `section` in file order, each once, spelled as in the file.
  std::vector<std::string> Keys(const std::string& section) const;

  // Writes the file at once, creating its directory when needed. Refused
  // (false) when the file could not be written, when it exists but could
  // not be read (writing would lose it), or when a name or value would not
  // survive a reading (a line break, a section name with ']', a key with
  // '=' or starting with '[' or ';', an empty section or key); the file and
  // the store are then unchanged.
  bool SetString(const std::string& section, const std::string& key, const std::string& value,
                 std::string* reason = nullptr);
  bool SetInt(const std::string& section, const std::string& key, long value,
              std::string* reason = nullptr);
  // Writes several keys of `section`, in order, with one write of the file;
  // the file then reads as after a SetString of each entry in turn. An
  // entry that SetString would refuse is left out and makes the result
  // false (the first such is the `reason`); the others are written. When
  // the file cannot be written (or read) nothing changes.
  using Entries = std::vector<std::pair<std::string, std::string>>;  // key, value
  bool SetStrings(const std::string& section, const Entries& entries,
                  std::string* reason = nullptr);

  // Parses INI text (for tests and fuzzing); replaces what is loaded.
  void LoadFromText(const std::string& text);
  std::string ToText() const;

 private:
  struct Line {
    std::string raw;      // the line as read, without its end
    std::string end;      // its end as read: "\r\n", "\n" or "" (last line)
    std::string section;  // for section headers
    std::string key;      // for key lines
    std::string value;
    enum Kind { Other, Section, Key } kind = Other;
  };
  void EnsureLoaded() const;
  int FindKeyLine(const std::string& section, const std::string& key) const;
  static int FindKeyLine(const std::vector<Line>& lines, const std::string& section,
                         const std::string& key);
  // Sets `key` of `section` (both trimmed and valid) in `lines`.
  void PutEntry(std::vector<Line>& lines, const std::string& section, const std::string& key,
                const std::string& value) const;
  // Writes `lines` to the file, then holds them.
  bool Commit(std::vector<Line> lines, std::string* reason);
  static Line ParseLine(std::string raw, std::string end);

  std::string path_;
  mutable bool loaded_ = false;
  mutable std::vector<Line> lines_;
  mutable std::string lineEnd_ = "\r\n";
  mutable std::string loadError_;  // why an existing file could not be read
};

}  // namespace veldor
