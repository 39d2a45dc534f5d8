// The places where the windows and dialogs built elsewhere plug into the
// editor: each is one function, empty until it is wired. A command that
// needs an empty hook stays unavailable (see Feature).
#pragma once

#include <cstdint>
#include <functional>

#include "ui/commands/command_ids.h"

class QWidget;

namespace veldor {
class CTopic;
class CTypeEdit;
class CVeldorDoc;
}  // namespace veldor

namespace veldor::ui {

class ProjectWindow;

struct EditorHooks {
  // The topic dialog on `topic` (a new topic or one of the project); true
  // for "Valider".
  std::function<bool(QWidget* parent, CVeldorDoc& doc, CTopic& topic)> editTopic;
  // The subject type choice: a type code 0 to 5, or -1 when cancelled.
  std::function<int(QWidget* parent)> chooseSubjectType;
  // The subject dialog; true for "&Valider".
  std::function<bool(QWidget* parent, CVeldorDoc& doc, CTypeEdit& subject)> editSubject;
  // The subject exchange dialog; true when it changed the project.
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> exchangeSubjects;
  // Opens the project tree window of `window`: the tree window calls
  // ProjectWindow::SetTreeWindow(itself) when it opens and
  // SetTreeWindow(nullptr) when it closes. Its menu and toolbar take the
  // main window's actions of TreeWindowMenus()/TreeWindowToolbar()
  // (MainWindow::Action), which run `treeCommand` while it is active.
  std::function<void(ProjectWindow& window)> openTree;
  std::function<void(ProjectWindow& window, CommandId command)> treeCommand;
  // The resource lists, image directory change, markers and buttons of a
  // project; true when the project changed.
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> resourceList;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> changeImageDirectory;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> editMarkers;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> editButtons;
  // The tools dialog (also without a project).
  std::function<void(QWidget* parent)> editTools;
  // The option dialogs; true when the project changed. The window
  // options also change the colours of the subject list.
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> generalOptions;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> projectOptions;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> windowOptions;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> globalStrings;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> visualCOptions;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> visualBasicOptions;
  std::function<bool(QWidget* parent, CVeldorDoc& doc)> delphiOptions;
};

// The hooks of the running editor.
EditorHooks& Hooks();
// The Feature bits of the hooks that are set.
uint32_t HookedFeatures();

}  // namespace veldor::ui
