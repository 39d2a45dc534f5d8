#include "ui/shell/editor_hooks.h"

#include "ui/commands/command_context.h"

namespace veldor::ui {

EditorHooks& Hooks() {
  static EditorHooks hooks;
  return hooks;
}

uint32_t HookedFeatures() {
  const EditorHooks& h = Hooks();
  uint32_t f = 0;
  if (h.openTree && h.treeCommand) f |= kFeatureTreeWindow;
  if (h.editTopic) f |= kFeatureTopicDialog;
  if (h.chooseSubjectType && h.editSubject) f |= kFeatureSubjectDialogs;
  if (h.exchangeSubjects) f |= kFeatureSubjectExchange;
  if (h.resourceList) f |= kFeatureResourceList;
  if (h.changeImageDirectory) f |= kFeatureImageDirectory;
  if (h.editMarkers) f |= kFeatureMarkers;
  if (h.editButtons) f |= kFeatureButtons;
  if (h.editTools) f |= kFeatureTools;
  if (h.generalOptions) f |= kFeatureGeneralOptions;
  if (h.projectOptions) f |= kFeatureProjectOptions;
  if (h.windowOptions) f |= kFeatureWindowOptions;
  if (h.globalStrings) f |= kFeatureGlobalStrings;
  if (h.visualCOptions) f |= kFeatureVisualCOptions;
  if (h.visualBasicOptions) f |= kFeatureVisualBasicOptions;
  if (h.delphiOptions) f |= kFeatureDelphiOptions;
  return f;
}

}  // namespace veldor::ui
