#include "devtools/help_map_rules.h"

#include <cstdio>

namespace veldor {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

int DigitValue(char c, int base) {
  int v = -1;
  if (IsDigit(c)) {
    v = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    v = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    v = c - 'A' + 10;
  }
  return v < base ? v : -1;
}

std::optional<uint32_t> ParseDigits(std::string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  uint32_t value = 0;
  for (char c : digits) {
    const int d = DigitValue(c, base);
    if (d < 0) return std::nullopt;
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
  }
  return value;
}

}  // namespace

const std::vector<std::string>& VisualCppRuleTexts() {
  static const std::vector<std::string> rules = {"ID_,HID_,0x10000",   "IDM_,HIDM_,0x10000",
                                                 "IDP_,HIDP_,0x30000", "IDR_,HIDR_,0x20000",
                                                 "IDD_,HIDD_,0x20000", "IDW_,HIDW_,0x50000"};
  return rules;
}

bool IsIdentifier(std::string_view text) {
  if (text.empty() || !(IsAsciiLetter(text[0]) || text[0] == '_')) return false;
  for (char c : text) {
    if (!(IsAsciiLetter(c) || IsDigit(c) || c == '_')) return false;
  }
  return true;
}

std::optional<uint32_t> ParseHeaderNumber(std::string_view text) {
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return ParseDigits(text.substr(2), 16);
  }
  if (text.size() >= 1 && text[0] == '0') return ParseDigits(text, 8);
  return ParseDigits(text, 10);
}

std::optional<HelpMapRule> ParseHelpMapRule(std::string_view text) {
  // Exactly three fields separated by commas.
  const size_t first = text.find(',');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t second = text.find(',', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::string_view idPrefix = text.substr(0, first);
  const std::string_view helpPrefix = text.substr(first + 1, second - first - 1);
  const std::string_view offsetText = text.substr(second + 1);
  if (!IsIdentifier(idPrefix) || !IsIdentifier(helpPrefix)) return std::nullopt;
  const std::optional<uint32_t> offset = ParseHeaderNumber(offsetText);
  if (!offset) return std::nullopt;
  return HelpMapRule{std::string(idPrefix), std::string(helpPrefix), *offset};
}

std::vector<HelpMapRule> ParseHelpMapRules(const std::vector<std::string>& texts) {
  std::vector<HelpMapRule> rules;
  for (const std::string& text : texts) {
    if (std::optional<HelpMapRule> rule = ParseHelpMapRule(text)) rules.push_back(*rule);
  }
  return rules;
}

std::optional<std::string> ConvertDefineLine(std::string_view line,
                                             const std::vector<HelpMapRule>& rules) {
  // "#define", the name, then the value up to the next blank, tab or line
  // feed; whatever follows the value (a comment) does not matter.
  size_t i = 0;
  auto nextField = [&](std::string_view separators) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && separators.find(line[i]) == std::string_view::npos) ++i;
    return line.substr(start, i - start);
  };
  if (nextField(" \t") != "#define") return std::nullopt;
  const std::string_view name = nextField(" \t");
  if (!IsIdentifier(name)) return std::nullopt;
  const std::optional<uint32_t> number = ParseHeaderNumber(nextField(" \t\n"));
  if (!number) return std::nullopt;

  for (const HelpMapRule& rule : rules) {
    if (name.substr(0, rule.identifierPrefix.size()) != rule.identifierPrefix) continue;
    const std::string helpName =
        rule.helpPrefix + std::string(name.substr(rule.identifierPrefix.size()));
    return HelpMapLine(helpName, *number + rule.offset);
  }
  return std::nullopt;
}

std::string HelpMapLine(const std::string& name, uint32_t value) {
  constexpr size_t kValueColumn = 40;
  std::string line = name;
  if (name.size() < kValueColumn) {
    line.append(kValueColumn - name.size(), ' ');
  } else {
    line += '\t';
  }
  char number[16];
  std::snprintf(number, sizeof number, "0x%lX", static_cast<unsigned long>(value));
  line += number;
  return line;
}

}  // namespace veldor
