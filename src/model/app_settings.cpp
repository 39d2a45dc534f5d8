#include "model/app_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>

#include "platform/settings_store.h"

namespace veldor {

namespace {

// Type codes in the order the style keys are stored: Titre, SSTitre, Texte,
// Indent, Saut, BM.
constexpr int kStyleKeyOrder[] = {0, 1, 3, 2, 5, 4};
// Type codes in the order of the colour keys: CoulTitre, CoulSSTitre,
// CoulTexte, CoulIndent, CoulBM, CoulSaut.
constexpr int kColourKeyOrder[] = {0, 1, 3, 2, 4, 5};

const char* SkipBlanks(const char* p) {
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') ++p;
  return p;
}

// The leading number of `text` as the C library's atof reads it, but
// independent of the locale; 0 when there is none.
double TextToDouble(const std::string& text) {
  const char* p = SkipBlanks(text.c_str());
  if (*p == '+') ++p;
  double value = 0;
  const auto result = std::from_chars(p, text.c_str() + text.size(), value);
  return result.ec == std::errc() ? value : 0.0;
}

// The leading integer of `text` as atol reads it; 0 when there is none.
long long TextToInteger(const std::string& text) {
  const char* p = SkipBlanks(text.c_str());
  if (*p == '+') ++p;
  long long value = 0;
  const auto result = std::from_chars(p, text.c_str() + text.size(), value);
  return result.ec == std::errc() ? value : 0;
}

// "%f": six decimals, with a dot whatever the locale.
std::string FloatText(float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

struct FloatKey {
  const char* name;
  float TypeStyleDefaults::*field;
};
constexpr FloatKey kFloatKeys[] = {
    {"LeftMarge", &TypeStyleDefaults::leftMargin},  {"RightMarge", &TypeStyleDefaults::rightMargin},
    {"AvantPara", &TypeStyleDefaults::spaceBefore}, {"ApresPara", &TypeStyleDefaults::spaceAfter},
    {"Retrait", &TypeStyleDefaults::firstIndent},
};
constexpr const char* kFaceKey = "NomFont";
constexpr const char* kSizeKey = "TailleFont";

std::string ColourKey(int typeCode) {
  return std::string("Coul") + CAppSettings::StemOf(typeCode);
}

std::string HistoryKey(const std::string& prefix, int i) {
  return prefix + std::to_string(i);
}

std::unique_ptr<CAppSettings>& InstanceSlot() {
  static std::unique_ptr<CAppSettings> instance;
  return instance;
}

}  // namespace

std::string ToolLabelKey(int i) {
  return "outil" + std::to_string(i);
}
std::string ToolCommandKey(int i) {
  return ToolLabelKey(i) + "exe";
}

CAppSettings::CAppSettings() {
  styles[0].pointSize = "24";
  styles[1].pointSize = "18";
  styles[2].firstIndent = 1.0f;
  styles[5].colour = 0xFF0000;
}

CAppSettings& CAppSettings::Instance() {
  auto& slot = InstanceSlot();
  if (!slot) {
    slot = std::make_unique<CAppSettings>();
    slot->LoadSettings(SettingsStore::Instance());
    slot->LoadTools(SettingsStore::Instance());
  }
  return *slot;
}

void CAppSettings::ResetInstance() {
  InstanceSlot().reset();
  Instance();
}

TypeStyleDefaults& CAppSettings::StyleOf(int typeCode) {
  return styles[static_cast<size_t>(typeCode >= 0 && typeCode < 6 ? typeCode : 3)];
}

const TypeStyleDefaults& CAppSettings::StyleOf(int typeCode) const {
  return styles[static_cast<size_t>(typeCode >= 0 && typeCode < 6 ? typeCode : 3)];
}

const char* CAppSettings::StemOf(int typeCode) {
  static constexpr const char* kStems[] = {"Titre", "SSTitre", "Indent", "Texte", "BM", "Saut"};
  return typeCode >= 0 && typeCode < 6 ? kStems[typeCode] : "";
}

void CAppSettings::LoadSettings(const SettingsStore& store) {
  for (int code : kStyleKeyOrder) {
    TypeStyleDefaults& style = styles[static_cast<size_t>(code)];
    const std::string stem = StemOf(code);
    for (const FloatKey& key : kFloatKeys) {
      const std::string text = store.GetString(kSectionInit, stem + key.name);
      if (!text.empty()) style.*key.field = static_cast<float>(TextToDouble(text));
    }
    const std::string face = store.GetString(kSectionInit, stem + kFaceKey);
    if (!face.empty()) style.faceName = face;
    const std::string size = store.GetString(kSectionInit, stem + kSizeKey);
    if (!size.empty()) style.pointSize = size;
  }
  for (int code : kColourKeyOrder) {
    const std::string text = store.GetString(kSectionInit, ColourKey(code));
    if (!text.empty()) {
      styles[static_cast<size_t>(code)].colour = static_cast<uint32_t>(TextToInteger(text));
    }
  }
}

bool CAppSettings::SaveSettings(SettingsStore& store) const {
  SettingsStore::Entries entries;
  for (int code : kStyleKeyOrder) {
    const TypeStyleDefaults& style = styles[static_cast<size_t>(code)];
    const std::string stem = StemOf(code);
    for (const FloatKey& key : kFloatKeys) {
      entries.emplace_back(stem + key.name, FloatText(style.*key.field));
    }
    entries.emplace_back(stem + kFaceKey, style.faceName);
    entries.emplace_back(stem + kSizeKey, style.pointSize);
  }
  for (int code : kColourKeyOrder) {
    // "%ld" of a 32-bit colour.
    const long value = static_cast<int32_t>(styles[static_cast<size_t>(code)].colour);
    entries.emplace_back(ColourKey(code), std::to_string(value));
  }
  return store.SetStrings(kSectionInit, entries);
}

std::vector<ToolEntry> CAppSettings::BuiltInTools() {
  return {{"Editeur BMP", "pbrush.exe"}, {"Editeur HotSpot", "shed.exe"}};
}

void CAppSettings::LoadTools(const SettingsStore& store) {
  tools.clear();
  for (int i = 0; i < kMaxTools; ++i) {
    ToolEntry tool{store.GetString(kSectionTools, ToolLabelKey(i)),
                   store.GetString(kSectionTools, ToolCommandKey(i))};
    if (!tool.label.empty() && !tool.command.empty()) tools.push_back(std::move(tool));
  }
  if (tools.empty()) tools = BuiltInTools();
}

bool CAppSettings::SaveTools(SettingsStore& store) const {
  SettingsStore::Entries entries;
  for (int i = 0; i < kMaxTools; ++i) {
    const bool complete = static_cast<size_t>(i) < tools.size() && !tools[i].label.empty() &&
                          !tools[i].command.empty();
    entries.emplace_back(ToolLabelKey(i), complete ? tools[i].label : "");
    entries.emplace_back(ToolCommandKey(i), complete ? tools[i].command : "");
  }
  return store.SetStrings(kSectionTools, entries);
}

std::vector<std::string> CAppSettings::LoadHistory(const SettingsStore& store,
                                                   const std::string& prefix) {
  std::vector<std::string> list;
  for (int i = 0; i < kHistorySize; ++i) {
    std::string value = store.GetString(kSectionCombo, HistoryKey(prefix, i));
    if (value.empty()) break;
    list.push_back(std::move(value));
  }
  return list;
}

bool CAppSettings::AddToHistory(SettingsStore& store, const std::string& prefix,
                                const std::string& value) {
  // An empty entry would end the list when it is read back.
  if (value.empty()) return false;
  std::vector<std::string> list = LoadHistory(store, prefix);
  const auto found = std::find(list.begin(), list.end(), value);
  if (found != list.end()) list.erase(found);
  list.insert(list.begin(), value);
  if (list.size() > static_cast<size_t>(kHistorySize)) list.resize(kHistorySize);
  SettingsStore::Entries entries;
  for (size_t i = 0; i < list.size(); ++i) {
    entries.emplace_back(HistoryKey(prefix, static_cast<int>(i)), list[i]);
  }
  return store.SetStrings(kSectionCombo, entries);
}

ImportTags LoadImportTags(const SettingsStore& store) {
  auto tag = [&](const char* key, const char* fallback) {
    std::string value = store.GetString(kSectionImport, key, fallback);
    return value.empty() ? std::string(fallback) : value;
  };
  ImportTags tags;
  tags.pageTag = tag(kKeyImportPageTag, kDefaultImportPageTag);
  tags.nameTag = tag(kKeyImportNameTag, kDefaultImportNameTag);
  tags.titleTag = tag(kKeyImportTitleTag, kDefaultImportTitleTag);
  tags.fileName = store.GetString(kSectionImport, kKeyImportFileName, "");
  return tags;
}

const char* EmptyImportTagKey(const ImportTags& tags) {
  if (tags.pageTag.empty()) return kKeyImportPageTag;
  if (tags.nameTag.empty()) return kKeyImportNameTag;
  if (tags.titleTag.empty()) return kKeyImportTitleTag;
  return nullptr;
}

bool SaveImportTags(SettingsStore& store, const ImportTags& tags) {
  if (EmptyImportTagKey(tags) != nullptr) return false;
  return store.SetStrings(kSectionImport, {{kKeyImportPageTag, tags.pageTag},
                                           {kKeyImportNameTag, tags.nameTag},
                                           {kKeyImportTitleTag, tags.titleTag},
                                           {kKeyImportFileName, tags.fileName}});
}

}  // namespace veldor
