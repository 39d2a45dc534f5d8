// A small hand-built help document for the writer's tests: three topics
// with jumps, a pop-up, a macro, keywords, a browse sequence and a
// non-scrolling region.
#pragma once

#include "winhelp/hlp_input.h"

namespace veldor::winhelp::testing {

helprtf::Paragraph TextParagraph(const std::string& text);
helprtf::Paragraph HotSpotParagraph(const std::string& before, helprtf::HotSpotKind kind,
                                    const std::string& label, const std::string& target,
                                    const std::string& window = "");
HlpInput SampleInput();

}  // namespace veldor::winhelp::testing
