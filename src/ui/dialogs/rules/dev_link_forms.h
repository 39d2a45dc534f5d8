// The link options with Visual C++, Visual Basic and Delphi projects: what
// each dialog shows, and what confirming it stores.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace veldor {

class CVeldorDoc;
class SettingsStore;

// The prefix check boxes of "Choix des HID_", in dialog order.
enum HidChoice { kHidCommands, kHidPrompt, kHidResources, kHidDialog, kHidControl, kHidAfx };
inline constexpr int kHidChoiceCount = 6;
// Their labels, in the same order (UTF-8).
const std::array<const char*, kHidChoiceCount>& HidChoiceLabels();

struct VisualCppLinkForm {
  bool choosePrefixes = false;  // "Choix HID_" rather than "Tout"
  std::array<bool, kHidChoiceCount> prefixes{};
  std::string resourceInclude;
  std::string afxHelpInclude;
  bool promptUnattached = true;
  bool allowLinkChanges = false;
  bool buildTextIndex = true;
};

VisualCppLinkForm LoadVisualCppLink(const CVeldorDoc& doc);
// The project's prefix list of a form: empty for "Tout", else in the order
// "HID_" "HIDM" (Commandes), "HIDP", "HIDR", "HIDD", "AFX_", "HIDW".
std::vector<std::string> HidPrefixesOf(const VisualCppLinkForm& form);
// Stores the form, reloads the help maps and the offered identifiers, and
// marks the project modified.
void ConfirmVisualCppLink(CVeldorDoc& doc, const VisualCppLinkForm& form);

// Visual Basic and Delphi share the project file and the three options.
struct DevProjectLinkForm {
  std::string projectFile;
  std::string converterPath;  // Delphi only: a program setting
  bool allowLinkChanges = false;
  bool promptUnattached = true;
  bool buildTextIndex = true;
};
inline constexpr int kVisualBasicProjectLength = 128;
inline constexpr int kDelphiPathLength = 250;

DevProjectLinkForm LoadDevProjectLink(const CVeldorDoc& doc, const SettingsStore& store);
// Stores the form (and, for Delphi, the converter's path in the settings),
// reloads the help maps and marks the project modified.
void ConfirmDevProjectLink(CVeldorDoc& doc, const DevProjectLinkForm& form, bool delphi,
                           SettingsStore& store);

}  // namespace veldor
