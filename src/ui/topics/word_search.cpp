#include "ui/topics/word_search.h"

#include "helpbuild/error_list.h"
#include "helpbuild/text_index.h"
#include "model/app_settings.h"
#include "platform/settings_store.h"

namespace veldor::ui {

WordSearchFields LoadWordSearch(const SettingsStore& store) {
  WordSearchFields fields;
  fields.history = CAppSettings::LoadHistory(store, kHistorySearch);
  fields.caseSensitive = store.GetInt(kSectionSearch, kKeySearchCaseSensitive, 0) != 0;
  return fields;
}

bool RunWordSearch(SettingsStore& store, const CVeldorDoc& doc, const std::string& text,
                   bool caseSensitive, CErrorList& errors) {
  store.SetInt(kSectionSearch, kKeySearchCaseSensitive, caseSensitive ? 1 : 0);
  if (text.empty()) return false;
  CAppSettings::AddToHistory(store, kHistorySearch, text);
  SearchText(doc, text, caseSensitive, errors);
  return true;
}

}  // namespace veldor::ui
