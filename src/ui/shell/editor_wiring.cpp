#include "ui/shell/editor_wiring.h"

#include "model/app_settings.h"
#include "platform/settings_store.h"
#include "ui/dialogs/dialog_launchers.h"
#include "ui/shell/editor_hooks.h"
#include "ui/shell/project_window.h"
#include "ui/topics/topic_editor_view.h"
#include "ui/tree/tree_window.h"

namespace veldor::ui {
namespace {

void OpenTree(ProjectWindow& window) {
  auto* tree = new TreeWindow(window.document(), &window);
  QObject::connect(tree, &TreeWindow::showTopicRequested, &window,
                   [&window](int, const QString& name) {
                     window.editor().ShowTopic(name.toStdString(), true, -1);
                   });
  QObject::connect(tree, &TreeWindow::closed, &window,
                   [&window] { window.SetTreeWindow(nullptr); });
  window.SetTreeWindow(tree);
  tree->show();
}

void RunTreeCommand(ProjectWindow& window, CommandId command) {
  auto* tree = qobject_cast<TreeWindow*>(window.treeWindow());
  if (tree == nullptr) return;
  if (command == CommandId::TreeRefresh) tree->refresh();
  if (command == CommandId::TreeExpandAll) tree->openAll();
}

}  // namespace

void WireEditorHooks() {
  EditorHooks& hooks = Hooks();
  hooks.editTopic = [](QWidget* parent, CVeldorDoc& doc, CTopic& topic) {
    return EditTopicDialog(parent, doc, topic);
  };
  hooks.chooseSubjectType = [](QWidget* parent) {
    return ChooseSubjectTypeDialog(parent).value_or(-1);
  };
  hooks.editSubject = [](QWidget* parent, CVeldorDoc& doc, CTypeEdit& subject) {
    return EditSubjectDialog(parent, doc, subject);
  };
  hooks.exchangeSubjects = &ExchangeSubjectsDialog;
  hooks.openTree = &OpenTree;
  hooks.treeCommand = &RunTreeCommand;
  hooks.resourceList = [](QWidget* parent, CVeldorDoc& doc) {
    ShowResourceListDialog(parent, doc);
    return false;
  };
  hooks.changeImageDirectory = [](QWidget* parent, CVeldorDoc& doc) {
    return ChangeImageDirectoryDialog(parent, doc, SettingsStore::Instance()) > 0;
  };
  hooks.editMarkers = [](QWidget* parent, CVeldorDoc&) {
    EditElementsDialog(parent, false);
    return false;
  };
  hooks.editButtons = [](QWidget* parent, CVeldorDoc&) {
    EditElementsDialog(parent, true);
    return false;
  };
  hooks.editTools = [](QWidget* parent) {
    EditToolsDialog(parent, CAppSettings::Instance(), SettingsStore::Instance());
  };
  // The default styles belong to the program, not to the project.
  hooks.generalOptions = [](QWidget* parent, CVeldorDoc&) {
    EditDefaultStylesDialog(parent, CAppSettings::Instance(), SettingsStore::Instance());
    return false;
  };
  hooks.projectOptions = &EditProjectOptionsDialog;
  hooks.windowOptions = &EditHelpWindowsDialog;
  hooks.globalStrings = &EditGlobalStringsDialog;
  hooks.visualCOptions = &EditVisualCppLinkDialog;
  hooks.visualBasicOptions = [](QWidget* parent, CVeldorDoc& doc) {
    return EditVisualBasicLinkDialog(parent, doc, SettingsStore::Instance());
  };
  hooks.delphiOptions = [](QWidget* parent, CVeldorDoc& doc) {
    return EditDelphiLinkDialog(parent, doc, SettingsStore::Instance());
  };
}

}  // namespace veldor::ui
