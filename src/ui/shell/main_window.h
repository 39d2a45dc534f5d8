// The main window: the project windows in a multiple-document area, the
// menus and toolbars built from the command table, the status bar, the
// recent files and the dropping of project files. It routes every command
// to the level that carries it out and keeps their availability current.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "ui/app/startup.h"
#include "ui/commands/command_context.h"
#include "ui/commands/command_ids.h"
#include "ui/commands/menu_layout.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QUrl;
class QToolBar;

namespace veldor {
class CVeldorDoc;
}

namespace veldor::ui {

class ProjectWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(StartupState state, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a project file (or shows its window when it is already open).
  ProjectWindow* OpenProject(const QString& path);
  ProjectWindow* NewProject();
  // Files dropped on the window: each local file is opened in turn.
  void OpenDroppedFiles(const QList<QUrl>& urls);
  ProjectWindow* ActiveProject() const;
  // The project commands act on: the one whose tree window is the active
  // window, else the active project window.
  ProjectWindow* CommandProject() const;
  QList<ProjectWindow*> Projects() const;

  // The context the availability of commands is computed from.
  CommandContext CurrentContext() const;
  // Runs a command as the menus would (nothing when it is unavailable).
  void Execute(CommandId id);
  QAction* Action(CommandId id) const { return actions_[static_cast<size_t>(id)]; }
  // Recomputes the availability of every command.
  void UpdateActions();
  // True while the reduced menu (no project) is shown.
  bool ReducedMenuShown() const { return reducedShown_; }
  QMdiArea& area() { return *area_; }
  RecentFiles& recentFiles() { return state_.recentFiles; }
  QToolBar* toolbar(const char* name) const;

  // Application-level commands.
  void OpenWithDialog();
  void OpenRecent(int index);
  void Quit();
  void PrintSetup();
  void About();
  void EnterHelpMode();
  void ArrangeIcons();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void BuildMenus(const std::vector<MenuSpec>& menus);
  QToolBar* AddToolbar(const ToolbarSpec& spec, Qt::ToolBarArea area, bool icons);
  void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
  void CreateStatusBar();
  void UpdateMenuBar();
  void UpdateRecentFiles();
  void UpdateTitle();
  void AddRecent(const std::string& path);
  ProjectWindow* AddProjectWindow(std::unique_ptr<CVeldorDoc> doc);

  StartupState state_;
  QMdiArea* area_;
  std::array<QAction*, kCommandCount> actions_{};
  bool reducedShown_ = false;
  bool menusBuilt_ = false;
  int untitledCount_ = 0;
  QTimer* idle_;
};

}  // namespace veldor::ui
