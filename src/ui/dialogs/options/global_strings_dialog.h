// "Choix des textes globaux": the project's global strings.
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/global_table_editor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace veldor {

class GlobalStringsDialog : public QDialog {
  Q_OBJECT

 public:
  GlobalStringsDialog(CVeldorDoc& doc, QWidget* parent = nullptr);

  CGlobalTexte shownGlobal() const;
  void showGlobal(const CGlobalTexte& global);
  void accept() override;

  QListWidget* list() const { return list_; }
  QLineEdit* textField() const { return text_; }
  QComboBox* actionField() const { return action_; }
  QComboBox* targetField() const { return target_; }
  QLineEdit* fileField() const { return file_; }
  QLabel* fileLabel() const { return fileLabel_; }
  QPushButton* fileBrowseButton() const { return fileBrowse_; }
  const GlobalTableEditor& editor() const { return editor_; }
  void add();
  void modify();
  void remove();

 private:
  void showList(int select);
  void showFieldsOfAction();
  void chooseSound();

  CVeldorDoc& doc_;
  GlobalTableEditor editor_;
  QListWidget* list_;
  QLineEdit* text_;
  QComboBox* action_;
  QLabel* targetLabel_;
  QComboBox* target_;
  QLabel* windowLabel_;
  QComboBox* window_;
  QLabel* fileLabel_;
  QLineEdit* file_;
  QPushButton* fileBrowse_;
  QCheckBox* caseSensitive_;
  QCheckBox* keepColour_;
};

}  // namespace veldor
