#include "hlpfile/index_files.h"

#include "hlpfile/btree.h"
#include "hlpfile/system_file.h"
#include "platform/codepage.h"

namespace veldor::hlp {

std::map<uint32_t, TopicOffset> ReadContexts(Bytes context) {
  std::map<uint32_t, TopicOffset> result;
  ForEachBtreeEntry(context, "|CONTEXT", [&](ByteReader& entry) {
    const uint32_t hash = entry.U32();
    result[hash] = entry.U32();
  });
  return result;
}

std::map<uint32_t, TopicOffset> ReadContextMap(Bytes map) {
  ByteReader reader(map, "|CTXOMAP");
  const uint16_t count = reader.U16();
  if (std::size_t{count} * 8 > reader.Remaining()) Fail("Table des numéros de contexte tronquée.");
  std::map<uint32_t, TopicOffset> result;
  for (uint16_t i = 0; i < count; ++i) {
    const uint32_t number = reader.U32();
    result[number] = reader.U32();
  }
  return result;
}

std::vector<HelpKeyword> ReadKeywords(Bytes tree, Bytes data) {
  std::vector<HelpKeyword> result;
  ForEachBtreeEntry(tree, "|KWBTREE", [&](ByteReader& entry) {
    HelpKeyword keyword;
    keyword.word = Cp1252ToUtf8(entry.StringZ());
    const uint16_t count = entry.U16();
    const uint32_t at = entry.U32();
    const Bytes offsets = data.Sub(at, std::size_t{count} * 4, "|KWDATA");
    keyword.offsets.reserve(count);
    for (uint16_t i = 0; i < count; ++i) keyword.offsets.push_back(offsets.U32(i * 4u, "|KWDATA"));
    result.push_back(std::move(keyword));
  });
  return result;
}

std::map<TopicOffset, std::string> ReadTitles(Bytes tree) {
  std::map<TopicOffset, std::string> result;
  ForEachBtreeEntry(tree, "|TTLBTREE", [&](ByteReader& entry) {
    const TopicOffset offset = entry.U32();
    result[offset] = Cp1252ToUtf8(entry.StringZ());
  });
  return result;
}

}  // namespace veldor::hlp
