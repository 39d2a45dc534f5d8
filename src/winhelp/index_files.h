// The index internal files: |CONTEXT (context hash -> topic), |TTLBTREE
// (topic -> title), the keyword trees (|KWBTREE with |KWDATA and |KWMAP,
// and the same for A-keywords) and |CTXOMAP ([MAP] number -> topic).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "winhelp/byte_writer.h"

namespace veldor::winhelp {

// Context hashes and topic offsets; duplicates of a hash keep the first.
Bytes BuildContextFile(std::vector<std::pair<int32_t, uint32_t>> entries);

// Topic offsets (increasing) and titles.
Bytes BuildTitleFile(const std::vector<std::pair<uint32_t, std::string>>& titles);

struct KeywordFiles {
  Bytes tree, data, map;
  int keywords = 0;
};
// Each keyword with the topic offsets it leads to. Keywords that differ
// only in letter case are one keyword.
KeywordFiles BuildKeywordFiles(const std::vector<std::pair<std::string, uint32_t>>& uses);

// [MAP] numbers and topic offsets.
Bytes BuildContextMapFile(std::vector<std::pair<uint32_t, uint32_t>> entries);

// The order keywords are kept in: letters compared without their case.
std::string KeywordSortKey(const std::string& keyword);

}  // namespace veldor::winhelp
