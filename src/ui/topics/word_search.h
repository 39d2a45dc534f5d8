// The word search of a project: the history of searched strings (section
// "COMBO", prefix "recherche"), the case setting ("Recherche"/"DisMajMin")
// and the run that lists the occurrences in the error list.
#pragma once

#include <string>
#include <vector>

namespace veldor {
class CErrorList;
class CVeldorDoc;
class SettingsStore;
}  // namespace veldor

namespace veldor::ui {

struct WordSearchFields {
  std::vector<std::string> history;  // newest first, Windows-1252
  bool caseSensitive = false;
};

WordSearchFields LoadWordSearch(const SettingsStore& store);

// "OK": keeps the case setting and (for a non-empty string) the history,
// then fills `errors` with the occurrences of `text`. Returns false when
// `text` is empty (nothing is searched).
bool RunWordSearch(SettingsStore& store, const CVeldorDoc& doc, const std::string& text,
                   bool caseSensitive, CErrorList& errors);

}  // namespace veldor::ui
