// The change of image directory ("Translation de répertoire image").
#pragma once

#include <QDialog>

class QComboBox;

namespace veldor {

class CVeldorDoc;
class SettingsStore;

class ImageDirectoryDialog : public QDialog {
  Q_OBJECT

 public:
  ImageDirectoryDialog(CVeldorDoc& doc, SettingsStore& store, QWidget* parent = nullptr);
  void accept() override;

  QComboBox* oldField() const { return old_; }
  QComboBox* newField() const { return new_; }
  int changed() const { return changed_; }

 private:
  CVeldorDoc& doc_;
  SettingsStore& store_;
  QComboBox* old_;
  QComboBox* new_;
  int changed_ = 0;
};

}  // namespace veldor
