#include "devtools/form_tree.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace veldor {

namespace {

void CollectObject(const CEnfant& object, const std::string& prefix,
                   std::vector<HelpIdPair>& pairs) {
  const std::string key = ObjectKey(object, prefix);
  if (object.helpContextId != -1) {
    pairs.push_back({"HM_" + key, static_cast<uint16_t>(object.helpContextId)});
  }
  if (object.whatsThisHelpId != -1) {
    pairs.push_back({"HM_" + key + "_W", static_cast<uint16_t>(object.whatsThisHelpId)});
  }
  const std::string childPrefix = ChildPrefix(object, prefix);
  for (const CEnfant& child : object.children) CollectObject(child, childPrefix, pairs);
}

std::string HexNumber(uint16_t number) {
  char text[8];
  std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(number));
  return text;
}

}  // namespace

const std::string& CEnfant::DisplayName() const {
  return type == "MENU" && !menuKey.empty() ? menuKey : name;
}

std::string ObjectKey(const CEnfant& object, const std::string& prefix) {
  std::string key = prefix;
  if (!prefix.empty()) key += '_';
  if (object.index != -1) key += std::to_string(object.index);
  key += object.DisplayName();
  return key;
}

std::string ChildPrefix(const CEnfant& object, const std::string& prefix) {
  return prefix.empty() ? object.DisplayName() : prefix + "_" + object.DisplayName();
}

std::vector<HelpIdPair> CollectHelpIds(const std::vector<CEnfant>& forms) {
  std::vector<HelpIdPair> pairs;
  for (const CEnfant& form : forms) CollectObject(form, "", pairs);
  return pairs;
}

std::string VbHelpMapText(const std::vector<HelpIdPair>& pairs,
                          const std::vector<std::string>& knownNames) {
  std::vector<HelpIdPair> sorted = pairs;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const HelpIdPair& a, const HelpIdPair& b) { return a.number < b.number; });
  const std::set<std::string> known(knownNames.begin(), knownNames.end());

  std::string text = "HM_INDEX";
  text.append(32, ' ');
  text += "0x00\r\n";
  for (size_t first = 0; first < sorted.size();) {
    size_t end = first;
    while (end < sorted.size() && sorted[end].number == sorted[first].number) ++end;
    const HelpIdPair* chosen = &sorted[end - 1];
    for (size_t i = first; i < end; ++i) {
      if (known.count(sorted[i].identifier) != 0) {
        chosen = &sorted[i];
        break;
      }
    }
    text += chosen->identifier + "   0x" + HexNumber(chosen->number) + "\r\n";
    first = end;
  }
  return text;
}

std::vector<std::string> HelpIdListLines(const std::vector<HelpIdPair>& pairs) {
  std::vector<std::string> lines;
  for (const HelpIdPair& pair : pairs) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", static_cast<int>(pair.number));
    lines.push_back(std::string(number) + "\t\t" + pair.identifier);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace veldor
