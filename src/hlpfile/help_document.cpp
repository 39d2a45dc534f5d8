#include "hlpfile/help_document.h"

#include <algorithm>

namespace veldor::hlp {

int TopicIndexAt(const HelpDocument& document, TopicOffset offset) {
  if (offset == kNoOffset || document.topics.empty()) return -1;
  auto after = std::upper_bound(
      document.topics.begin(), document.topics.end(), offset,
      [](TopicOffset value, const HelpTopic& topic) { return value < topic.offset; });
  if (after == document.topics.begin()) return -1;
  return static_cast<int>(after - document.topics.begin()) - 1;
}

int TopicIndexOfHash(const HelpDocument& document, uint32_t hash) {
  auto it = document.contexts.find(hash);
  if (it == document.contexts.end()) return -1;
  return TopicIndexAt(document, it->second);
}

int ContentsTopicIndex(const HelpDocument& document) {
  if (document.topics.empty()) return -1;
  const int index = TopicIndexAt(document, document.contents);
  return index >= 0 ? index : 0;
}

int WindowIndex(const HelpDocument& document, const std::string& name) {
  auto lower = [](std::string s) {
    for (char& c : s) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
  };
  const std::string wanted = lower(name);
  for (std::size_t i = 0; i < document.windows.size(); ++i) {
    if (lower(document.windows[i].name) == wanted) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace veldor::hlp
