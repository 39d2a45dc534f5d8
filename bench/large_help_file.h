// A help file at the size the viewer must handle quickly: 4096 topics with
// jumps, two keywords each, compressed blocks and a phrase table.
#pragma once

#include <string>

namespace veldor::bench {

inline constexpr int kLargeHelpTopics = 4096;

// The file's bytes, built once.
const std::string& LargeHelpFile();

}  // namespace veldor::bench
