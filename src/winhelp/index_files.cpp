#include "winhelp/index_files.h"

#include <algorithm>
#include <map>

#include "winhelp/btree_writer.h"
#include "winhelp/hlp_limits.h"

namespace veldor::winhelp {

namespace {

Bytes Le32(uint32_t value) {
  ByteWriter out;
  out.U32(value);
  return std::move(out.bytes());
}

// Windows-1252 upper case: ASCII letters and the accented letters.
char UpperCp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 16);
  if (u == 0xFF) return static_cast<char>(0x9F);
  return c;
}

}  // namespace

std::string KeywordSortKey(const std::string& keyword) {
  std::string key = keyword;
  std::transform(key.begin(), key.end(), key.begin(), UpperCp1252);
  return key;
}

Bytes BuildContextFile(std::vector<std::pair<int32_t, uint32_t>> entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<BTreeEntry> tree;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i > 0 && entries[i].first == entries[i - 1].first) continue;
    ByteWriter leaf;
    leaf.I32(entries[i].first);
    leaf.U32(entries[i].second);
    tree.push_back({Le32(static_cast<uint32_t>(entries[i].first)), leaf.bytes()});
  }
  return BuildBTree(tree, {kIndexPageSize, kBTreeFlags, "L4"});
}

Bytes BuildTitleFile(const std::vector<std::pair<uint32_t, std::string>>& titles) {
  std::vector<BTreeEntry> tree;
  for (const auto& [offset, title] : titles) {
    ByteWriter leaf;
    leaf.U32(offset);
    leaf.StringZ(title.substr(0, kMaxTitleLength));
    tree.push_back({Le32(offset), leaf.bytes()});
  }
  return BuildBTree(tree, {kIndexPageSize, kBTreeFlags, "Lz"});
}

KeywordFiles BuildKeywordFiles(const std::vector<std::pair<std::string, uint32_t>>& uses) {
  struct Keyword {
    std::string spelling;
    std::vector<uint32_t> offsets;
  };
  std::map<std::string, Keyword> byKey;
  for (const auto& [keyword, offset] : uses) {
    const std::string text = keyword.substr(0, kMaxKeywordLength);
    Keyword& entry = byKey[KeywordSortKey(text)];
    if (entry.spelling.empty()) entry.spelling = text;
    if (std::find(entry.offsets.begin(), entry.offsets.end(), offset) == entry.offsets.end()) {
      entry.offsets.push_back(offset);
    }
  }
  KeywordFiles files;
  ByteWriter data;
  std::vector<BTreeEntry> tree;
  for (auto& [key, keyword] : byKey) {
    std::sort(keyword.offsets.begin(), keyword.offsets.end());
    ByteWriter leaf;
    leaf.StringZ(keyword.spelling);
    leaf.U16(static_cast<uint16_t>(keyword.offsets.size()));
    leaf.U32(static_cast<uint32_t>(data.size()));
    ByteWriter index;
    index.StringZ(keyword.spelling);
    tree.push_back({index.bytes(), leaf.bytes()});
    for (const uint32_t offset : keyword.offsets) data.U32(offset);
  }
  std::vector<BTreeLeafPage> leaves;
  files.tree = BuildBTree(tree, {kIndexPageSize, kBTreeFlags, "F24"}, &leaves);
  files.data = std::move(data.bytes());
  ByteWriter map;
  for (const BTreeLeafPage& leaf : leaves) {
    map.U32(leaf.firstEntry);
    map.U16(leaf.page);
  }
  files.map = std::move(map.bytes());
  files.keywords = static_cast<int>(byKey.size());
  return files;
}

Bytes BuildContextMapFile(std::vector<std::pair<uint32_t, uint32_t>> entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  ByteWriter out;
  out.U16(static_cast<uint16_t>(std::min<size_t>(entries.size(), 0xFFFF)));
  for (size_t i = 0; i < entries.size() && i < 0xFFFF; ++i) {
    out.U32(entries[i].first);
    out.U32(entries[i].second);
  }
  return std::move(out.bytes());
}

}  // namespace veldor::winhelp
