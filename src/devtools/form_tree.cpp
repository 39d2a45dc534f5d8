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
    pairs.push_back({"HM_" + key, static_cast<uint32_t>(object.helpContextId)});
  }
  if (object.whatsThisHelpId != -1) {
    pairs.push_back({"HM_" + key + "_W", static_cast<uint32_t>(object.whatsThisHelpId)});
  }
  const std::string childPrefix = ChildPrefix(object, prefix);
  for (const CEnfant& child : object.children) CollectObject(child, childPrefix, pairs);
}

// The part of an object's key that its siblings must not share.
std::string KeyPart(const CEnfant& object) {
  return ObjectKey(object, "");
}

void SetDisplayName(CEnfant& object, const std::string& name) {
  if (object.type == "MENU" && !object.menuKey.empty()) {
    object.menuKey = name;
  } else {
    object.name = name;
  }
}

void MakeSiblingsDistinct(std::vector<CEnfant>& siblings, const std::string& prefix,
                          std::vector<std::string>& renamed) {
  std::set<std::string> taken;
  for (const CEnfant& object : siblings) taken.insert(KeyPart(object));
  std::set<std::string> seen;
  for (CEnfant& object : siblings) {
    if (!seen.insert(KeyPart(object)).second) {
      const std::string before = ObjectKey(object, prefix);
      const std::string base = object.DisplayName();
      for (int number = 2;; ++number) {
        SetDisplayName(object, base + std::to_string(number));
        if (taken.count(KeyPart(object)) == 0) break;
      }
      taken.insert(KeyPart(object));
      seen.insert(KeyPart(object));
      renamed.push_back(before + " -> " + ObjectKey(object, prefix));
    }
    MakeSiblingsDistinct(object.children, ChildPrefix(object, prefix), renamed);
  }
}

std::string HexNumber(uint32_t number) {
  char text[16];
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

std::vector<std::string> MakeDerivedNamesDistinct(std::vector<CEnfant>& forms) {
  std::vector<std::string> renamed;
  MakeSiblingsDistinct(forms, "", renamed);
  return renamed;
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
    std::snprintf(number, sizeof number, "%03lu", static_cast<unsigned long>(pair.number));
    lines.push_back(std::string(number) + "\t\t" + pair.identifier);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace veldor
