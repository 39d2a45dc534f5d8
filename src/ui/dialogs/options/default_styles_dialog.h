// "Marges par défaut": the default paragraph style of each subject type.
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/default_styles_editor.h"

class QComboBox;
class QLineEdit;

namespace veldor {

class ColourGrid;

class DefaultStylesDialog : public QDialog {
  Q_OBJECT

 public:
  DefaultStylesDialog(CAppSettings& settings, SettingsStore& store, QWidget* parent = nullptr);

  StyleFields shownFields() const;
  void accept() override;
  void reject() override;

  QComboBox* typeField() const { return type_; }
  QLineEdit* lengthField(int i) const { return lengths_[i]; }  // gauche, droite, haut, bas, retrait
  QComboBox* fontField() const { return font_; }
  QComboBox* sizeField() const { return size_; }
  ColourGrid* colourGrid() const { return colour_; }

 private:
  void showType(int typeCode);
  void typeChosen(int typeCode);
  void fillSizes();

  DefaultStylesEditor editor_;
  QComboBox* type_;
  QLineEdit* lengths_[5];
  QComboBox* font_;
  QComboBox* size_;
  ColourGrid* colour_;
};

}  // namespace veldor
