// The menus and toolbars as data: which commands appear where, kept apart
// from what the commands do. Two menu bars exist: the full one of a project
// window and the reduced one shown while no project is open.
#pragma once

#include <vector>

#include "ui/commands/command_ids.h"

namespace veldor::ui {

struct MenuEntry {
  enum Kind { Command, Separator, Submenu, RecentFiles };
  Kind kind = Command;
  CommandId id = CommandId::FileNew;
  const char* text = nullptr;  // submenu title, or a text replacing the row's
  std::vector<MenuEntry> children;
};

struct MenuSpec {
  const char* title;
  std::vector<MenuEntry> entries;
};

const std::vector<MenuSpec>& ProjectMenus();
const std::vector<MenuSpec>& ReducedMenus();

// Toolbar contents; `Separator` entries are separators.
struct ToolbarSpec {
  const char* name;  // object and accessible name
  const char* title;
  std::vector<MenuEntry> buttons;
};
const ToolbarSpec& MainToolbar();
const ToolbarSpec& BuildToolbar();
const ToolbarSpec& OptionsToolbar();
const ToolbarSpec& ProjectWindowToolbar();
// The tree window's menu bar and toolbar.
const std::vector<MenuSpec>& TreeWindowMenus();
const ToolbarSpec& TreeWindowToolbar();

// Every command that some menu of `menus` names (submenus included).
std::vector<CommandId> CommandsInMenus(const std::vector<MenuSpec>& menus);

}  // namespace veldor::ui
