// "Fait Visual HM include" for a Visual C++ project: the resource header
// of the application becomes the help-map include of the help project.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "devtools/help_map_rules.h"

namespace veldor {

// The help-map text of a resource header: one CR LF line per "#define"
// that a rule converts, in header order. Lines of any length.
std::string ConvertResourceHeaderText(const std::vector<HelpMapRule>& rules,
                                      std::string_view header);

// Parses `ruleTexts`, reads the header and creates (or replaces) the
// help map. A header that cannot be read leaves the map empty; either
// file problem is shown with the file's name and the system's reason, and
// the result is then false.
bool ConvertResourceHeader(const std::vector<std::string>& ruleTexts, const std::string& headerPath,
                           const std::string& helpMapPath);

}  // namespace veldor
