// "Options projet": the project's options and its chapter list.
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/chapter_editor.h"
#include "ui/dialogs/rules/project_options_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace veldor {

class ProjectOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  ProjectOptionsDialog(CVeldorDoc& doc, QWidget* parent = nullptr);

  ProjectOptionsForm form() const;
  void accept() override;
  void reject() override;

  QLineEdit* projectNameField() const { return name_; }
  QLineEdit* workDirectoryField() const { return rootDir_; }
  QComboBox* languageField() const { return language_; }
  QLineEdit* chapterField() const { return chapterName_; }
  QListWidget* chapterList() const { return chapters_; }
  // The chapter buttons: "Ajouter", "Insere", "Modifier", "Supprimer",
  // "Monte", "Descend".
  void chapterButton(const QString& label);

 private:
  void showChapters(int select);
  void chooseIcon();
  void chooseErrorFile();
  void chooseDirectory();

  CVeldorDoc& doc_;
  ProjectOptionsForm form_;
  ChapterEditor chapterEditor_;
  QLineEdit* name_;
  QComboBox* contents_;
  QLineEdit* title_;
  QLineEdit* rights_;
  QLineEdit* icon_;
  QLineEdit* rootDir_;
  QLineEdit* errorFile_;
  QPlainTextEdit* description_;
  QPlainTextEdit* includes_;
  QPlainTextEdit* rtfFiles_;
  QComboBox* compression_;
  QComboBox* warning_;
  QCheckBox* report_;
  QCheckBox* cdrom_;
  QCheckBox* help32_;
  QComboBox* language_;
  QComboBox* compiler_;
  QLineEdit* chapterName_;
  QListWidget* chapters_;
};

}  // namespace veldor
