// The command table: one row per command with its menu text, status-bar
// prompt, shortcuts, the level that carries it out and the rule that makes
// it available. Menus, toolbars and accelerators are built from it.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/commands/command_context.h"
#include "ui/commands/command_ids.h"

namespace veldor::ui {

// Who carries out a command. The topic editor is the active pane of a
// project window; the topic list carries out two of its commands itself.
enum class Owner { TreeWindow, TopicEditor, Document, ProjectWindow, MainWindow, Application };

using Predicate = bool (*)(const CommandContext&);

struct CommandRow {
  CommandId id;
  const char* name;                    // a stable ASCII name, for tests and diagnostics
  const char* menuText;                // as shown, UTF-8; "\t" separates the shortcut text
  const char* prompt;                  // status-bar prompt, UTF-8 ("" for none)
  std::vector<const char*> shortcuts;  // portable key sequences, first is primary
  Owner owner;
  Predicate enabled;       // availability once the owner claims the command
  uint32_t needs = 0;      // features (hooks) the command needs
  bool checkable = false;  // the two bar toggles
};

// Every row, in the order of CommandId.
const std::vector<CommandRow>& CommandTable();
const CommandRow& CommandRowOf(CommandId id);

// Predicates shared by several rows.
bool Always(const CommandContext&);
bool Never(const CommandContext&);

}  // namespace veldor::ui
