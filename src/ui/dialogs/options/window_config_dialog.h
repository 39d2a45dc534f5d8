// "Configuration fenêtre": the project's help-window definitions.
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/window_table_editor.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace veldor {

class ColourGrid;

class WindowConfigDialog : public QDialog {
  Q_OBJECT

 public:
  WindowConfigDialog(CVeldorDoc& doc, QWidget* parent = nullptr);

  WindowFields fields() const;
  void showFields(const WindowFields& fields);
  void accept() override;

  QListWidget* list() const { return list_; }
  const WindowTableEditor& editor() const { return editor_; }
  void add();
  void modify();
  void clearFields();
  void remove();

 private:
  void showList(int select);
  void selectionChanged(int row);

  CVeldorDoc& doc_;
  WindowTableEditor editor_;
  QListWidget* list_;
  QLineEdit* name_;
  QLineEdit* caption_;
  QLineEdit* width_;
  QLineEdit* height_;
  QLineEdit* x_;
  QLineEdit* y_;
  QCheckBox* maximize_;
  QCheckBox* onTop_;
  QCheckBox* usePosition_;
  QCheckBox* useMainColour_;
  QCheckBox* useNonScrollColour_;
  ColourGrid* mainColour_;
  ColourGrid* nonScrollColour_;
};

}  // namespace veldor
