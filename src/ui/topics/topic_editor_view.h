// The topic editor pane: chapter and topic selectors, the two counters,
// the topic and subject buttons and the subject list, over the plain
// TopicEditorModel that holds the rules.
#pragma once

#include <QWidget>

#include "ui/topics/topic_editor_model.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace veldor::ui {

class SubjectList;

class TopicEditorView : public QWidget {
  Q_OBJECT
 public:
  TopicEditorView(TopicEditorModel& model, QWidget* parent = nullptr);

  TopicEditorModel& model() { return model_; }
  SubjectList& subjectList() { return *subjects_; }
  QComboBox& topicSelector() { return *topics_; }
  QComboBox& chapterSelector() { return *chapterBox_; }

  // Brings the widgets in line with the model (only what changed).
  void Sync();
  // Reads the "main" help window's colours again.
  void ReadColours();
  void ShowTopic(const std::string& name, bool withChapter, int subject);
  void Refresh();

  // Operations of the buttons, menus and popup.
  void AddTopic();
  void EditTopic();
  void DeleteTopic();
  void CopyTopic();
  void PasteTopic();
  void AddSubject(bool insert);
  void EditSubject();
  void DeleteSubjects();
  void CopySubjects();
  void PasteSubjects();
  void MoveSubject(bool up);
  void SearchWord();
  void RecoverDeleted();
  void ExchangeSubjects();
  // Updates the availability of the buttons from the hooks.
  void UpdateButtons();

 signals:
  // The project changed (or a selection the commands depend on).
  void changed();
  // The topic names listed changed (the topic list pane follows).
  void topicsListed();
  // The word search dialog was confirmed (text in Windows-1252).
  void searchRequested(const QByteArray& text, bool caseSensitive);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowPopup(const QPoint& globalPos);
  void Changed();

  TopicEditorModel& model_;
  QComboBox* chapterBox_;
  QComboBox* topics_;
  QLabel* topicCounter_;
  QLabel* subjectCounter_;
  SubjectList* subjects_;
  QPushButton* addTopic_;
  QPushButton* deleteTopic_;
  QPushButton* editTopic_;
  QPushButton* addSubject_;
  QPushButton* insertSubject_;
  QPushButton* deleteSubject_;
  QPushButton* editSubject_;
  QPushButton* upSubject_;
  QPushButton* downSubject_;
  int chaptersShown_ = -1;
  int topicsShown_ = -1;
  int subjectsShown_ = -1;
};

}  // namespace veldor::ui
