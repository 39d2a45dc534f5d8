#include "winhelp/btree_writer.h"

#include "winhelp/hlp_limits.h"

namespace veldor::winhelp {

namespace {

struct Page {
  Bytes body;  // entries, without the page header
  int entries = 0;
  Bytes firstKey;
  uint16_t firstChild = 0;  // index pages: the page for keys before the first entry
};

}  // namespace

Bytes BuildBTree(const std::vector<BTreeEntry>& entries, const BTreeLayout& layout) {
  return BuildBTree(entries, layout, nullptr);
}

Bytes BuildBTree(const std::vector<BTreeEntry>& entries, const BTreeLayout& layout,
                 std::vector<BTreeLeafPage>* leaves) {
  const size_t pageSize = layout.pageSize;
  // Leaf level.
  std::vector<Page> leafPages(1);
  uint32_t index = 0;
  std::vector<uint32_t> firstEntries{0};
  for (const BTreeEntry& entry : entries) {
    Page* page = &leafPages.back();
    if (page->entries > 0 && kLeafHeaderSize + page->body.size() + entry.leaf.size() > pageSize) {
      leafPages.emplace_back();
      firstEntries.push_back(index);
      page = &leafPages.back();
    }
    if (page->entries == 0) page->firstKey = entry.key;
    page->body.insert(page->body.end(), entry.leaf.begin(), entry.leaf.end());
    ++page->entries;
    ++index;
  }
  std::vector<std::vector<Page>> levels{leafPages};
  // Index levels: the first child of each index page is its "previous"
  // page, the others are listed with their first keys.
  uint16_t nextNumber = static_cast<uint16_t>(leafPages.size());
  uint16_t levelStart = 0;
  while (levels.back().size() > 1) {
    const std::vector<Page>& children = levels.back();
    std::vector<Page> parents;
    for (size_t i = 0; i < children.size(); ++i) {
      const auto childNumber = static_cast<uint16_t>(levelStart + i);
      const size_t need = children[i].firstKey.size() + 2;
      if (parents.empty() || kIndexHeaderSize + parents.back().body.size() + need > pageSize) {
        Page parent;
        parent.firstKey = children[i].firstKey;
        parent.firstChild = childNumber;
        parents.push_back(parent);
        continue;
      }
      Page& parent = parents.back();
      parent.body.insert(parent.body.end(), children[i].firstKey.begin(),
                         children[i].firstKey.end());
      parent.body.push_back(static_cast<uint8_t>(childNumber));
      parent.body.push_back(static_cast<uint8_t>(childNumber >> 8));
      ++parent.entries;
    }
    levelStart = nextNumber;
    nextNumber = static_cast<uint16_t>(nextNumber + parents.size());
    levels.push_back(std::move(parents));
  }

  ByteWriter out;
  out.U16(kBTreeMagic);
  out.U16(layout.flags);
  out.U16(static_cast<uint16_t>(pageSize));
  out.FixedString(layout.structure, 16);
  out.U16(0);                                      // must be zero
  out.U16(0);                                      // page splits
  out.U16(static_cast<uint16_t>(nextNumber - 1));  // root: the last page
  out.U16(0xFFFF);                                 // must be -1
  out.U16(nextNumber);                             // total pages
  out.U16(static_cast<uint16_t>(levels.size()));   // levels
  out.U32(static_cast<uint32_t>(entries.size()));
  for (size_t i = 0; i < leafPages.size(); ++i) {
    const Page& page = leafPages[i];
    const size_t start = out.size();
    out.U16(static_cast<uint16_t>(pageSize - kLeafHeaderSize - page.body.size()));
    out.U16(static_cast<uint16_t>(page.entries));
    out.U16(i == 0 ? 0xFFFF : static_cast<uint16_t>(i - 1));
    out.U16(i + 1 == leafPages.size() ? 0xFFFF : static_cast<uint16_t>(i + 1));
    out.Append(page.body);
    out.Zeros(pageSize - (out.size() - start));
  }
  for (size_t level = 1; level < levels.size(); ++level) {
    for (const Page& page : levels[level]) {
      const size_t start = out.size();
      out.U16(static_cast<uint16_t>(pageSize - kIndexHeaderSize - page.body.size()));
      out.U16(static_cast<uint16_t>(page.entries));
      out.U16(page.firstChild);
      out.Append(page.body);
      out.Zeros(pageSize - (out.size() - start));
    }
  }
  if (leaves != nullptr) {
    leaves->clear();
    for (size_t i = 0; i < leafPages.size(); ++i) {
      leaves->push_back({static_cast<uint16_t>(i), firstEntries[i]});
    }
  }
  return std::move(out.bytes());
}

}  // namespace veldor::winhelp
