// "Index": the keywords of the help file with a search field; choosing a
// keyword with one topic shows it, with several lists them under
// "Rubriques trouvées".
#pragma once

#include <QDialog>

#include "viewer/help_session.h"

class QLineEdit;
class QListWidget;

namespace veldor::viewer {

class IndexDialog : public QDialog {
  Q_OBJECT
 public:
  IndexDialog(const HelpSession& session, QWidget* parent = nullptr);
  QLineEdit* searchField() const { return search_; }
  QListWidget* keywordList() const { return keywords_; }
  QListWidget* topicList() const { return topics_; }
  // The topic chosen when accepted, -1 otherwise.
  int chosenTopic() const { return chosen_; }
  // Shows the topics of the selected keyword; accepts when there is one.
  void ChooseKeyword();

 private:
  const HelpSession& session_;
  QLineEdit* search_;
  QListWidget* keywords_;
  QListWidget* topics_;
  int chosen_ = -1;
};

}  // namespace veldor::viewer
