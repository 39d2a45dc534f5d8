// CAppSettings: the user's settings held by the application: the default
// style of every subject type, the tools list, and access to the keys of
// the settings store (histories, import tags, converter path).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

class SettingsStore;

// Per-type defaults of new subjects, stored under the stem of the type
// ("Titre", "SSTitre", "Texte", "Indent", "Saut", "BM").
struct TypeStyleDefaults {
  float leftMargin = 1.7f;
  float rightMargin = 1.7f;
  float spaceBefore = 0.0f;
  float spaceAfter = 0.25f;
  float firstIndent = 0.0f;
  std::string faceName = "MS Sans Serif";
  std::string pointSize = "10";  // text, as stored
  uint32_t colour = 0;
};

struct ToolEntry {
  std::string label;
  std::string command;
};

class CAppSettings {
 public:
  static constexpr int kMaxTools = 32;
  static constexpr int kHistorySize = 20;

  CAppSettings();  // the built-in defaults

  // The process-wide settings; loaded from SettingsStore::Instance() on
  // first use.
  static CAppSettings& Instance();
  // Restores the built-in defaults and reloads from the store (tests).
  static void ResetInstance();

  // Style defaults of a subject type code 0 to 5.
  TypeStyleDefaults& StyleOf(int typeCode);
  const TypeStyleDefaults& StyleOf(int typeCode) const;
  // Key stem of a subject type code 0 to 5 ("Titre", ..., "BM").
  static const char* StemOf(int typeCode);

  void LoadSettings(const SettingsStore& store);
  bool SaveSettings(SettingsStore& store) const;
  void LoadTools(const SettingsStore& store);
  bool SaveTools(SettingsStore& store) const;

  // Histories of section "COMBO" ("recherche", "TransOldRep", ...).
  static std::vector<std::string> LoadHistory(const SettingsStore& store,
                                              const std::string& prefix);
  static bool AddToHistory(SettingsStore& store, const std::string& prefix,
                           const std::string& value);

  std::array<TypeStyleDefaults, 6> styles;  // indexed by type code
  std::vector<ToolEntry> tools;
};

}  // namespace veldor
