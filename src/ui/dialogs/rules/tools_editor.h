// The tools list ("Outils"): a copy edited by the tools dialog and written
// to the settings on confirmation. Tools 0 and 1 are the bitmap and hotspot
// editors: they stay, and keep their names.
#pragma once

#include <string>
#include <vector>

#include "model/app_settings.h"

namespace veldor {

class SettingsStore;

inline constexpr int kToolNameLength = 100;
inline constexpr int kToolCommandLength = 200;
inline constexpr int kFixedTools = 2;

// A tool as the list shows it: "%-20s\t%s".
std::string ToolRow(const ToolEntry& tool);

// The checks of the tool dialog ("Edite outil"): an empty executable, then
// an empty name, are reported ("Nom Executable Vide", "Nom Outil Vide") and
// give false.
bool CheckToolEntry(const ToolEntry& tool);

class ToolsEditor {
 public:
  explicit ToolsEditor(const std::vector<ToolEntry>& tools) : tools_(tools) {}

  const std::vector<ToolEntry>& tools() const { return tools_; }
  std::vector<std::string> Rows() const;
  bool IsFixed(int i) const { return i >= 0 && i < kFixedTools; }

  // False, with "Cet outil existe déjà !!", when another tool has the name
  // (ignoring case): the tool dialog opens again. Beyond 32 tools an added
  // one is dropped silently (true).
  bool Add(const ToolEntry& tool);
  // Replaces tool i; the fixed tools keep their names.
  bool Modify(int i, const ToolEntry& tool);
  // Removes tool i unless it is a fixed one; returns the row to select.
  int Remove(int i);
  // The application's list becomes the copy and is written to the settings.
  bool Confirm(CAppSettings& settings, SettingsStore& store) const;

 private:
  bool NameTaken(const std::string& name, int except) const;

  std::vector<ToolEntry> tools_;
};

}  // namespace veldor
