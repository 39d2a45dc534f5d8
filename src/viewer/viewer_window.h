// The main window of veldor-view: the topic shown, the buttons
// ("Sommaire", "Index", "Précédent", "Historique" and, when the file asks
// for them, the browse buttons "<<" and ">>"), pop-ups and secondary
// windows. Decisions are the session's; the window shows them.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

#include "viewer/help_session.h"

class QAction;
class QToolBar;

namespace veldor::viewer {

class TopicView;

class ViewerWindow : public QMainWindow, public IViewerActions {
  Q_OBJECT
 public:
  explicit ViewerWindow(QWidget* parent = nullptr);
  ~ViewerWindow() override;

  // Opens a help file and runs its configuration macros; false with a
  // message shown when it cannot be read.
  bool OpenFile(const QString& path);

  HelpSession& session() { return session_; }
  TopicView* topicView() const { return view_; }
  QAction* browseNextAction() const { return next_; }
  QAction* browsePreviousAction() const { return previous_; }
  QAction* backAction() const { return back_; }
  // The open pop-up and secondary windows (for the tests).
  TopicView* popupView() const;
  TopicView* secondaryView(const std::string& name) const;
  // Messages go here instead of message boxes when set (tests).
  std::function<void(const QString&)> messageSink;
  // Programs started by ExecProgram go here instead of being run (tests).
  std::function<void(const std::string&)> programSink;

  // Follows an anchor of the main, pop-up or secondary view.
  void ActivateLink(const QString& href, int topic);

  // IViewerActions
  void ShowTopic(int topic) override;
  void ShowInWindow(int topic, int window) override;
  void ShowPopup(int topic) override;
  void GoBack() override;
  void ShowBrowseButtons() override;
  void BrowseNext() override;
  void BrowsePrevious() override;
  void CloseWindow(const std::string& name) override;
  void Quit() override;
  void ShowHistory() override;
  void ShowIndex() override;
  void RunProgram(const std::string& commandLine) override;
  void Error(const std::string& text) override;

 private:
  void Display();
  void UpdateActions();
  void OpenDialog();

  HelpSession session_;
  TopicView* view_;
  QToolBar* toolbar_;
  QAction* contents_;
  QAction* index_;
  QAction* back_;
  QAction* history_;
  QAction* previous_;
  QAction* next_;
  bool browseButtons_ = false;
  QPointer<QWidget> popup_;
  std::map<std::string, QPointer<QWidget>> secondary_;
};

}  // namespace veldor::viewer
