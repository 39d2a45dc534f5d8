#include "ui/dialogs/rules/dev_link_forms.h"

#include <algorithm>

#include "devtools/help_maps.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "platform/messages.h"
#include "platform/settings_store.h"

namespace veldor {

const std::array<const char*, kHidChoiceCount>& HidChoiceLabels() {
  static const std::array<const char*, kHidChoiceCount> labels = {
      "Commandes", "Prompt", "Resources", "Dialogue", "Controle", "AFX controles"};
  return labels;
}

namespace {

bool Holds(const std::vector<std::string>& list, const char* prefix) {
  return std::find(list.begin(), list.end(), prefix) != list.end();
}

void ReloadHelpMaps(CVeldorDoc& doc) {
  LoadHelpMaps(doc);
  BuildAllowedHelpIds(doc);
  doc.SetModifiedFlag();
}

}  // namespace

VisualCppLinkForm LoadVisualCppLink(const CVeldorDoc& doc) {
  VisualCppLinkForm form;
  const std::vector<std::string>& list = doc.hidPrefixes;
  form.choosePrefixes = !list.empty();
  form.prefixes[kHidCommands] = Holds(list, "HID_") || Holds(list, "HIDM");
  form.prefixes[kHidPrompt] = Holds(list, "HIDP");
  form.prefixes[kHidResources] = Holds(list, "HIDR");
  form.prefixes[kHidDialog] = Holds(list, "HIDD");
  form.prefixes[kHidControl] = Holds(list, "HIDW");
  form.prefixes[kHidAfx] = Holds(list, "AFX_");
  form.resourceInclude = doc.vcResourceInclude;
  form.afxHelpInclude = doc.afxHelpInclude;
  form.promptUnattached = doc.promptUnattached != 0;
  form.allowLinkChanges = doc.allowVcLinkChanges != 0;
  form.buildTextIndex = doc.buildTextIndex != 0;
  return form;
}

std::vector<std::string> HidPrefixesOf(const VisualCppLinkForm& form) {
  std::vector<std::string> list;
  if (!form.choosePrefixes) return list;
  if (form.prefixes[kHidCommands]) list.insert(list.end(), {"HID_", "HIDM"});
  if (form.prefixes[kHidPrompt]) list.push_back("HIDP");
  if (form.prefixes[kHidResources]) list.push_back("HIDR");
  if (form.prefixes[kHidDialog]) list.push_back("HIDD");
  if (form.prefixes[kHidAfx]) list.push_back("AFX_");
  if (form.prefixes[kHidControl]) list.push_back("HIDW");
  return list;
}

void ConfirmVisualCppLink(CVeldorDoc& doc, const VisualCppLinkForm& form) {
  doc.hidPrefixes = HidPrefixesOf(form);
  doc.vcResourceInclude = form.resourceInclude;
  doc.afxHelpInclude = form.afxHelpInclude;
  doc.promptUnattached = form.promptUnattached ? 1 : 0;
  doc.allowVcLinkChanges = form.allowLinkChanges ? 1 : 0;
  doc.buildTextIndex = form.buildTextIndex ? 1 : 0;
  ReloadHelpMaps(doc);
}

DevProjectLinkForm LoadDevProjectLink(const CVeldorDoc& doc, const SettingsStore& store) {
  DevProjectLinkForm form;
  form.projectFile = doc.devProjectFile;
  form.converterPath = store.GetString(kSectionFile, kKeyConverterPath);
  form.allowLinkChanges = doc.allowVcLinkChanges != 0;
  form.promptUnattached = doc.promptUnattached != 0;
  form.buildTextIndex = doc.buildTextIndex != 0;
  return form;
}

void ConfirmDevProjectLink(CVeldorDoc& doc, const DevProjectLinkForm& form, bool delphi,
                           SettingsStore& store) {
  const size_t limit = delphi ? kDelphiPathLength : kVisualBasicProjectLength;
  doc.devProjectFile = form.projectFile.substr(0, limit);
  doc.allowVcLinkChanges = form.allowLinkChanges ? 1 : 0;
  doc.promptUnattached = form.promptUnattached ? 1 : 0;
  doc.buildTextIndex = form.buildTextIndex ? 1 : 0;
  if (delphi) {
    std::string reason;
    if (!store.SetString(kSectionFile, kKeyConverterPath,
                         form.converterPath.substr(0, kDelphiPathLength), &reason)) {
      Messages().Message("Le chemin de convert.exe n'a pas pu être enregistré : " + reason,
                         "Options de Delphi", MessageIcon::Error);
    }
  }
  ReloadHelpMaps(doc);
}

}  // namespace veldor
