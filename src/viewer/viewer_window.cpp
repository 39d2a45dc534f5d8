#include "viewer/viewer_window.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "hlpfile/help_file.h"
#include "platform/process.h"
#include "viewer/index_dialog.h"
#include "viewer/topic_view.h"

namespace veldor::viewer {

namespace {

const QString kCaption = QStringLiteral("Aide Veldor");

QColor Colour(uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// A pop-up: a small frameless window that closes on the next click; a
// click on a link follows it first.
class PopupWindow : public QWidget {
 public:
  PopupWindow(ViewerWindow* owner, const hlp::HelpDocument& document, int topic)
      : QWidget(owner, Qt::Popup), owner_(owner), topic_(topic) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QStringLiteral("Fenêtre contextuelle"));
    view_ = new TopicView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view_);
    resize(360, 160);
    view_->ShowTopic(document, topic);
    QTextDocument* text = view_->scrollingDocument();
    text->setTextWidth(340);
    resize(360, std::min(480, static_cast<int>(text->size().height()) + 16));
    for (QTextBrowser* browser : {view_->scrollingBrowser(), view_->nonScrollingBrowser()}) {
      browser->viewport()->installEventFilter(this);
    }
  }
  TopicView* view() const { return view_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      auto* browser = qobject_cast<QTextBrowser*>(watched->parent());
      const QString anchor =
          browser ? browser->anchorAt(static_cast<QMouseEvent*>(event)->position().toPoint())
                  : QString();
      QPointer<ViewerWindow> owner = owner_;
      const int topic = topic_;
      close();
      if (!anchor.isEmpty() && owner) owner->ActivateLink(anchor, topic);
      return true;
    }
    return QWidget::eventFilter(watched, event);
  }

 private:
  ViewerWindow* owner_;
  int topic_;
  TopicView* view_;
};

// A secondary window shaped by a window definition of the file.
class SecondaryWindow : public QWidget {
 public:
  SecondaryWindow(ViewerWindow* owner, const hlp::HelpWindow& definition)
      : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(definition.caption));
    setAccessibleName(QString::fromStdString(definition.caption));
    view_ = new TopicView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    if (definition.background || definition.nonScrollBackground) {
      view_->SetBackgrounds(Colour(definition.background.value_or(0xFFFFFF)),
                            Colour(definition.nonScrollBackground.value_or(0xFFFFFF)));
    }
    // Positions are in 1/1024 of the screen.
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1024, 768);
    auto scale = [](std::optional<int> v, int size, int fallback) {
      return v ? std::clamp(*v, 0, 1023) * size / 1024 : fallback;
    };
    resize(std::max(120, scale(definition.width, screen.width(), 400)),
           std::max(80, scale(definition.height, screen.height(), 300)));
    move(screen.left() + scale(definition.x, screen.width(), 100),
         screen.top() + scale(definition.y, screen.height(), 100));
    if (definition.onTop) setWindowFlag(Qt::WindowStaysOnTopHint);
    connect(view_, &TopicView::linkActivated, owner,
            [owner, this](const QString& href) { owner->ActivateLink(href, topic_); });
  }
  void Show(const hlp::HelpDocument& document, int topic) {
    topic_ = topic;
    view_->ShowTopic(document, topic);
  }
  TopicView* view() const { return view_; }

 private:
  TopicView* view_;
  int topic_ = -1;
};

QAction* MakeAction(QWidget* parent, const QString& text, const QString& name) {
  auto* action = new QAction(text, parent);
  action->setToolTip(name);
  action->setStatusTip(name);
  return action;
}

}  // namespace

ViewerWindow::ViewerWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(kCaption);
  setAccessibleName(kCaption);
  view_ = new TopicView(this);
  setCentralWidget(view_);
  connect(view_, &TopicView::linkActivated, this,
          [this](const QString& href) { ActivateLink(href, session_.current()); });

  contents_ = MakeAction(this, QStringLiteral("&Sommaire"), QStringLiteral("Sommaire"));
  index_ = MakeAction(this, QStringLiteral("&Index"), QStringLiteral("Index"));
  back_ = MakeAction(this, QStringLiteral("&Précédent"), QStringLiteral("Précédent"));
  history_ = MakeAction(this, QStringLiteral("&Historique"), QStringLiteral("Historique"));
  previous_ = MakeAction(this, QStringLiteral("<<"), QStringLiteral("Rubrique précédente"));
  next_ = MakeAction(this, QStringLiteral(">>"), QStringLiteral("Rubrique suivante"));
  connect(contents_, &QAction::triggered, this, [this] { ShowTopic(session_.ContentsTopic()); });
  connect(index_, &QAction::triggered, this, [this] { ShowIndex(); });
  connect(back_, &QAction::triggered, this, [this] { GoBack(); });
  connect(history_, &QAction::triggered, this, [this] { ShowHistory(); });
  connect(previous_, &QAction::triggered, this, [this] { BrowsePrevious(); });
  connect(next_, &QAction::triggered, this, [this] { BrowseNext(); });

  toolbar_ = addToolBar(QStringLiteral("Boutons"));
  toolbar_->setAccessibleName(QStringLiteral("Boutons"));
  toolbar_->setMovable(false);
  for (QAction* action : {contents_, index_, back_, history_, previous_, next_}) {
    toolbar_->addAction(action);
    if (QWidget* button = toolbar_->widgetForAction(action)) {
      button->setAccessibleName(action->toolTip());
    }
  }
  previous_->setVisible(false);
  next_->setVisible(false);

  menuBar()->setAccessibleName(QStringLiteral("Menus"));
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
  file->setAccessibleName(QStringLiteral("Fichier"));
  QAction* open = file->addAction(QStringLiteral("&Ouvrir..."));
  open->setShortcut(QKeySequence::Open);
  connect(open, &QAction::triggered, this, [this] { OpenDialog(); });
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("&Quitter"));
  connect(quit, &QAction::triggered, this, [this] { Quit(); });
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Aide"));
  help->setAccessibleName(QStringLiteral("Aide"));
  QAction* about = help->addAction(QStringLiteral("&A propos de l'aide..."));
  connect(about, &QAction::triggered, this, [this] {
    const hlp::HelpDocument* d = session_.document();
    const QString text = d ? QString::fromStdString(d->title + "\n" + d->copyright)
                           : QStringLiteral("Visionneuse d'aide Veldor");
    if (messageSink) {
      messageSink(text);
    } else {
      QMessageBox::about(this, QStringLiteral("A propos de l'aide"), text);
    }
  });
  resize(640, 560);
  UpdateActions();
}

ViewerWindow::~ViewerWindow() = default;

bool ViewerWindow::OpenFile(const QString& path) {
  std::string error;
  if (!session_.Open(path.toStdString(), error)) {
    Error("Impossible d'ouvrir le fichier d'aide " + path.toStdString() + ".\n" + error);
    return false;
  }
  for (auto& [name, window] : secondary_) {
    if (window) window->close();
  }
  secondary_.clear();
  browseButtons_ = false;
  const hlp::HelpDocument& d = *session_.document();
  setWindowTitle(d.title.empty() ? kCaption : QString::fromStdString(d.title));
  for (const auto& window : d.windows) {
    if (window.name == "main" || window.name == "MAIN") {
      if (window.background || window.nonScrollBackground) {
        view_->SetBackgrounds(Colour(window.background.value_or(0xFFFFFF)),
                              Colour(window.nonScrollBackground.value_or(0xFFFFFF)));
      }
      if (!window.caption.empty()) setWindowTitle(QString::fromStdString(window.caption));
    }
  }
  for (const std::string& macro : d.macros) session_.RunMacros(macro, *this);
  UpdateActions();
  return true;
}

TopicView* ViewerWindow::popupView() const {
  auto* popup = static_cast<PopupWindow*>(popup_.data());
  return popup ? popup->view() : nullptr;
}

TopicView* ViewerWindow::secondaryView(const std::string& name) const {
  auto it = secondary_.find(name);
  if (it == secondary_.end() || !it->second) return nullptr;
  return static_cast<SecondaryWindow*>(it->second.data())->view();
}

void ViewerWindow::ActivateLink(const QString& href, int topic) {
  const hlp::HelpDocument* d = session_.document();
  if (!d || topic < 0 || topic >= static_cast<int>(d->topics.size())) return;
  const QStringList parts = href.split(QLatin1Char(':'));
  if (parts.size() == 2 && parts[0] == QLatin1String("link")) {
    const int index = parts[1].toInt();
    const auto& links = d->topics[topic].links;
    if (index >= 0 && index < static_cast<int>(links.size())) session_.Follow(links[index], *this);
  } else if (parts.size() == 3 &&
             (parts[0] == QLatin1String("hot") || parts[0] == QLatin1String("hotem"))) {
    hlp::HelpPicture picture;
    std::string error;
    const int spot = parts[2].toInt();
    hlp::HelpRun run;
    (parts[0] == QLatin1String("hot") ? run.picture : run.embedded) = parts[1].toInt();
    if (hlp::LoadRunPicture(*d, run, picture, error) && spot >= 0 &&
        spot < static_cast<int>(picture.hotspots.size())) {
      session_.Follow(picture.hotspots[spot].link, *this);
    }
  }
}

void ViewerWindow::Display() {
  const hlp::HelpDocument* d = session_.document();
  if (!d || session_.current() < 0) return;
  view_->ShowTopic(*d, session_.current());
  for (const std::string& macro : d->topics[session_.current()].macros) {
    session_.RunMacros(macro, *this);
  }
  UpdateActions();
}

void ViewerWindow::UpdateActions() {
  const bool open = session_.document() != nullptr;
  contents_->setEnabled(open);
  index_->setEnabled(open && !session_.document()->keywords.empty());
  back_->setEnabled(session_.CanGoBack());
  history_->setEnabled(!session_.history().empty());
  previous_->setVisible(browseButtons_);
  next_->setVisible(browseButtons_);
  previous_->setEnabled(session_.BrowsePreviousTopic() >= 0);
  next_->setEnabled(session_.BrowseNextTopic() >= 0);
}

void ViewerWindow::ShowTopic(int topic) {
  if (session_.Navigate(topic)) Display();
}

void ViewerWindow::ShowInWindow(int topic, int window) {
  const hlp::HelpDocument* d = session_.document();
  if (!d) return;
  if (window < 0 || window >= static_cast<int>(d->windows.size())) {
    ShowTopic(topic);
    return;
  }
  const hlp::HelpWindow& definition = d->windows[window];
  if (definition.name == "main" || definition.name == "MAIN") {
    ShowTopic(topic);
    return;
  }
  QPointer<QWidget>& slot = secondary_[definition.name];
  if (!slot) slot = new SecondaryWindow(this, definition);
  auto* secondary = static_cast<SecondaryWindow*>(slot.data());
  secondary->Show(*d, topic);
  secondary->show();
  secondary->raise();
}

void ViewerWindow::ShowPopup(int topic) {
  const hlp::HelpDocument* d = session_.document();
  if (!d) return;
  if (popup_) popup_->close();
  auto* popup = new PopupWindow(this, *d, topic);
  popup_ = popup;
  popup->move(QCursor::pos() + QPoint(8, 8));
  popup->show();
}

void ViewerWindow::GoBack() {
  if (session_.Back()) Display();
}

void ViewerWindow::ShowBrowseButtons() {
  browseButtons_ = true;
  UpdateActions();
}

void ViewerWindow::BrowseNext() {
  const int topic = session_.BrowseNextTopic();
  if (topic >= 0) ShowTopic(topic);
}

void ViewerWindow::BrowsePrevious() {
  const int topic = session_.BrowsePreviousTopic();
  if (topic >= 0) ShowTopic(topic);
}

void ViewerWindow::CloseWindow(const std::string& name) {
  for (auto& [windowName, window] : secondary_) {
    if (window && QString::fromStdString(windowName)
                          .compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0) {
      window->close();
    }
  }
  if (name.empty() || name == "main") close();
}

void ViewerWindow::Quit() {
  close();
}

void ViewerWindow::ShowHistory() {
  const hlp::HelpDocument* d = session_.document();
  if (!d) return;
  QDialog dialog(this);
  dialog.setWindowTitle(QStringLiteral("Historique"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  list->setAccessibleName(QStringLiteral("Rubriques consultées"));
  const auto& history = session_.history();
  for (auto it = history.rbegin(); it != history.rend(); ++it) {
    auto* item = new QListWidgetItem(QString::fromStdString(d->topics[*it].title), list);
    item->setData(Qt::UserRole, *it);
  }
  layout->addWidget(list);
  connect(list, &QListWidget::itemActivated, &dialog, [&](QListWidgetItem* item) {
    dialog.done(QDialog::Accepted + 1 + item->data(Qt::UserRole).toInt());
  });
  const int result = dialog.exec();
  if (result > QDialog::Accepted) ShowTopic(result - QDialog::Accepted - 1);
}

void ViewerWindow::ShowIndex() {
  if (!session_.document()) return;
  IndexDialog dialog(session_, this);
  if (dialog.exec() == QDialog::Accepted && dialog.chosenTopic() >= 0) {
    ShowTopic(dialog.chosenTopic());
  }
}

void ViewerWindow::RunProgram(const std::string& commandLine) {
  if (programSink) {
    programSink(commandLine);
    return;
  }
  const ProcessResult result = RunCommandLine(commandLine, false);
  if (!result.started) Error("Impossible de lancer " + commandLine + ".\n" + result.error);
}

void ViewerWindow::Error(const std::string& text) {
  const QString message = QString::fromStdString(text);
  if (messageSink) {
    messageSink(message);
  } else {
    QMessageBox::warning(this, kCaption, message);
  }
}

void ViewerWindow::OpenDialog() {
  const QString path = QFileDialog::getOpenFileName(
      this, QStringLiteral("Ouvrir un fichier d'aide"), QString(),
      QStringLiteral("Fichiers d'aide (*.hlp *.HLP);;Tous les fichiers (*)"));
  if (!path.isEmpty() && OpenFile(path)) ShowTopic(session_.ContentsTopic());
}

}  // namespace veldor::viewer
