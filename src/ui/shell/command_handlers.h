// What each command does: one handler per command id, next to the
// command table. The router has already checked availability and found
// the level; a handler only needs the windows it acts on.
#pragma once

#include "ui/commands/command_ids.h"

namespace veldor::ui {

class MainWindow;
class ProjectWindow;

struct CommandTargets {
  MainWindow& main;
  ProjectWindow* project;  // the active project window, if any
};

using CommandHandler = void (*)(CommandTargets&);

// The handler of `id`, or nullptr for a command that does nothing.
CommandHandler HandlerOf(CommandId id);

}  // namespace veldor::ui
