// The command line of veldor-view:
//   veldor-view [-i CONTEXT | -n NUMBER | -k KEYWORD] FILE.HLP[>WINDOW]
// -i shows the topic of a context string, -n the topic of a map number
// (decimal or 0x hexadecimal), -k the first topic of a keyword; without
// them the contents topic is shown. ">WINDOW" shows it in that window
// definition.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veldor::viewer {

struct ViewerOptions {
  std::string file;
  std::string window;
  std::string context;
  std::optional<uint32_t> number;
  std::string keyword;
};

// Parses the arguments after the program name; false with a message on a
// wrong command line.
bool ParseViewerArguments(const std::vector<std::string>& args, ViewerOptions& options,
                          std::string& error);

extern const char* const kViewerUsage;

}  // namespace veldor::viewer
