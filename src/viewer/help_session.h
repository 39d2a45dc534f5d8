// The state of the viewer without any widget: the open help file, the
// topic shown, the back stack and history, the keyword index, and the
// carrying out of links and macros through IViewerActions. The windows
// show what it decides; the tests drive it directly.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hlpfile/help_document.h"

namespace veldor::viewer {

// What links and macros ask of the windows.
class IViewerActions {
 public:
  virtual ~IViewerActions() = default;
  virtual void ShowTopic(int topic) = 0;                 // in the main window
  virtual void ShowInWindow(int topic, int window) = 0;  // a secondary window
  virtual void ShowPopup(int topic) = 0;
  virtual void GoBack() = 0;
  virtual void ShowBrowseButtons() = 0;
  virtual void BrowseNext() = 0;
  virtual void BrowsePrevious() = 0;
  virtual void CloseWindow(const std::string& name) = 0;
  virtual void Quit() = 0;
  virtual void ShowHistory() = 0;
  virtual void ShowIndex() = 0;
  virtual void RunProgram(const std::string& commandLine) = 0;
  virtual void Error(const std::string& text) = 0;
};

class HelpSession {
 public:
  // Opens a help file; on failure the previous file stays open.
  bool Open(const std::string& path, std::string& error);
  const hlp::HelpDocument* document() const { return document_.get(); }
  const std::string& path() const { return path_; }

  int current() const { return current_; }
  // Shows `topic` in the main window: the topic shown before goes on the
  // back stack and the topic joins the history.
  bool Navigate(int topic);
  bool CanGoBack() const { return !back_.empty(); }
  // Returns to the previous topic; false when there is none.
  bool Back();
  // The browse neighbours of the current topic, -1 when none.
  int BrowseNextTopic() const;
  int BrowsePreviousTopic() const;
  // Topics shown, oldest first, without repeats of the same topic in a row.
  const std::vector<int>& history() const { return history_; }

  // The topic of a context string or of a map number, -1 when none.
  int TopicOfContext(const std::string& context) const;
  int TopicOfNumber(uint32_t number) const;
  int ContentsTopic() const;

  // The keyword index: the first keyword at or after `prefix` (ignoring
  // case), and the topics of a keyword.
  int FirstKeyword(const std::string& prefix) const;
  std::vector<int> TopicsOfKeyword(int keyword) const;

  // Carries out a link of topic `topic` (its index into the topic's links).
  void Follow(const hlp::HelpLink& link, IViewerActions& actions) const;
  // Carries out the macros of `text`.
  void RunMacros(const std::string& text, IViewerActions& actions) const;

 private:
  std::shared_ptr<const hlp::HelpDocument> document_;
  std::string path_;
  int current_ = -1;
  std::vector<int> back_;
  std::vector<int> history_;
  std::vector<std::string> sortedKeywords_;  // lower-case, same order as keywords
};

}  // namespace veldor::viewer
