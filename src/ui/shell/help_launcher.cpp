#include "ui/shell/help_launcher.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

#include "platform/messages.h"
#include "platform/process.h"
#include "ui/app/program_help.h"
#include "ui/errors/error_list_view.h"
#include "ui/shell/main_window.h"
#include "ui/shell/project_window.h"
#include "ui/topics/topic_editor_view.h"
#include "ui/topics/topic_list_view.h"
#include "ui/tree/tree_window.h"

namespace veldor::ui {
namespace {

// The help file lies beside the programs; an installed tree may also keep
// it in share/veldor.
std::string HelpFilePath() {
  const QDir dir(QCoreApplication::applicationDirPath());
  for (const QString& candidate :
       {dir.filePath("VELDOR.HLP"), dir.filePath("../share/veldor/VELDOR.HLP")}) {
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath().toStdString();
  }
  return {};
}

class HelpModeFilter : public QObject {
 public:
  HelpModeFilter(QWidget* mainWindow, std::function<void()> done)
      : QObject(qApp), mainWindow_(mainWindow), done_(std::move(done)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;
    std::string context;
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
      context = HelpContextOfAction(menu->actionAt(pos), mainWindow_);
    } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
      context = HelpContextOfAction(bar->actionAt(pos), mainWindow_);
    } else if (auto* button = qobject_cast<QToolButton*>(widget)) {
      context = HelpContextOfAction(button->defaultAction(), mainWindow_);
    }
    if (context.empty()) context = HelpContextOf(widget);
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (auto* menu = qobject_cast<QMenu*>(widget)) menu->close();
    OpenProgramHelp(context);
    if (done_) done_();
    deleteLater();
    return true;
  }

 private:
  QWidget* mainWindow_;
  std::function<void()> done_;
};

}  // namespace

std::string HelpContextOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (qobject_cast<const TopicEditorView*>(w)) return "EDITEUR_TOPIC";
    if (qobject_cast<const TopicListView*>(w)) return "LISTE_TOPICS";
    if (qobject_cast<const ErrorListView*>(w)) return "LISTE_ERREURS";
    if (qobject_cast<const TreeWindow*>(w)) return "ARBRE";
    if (qobject_cast<const ProjectWindow*>(w)) return "FENETRE_PROJET";
    if (w->isWindow()) {
      const std::string topic = HelpContextForTitle(w->windowTitle().toStdString());
      if (!topic.empty()) return topic;
      if (qobject_cast<const MainWindow*>(w)) return "FENETRE_PRINCIPALE";
    }
  }
  return kHelpContents;
}

std::string HelpContextOfAction(const QAction* action, const QWidget* mainWindow) {
  const auto* main = qobject_cast<const QMainWindow*>(mainWindow);
  if (action == nullptr || main == nullptr || main->menuBar() == nullptr) return {};
  for (QAction* top : main->menuBar()->actions()) {
    if (top == action) return HelpContextForMenu(top->text().toStdString());
    QMenu* menu = top->menu();
    if (menu == nullptr) continue;
    // Submenus ("&language", the untitled tools submenu) count as their menu.
    QList<QMenu*> menus{menu};
    for (int i = 0; i < menus.size(); ++i) {
      for (QAction* item : menus[i]->actions()) {
        if (item == action) return HelpContextForMenu(top->text().toStdString());
        if (item->menu() != nullptr) menus.append(item->menu());
      }
    }
  }
  return {};
}

bool OpenProgramHelp(const std::string& context) {
  const std::string helpFile = HelpFilePath();
  const std::string viewer = FindCompanionProgram("veldor-view");
  if (helpFile.empty() || viewer.empty()) {
    Messages().Message(helpFile.empty() ? "Fichier d'aide VELDOR.HLP introuvable."
                                        : "Visualiseur d'aide veldor-view introuvable.",
                       "Aide de Veldor", MessageIcon::Error);
    return false;
  }
  const ProcessResult result = RunCommandLine(ViewerCommandLine(viewer, helpFile, context), false);
  if (!result.started) {
    Messages().Message("Impossible de lancer " + viewer + " : " + result.error, "Aide de Veldor",
                       MessageIcon::Error);
  }
  return result.started;
}

void StartHelpMode(QWidget* mainWindow, std::function<void()> done) {
  QApplication::setOverrideCursor(Qt::WhatsThisCursor);
  qApp->installEventFilter(new HelpModeFilter(mainWindow, std::move(done)));
}

}  // namespace veldor::ui
