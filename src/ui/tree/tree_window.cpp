#include "ui/tree/tree_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "model/document.h"
#include "platform/codepage.h"
#include "ui/tree/topic_tree_builder.h"
#include "ui/tree/tree_view.h"

namespace veldor {

TreeWindow::TreeWindow(CVeldorDoc& doc, QWidget* projectWindow)
    : QMainWindow(projectWindow, Qt::Window), doc_(doc) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Arbre"));
  setAccessibleName(QStringLiteral("Arbre"));
  setGeometry(10, 10, 400, 400);

  auto* refreshAction = new QAction(QStringLiteral("&Rafraichir"), this);
  refreshAction->setStatusTip(QStringLiteral("Rafraichit l'arbre"));
  connect(refreshAction, &QAction::triggered, this, &TreeWindow::refresh);
  auto* openAllAction = new QAction(QStringLiteral("&Ouvre tout"), this);
  openAllAction->setStatusTip(QStringLiteral("Ouvre tout l'arbre"));
  connect(openAllAction, &QAction::triggered, this, &TreeWindow::openAll);
  // Closing every node is offered by the menu but never available.
  auto* closeAllAction = new QAction(QString(), this);
  closeAllAction->setStatusTip(QStringLiteral("ferme tout l'arbre"));
  closeAllAction->setEnabled(false);

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  options->addAction(refreshAction);
  options->addAction(openAllAction);
  options->addAction(closeAllAction);

  QToolBar* toolBar = addToolBar(QStringLiteral("Options"));
  toolBar->setAccessibleName(QStringLiteral("Options"));
  toolBar->setMovable(false);
  toolBar->addAction(refreshAction);
  toolBar->addAction(openAllAction);
  // The window has no status bar: its buttons show their prompts as tips.
  refreshAction->setToolTip(refreshAction->statusTip());
  openAllAction->setToolTip(openAllAction->statusTip());

  view_ = new ProjectTreeView(this);
  setCentralWidget(view_);
  view_->setFocus();
  connect(view_, &ProjectTreeView::topicActivated, this, [this](const std::string& name) {
    emit showTopicRequested(doc_.IndexOfTopic(name), QString::fromStdString(Cp1252ToUtf8(name)));
  });
  refresh();
}

void TreeWindow::refresh() {
  BuildTopicTree(doc_, view_->tree());
  view_->TreeChanged();
}

void TreeWindow::openAll() {
  view_->tree().ExpandAll();
  view_->TreeChanged();
}

void TreeWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) emit closed();
}

}  // namespace veldor
