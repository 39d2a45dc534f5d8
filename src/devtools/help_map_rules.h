// The conversion of Visual C++ resource identifiers into help identifiers:
// the prefix rules ("ID_,HID_,0x10000"), the number literals of a resource
// header and the conversion of one "#define" line into a help-map line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veldor {

struct HelpMapRule {
  std::string identifierPrefix;  // "ID_"
  std::string helpPrefix;        // "HID_"
  uint32_t offset = 0;           // 0x10000
};

// The six rules of "Fait Visual HM include", in the order they are tried.
const std::vector<std::string>& VisualCppRuleTexts();

// A letter or "_", then letters, digits or "_" (ASCII).
bool IsIdentifier(std::string_view text);
// An integer literal of a resource header without suffix: "0x"/"0X" and
// hexadecimal digits, "0" and octal digits, or decimal digits. The value
// keeps its low 32 bits.
std::optional<uint32_t> ParseHeaderNumber(std::string_view text);
// "identifier prefix,help prefix,offset"; nothing when the text does not
// parse.
std::optional<HelpMapRule> ParseHelpMapRule(std::string_view text);
// Parses every rule text, dropping those that do not parse.
std::vector<HelpMapRule> ParseHelpMapRules(const std::vector<std::string>& texts);

// The help-map line of one resource-header line, without its line end:
// the help identifier, blanks up to column 40 (one tab for names of 40
// characters or more) and the value as "0x%lX". Nothing for a line that is
// not "#define IDENTIFIER NUMBER" or whose identifier no rule converts.
std::optional<std::string> ConvertDefineLine(std::string_view line,
                                             const std::vector<HelpMapRule>& rules);

// A help-map line with the layout above (shared by every writer of maps).
std::string HelpMapLine(const std::string& name, uint32_t value);

}  // namespace veldor
