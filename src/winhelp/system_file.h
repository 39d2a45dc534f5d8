// The |SYSTEM internal file: the format version, the title, copyright,
// contents topic, configuration macros and window definitions.
#pragma once

#include <string>
#include <vector>

#include "winhelp/byte_writer.h"
#include "winhelp/hlp_input.h"

namespace veldor::winhelp {

struct SystemInfo {
  std::string title;
  std::string copyright;
  std::string citation;
  Bytes icon;
  uint32_t contentsOffset = 0;
  bool hasContents = false;
  std::vector<std::string> configMacros;
  std::vector<HelpWindow> windows;
  uint32_t date = 0;
};

Bytes BuildSystemFile(const SystemInfo& info);

}  // namespace veldor::winhelp
