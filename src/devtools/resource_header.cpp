#include "devtools/resource_header.h"

#include "devtools/devtools_files.h"
#include "platform/files.h"

namespace veldor {

std::string ConvertResourceHeaderText(const std::vector<HelpMapRule>& rules,
                                      std::string_view header) {
  std::string map;
  for (const std::string& line : SplitTextLines(header)) {
    if (std::optional<std::string> converted = ConvertDefineLine(line, rules)) {
      map += *converted;
      map += "\r\n";
    }
  }
  return map;
}

bool ConvertResourceHeader(const std::vector<std::string>& ruleTexts, const std::string& headerPath,
                           const std::string& helpMapPath) {
  const std::vector<HelpMapRule> rules = ParseHelpMapRules(ruleTexts);
  std::string header;
  std::string readReason;
  const bool headerRead = ReadDevTextFile(ResolvePath(headerPath), header, &readReason);
  std::string writeReason;
  if (!WriteFile(helpMapPath, ConvertResourceHeaderText(rules, header), &writeReason)) {
    ShowStopMessage(CannotWriteMessage(helpMapPath, writeReason));
    return false;
  }
  if (!headerRead) {
    ShowStopMessage(CannotReadMessage(headerPath, readReason));
    return false;
  }
  return true;
}

}  // namespace veldor
