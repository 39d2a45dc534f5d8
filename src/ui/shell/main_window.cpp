#include "ui/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/settings_store.h"
#include "ui/app/clipboards.h"
#include "ui/app/message_boxes.h"
#include "ui/app/ui_text.h"
#include "ui/commands/command_routing.h"
#include "ui/commands/command_table.h"
#include "ui/shell/command_handlers.h"
#include "ui/shell/editor_hooks.h"
#include "ui/shell/help_launcher.h"
#include "ui/shell/project_window.h"
#include "ui/topics/topic_editor_view.h"

namespace veldor::ui {

namespace {

constexpr int kIdleMilliseconds = 250;

QIcon StandardIcon(CommandId id) {
  QStyle* style = QApplication::style();
  switch (id) {
    case CommandId::FileNew:
      return style->standardIcon(QStyle::SP_FileIcon);
    case CommandId::FileOpen:
      return style->standardIcon(QStyle::SP_DialogOpenButton);
    case CommandId::FileSave:
      return style->standardIcon(QStyle::SP_DialogSaveButton);
    case CommandId::AppAbout:
      return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case CommandId::HelpMode:
      return style->standardIcon(QStyle::SP_TitleBarContextHelpButton);
    case CommandId::FilePrint:
      return style->standardIcon(QStyle::SP_ComputerIcon);
    default:
      return {};
  }
}

ProjectWindow* ProjectOf(QMdiSubWindow* sub) {
  return sub ? qobject_cast<ProjectWindow*>(sub->widget()) : nullptr;
}

}  // namespace

MainWindow::MainWindow(StartupState state, QWidget* parent)
    : QMainWindow(parent), state_(std::move(state)) {
  setObjectName("mainWindow");
  setAccessibleName(DocumentTemplate::kWindowTitle);
  setAcceptDrops(true);
  area_ = new QMdiArea(this);
  area_->setObjectName("projectArea");
  area_->setAccessibleName("Projets");
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(area_);
  CreateActions();
  AddToolbar(MainToolbar(), Qt::TopToolBarArea, true);
  AddToolbar(BuildToolbar(), Qt::TopToolBarArea, false);
  AddToolbar(OptionsToolbar(), Qt::RightToolBarArea, false);
  CreateStatusBar();
  UpdateMenuBar();
  UpdateRecentFiles();
  UpdateTitle();

  connect(area_, &QMdiArea::subWindowActivated, this, [this] {
    UpdateTitle();
    UpdateActions();
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    ProjectWindow* project = ActiveProject();
    Pane pane;
    if (project != nullptr && now != nullptr && project->PaneOf(now, &pane)) {
      project->SetActivePane(pane);
    }
  });
  // Availability is also refreshed while idle, for what changes without
  // a signal (another window's clipboard use, the files on disk).
  idle_ = new QTimer(this);
  idle_->setInterval(kIdleMilliseconds);
  connect(idle_, &QTimer::timeout, this, &MainWindow::UpdateActions);
  idle_->start();
  resize(1000, 720);
  UpdateActions();
}

MainWindow::~MainWindow() {
  // The area and the project windows signal while they are torn down.
  idle_->stop();
  disconnect(qApp, nullptr, this, nullptr);
  disconnect(area_, nullptr, this, nullptr);
  for (ProjectWindow* p : Projects()) disconnect(p, nullptr, this, nullptr);
}

void MainWindow::CreateActions() {
  for (const CommandRow& row : CommandTable()) {
    auto* action = new QAction(FromUtf8(row.menuText), this);
    action->setObjectName(row.name);
    action->setStatusTip(FromUtf8(row.prompt));
    // Toolbar buttons show the text without its shortcut part.
    action->setIconText(FromUtf8(row.menuText).section('\t', 0, 0).remove('&'));
    action->setWhatsThis(FromUtf8(row.prompt));
    QList<QKeySequence> keys;
    for (const char* key : row.shortcuts) keys << QKeySequence(key);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(row.checkable);
    action->setIcon(StandardIcon(row.id));
    action->setIconVisibleInMenu(false);
    const CommandId id = row.id;
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    // Accelerators work even when their command is in no visible menu.
    addAction(action);
    actions_[static_cast<size_t>(row.id)] = action;
  }
  Action(CommandId::ViewToolbar)->setChecked(true);
  Action(CommandId::ViewStatusBar)->setChecked(true);
}

QToolBar* MainWindow::AddToolbar(const ToolbarSpec& spec, Qt::ToolBarArea where, bool icons) {
  auto* bar = new QToolBar(FromUtf8(spec.title), this);
  bar->setObjectName(spec.name);
  bar->setAccessibleName(FromUtf8(spec.title));
  bar->setMovable(true);
  bar->setFloatable(true);
  bar->setToolButtonStyle(icons ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
  for (const MenuEntry& e : spec.buttons) {
    if (e.kind == MenuEntry::Separator) {
      bar->addSeparator();
    } else {
      QAction* action = Action(e.id);
      bar->addAction(action);
    }
  }
  addToolBar(where, bar);
  return bar;
}

QToolBar* MainWindow::toolbar(const char* name) const {
  return findChild<QToolBar*>(name);
}

void MainWindow::AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& e : entries) {
    switch (e.kind) {
      case MenuEntry::Separator:
        menu->addSeparator();
        break;
      case MenuEntry::Submenu: {
        QMenu* sub = menu->addMenu(FromUtf8(e.text));
        sub->setAccessibleName(QString(e.text).remove('&'));
        AddEntries(sub, e.children);
        break;
      }
      case MenuEntry::RecentFiles:
        for (CommandId id : {CommandId::RecentFile1, CommandId::RecentFile2, CommandId::RecentFile3,
                             CommandId::RecentFile4}) {
          menu->addAction(Action(id));
        }
        break;
      case MenuEntry::Command:
        if (e.text != nullptr) {
          // The reduced menu names a few commands differently: a twin
          // action that runs the same command.
          auto* twin = new QAction(FromUtf8(e.text), menu);
          twin->setStatusTip(Action(e.id)->statusTip());
          const CommandId id = e.id;
          connect(twin, &QAction::triggered, this, [this, id] { Execute(id); });
          connect(Action(e.id), &QAction::changed, twin,
                  [twin, a = Action(e.id)] { twin->setEnabled(a->isEnabled()); });
          menu->addAction(twin);
        } else {
          menu->addAction(Action(e.id));
        }
        break;
    }
  }
}

void MainWindow::BuildMenus(const std::vector<MenuSpec>& menus) {
  QMenuBar* bar = menuBar();
  for (QAction* a : bar->actions()) {
    if (QMenu* m = a->menu()) m->deleteLater();
  }
  bar->clear();
  for (const MenuSpec& spec : menus) {
    QMenu* menu = bar->addMenu(FromUtf8(spec.title));
    menu->setAccessibleName(QString(spec.title).remove('&'));
    AddEntries(menu, spec.entries);
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateActions);
  }
}

void MainWindow::UpdateMenuBar() {
  const bool reduced = Projects().isEmpty();
  if (menusBuilt_ && reduced == reducedShown_) return;
  menusBuilt_ = true;
  reducedShown_ = reduced;
  BuildMenus(reduced ? ReducedMenus() : ProjectMenus());
}

void MainWindow::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("statusBar");
  bar->setAccessibleName("Barre de status");
  for (const char* indicator : {"MAJ", "NUM", "SCRL"}) {
    auto* label = new QLabel(indicator, bar);
    label->setObjectName(indicator);
    label->setAccessibleName(indicator);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setEnabled(false);  // the lock states are not known to the program
    bar->addPermanentWidget(label);
  }
  bar->showMessage("Prêt");
}

void MainWindow::UpdateTitle() {
  QString title = DocumentTemplate::kWindowTitle;
  if (ProjectWindow* project = ActiveProject()) {
    title += " - " + project->DisplayName();
    if (project->document().IsModified()) title += " *";
  }
  if (windowTitle() != title) setWindowTitle(title);
}

void MainWindow::UpdateRecentFiles() {
  const auto& entries = state_.recentFiles.Entries();
  const CommandId ids[] = {CommandId::RecentFile1, CommandId::RecentFile2, CommandId::RecentFile3,
                           CommandId::RecentFile4};
  for (int i = 0; i < RecentFiles::kSize; ++i) {
    QAction* action = Action(ids[i]);
    const bool used = i < static_cast<int>(entries.size());
    action->setVisible(used);
    if (used) {
      action->setText(FromUtf8(RecentFiles::MenuText(i, entries[static_cast<size_t>(i)])));
    }
  }
}

void MainWindow::AddRecent(const std::string& path) {
  state_.recentFiles.Add(path);
  state_.recentFiles.Save(SettingsStore::Instance());
  UpdateRecentFiles();
}

// --- Commands ----------------------------------------------------------------

CommandContext MainWindow::CurrentContext() const {
  CommandContext c;
  c.topicClipboardCount = SharedClipboards().topics.Count();
  c.subjectClipboardCount = SharedClipboards().subjects.Count();
  c.features = HookedFeatures();
  for (ProjectWindow* p : Projects()) c.buildRunning = c.buildRunning || p->building();
  if (ProjectWindow* project = CommandProject()) project->FillContext(c);
  return c;
}

void MainWindow::UpdateActions() {
  const CommandContext context = CurrentContext();
  for (const CommandRow& row : CommandTable()) {
    QAction* action = Action(row.id);
    const bool enabled = Resolve(row.id, context).enabled;
    if (action->isEnabled() != enabled) action->setEnabled(enabled);
  }
  Action(CommandId::ViewToolbar)->setChecked(toolbar("mainToolbar")->isVisible() || isHidden());
  Action(CommandId::ViewStatusBar)->setChecked(statusBar()->isVisible() || isHidden());
  UpdateMenuBar();
  UpdateTitle();
}

void MainWindow::Execute(CommandId id) {
  const CommandContext context = CurrentContext();
  if (!Resolve(id, context).enabled) return;
  CommandHandler handler = HandlerOf(id);
  if (handler == nullptr) return;
  CommandTargets targets{*this, CommandProject()};
  handler(targets);
  UpdateActions();
}

// --- Projects ----------------------------------------------------------------

ProjectWindow* MainWindow::ActiveProject() const {
  QMdiSubWindow* sub = area_->activeSubWindow();
  if (sub == nullptr) {
    const auto list = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
    if (!list.isEmpty()) sub = list.last();
  }
  return ProjectOf(sub);
}

ProjectWindow* MainWindow::CommandProject() const {
  for (ProjectWindow* p : Projects()) {
    if (p->treeWindow() != nullptr && p->treeWindow()->isActiveWindow()) return p;
  }
  return ActiveProject();
}

QList<ProjectWindow*> MainWindow::Projects() const {
  QList<ProjectWindow*> list;
  for (QMdiSubWindow* sub : area_->subWindowList()) {
    if (ProjectWindow* p = ProjectOf(sub)) list << p;
  }
  return list;
}

ProjectWindow* MainWindow::AddProjectWindow(std::unique_ptr<CVeldorDoc> doc) {
  const QString untitled =
      doc->GetPathName().empty()
          ? QString("%1%2").arg(DocumentTemplate::kDocumentName).arg(++untitledCount_)
          : QString();
  auto* project = new ProjectWindow(std::move(doc), untitled);
  // The project window's own toolbar: the subject clipboard commands.
  const ToolbarSpec& spec = ProjectWindowToolbar();
  QToolBar* bar = project->addToolBar(FromUtf8(spec.title));
  bar->setObjectName(spec.name);
  bar->setAccessibleName(FromUtf8(spec.title));
  for (const MenuEntry& e : spec.buttons) bar->addAction(Action(e.id));
  QMdiSubWindow* sub = area_->addSubWindow(project);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(project->DisplayName());
  sub->setAccessibleName(project->DisplayName());
  connect(project, &ProjectWindow::stateChanged, this, [this, sub, project] {
    sub->setWindowTitle(project->DisplayName());
    sub->setAccessibleName(project->DisplayName());
    UpdateActions();
  });
  connect(project, &ProjectWindow::fileSaved, this,
          [this](const QString& path) { AddRecent(ToUtf8(path)); });
  connect(project, &QObject::destroyed, this,
          [this] { QTimer::singleShot(0, this, &MainWindow::UpdateActions); });
  sub->showMaximized();
  area_->setActiveSubWindow(sub);
  project->editor().topicSelector().setFocus();
  UpdateActions();
  return project;
}

ProjectWindow* MainWindow::NewProject() {
  return AddProjectWindow(std::make_unique<CVeldorDoc>());
}

ProjectWindow* MainWindow::OpenProject(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  for (ProjectWindow* p : Projects()) {
    if (FromUtf8(p->document().GetPathName()) == absolute) {
      for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (sub->widget() == p) area_->setActiveSubWindow(sub);
      }
      return p;
    }
  }
  auto doc = std::make_unique<CVeldorDoc>();
  std::string error;
  bool ok = false;
  {
    WaitCursor wait;
    ok = doc->Open(ToUtf8(absolute), &error);
  }
  if (!ok) {
    Messages().Message("L'ouverture du document a échoué.\n" + error, "", MessageIcon::Error);
    return nullptr;
  }
  doc->SetPathName(ToUtf8(absolute));
  doc->SetModifiedFlag(false);
  AddRecent(ToUtf8(absolute));
  return AddProjectWindow(std::move(doc));
}

void MainWindow::OpenWithDialog() {
  const QString path =
      QFileDialog::getOpenFileName(this, "Ouvrir", QString(), DocumentTemplate::kFilterName);
  if (!path.isEmpty()) OpenProject(path);
}

void MainWindow::OpenRecent(int index) {
  const auto& entries = state_.recentFiles.Entries();
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  const std::string path = entries[static_cast<size_t>(index)];
  if (OpenProject(FromUtf8(path)) == nullptr) {
    state_.recentFiles.Remove(path);
    state_.recentFiles.Save(SettingsStore::Instance());
    UpdateRecentFiles();
  }
}

void MainWindow::Quit() {
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  for (ProjectWindow* p : Projects()) {
    if (p->building() || !p->CanClose()) {
      event->ignore();
      return;
    }
  }
  for (ProjectWindow* p : Projects()) p->document().SetModifiedFlag(false);
  area_->closeAllSubWindows();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  OpenDroppedFiles(event->mimeData()->urls());
  event->acceptProposedAction();
}

void MainWindow::OpenDroppedFiles(const QList<QUrl>& urls) {
  for (const QUrl& url : urls) {
    if (url.isLocalFile()) OpenProject(url.toLocalFile());
  }
}

void MainWindow::PrintSetup() {
  QPrinter printer;
  QPageSetupDialog dialog(&printer, this);
  dialog.exec();
}

void MainWindow::About() {
  QMessageBox box(QMessageBox::Information, "A propos de Veldor",
                  "Veldor\nAtelier de fichiers d'aide Windows", QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::EnterHelpMode() {
  statusBar()->showMessage("Choisir l'objet dont on désire l'aide");
  StartHelpMode(this, [this] { statusBar()->clearMessage(); });
}

void MainWindow::ArrangeIcons() {
  int x = 0;
  for (QMdiSubWindow* sub : area_->subWindowList()) {
    if (!sub->isMinimized()) continue;
    sub->move(x, area_->viewport()->height() - sub->height());
    x += sub->width();
  }
}

}  // namespace veldor::ui
