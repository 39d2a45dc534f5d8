// The subject exchange dialog ("Echange de sujets"): two columns of topics
// and their subjects; selected source subjects are copied to the
// destination topic.
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/subject_exchange.h"

class QListWidget;

namespace veldor {

class SubjectExchangeDialog : public QDialog {
  Q_OBJECT

 public:
  SubjectExchangeDialog(CVeldorDoc& doc, QWidget* parent = nullptr);

  // True when subjects were copied (the project is then marked modified).
  bool changed() const { return exchange_.changed(); }

  QListWidget* sourceTopics() const { return sourceTopics_; }
  QListWidget* destinationTopics() const { return destinationTopics_; }
  QListWidget* sourceSubjects() const { return sourceSubjects_; }
  QListWidget* destinationSubjects() const { return destinationSubjects_; }

  void copySelected();
  void insertSelected();
  void copyAll();
  void done(int result) override;

 private:
  std::string topicOf(QListWidget* topics) const;
  std::vector<int> selectedSourceRows() const;
  void showSubjects(QListWidget* topics, QListWidget* subjects);
  void afterCopy(int copied, int firstNewRow);

  SubjectExchange exchange_;
  QListWidget* sourceTopics_;
  QListWidget* destinationTopics_;
  QListWidget* sourceSubjects_;
  QListWidget* destinationSubjects_;
};

}  // namespace veldor
