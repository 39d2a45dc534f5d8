#include "ui/dialogs/rules/pasted_topic_name.h"

#include "model/document.h"

namespace veldor {

bool PastedNameTaken(const CVeldorDoc& doc, const std::string& name) {
  return !name.empty() && doc.TopicNameExists(name) != 0;
}

std::string ProposeTopicName(const CVeldorDoc& doc, const std::string& name) {
  size_t end = name.size();
  while (end > 1 && name[end - 1] >= '0' && name[end - 1] <= '9') --end;
  const std::string stem = name.substr(0, end);
  for (long number = 1;; ++number) {
    const std::string proposal = stem + std::to_string(number);
    if (doc.TopicNameExists(proposal) == 0) return proposal;
  }
}

}  // namespace veldor
