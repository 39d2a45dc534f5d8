// The help macros of hot spots, topics and the configuration: a list of
// calls "Name(arg, `quoted', \"quoted\", 12)" separated by ';' or ':'.
// Names are compared without regard to case and their short forms
// ("JI", "PI", "EP", ...) are expanded.
#pragma once

#include <string>
#include <vector>

namespace veldor::viewer {

struct MacroCall {
  std::string name;  // canonical, e.g. "JumpId"
  std::vector<std::string> args;
};

// The calls of `text`; a call that cannot be parsed ends the list.
std::vector<MacroCall> ParseMacros(const std::string& text);

}  // namespace veldor::viewer
