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

// Sections and keys of the settings store used outside the style defaults.
inline constexpr const char* kSectionInit = "Init";
inline constexpr const char* kSectionSearch = "Recherche";
inline constexpr const char* kSectionCombo = "COMBO";
inline constexpr const char* kSectionTools = "Outils";
inline constexpr const char* kSectionImport = "IMPORT";
inline constexpr const char* kSectionFile = "Fichier";
inline constexpr const char* kSectionRecentFiles = "Recent File List";

// "Init": display options of the subject list (default 1 each).
inline constexpr const char* kKeyViewRappel = "ViewRappel";
inline constexpr const char* kKeyViewImage = "ViewImage";
// "Recherche": case-sensitive word search (default 0).
inline constexpr const char* kKeySearchCaseSensitive = "DisMajMin";
// "Fichier": path of the Delphi form converter (default empty).
inline constexpr const char* kKeyConverterPath = "convert";
// "Recent File List": "File1" to "File4".
inline constexpr const char* kRecentFileKeyPrefix = "File";
inline constexpr int kRecentFileCount = 4;

// History prefixes of section "COMBO".
inline constexpr const char* kHistorySearch = "recherche";
inline constexpr const char* kHistoryOldImageDir = "TransOldRep";
inline constexpr const char* kHistoryNewImageDir = "TransNewRep";

// "IMPORT": the tags of the text import and the last imported file.
inline constexpr const char* kKeyImportPageTag = "BALISEPAGE";
inline constexpr const char* kKeyImportNameTag = "BALISENOM";
inline constexpr const char* kKeyImportTitleTag = "BALISETITRE";
inline constexpr const char* kKeyImportFileName = "NomFichier";
inline constexpr const char* kDefaultImportPageTag = "<PAGE>";
inline constexpr const char* kDefaultImportNameTag = "<NOM>";
inline constexpr const char* kDefaultImportTitleTag = "<TITRE>";

// "Outils": the keys of tool i are ToolLabelKey(i) ("outil3") and
// ToolCommandKey(i) ("outil3exe").
std::string ToolLabelKey(int i);
std::string ToolCommandKey(int i);

struct ImportTags {
  std::string pageTag = kDefaultImportPageTag;
  std::string nameTag = kDefaultImportNameTag;
  std::string titleTag = kDefaultImportTitleTag;
  std::string fileName;
};
// A stored tag that is empty reads as its default.
ImportTags LoadImportTags(const SettingsStore& store);
// An empty tag is found at the start of every line, so an import with one
// adds nothing useful: the key of the first empty tag ("BALISEPAGE",
// "BALISENOM", "BALISETITRE"), or nullptr when every tag holds text.
const char* EmptyImportTagKey(const ImportTags& tags);
// Stores the tags and the file name; refuses (false, nothing written) a
// set with an empty tag.
bool SaveImportTags(SettingsStore& store, const ImportTags& tags);

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

  // Style defaults of a subject type code 0 to 5 (other codes: those of
  // text subjects, code 3).
  TypeStyleDefaults& StyleOf(int typeCode);
  const TypeStyleDefaults& StyleOf(int typeCode) const;
  // Key stem of a subject type code 0 to 5 ("Titre", ..., "BM"); "" for
  // other codes.
  static const char* StemOf(int typeCode);

  // The 48 style and colour keys of section "Init". Loading keeps the
  // value held for every key that is absent or empty.
  void LoadSettings(const SettingsStore& store);
  bool SaveSettings(SettingsStore& store) const;
  // What Cancel of the default-style dialog gives back: the styles as at
  // program start, the built-in defaults overlaid with the store. Loading
  // over the edited values instead would keep every edit of a key that
  // the store does not hold yet.
  void ReloadSettings(const SettingsStore& store) {
    styles = CAppSettings().styles;
    LoadSettings(store);
  }
  // At most 32 tools; without any complete pair, the built-in tools.
  void LoadTools(const SettingsStore& store);
  bool SaveTools(SettingsStore& store) const;

  // Histories of section "COMBO" ("recherche", "TransOldRep", ...).
  static std::vector<std::string> LoadHistory(const SettingsStore& store,
                                              const std::string& prefix);
  // Moves `value` (not empty) to the front, keeping the 20 newest.
  static bool AddToHistory(SettingsStore& store, const std::string& prefix,
                           const std::string& value);

  // The two tools offered when the store names none.
  static std::vector<ToolEntry> BuiltInTools();

  std::array<TypeStyleDefaults, 6> styles;  // indexed by type code
  std::vector<ToolEntry> tools;
};

}  // namespace veldor
