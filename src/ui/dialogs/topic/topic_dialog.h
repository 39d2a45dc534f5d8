// The topic dialog ("Rattachement groupe"): name, title, keywords, browse
// key, chapter and references of one topic.
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/topic_form.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace veldor {

class CTopic;
class CVeldorDoc;

class TopicDialog : public QDialog {
  Q_OBJECT

 public:
  TopicDialog(CVeldorDoc& doc, CTopic& topic, QWidget* parent = nullptr);

  // The fields as they stand.
  TopicForm form() const;

  void accept() override;

  // For tests: the controls by role.
  QLineEdit* nameField() const { return name_; }
  QLineEdit* titleField() const { return title_; }
  QLineEdit* browseField() const { return browse_; }
  QPlainTextEdit* keywordField() const { return keywords_; }
  QComboBox* chapterField() const { return chapter_; }
  QListWidget* attachedList() const { return attached_; }
  QListWidget* availableList() const { return available_; }
  void attachSelected();
  void detachSelected();

 private:
  void showAttached(int select);

  CVeldorDoc& doc_;
  CTopic& topic_;
  TopicForm form_;
  QLineEdit* name_;
  QLineEdit* title_;
  QPlainTextEdit* keywords_;
  QLineEdit* browse_;
  QComboBox* chapter_;
  QListWidget* attached_;
  QListWidget* available_;
};

}  // namespace veldor
