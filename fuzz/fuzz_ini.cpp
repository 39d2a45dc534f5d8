// Feeds arbitrary bytes to the INI reader, looks keys up and changes them
// in memory: nothing may crash, the text must come back byte for byte, and
// a reading of the changed text must find what was written.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\v\f");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\v\f") - first + 1);
}

// Writes and checks that the store and a reading of its text agree.
void SetAndCheck(veldor::SettingsStore& store, const std::string& section, const std::string& key,
                 const std::string& value) {
  const std::string before = store.ToText();
  if (!store.SetString(section, key, value)) {
    Check(store.ToText() == before);
    return;
  }
  Check(store.Find(section, key) == Trim(value));
  veldor::SettingsStore reread("");
  reread.LoadFromText(store.ToText());
  Check(reread.Find(section, key) == Trim(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  veldor::SettingsStore store("");  // in memory: no file is read or written
  store.LoadFromText(text);
  Check(store.ToText() == text);

  // Names taken from the input itself, so that lookups hit real entries.
  const std::string section = text.substr(0, std::min<size_t>(size, 8));
  const std::string key = text.substr(size / 2, 6);
  const std::string value = text.substr(size / 3, 12);
  store.GetString("Init", "TitreNomFont", "MS Sans Serif");
  store.GetInt("Init", "CoulSaut", 16711680);
  store.GetInt(section, key, -1);
  const std::vector<std::string> keys = store.Keys(section);

  veldor::SettingsStore reread("");
  reread.LoadFromText(store.ToText());
  for (size_t i = 0; i < keys.size() && i < 64; ++i) {
    Check(reread.Find(section, keys[i]) == store.Find(section, keys[i]));
  }

  SetAndCheck(store, "Init", "CoulSaut", value);
  SetAndCheck(store, section, key, value);
  SetAndCheck(store, "Nouvelle", "cle", "valeur");
  if (!keys.empty()) SetAndCheck(store, section, keys.front(), "x");
  return 0;
}
