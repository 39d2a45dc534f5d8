#include "ui/dialogs/rules/editor_tools.h"

#include "platform/codepage.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace veldor {
namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && EqualsIgnoreCase(text.substr(text.size() - end.size()), end);
}

}  // namespace

std::string ToolCommandLine(const ToolEntry& tool, const std::string& argument) {
  if (argument.empty()) return tool.command;
  return tool.command + " " + QuoteCommandArgument(argument);
}

std::optional<std::string> BitmapEditorCommand(const std::vector<ToolEntry>& tools,
                                               const std::string& imageName) {
  if (tools.empty() || tools[0].command.empty()) return std::nullopt;
  if (!imageName.empty() && !EndsWithIgnoringCase(imageName, ".BMP")) return std::nullopt;
  return ToolCommandLine(tools[0], imageName);
}

std::optional<std::string> HotspotEditorCommand(const std::vector<ToolEntry>& tools,
                                                const std::string& imageName) {
  if (tools.size() < 2 || tools[1].command.empty()) return std::nullopt;
  return ToolCommandLine(tools[1], EndsWithIgnoringCase(imageName, ".SHG") ? imageName : "");
}

bool StartTool(const std::string& commandLine) {
  const ProcessResult result = RunCommandLine(commandLine, false);
  if (result.started) return true;
  const std::vector<std::string> words = SplitCommandLine(commandLine);
  const std::string program = words.empty() ? commandLine : words.front();
  std::string text = "Impossible de lancer " + Cp1252ToUtf8(program);
  if (!result.error.empty()) text += "\n" + result.error;
  Messages().Message(text, "Outils", MessageIcon::Error);
  return false;
}

}  // namespace veldor
