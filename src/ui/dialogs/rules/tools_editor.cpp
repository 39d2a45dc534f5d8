#include "ui/dialogs/rules/tools_editor.h"

#include <cstdio>

#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/settings_store.h"

namespace veldor {

std::string ToolRow(const ToolEntry& tool) {
  std::string row = tool.label;
  if (row.size() < 20) row.append(20 - row.size(), ' ');
  return row + "\t" + tool.command;
}

bool CheckToolEntry(const ToolEntry& tool) {
  if (tool.command.empty()) {
    Messages().Message("Nom Executable Vide", "ERREUR", MessageIcon::Error);
    return false;
  }
  if (tool.label.empty()) {
    Messages().Message("Nom Outil Vide", "ERREUR", MessageIcon::Error);
    return false;
  }
  return true;
}

std::vector<std::string> ToolsEditor::Rows() const {
  std::vector<std::string> rows;
  for (const ToolEntry& tool : tools_) rows.push_back(ToolRow(tool));
  return rows;
}

bool ToolsEditor::NameTaken(const std::string& name, int except) const {
  for (int i = 0; i < static_cast<int>(tools_.size()); ++i) {
    if (i != except && EqualsIgnoreCase(tools_[static_cast<size_t>(i)].label, name)) {
      Messages().Message("Cet outil existe déjà !!", "Erreur", MessageIcon::Error);
      return true;
    }
  }
  return false;
}

bool ToolsEditor::Add(const ToolEntry& tool) {
  if (NameTaken(tool.label, -1)) return false;
  if (static_cast<int>(tools_.size()) < CAppSettings::kMaxTools) tools_.push_back(tool);
  return true;
}

bool ToolsEditor::Modify(int i, const ToolEntry& tool) {
  if (i < 0 || i >= static_cast<int>(tools_.size())) return true;
  ToolEntry replaced = tool;
  if (IsFixed(i)) replaced.label = tools_[static_cast<size_t>(i)].label;
  if (NameTaken(replaced.label, i)) return false;
  tools_[static_cast<size_t>(i)] = replaced;
  return true;
}

int ToolsEditor::Remove(int i) {
  if (i < 0 || i >= static_cast<int>(tools_.size()) || IsFixed(i)) return i;
  tools_.erase(tools_.begin() + i);
  return i < static_cast<int>(tools_.size()) ? i : static_cast<int>(tools_.size()) - 1;
}

bool ToolsEditor::Confirm(CAppSettings& settings, SettingsStore& store) const {
  settings.tools = tools_;
  if (settings.SaveTools(store)) return true;
  Messages().Message("Les outils n'ont pas pu être enregistrés dans " + store.path(), "Outils",
                     MessageIcon::Error);
  return false;
}

}  // namespace veldor
