// Routing: a command is offered to the active pane, then the project
// document, the project window, the main window and the application; the
// first level that claims it decides whether it is available (a claimant
// that is disabled does not pass the command on).
#pragma once

#include <vector>

#include "ui/commands/command_context.h"
#include "ui/commands/command_table.h"

namespace veldor::ui {

enum class Level {
  TreeWindow,
  TopicEditor,
  TopicList,
  ErrorList,
  Document,
  ProjectWindow,
  MainWindow,
  Application
};

// The levels a command passes through, in order, for this context.
std::vector<Level> RoutingChain(const CommandContext& context);

// Whether `level` carries out `id`.
bool Claims(Level level, CommandId id);

struct Resolution {
  bool claimed = false;
  Level level = Level::Application;
  bool enabled = false;
};

Resolution Resolve(CommandId id, const CommandContext& context);

}  // namespace veldor::ui
