#include "devtools/project_kind.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/paths.h"

namespace veldor {

namespace {

// Keys that Visual Basic writes in its project files, from version 3 on.
constexpr std::array<std::string_view, 19> kVbKeys = {
    "TYPE",    "FORM",        "MODULE",       "CLASS",       "REFERENCE",
    "OBJECT",  "USERCONTROL", "USERDOCUMENT", "DESIGNER",    "PROPERTYPAGE",
    "STARTUP", "EXENAME32",   "PROJWINSIZE",  "PROJWINSHOW", "ICONFORM",
    "EXENAME", "HELPFILE",    "RESFILE32",    "TITLE"};

constexpr std::array<std::string_view, 6> kVbFileExtensions = {".FRM", ".BAS", ".VBX",
                                                               ".CLS", ".OCX", ".FRX"};

}  // namespace

bool LooksLikeDelphiProject(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::string upper = AsciiUpper(TrimBlanks(line));
    for (std::string_view word : {"PROGRAM ", "LIBRARY ", "PACKAGE "}) {
      // "program Stock;", maybe followed by a comment.
      if (upper.compare(0, word.size(), word) == 0 && upper.find(';') != std::string::npos) {
        return true;
      }
    }
  }
  return false;
}

bool LooksLikeVbProject(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::string upper = AsciiUpper(TrimBlanks(line));
    const size_t equal = upper.find('=');
    if (equal != std::string::npos) {
      const std::string key = TrimBlanks(upper.substr(0, equal));
      if (std::find(kVbKeys.begin(), kVbKeys.end(), key) != kVbKeys.end()) return true;
    } else if (std::find(kVbFileExtensions.begin(), kVbFileExtensions.end(),
                         ExtensionPart(upper)) != kVbFileExtensions.end()) {
      return true;
    }
  }
  return false;
}

}  // namespace veldor
