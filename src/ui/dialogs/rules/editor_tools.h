// Starting the user's tools, among them the bitmap editor (tool 0) and the
// hotspot editor (tool 1) that the subject dialog offers on an image.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/app_settings.h"

namespace veldor {

// The command line of a tool: its executable, a blank and the argument
// (quoted when it holds blanks); the executable alone without argument.
std::string ToolCommandLine(const ToolEntry& tool, const std::string& argument);

// "Editeur de Bitmap": tool 0 with the image name, only when the name is
// empty or ends in ".BMP" (any case); none otherwise or without tool 0.
std::optional<std::string> BitmapEditorCommand(const std::vector<ToolEntry>& tools,
                                               const std::string& imageName);
// "Editeur de hotspot": tool 1 with the name when it ends in ".SHG", else
// without argument; none without tool 1.
std::optional<std::string> HotspotEditorCommand(const std::vector<ToolEntry>& tools,
                                                const std::string& imageName);

// Starts a command line and leaves it running. A program that cannot start
// is reported by name ("Impossible de lancer <program>") and gives false.
bool StartTool(const std::string& commandLine);

}  // namespace veldor
