// A project at every capacity of the model, for the benchmarks: 4096
// topics of 16 subjects of every type with texts of a few hundred bytes,
// keywords, browse keys and chapters, 512 global strings that occur often
// in the texts, and 10 help windows. The same project every time.
#pragma once

#include <string>
#include <vector>

namespace veldor {
class CVeldorDoc;
}

namespace veldor::bench {

inline constexpr int kMaxProjectTopics = 4096;
inline constexpr int kMaxProjectSubjectsPerTopic = 16;

// Fills a new, empty document.
void FillMaxProject(CVeldorDoc& doc);

// The 512 terms of the global strings (Windows-1252), which the texts use.
const std::vector<std::string>& MaxProjectTerms();

}  // namespace veldor::bench
