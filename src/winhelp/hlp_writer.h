// Builds a whole help file from what the help project and the topic files
// say, reporting every problem to the diagnostics.
#pragma once

#include <cstddef>

#include "winhelp/byte_writer.h"
#include "winhelp/diagnostics.h"
#include "winhelp/hlp_input.h"

namespace veldor::winhelp {

struct HlpStats {
  int topics = 0;
  int jumps = 0;  // jump and pop-up hot spots
  int keywords = 0;
  int pictures = 0;
  size_t bytes = 0;
};

Bytes WriteHelpFile(const HlpInput& input, Diagnostics& diagnostics, HlpStats& stats);

}  // namespace veldor::winhelp
