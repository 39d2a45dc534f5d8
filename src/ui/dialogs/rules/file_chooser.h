// What a file chooser shows: its title, its filter written as on Windows
// ("Fichier BMP(*.bmp)|*.bmp|...||"), the default extension and the name it
// starts from. The dialogs describe their choosers with it; the Qt chooser
// is built from it.
#pragma once

#include <string>
#include <vector>

namespace veldor {

struct FileChooser {
  std::string title;             // UTF-8
  std::string filter;            // Windows form, UTF-8
  std::string defaultSuffix;     // without the dot, "" for none
  std::string initialName;       // UTF-8; a pattern such as "*.bmp" proposes no name
  bool confirmOverwrite = true;  // save choosers: ask before replacing a file
};

// The filter as Qt's name filters: "Fichier BMP(*.bmp)|*.bmp|Tous|*.*||"
// gives {"Fichier BMP(*.bmp) (*.bmp)", "Tous (*.*)"}; a description that
// already ends with its patterns in brackets is kept as it is.
std::vector<std::string> QtNameFilters(const std::string& windowsFilter);

// The proposed name is a pattern ("*.bmp;*.shg") rather than a file name.
bool IsPattern(const std::string& name);

// The starting name of a chooser: `current` when it is not empty, else
// `fallback` (a name or a pattern).
std::string StartingName(const std::string& current, const std::string& fallback);

}  // namespace veldor
