// The lookup tables of a help file: |CONTEXT (context hash to topic
// offset), |CTXOMAP (map number to topic offset), |KWBTREE with |KWDATA
// (keywords to topic offsets) and |TTLBTREE (topic titles by offset).
#pragma once

#include <map>
#include <string>

#include "hlpfile/byte_reader.h"
#include "hlpfile/help_document.h"

namespace veldor::hlp {

std::map<uint32_t, TopicOffset> ReadContexts(Bytes context);
std::map<uint32_t, TopicOffset> ReadContextMap(Bytes map);
std::vector<HelpKeyword> ReadKeywords(Bytes tree, Bytes data);
std::map<TopicOffset, std::string> ReadTitles(Bytes tree);

}  // namespace veldor::hlp
