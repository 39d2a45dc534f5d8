// The B+ trees of a help file (the internal directory, the context,
// title and keyword indexes): fixed-size pages of sorted leaf entries
// under as many levels of index pages as they need.
#pragma once

#include <string>
#include <vector>

#include "winhelp/byte_writer.h"

namespace veldor::winhelp {

struct BTreeEntry {
  Bytes key;   // what index pages repeat: a STRINGZ or a 4-byte number
  Bytes leaf;  // the whole leaf entry, key included
};

struct BTreeLayout {
  size_t pageSize = 0;
  uint16_t flags = 0;
  std::string structure;  // format letters of the entries, at most 15
};

// The internal file holding the tree: header then pages. `entries` must be
// sorted in the order the tree's readers compare keys; each must fit a
// page.
Bytes BuildBTree(const std::vector<BTreeEntry>& entries, const BTreeLayout& layout);

// Where each leaf entry went: page number of the first entry of every leaf
// page, as the keyword map needs it (filled by BuildBTree when given).
struct BTreeLeafPage {
  uint16_t page = 0;
  uint32_t firstEntry = 0;
};
Bytes BuildBTree(const std::vector<BTreeEntry>& entries, const BTreeLayout& layout,
                 std::vector<BTreeLeafPage>* leaves);

}  // namespace veldor::winhelp
