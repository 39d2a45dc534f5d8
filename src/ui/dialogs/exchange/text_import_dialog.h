// "Importe fichier Texte": the file to import and its three tags.
#pragma once

#include <QDialog>

#include "model/app_settings.h"

class QLineEdit;

namespace veldor {

class TextImportDialog : public QDialog {
  Q_OBJECT

 public:
  TextImportDialog(SettingsStore& store, QWidget* parent = nullptr);

  ImportTags tags() const;
  void accept() override;

  QLineEdit* fileField() const { return file_; }
  QLineEdit* pageTagField() const { return page_; }
  QLineEdit* nameTagField() const { return name_; }
  QLineEdit* titleTagField() const { return title_; }

 private:
  SettingsStore& store_;
  QLineEdit* file_;
  QLineEdit* page_;
  QLineEdit* name_;
  QLineEdit* title_;
};

}  // namespace veldor
