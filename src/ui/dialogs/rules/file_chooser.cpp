#include "ui/dialogs/rules/file_chooser.h"

#include "platform/paths.h"

namespace veldor {

std::vector<std::string> QtNameFilters(const std::string& windowsFilter) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : windowsFilter) {
    if (c == '|') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  std::vector<std::string> filters;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    const std::string description = TrimBlanks(parts[i]);
    std::string patterns = TrimBlanks(parts[i + 1]);
    if (description.empty() && patterns.empty()) break;
    for (char& c : patterns) {
      if (c == ';') c = ' ';
    }
    const std::string suffix = "(" + patterns + ")";
    const bool carriesPatterns =
        description.size() >= suffix.size() &&
        description.compare(description.size() - suffix.size(), suffix.size(), suffix) == 0;
    filters.push_back(carriesPatterns ? description : description + " " + suffix);
  }
  return filters;
}

bool IsPattern(const std::string& name) {
  return name.find('*') != std::string::npos || name.find('?') != std::string::npos;
}

std::string StartingName(const std::string& current, const std::string& fallback) {
  return current.empty() ? fallback : current;
}

}  // namespace veldor
