#include "model/help_map_tables.h"

#include <algorithm>

#include "model/document.h"

namespace veldor {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

int32_t HelpMapValue(std::string_view valueText) {
  const size_t mark = valueText.find("0x");
  if (mark != std::string_view::npos) {
    uint32_t value = 0;
    size_t i = mark + 2;
    const size_t first = i;
    for (; i < valueText.size() && HexDigitValue(valueText[i]) >= 0; ++i) {
      value = (value << 4) | static_cast<uint32_t>(HexDigitValue(valueText[i]));
    }
    return i == first ? -1 : static_cast<int32_t>(value);
  }
  // Help-map files written by hand often give decimal numbers, which the
  // help compiler accepts as well.
  if (valueText.empty() || valueText.size() > 10) return -1;
  uint64_t value = 0;
  for (char c : valueText) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  return value > 0xFFFFFFFFu ? -1 : static_cast<int32_t>(static_cast<uint32_t>(value));
}

void AddHelpMapEntry(CVeldorDoc& doc, const std::string& name, const std::string& valueText) {
  const int32_t value = HelpMapValue(valueText);
  doc.hmKnownNames.insert(name);
  doc.hmNames.push_back(name);
  doc.hmValues.push_back(value);
  doc.hmNameOfValue.emplace(value, name);  // keeps the first name of a value
}

void ClearHelpMapTables(CVeldorDoc& doc) {
  doc.hmNames.clear();
  doc.hmValues.clear();
  doc.hmKnownNames.clear();
  doc.hmNameOfValue.clear();
}

void RebuildAllowedHelpIds(CVeldorDoc& doc) {
  doc.allowedHelpIds.clear();
  if (doc.hidPrefixes.empty() || doc.devLinkKind != 0) {
    doc.allowedHelpIds = doc.hmNames;
    return;
  }
  for (const std::string& name : doc.hmNames) {
    const std::string head = name.substr(0, 4);
    if (std::find(doc.hidPrefixes.begin(), doc.hidPrefixes.end(), head) != doc.hidPrefixes.end()) {
      doc.allowedHelpIds.push_back(name);
    }
  }
}

void RebuildHelpMapTables(CVeldorDoc& doc) {
  ClearHelpMapTables(doc);
  for (const std::string& line : doc.hmLines) {
    // Entries are written as the name, a comma and the value text; names
    // are identifiers, so the first comma ends the name.
    const size_t comma = line.find(',');
    if (comma == std::string::npos) {
      AddHelpMapEntry(doc, line, "");
    } else {
      AddHelpMapEntry(doc, line.substr(0, comma), line.substr(comma + 1));
    }
  }
  RebuildAllowedHelpIds(doc);
}

}  // namespace veldor
