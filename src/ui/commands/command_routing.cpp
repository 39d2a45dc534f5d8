#include "ui/commands/command_routing.h"

namespace veldor::ui {

std::vector<Level> RoutingChain(const CommandContext& context) {
  if (!context.hasProject) return {Level::MainWindow, Level::Application};
  Level pane = Level::TopicEditor;
  if (context.activePane == Pane::TopicList) pane = Level::TopicList;
  if (context.activePane == Pane::ErrorList) pane = Level::ErrorList;
  if (context.treeWindowActive) {
    return {Level::TreeWindow, Level::Document, Level::ProjectWindow, Level::MainWindow,
            Level::Application};
  }
  return {pane, Level::Document, Level::ProjectWindow, Level::MainWindow, Level::Application};
}

bool Claims(Level level, CommandId id) {
  const Owner owner = CommandRowOf(id).owner;
  switch (level) {
    case Level::TreeWindow:
      return owner == Owner::TreeWindow;
    case Level::TopicEditor:
      return owner == Owner::TopicEditor;
    case Level::TopicList:
      // The topic list hands these two to the topic editor.
      return id == CommandId::RecoverDeleted || id == CommandId::SearchWord;
    case Level::ErrorList:
      return false;
    case Level::Document:
      return owner == Owner::Document;
    case Level::ProjectWindow:
      return owner == Owner::ProjectWindow;
    case Level::MainWindow:
      return owner == Owner::MainWindow;
    case Level::Application:
      return owner == Owner::Application;
  }
  return false;
}

Resolution Resolve(CommandId id, const CommandContext& context) {
  const CommandRow& row = CommandRowOf(id);
  for (Level level : RoutingChain(context)) {
    if (!Claims(level, id)) continue;
    Resolution r;
    r.claimed = true;
    r.level = level;
    r.enabled = (context.features & row.needs) == row.needs && row.enabled(context);
    return r;
  }
  return {};
}

}  // namespace veldor::ui
