// The tools dialog ("Outils") and the dialog of one tool ("Edite outil").
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/tools_editor.h"

class QLineEdit;
class QListWidget;

namespace veldor {

class ToolDialog : public QDialog {
  Q_OBJECT

 public:
  ToolDialog(const ToolEntry& tool, bool fixedName, QWidget* parent = nullptr);
  ToolEntry tool() const;
  void accept() override;

  QLineEdit* nameField() const { return name_; }
  QLineEdit* commandField() const { return command_; }

 private:
  QLineEdit* name_;
  QLineEdit* command_;
};

class ToolsDialog : public QDialog {
  Q_OBJECT

 public:
  ToolsDialog(CAppSettings& settings, SettingsStore& store, QWidget* parent = nullptr);
  void accept() override;

  QListWidget* list() const { return list_; }
  const ToolsEditor& editor() const { return editor_; }
  void addTool();
  void modifyTool();
  void removeTool();

 private:
  void showList(int select);

  CAppSettings& settings_;
  SettingsStore& store_;
  ToolsEditor editor_;
  QListWidget* list_;
};

}  // namespace veldor
